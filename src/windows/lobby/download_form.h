// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The lobby download window, shown on top when the game starts without arguments: download and
// install the lobby program, play the solo game already being set up, or close the game and
// start an installed lobby.

#include <QSaveFile>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QWidget>
#include <functional>

class QLabel;
class QPushButton;

namespace hexaline::lobby {

class HttpGet;

// Where the installer is fetched from by default.
inline constexpr char kInstallerUrl[] =
    "https://hexaline.example.org/download/Orvik7LobbySetup.run";
// The settings file's key, in the section "hexaline", that names another address for the
// installer (a mirror, or a test's server).
inline constexpr char16_t kInstallerUrlSection[] = u"hexaline";
inline constexpr char16_t kInstallerUrlKey[] = u"InstallerUrl";

// The installer's address: the settings file's InstallerUrl when it is an http or https address
// with a host, else kInstallerUrl.
QUrl installerUrlFrom(const QString& settingsPath);

// The folder the installer is written to: the executable's folder when it is writable and not
// a system folder (/usr/games, ...), else the per-user data folder (created when missing).
QString downloadFolder();
QString chooseDownloadFolder(const QString& exeDir, const QString& userDataDir);
// Where an installed lobby is looked for, in order.
QStringList lobbyLocations();

// Where the download stands.
enum class DownloadState {
    Idle,        // nothing tried yet
    Loading,     // a transfer runs
    Saved,       // the whole file arrived and was kept, but not started
    Failed,      // the transfer or the file failed
    Aborted,     // the user stopped the transfer, or closed the window during it
    Installing,  // the whole file arrived and the installer is being started
};

class DownloadForm : public QWidget {
    Q_OBJECT
  public:
    // Starts a program with arguments, detached; false when it could not be started.
    using Starter = std::function<bool(const QString& program, const QStringList& arguments)>;

    explicit DownloadForm(QWidget* parent = nullptr);
    ~DownloadForm() override;

    void setInstallerUrl(const QUrl& url);
    const QUrl& installerUrl() const { return url_; }
    void setFolder(const QString& folder) { folder_ = folder; }
    void setLobbyLocations(const QStringList& locations) { lobbies_ = locations; }
    void setStarter(Starter starter) { starter_ = std::move(starter); }
    // Shows a message to the user; a box that does not block unless a test replaces it.
    void setMessage(std::function<void(const QString&)> message) { message_ = std::move(message); }

    // The file is written under a temporary name and takes the installer's name only when the
    // whole file arrived.
    HttpGet& http() { return *http_; }
    DownloadState state() const { return state_; }
    bool downloading() const;
    // The installer's file name, the last part of its address; empty when the address has none.
    const QString& fileName() const { return fileName_; }
    QString filePath() const;

    // "Download And Install": fetches the installer and, when it came over https, starts it.
    void startDownload();
    // "Stop Download": stops a running transfer; nothing is started afterwards.
    void abortDownload();
    // "Play Solo Game": closes the window; the solo game is already being set up.
    void playSolo();
    // "Play with Others": starts an installed lobby, else offers the game's own hosting and
    // joining.
    void playWithOthers();

    // Shows the window on top, centred on the desktop, without blocking.
    void showOnTop();

    QLabel* progressLabel;  // what the transfer is doing: bytes, "Loading", the outcome
    QLabel* fileNameLabel;  // hidden: the installer's file name, shown for nothing else
    QLabel* detailLabel;    // the file being downloaded, why it failed, where it was saved
    QPushButton* downloadButton;
    QPushButton* stopButton;
    QPushButton* soloButton;
    QPushButton* othersButton;

  signals:
    // The game should end (an installer or the lobby was started).
    void exitRequested();
    // No lobby program is installed: the game's own hosting and joining are to be offered.
    void playWithOthersRequested();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildPanels();
    void transferFinished(bool ok, const QString& why);
    // Ends the attempt as failed, saying why in the detail line.
    void fail(const QString& why);
    void startInstaller();

    HttpGet* http_;
    QSaveFile file_;
    QUrl url_;
    QString folder_;
    QStringList lobbies_;
    Starter starter_;
    std::function<void(const QString&)> message_;
    QString fileName_;
    DownloadState state_ = DownloadState::Idle;
    int headerLines_ = 0;  // "Loading" shows a dot for each header line received
};

}  // namespace hexaline::lobby
