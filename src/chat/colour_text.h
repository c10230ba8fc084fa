// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Colours as text, on the wire and in the settings file: a colour name such as "clBlack", or
// "$" and eight upper-case hexadecimal digits. Colour values hold red in the lowest byte, green
// in the next and blue in the third; 0x80000000 + k is the desktop's colour number k and
// 0x1FFFFFFF means no colour. Standard library only.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace hexaline::chat {

inline constexpr std::uint32_t kRed = 0x0000FF;
inline constexpr std::uint32_t kBlue = 0xFF0000;
inline constexpr std::uint32_t kBlack = 0x000000;
inline constexpr std::uint32_t kSystemColourBase = 0x80000000;
inline constexpr std::uint32_t kNoColour = 0x1FFFFFFF;
inline constexpr int kDesktopColours = 25;
inline constexpr int kColourNames = 42;

// Name of the colour at `index` (0..41) of the name table, and its value.
std::string_view colourName(int index);
std::uint32_t colourNameValue(int index);

// Reads a name (letter case ignored), a decimal integer (an optional "-", 32 bits) or "$" and
// one to eight hexadecimal digits. Anything else gives nothing.
std::optional<std::uint32_t> readColourText(std::string_view text);

// The name of a named value, otherwise "$" and eight upper-case hexadecimal digits.
std::string colourText(std::uint32_t value);

// Red, green and blue of a plain colour value.
inline int redOf(std::uint32_t v) {
    return static_cast<int>(v & 0xFF);
}
inline int greenOf(std::uint32_t v) {
    return static_cast<int>((v >> 8) & 0xFF);
}
inline int blueOf(std::uint32_t v) {
    return static_cast<int>((v >> 16) & 0xFF);
}
inline std::uint32_t colourValue(int red, int green, int blue) {
    return static_cast<std::uint32_t>(red & 0xFF) | static_cast<std::uint32_t>(green & 0xFF) << 8 |
           static_cast<std::uint32_t>(blue & 0xFF) << 16;
}

}  // namespace hexaline::chat
