// SPDX-License-Identifier: GPL-3.0-or-later
// Whatever a host sends, the client's table and session take it without harm: random fields
// in every message of the client's catalogue, junk bytes, and the user's clicks in between.
#include <gtest/gtest.h>

#include <QTest>
#include <random>

#include "client/client_core.h"
#include "client/recording_services.h"
#include "protocol/builder.h"
#include "protocol/dispatcher.h"
#include "table/game_table.h"
#include "table/hand_image.h"
#include "table/table_panel.h"

using namespace hexaline;
using protocol::Msg;

namespace {

TEST(ClientFuzz, RandomHostMessagesAndClicksNeverBreakTheTable) {
    client::fakes::RecordingServices services;
    client::ClientCore core(services);
    table::TablePanel panel;
    table::GameTable table(panel, core);
    const std::vector<std::string>& sent = services.sent;
    panel.show();

    std::mt19937 rng(4242);
    auto pick = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(rng);
    };
    auto number = [&] { return pick(0, 6) == 0 ? pick(-5, 300) : pick(0, 12); };
    const char* const texts[] = {"", "t", "f", "p", "n", "0", "1", "Ann", "<Waiting>", "Klot", "x"};
    std::vector<Msg> incoming;
    for (const auto& m : protocol::messageTable()) {
        if (m.direction == protocol::Direction::ToClient && m.id != Msg::Full) {
            incoming.push_back(m.id);
        }
    }
    core.dispatch("CMD_sendlogininfo+1");

    for (int i = 0; i < 6000; ++i) {
        const Msg id = incoming[static_cast<std::size_t>(pick(0, int(incoming.size()) - 1))];
        const protocol::MessageLayout& layout = protocol::layoutOf(id);
        auto values = [&](std::span<const protocol::Field> fields) {
            protocol::Values out;
            for (protocol::Field f : fields) {
                if (f == protocol::Field::Number && pick(0, 20) != 0) {
                    out.emplace_back(number());
                } else {
                    out.emplace_back(texts[pick(0, 10)]);
                }
            }
            return out;
        };
        std::vector<protocol::Values> groups;
        for (int n = layout.group.empty() ? 0 : pick(0, 7); n > 0; --n) {
            groups.push_back(values(layout.group));
        }
        std::string wire;
        try {
            wire = protocol::build(id, values(layout.head), groups);
        } catch (const protocol::BuildError&) {
            continue;  // a text where a number goes: not a message the table can build
        }
        while (!wire.empty() && wire.back() == protocol::kTerminator)
            wire.pop_back();
        core.dispatch(wire);

        // The user clicks around in between.
        switch (pick(0, 5)) {
            case 0:
                table.onHandTileReleased(pick(1, 6), pick(0, 4) ? Qt::LeftButton : Qt::RightButton);
                break;
            case 1:
                table.onBoardPressed(pick(0, 4) ? Qt::LeftButton : Qt::RightButton, pick(-5, 440),
                                     pick(-5, 440));
                break;
            case 2:
                core.turn().finish();
                break;
            case 3:
                core.turn().clear();
                break;
            case 4:
                core.events().turnTick();
                break;
            default:
                core.session().toggleJustWatch();
                break;
        }
        for (int r = 1; r <= 12; ++r) {
            for (int c = 1; c <= 12; ++c) {
                const auto& square = table.model().board().at(r, c);
                ASSERT_GE(square.tile, 0);
                ASSERT_LE(square.tile, 108);
            }
        }
    }
    // Every play the table sent is a well-formed play of its own seat.
    for (const std::string& m : sent) {
        const auto command = protocol::splitCommand(m.substr(0, m.find(protocol::kTerminator)));
        ASSERT_TRUE(command.has_value());
        if (command->word == protocol::layoutOf(Msg::Play).word) {
            const protocol::Decoded play = protocol::decode(Msg::Play, command->args);
            EXPECT_EQ(play.head[0], "1");
            for (const auto& g : play.groups) {
                EXPECT_GE(std::stoi(g[0]), 1);
                EXPECT_LE(std::stoi(g[0]), 6);
            }
        }
    }
}

}  // namespace
