// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The chat log with its input: showing lines (`addlinetochat`, `chatrecieved`), sending the
// input (`sendit`), the smiley button and menu, the input's Paste, the log's menu, the chosen
// text colour and the text size.

#include <QObject>
#include <QString>
#include <cstdint>

#include "chat/chat_hooks.h"
#include "client/chat_link.h"

class QLineEdit;
class QMenu;
class QAction;
class QPushButton;
class QTextBrowser;

namespace hexaline::chat {

class ChatLog;

inline const QString kPlaceholder = QStringLiteral("<Enter Chat Here>");

class ChatArea : public QObject {
    Q_OBJECT
  public:
    // Takes the place of `standIn` (same parent and geometry), which is deleted, and gives the
    // input and the smiley button their behaviour.
    ChatArea(QTextBrowser* standIn, QLineEdit* input, QPushButton* smileyButton,
             client::ChatLink& link, const ChatHooks& hooks, QObject* parent = nullptr);

    // Shows one line "n+body" in `colour`. A line without a seat 0..9 before its first "+" is
    // logged and dropped; false then.
    bool addlinetochat(const QString& line, std::uint32_t colour);
    // A relayed chat or action line: the seat, "+", the text, "|" and the colour text.
    void chatrecieved(const QString& data);
    void sendit();

    // The chosen text colour, as a colour value and as colour text.
    std::uint32_t chosenColour() const { return chosenColour_; }
    QString chosenColourText() const;
    // Sets the chosen colour from colour text; text that cannot be read gives black.
    void setChosenColourText(const QString& text);

    void TextColor1Click();
    void setTextSize(int size);       // from the next line or clear
    void applyTextSizeNow(int size);  // the settings load
    void ClearMainChat1Click();
    void setScrollLock(bool on);
    void Paste1Click();
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
    const ChatHooks& hooks_;
    std::uint32_t chosenColour_ = 0;
};

}  // namespace hexaline::chat
