// SPDX-License-Identifier: GPL-3.0-or-later
#include "chat/phrase_buttons.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

#include "chat/chat_area.h"
#include "chat/chat_art.h"
#include "chat/phrase_editor.h"
#include "table/notice_box.h"
#include "table/side_window.h"
#include "table/wire_text.h"

namespace hexaline::chat {

namespace {

const char* const kPhraseProperty = "phrase";

const char* const kCaptions[] = {
    "Doh",       "Cough",    "Hello",          "Thank You",    "Where have you been?",
    "Snoring",   "Sneezing", "Sorry",          "Welcome",      "Yeehaa",
    "Yippee",    "Oh No",    "Applause",       "Honk",         "Oooh",
    "Razzberry", "Cheer",    "Woman Laughing", "Man Laughing", "Crying"};

}  // namespace

QString chatterCaption(int number) {
    if (number < 1 || number > PhraseButtons::kChatterSounds)
        return {};
    return QString::fromLatin1(kCaptions[number - 1]);
}

int chatterNumber(const QString& name) {
    const QString lower = name.toLower();
    if (!lower.startsWith(QLatin1String("wave")))
        return 0;
    bool ok = false;
    const int number = lower.mid(4).toInt(&ok);
    if (!ok || QString::number(number) != lower.mid(4) || chatterCaption(number).isEmpty())
        return 0;
    return number;
}

PhraseButtons::PhraseButtons(const std::array<QPushButton*, kButtons>& buttons, QWidget* window,
                             client::ChatLink& link, const settings::PreferenceStore& prefs,
                             const ChatHooks& hooks, FloodGuard::Clock clock, QObject* parent)
    : QObject(parent),
      buttons_(buttons),
      window_(window),
      link_(link),
      prefs_(prefs),
      hooks_(hooks),
      guard_(std::move(clock)) {
    for (int k = 1; k <= kButtons; ++k) {
        QPushButton* button = buttons_[static_cast<std::size_t>(k - 1)];
        button->setIcon(buttonFaceIcon(k));
        button->setIconSize(button->size());
    }
    buildSoundMenu();
    phrases = new PhraseEditor(window_);
    phrases->hide();
    connect(phrases, &PhraseEditor::doneClicked, this, &PhraseButtons::savePhrases);
}

void PhraseButtons::buildSoundMenu() {
    popup_sounds = new QMenu(buttons_[kButtons - 1]);
    popup_sounds->setObjectName(QStringLiteral("popup_sounds"));
    popup_sounds->setToolTipsVisible(true);
    QAction* cancel = popup_sounds->addAction(QStringLiteral("<Cancel>"));
    cancel->setData(0);
    connect(cancel, &QAction::triggered, this, [this] { sendChatterSound(0); });
    for (int n = 1; n <= kChatterSounds; ++n) {
        QAction* entry = popup_sounds->addAction(chatterCaption(n));
        entry->setObjectName(QStringLiteral("wave%1").arg(n));
        entry->setToolTip(chatterCaption(n));
        entry->setStatusTip(chatterCaption(n));
        entry->setData(n);
        connect(entry, &QAction::triggered, this, [this, n] { sendChatterSound(n); });
    }
}

QString PhraseButtons::phrase(int k) const {
    const QPushButton* button = buttons_.at(static_cast<std::size_t>(k - 1));
    const QVariant set = button->property(kPhraseProperty);
    return set.isValid() ? set.toString() : button->toolTip();  // else the panel's own phrase
}

void PhraseButtons::setPhrase(int k, const QString& text) {
    if (k >= 1 && k <= settings::kPhraseCount) {
        QPushButton* button = buttons_[static_cast<std::size_t>(k - 1)];
        button->setProperty(kPhraseProperty, text);
        button->setToolTip(table::shownAsWritten(text));  // phrases come from the settings file
    }
}

void PhraseButtons::sayPhrase(int k) {
    if (k == kButtons) {
        QPushButton* button = buttons_[kButtons - 1];
        popup_sounds->popup(button->mapToGlobal(QPoint(button->width(), button->height())));
        return;
    }
    if (k < 1 || k > settings::kPhraseCount || !guard_.ready())
        return;
    const QString said = phrase(k);
    const QString text =
        said.startsWith(QLatin1String("/me ")) ? said.mid(4) : QStringLiteral("says: ") + said;
    link_.sendAction(table::toWire(text), chosenColourText(prefs_).toStdString());
    guard_.sent();
}

void PhraseButtons::sendChatterSound(int tag) {
    if (tag >= 1 && tag <= kChatterSounds)
        link_.sendChatter(tag);
}

void PhraseButtons::openPhraseList() {
    for (int k = 1; k <= settings::kPhraseCount; ++k)
        phrases->field(k)->setText(phrase(k));
    table::showOver(*phrases, window_, table::Reopen::Centred, false);
}

void PhraseButtons::savePhrases() {
    std::array<QString, settings::kPhraseCount> texts;
    for (int k = 1; k <= settings::kPhraseCount; ++k) {
        texts[static_cast<std::size_t>(k - 1)] = phrases->field(k)->text();
        setPhrase(k, texts[static_cast<std::size_t>(k - 1)]);
    }
    const settings::WriteResult written = hooks_.savephrases(texts);
    if (!written.ok) {
        hooks_.showMessage(written.message());
        return;
    }
    phrases->close();
}

}  // namespace hexaline::chat
