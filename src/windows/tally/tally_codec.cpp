// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/tally/tally_codec.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "windows/tally/lzrw1kh.h"

namespace hexaline::tally {

namespace {

constexpr std::array<std::uint8_t, 4> kSignature{'W', 'R', 'Z', 'L'};

void putLittle(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int k = 0; k < bytes; ++k)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * k)));
}

}  // namespace

std::vector<std::uint8_t> encodeTallyFile(const std::string& text) {
    std::vector<std::uint8_t> out(kSignature.begin(), kSignature.end());
    putLittle(out, static_cast<std::uint32_t>(text.size()), 4);
    out.reserve(out.size() + text.size() + text.size() / kChunkSize * 3 + 8);
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    std::size_t pos = 0;
    for (;;) {
        const std::size_t chunk = std::min(kChunkSize, text.size() - pos);
        const std::size_t lengthAt = out.size();
        out.resize(lengthAt + 2);
        compressChunk(bytes + pos, chunk, out);
        const std::size_t blockLength = out.size() - lengthAt - 2;
        out[lengthAt] = static_cast<std::uint8_t>(blockLength);
        out[lengthAt + 1] = static_cast<std::uint8_t>(blockLength >> 8);
        pos += chunk;
        if (chunk < kChunkSize)
            break;
    }
    return out;
}

DecodeResult decodeTallyFile(const std::uint8_t* data, std::size_t size) {
    DecodeResult result;
    if (size < kSignature.size() || !std::equal(kSignature.begin(), kSignature.end(), data)) {
        result.error = DecodeError::NoHeader;
        return result;
    }
    std::size_t x = kSignature.size();
    if (size - x < 4) {
        result.error = DecodeError::ReadError;
        return result;
    }
    const std::uint32_t declared = std::uint32_t{data[x]} | (std::uint32_t{data[x + 1]} << 8) |
                                   (std::uint32_t{data[x + 2]} << 16) |
                                   (std::uint32_t{data[x + 3]} << 24);
    x += 4;
    if (declared > kMaxTextSize) {
        result.error = DecodeError::SizeMismatch;
        return result;
    }
    std::array<std::uint8_t, kChunkSize> chunk;
    std::string text;
    // The announced length is not trusted for more than a modest first reservation.
    text.reserve(std::min<std::size_t>(declared, std::size_t{1} << 20));
    for (;;) {
        if (size - x < 2) {
            result.error = DecodeError::ReadError;
            return result;
        }
        const std::size_t length = std::size_t{data[x]} | (std::size_t{data[x + 1]} << 8);
        x += 2;
        if (size - x < length) {
            result.error = DecodeError::ReadError;
            return result;
        }
        std::size_t produced = 0;
        // A damaged block, or more text than announced (or than any tally holds), makes the
        // sizes disagree: decoding stops there.
        if (!decompressBlock(data + x, length, chunk.data(), produced) ||
            text.size() + produced > declared || text.size() + produced > kMaxTextSize) {
            result.error = DecodeError::SizeMismatch;
            return result;
        }
        text.append(reinterpret_cast<const char*>(chunk.data()), produced);
        x += length;
        if (produced < kChunkSize)
            break;
    }
    if (text.size() != declared) {
        result.error = DecodeError::SizeMismatch;
        return result;
    }
    result.text = std::move(text);
    return result;
}

namespace {

// A count line: optional blanks around 1 to 9 decimal digits. -1 for anything else.
std::int64_t countOf(std::string_view line) {
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t'))
        line.remove_prefix(1);
    while (!line.empty() && (line.back() == ' ' || line.back() == '\t' || line.back() == '\r'))
        line.remove_suffix(1);
    if (line.empty() || line.size() > 9)
        return -1;
    std::int64_t value = 0;
    for (const char c : line) {
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

}  // namespace

DecodeError checkTallyText(const std::string& text) {
    if (text.size() > kMaxTextSize)
        return DecodeError::BadTable;
    const std::size_t firstEnd = text.find('\n');
    if (firstEnd == std::string::npos)
        return DecodeError::BadTable;
    const std::size_t secondEnd = text.find('\n', firstEnd + 1);
    const std::string_view all(text);
    const std::int64_t columns = countOf(all.substr(0, firstEnd));
    const std::int64_t rows = countOf(all.substr(firstEnd + 1, secondEnd == std::string::npos
                                                                   ? std::string::npos
                                                                   : secondEnd - firstEnd - 1));
    if (columns < 1 || columns > kMaxTextColumns || rows < 1 || rows > kMaxTextRows)
        return DecodeError::BadTable;
    // Lines as the table splits them: one more than the line feeds.
    const auto lines = static_cast<std::int64_t>(std::count(text.begin(), text.end(), '\n')) + 1;
    // Every row has its name line; fewer lines would shift every cell into the wrong row.
    if (lines - 2 < rows)
        return DecodeError::BadTable;
    // Missing cells at the end read as empty, but lines beyond the cells are no tally's. The
    // last line end leaves one empty line after the cells.
    if (lines - 2 > columns * rows + 1)
        return DecodeError::BadTable;
    return DecodeError::None;
}

std::string decodeErrorText(DecodeError error, const std::string& fileName) {
    switch (error) {
        case DecodeError::None:
            return {};
        case DecodeError::NoHeader:
            return fileName + " : Lzrw1 decompression : this file has no valid header !";
        case DecodeError::ReadError:
            return "Lzrw1 : Error reading from input file : " + fileName;
        case DecodeError::SizeMismatch:
            return "Lzrw1 (decompression LZRW1/KH) : Original and compressed sizes do not match !";
        case DecodeError::BadTable:
            return fileName + " : this file does not hold a tally that can be read.";
    }
    return {};
}

}  // namespace hexaline::tally
