// SPDX-License-Identifier: GPL-3.0-or-later
// A player whose machine vanishes in the middle of a game, without closing anything (a pulled
// cable, a laptop that sleeps): the host frees the seat within about a minute, although it has
// data on its way to the peer all the while.
//
// The test needs a network of its own: it moves its process into a new network namespace
// (root, or CAP_SYS_ADMIN and CAP_NET_ADMIN) and takes the loopback interface down under the
// connections. Where that cannot be set up it is skipped.
#include <gtest/gtest.h>
#include <net/if.h>
#include <sched.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <vector>

#include "host/host_service_fixture.h"
#include "protocol/builder.h"

namespace hexaline::session {
namespace {

using protocol::Msg;
using support::waitFor;

// Brings the loopback interface of the current namespace up or down.
bool setLoopback(bool up) {
    const int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
    if (fd < 0)
        return false;
    ifreq request{};
    std::strncpy(request.ifr_name, "lo", IFNAMSIZ - 1);
    bool ok = ::ioctl(fd, SIOCGIFFLAGS, &request) == 0;
    if (ok) {
        if (up) {
            request.ifr_flags = static_cast<short>(request.ifr_flags | IFF_UP);
        } else {
            request.ifr_flags = static_cast<short>(request.ifr_flags & ~IFF_UP);
        }
        ok = ::ioctl(fd, SIOCSIFFLAGS, &request) == 0;
    }
    ::close(fd);
    return ok;
}

class HostVanishTest : public HostServiceFixture {
  protected:
    void SetUp() override {
        if (::unshare(CLONE_NEWNET) != 0 || !setLoopback(true))
            GTEST_SKIP() << "no network namespace of its own (needs root or CAP_SYS_ADMIN)";
        HostServiceFixture::SetUp();
        // Game time runs as usual: turns wait for the players.
        host->options().secondMs = 1000;
        host->options().botSpeed = [] { return 1000; };
    }
};

TEST_F(HostVanishTest, APeerGoneMidGameIsFreedWithinAMinute) {
    std::vector<int> connections;
    QObject::connect(&host->link(), &transport::HostLink::accepted,
                     [&](int id) { connections.push_back(id); });
    join("Ann");
    join("Bob");
    clients[0]->send(protocol::build(Msg::StartGame, {"Ann", "500", "60"}));
    ASSERT_TRUE(waitFor([&] { return host->session().game().gameon; }));

    // Both machines vanish at once (they share the interface); the host keeps talking to them,
    // as a game does, so the data sent to them is never acknowledged.
    ASSERT_TRUE(setLoopback(false));
    QElapsedTimer clock;
    clock.start();
    QTimer talk;
    QObject::connect(&talk, &QTimer::timeout, [&] {
        for (const int id : connections)
            host->link().send(id, protocol::build(Msg::ChatRelay, {1, "Ann chats: anyone there?"}));
    });
    talk.start(1000);

    const auto& seats = host->session().game().seats;
    ASSERT_TRUE(waitFor([&] { return !seats[2].connected; }, 90'000));
    const qint64 freedMs = clock.elapsed();
    std::printf("seat 2 freed %.1f s after its peer vanished\n", double(freedMs) / 1000.0);
    RecordProperty("freed_ms", static_cast<int>(freedMs));
    EXPECT_TRUE(waitFor([&] { return !seats[1].connected; }, 10'000));
}

}  // namespace
}  // namespace hexaline::session
