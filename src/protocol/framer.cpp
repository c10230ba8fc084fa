// SPDX-License-Identifier: GPL-3.0-or-later
#include "protocol/framer.h"

#include "protocol/message_table.h"

namespace hexaline::protocol {

bool Framer::feed(std::string_view bytes, std::vector<std::string>& out) {
    std::size_t start = 0;
    while (true) {
        const std::size_t end = bytes.find(kTerminator, start);
        if (end == std::string_view::npos)
            break;
        remainder_.append(bytes.substr(start, end - start));
        out.push_back(std::move(remainder_));
        remainder_.clear();
        start = end + 1;
    }
    remainder_.append(bytes.substr(start));
    return remainder_.size() <= kMaxRemainder;
}

}  // namespace hexaline::protocol
