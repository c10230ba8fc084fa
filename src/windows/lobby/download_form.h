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

    // 1 while a download runs normally, 2 once it was aborted or failed. The file is written
    // under a temporary name and takes the installer's name only when the whole file arrived.
    HttpGet& http() { return *http_; }
    int abortMark() const { return abortMark_; }
    bool downloading() const;
    QString filePath() const;

    void getbuttonClick();
    void abortbuttonClick();
    void Button1Click();
    void Button2Click();

    // Shows the window on top, centred on the desktop, without blocking.
    void showOnTop();

    QLabel* infolabel;
    QLabel* infolabel2;  // hidden: the downloaded file's name
    QLabel* infolabel3;
    QPushButton* getbutton;
    QPushButton* abortbutton;
    QPushButton* Button1;
    QPushButton* Button2;

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
    void startInstaller();

    HttpGet* http_;
    QSaveFile file_;
    QUrl url_;
    QString folder_;
    QStringList lobbies_;
    Starter starter_;
    std::function<void(const QString&)> message_;
    int abortMark_ = 0;
};

}  // namespace hexaline::lobby
