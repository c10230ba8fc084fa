// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Chat, phrases and sounds put together on the table panel: the chat area, the phrase row with
// the chatter-sound menu and the sound service. It shows the chat lines and relays of the
// client's model and the user's preferences, and sends through the client.

#include <QObject>
#include <QString>
#include <cstdint>
#include <memory>

#include "chat/chat_hooks.h"
#include "chat/flood_guard.h"
#include "chat/sound_service.h"
#include "text/settings/preference_store.h"

namespace hexaline::client {
class ClientCore;
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
    // `window` is the parent of the phrase editor. The chat shows the text colour, the text size
    // and the sound switches of `prefs`. Sounds go to `sounds` when given, else to a service of
    // the chat's own.
    Chat(table::TablePanel& panel, QWidget* window, client::ClientCore& core,
         settings::PreferenceStore& prefs, std::unique_ptr<SoundService> sounds = nullptr,
         FloodGuard::Clock clock = {}, QObject* parent = nullptr);
    ~Chat() override;

    // Replace hooks here; the defaults come from defaultChatHooks().
    ChatHooks hooks;

    ChatArea& area() { return *area_; }
    PhraseButtons& phrases() { return *phrases_; }
    SoundService& sounds() { return *sounds_; }

    bool addlinetochat(const QString& line, std::uint32_t colour);
    // A game-event sound, when "Play Sounds" is on.
    void playsounds(const QString& name);
    // A chatter sound a seat sent.
    void playasound(int seat, const QString& name);

  private:
    client::ClientCore& core_;
    settings::PreferenceStore& prefs_;
    std::unique_ptr<SoundService> sounds_;
    ChatArea* area_;
    PhraseButtons* phrases_;
};

}  // namespace hexaline::chat
