// SPDX-License-Identifier: GPL-3.0-or-later
// A window that is stopped while the game goes on (a suspended laptop) and then resumed stays
// connected: it reads its backlog in turns, never more than its queue holds, and catches up.
// The window is the real program, stopped and resumed with signals.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include <signal.h>

#include "engine/random.h"
#include "host/host_service.h"
#include "protocol/builder.h"
#include "support/raw_client.h"

using namespace hexaline;
using protocol::Msg;
using support::RawClient;
using support::waitFor;

namespace {

constexpr int kTimeoutMs = 20000;

// Bytes that wait to be read, over every connection to `port` of this machine.
long unreadTowards(quint16 port) {
    long unread = 0;
    for (const char* table : {"/proc/net/tcp", "/proc/net/tcp6"}) {
        QFile file(QString::fromLatin1(table));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        file.readLine();  // the heading
        while (!file.atEnd()) {
            const QList<QByteArray> f = file.readLine().simplified().split(' ');
            if (f.size() < 5)
                continue;
            const QList<QByteArray> remote = f[2].split(':');
            const QList<QByteArray> queues = f[4].split(':');
            if (remote.size() == 2 && queues.size() == 2 && remote[1].toUInt(nullptr, 16) == port)
                unread += queues[1].toLong(nullptr, 16);
        }
    }
    return unread;
}

}  // namespace

TEST(StoppedWindow, ResumedItCatchesUpInsteadOfHangingUp) {
    engine::Random random(3);
    session::HostService host(random, {});
    ASSERT_TRUE(host.listen(0));
    const auto& game = host.session().game();

    QTemporaryDir dir;
    QProcess window;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("HEXALINE_CLIENT_QUEUE", "20");  // far less than the backlog below
    window.setProcessEnvironment(env);
    window.setWorkingDirectory(dir.path());
    window.setProgram(QStringLiteral(HEXALINE_EXE));
    window.setArguments({"--instance-dir", dir.path(), "--port", QString::number(host.port()),
                         "Bob", "127.0.0.1", "false"});
    window.start();
    ASSERT_TRUE(window.waitForStarted());
    ASSERT_TRUE(waitFor([&] { return game.seats[1].connected && game.seats[1].name == "Bob"; },
                        kTimeoutMs));

    std::vector<std::unique_ptr<RawClient>> chatters;
    for (const char* name : {"Cid", "Dee", "Eve"}) {
        chatters.push_back(std::make_unique<RawClient>(name));
        chatters.back()->connectTo(host.port());
        ASSERT_TRUE(chatters.back()->waitSeated());
    }
    // Within what the host relays of a burst (a player's budget).
    const auto chatBursts = [&](const std::string& tag, int lines) {
        for (auto& c : chatters) {
            std::string burst;
            for (int n = 0; n < lines; ++n)
                burst += protocol::build(Msg::Chat, {c->seat(), tag + std::to_string(n)});
            c->sendRaw(burst);
        }
    };
    const auto relayedToAll = [&](std::size_t count) {
        for (auto& c : chatters) {
            if (c->of(Msg::ChatRelay).size() < count)
                return false;
        }
        return true;
    };

    // Stopped, the window misses 75 lines: more than its queue may hold.
    ASSERT_EQ(::kill(static_cast<pid_t>(window.processId()), SIGSTOP), 0);
    chatBursts("while stopped ", 25);
    ASSERT_TRUE(waitFor([&] { return relayedToAll(75); }, kTimeoutMs));
    ASSERT_TRUE(waitFor([&] { return unreadTowards(host.port()) > 0; }, kTimeoutMs));
    ASSERT_EQ(::kill(static_cast<pid_t>(window.processId()), SIGCONT), 0);

    // Resumed, it reads everything and stays, and goes on with the game as it goes on.
    ASSERT_TRUE(waitFor([&] { return unreadTowards(host.port()) == 0; }, kTimeoutMs));
    chatBursts("after ", 3);
    ASSERT_TRUE(waitFor([&] { return relayedToAll(84); }, kTimeoutMs));
    ASSERT_TRUE(waitFor([&] { return unreadTowards(host.port()) == 0; }, kTimeoutMs));
    EXPECT_EQ(window.state(), QProcess::Running);
    EXPECT_TRUE(game.seats[1].connected);
    EXPECT_EQ(game.seats[1].name, "Bob");

    window.terminate();
    if (!window.waitForFinished(5000))
        window.kill();
}
