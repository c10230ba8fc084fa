// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer entry: any bytes as a web server's answer, fed in pieces whose sizes come from the
// first byte. The body reported never exceeds a Content-Length, and counts add up.
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
    events.body = [&seen](const char*, std::size_t n, std::uint64_t total) {
        seen += n;
        if (seen != total)
            std::abort();
    };
    HttpResponseReader reader(events);
    for (std::size_t at = 0; at < size; at += piece) {
        const std::size_t n = size - at < piece ? size - at : piece;
        if (!reader.feed(reinterpret_cast<const char*>(data + at), n))
            break;
    }
    if (reader.contentLength() && reader.bodyBytes() > *reader.contentLength())
        std::abort();
    (void)reader.complete();
    return 0;
}
