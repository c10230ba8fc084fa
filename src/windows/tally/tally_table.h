// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tally: the user's own counts and one record per tallied player, in the order they were
// added. A player's record holds the counts over all runs and those of this run alone.
//
// Stored, the tally is a table of text cells, 9 columns: row 0 for the user and one row per
// tallied player. Row 0: column 1 games played, column 2 games won, columns 3 to 8 counts this
// program carries unchanged. A player's row: column 0 the name, columns 1 to 4 the totals
// (games together, the player's wins, the user's wins, neither won), columns 5 to 8 the same
// for this run. Counts are decimal text; an empty or unreadable count reads as 0.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

namespace hexaline::tally {

inline constexpr int kColumns = 9;
// The winner word for a game the user won.
inline constexpr char kAddToMine[] = "addtomine";

// A tallied player's counts, over all runs or over this run.
struct TallyCounts {
    int games = 0;       // games played together
    int theirWins = 0;   // won by the player
    int myWins = 0;      // won by the user
    int neitherWon = 0;  // won by someone else
    bool operator==(const TallyCounts&) const = default;
};

struct TalliedPlayer {
    QString name;
    TallyCounts total;
    TallyCounts session;
    bool operator==(const TalliedPlayer&) const = default;
};

struct OwnTally {
    int games = 0;
    int wins = 0;
    std::array<int, 6> carried{};  // columns 3 to 8 of row 0, kept as they were read
    bool operator==(const OwnTally&) const = default;
};

class TallyTable {
  public:
    const OwnTally& own() const { return own_; }
    const std::vector<TalliedPlayer>& players() const { return players_; }

    // The stored table's shape and cells: row 0 for the user, row r for player r - 1.
    int rowCount() const { return static_cast<int>(players_.size()) + 1; }
    QString cell(int row, int column) const;
    int count(int row, int column) const;

    // Tallied players' names, in order.
    QStringList names() const;
    // The first tallied player whose name matches, ignoring letter case; -1 if none.
    int indexOf(const QString& name) const;
    bool isTallied(const QString& name) const { return indexOf(name) >= 0; }
    // Adds a player with no games; does nothing when the name is tallied already.
    bool addPlayer(const QString& name);
    void removePlayer(int index);
    // The user's counts back to 0, no tallied players.
    void reset();
    // The session counts of every player back to 0.
    void startSession();

    // Counts one finished game: `winner` is the winner's name, or "addtomine" for the user's
    // own win; `inGame` are the other seated players of the game.
    void addgame(const QString& winner, const QStringList& inGame);

    // The tally text: "9", the row count, then every cell, column by column, each line ended by
    // CR LF. Names are written in UTF-8.
    QByteArray toText() const;
    // Reads a tally text; missing cells are empty and columns beyond the ninth are ignored.
    static TallyTable fromText(const QByteArray& text);

  private:
    OwnTally own_;
    std::vector<TalliedPlayer> players_;
};

}  // namespace hexaline::tally
