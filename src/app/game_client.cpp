// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/game_client.h"

#include <QAction>
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
    connect(&window_, &MainWindow::startButtonVisibleChanged, this,
            [this](bool visible) { core_.model().setStartShown(visible); });
    connect(panel_, &table::TablePanel::playernameContextMenu, this, &GameClient::openKickMenu);
    connectMenus();

    // The start dialog's values are saved when a game starts; every other preference when the
    // user changes it.
    gamestart_.showPreferences(window_.preferences());
    gamestart_.setStartHandler(
        [this](int playTo, int seconds) { core_.startgame(playTo, seconds); });
    gamestart_.setSaveHandler([this] { saveinifile(); });
    connect(&window_.preferences(), &settings::PreferenceStore::changed, this,
            [this](settings::PreferenceStore::Key key) {
                using Key = settings::PreferenceStore::Key;
                if (key != Key::PlayToScore && key != Key::TimePerTurn)
                    saveinifile();
            });
}

// The menu entries whose work is this client's.
void GameClient::connectMenus() {
    const auto entry = [this](MenuEntry which) { return window_.entry(which); };
    connect(entry(MenuEntry::StartGame), &QAction::triggered, this,
            [this] { core_.turn().start(); });
    connect(entry(MenuEntry::JustWatch), &QAction::triggered, this,
            [this] { core_.session().toggleJustWatch(); });
    connect(entry(MenuEntry::QuickInstructions), &QAction::triggered, help_,
            &windows::QuickInstructions::showOverTable);

    chat::ChatArea& area = chat_->area();
    connect(entry(MenuEntry::TextColor), &QAction::triggered, &area,
            &chat::ChatArea::chooseTextColour);
    connect(entry(MenuEntry::ClearMainChat), &QAction::triggered, &area,
            &chat::ChatArea::clearChat);
    // Both "Scroll Chat Off" entries, here and in the chat log's menu, keep one state.
    QAction* scrollChatOff = entry(MenuEntry::ScrollChatOff);
    connect(scrollChatOff, &QAction::triggered, &area, &chat::ChatArea::setScrollLock);
    connect(&area, &chat::ChatArea::scrollLockToggled, scrollChatOff, &QAction::setChecked);
    connect(entry(MenuEntry::PhraseList), &QAction::triggered, &chat_->phrases(),
            &chat::PhraseButtons::openPhraseList);
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
    if (name == "turn" && window_.preferences().turnSound() == settings::kTurnSoundNew)
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

// Chat, phrases and sounds: they show the window's preferences; their desktop hooks.
void GameClient::attachChat() {
    chat_ = std::make_unique<chat::Chat>(*panel_, &window_, core_, window_.preferences());
    chat::ChatHooks& h = chat_->hooks;
    h.showMessage = [this](const QString& text) { showNotice(text); };
    // A launcher that fails says so as well as one that cannot start.
    h.openUrl = [this](const QUrl& url) {
        openLink(url, this, [this](const QString& sentence) { showNotice(sentence); });
        return true;
    };
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
    settings::LoadResult loaded = settings::loadinifile();
    window_.setSavedBounds(loaded.bounds);
    window_.applyBounds(loaded.bounds);
    // The colour is kept as the chat writes it: text it cannot read is black.
    loaded.textColor = chat::writtenColourText(loaded.textColor);
    window_.preferences().load(loaded);
    for (int k = 1; k <= settings::kPhraseCount; ++k) {
        const auto& phrase = loaded.phrases[static_cast<std::size_t>(k - 1)];
        if (phrase && !phrase->isEmpty())
            chat_->phrases().setPhrase(k, *phrase);
    }
    if (loaded.showHelp)
        help_->showOverTable();
    if (!loaded.helpWrite.ok)
        showNotice(loaded.helpWrite.message());
}

void GameClient::saveinifile() {
    const settings::PreferenceStore& prefs = window_.preferences();
    settings::Preferences stored;
    if (!prefs.isLoaded()) {
        // Never the defaults of values this window did not load: what the file holds, and
        // over it what the user changed here.
        settings::applyLoadResult(settings::readinifile(settings::settingsFilePath()), stored);
    }
    settings::Preferences values = prefs.toSave(stored);
    // A window never placed from the file keeps the file's bounds until it has been.
    if (prefs.isLoaded() || window_.placedFromFile())
        values.window = window_.bounds();
    const settings::WriteResult written = settings::saveinifile(values);
    if (!written.ok)
        showNotice(written.message());
}

}  // namespace hexaline::app
