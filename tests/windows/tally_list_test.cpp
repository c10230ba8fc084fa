// SPDX-License-Identifier: GPL-3.0-or-later
// The tally: its counting rules, the window's adding, removing and reset, and the file across
// restarts, damaged files included.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QTemporaryDir>

#include "windows/tally/tally_codec.h"
#include "windows/tally/tally_list_form.h"
#include "windows/tally/tally_store.h"
#include "windows/tally/tally_table.h"

namespace hexaline::tally {
namespace {

TEST(TallyTable, CountsByTheRules) {
    TallyTable table;
    table.addPlayer(QStringLiteral("Bob"));
    table.addPlayer(QStringLiteral("Cy"));
    EXPECT_FALSE(table.addPlayer(QStringLiteral("BOB")));  // looking up ignores letter case

    table.addgame(QStringLiteral("addtomine"), {QStringLiteral("Bob"), QStringLiteral("Dee")});
    table.addgame(QStringLiteral("Bob"), {QStringLiteral("Bob"), QStringLiteral("Cy")});
    table.addgame(QStringLiteral("Dee"), {QStringLiteral("Cy"), QStringLiteral("Dee")});
    EXPECT_EQ(table.count(0, 1), 3);
    EXPECT_EQ(table.count(0, 2), 1);
    // Bob: two games, one his, one the user's; totals and session alike.
    for (int offset : {0, 4}) {
        EXPECT_EQ(table.count(1, 1 + offset), 2);
        EXPECT_EQ(table.count(1, 2 + offset), 1);
        EXPECT_EQ(table.count(1, 3 + offset), 1);
        EXPECT_EQ(table.count(1, 4 + offset), 0);
    }
    // Cy: two games won by neither the user nor Cy.
    EXPECT_EQ(table.count(2, 1), 2);
    EXPECT_EQ(table.count(2, 4), 2);
    EXPECT_EQ(table.count(2, 2), 0);
}

TEST(TallyTable, LetterCaseFindsTheRowButDoesNotWin) {
    TallyTable table;
    table.addPlayer(QStringLiteral("ann"));
    // Ann and ANN in one game both find row "ann", which counts the game twice, and a win by
    // "Ann" is not a win of "ann".
    table.addgame(QStringLiteral("Ann"), {QStringLiteral("Ann"), QStringLiteral("ANN")});
    EXPECT_EQ(table.count(1, 1), 2);
    EXPECT_EQ(table.count(1, 2), 0);
    EXPECT_EQ(table.count(1, 4), 2);
    table.addgame(QStringLiteral("ann"), {QStringLiteral("ANN")});
    EXPECT_EQ(table.count(1, 2), 1);
    // A player named addtomine cannot be told from a win by the user.
    table.addPlayer(QStringLiteral("addtomine"));
    table.addgame(QStringLiteral("addtomine"), {QStringLiteral("addtomine")});
    EXPECT_EQ(table.count(2, 2), 1);
    EXPECT_EQ(table.count(0, 2), 1);
}

TEST(TallyTable, TextRoundTripsAndOddTextsStillRead) {
    TallyTable table;
    table.addPlayer(QStringLiteral("Zoë"));
    table.addgame(QStringLiteral("Zoë"), {QStringLiteral("Zoë")});
    const QByteArray text = table.toText();
    EXPECT_TRUE(text.startsWith("9\r\n2\r\n0\r\nZo\xC3\xAB\r\n1\r\n1\r\n"));
    const TallyTable back = TallyTable::fromText(text);
    EXPECT_EQ(back.toText(), text);

    // Empty cells count as 0 and are set to "0" when the player next plays.
    TallyTable sparse = TallyTable::fromText("9\r\n2\r\n0\r\nBob\r\n");
    EXPECT_EQ(sparse.names(), QStringList{QStringLiteral("Bob")});
    EXPECT_EQ(sparse.count(1, 3), 0);
    sparse.addgame(QStringLiteral("addtomine"), {QStringLiteral("bob")});
    EXPECT_EQ(sparse.cell(1, 3), QStringLiteral("1"));
    EXPECT_EQ(sparse.cell(1, 2), QStringLiteral("0"));
    // A row count far beyond the text does not make a huge table.
    EXPECT_LE(TallyTable::fromText("9\r\n99999999\r\n0\r\n").rowCount(), 2);
}

// The records read from a stored tally write back to the same text, and a saved file to the
// same bytes: the user's carried counts, names in UTF-8 and the column order included.
TEST(TallyTable, RecordsWriteBackTheStoredTextByteForByte) {
    const QByteArray text =
        "9\r\n3\r\n0\r\nBob\r\nZo\xC3\xAB\r\n"  // names
        "12\r\n4\r\n7\r\n"                      // games
        "5\r\n1\r\n2\r\n"                       // their wins / my wins
        "31\r\n2\r\n3\r\n"
        "41\r\n1\r\n2\r\n"
        "51\r\n0\r\n0\r\n"  // session columns: 0 after a load
        "61\r\n0\r\n0\r\n"
        "71\r\n0\r\n0\r\n"
        "81\r\n0\r\n0\r\n";
    const TallyTable table = TallyTable::fromText(text);
    EXPECT_EQ(table.own().games, 12);
    EXPECT_EQ(table.own().wins, 5);
    EXPECT_EQ(table.own().carried, (std::array<int, 6>{31, 41, 51, 61, 71, 81}));
    ASSERT_EQ(table.players().size(), 2u);
    EXPECT_EQ(table.players()[1],
              (TalliedPlayer{QStringLiteral("Zoë"), TallyCounts{7, 2, 3, 2}, TallyCounts{}}));
    EXPECT_EQ(table.toText(), text);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("agametally.tld"));
    const std::vector<std::uint8_t> bytes = encodeTallyFile(text.toStdString());
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
    }
    ASSERT_TRUE(saveTally(path, loadTally(path).table));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray(reinterpret_cast<const char*>(bytes.data()),
                                         static_cast<qsizetype>(bytes.size())));

    // Counts that are not numbers read as 0; the largest count stays where it is.
    TallyTable odd = TallyTable::fromText("9\r\n2\r\n0\r\nBob\r\n2147483647\r\nx\r\n");
    EXPECT_EQ(odd.players()[0].total.games, 0);
    odd.addgame(QStringLiteral("Bob"), {QStringLiteral("Bob")});
    EXPECT_EQ(odd.own().games, 2147483647);
    EXPECT_EQ(odd.players()[0].total, (TallyCounts{1, 1, 0, 0}));
}

// The lists only show: a name changed in a list item (as an accessibility tool or a style
// could) never changes who is tallied or removed.
TEST(TallyListForm, NamesComeFromTheTallyNotFromTheLists) {
    QTemporaryDir dir;
    TallyListForm form(dir.filePath(QStringLiteral("agametally.tld")));
    form.setSeatCaptions([] { return QStringList{QStringLiteral("Ann"), QStringLiteral("Bob")}; });
    QStringList questions;
    form.setConfirm([&](const QString& question) {
        questions << question;
        return true;
    });
    form.loadchecklist();
    form.inGameList->item(1)->setText(QStringLiteral("Mallory"));
    form.inGameList->item(1)->setCheckState(Qt::Checked);
    EXPECT_EQ(form.table().names(), QStringList{QStringLiteral("Bob")});
    form.addgame(QStringLiteral("Bob"));
    EXPECT_EQ(form.table().players()[0].total, (TallyCounts{1, 1, 0, 0}));
    form.talliedList->item(0)->setText(QStringLiteral("Eve"));
    form.talliedList->item(0)->setCheckState(Qt::Unchecked);
    EXPECT_EQ(questions, QStringList{"This will delete Bob's Tally. Do you want to delete it?"});
    EXPECT_TRUE(form.table().names().isEmpty());
}

class TallyFormTest : public ::testing::Test {
  protected:
    QString path() const { return dir.filePath(QStringLiteral("agametally.tld")); }

    std::unique_ptr<TallyListForm> open() {
        auto form = std::make_unique<TallyListForm>(path());
        form->setSeatCaptions([this] { return seats; });
        form->setConfirm([this](const QString& question) {
            questions << question;
            return answer;
        });
        return form;
    }

    void check(QListWidget* list, int row, bool on) {
        list->item(row)->setCheckState(on ? Qt::Checked : Qt::Unchecked);
    }

    QTemporaryDir dir;
    QStringList seats{QStringLiteral("Klot"), QStringLiteral("<Waiting>"),
                      QStringLiteral("<Waiting>")};
    QStringList questions;
    bool answer = true;
};

TEST_F(TallyFormTest, GamesWonAndLostShowAfterARestart) {
    {
        auto form = open();
        form->loadchecklist();
        ASSERT_EQ(form->inGameList->count(), 1);  // "<Waiting>" seats are not players
        check(form->inGameList, 0, true);
        ASSERT_EQ(form->talliedList->count(), 1);
        form->addgame(QStringLiteral("addtomine"));
        form->addgame(QStringLiteral("Klot"));
        // Saved after each game: the file already holds both.
        EXPECT_EQ(loadTally(path()).table.count(1, 1), 2);
        EXPECT_FALSE(QFile::exists(QStringLiteral("temp.txt")));
    }
    auto form = open();
    EXPECT_TRUE(form->loadError().isEmpty());
    EXPECT_EQ(form->myGamesLabel->text(), "2");
    EXPECT_EQ(form->myWinsLabel->text(), "1");
    ASSERT_EQ(form->talliedList->count(), 1);
    EXPECT_EQ(form->talliedList->item(0)->checkState(), Qt::Checked);
    form->talliedList->setCurrentRow(0);
    EXPECT_EQ(form->playerTitleLabel->text(), "Klot's Tally");
    EXPECT_EQ(form->playerWinsCaption->text(), "Klot Wins:");
    // Totals carry over; the session columns start again at 0.
    const QStringList shown{form->countLabels[0]->text(), form->countLabels[1]->text(),
                            form->countLabels[2]->text(), form->countLabels[3]->text(),
                            form->countLabels[4]->text(), form->countLabels[5]->text()};
    EXPECT_EQ(shown, QStringList({"2", "1", "1", "0", "0", "0"}));
}

TEST_F(TallyFormTest, RemovingAskedAndAnsweredNoKeepsThePlayer) {
    auto form = open();
    form->loadchecklist();
    check(form->inGameList, 0, true);
    form->addgame(QStringLiteral("Klot"));
    answer = false;
    check(form->talliedList, 0, false);
    EXPECT_EQ(questions, QStringList{"This will delete Klot's Tally. Do you want to delete it?"});
    EXPECT_EQ(form->talliedList->item(0)->checkState(), Qt::Checked);
    EXPECT_EQ(form->table().count(1, 2), 1);

    answer = true;
    check(form->talliedList, 0, false);
    EXPECT_EQ(form->talliedList->count(), 0);
    EXPECT_EQ(form->table().rowCount(), 1);
    EXPECT_EQ(loadTally(path()).table.rowCount(), 1);
}

TEST_F(TallyFormTest, ResetAskedFirst) {
    auto form = open();
    form->loadchecklist();
    check(form->inGameList, 0, true);
    form->addgame(QStringLiteral("addtomine"));
    answer = false;
    form->resetTally();
    EXPECT_EQ(form->myGamesLabel->text(), "1");
    answer = true;
    form->resetTally();
    EXPECT_EQ(questions.last(), "Are you sure you want to reset the Tally?");
    EXPECT_EQ(form->myGamesLabel->text(), "0");
    EXPECT_EQ(form->talliedList->count(), 0);
    EXPECT_EQ(form->countLabels[0]->text(), "0");
    EXPECT_EQ(form->table().rowCount(), 1);
}

TEST_F(TallyFormTest, ADamagedFileIsReportedAndKeptAside) {
    QFile file(path());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(
        "WRZL\x10\x00\x00\x00\x03\x00\x80"
        "ab",
        13);  // 16 announced, 2 stored
    file.close();
    {
        auto form = open();
        EXPECT_EQ(form->loadError(),
                  "Lzrw1 (decompression LZRW1/KH) : Original and compressed sizes do not match !");
        EXPECT_EQ(form->keptAs(), path() + ".damaged");
        EXPECT_EQ(form->table().rowCount(), 1);
        EXPECT_EQ(form->myGamesLabel->text(), "0");
    }
    // The next save wrote a fresh file and left the damaged one as it was.
    QFile kept(path() + ".damaged");
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("WRZL\x10\x00\x00\x00\x03\x00\x80"
                                         "ab",
                                         13));
    EXPECT_TRUE(loadTally(path()).error.isEmpty());

    // A second damaged file does not replace the first one kept.
    QFile bad(path());
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("NOPE");
    bad.close();
    const TallyLoad load = loadTally(path());
    EXPECT_EQ(load.error, QDir::toNativeSeparators(path()) +
                              " : Lzrw1 decompression : this file has no valid header !");
    EXPECT_EQ(load.keptAs, path() + ".damaged-2");
}

}  // namespace
}  // namespace hexaline::tally
