// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Handing a received message to the handler of its command word.

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "protocol/message_table.h"
#include "protocol/reader.h"

namespace hexaline::protocol {

// Which connection a queued message came from (0 where a side has only one).
using Origin = int;

class Dispatcher {
  public:
    using Handler = std::function<void(Reader& fields, Origin from)>;

    // What happened to one message.
    enum class Outcome { Handled, Ignored, Failed };
    struct Result {
        Outcome outcome = Outcome::Ignored;
        std::string word;    // the command word, when there was one
        std::string reason;  // why it failed
    };

    explicit Dispatcher(Direction incoming) : incoming_(incoming) {}

    // Installs the handler of one message of this side's catalogue.
    void on(Msg id, Handler handler);

    // Exact, case-sensitive match of the command word. A message without a command word, or
    // with a word this side does not handle, is ignored. A FieldError (or any other exception)
    // thrown by the handler stops that message's handling and is reported as Failed.
    Result dispatch(std::string_view message, Origin from = 0) const;

  private:
    Direction incoming_;
    std::array<Handler, kMessageCount> handlers_{};
};

}  // namespace hexaline::protocol
