// SPDX-License-Identifier: GPL-3.0-or-later
#include "protocol/dispatcher.h"

namespace hexaline::protocol {

void Dispatcher::on(Msg id, Handler handler) {
    handlers_[static_cast<std::size_t>(id)] = std::move(handler);
}

Dispatcher::Result Dispatcher::dispatch(std::string_view message, Origin from) const {
    Result result;
    const auto command = splitCommand(message);
    if (!command)
        return result;
    result.word = std::string(command->word.substr(0, 64));
    const auto id = lookup(incoming_, command->word);
    if (!id)
        return result;
    const Handler& handler = handlers_[static_cast<std::size_t>(*id)];
    if (!handler)
        return result;
    Reader fields(*id, command->args);
    try {
        handler(fields, from);
        result.outcome = Outcome::Handled;
    } catch (const FieldError& e) {
        result.outcome = Outcome::Failed;
        result.reason = e.what();
    } catch (const std::exception& e) {
        // Whatever a peer sends, one message must never take the program down.
        result.outcome = Outcome::Failed;
        result.reason = std::string("handler failed: ") + e.what();
    }
    return result;
}

}  // namespace hexaline::protocol
