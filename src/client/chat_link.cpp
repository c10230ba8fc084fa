// SPDX-License-Identifier: GPL-3.0-or-later
#include "client/chat_link.h"

#include "protocol/builder.h"

namespace hexaline::client {

using protocol::Msg;

void ChatLink::install(protocol::Dispatcher& dispatcher) {
    auto relay = [this](protocol::Reader& fields, protocol::Origin) {
        model_.chatRelayed(std::string(fields.remaining()));
    };
    dispatcher.on(Msg::ChatRelay, relay);
    dispatcher.on(Msg::ActionRelay, relay);
    // The seat, "+", the sound's name and "+".
    dispatcher.on(Msg::SoundRelay, [this](protocol::Reader& fields, protocol::Origin) {
        const std::string data(fields.remaining());
        const std::size_t plus = data.find('+');
        if (plus == std::string::npos)
            return;
        const std::size_t end = data.find('+', plus + 1);
        const std::string name =
            data.substr(plus + 1, end == std::string::npos ? end : end - plus - 1);
        model_.soundRelayedBy(protocol::parseNumber(data.substr(0, plus)).value_or(0), name);
    });
}

bool ChatLink::sendChat(const std::string& text, const std::string& colour) {
    if (!model_.isconnected())
        return false;
    const int seat = model_.myseat();
    if (!text.empty() && text.front() != '/') {
        services_.send(protocol::build(Msg::Chat, {seat, text + "|" + colour}));
    } else if (text.starts_with("/me")) {
        const std::string action = text.substr(std::min<std::size_t>(4, text.size()));
        services_.send(protocol::build(Msg::Action, {seat, action + "|" + colour}));
    }
    return true;
}

void ChatLink::sendAction(const std::string& text, const std::string& colour) {
    services_.send(protocol::build(Msg::Action, {model_.myseat(), text + "|" + colour}));
}

void ChatLink::sendChatter(int tag) {
    if (model_.isconnected())
        services_.send(
            protocol::build(Msg::Sound, {model_.myseat(), "wave" + std::to_string(tag)}));
}

}  // namespace hexaline::client
