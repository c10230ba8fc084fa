// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tally file's bytes: the signature "WRZL", the text's length (4 bytes, little-endian), then
// one block per 32,768-byte chunk of the text, each preceded by its 2-byte length. A text whose
// length is a multiple of 32,768 ends with the block of an empty chunk. Standard library only.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace hexaline::tally {

// A tally text longer than this is taken for a damaged file rather than decoded.
inline constexpr std::size_t kMaxTextSize = std::size_t{64} << 20;

std::vector<std::uint8_t> encodeTallyFile(const std::string& text);

enum class DecodeError { None, NoHeader, ReadError, SizeMismatch };

struct DecodeResult {
    DecodeError error = DecodeError::None;
    std::string text;  // the tally text; empty after an error
    bool ok() const { return error == DecodeError::None; }
};

DecodeResult decodeTallyFile(const std::uint8_t* data, std::size_t size);

// The user's message for an error, naming the file by `fileName`.
std::string decodeErrorText(DecodeError error, const std::string& fileName);

}  // namespace hexaline::tally
