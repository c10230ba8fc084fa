#include "protocol/names.h"

#include "protocol/message_table.h"

namespace hexaline::protocol {

std::string sanitizeName(std::string_view name) {
    std::string out(name);
    for (char& c : out) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == kSeparator || c == '|' || c == kTerminator || byte < 0x20 || byte == 0x7F)
            c = '-';
    }
    return out;
}

}  // namespace hexaline::protocol
