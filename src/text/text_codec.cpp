// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/text_codec.h"

#include <array>
#include <cstdint>

namespace hexaline::text {
namespace {

// Windows-1252 at 0x80..0x9F; the five unassigned bytes keep their own code point.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char16_t cp1252(std::uint8_t b) {
    if (b >= 0x80 && b <= 0x9F) {
        return kCp1252High[b - 0x80];
    }
    return b;
}

bool isContinuation(std::uint8_t b) {
    return (b & 0xC0) == 0x80;
}

// Length of the well-formed UTF-8 sequence at p (1..4) and its code point, or 0 when the bytes
// there are not one (stray continuation, overlong form, surrogate, beyond U+10FFFF, cut short).
int utf8Sequence(const std::uint8_t* p, qsizetype left, char32_t& cp) {
    const std::uint8_t b = p[0];
    int len = 0;
    char32_t min = 0;
    if (b < 0x80) {
        cp = b;
        return 1;
    } else if ((b & 0xE0) == 0xC0) {
        len = 2;
        cp = b & 0x1F;
        min = 0x80;
    } else if ((b & 0xF0) == 0xE0) {
        len = 3;
        cp = b & 0x0F;
        min = 0x800;
    } else if ((b & 0xF8) == 0xF0) {
        len = 4;
        cp = b & 0x07;
        min = 0x10000;
    } else {
        return 0;
    }
    if (left < len) {
        return 0;
    }
    for (int i = 1; i < len; ++i) {
        if (!isContinuation(p[i])) {
            return 0;
        }
        cp = (cp << 6) | (p[i] & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        return 0;
    }
    return len;
}

}  // namespace

QString decodeText(QByteArrayView bytes) {
    QString out;
    out.reserve(bytes.size());
    const auto* p = reinterpret_cast<const std::uint8_t*>(bytes.data());
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n;) {
        char32_t cp = 0;
        const int len = utf8Sequence(p + i, n - i, cp);
        if (len == 0) {
            out.append(QChar(cp1252(p[i])));
            ++i;
            continue;
        }
        const char32_t one[1] = {cp};
        out.append(QString::fromUcs4(one, 1));
        i += len;
    }
    return out;
}

QByteArray encodeText(QStringView text) {
    return text.toUtf8();
}

}  // namespace hexaline::text
