// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tally: a table of text cells, 9 columns, row 0 for the user and one row per tallied
// player. Row 0: column 1 games played, column 2 games won. A player's row: column 0 the name,
// columns 1 to 4 the totals over all runs (games together, the player's wins, the user's wins,
// neither won), columns 5 to 8 the same for this run. Cells hold decimal text; empty counts 0.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

namespace hexaline::tally {

inline constexpr int kColumns = 9;
// The winner word for a game the user won.
inline constexpr char kAddToMine[] = "addtomine";

class TallyTable {
  public:
    using Row = std::array<QString, kColumns>;

    TallyTable();

    int rowCount() const { return static_cast<int>(rows_.size()); }
    const QString& cell(int row, int column) const;
    // Read as a number: empty or unreadable counts as 0.
    int count(int row, int column) const;
    void increment(int row, int column);

    // Tallied players, in row order (row r is player r - 1).
    QStringList names() const;
    // The row of the first tallied player whose name matches, ignoring letter case; 0 if none.
    int rowOf(const QString& name) const;
    bool isTallied(const QString& name) const { return rowOf(name) > 0; }
    // Appends a row with "0" in columns 1 to 8; does nothing when the name is tallied already.
    bool addPlayer(const QString& name);
    void removeRow(int row);
    // Row 0 back to "0", no tallied players.
    void reset();
    // The session counts (columns 5 to 8 of every player) back to "0".
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
    std::vector<Row> rows_;
};

}  // namespace hexaline::tally
