// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The row of phrase buttons: b_phrase1..b_phrase9 send their phrase as an action line (one per
// two seconds), b_phrase10 opens the chatter-sound menu. View > "Phrase List" opens the editor.

#include <QObject>
#include <QString>
#include <array>

#include "chat/chat_hooks.h"
#include "chat/flood_guard.h"
#include "client/chat_link.h"
#include "text/settings/preference_store.h"

class QMenu;
class QPushButton;
class QWidget;

namespace hexaline::chat {

class PhraseEditor;

// The caption of chatter sound 1..20; empty for any other number.
QString chatterCaption(int number);
// The number of a chatter sound's name "wave1".."wave20" (letter case ignored); 0 otherwise.
int chatterNumber(const QString& name);

class PhraseButtons : public QObject {
    Q_OBJECT
  public:
    static constexpr int kButtons = 10;
    static constexpr int kChatterSounds = 20;

    // `buttons` are b_phrase1..b_phrase10 in order; `window` is the editor's parent.
    // Phrases go out in the text colour of `prefs`.
    PhraseButtons(const std::array<QPushButton*, kButtons>& buttons, QWidget* window,
                  client::ChatLink& link, const settings::PreferenceStore& prefs,
                  const ChatHooks& hooks, FloodGuard::Clock clock = {}, QObject* parent = nullptr);

    QString phrase(int k) const;  // k = 1..9
    void setPhrase(int k, const QString& text);

    // Button k (1..10) released: a phrase, or the chatter-sound menu for 10.
    void sayPhrase(int k);
    // An entry of the chatter-sound menu: 0 "<Cancel>", 1..20 a sound.
    void sendChatterSound(int tag);
    // View > "Phrase List" opens the editor; its "Done" keeps and saves the phrases.
    void openPhraseList();
    void savePhrases();

    QMenu* popup_sounds;
    PhraseEditor* phrases;

  private:
    void buildSoundMenu();

    std::array<QPushButton*, kButtons> buttons_;
    QWidget* window_;
    client::ChatLink& link_;
    const settings::PreferenceStore& prefs_;
    const ChatHooks& hooks_;
    FloodGuard guard_;
};

}  // namespace hexaline::chat
