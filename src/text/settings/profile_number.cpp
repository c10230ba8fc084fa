// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/settings/profile_number.h"

#include <cstdint>

namespace hexaline::settings {
namespace {

int hexDigit(QChar c) {
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9') {
        return u - '0';
    }
    if (u >= 'a' && u <= 'f') {
        return u - 'a' + 10;
    }
    if (u >= 'A' && u <= 'F') {
        return u - 'A' + 10;
    }
    return -1;
}

}  // namespace

std::optional<int> parseProfileInteger(QStringView text) {
    bool negative = false;
    if (!text.isEmpty() && (text.front() == u'-' || text.front() == u'+')) {
        negative = text.front() == u'-';
        text = text.mid(1);
    }
    int base = 10;
    if (text.startsWith(u'$')) {
        base = 16;
        text = text.mid(1);
    } else if (text.startsWith(u"0x", Qt::CaseInsensitive)) {
        base = 16;
        text = text.mid(2);
    }
    if (text.isEmpty()) {
        return std::nullopt;
    }
    const std::uint64_t limit =
        base == 16 ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
    std::uint64_t value = 0;
    for (QChar c : text) {
        const int d = hexDigit(c);
        if (d < 0 || d >= base) {
            return std::nullopt;
        }
        value = value * base + d;
        if (value > limit) {
            return std::nullopt;
        }
    }
    // Two's complement: a hexadecimal value is a 32-bit pattern.
    auto bits = static_cast<std::uint32_t>(value);
    if (negative) {
        bits = 0u - bits;
    }
    return static_cast<int>(static_cast<std::int32_t>(bits));
}

}  // namespace hexaline::settings
