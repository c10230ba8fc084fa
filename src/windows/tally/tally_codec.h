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

// A tally file larger than this is taken for a damaged one and not read.
inline constexpr std::size_t kMaxFileSize = std::size_t{16} << 20;
// A tally text longer than this is taken for a damaged file rather than decoded.
inline constexpr std::size_t kMaxTextSize = std::size_t{16} << 20;
// The tally table's bounds: its columns (the table uses 9 and ignores the rest) and its rows
// (the user's own and one per tallied player; the list holds no more).
inline constexpr std::int64_t kMaxTextColumns = 16;
inline constexpr std::int64_t kMaxTextRows = 100000;

std::vector<std::uint8_t> encodeTallyFile(const std::string& text);

enum class DecodeError { None, NoHeader, ReadError, SizeMismatch, BadTable };

struct DecodeResult {
    DecodeError error = DecodeError::None;
    std::string text;  // the tally text; empty after an error
    bool ok() const { return error == DecodeError::None; }
};

DecodeResult decodeTallyFile(const std::uint8_t* data, std::size_t size);

// Checks a decoded tally text before the table reads it: the column and row counts of its first
// two lines are plain numbers within the bounds, the rows announced are there (each has at
// least its name line), and there are no more lines than the cells announced. Counts only; it
// allocates nothing. BadTable when the text is not a tally the table can hold as it stands.
DecodeError checkTallyText(const std::string& text);

// The user's message for an error, naming the file by `fileName`.
std::string decodeErrorText(DecodeError error, const std::string& fileName);

}  // namespace hexaline::tally
