// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/game_client.h"

#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTextBrowser>
#include <QTimer>

#include "app/main_window.h"
#include "app/open_link.h"
#include "chat/chat.h"
#include "chat/chat_area.h"
#include "chat/phrase_buttons.h"
#include "table/keyboard_play.h"
#include "table/notice_box.h"
#include "table/table_panel.h"
#include "table/wire_text.h"
#include "text/settings/load_ini.h"
#include "text/settings/save_ini.h"
#include "text/settings/settings_location.h"
#include "transport/status.h"
#include "windows/gamestart_form.h"
#include "windows/quick_instructions.h"

namespace hexaline::app {

GameClient::GameClient(MainWindow& window, windows::GameStartForm& gamestart, QObject* parent)
    : QObject(parent),
      window_(window),
      gamestart_(gamestart),
      core_(*this),
      panel_(new table::TablePanel) {
    window_.setTablePanel(panel_);
    help_ = new windows::QuickInstructions(panel_);
    table_ = std::make_unique<table::GameTable>(*panel_, core_, this);
    attachChat();
    table::installKeyboardPlay(*table_, *panel_);

    window_.sock().setDispatcher(&core_.dispatcher());
    window_.setChatSink([this](const std::string& line, std::uint32_t colour) {
        chat_->addlinetochat(table::fromWire(line), colour);
    });
    window_.setSaveinifile([this] { saveinifile(); });

    const client::GameModel& model = core_.model();
    connect(&model, &client::GameModel::chatLine, this,
            [this](const std::string& line, std::uint32_t colour) {
                window_.addlinetochat(line, colour);
            });
    connect(&model, &client::GameModel::justWatchChanged, &window_,
            &MainWindow::setJustWatchChecked);
    connect(&model, &client::GameModel::hostChanged, this, &GameClient::showHostRole);

    // The connection's end is told once every message it brought is handled.
    connect(&window_.sock(), &transport::ClientLink::closed, this, &GameClient::closeWhenDrained);
    connect(&window_.sock(), &transport::ClientLink::failed, this, [this] {
        if (core_.model().isconnected())
            linkLost_ = true;
    });
    connect(&window_, &MainWindow::justWatchClicked, this,
            [this] { core_.session().toggleJustWatch(); });
    connect(&window_, &MainWindow::startGameRequested, this, [this] { core_.turn().start(); });
    connect(&window_, &MainWindow::startButtonVisibleChanged, this,
            [this](bool visible) { core_.model().setStartShown(visible); });
    connect(panel_, &table::TablePanel::playernameContextMenu, this, &GameClient::openKickMenu);
    connect(&window_, &MainWindow::quickInstructionsRequested, help_,
            &windows::QuickInstructions::showOverTable);
    connect(&window_, &MainWindow::textSizeChosen, this, [this](int size) {
        textSize_ = size;
        chat_->area().setTextSize(size);
        window_.setTextSizeChecked(size);
        saveinifile();
    });

    gamestart_.setStartHandler(
        [this](int playTo, int seconds) { core_.startgame(playTo, seconds); });
    gamestart_.setSaveHandler([this] { saveinifile(); });
    atStart_ = shownPreferences();
}

void GameClient::closeWhenDrained() {
    // What the host said before it hung up (that the game is full, the last plays) is still
    // handled.
    if (!window_.sock().queue().empty()) {
        connect(&window_.sock(), &transport::ClientLink::dispatched, this,
                &GameClient::closeWhenDrained, Qt::SingleShotConnection);
        return;
    }
    core_.session().sockClosed();
}

GameClient::~GameClient() {
    window_.sock().setDispatcher(nullptr);
}

void GameClient::showHostRole(bool hosting) {
    // Seat 1 of a game hosted elsewhere leads it: it starts games and removes players.
    if (hosting && !window_.ishost()) {
        window_.setStartAvailable(true);
        emit window_.hostModeStarted();
    }
}

std::string GameClient::loginname() const {
    return window_.loginname();
}

bool GameClient::hostsGame() const {
    return window_.ishost();
}

void GameClient::send(const std::string& message) {
    window_.sock().send(message);
}

void GameClient::playsounds(const std::string& name) {
    if (name == "turn" && window_.turnSound() == settings::kTurnSoundNew)
        chat_->playsounds(QStringLiteral("turnnew"));
    else
        chat_->playsounds(table::fromWire(name));
}

void GameClient::addgame(const std::string& winner) {
    emit gameCounted(table::fromWire(winner));
}

void GameClient::showMessage(const std::string& text) {
    showNotice(table::fromWire(text));
}

void GameClient::showMessageAndWait(const std::string& text) {
    // The session's box ("Game is full") is followed by the end of the program: it waits for
    // the user, and the connection's end meanwhile must not close the window under it.
    waitingBox_ = true;
    table::showNoticeAndWait(&window_, table::fromWire(text));
    waitingBox_ = false;
}

void GameClient::showGameStart() {
    gamestart_.showOver(&window_);
}

void GameClient::connectionEnded(bool seated) {
    if (waitingBox_ || !seated)
        return;  // a refused join says so itself
    emit seatLost(QString::fromLatin1(linkLost_ ? kHostLost : kHostEnded));
}

void GameClient::closeWindow() {
    if (!waitingBox_)
        window_.close();
}

// Chat, phrases and sounds: their hooks and the menu entries.
void GameClient::attachChat() {
    chat_ = std::make_unique<chat::Chat>(*panel_, &window_, core_);
    chat::ChatHooks& h = chat_->hooks;
    h.playSoundsChecked = [this] { return window_.playSounds(); };
    h.playerPhraseSoundsChecked = [this] { return window_.playerPhraseSounds(); };
    h.showMessage = [this](const QString& text) { showNotice(text); };
    h.saveinifile = [this] { saveinifile(); };
    // A launcher that fails says so as well as one that cannot start.
    h.openUrl = [this](const QUrl& url) {
        openLink(url, this, [this](const QString& sentence) { showNotice(sentence); });
        return true;
    };

    chat::ChatArea& area = chat_->area();
    connect(&window_, &MainWindow::textColorRequested, &area, &chat::ChatArea::TextColor1Click);
    connect(&window_, &MainWindow::clearMainChatRequested, &area,
            &chat::ChatArea::ClearMainChat1Click);
    connect(&window_, &MainWindow::scrollChatOffToggled, &area, &chat::ChatArea::setScrollLock);
    connect(&area, &chat::ChatArea::scrollLockToggled, this,
            [this](bool on) { window_.scrollChatOffEntry()->setChecked(on); });
    connect(&window_, &MainWindow::phraseListRequested, &chat_->phrases(),
            &chat::PhraseButtons::PrhaseList1Click);
}

void GameClient::showNotice(const QString& text) {
    // Not modal: the game goes on behind the box.
    table::showNotice(&window_, text);
}

void GameClient::openKickMenu(int seat, const QPoint& where) {
    session::ClientSession& session = core_.session();
    const session::KickMenu entries = session.kickMenuFor(seat);
    QMenu menu(&window_);
    QAction* remove = menu.addAction(QStringLiteral("Remove From Game"));
    QAction* watch = menu.addAction(QStringLiteral("Set to Just Watch"));
    QAction* unwatch = menu.addAction(QStringLiteral("Unset Just Watch"));
    remove->setEnabled(entries.removeFromGame);
    watch->setEnabled(entries.setToJustWatch);
    unwatch->setEnabled(entries.unsetJustWatch);
    QAction* chosen = menu.exec(where);
    if (chosen == remove)
        session.kicking(entries.target);
    if (chosen == watch)
        session.setToJustWatch(entries.target);
    if (chosen == unwatch)
        session.unsetJustWatch(entries.target);
}

void GameClient::loadinifile() {
    const settings::LoadResult loaded = settings::loadinifile();
    loaded_ = true;
    textSize_ = loaded.textSize;
    window_.setSavedBounds(loaded.bounds);
    window_.applyBounds(loaded.bounds);
    window_.setTextSizeChecked(loaded.textSize);
    chat_->area().applyTextSizeNow(loaded.textSize);
    chat_->area().setChosenColourText(loaded.textColor);
    if (loaded.playToScore)
        gamestart_.setPlayToScore(*loaded.playToScore);
    if (loaded.timePerTurn)
        gamestart_.setTimePerTurn(*loaded.timePerTurn);
    window_.setBotSpeed(loaded.botSpeedMs);
    window_.setTurnSound(loaded.turnSound);
    for (int k = 1; k <= settings::kPhraseCount; ++k) {
        const auto& phrase = loaded.phrases[static_cast<std::size_t>(k - 1)];
        if (phrase && !phrase->isEmpty())
            chat_->phrases().setPhrase(k, *phrase);
    }
    window_.setPlaySounds(loaded.playSounds);
    window_.setPlayerPhraseSounds(loaded.playerPhraseSounds);
    if (loaded.showHelp)
        help_->showOverTable();
    if (!loaded.helpWrite.ok)
        showNotice(loaded.helpWrite.message());
}

settings::Preferences GameClient::shownPreferences() const {
    settings::Preferences prefs;
    prefs.textSize = textSize_;
    prefs.window = window_.bounds();
    prefs.textColor = chat_->area().chosenColourText();
    prefs.playToScore = gamestart_.playToScore();
    prefs.timePerTurn = gamestart_.timePerTurn();
    prefs.botSpeedMs = window_.botSpeed();
    prefs.turnSound = window_.turnSound();
    prefs.playSounds = window_.playSounds();
    prefs.playerPhraseSounds = window_.playerPhraseSounds();
    return prefs;
}

void GameClient::saveinifile() {
    settings::Preferences prefs = shownPreferences();
    if (!loaded_) {
        // Never the defaults of values this window did not load: what the file holds, and
        // over it what the user changed here.
        settings::Preferences stored;
        settings::applyLoadResult(settings::readinifile(settings::settingsFilePath()), stored);
        const auto keep = [](auto& value, const auto& start, const auto& kept) {
            if (value == start)
                value = kept;
        };
        keep(prefs.textSize, atStart_.textSize, stored.textSize);
        if (!window_.placedFromFile())
            prefs.window = stored.window;  // the window was never placed from the file
        keep(prefs.textColor, atStart_.textColor, stored.textColor);
        keep(prefs.playToScore, atStart_.playToScore, stored.playToScore);
        keep(prefs.timePerTurn, atStart_.timePerTurn, stored.timePerTurn);
        keep(prefs.botSpeedMs, atStart_.botSpeedMs, stored.botSpeedMs);
        keep(prefs.turnSound, atStart_.turnSound, stored.turnSound);
        keep(prefs.playSounds, atStart_.playSounds, stored.playSounds);
        keep(prefs.playerPhraseSounds, atStart_.playerPhraseSounds, stored.playerPhraseSounds);
    }
    const settings::WriteResult written = settings::saveinifile(prefs);
    if (!written.ok)
        showNotice(written.message());
}

}  // namespace hexaline::app
