// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the tally file's codec on 1 MiB of text shaped like a tally and on 1 MiB of random
// bytes (all stored blocks). Report the median: --benchmark_repetitions=9
// --benchmark_report_aggregates_only=true.
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "windows/tally/tally_codec.h"

namespace {

constexpr std::size_t kSize = std::size_t{1} << 20;

// Cells as the tally writes them: "9", the row count, the names, then the counts, column by
// column, each ended by CR LF.
std::string tallyLikeText() {
    std::mt19937 rng(1);
    const int rows = 12000;
    std::string text = "9\r\n" + std::to_string(rows) + "\r\n0\r\n";
    const char* syllables[] = {"ka", "ro", "vin", "el", "ta", "mo", "zu", "ri", "an", "ox"};
    for (int r = 1; r < rows; ++r) {
        std::string name;
        for (int s = 0, n = 2 + static_cast<int>(rng() % 3); s < n; ++s)
            name += syllables[rng() % 10];
        name[0] = static_cast<char>(name[0] - 32);
        text += name + std::to_string(rng() % 100) + "\r\n";
    }
    while (text.size() < kSize)
        text += std::to_string(rng() % (rng() % 4 == 0 ? 400 : 12)) + "\r\n";
    text.resize(kSize);
    return text;
}

std::string randomBytes() {
    std::mt19937 rng(2);
    std::string text(kSize, '\0');
    for (char& c : text)
        c = static_cast<char>(rng());
    return text;
}

void compressText(benchmark::State& state, const std::string& text) {
    std::size_t written = 0;
    for (auto _ : state) {
        const auto file = hexaline::tally::encodeTallyFile(text);
        written = file.size();
        benchmark::DoNotOptimize(file.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
    state.counters["ratio"] = static_cast<double>(written) / static_cast<double>(text.size());
}

void decompressText(benchmark::State& state, const std::string& text) {
    const auto file = hexaline::tally::encodeTallyFile(text);
    for (auto _ : state) {
        const auto back = hexaline::tally::decodeTallyFile(file.data(), file.size());
        if (!back.ok() || back.text.size() != text.size())
            state.SkipWithError("decode failed");
        benchmark::DoNotOptimize(back.text.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

void BM_CompressTally(benchmark::State& state) {
    static const std::string text = tallyLikeText();
    compressText(state, text);
}
void BM_DecompressTally(benchmark::State& state) {
    static const std::string text = tallyLikeText();
    decompressText(state, text);
}
void BM_CompressRandom(benchmark::State& state) {
    static const std::string text = randomBytes();
    compressText(state, text);
}
void BM_DecompressRandom(benchmark::State& state) {
    static const std::string text = randomBytes();
    decompressText(state, text);
}

BENCHMARK(BM_CompressTally)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecompressTally)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CompressRandom)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecompressRandom)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
