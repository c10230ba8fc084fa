// SPDX-License-Identifier: GPL-3.0-or-later
// Handing messages to handlers by their exact command word.
#include <gtest/gtest.h>

#include "protocol/dispatcher.h"

using namespace hexaline::protocol;

TEST(Dispatcher, CallsTheHandlerOfTheExactWordWithItsFields) {
    Dispatcher d(Direction::ToHost);
    std::vector<std::string> calls;
    d.on(Msg::Pass, [&](Reader& r, Origin from) {
        calls.push_back("pass " + std::to_string(r.number()) + " from " + std::to_string(from));
    });
    d.on(Msg::Chat, [&](Reader& r, Origin) {
        const int seat = r.number();
        calls.push_back("chat " + std::to_string(seat) + " " + r.rest());
    });

    EXPECT_EQ(d.dispatch("CMD_ipass+2+", 7).outcome, Dispatcher::Outcome::Handled);
    EXPECT_EQ(d.dispatch("CMD_chat+1+hi+there|clRed").outcome, Dispatcher::Outcome::Handled);
    EXPECT_EQ(calls, (std::vector<std::string>{"pass 2 from 7", "chat 1 hi+there|clRed"}));
}

TEST(Dispatcher, IgnoresEmptyUnknownAndOtherSidesMessages) {
    Dispatcher d(Direction::ToClient);
    int handled = 0;
    d.on(Msg::TimesUp, [&](Reader&, Origin) { ++handled; });
    for (const char* m : {"", "CMD_timesup", "CMD_TimesUp+", "cmd_timesup+", "CMD_ipass+1+",
                          "CMD_endround+", "garbage\x01\x02+\x03", "+"}) {
        EXPECT_EQ(d.dispatch(m).outcome, Dispatcher::Outcome::Ignored) << m;
    }
    EXPECT_EQ(handled, 0);
    EXPECT_EQ(d.dispatch("CMD_timesup+").outcome, Dispatcher::Outcome::Handled);
    EXPECT_EQ(handled, 1);
}

TEST(Dispatcher, ABadNumberStopsOnlyThatMessage) {
    Dispatcher d(Direction::ToClient);
    std::vector<int> applied;
    d.on(Msg::MyTiles, [&](Reader& r, Origin) {
        r.number();
        while (!r.atListEnd()) {
            const int slot = r.number();
            r.number();
            applied.push_back(slot);
        }
    });
    const auto bad = d.dispatch("CMD_mytiles+1+1+5+2+x+3+7");
    EXPECT_EQ(bad.outcome, Dispatcher::Outcome::Failed);
    EXPECT_EQ(bad.word, "CMD_mytiles");
    EXPECT_NE(bad.reason.find("not a number"), std::string::npos);
    EXPECT_EQ(applied, (std::vector<int>{1}));  // what came before the bad field stays applied

    EXPECT_EQ(d.dispatch("CMD_mytiles+1+4+9").outcome, Dispatcher::Outcome::Handled);
    EXPECT_EQ(applied, (std::vector<int>{1, 4}));
}
