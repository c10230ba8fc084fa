// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer entry: any bytes as a tally file. Decoding must never read or write out of bounds,
// whatever decodes must encode and decode to the same text, and the table check of the text
// must answer (it is bounded by the text's length, so a hang here is a fault).
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "windows/tally/tally_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace hexaline::tally;
    const DecodeResult result = decodeTallyFile(data, size);
    if (!result.ok())
        return 0;
    const auto again = encodeTallyFile(result.text);
    const DecodeResult back = decodeTallyFile(again.data(), again.size());
    if (!back.ok() || back.text != result.text)
        std::abort();
    // The check allows no table beyond its bounds.
    if (checkTallyText(result.text) == DecodeError::None && result.text.size() > kMaxTextSize)
        std::abort();
    return 0;
}
