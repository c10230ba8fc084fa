// SPDX-License-Identifier: GPL-3.0-or-later
#include "chat/chat_area.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTextBrowser>

#include "chat/chat_art.h"
#include "chat/chat_line.h"
#include "chat/chat_log.h"
#include "chat/colour_text.h"
#include "table/wire_text.h"

namespace hexaline::chat {

QString writtenColourText(const QString& text) {
    const std::uint32_t colour = readColourText(text.toStdString()).value_or(kBlack);
    return QString::fromStdString(colourText(colour));
}

ChatArea::ChatArea(QTextBrowser* standIn, QLineEdit* input, QPushButton* smileyButton,
                   client::ChatLink& link, settings::PreferenceStore& prefs, const ChatHooks& hooks,
                   QObject* parent)
    : QObject(parent),
      mychat(input),
      button_smilies(smileyButton),
      link_(link),
      prefs_(prefs),
      hooks_(hooks) {
    mainchat = new ChatLog(standIn->parentWidget());
    mainchat->setGeometry(standIn->geometry());
    mainchat->setVisible(!standIn->isHidden());
    delete standIn;
    connect(mainchat, &ChatLog::linkClicked, this, &ChatArea::followLink);
    connect(mainchat, &ChatLog::clearRequested, this, &ChatArea::clearChat);
    connect(mainchat, &ChatLog::scrollLockToggled, this, &ChatArea::scrollLockToggled);

    QPalette look = mychat->palette();
    look.setColor(QPalette::Base, QColor(255, 255, 204));
    mychat->setPalette(look);
    mychat->installEventFilter(this);
    mychat->setContextMenuPolicy(Qt::CustomContextMenu);
    popup_mychat = new QMenu(mychat);
    popup_mychat->setObjectName(QStringLiteral("popup_mychat"));
    Paste1 = popup_mychat->addAction(QStringLiteral("Paste"));
    Paste1->setObjectName(QStringLiteral("Paste1"));
    Paste1->setShortcut(QKeySequence(QStringLiteral("Ctrl+V")));
    Paste1->setShortcutContext(Qt::WidgetShortcut);
    connect(Paste1, &QAction::triggered, this, &ChatArea::pasteIntoInput);
    connect(mychat, &QWidget::customContextMenuRequested, this,
            [this](QPoint at) { popup_mychat->exec(mychat->mapToGlobal(at)); });

    button_smilies->setIcon(buttonFaceIcon(0));
    button_smilies->setIconSize(button_smilies->size());
    buildSmileyMenu();
    connect(button_smilies, &QPushButton::clicked, this, [this] {
        popup_smilies->popup(
            button_smilies->mapToGlobal(QPoint(button_smilies->width(), button_smilies->height())));
    });
    // The text size shows from the next line when the user chooses it, at once when loaded.
    mainchat->applyTextSizeNow(prefs_.textSize());
    showInputColour();
    connect(&prefs_, &settings::PreferenceStore::changed, this,
            [this](settings::PreferenceStore::Key key) {
                if (key == settings::PreferenceStore::Key::TextSize)
                    setTextSize(prefs_.textSize());
                if (key == settings::PreferenceStore::Key::TextColor)
                    showInputColour();
            });
    connect(&prefs_, &settings::PreferenceStore::loaded, this, [this] {
        applyTextSizeNow(prefs_.textSize());
        showInputColour();
    });
}

void ChatArea::buildSmileyMenu() {
    popup_smilies = new QMenu(button_smilies);
    popup_smilies->setObjectName(QStringLiteral("popup_smilies"));
    for (int picture = 0; picture < kSmileyCount; ++picture) {
        const int code = picture + 10;
        QAction* entry = popup_smilies->addAction(smileyIcon(picture), smileyCode(picture));
        entry->setObjectName(code == 27 ? QStringLiteral("N271")
                                        : QStringLiteral("MenuItem%1").arg(picture + 1));
        entry->setData(code);
        connect(entry, &QAction::triggered, this, [this, code] { smileyChosen(code); });
    }
}

bool ChatArea::addlinetochat(const QString& line, std::uint32_t colour) {
    const std::optional<ChatLine> parsed = parseChatLine(line);
    if (!parsed) {
        qWarning("A chat line without a seat before its first \"+\" was dropped: %s",
                 qPrintable(line.left(80)));
        return false;
    }
    mainchat->addline(*parsed, colour);
    return true;
}

void ChatArea::chatrecieved(const QString& data) {
    const qsizetype bar = data.indexOf(QLatin1Char('|'));
    std::uint32_t colour = kRed;
    if (bar >= 0) {
        if (const auto read = readColourText(data.mid(bar + 1).toStdString()))
            colour = *read;
    }
    addlinetochat(bar < 0 ? data : data.left(bar), colour);
}

void ChatArea::sendit() {
    if (link_.sendChat(table::toWire(mychat->text()), chosenColourText().toStdString()))
        mychat->clear();
}

std::uint32_t ChatArea::chosenColour() const {
    return readColourText(prefs_.textColor().toStdString()).value_or(kBlack);
}

void ChatArea::setChosenColourText(const QString& text) {
    prefs_.setTextColor(writtenColourText(text));
}

void ChatArea::showInputColour() {
    QPalette look = mychat->palette();
    look.setColor(QPalette::Text, colourOf(chosenColour(), mychat->palette()));
    mychat->setPalette(look);
}

void ChatArea::chooseTextColour() {
    const std::optional<QColor> chosen =
        hooks_.pickColour(colourOf(chosenColour(), mychat->palette()));
    if (!chosen)
        return;
    const std::uint32_t colour = colourValue(chosen->red(), chosen->green(), chosen->blue());
    prefs_.setTextColor(QString::fromStdString(colourText(colour)));
}

void ChatArea::setTextSize(int size) {
    mainchat->setTextSize(size);
}

void ChatArea::applyTextSizeNow(int size) {
    mainchat->applyTextSizeNow(size);
}

void ChatArea::clearChat() {
    mainchat->clearLog();
    mychat->setFocus();
}

void ChatArea::setScrollLock(bool on) {
    mainchat->setScrollLock(on);
}

void ChatArea::pasteIntoInput() {
    const QString text = QApplication::clipboard()->text();
    if (text.isEmpty())
        return;
    mychat->setText(mychat->text() + text);
    mychat->deselect();
    mychat->end(false);
}

void ChatArea::smileyChosen(int code) {
    if (mychat->text() == kPlaceholder)
        mychat->clear();
    mychat->setText(mychat->text() + QStringLiteral(":)#") + QString::number(code));
    mychat->deselect();
    mychat->end(false);
}

// Only addresses of the web leave the program; the address is the one stored with the link.
void ChatArea::followLink(const QString& target) {
    const std::optional<QUrl> url = linkTarget(target);
    if (!url || !hooks_.openUrl(*url))
        hooks_.showMessage(QStringLiteral("Cannot open Webpage"));
}

bool ChatArea::eventFilter(QObject* watched, QEvent* event) {
    if (watched != mychat || event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (mychat->text() == kPlaceholder)
        mychat->clear();
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        sendit();
        return true;
    }
    if (key->matches(QKeySequence::Paste)) {
        pasteIntoInput();
        return true;
    }
    return false;
}

}  // namespace hexaline::chat
