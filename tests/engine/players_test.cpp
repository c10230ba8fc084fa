// SPDX-License-Identifier: GPL-3.0-or-later
// The computer players beyond Normal: every legal play found and scored as the host scores it,
// Strong never refused and blind to what its seat cannot see, and the level switch.
#include <set>
#include <utility>

#include "engine/players/best.h"
#include "engine/players/moves.h"
#include "engine/players/normal.h"
#include "engine/players/strong.h"
#include "engine_fixture.h"

namespace hexaline::engine::testing {
namespace {

// Positions on computer turns of seeded two-seat games between the given levels.
std::vector<HostTables> positions(BotLevel first, BotLevel second, int games, std::uint32_t seed) {
    std::vector<HostTables> out;
    Random random(seed);
    for (int game = 0; game < games; ++game) {
        VirtualOutlet outlet;
        outlet.keep = false;
        Host host(outlet, random);
        outlet.attach(host);
        host.setbotlevel(1, first);
        host.setbotlevel(2, second);
        host.takeseat(1);
        host.startgame("t", "150", "30");
        host.watch(1, true);
        host.turnseatleft(1);
        while (host.gameon && outlet.step()) {
            EXPECT_TRUE(outlet.alerts.empty()) << outlet.alerts.front();
            if (!outlet.alerts.empty())
                return out;
            if (host.turnstate == TurnState::Play && outlet.computerArmed())
                out.push_back(host);
        }
    }
    return out;
}

// The slots and squares of a play, to compare plays found in different ways.
using Shape = std::set<std::pair<int, std::pair<int, int>>>;
Shape shapeof(const Placements& placed) {
    Shape s;
    for (int slot = 1; slot <= kHandSlots; ++slot) {
        if (placed[slot].row != 0)
            s.insert({slot, {placed[slot].row, placed[slot].column}});
    }
    return s;
}

class Mirror {
  public:
    Mirror() : random_(1), host(outlet_, random_) {
        outlet_.keep = false;
        outlet_.attach(host);
    }
    // The points the host gives the play, or -1 when it refuses it.
    int tryplay(const HostTables& position, const std::string& text) {
        host.restore(position);
        const int seat = position.currentplayer;
        host.myturn(text);
        if (host.turnstate == TurnState::Play)
            return -1;
        return host.seats[seat].score - position.seats[seat].score;
    }

  private:
    VirtualOutlet outlet_;
    Random random_;

  public:
    Host host;
};

TEST(LegalMoves, AreExactlyThePlaysTheHostAcceptsWithTheHostsScore) {
    Mirror mirror;
    int checked = 0;
    int runouts = 0;
    int sixes = 0;
    const auto all = positions(BotLevel::Best, BotLevel::Strong, 6, 77);
    for (std::size_t i = 0; i < all.size(); i += 3) {
        const HostTables& p = all[i];
        const int seat = p.currentplayer;
        const Hand& hand = p.seats[seat].hand;
        std::vector<Move> moves;
        legalmoves(p.board, hand, p.firstplay == 1, moves);
        std::set<Shape> found;
        for (const Move& m : moves) {
            ASSERT_TRUE(found.insert(shapeof(m.placed)).second) << "a play listed twice";
            ASSERT_EQ(mirror.tryplay(p, playtext(seat, m.placed)), m.score)
                << playtext(seat, m.placed);
            runouts += m.score >= 10 && m.tiles == kHandSlots;
            sixes += m.score >= 12;
            ++checked;
        }
        if (p.firstplay == 1)
            continue;
        // Every play of one or two tiles the host accepts is listed.
        for (int a = 1; a <= kHandSlots; ++a) {
            for (int r = kFirstLine; r <= kLastLine; ++r) {
                for (int c = kFirstLine; c <= kLastLine; ++c) {
                    if (hand[a] == 0 || p.board[r][c].committed != 0)
                        continue;
                    Placements one{};
                    one[a] = {r, c};
                    if (mirror.tryplay(p, playtext(seat, one)) >= 0) {
                        ASSERT_TRUE(found.count(shapeof(one))) << playtext(seat, one);
                    }
                    for (int b = 1; b <= kHandSlots; ++b) {
                        if (b == a || hand[b] == 0)
                            continue;
                        for (const auto& [dr, dc] : {std::pair{0, 1}, std::pair{1, 0}}) {
                            Placements two = one;
                            two[b] = {r + dr, c + dc};
                            if (mirror.tryplay(p, playtext(seat, two)) >= 0) {
                                ASSERT_TRUE(found.count(shapeof(two))) << playtext(seat, two);
                            }
                        }
                    }
                }
            }
        }
    }
    EXPECT_GT(checked, 3000);
    EXPECT_GT(sixes, 0);
}

TEST(BestScorePlayer, LaysAPlayWithTheHighestScore) {
    BestScorePlayer best;
    Mirror mirror;
    for (const HostTables& p : positions(BotLevel::Normal, BotLevel::Best, 2, 5)) {
        const int seat = p.currentplayer;
        std::vector<Move> moves;
        legalmoves(p.board, p.seats[seat].hand, p.firstplay == 1, moves);
        int top = -1;
        for (const Move& m : moves)
            top = std::max(top, m.score);
        mirror.host.restore(p);
        const std::string text = best.choose(mirror.host.seatview(seat));
        ASSERT_EQ(mirror.tryplay(p, text), top) << text;
    }
}

TEST(StrongPlayer, IsNeverRefusedOverManySeededGames) {
    // positions() fails on any alert, which a refused computer play raises.
    for (BotLevel other : {BotLevel::Strong, BotLevel::Best, BotLevel::Normal})
        EXPECT_FALSE(positions(BotLevel::Strong, other, 8, 31).empty());
}

// The same position with the unseen tiles dealt differently: the bag's remaining order is
// turned and the opponent's hand swapped with tiles from the bag.
HostTables reshuffled(HostTables p, int seat, int turn) {
    const int from = std::min(p.drawn, kTileCount) + 1;
    const int other = seat == 1 ? 2 : 1;
    if (from <= kTileCount)
        std::rotate(p.bag.begin() + from, p.bag.begin() + from + turn % (kTileCount + 1 - from),
                    p.bag.end());
    for (int slot = 1; slot <= kHandSlots && from + slot - 1 <= kTileCount; ++slot) {
        if (p.seats[other].hand[slot] != 0)
            std::swap(p.seats[other].hand[slot], p.bag[from + slot - 1]);
    }
    return p;
}

TEST(StrongPlayer, UsesOnlyWhatItsSeatCanSee) {
    Mirror a;
    Mirror b;
    StrongPlayer strong;
    int differing = 0;
    int compared = 0;
    const auto all = positions(BotLevel::Strong, BotLevel::Best, 3, 99);
    for (std::size_t i = 0; i < all.size(); i += 2) {
        const HostTables& p = all[i];
        const int seat = p.currentplayer;
        const HostTables q = reshuffled(p, seat, static_cast<int>(i) + 7);
        differing += q.bag != p.bag || q.seats[3 - seat].hand != p.seats[3 - seat].hand;
        a.host.restore(p);
        b.host.restore(q);
        ASSERT_EQ(strong.choose(a.host.seatview(seat)), strong.choose(b.host.seatview(seat)))
            << "position " << i;
        ++compared;
    }
    EXPECT_GT(compared, 80);
    EXPECT_GT(differing, compared / 2);
}

TEST(BotLevels, NamesAndTheSwitchApplyFromTheNextMove) {
    for (BotLevel level : {BotLevel::Normal, BotLevel::Strong, BotLevel::Best})
        EXPECT_EQ(parsebotlevel(botlevelname(level)), level);
    EXPECT_FALSE(parsebotlevel("Strong").has_value());
    EXPECT_FALSE(parsebotlevel("").has_value());

    Mirror mirror;
    BestScorePlayer best;
    NormalPlayer normal;
    int switched = 0;
    for (const HostTables& p : positions(BotLevel::Normal, BotLevel::Normal, 1, 3)) {
        Host& host = mirror.host;
        host.restore(p);
        const int seat = p.currentplayer;
        host.setbotlevel(BotLevel::Normal);
        EXPECT_EQ(host.botlevel(), BotLevel::Normal);
        const std::string usual = host.computersuggestion(seat);
        EXPECT_EQ(usual, normal.choose(host.seatview(seat)));
        host.setbotlevel(BotLevel::Best);
        EXPECT_EQ(host.botlevel(), BotLevel::Best);
        const std::string better = host.computersuggestion(seat);
        EXPECT_EQ(better, best.choose(host.seatview(seat)));
        switched += usual != better;
    }
    EXPECT_GT(switched, 10);
}

}  // namespace
}  // namespace hexaline::engine::testing
