// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading the fields of a received message, front to back.

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "protocol/message_table.h"

namespace hexaline::protocol {

// A field that should be a number and is not, or a field that is missing.
// The dispatcher catches it: the handling of that message stops there.
class FieldError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Takes fields off the front of a message's argument text (everything after the command
// word's "+"). A list message gets the marker "+@" appended, so that the list ends when the
// remaining text is exactly "@".
class Reader {
  public:
    Reader(Msg id, std::string_view args);

    // The text up to the next "+", removed with that "+"; the whole remaining text when no
    // "+" is left. Reading past the end of a list throws FieldError.
    std::string text();
    // `text()` read as a decimal 32-bit integer; throws FieldError when it is not one.
    std::int32_t number();
    // All remaining text (without the list marker of a list message).
    std::string rest();
    // A list message has no further entry.
    bool atListEnd() const;
    std::string_view remaining() const { return std::string_view(buffer_).substr(pos_); }

  private:
    Msg id_;
    std::string buffer_;
    std::size_t pos_ = 0;
    bool list_ = false;
};

// A strict decimal integer in 32 bits: an optional "-" and digits, nothing else.
std::optional<std::int32_t> parseNumber(std::string_view text);

// Splits a queued message into its command word and argument text. A message without "+"
// has no command word and is not dispatched (nullopt).
struct Command {
    std::string_view word;
    std::string_view args;
};
std::optional<Command> splitCommand(std::string_view message);

// Every field of a message, by its layout: for tests, logs and tools.
struct Decoded {
    std::vector<std::string> head;
    std::vector<std::vector<std::string>> groups;
};
Decoded decode(Msg id, std::string_view args);

}  // namespace hexaline::protocol
