// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/tally/tally_table.h"

#include <QList>
#include <algorithm>
#include <climits>

#include "text/text_codec.h"

namespace hexaline::tally {

namespace {

// Every table row is far below this; a larger count in a file is damage, not a tally.
constexpr qsizetype kMaxRows = 100000;

// A count as stored: empty or unreadable text counts 0.
int readCount(const QByteArray& line) {
    bool ok = false;
    const int value = text::decodeText(line).trimmed().toInt(&ok);
    return ok ? value : 0;
}

// One more game; a count already at the largest number stays there.
void countOne(int& count) {
    if (count < INT_MAX)
        ++count;
}

// A player's counts (TalliedPlayer, const or not) in the order of the stored columns 1 to 8.
template <class Player>
auto playerColumns(Player& p) {
    return std::array{&p.total.games,      &p.total.theirWins,   &p.total.myWins,
                      &p.total.neitherWon, &p.session.games,     &p.session.theirWins,
                      &p.session.myWins,   &p.session.neitherWon};
}

// The user's counts (OwnTally, const or not) in the order of the stored columns 1 to 8.
template <class Own>
auto ownColumns(Own& own) {
    return std::array{&own.games,      &own.wins,       &own.carried[0], &own.carried[1],
                      &own.carried[2], &own.carried[3], &own.carried[4], &own.carried[5]};
}

void countGame(TallyCounts& counts, bool theirs, bool mine) {
    countOne(counts.games);
    countOne(theirs ? counts.theirWins : mine ? counts.myWins : counts.neitherWon);
}

}  // namespace

int TallyTable::count(int row, int column) const {
    if (column < 1 || column >= kColumns || row < 0 || row >= rowCount())
        return 0;
    const auto counts =
        row == 0 ? ownColumns(own_) : playerColumns(players_[static_cast<std::size_t>(row - 1)]);
    return *counts[static_cast<std::size_t>(column - 1)];
}

QString TallyTable::cell(int row, int column) const {
    if (column == 0)
        return row == 0 ? QStringLiteral("0") : players_.at(static_cast<std::size_t>(row - 1)).name;
    return QString::number(count(row, column));
}

QStringList TallyTable::names() const {
    QStringList list;
    for (const TalliedPlayer& p : players_)
        list << p.name;
    return list;
}

int TallyTable::indexOf(const QString& name) const {
    for (std::size_t i = 0; i < players_.size(); ++i) {
        if (players_[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    }
    return -1;
}

bool TallyTable::addPlayer(const QString& name) {
    if (isTallied(name))
        return false;
    players_.push_back(TalliedPlayer{name, {}, {}});
    return true;
}

void TallyTable::removePlayer(int index) {
    if (index >= 0 && index < static_cast<int>(players_.size()))
        players_.erase(players_.begin() + index);
}

void TallyTable::reset() {
    own_ = OwnTally{};
    players_.clear();
}

void TallyTable::startSession() {
    for (TalliedPlayer& p : players_)
        p.session = TallyCounts{};
}

void TallyTable::addgame(const QString& winner, const QStringList& inGame) {
    const bool mine = winner == QLatin1String(kAddToMine);
    countOne(own_.games);
    if (mine)
        countOne(own_.wins);
    for (const QString& name : inGame) {
        const int index = indexOf(name);
        if (index < 0)
            continue;
        TalliedPlayer& p = players_[static_cast<std::size_t>(index)];
        // The player's own name, letter for letter, decides a win by that player.
        const bool theirs = p.name == winner;
        countGame(p.total, theirs, mine);
        countGame(p.session, theirs, mine);
    }
}

QByteArray TallyTable::toText() const {
    QByteArray out;
    const QByteArray end("\r\n");
    out += QByteArray::number(kColumns) + end;
    out += QByteArray::number(rowCount()) + end;
    for (int c = 0; c < kColumns; ++c) {
        for (int r = 0; r < rowCount(); ++r)
            out += text::encodeText(cell(r, c)) + end;
    }
    return out;
}

TallyTable TallyTable::fromText(const QByteArray& text) {
    QList<QByteArray> lines = text.split('\n');
    for (QByteArray& line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
    }
    TallyTable table;
    if (lines.size() < 2)
        return table;
    const qsizetype columns = std::max<qsizetype>(0, lines[0].trimmed().toLongLong());
    qsizetype rows = std::clamp<qsizetype>(lines[1].trimmed().toLongLong(), 1, kMaxRows);
    // Every row has at least its name line: a count beyond the text is damage.
    rows = std::min(rows, std::max<qsizetype>(1, lines.size() - 2));
    table.players_.assign(static_cast<std::size_t>(rows - 1), TalliedPlayer{});
    const qsizetype used = std::min<qsizetype>(columns, kColumns);
    qsizetype at = 2;
    // The user's name cell (row 0, column 0) is not read: it always stands as "0".
    for (qsizetype c = 0; c < used; ++c) {
        for (qsizetype r = 0; r < rows && at < lines.size(); ++r, ++at) {
            if (r > 0 && c == 0) {
                table.players_[static_cast<std::size_t>(r - 1)].name = text::decodeText(lines[at]);
            } else if (c > 0) {
                const auto counts =
                    r == 0 ? ownColumns(table.own_)
                           : playerColumns(table.players_[static_cast<std::size_t>(r - 1)]);
                *counts[static_cast<std::size_t>(c - 1)] = readCount(lines[at]);
            }
        }
    }
    return table;
}

}  // namespace hexaline::tally
