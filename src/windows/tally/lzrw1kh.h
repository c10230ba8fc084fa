// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// LZRW1/KH: one chunk of at most 32,768 bytes to one block and back. Standard library only.
//
// A block starts with a flag byte: 128 for a stored block (the chunk follows unchanged), any
// other value (64 when written) for a compressed one. A compressed block is a series of groups,
// each a 16-bit control word, high byte first, followed by up to 16 items; the control bits,
// most significant first, tell a literal (0) from a copy or a run (1):
//   copy: bytes a, b with D = a * 16 + b / 16 in 1..4095: (b % 16) + 3 bytes from D back;
//   run:  bytes 0, h, l, v: (h * 256 + l) + 16 bytes of the value v.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace hexaline::tally {

inline constexpr std::size_t kChunkSize = 32768;
inline constexpr std::uint8_t kStoredFlag = 128;
inline constexpr std::uint8_t kCompressedFlag = 64;

// Appends the block of `chunk` (at most kChunkSize bytes; its 2-byte length is not written) to
// `out`. The block is stored whenever compressing would make it longer than the chunk.
void compressChunk(const std::uint8_t* chunk, std::size_t size, std::vector<std::uint8_t>& out);

// Decodes one block into `out`, which must hold kChunkSize bytes, and sets `produced`. False for
// a damaged block: an item cut short, output beyond kChunkSize bytes, or a copy reaching back
// before the block's first output byte. Nothing is ever written outside `out`.
bool decompressBlock(const std::uint8_t* block, std::size_t size, std::uint8_t* out,
                     std::size_t& produced);

}  // namespace hexaline::tally
