// SPDX-License-Identifier: GPL-3.0-or-later
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

std::string boundName(std::string_view name, std::size_t maxBytes) {
    if (name.size() <= maxBytes)
        return std::string(name);
    std::size_t end = maxBytes;
    while (end > 0 && (static_cast<unsigned char>(name[end]) & 0xC0) == 0x80)
        --end;  // name[end] continues a character: cut before that character
    return std::string(name.substr(0, end));
}

}  // namespace hexaline::protocol
