// SPDX-License-Identifier: GPL-3.0-or-later
#include "chat/chat.h"

#include <QLabel>

#include "chat/chat_area.h"
#include "chat/chat_log.h"
#include "chat/colour_text.h"
#include "chat/phrase_buttons.h"
#include "chat/sound_service.h"
#include "client/client_core.h"
#include "table/table_panel.h"
#include "table/wire_text.h"

namespace hexaline::chat {

Chat::Chat(table::TablePanel& panel, QWidget* window, client::ClientCore& core,
           settings::PreferenceStore& prefs, std::unique_ptr<SoundService> sounds,
           FloodGuard::Clock clock, QObject* parent)
    : QObject(parent),
      hooks(defaultChatHooks()),
      core_(core),
      prefs_(prefs),
      sounds_(sounds ? std::move(sounds) : std::make_unique<SoundService>()) {
    area_ = new ChatArea(panel.mainchat, panel.mychat, panel.button_smilies, core.chat(), prefs,
                         hooks, this);
    panel.mainchat = area_->mainchat;
    std::array<QPushButton*, PhraseButtons::kButtons> buttons{};
    for (int k = 1; k <= PhraseButtons::kButtons; ++k)
        buttons[static_cast<std::size_t>(k - 1)] = panel.phrase(k);
    phrases_ =
        new PhraseButtons(buttons, window, core.chat(), prefs, hooks, std::move(clock), this);
    connect(&panel, &table::TablePanel::phraseClicked, phrases_, &PhraseButtons::sayPhrase);

    const client::GameModel& model = core.model();
    connect(&model, &client::GameModel::chatReceived, this,
            [this](const std::string& data) { area_->chatrecieved(table::fromWire(data)); });
    connect(&model, &client::GameModel::soundRelayed, this,
            [this](int seat, const std::string& name) { playasound(seat, table::fromWire(name)); });
}

Chat::~Chat() = default;

bool Chat::addlinetochat(const QString& line, std::uint32_t colour) {
    return area_->addlinetochat(line, colour);
}

void Chat::playsounds(const QString& name) {
    if (prefs_.playSounds())
        sounds_->play(name);
}

void Chat::playasound(int seat, const QString& name) {
    if (prefs_.playerPhraseSounds()) {
        sounds_->play(name);
        return;
    }
    const QString caption = chatterCaption(chatterNumber(name));
    if (!protocol::isPlayerSeat(seat) || caption.isEmpty())
        return;
    const QString speaker = table::fromWire(core_.model().playerName(seat));
    addlinetochat(QStringLiteral("0+") + speaker + QStringLiteral(": <Chatter Sound> ") + caption,
                  kBlue);
}

}  // namespace hexaline::chat
