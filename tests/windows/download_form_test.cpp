// SPDX-License-Identifier: GPL-3.0-or-later
// The lobby download window against a web server on 127.0.0.1: a download over https is
// started, one over plain http is only saved, and stopped, cut short or closed transfers start
// nothing; the other two ways on.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QSslConfiguration>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

#include "http_test_server.h"
#include "windows/lobby/download_form.h"
#include "windows/lobby/http_get.h"

namespace hexaline::lobby {
namespace {

using test::HttpTestServer;

class DownloadTest : public ::testing::Test {
  protected:
    DownloadTest() {
        form.setFolder(dir.path());
        form.setLobbyLocations({dir.filePath("lobby/Orvik7Lobby")});
        form.setStarter([this](const QString& program, const QStringList& arguments) {
            started << program + " " + arguments.join(' ');
            return startWorks;
        });
        form.setMessage([this](const QString& text) { messages << text; });
        form.show();
    }

    QString info() const { return form.progressLabel->text(); }
    QString phase() const { return form.detailLabel->text(); }
    bool idle() const { return form.downloadButton->isEnabled() && !form.stopButton->isEnabled(); }
    QByteArray saved() const {
        QFile file(form.filePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
    }

    QTemporaryDir dir;
    DownloadForm form;
    QStringList started;
    QStringList messages;
    bool startWorks = true;
};

TEST_F(DownloadTest, AnInstallerOverHttpsIsStartedAndTheGameEnds) {
    HttpTestServer server(true);
    form.http().setSslConfiguration(HttpTestServer::trustingClient());
    form.setInstallerUrl(server.url("/get/Orvik7LobbySetup.run"));
    QSignalSpy exit(&form, &DownloadForm::exitRequested);
    QTest::mouseClick(form.downloadButton, Qt::LeftButton);
    EXPECT_EQ(info(), "Loading");
    EXPECT_FALSE(form.downloadButton->isEnabled());
    EXPECT_TRUE(form.stopButton->isEnabled());
    ASSERT_TRUE(exit.wait(10000)) << info().toStdString();
    EXPECT_EQ(info(), "Received 10 bytes");
    EXPECT_EQ(phase(), "Installing");
    EXPECT_EQ(form.state(), DownloadState::Installing);
    EXPECT_EQ(saved(), "0123456789");
    EXPECT_EQ(started, QStringList{form.filePath() + " --silent --no-prompt --no-icons"});
    EXPECT_TRUE(QFileInfo(form.filePath()).isExecutable());
    EXPECT_TRUE(idle());
    EXPECT_TRUE(server.request.startsWith("GET /get/Orvik7LobbySetup.run HTTP/1.0\r\n"));
}

TEST_F(DownloadTest, AnInstallerThatWillNotStartIsReported) {
    HttpTestServer server(true);
    form.http().setSslConfiguration(HttpTestServer::trustingClient());
    form.setInstallerUrl(server.url("/Setup.run"));
    startWorks = false;
    QSignalSpy exit(&form, &DownloadForm::exitRequested);
    form.startDownload();
    (void)QTest::qWaitFor([&] { return messages == QStringList{"An Error has Occurred."}; }, 5000);
    EXPECT_EQ(messages, QStringList{"An Error has Occurred."});
    EXPECT_EQ(exit.count(), 0);
}

TEST_F(DownloadTest, AFileOverPlainHttpIsSavedButNeverStarted) {
    HttpTestServer server;
    form.setInstallerUrl(server.url("/Orvik7LobbySetup.run"));
    form.startDownload();
    EXPECT_TRUE(QTest::qWaitFor([&] { return idle(); }, 5000));
    EXPECT_EQ(info(), "Received 10 bytes");
    EXPECT_EQ(saved(), "0123456789");
    EXPECT_TRUE(phase().startsWith("Saved as "));
    EXPECT_TRUE(phase().contains("not started"));
    EXPECT_EQ(form.state(), DownloadState::Saved);
    EXPECT_TRUE(started.isEmpty());
}

TEST_F(DownloadTest, StopDownloadShowsBothTextsAndStartsNothing) {
    HttpTestServer server(true);
    server.firstPart = 4;
    server.close = false;
    form.http().setSslConfiguration(HttpTestServer::trustingClient());
    form.setInstallerUrl(server.url("/Setup.run"));
    form.startDownload();
    (void)QTest::qWaitFor([&] { return info() == QString("4 bytes"); }, 5000);
    EXPECT_EQ(info(), QString("4 bytes"));
    EXPECT_EQ(phase(), "Downloading: Setup.run");
    QTest::mouseClick(form.stopButton, Qt::LeftButton);
    EXPECT_EQ(info(), "Download has been aborted.");
    EXPECT_EQ(phase(), "Download Aborted");
    EXPECT_EQ(form.state(), DownloadState::Aborted);
    (void)QTest::qWaitFor([&] { return info() == QString("Download Aborted"); }, 5000);
    EXPECT_EQ(info(), QString("Download Aborted"));
    EXPECT_TRUE(idle());
    server.sendRest();  // too late: nothing more is read
    QTest::qWait(50);
    EXPECT_TRUE(started.isEmpty());
    EXPECT_EQ(saved(), "<none>");  // the partial file is removed
}

TEST_F(DownloadTest, AShortTransferStartsNothing) {
    HttpTestServer server(true);
    server.firstPart = 7;
    form.http().setSslConfiguration(HttpTestServer::trustingClient());
    form.setInstallerUrl(server.url("/Setup.run"));
    form.startDownload();
    (void)QTest::qWaitFor([&] { return info() == QString("7 bytes"); }, 5000);
    EXPECT_EQ(info(), QString("7 bytes"));
    server.closeNow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return idle(); }, 5000));
    // Nobody pressed Stop: the window says the transfer failed and why, not that it was stopped.
    EXPECT_EQ(info(), "Download Failed");
    EXPECT_EQ(phase(), "The transfer ended early, before the whole file arrived.");
    EXPECT_EQ(form.state(), DownloadState::Failed);
    EXPECT_TRUE(started.isEmpty());
    EXPECT_EQ(saved(), "<none>");
    // It may be tried again; the file starts over.
    server.firstPart = -1;
    HttpTestServer again(true);
    form.setInstallerUrl(again.url("/Setup.run"));
    form.startDownload();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !started.isEmpty(); }, 5000));
    EXPECT_EQ(saved(), "0123456789");
}

// An address without a file name fails at once and names the reason; the window keeps the
// name it shows apart from the label, so a later good address downloads under its own name.
TEST_F(DownloadTest, AnAddressWithoutAFileNameFailsAtOnce) {
    form.setInstallerUrl(QUrl("https://127.0.0.1:9/"));
    EXPECT_TRUE(form.fileName().isEmpty());
    form.startDownload();
    EXPECT_EQ(form.state(), DownloadState::Failed);
    EXPECT_EQ(info(), "Download Failed");
    EXPECT_EQ(phase(), "The installer's address names no file.");
    EXPECT_TRUE(idle());
    EXPECT_FALSE(form.downloading());

    HttpTestServer server;
    form.setInstallerUrl(server.url("/Setup.run"));
    form.startDownload();
    EXPECT_EQ(form.state(), DownloadState::Loading);
    EXPECT_TRUE(QTest::qWaitFor([&] { return idle(); }, 5000));
    EXPECT_EQ(form.state(), DownloadState::Saved);
    EXPECT_EQ(QFileInfo(form.filePath()).fileName(), "Setup.run");
    EXPECT_EQ(saved(), "0123456789");
}

TEST_F(DownloadTest, ClosingTheWindowStopsTheTransfer) {
    HttpTestServer server(true);
    server.firstPart = 2;
    server.close = false;
    form.http().setSslConfiguration(HttpTestServer::trustingClient());
    form.setInstallerUrl(server.url("/Setup.run"));
    form.startDownload();
    (void)QTest::qWaitFor([&] { return info() == QString("2 bytes"); }, 5000);
    EXPECT_EQ(info(), QString("2 bytes"));
    QTest::mouseClick(form.soloButton, Qt::LeftButton);  // Play Solo Game
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(form.downloading());
    (void)QTest::qWaitFor([&] { return info() == QString("Download Aborted"); }, 5000);
    EXPECT_EQ(info(), QString("Download Aborted"));
    server.sendRest();
    QTest::qWait(50);
    EXPECT_TRUE(started.isEmpty());
}

TEST_F(DownloadTest, PlayWithOthersStartsAnInstalledLobbyOrTheGamesOwnWay) {
    QSignalSpy exit(&form, &DownloadForm::exitRequested);
    QSignalSpy own(&form, &DownloadForm::playWithOthersRequested);
    form.show();
    QTest::mouseClick(form.othersButton, Qt::LeftButton);
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(own.count(), 1);  // no lobby: hosting and joining are offered instead
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(exit.count(), 0);

    QDir(dir.path()).mkpath("lobby");
    QFile lobby(dir.filePath("lobby/Orvik7Lobby"));
    ASSERT_TRUE(lobby.open(QIODevice::WriteOnly));
    lobby.write("#!/bin/sh\n");
    lobby.close();
    QTest::mouseClick(form.othersButton, Qt::LeftButton);  // not executable: not a program
    EXPECT_EQ(own.count(), 2);
    lobby.setPermissions(lobby.permissions() | QFileDevice::ExeOwner);
    QTest::mouseClick(form.othersButton, Qt::LeftButton);
    EXPECT_EQ(started, QStringList{dir.filePath("lobby/Orvik7Lobby") + " "});
    EXPECT_EQ(exit.count(), 1);
}

TEST_F(DownloadTest, TheWindowAsItOpens) {
    EXPECT_EQ(form.windowTitle(), "Download The Orvik7 Lobby");
    EXPECT_EQ(form.size(), QSize(724, 500));
    EXPECT_TRUE(form.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(form.downloadButton->text(), "Download And Install The Orvik7 Lobby Now");
    EXPECT_EQ(form.stopButton->text(), "Stop Download");
    EXPECT_FALSE(form.stopButton->isEnabled());
    EXPECT_EQ(form.soloButton->text(), "Play Solo Game");
    EXPECT_EQ(form.othersButton->text(), "Play with Others");
    // The default address is a secure one, and the file is named after its last part.
    DownloadForm fresh;
    EXPECT_EQ(fresh.installerUrl().scheme(), "https");
    EXPECT_EQ(fresh.fileName(), "Orvik7LobbySetup.run");
    EXPECT_EQ(fresh.state(), DownloadState::Idle);
}

// A failed download says why in a sentence, leaves nothing under the installer's name and
// never claims the user stopped it. A good installer from before stays as it was.
TEST_F(DownloadTest, AFailedDownloadSaysWhyAndKeepsNothing) {
    {
        QFile earlier(dir.filePath("Setup.run"));
        ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
        earlier.write("earlier");
    }
    const auto failWith = [this](HttpTestServer& server, const QString& why) {
        form.setInstallerUrl(server.url("/Setup.run"));
        form.startDownload();
        ASSERT_TRUE(QTest::qWaitFor([&] { return idle(); }, 5000)) << why.toStdString();
        EXPECT_EQ(info(), "Download Failed");
        EXPECT_EQ(phase(), why);
        EXPECT_EQ(saved(), "earlier") << why.toStdString();
        EXPECT_TRUE(started.isEmpty());
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"Setup.run"});
    };
    form.http().setSslConfiguration(HttpTestServer::trustingClient());
    HttpTestServer missing(true);
    missing.head = "HTTP/1.0 404 Not Found\r\n\r\n";
    missing.body = "<html>Not here</html>";
    failWith(missing, "The installer was not found on the download server.");

    HttpTestServer early(true);
    early.head = "HTTP/1.0 200 OK\r\n\r\n";
    early.cut = true;  // a TCP close without the TLS close: cut, not complete
    failWith(early, "The transfer ended early, before the whole file arrived.");

    HttpTestServer untrusted(true);
    form.http().setSslConfiguration(QSslConfiguration::defaultConfiguration());
    failWith(untrusted,
             "The download server's certificate cannot be trusted, so nothing was "
             "downloaded.");

    QTcpServer closed;
    closed.listen(QHostAddress::LocalHost, 0);
    const quint16 port = closed.serverPort();
    closed.close();
    form.setInstallerUrl(QUrl(QStringLiteral("https://127.0.0.1:%1/Setup.run").arg(port)));
    form.startDownload();
    ASSERT_TRUE(QTest::qWaitFor([&] { return idle(); }, 5000));
    EXPECT_EQ(phase(), "The download server refused the connection.");

    HttpTestServer large(true);
    form.http().setSslConfiguration(HttpTestServer::trustingClient());
    form.http().setMaxBodyBytes(9);
    failWith(large, "The download was stopped because the file is larger than 9 bytes.");
}

TEST(InstallerUrl, TheSettingsFileMayNameAnotherAddress) {
    QTemporaryDir dir;
    const QString path = dir.filePath("orviklobby.ini");
    EXPECT_EQ(installerUrlFrom(path), QUrl(QString::fromLatin1(kInstallerUrl)));
    EXPECT_EQ(installerUrlFrom(path).scheme(), "https");
    const auto withValue = [&](const QByteArray& value) {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[agame]\nTextSize=10\n[hexaline]\nInstallerUrl=" + value + "\n");
        file.close();
        return installerUrlFrom(path);
    };
    EXPECT_EQ(withValue("https://mirror.example.net/x/Orvik7LobbySetup.run"),
              QUrl("https://mirror.example.net/x/Orvik7LobbySetup.run"));
    EXPECT_EQ(withValue("http://127.0.0.1:8080/Setup.run"),
              QUrl("http://127.0.0.1:8080/Setup.run"));
    for (const QByteArray bad : {"", "ftp://mirror.example.net/Setup.run", "file:///tmp/Setup.run",
                                 "https:///Setup.run", "not a url at all"})
        EXPECT_EQ(withValue(bad), QUrl(QString::fromLatin1(kInstallerUrl))) << bad.constData();
}

// The installer goes next to a program in a writable folder of its own, never among the
// system's programs (an administrator runs the installed game from /usr/games, which is
// writable then), and else to the user's data folder, made when missing.
TEST(DownloadFolder, ProgramFolderOnlyWhenWritableAndNotASystemFolder) {
    QTemporaryDir dir;
    const QString data = dir.filePath("data/Hexaline");
    EXPECT_EQ(chooseDownloadFolder(dir.path(), data), dir.path());
    EXPECT_EQ(chooseDownloadFolder("/usr/games", data), data);
    EXPECT_EQ(chooseDownloadFolder("/usr/bin", data), data);
    EXPECT_EQ(chooseDownloadFolder(dir.filePath("missing"), data), data);
    EXPECT_TRUE(QFileInfo(data).isDir());
}

}  // namespace
}  // namespace hexaline::lobby
