// SPDX-License-Identifier: GPL-3.0-or-later
// Names and chat lines that look like markup (a picture of /dev/zero, bold, an entity) are shown
// exactly as written wherever the window shows them: seats, the spy list, the tally, the list
// of games found on the network, tool tips, message boxes and the status line. No widget that
// shows them may guess rich text, so none of them reads a file or draws markup.
#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTreeWidget>
#include <QUdpSocket>
#include <memory>

#include "app/game_client.h"
#include "app/main_window.h"
#include "app/side_windows.h"
#include "app/table_sessions.h"
#include "chat/chat.h"
#include "chat/chat_area.h"
#include "chat/chat_log.h"
#include "protocol/builder.h"
#include "protocol/version.h"
#include "support/free_port.h"
#include "support/raw_client.h"
#include "table/notice_box.h"
#include "table/table_panel.h"
#include "text/settings/settings_location.h"
#include "transport/discovery_message.h"
#include "windows/about/about_form.h"
#include "windows/gamestart_form.h"
#include "windows/help/help_form.h"
#include "windows/lobby/download_form.h"
#include "windows/spy/spy_list_form.h"
#include "windows/tally/tally_list_form.h"

using namespace hexaline;
using protocol::Msg;
using support::freeTcpPort;
using support::freeUdpPort;
using support::RawClient;

namespace {

constexpr int kTimeoutMs = 10000;
const std::vector<std::string> kHostile = {"<img src=/dev/zero>", "<b>x</b>", "&lt;"};

// The program's windows put together as it does: main window, side windows and sessions.
struct Program {
    explicit Program(const QString& dir)
        : window({.arguments = {}, .port = 0, .lobbyPort = 0}),
          about(&window),
          download(&window),
          gamestart(&window),
          help(&window),
          spylist(&window),
          tallylist(dir + "/tally.dat", &window),
          sessions(window, gamestart) {
        sessions.setSettingsPath(dir + "/orviklobby.ini");
        const app::SideWindows side{about, download, help, spylist, tallylist};
        app::connectSideWindows(window, side);
        sessions.setClientMade(
            [side](app::GameClient& client) { app::attachSideWindows(client, side); });
        window.show();
    }
    table::TablePanel& panel() { return sessions.client().panel(); }

    app::MainWindow window;
    about::AboutForm about;
    lobby::DownloadForm download;
    windows::GameStartForm gamestart;
    help::HelpForm help;
    spy::SpyListForm spylist;
    tally::TallyListForm tallylist;
    app::TableSessions sessions;
};

bool looksLikeMarkup(const QString& text) {
    for (const std::string& name : kHostile) {
        if (text.contains(QString::fromStdString(name)))
            return true;
    }
    return false;
}

// What a widget shows of `text`: as written, or what its markup comes to when it is taken for
// rich text. An escaped hostile text comes to the hostile text itself.
QString shown(const QString& text, Qt::TextFormat format) {
    if (format == Qt::PlainText || (format == Qt::AutoText && !Qt::mightBeRichText(text)))
        return text;
    QTextDocument document;
    document.setHtml(text);
    return document.toPlainText();
}

void expectShownAsWritten(const QString& text, Qt::TextFormat format, const QString& where) {
    if (looksLikeMarkup(text)) {
        EXPECT_TRUE(looksLikeMarkup(shown(text, format)))
            << where.toStdString() << " shows " << text.toStdString() << " as markup";
    }
}

// Every label, box and tool tip of every window that shows a hostile text shows it as written.
void expectNothingTakenForMarkup() {
    int seen = 0;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        QList<QWidget*> widgets = top->findChildren<QWidget*>();
        widgets << top;
        for (QWidget* w : widgets) {
            if (auto* label = qobject_cast<QLabel*>(w)) {
                seen += looksLikeMarkup(label->text()) ? 1 : 0;
                // A plain text is never taken for markup, whatever it holds.
                if (label->textFormat() != Qt::PlainText)
                    expectShownAsWritten(label->text(), label->textFormat(), label->objectName());
            }
            if (auto* box = qobject_cast<QMessageBox*>(w))
                expectShownAsWritten(box->text(), box->textFormat(), "a message box");
            expectShownAsWritten(w->toolTip(), Qt::AutoText, "a tool tip");
            if (looksLikeMarkup(w->windowTitle()))
                ADD_FAILURE() << "a window is titled " << w->windowTitle().toStdString();
        }
    }
    EXPECT_GT(seen, 0);
}

class HostileNames : public ::testing::Test {
  protected:
    void SetUp() override {
        qputenv("HEXALINE_ANNOUNCE_ADDRESS", "127.0.0.1");
        announcePort = freeUdpPort();
        qputenv("HEXALINE_ANNOUNCE_PORT", QByteArray::number(announcePort));
        settings::setSettingsFilePath(dir.filePath("orviklobby.ini"));
    }
    void TearDown() override { settings::setSettingsFilePath(QString()); }

    QTemporaryDir dir;
    quint16 announcePort = 0;
};

}  // namespace

TEST_F(HostileNames, AreShownAsWrittenInEveryPlace) {
    Program ann(dir.path());
    const quint16 port = freeTcpPort();
    ASSERT_TRUE(ann.sessions.hostGame("Ann", port, false));
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return ann.panel().playername(1)->text() == "Ann"; }, kTimeoutMs));

    // Three players and a spectator with hostile names, each saying a hostile line.
    std::vector<std::unique_ptr<RawClient>> peers;
    for (const std::string& name : kHostile) {
        peers.push_back(std::make_unique<RawClient>(name));
        peers.back()->connectTo(port);
        ASSERT_TRUE(peers.back()->waitSeated());
    }
    peers.push_back(std::make_unique<RawClient>(kHostile[0] + " watching"));
    peers.back()->connectTo(port);
    ASSERT_TRUE(peers.back()->waitSeated());
    for (auto& peer : peers)
        peer->send(protocol::build(Msg::Chat, {peer->seat(), kHostile[0] + kHostile[1]}));

    // Seats (a long name is cut short with an ellipsis).
    for (int seat = 2; seat <= 4; ++seat) {
        const QString name = QString::fromStdString(kHostile[static_cast<std::size_t>(seat - 2)]);
        const auto shown = [&] {
            const QString text = ann.panel().playername(seat)->text();
            return text == name ||
                   (text.endsWith(QChar(0x2026)) && name.startsWith(text.chopped(1)));
        };
        ASSERT_TRUE(QTest::qWaitFor(shown, kTimeoutMs))
            << seat << ": " << ann.panel().playername(seat)->text().toStdString();
    }
    // The chat log shows the lines as written.
    chat::ChatLog* log = ann.sessions.client().chat().area().mainchat;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return log->toPlainText().count(QString::fromStdString(kHostile[0] + kHostile[1])) == 4;
        },
        kTimeoutMs))
        << log->toPlainText().toStdString();

    // The spy list.
    ann.window.findChild<QAction*>("SpyList1")->trigger();
    auto* spys = ann.spylist.findChild<QListWidget*>("listbox_spys");
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return spys->count() == 1 && spys->item(0)->text().endsWith(
                                             QString::fromStdString(kHostile[0] + " watching"));
        },
        kTimeoutMs));

    // The tally: tick the player, select the entry.
    ann.window.findChild<QAction*>("ViewTally1")->trigger();
    auto* checklist = ann.tallylist.findChild<QListWidget*>("checklist");
    auto* tallied = ann.tallylist.findChild<QListWidget*>("listbox_tally");
    const QString first = QString::fromStdString(kHostile[0]);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return !checklist->findItems(first, Qt::MatchExactly).isEmpty(); }, kTimeoutMs));
    checklist->findItems(first, Qt::MatchExactly).front()->setCheckState(Qt::Checked);
    ASSERT_EQ(tallied->findItems(first, Qt::MatchExactly).size(), 1);
    tallied->setCurrentItem(tallied->findItems(first, Qt::MatchExactly).front());
    auto* hisname = ann.tallylist.findChild<QLabel*>("label_hisnametop");
    ASSERT_NE(hisname, nullptr);
    EXPECT_EQ(hisname->text(), first + "'s Tally");

    // Notices carry what peers and files wrote.
    table::showNotice(&ann.window, first, QMessageBox::Information, first);

    // A forged announcement of a game with a hostile name reaches the join list as written.
    ann.window.findChild<QAction*>("JoinaGame1")->trigger();
    auto* join = qobject_cast<QDialog*>(ann.sessions.openDialog());
    ASSERT_NE(join, nullptr);
    auto* found = join->findChild<QTreeWidget*>("list_games");
    ASSERT_NE(found, nullptr);
    QUdpSocket forger;
    transport::Announcement forged;
    forged.name = QString::fromStdString(kHostile[1] + kHostile[0]);
    forged.port = 4242;
    forged.seatsTaken = 1;
    forged.version = QString::fromLatin1(protocol::kVersion.data(),
                                         static_cast<qsizetype>(protocol::kVersion.size()));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            forger.writeDatagram(transport::writeAnnouncement(forged), QHostAddress::LocalHost,
                                 announcePort);
            return found->topLevelItemCount() == 1;
        },
        kTimeoutMs));
    EXPECT_EQ(found->topLevelItem(0)->text(0), forged.name);

    expectNothingTakenForMarkup();
    join->reject();
}
