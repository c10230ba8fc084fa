// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer entry: any bytes as a web server's answer, fed in pieces whose sizes come from the
// first byte. The body reported never exceeds a Content-Length or the size bound, only a
// success's body is passed on, and counts add up.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "windows/lobby/http_response.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using hexaline::lobby::HttpResponseReader;
    if (size == 0)
        return 0;
    const std::size_t piece = 1 + data[0] % 64;
    ++data;
    --size;
    std::uint64_t seen = 0;
    HttpResponseReader::Events events;
    constexpr std::uint64_t kBound = 4096;
    const HttpResponseReader* watched = nullptr;
    events.body = [&seen, &watched](const char*, std::size_t n, std::uint64_t total) {
        seen += n;
        if (seen != total || total > kBound || (watched != nullptr && !watched->success()))
            std::abort();
    };
    HttpResponseReader reader(events, kBound);
    watched = &reader;
    for (std::size_t at = 0; at < size; at += piece) {
        const std::size_t n = size - at < piece ? size - at : piece;
        if (!reader.feed(reinterpret_cast<const char*>(data + at), n))
            break;
    }
    if (reader.contentLength() && reader.bodyBytes() > *reader.contentLength())
        std::abort();
    if (reader.bodyBytes() > kBound)
        std::abort();
    (void)reader.complete();
    return 0;
}
