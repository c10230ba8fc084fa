// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/gamestart_form.h"

#include <QKeyEvent>
#include <QPainter>
#include <QtDebug>

#include "art/artwork.h"
#include "table/side_window.h"

namespace hexaline::windows {

namespace {

constexpr int kClientWidth = 257;
constexpr int kClientHeight = 152;

// The dialog's labels are bold; the heading is larger, centred and underlined.
QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, const QRect& at,
                  int pixelSize, bool heading) {
    QLabel* label = table::styledLabel(
        parent, text, at,
        {.name = name,
         .pixels = pixelSize,
         .bold = true,
         .alignment = heading ? Qt::AlignCenter : (Qt::AlignLeft | Qt::AlignVCenter)});
    QFont font = label->font();
    font.setUnderline(heading);
    label->setFont(font);
    return label;
}

UpDownSpin* makeSpin(QWidget* parent, const QString& name, const QString& editName, int minimum,
                     int maximum, int step, int initial, const QRect& at) {
    auto* spin = new UpDownSpin(minimum, maximum, step, initial, parent);
    spin->setObjectName(name);
    spin->edit()->setObjectName(editName);
    spin->setGeometry(at);
    QFont font = spin->font();
    font.setPixelSize(13);
    font.setBold(true);
    spin->setFont(font);
    QPalette palette = spin->palette();
    palette.setColor(QPalette::Base, art::kBoardFill);
    palette.setColor(QPalette::Text, Qt::black);
    spin->setPalette(palette);
    return spin;
}

}  // namespace

GameStartForm::GameStartForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("gamestart"));
    setWindowTitle(QStringLiteral("Hexaline - Game Start"));
    setModal(false);
    setFixedSize(kClientWidth, kClientHeight);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    titleLabel = makeLabel(this, "Label3", QStringLiteral("Game Options"),
                           QRect(0, 6, kClientWidth, 30), 24, true);
    playToLabel = makeLabel(this, "Label2", QStringLiteral("Play to Score:"),
                            QRect(30, 46, 110, 24), 13, false);
    turnTimeLabel = makeLabel(this, "Label1", QStringLiteral("Time Per Turn:"),
                              QRect(30, 77, 110, 24), 13, false);
    playToSpin =
        makeSpin(this, QStringLiteral("UpDown1"), QStringLiteral("edit_playtoscore"), kPlayToMin,
                 kPlayToMax, kPlayToStep, own_.playToScore(), QRect(146, 46, 80, 24));
    turnTimeSpin =
        makeSpin(this, QStringLiteral("UpDown2"), QStringLiteral("edit_creationtime"), kTurnTimeMin,
                 kTurnTimeMax, kTurnTimeStep, own_.timePerTurn(), QRect(146, 77, 80, 24));
    edit_playtoscore = playToSpin->edit();
    edit_creationtime = turnTimeSpin->edit();

    button_start = new art::PictureButton(art::Button::DialogStart, this);
    button_start->setObjectName(QStringLiteral("button_start"));
    const QSize buttonSize = art::buttonSize(art::Button::DialogStart);
    button_start->move((kClientWidth - buttonSize.width()) / 2, 112);
    connect(button_start, &QAbstractButton::clicked, this, &GameStartForm::startGame);
    // From the keyboard: Tab reaches both numbers and START; Space presses START.
    button_start->setFocusPolicy(Qt::StrongFocus);
    button_start->installEventFilter(this);
    setTabOrder(playToSpin, turnTimeSpin);
    setTabOrder(turnTimeSpin, button_start);
    // A step of a spin is the user's choice; the preferences put it into its range.
    connect(playToSpin, &QSpinBox::valueChanged, this,
            [this](int points) { prefs().setPlayToScore(points); });
    connect(turnTimeSpin, &QSpinBox::valueChanged, this,
            [this](int seconds) { prefs().setTimePerTurn(seconds); });
    showPreferences(own_);
}

void GameStartForm::showPreferences(settings::PreferenceStore& prefs) {
    for (const QMetaObject::Connection& binding : bindings_)
        disconnect(binding);
    bindings_.clear();
    shown_ = &prefs;
    bindings_ << connect(&prefs, &settings::PreferenceStore::changed, this,
                         &GameStartForm::showValues);
    bindings_ << connect(&prefs, &settings::PreferenceStore::loaded, this,
                         &GameStartForm::showValues);
    // Preferences that go away leave the dialog its own.
    if (&prefs != &own_) {
        bindings_ << connect(&prefs, &QObject::destroyed, this, [this] {
            shown_ = nullptr;
            showValues();
        });
    }
    showValues();
}

void GameStartForm::showValues() {
    playToSpin->setValue(playToScore());
    turnTimeSpin->setValue(timePerTurn());
}

void GameStartForm::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter || event->matches(QKeySequence::Save)) {
        startGame();
        return;
    }
    QDialog::keyPressEvent(event);  // Esc closes the dialog
}

bool GameStartForm::eventFilter(QObject* watched, QEvent* event) {
    // The focus on START shows as a frame around it.
    if (watched == button_start &&
        (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut))
        update();
    return QDialog::eventFilter(watched, event);
}

void GameStartForm::showOver(const QWidget* mainWindow) {
    table::showOver(*this, mainWindow, table::Reopen::Centred);
    button_start->setFocus();  // Enter or Space starts the game at once
}

void GameStartForm::startGame() {
    if (start_)
        start_(playToScore(), timePerTurn());
    hide();
    if (save_) {
        save_();
    }
}

void GameStartForm::paintEvent(QPaintEvent*) {
    art::paintBackground(*this);
    if (button_start->hasFocus()) {
        QPainter painter(this);
        painter.setPen(QPen(art::kLabelText, 2, Qt::DotLine));
        painter.drawRect(button_start->geometry().adjusted(-3, -3, 2, 2));
    }
}

}  // namespace hexaline::windows
