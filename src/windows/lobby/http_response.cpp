// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/lobby/http_response.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace hexaline::lobby {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view trim(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

}  // namespace

bool HttpResponseReader::fail(std::string why) {
    state_ = State::Failed;
    error_ = std::move(why);
    return false;
}

bool HttpResponseReader::feed(const char* data, std::size_t size) {
    std::size_t at = 0;
    while (at < size) {
        if (state_ == State::Failed)
            return false;
        if (state_ == State::Body)
            return takeBody(data + at, size - at);
        const char* end = static_cast<const char*>(std::memchr(data + at, '\n', size - at));
        const std::size_t take =
            end != nullptr ? static_cast<std::size_t>(end - (data + at)) : size - at;
        if (line_.size() + take > kMaxLineLength)
            return fail("header line too long");
        line_.append(data + at, take);
        at += take;
        if (end == nullptr)
            break;
        ++at;  // the LF
        std::string line;
        line.swap(line_);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!takeLine(line))
            return false;
    }
    return state_ != State::Failed;
}

bool HttpResponseReader::takeLine(std::string_view line) {
    if (state_ == State::StatusLine)
        return readStatusLine(line);
    if (line.empty()) {
        if (success() && contentLength_ && *contentLength_ > maxBodyBytes_) {
            tooLarge_ = true;
            return fail("body too large");
        }
        state_ = State::Body;
        if (events_.bodyStarted)
            events_.bodyStarted();
        return true;
    }
    return readHeader(line);
}

bool HttpResponseReader::readStatusLine(std::string_view line) {
    // "HTTP/" digits "." digits, a space, three digits, then the reason.
    if (line.substr(0, 5) != "HTTP/")
        return fail("not an HTTP response");
    std::size_t at = 5;
    const auto digits = [&] {
        const std::size_t from = at;
        while (at < line.size() && isDigit(line[at]))
            ++at;
        return at > from;
    };
    if (!digits() || at >= line.size() || line[at++] != '.' || !digits())
        return fail("bad status line");
    if (at + 4 > line.size() || line[at] != ' ' || !isDigit(line[at + 1]) ||
        !isDigit(line[at + 2]) || !isDigit(line[at + 3]) ||
        (at + 4 < line.size() && line[at + 4] != ' '))
        return fail("bad status line");
    status_ = (line[at + 1] - '0') * 100 + (line[at + 2] - '0') * 10 + (line[at + 3] - '0');
    if (events_.headerLine)
        events_.headerLine(line);
    state_ = State::Headers;
    return true;
}

bool HttpResponseReader::readHeader(std::string_view line) {
    if (++headerLines_ > kMaxHeaderLines)
        return fail("too many header lines");
    if (events_.headerLine)
        events_.headerLine(line);
    const std::size_t colon = line.find(':');
    if (colon == std::string_view::npos)
        return true;  // not a field: reported, otherwise ignored
    if (!equalsIgnoringCase(trim(line.substr(0, colon)), "content-length"))
        return true;
    const std::string_view value = trim(line.substr(colon + 1));
    if (value.empty() || value.size() > 15 || !std::all_of(value.begin(), value.end(), isDigit))
        return fail("bad Content-Length");
    std::uint64_t length = 0;
    for (char c : value)
        length = length * 10 + static_cast<std::uint64_t>(c - '0');
    if (contentLength_ && *contentLength_ != length)
        return fail("conflicting Content-Length");
    contentLength_ = length;
    return true;
}

bool HttpResponseReader::takeBody(const char* data, std::size_t size) {
    if (contentLength_)
        size =
            static_cast<std::size_t>(std::min<std::uint64_t>(size, *contentLength_ - bodyBytes_));
    if (size == 0)
        return true;
    if (size > maxBodyBytes_ - bodyBytes_) {
        tooLarge_ = true;
        return fail("body too large");
    }
    bodyBytes_ += size;
    // An error page is counted, never passed on as the document.
    if (events_.body && success())
        events_.body(data, size, bodyBytes_);
    return true;
}

bool HttpResponseReader::complete() const {
    if (state_ != State::Body || status_ < 200 || status_ > 299)
        return false;
    return !contentLength_ || bodyBytes_ == *contentLength_;
}

}  // namespace hexaline::lobby
