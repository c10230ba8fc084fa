// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window ("chatform"): the menus, the place of the table panel, the client's
// connection to the host, the launch modes and the window's own close, resize and reset.

#include <QMainWindow>
#include <QPointer>
#include <QSize>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>
#include "protocol/system_colour.h"

#include "text/settings/preference_store.h"
#include "transport/client_link.h"

class QAction;
class QActionGroup;
class QTcpSocket;

namespace hexaline::app {

class HostSide;

// The menu bar's entries that other parts of the program connect to their work (the radio
// groups show the preferences and are the window's own).
enum class MenuEntry {
    StartGame,
    Exit,
    HostGame,
    JoinGame,
    PlaySounds,
    PlayerPhraseSounds,
    TextColor,
    ScrollChatOff,
    ClearMainChat,
    ResetScreenLocation,
    JustWatch,
    ViewTally,
    SpyList,
    PhraseList,
    Help,
    About,
    QuickInstructions,
};
inline constexpr std::size_t kMenuEntries =
    static_cast<std::size_t>(MenuEntry::QuickInstructions) + 1;

using protocol::kSystemColour;
inline constexpr std::uint16_t kLobbyPort = 9001;

struct LaunchOptions {
    QStringList arguments;      // positional arguments, options already taken out
    std::uint16_t port = 7772;  // game port for listening and connecting
    std::uint16_t lobbyPort = kLobbyPort;
};

class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    static constexpr int kDefaultWidth = 772;
    static constexpr int kDefaultHeight = 535;
    static constexpr QSize kDesignClient{767, 529};
    static constexpr QSize kBoardPanel{764, 526};
    // The client area is never smaller than the board panel plus 4 pixels each way.
    static constexpr QSize kMinClient{768, 530};

    explicit MainWindow(LaunchOptions options = {}, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The hidden host side that host and solo mode listen on.
    void setHostSide(HostSide* host) { host_ = host; }
    // Puts the table panel in place of the placeholder `panel_board`, at (1, 1), 764 × 526.
    void setTablePanel(QWidget* panel);
    QWidget* tablePanel() const { return panel_board; }

    // The game connection `sock` to the host.
    transport::ClientLink& sock() { return *sock_; }
    // Lets go of the game connection without any of its reports, and opens a fresh one.
    void renewSock();
    // Starts host or join mode anew in this window, as the command line would (`mode` is Host
    // or Join), with its own name, address and port.
    void startSession(bool host, const QString& name, const QString& address, std::uint16_t port);
    // How the message boxes of host and join mode put an error; the texts stay as they are
    // when it is not set.
    void setErrorWording(std::function<QString(const QString&)> wording) {
        errorWording_ = std::move(wording);
    }

    // Launch state.
    const QString& playername() const { return playername_; }
    const QString& hostaddress() const { return hostaddress_; }
    // The name this window logs in with, in UTF-8.
    const std::string& loginname() const { return loginname_; }
    bool ishost() const { return ishost_; }
    bool startButtonVisible() const { return startVisible_; }
    // Start Game, the start dialog and the removal of players: the hosting user's means, which
    // seat 1 holds whether this window hosts the game or joined a host elsewhere.
    void setStartAvailable(bool available);
    // Asked before the window closes; false keeps it open.
    void setCloseGuard(std::function<bool()> guard) { closeGuard_ = std::move(guard); }
    bool lobbyLinkOpened() const { return lobbyLink_ != nullptr; }

    // The chat log. Until the chat window exists the lines are kept in a list.
    using ChatSink = std::function<void(const std::string& line, std::uint32_t colour)>;
    void setChatSink(ChatSink sink) { chatSink_ = std::move(sink); }
    void addlinetochat(const std::string& line, std::uint32_t colour);
    // A line of the program itself (seat 0, the system colour).
    void addSystemLine(const QString& text);
    const std::vector<std::string>& chatLines() const { return chatLines_; }

    // Settings: the save is installed by the settings code; the window calls it at close when
    // the window moved or changed size.
    void setSaveinifile(std::function<void()> save) { saveinifile_ = std::move(save); }
    settings::WindowBounds savedBounds() const { return savedBounds_; }
    void setSavedBounds(settings::WindowBounds bounds) {
        savedBounds_ = bounds;
        placedFromFile_ = true;
    }
    // The window was placed from the settings file once: its bounds are the user's to save.
    bool placedFromFile() const { return placedFromFile_; }
    // The window's outer bounds; applying them moves and resizes the window.
    settings::WindowBounds bounds() const;
    void applyBounds(settings::WindowBounds bounds);
    // The available geometry of the window's screen; empty without a screen.
    settings::WindowBounds workArea() const;

    // The user's preferences: the menus show them and write the user's choices into them.
    settings::PreferenceStore& preferences() { return prefs_; }
    const settings::PreferenceStore& preferences() const { return prefs_; }
    // Checks the Computer Strength entry of the computer's level (an engine::BotLevel), which
    // the hosting user alone chooses.
    void showBotLevel(int level);
    void setComputerStrengthAvailable(bool available);
    // The Computer Strength entries; each one's data is its level.
    QActionGroup* computerStrengthEntries() const { return botLevelGroup_; }
    // The "Just Watch" mark shows whether this client only watches; a click asks the host and
    // leaves the mark as it is.
    void setJustWatchChecked(bool on);

    // The menu entries, for the parts of the program that do their work.
    QAction* entry(MenuEntry which) const { return entries_[static_cast<std::size_t>(which)]; }

    // Launch modes (run by the first show).
    void processparams();
    // Listens and connects this window's own client. A solo game listens on the loopback
    // address only, and on any free port when its own is taken.
    bool hostpress(bool solo = false);
    void joinpress();

    // Another copy was started: restore the window when minimised, else bring it to the front.
    void bringToFront();

    // The window's own entries.
    void resetScreenLocation();

  signals:
    // Launch.
    void startButtonVisibleChanged(bool visible);
    void lobbyDownloadRequested();  // solo mode shows the lobby download window
    void hostModeStarted();         // enables the spy list's "Remove From Game"
    // The window has closed: the program ends.
    void closed();
    // A message box for the user was opened (listen and host-lookup errors).
    void errorShown(const QString& text);

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void createMenus();
    // The Options menu's marks and radio groups show the preferences.
    void showPreferences();
    QAction* addEntry(QMenu* menu, MenuEntry which, const char* name, const QString& text);
    void showError(const QString& text);
    void openLobbyLink();
    void joinFailed(const QString& reason);
    // Closing saves the window's bounds when it moved or changed size.
    void saveBoundsOnClose();
    void keepMinimumSize();

    LaunchOptions options_;
    HostSide* host_ = nullptr;
    QWidget* central_ = nullptr;
    QPointer<QWidget> panel_board;
    transport::ClientLink* sock_;
    QTcpSocket* lobbyLink_ = nullptr;  // nothing is sent or read on it

    QString playername_;
    QString hostaddress_;
    std::string loginname_;
    bool ishost_ = false;
    bool startVisible_ = true;
    bool shownOnce_ = false;
    bool lobbyLinkPending_ = false;

    ChatSink chatSink_;
    std::vector<std::string> chatLines_;
    std::function<void()> saveinifile_;
    std::function<QString(const QString&)> errorWording_;
    std::function<bool()> closeGuard_;
    bool linkConnected_ = false;  // the join's connection was made at least once
    settings::WindowBounds savedBounds_{0, 0, 0, 0};
    bool placedFromFile_ = false;

    settings::PreferenceStore prefs_;
    std::array<QAction*, kMenuEntries> entries_{};
    QMenu* computerStrength_ = nullptr;
    QActionGroup* botLevelGroup_ = nullptr;
    QActionGroup* turnSoundGroup_ = nullptr;
    QActionGroup* botSpeedGroup_ = nullptr;
    QActionGroup* textSizeGroup_ = nullptr;
};

}  // namespace hexaline::app
