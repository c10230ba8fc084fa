// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Building a message from its fields, checked against the message table.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "protocol/message_table.h"

namespace hexaline::protocol {

// A field value: a number or a text.
class Value {
  public:
    Value(int number) : text_(std::to_string(number)), isNumber_(true) {}
    Value(std::int64_t number) : text_(std::to_string(number)), isNumber_(true) {}
    Value(std::string_view text) : text_(text) {}
    Value(const std::string& text) : text_(text) {}
    Value(const char* text) : text_(text) {}

    const std::string& text() const { return text_; }
    bool isNumber() const { return isNumber_; }

  private:
    std::string text_;
    bool isNumber_ = false;
};

using Values = std::vector<Value>;

// A message that does not fit its layout: a programming error on the sending side.
class BuildError : public std::logic_error {
  public:
    using std::logic_error::logic_error;
};

// The whole message on the wire, terminator included.
// `head` holds the fixed fields, `groups` the list entries of a list message.
std::string build(Msg id, const Values& head = {}, const std::vector<Values>& groups = {});

}  // namespace hexaline::protocol
