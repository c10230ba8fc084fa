// SPDX-License-Identifier: GPL-3.0-or-later
// The tally file's codec: round trips over the shapes of text that matter to the compressor,
// the exact items it writes, and damaged files.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "windows/tally/lzrw1kh.h"
#include "windows/tally/tally_codec.h"

namespace hexaline::tally {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::string roundTrip(const std::string& text) {
    const Bytes file = encodeTallyFile(text);
    const DecodeResult back = decodeTallyFile(file.data(), file.size());
    EXPECT_TRUE(back.ok()) << "size " << text.size();
    return back.text;
}

std::string randomText(std::size_t size, unsigned seed, int alphabet = 256) {
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> byte(0, alphabet - 1);
    std::string text(size, '\0');
    for (char& c : text)
        c = static_cast<char>(byte(rng));
    return text;
}

// A tally text of `players` rows, as the table writes it.
std::string tallyText(int players) {
    std::string text = "9\r\n" + std::to_string(players + 1) + "\r\n0\r\n";
    for (int p = 0; p < players; ++p)
        text += "Player" + std::to_string(p * 7919 % 1000) + "\r\n";
    for (int c = 1; c < 9; ++c)
        for (int r = 0; r <= players; ++r)
            text += std::to_string((r * 31 + c * 17) % 97) + "\r\n";
    return text;
}

// One item of a compressed block, as the format describes it.
struct Item {
    char kind;       // 'L' literal, 'C' copy, 'R' run
    std::size_t at;  // output position where the item starts
    std::size_t distance;
    std::size_t length;
};

// Lists the items of a compressed block without decoding it.
std::vector<Item> items(const Bytes& block) {
    std::vector<Item> list;
    std::size_t x = 1, out = 0;
    while (x < block.size()) {
        unsigned control = (unsigned{block[x]} << 8) | block[x + 1];
        x += 2;
        for (int k = 0; k < 16 && x < block.size(); ++k, control <<= 1) {
            if (!(control & 0x8000u)) {
                list.push_back({'L', out, 0, 1});
                ++out;
                ++x;
            } else if (block[x] == 0 && block[x + 1] < 16) {
                const std::size_t length = block[x + 1] * 256u + block[x + 2] + 16;
                list.push_back({'R', out, 0, length});
                out += length;
                x += 4;
            } else {
                const std::size_t distance = block[x] * 16u + block[x + 1] / 16;
                const std::size_t length = block[x + 1] % 16 + 3;
                list.push_back({'C', out, distance, length});
                out += length;
                x += 2;
            }
        }
    }
    return list;
}

Bytes compress(const std::string& chunk) {
    Bytes out;
    compressChunk(reinterpret_cast<const std::uint8_t*>(chunk.data()), chunk.size(), out);
    return out;
}

TEST(TallyCodec, RoundTripsTextsOfEveryBoundarySize) {
    for (std::size_t size : {0u, 1u, 2u, 3u, 17u, 32767u, 32768u, 32769u, 65536u, 100000u}) {
        const std::string text = randomText(size, static_cast<unsigned>(size), 4);
        EXPECT_EQ(roundTrip(text), text) << size;
    }
    for (int players : {0, 1, 5, 200, 3000}) {
        const std::string text = tallyText(players);
        EXPECT_EQ(roundTrip(text), text) << players;
    }
}

TEST(TallyCodec, RoundTripsRunsAndLongMatches) {
    std::string runs;
    for (std::size_t length : {15u, 16u, 17u, 4094u, 4095u, 4096u, 4111u, 9000u}) {
        runs += "ab";
        runs.append(length, 'x');
        runs += "cd";
    }
    EXPECT_EQ(roundTrip(runs), runs);
    std::string repeated;
    for (int k = 0; k < 500; ++k)
        repeated += "The quick brown fox jumps over the lazy dog, again and again. ";
    EXPECT_EQ(roundTrip(repeated), repeated);
    const std::string overlap =
        std::string("abc").append(40, 'q').append("abababababababababababab");
    EXPECT_EQ(roundTrip(overlap), overlap);
}

TEST(TallyCodec, WritesTheItemsTheRulesGive) {
    // Literals a, b, c, then a copy of 6 bytes from 3 back.
    EXPECT_EQ(compress("abcabcabc"), (Bytes{64, 0x10, 0x00, 'a', 'b', 'c', 0x00, 0x33}));
    // A run of 20 is one 4-byte run item; 15 equal bytes are not a run.
    const Bytes run = compress(std::string("y").append(20, 'z').append("y"));
    EXPECT_EQ(run, (Bytes{64, 0x40, 0x00, 'y', 0, 0, 4, 'z', 'y'}));
    for (const Item& item : items(compress(std::string("y").append(15, 'z').append("yy"))))
        EXPECT_NE(item.kind, 'R');
    // A run is never longer than 4095.
    const std::vector<Item> longRun = items(compress(std::string(5000, 'k')));
    ASSERT_EQ(longRun.size(), 2u);
    EXPECT_EQ(longRun[0].length, 4095u);
    EXPECT_EQ(longRun[1].length, 905u);
    // A copy is never longer than 18 bytes.
    std::string phrase = "0123456789abcdefghijklmnopqrstuvwxyz";
    for (const Item& item : items(compress(phrase + "." + phrase + "," + phrase))) {
        if (item.kind == 'C') {
            EXPECT_LE(item.length, 18u);
        }
    }
}

// A chunk holding "XYZ" at 0 and again `gap` bytes later. The bytes between are runs, which
// leave the hash table alone, so the only candidate for the second "XYZ" is the first.
std::string gapText(std::size_t gap) {
    std::string text = "XYZ";
    for (char c = 'a'; text.size() < gap; c = c == 'z' ? 'a' : static_cast<char>(c + 1)) {
        const std::size_t left = gap - text.size();
        text.append(left < 40 ? left : 20, c);
    }
    text += "XYZ!";
    return text;
}

TEST(TallyCodec, CopiesReachAtMost4095Back) {
    for (std::size_t gap : {4095u, 4096u}) {
        const std::string text = gapText(gap);
        const Bytes block = compress(text);
        ASSERT_EQ(block[0], kCompressedFlag);
        bool copiedAtGap = false;
        for (const Item& item : items(block)) {
            EXPECT_LE(item.distance, 4095u);
            if (item.at == gap && item.kind == 'C')
                copiedAtGap = item.distance == gap;
        }
        EXPECT_EQ(copiedAtGap, gap == 4095u) << gap;
        EXPECT_EQ(roundTrip(text), text);
    }
}

TEST(TallyCodec, IncompressibleChunksAreStored) {
    const std::string text = randomText(40000, 3);
    const Bytes file = encodeTallyFile(text);
    // Signature, length, then a stored block of 32768 + 1 bytes and one of 7232 + 1.
    ASSERT_EQ(file.size(), 8u + 2 + 32769 + 2 + 7233);
    EXPECT_EQ(Bytes(file.begin(), file.begin() + 8),
              (Bytes{'W', 'R', 'Z', 'L', 0x40, 0x9C, 0x00, 0x00}));
    EXPECT_EQ(file[8] | (file[9] << 8), 32769);
    EXPECT_EQ(file[10], kStoredFlag);
    EXPECT_EQ(roundTrip(text), text);
    // The empty text is one block of the flag alone; so is the end of a text of 32768 bytes.
    EXPECT_EQ(encodeTallyFile(""), (Bytes{'W', 'R', 'Z', 'L', 0, 0, 0, 0, 1, 0, kStoredFlag}));
    const Bytes whole = encodeTallyFile(std::string(32768, 'a'));
    EXPECT_EQ(Bytes(whole.end() - 3, whole.end()), (Bytes{1, 0, kStoredFlag}));
}

DecodeError decodeError(const Bytes& file) {
    return decodeTallyFile(file.data(), file.size()).error;
}

Bytes fileOf(std::uint32_t declared, const std::vector<Bytes>& blocks) {
    Bytes file{'W', 'R', 'Z', 'L'};
    for (int k = 0; k < 4; ++k)
        file.push_back(static_cast<std::uint8_t>(declared >> (8 * k)));
    for (const Bytes& block : blocks) {
        file.push_back(static_cast<std::uint8_t>(block.size()));
        file.push_back(static_cast<std::uint8_t>(block.size() >> 8));
        file.insert(file.end(), block.begin(), block.end());
    }
    return file;
}

TEST(TallyCodec, DamagedFilesGiveTheirErrors) {
    EXPECT_EQ(decodeError({'W', 'R', 'Z', 'X', 0, 0, 0, 0}), DecodeError::NoHeader);
    EXPECT_EQ(decodeError({'W', 'R'}), DecodeError::NoHeader);
    EXPECT_EQ(decodeError({'W', 'R', 'Z', 'L', 3, 0}), DecodeError::ReadError);
    EXPECT_EQ(decodeError({'W', 'R', 'Z', 'L', 3, 0, 0, 0}), DecodeError::ReadError);
    Bytes cut = encodeTallyFile("hello hello hello");
    cut.pop_back();
    EXPECT_EQ(decodeError(cut), DecodeError::ReadError);
    EXPECT_EQ(decodeError(fileOf(4, {{kStoredFlag, 'a', 'b', 'c'}})), DecodeError::SizeMismatch);
    EXPECT_EQ(decodeError(fileOf(3, {{kStoredFlag, 'a', 'b', 'c'}})), DecodeError::None);

    EXPECT_EQ(decodeErrorText(DecodeError::NoHeader, "/x/agametally.tld"),
              "/x/agametally.tld : Lzrw1 decompression : this file has no valid header !");
    EXPECT_EQ(decodeErrorText(DecodeError::ReadError, "t.tld"),
              "Lzrw1 : Error reading from input file : t.tld");
    EXPECT_EQ(decodeErrorText(DecodeError::SizeMismatch, "t.tld"),
              "Lzrw1 (decompression LZRW1/KH) : Original and compressed sizes do not match !");
}

TEST(TallyCodec, DamagedBlocksStayInsideTheirOutput) {
    std::uint8_t out[kChunkSize];
    std::size_t produced = 0;
    // A copy 2 back after one literal reaches before the block.
    const Bytes before{64, 0x40, 0x00, 'a', 0x00, 0x20};
    EXPECT_FALSE(decompressBlock(before.data(), before.size(), out, produced));
    // A second block may not copy from the first one's output.
    const Bytes second{64, 0x80, 0x00, 0x00, 0x10};
    Bytes first(32769, 'q');
    first[0] = kStoredFlag;
    EXPECT_EQ(decodeError(fileOf(32768 + 3, {first, second})), DecodeError::SizeMismatch);
    // Nine runs of 4111 bytes would make 36,999: the block is refused, not decoded on.
    Bytes tooLong{64, 0xFF, 0x80};
    for (int k = 0; k < 9; ++k)
        tooLong.insert(tooLong.end(), {0, 15, 255, 'r'});
    EXPECT_FALSE(decompressBlock(tooLong.data(), tooLong.size(), out, produced));
    // Literals beyond 32768 and a stored block longer than a chunk are refused too.
    Bytes literals{64};
    for (int g = 0; g < 2049; ++g) {
        literals.insert(literals.end(), {0, 0});
        literals.insert(literals.end(), 16, 'l');
    }
    EXPECT_FALSE(decompressBlock(literals.data(), literals.size(), out, produced));
    Bytes stored(32770, 's');
    stored[0] = kStoredFlag;
    EXPECT_FALSE(decompressBlock(stored.data(), stored.size(), out, produced));
    // An item cut short.
    const Bytes cutItem{64, 0x80, 0x00, 0x00};
    EXPECT_FALSE(decompressBlock(cutItem.data(), cutItem.size(), out, produced));
    // A block of length 0 has no flag.
    EXPECT_EQ(decodeError(fileOf(0, {{}})), DecodeError::SizeMismatch);
}

TEST(TallyCodec, RandomDamageNeverDecodesWrongly) {
    const std::string text = tallyText(300);
    const Bytes good = encodeTallyFile(text);
    std::mt19937 rng(11);
    int refused = 0;
    for (int round = 0; round < 3000; ++round) {
        Bytes bad = good;
        // A third of the rounds damage the stored text length, a third the block's length, the
        // rest any byte after the signature.
        const std::size_t at = round % 3 == 0   ? 4 + rng() % 4
                               : round % 3 == 1 ? 8 + rng() % 2
                                                : 4 + rng() % (bad.size() - 4);
        bad[at] ^= static_cast<std::uint8_t>(1 + rng() % 255);
        const DecodeResult result = decodeTallyFile(bad.data(), bad.size());
        if (at < 10) {
            // Lengths are checked against what the blocks hold: never accepted when changed.
            EXPECT_FALSE(result.ok()) << "byte " << at;
        } else if (result.ok()) {
            // The format has no checksum, so a changed literal decodes to other text of the
            // stored length; anything else the decoder accepts must be that length exactly.
            EXPECT_EQ(result.text.size(), text.size()) << "byte " << at;
        }
        if (!result.ok()) {
            EXPECT_TRUE(result.text.empty());
            ++refused;
        }
    }
    // The length rounds, and many others.
    EXPECT_GT(refused, 2000);
}

TEST(TallyCodec, HostileTextsAreRefusedBeforeTheTableReadsThem) {
    EXPECT_EQ(checkTallyText(tallyText(0)), DecodeError::None);
    EXPECT_EQ(checkTallyText(tallyText(300)), DecodeError::None);
    // Missing cells at the end read as empty.
    EXPECT_EQ(checkTallyText("9\r\n2\r\n0\r\nBob\r\n"), DecodeError::None);
    // Columns beyond any table, or no plain number.
    EXPECT_EQ(checkTallyText("9223372036854775807\r\n1\r\n0\r\n"), DecodeError::BadTable);
    EXPECT_EQ(checkTallyText("17\r\n1\r\n0\r\n"), DecodeError::BadTable);
    EXPECT_EQ(checkTallyText("0\r\n1\r\n0\r\n"), DecodeError::BadTable);
    EXPECT_EQ(checkTallyText("-9\r\n1\r\n0\r\n"), DecodeError::BadTable);
    EXPECT_EQ(checkTallyText("9x\r\n1\r\n0\r\n"), DecodeError::BadTable);
    EXPECT_EQ(checkTallyText("9\r\n"), DecodeError::BadTable);
    EXPECT_EQ(checkTallyText(""), DecodeError::BadTable);
    // More players than the list holds, and more rows than the text has lines (which would
    // shift every cell into another row).
    std::string many = "9\r\n100001\r\n";
    for (int r = 0; r < 100001; ++r)
        many += "x\r\n";
    EXPECT_EQ(checkTallyText(many), DecodeError::BadTable);
    EXPECT_EQ(checkTallyText("9\r\n4\r\n0\r\nBob\r\n"), DecodeError::BadTable);
    // Line feeds far beyond the cells announced.
    EXPECT_EQ(checkTallyText("9\r\n1\r\n" + std::string(1 << 20, '\n')), DecodeError::BadTable);
    EXPECT_EQ(checkTallyText(tallyText(2) + "extra\r\n"), DecodeError::BadTable);
    // A text longer than any tally is refused by its announced length, before decoding.
    Bytes huge = encodeTallyFile("9\r\n1\r\n");
    const std::uint32_t tooLong = static_cast<std::uint32_t>(kMaxTextSize) + 1;
    for (int k = 0; k < 4; ++k)
        huge[4 + static_cast<std::size_t>(k)] = static_cast<std::uint8_t>(tooLong >> (8 * k));
    EXPECT_EQ(decodeError(huge), DecodeError::SizeMismatch);
    EXPECT_EQ(decodeErrorText(DecodeError::BadTable, "t.tld"),
              "t.tld : this file does not hold a tally that can be read.");
}

}  // namespace
}  // namespace hexaline::tally
