// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/tally/tally_table.h"

#include <QList>
#include <algorithm>

#include "text/text_codec.h"

namespace hexaline::tally {

namespace {

TallyTable::Row zeroRow() {
    TallyTable::Row row;
    row.fill(QStringLiteral("0"));
    return row;
}

// Every table row is far below this; a larger count in a file is damage, not a tally.
constexpr qsizetype kMaxRows = 100000;

}  // namespace

TallyTable::TallyTable() : rows_{zeroRow()} {}

const QString& TallyTable::cell(int row, int column) const {
    return rows_.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(column));
}

int TallyTable::count(int row, int column) const {
    bool ok = false;
    const int value = cell(row, column).trimmed().toInt(&ok);
    return ok ? value : 0;
}

void TallyTable::increment(int row, int column) {
    const int value = count(row, column);
    rows_.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(column)) =
        QString::number(value + 1);
}

QStringList TallyTable::names() const {
    QStringList list;
    for (std::size_t r = 1; r < rows_.size(); ++r)
        list << rows_[r][0];
    return list;
}

int TallyTable::rowOf(const QString& name) const {
    for (std::size_t r = 1; r < rows_.size(); ++r) {
        if (rows_[r][0].compare(name, Qt::CaseInsensitive) == 0)
            return static_cast<int>(r);
    }
    return 0;
}

bool TallyTable::addPlayer(const QString& name) {
    if (isTallied(name))
        return false;
    Row row = zeroRow();
    row[0] = name;
    rows_.push_back(row);
    return true;
}

void TallyTable::removeRow(int row) {
    if (row >= 1 && row < rowCount())
        rows_.erase(rows_.begin() + row);
}

void TallyTable::reset() {
    rows_.assign(1, zeroRow());
}

void TallyTable::startSession() {
    for (std::size_t r = 1; r < rows_.size(); ++r) {
        for (int c = 5; c < kColumns; ++c)
            rows_[r][static_cast<std::size_t>(c)] = QStringLiteral("0");
    }
}

void TallyTable::addgame(const QString& winner, const QStringList& inGame) {
    const bool mine = winner == QLatin1String(kAddToMine);
    increment(0, 1);
    if (mine)
        increment(0, 2);
    for (const QString& name : inGame) {
        const int row = rowOf(name);
        if (row == 0)
            continue;
        Row& cells = rows_[static_cast<std::size_t>(row)];
        for (int c = 1; c < kColumns; ++c) {
            if (cells[static_cast<std::size_t>(c)].isEmpty())
                cells[static_cast<std::size_t>(c)] = QStringLiteral("0");
        }
        increment(row, 1);
        increment(row, 5);
        // The row's own name, letter for letter, decides a win by that player.
        if (cells[0] == winner) {
            increment(row, 2);
            increment(row, 6);
        } else if (mine) {
            increment(row, 3);
            increment(row, 7);
        } else {
            increment(row, 4);
            increment(row, 8);
        }
    }
}

QByteArray TallyTable::toText() const {
    QByteArray out;
    const QByteArray end("\r\n");
    out += QByteArray::number(kColumns) + end;
    out += QByteArray::number(rowCount()) + end;
    for (int c = 0; c < kColumns; ++c) {
        for (const Row& row : rows_)
            out += text::encodeText(row[static_cast<std::size_t>(c)]) + end;
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
    table.rows_.assign(static_cast<std::size_t>(rows), Row{});
    qsizetype at = 2;
    for (qsizetype c = 0; c < columns; ++c) {
        for (qsizetype r = 0; r < rows; ++r, ++at) {
            if (c < kColumns && at < lines.size())
                table.rows_[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] =
                    text::decodeText(lines[at]);
        }
    }
    // Row 0 always counts from "0" in the columns the user's tally does not use.
    table.rows_[0][0] = QStringLiteral("0");
    return table;
}

}  // namespace hexaline::tally
