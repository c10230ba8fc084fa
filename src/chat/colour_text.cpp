// SPDX-License-Identifier: GPL-3.0-or-later
#include "chat/colour_text.h"

#include <array>
#include <cstdio>

namespace hexaline::chat {

namespace {

struct NamedColour {
    std::string_view name;
    std::uint32_t value;
};

constexpr std::uint32_t rgb(int r, int g, int b) {
    return static_cast<std::uint32_t>(r) | static_cast<std::uint32_t>(g) << 8 |
           static_cast<std::uint32_t>(b) << 16;
}
constexpr std::uint32_t desktop(int k) {
    return kSystemColourBase + static_cast<std::uint32_t>(k);
}

constexpr std::array<NamedColour, kColourNames> kNames{{
    {"clBlack", rgb(0, 0, 0)},        {"clMaroon", rgb(128, 0, 0)},
    {"clGreen", rgb(0, 128, 0)},      {"clOlive", rgb(128, 128, 0)},
    {"clNavy", rgb(0, 0, 128)},       {"clPurple", rgb(128, 0, 128)},
    {"clTeal", rgb(0, 128, 128)},     {"clGray", rgb(128, 128, 128)},
    {"clSilver", rgb(192, 192, 192)}, {"clRed", rgb(255, 0, 0)},
    {"clLime", rgb(0, 255, 0)},       {"clYellow", rgb(255, 255, 0)},
    {"clBlue", rgb(0, 0, 255)},       {"clFuchsia", rgb(255, 0, 255)},
    {"clAqua", rgb(0, 255, 255)},     {"clWhite", rgb(255, 255, 255)},
    {"clScrollBar", desktop(0)},      {"clBackground", desktop(1)},
    {"clActiveCaption", desktop(2)},  {"clInactiveCaption", desktop(3)},
    {"clMenu", desktop(4)},           {"clWindow", desktop(5)},
    {"clWindowFrame", desktop(6)},    {"clMenuText", desktop(7)},
    {"clWindowText", desktop(8)},     {"clCaptionText", desktop(9)},
    {"clActiveBorder", desktop(10)},  {"clInactiveBorder", desktop(11)},
    {"clAppWorkSpace", desktop(12)},  {"clHighlight", desktop(13)},
    {"clHighlightText", desktop(14)}, {"clBtnFace", desktop(15)},
    {"clBtnShadow", desktop(16)},     {"clGrayText", desktop(17)},
    {"clBtnText", desktop(18)},       {"clInactiveCaptionText", desktop(19)},
    {"clBtnHighlight", desktop(20)},  {"cl3DDkShadow", desktop(21)},
    {"cl3DLight", desktop(22)},       {"clInfoText", desktop(23)},
    {"clInfoBk", desktop(24)},        {"clNone", kNoColour},
}};

char lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    c = lower(c);
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

std::optional<std::uint32_t> readHex(std::string_view digits) {
    if (digits.empty() || digits.size() > 8)
        return std::nullopt;
    std::uint32_t value = 0;
    for (char c : digits) {
        const int d = hexDigit(c);
        if (d < 0)
            return std::nullopt;
        value = value << 4 | static_cast<std::uint32_t>(d);
    }
    return value;
}

// A signed 32-bit decimal integer, kept as its two's complement bits.
std::optional<std::uint32_t> readDecimal(std::string_view text) {
    bool negative = false;
    if (!text.empty() && text.front() == '-') {
        negative = true;
        text.remove_prefix(1);
    }
    if (text.empty() || text.size() > 10)
        return std::nullopt;
    std::int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (negative)
        value = -value;
    if (value < INT32_MIN || value > INT32_MAX)
        return std::nullopt;
    return static_cast<std::uint32_t>(static_cast<std::int32_t>(value));
}

}  // namespace

std::string_view colourName(int index) {
    return kNames.at(static_cast<std::size_t>(index)).name;
}

std::uint32_t colourNameValue(int index) {
    return kNames.at(static_cast<std::size_t>(index)).value;
}

std::optional<std::uint32_t> readColourText(std::string_view text) {
    for (const NamedColour& named : kNames) {
        if (sameIgnoringCase(named.name, text))
            return named.value;
    }
    if (!text.empty() && text.front() == '$')
        return readHex(text.substr(1));
    return readDecimal(text);
}

std::string colourText(std::uint32_t value) {
    for (const NamedColour& named : kNames) {
        if (named.value == value)
            return std::string(named.name);
    }
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "$%08X", static_cast<unsigned>(value));
    return buffer;
}

}  // namespace hexaline::chat
