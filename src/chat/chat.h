// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Chat, phrases and sounds put together on the table panel: the chat area, the phrase row with
// the chatter-sound menu, the sound service, and the handlers of the relayed chat, action and
// chatter-sound messages.

#include <QObject>
#include <QString>
#include <cstdint>
#include <memory>

#include "chat/chat_hooks.h"
#include "chat/flood_guard.h"
#include "chat/sound_service.h"

namespace hexaline::protocol {
class Dispatcher;
}
namespace hexaline::table {
class TablePanel;
}

namespace hexaline::chat {

class ChatArea;
class PhraseButtons;

class Chat : public QObject {
    Q_OBJECT
  public:
    // `window` is the parent of the phrase editor. Sounds go to `sounds` when given, else to a
    // service of the chat's own.
    Chat(table::TablePanel& panel, QWidget* window, std::unique_ptr<SoundService> sounds = nullptr,
         FloodGuard::Clock clock = {}, QObject* parent = nullptr);
    ~Chat() override;

    // Replace hooks here; the defaults come from defaultChatHooks().
    ChatHooks hooks;

    ChatArea& area() { return *area_; }
    PhraseButtons& phrases() { return *phrases_; }
    SoundService& sounds() { return *sounds_; }

    // CMD_chat, CMD_action and CMD_playasound from the host.
    void install(protocol::Dispatcher& dispatcher);

    bool addlinetochat(const QString& line, std::uint32_t colour);
    // A game-event sound, when "Play Sounds" is checked.
    void playsounds(const QString& name);
    // A relayed chatter sound: the seat, "+", the sound's name and "+".
    void playasound(const QString& data);

  private:
    std::unique_ptr<SoundService> sounds_;
    ChatArea* area_;
    PhraseButtons* phrases_;
};

}  // namespace hexaline::chat
