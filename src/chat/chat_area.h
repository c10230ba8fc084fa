// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The chat log with its input: showing lines (`addlinetochat`, `chatrecieved`), sending the
// input (`sendit`), the smiley button and menu, the input's Paste, the log's menu. It shows the
// text colour and text size of the preferences.

#include <QObject>
#include <QString>
#include <cstdint>

#include "chat/chat_hooks.h"
#include "client/chat_link.h"
#include "text/settings/preference_store.h"

class QLineEdit;
class QMenu;
class QAction;
class QPushButton;
class QTextBrowser;

namespace hexaline::chat {

class ChatLog;

inline const QString kPlaceholder = QStringLiteral("<Enter Chat Here>");

// Colour text as this program writes it: text that cannot be read gives black.
QString writtenColourText(const QString& text);
// The colour text every sent line carries: the chosen colour's, as written.
inline QString chosenColourText(const settings::PreferenceStore& prefs) {
    return writtenColourText(prefs.textColor());
}

class ChatArea : public QObject {
    Q_OBJECT
  public:
    // Takes the place of `standIn` (same parent and geometry), which is deleted, and gives the
    // input and the smiley button their behaviour.
    ChatArea(QTextBrowser* standIn, QLineEdit* input, QPushButton* smileyButton,
             client::ChatLink& link, settings::PreferenceStore& prefs, const ChatHooks& hooks,
             QObject* parent = nullptr);

    // Shows one line "n+body" in `colour`. A line without a seat 0..9 before its first "+" is
    // logged and dropped; false then.
    bool addlinetochat(const QString& line, std::uint32_t colour);
    // A relayed chat or action line: the seat, "+", the text, "|" and the colour text.
    void chatrecieved(const QString& data);
    void sendit();

    // The chosen text colour, as a colour value and as colour text.
    std::uint32_t chosenColour() const;
    QString chosenColourText() const { return chat::chosenColourText(prefs_); }
    // The user chose a colour by its colour text; text that cannot be read gives black.
    void setChosenColourText(const QString& text);

    // Options > "Text Color": the colour dialog, and the chosen colour into the preferences.
    void chooseTextColour();
    void setTextSize(int size);       // from the next line or clear
    void applyTextSizeNow(int size);  // the settings load
    void clearChat();
    void setScrollLock(bool on);
    void pasteIntoInput();
    void smileyChosen(int code);
    void followLink(const QString& target);

    ChatLog* mainchat;
    QLineEdit* mychat;
    QPushButton* button_smilies;
    QMenu* popup_smilies;
    QMenu* popup_mychat;
    QAction* Paste1;

  signals:
    void scrollLockToggled(bool on);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildSmileyMenu();
    void showInputColour();

    client::ChatLink& link_;
    settings::PreferenceStore& prefs_;
    const ChatHooks& hooks_;
};

}  // namespace hexaline::chat
