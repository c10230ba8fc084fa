// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/tally/lzrw1kh.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

namespace hexaline::tally {

namespace {

constexpr std::size_t kMaxDistance = 4095;
constexpr std::size_t kMinCopy = 3;
constexpr std::size_t kMaxCopy = 18;
constexpr std::size_t kMinRun = 16;
constexpr std::size_t kMaxRun = 4095;
constexpr std::uint16_t kEmpty = 0xFFFF;

inline unsigned hashOf(const std::uint8_t* p) {
    const unsigned mixed = ((((unsigned{p[0]} << 4) ^ p[1]) << 4) ^ p[2]);
    return ((40543u * mixed) >> 4) & 0x0FFFu;
}

inline std::uint32_t threeBytes(const std::uint8_t* p) {
    return std::uint32_t{p[0]} | (std::uint32_t{p[1]} << 8) | (std::uint32_t{p[2]} << 16);
}

// Zero when p and q start with the same three bytes; both must have a fourth byte after them.
inline std::uint32_t firstThreeDiffer(const std::uint8_t* p, const std::uint8_t* q) {
    constexpr std::uint32_t mask =
        std::endian::native == std::endian::little ? 0x00FFFFFFu : 0xFFFFFF00u;
    std::uint32_t a;
    std::uint32_t b;
    std::memcpy(&a, p, 4);
    std::memcpy(&b, q, 4);
    return (a ^ b) & mask;
}

void storeChunk(const std::uint8_t* chunk, std::size_t size, std::vector<std::uint8_t>& out,
                std::size_t base) {
    out.resize(base + size + 1);
    out[base] = kStoredFlag;
    if (size > 0)
        std::memcpy(out.data() + base + 1, chunk, size);
}

}  // namespace

void compressChunk(const std::uint8_t* src, std::size_t n, std::vector<std::uint8_t>& out) {
    const std::size_t base = out.size();
    // A group adds a control word and at most 16 items of four bytes, and the work stops after
    // the first group that makes the block longer than the chunk.
    out.resize(base + n + 2 + 16 * 4 + 1);
    std::uint8_t* const dst = out.data() + base;
    std::array<std::uint16_t, 4096> table;
    table.fill(kEmpty);

    dst[0] = kCompressedFlag;
    std::size_t y = 1;
    std::size_t i = 0;
    while (i < n) {
        const std::size_t controlAt = y;
        y += 2;
        unsigned control = 0;
        for (unsigned bit = 0; bit < 16 && i < n; ++bit) {
            const std::uint8_t c = src[i];
            if (i + 1 < n && src[i + 1] == c) {
                const std::size_t runLimit = std::min(kMaxRun, n - i);
                std::size_t run = 2;
                while (run < runLimit && src[i + run] == c)
                    ++run;
                if (run >= kMinRun) {
                    const std::size_t count = run - kMinRun;
                    control |= 0x8000u >> bit;
                    dst[y] = 0;
                    dst[y + 1] = static_cast<std::uint8_t>(count >> 8);
                    dst[y + 2] = static_cast<std::uint8_t>(count);
                    dst[y + 3] = c;
                    y += 4;
                    i += run;
                    continue;
                }
            }
            if (n - i >= kMinCopy) {
                const unsigned h = hashOf(src + i);
                const std::size_t earlier = table[h];
                table[h] = static_cast<std::uint16_t>(i);
                // An empty slot (0xFFFF) lies "after" i, so the distance wraps and is refused
                // with the others. Most candidates fail on their first three bytes: test those
                // without a branch on whether the candidate is usable at all.
                const std::size_t back = i - earlier;
                const std::size_t usable = static_cast<std::size_t>(back - 1 < kMaxDistance);
                const std::uint8_t* from = src + i - (back & (0 - usable));
                // Nonzero unless the first three bytes match and the candidate is usable: one
                // branch, nearly always the same way on text that does not repeat.
                const std::uint32_t differ =
                    (n - i > kMinCopy ? firstThreeDiffer(from, src + i)
                                      : threeBytes(from) ^ threeBytes(src + i)) |
                    static_cast<std::uint32_t>(usable ^ 1);
                if (differ == 0) {
                    const std::size_t copyLimit = std::min(kMaxCopy, n - i);
                    std::size_t length = kMinCopy;
                    while (length < copyLimit && from[length] == src[i + length])
                        ++length;
                    control |= 0x8000u >> bit;
                    dst[y] = static_cast<std::uint8_t>(back >> 4);
                    dst[y + 1] =
                        static_cast<std::uint8_t>(((back & 15) << 4) | (length - kMinCopy));
                    y += 2;
                    i += length;
                    continue;
                }
            }
            dst[y++] = c;
            ++i;
        }
        dst[controlAt] = static_cast<std::uint8_t>(control >> 8);
        dst[controlAt + 1] = static_cast<std::uint8_t>(control);
        if (y > n)
            break;
    }
    // Longer than the chunk (the empty chunk too: a flag byte alone is longer than nothing).
    if (y > n) {
        storeChunk(src, n, out, base);
        return;
    }
    out.resize(base + y);
}

bool decompressBlock(const std::uint8_t* in, std::size_t size, std::uint8_t* out,
                     std::size_t& produced) {
    produced = 0;
    if (size == 0)
        return false;
    if (in[0] == kStoredFlag) {
        if (size - 1 > kChunkSize)
            return false;
        if (size > 1)
            std::memcpy(out, in + 1, size - 1);
        produced = size - 1;
        return true;
    }
    std::size_t x = 1;
    std::size_t y = 0;
    while (x < size) {
        if (size - x < 2)
            return false;
        unsigned control = (unsigned{in[x]} << 8) | in[x + 1];
        x += 2;
        for (int item = 0; item < 16 && x < size; ++item, control <<= 1) {
            if ((control & 0x8000u) == 0) {
                if (y >= kChunkSize)
                    return false;
                out[y++] = in[x++];
                continue;
            }
            if (size - x < 2)
                return false;
            const unsigned a = in[x];
            const unsigned b = in[x + 1];
            const std::size_t distance = (a << 4) | (b >> 4);
            if (distance == 0) {
                if (size - x < 4)
                    return false;
                const std::size_t count = ((b << 8) | in[x + 2]) + kMinRun;
                if (count > kChunkSize - y)
                    return false;
                std::memset(out + y, in[x + 3], count);
                y += count;
                x += 4;
            } else {
                const std::size_t count = (b & 15) + kMinCopy;
                if (distance > y || count > kChunkSize - y)
                    return false;
                const std::uint8_t* from = out + (y - distance);
                std::uint8_t* to = out + y;
                if (distance >= count) {
                    std::memcpy(to, from, count);
                } else {
                    for (std::size_t k = 0; k < count; ++k)  // overlapping: byte by byte
                        to[k] = from[k];
                }
                y += count;
                x += 2;
            }
        }
    }
    produced = y;
    return true;
}

}  // namespace hexaline::tally
