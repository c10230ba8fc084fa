// SPDX-License-Identifier: GPL-3.0-or-later
#include "chat/chat.h"

#include <QLabel>

#include "chat/chat_area.h"
#include "chat/chat_log.h"
#include "chat/colour_text.h"
#include "chat/phrase_buttons.h"
#include "chat/sound_service.h"
#include "protocol/dispatcher.h"
#include "table/message_fields.h"
#include "table/table_panel.h"

namespace hexaline::chat {

Chat::Chat(table::TablePanel& panel, QWidget* window, std::unique_ptr<SoundService> sounds,
           FloodGuard::Clock clock, QObject* parent)
    : QObject(parent),
      hooks(defaultChatHooks()),
      sounds_(sounds ? std::move(sounds) : std::make_unique<SoundService>()) {
    area_ = new ChatArea(panel.mainchat, panel.mychat, panel.button_smilies, hooks, this);
    panel.mainchat = area_->mainchat;
    hooks.chosenColourText = [this] { return area_->chosenColourText(); };
    std::array<QPushButton*, PhraseButtons::kButtons> buttons{};
    for (int k = 1; k <= PhraseButtons::kButtons; ++k)
        buttons[static_cast<std::size_t>(k - 1)] = panel.phrase(k);
    phrases_ = new PhraseButtons(buttons, window, hooks, std::move(clock), this);
    connect(&panel, &table::TablePanel::phraseClicked, phrases_, &PhraseButtons::b_phraseClick);
}

Chat::~Chat() = default;

void Chat::install(protocol::Dispatcher& dispatcher) {
    using protocol::Msg;
    auto relay = [this](protocol::Reader& fields, protocol::Origin) {
        area_->chatrecieved(table::fromWire(fields.remaining()));
    };
    dispatcher.on(Msg::ChatRelay, relay);
    dispatcher.on(Msg::ActionRelay, relay);
    dispatcher.on(Msg::SoundRelay, [this](protocol::Reader& fields, protocol::Origin) {
        playasound(table::fromWire(fields.remaining()));
    });
}

bool Chat::addlinetochat(const QString& line, std::uint32_t colour) {
    return area_->addlinetochat(line, colour);
}

void Chat::playsounds(const QString& name) {
    if (hooks.playSoundsChecked())
        sounds_->play(name);
}

void Chat::playasound(const QString& data) {
    const QStringList fields = data.split(QLatin1Char('+'));
    if (fields.size() < 2)
        return;
    const QString name = fields[1];
    if (hooks.playerPhraseSoundsChecked()) {
        sounds_->play(name);
        return;
    }
    bool ok = false;
    const int seat = fields[0].toInt(&ok);
    const QString caption = chatterCaption(chatterNumber(name));
    const std::optional<QString> speaker = ok ? hooks.playername(seat) : std::nullopt;
    if (!speaker || caption.isEmpty())
        return;
    addlinetochat(QStringLiteral("0+") + *speaker + QStringLiteral(": <Chatter Sound> ") + caption,
                  kBlue);
}

}  // namespace hexaline::chat
