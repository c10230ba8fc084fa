// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads an HTTP/1.0 response as it arrives: the status line and header lines, then the body.
// Standard library only, so that it can be fed any bytes at all. Lines end in CR LF (a bare LF
// is taken too); the header ends at the first empty line. Only the body of a success (a status
// of 200 to 299) is passed on: an error page never reaches the file. A body over the bound
// (announced or arriving) makes the response malformed.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace hexaline::lobby {

class HttpResponseReader {
  public:
    static constexpr std::size_t kMaxLineLength = 8192;
    static constexpr int kMaxHeaderLines = 100;
    // The largest body taken unless set otherwise.
    static constexpr std::uint64_t kMaxBodyBytes = std::uint64_t{512} << 20;

    struct Events {
        std::function<void(std::string_view line)> headerLine;  // the status line included
        std::function<void()> bodyStarted;
        // A piece of the body and the running count of body bytes.
        std::function<void(const char* data, std::size_t size, std::uint64_t total)> body;
    };

    explicit HttpResponseReader(Events events, std::uint64_t maxBodyBytes = kMaxBodyBytes)
        : events_(std::move(events)), maxBodyBytes_(maxBodyBytes) {}

    // Takes the next bytes; false once the response is malformed (nothing more is read then).
    // Bytes beyond a Content-Length are dropped.
    bool feed(const char* data, std::size_t size);

    // Whether the response is whole once the connection has ended: the header complete, a
    // status of 200 to 299, and every byte that a Content-Length promised.
    bool complete() const;

    bool failed() const { return state_ == State::Failed; }
    // Failed because the body is, or would be, over the bound.
    bool tooLarge() const { return tooLarge_; }
    bool success() const { return status_ >= 200 && status_ <= 299; }
    bool inBody() const { return state_ == State::Body; }
    int status() const { return status_; }
    std::optional<std::uint64_t> contentLength() const { return contentLength_; }
    std::uint64_t bodyBytes() const { return bodyBytes_; }
    const std::string& error() const { return error_; }

  private:
    enum class State { StatusLine, Headers, Body, Failed };

    bool fail(std::string why);
    bool takeLine(std::string_view line);
    bool readStatusLine(std::string_view line);
    bool readHeader(std::string_view line);
    bool takeBody(const char* data, std::size_t size);

    Events events_;
    State state_ = State::StatusLine;
    std::string line_;
    int headerLines_ = 0;
    int status_ = 0;
    std::optional<std::uint64_t> contentLength_;
    std::uint64_t bodyBytes_ = 0;
    std::uint64_t maxBodyBytes_;
    bool tooLarge_ = false;
    std::string error_;
};

}  // namespace hexaline::lobby
