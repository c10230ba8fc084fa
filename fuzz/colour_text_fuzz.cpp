// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer entry for the colour text reader: any bytes must read without a fault, and every
// colour that reads must write back to text that reads as the same colour.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "chat/colour_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto value = hexaline::chat::readColourText(text);
    if (value) {
        const std::string written = hexaline::chat::colourText(*value);
        if (hexaline::chat::readColourText(written) != value)
            std::abort();
    }
    return 0;
}
