// SPDX-License-Identifier: GPL-3.0-or-later
// The profile file: reading by section and key, and writes that leave every other byte alone.
#include <gtest/gtest.h>
#include <QDir>

#include "settings_test_files.h"
#include "text/settings/profile_file.h"
#include "text/settings/profile_number.h"
#include "text/text_codec.h"

using namespace hexaline::settings;
using hexaline::settings::testing::SettingsFileTest;

namespace {

using ProfileFileTest = SettingsFileTest;

TEST_F(ProfileFileTest, MatchesSectionsAndKeysWithoutRegardToCase) {
    put("[other]\ntextsize=99\n[AGAME]\n  textSIZE = 12 \nTop=$1f\n");
    const ProfileFile f = ProfileFile::load(path());
    EXPECT_EQ(f.readString(u"agame", u"Textsize", "x"), "12");
    EXPECT_EQ(f.readInteger(u"Agame", u"TEXTSIZE", 8), 12);
    EXPECT_EQ(f.readInteger(u"agame", u"top", 3), 31);
    EXPECT_EQ(f.readInteger(u"agame", u"Left", 3), 3);
    EXPECT_EQ(f.readString(u"nosuch", u"Textsize", "dflt"), "dflt");
    // A key of another section is not found in this one.
    EXPECT_EQ(f.readInteger(u"agame", u"textsize", 8), 12);
}

TEST_F(ProfileFileTest, FirstSectionAndFirstKeyWinAndCommentsAreNotKeys) {
    put("[agame]\n;Help=9\nHelp=1\nHelp=2\n[agame]\nHelp=3\nnot a key line\n");
    ProfileFile f = ProfileFile::load(path());
    EXPECT_EQ(f.readString(u"agame", u"Help", "-"), "1");
    EXPECT_EQ(f.readString(u"agame", u";Help", "-"), "-");
    ASSERT_TRUE(f.writeString(u"agame", u"Help", u"5"));
    EXPECT_EQ(f.bytes(), "[agame]\n;Help=9\nHelp=5\nHelp=2\n[agame]\nHelp=3\nnot a key line\n");
}

TEST_F(ProfileFileTest, ReplacingAKeyKeepsEveryOtherByte) {
    const QByteArray before =
        "; lobby settings\r\n"
        "[lobby]\r\n"
        "Name = someone \r\n"
        "\r\n"
        "[AGame]\r\n"
        "textSIZE=8\r\n"
        "  odd line without equals\r\n"
        "\r\n"
        "[zzz]\r\n"
        "a=b";
    put(before);
    ProfileFile f = ProfileFile::load(path());
    ASSERT_TRUE(f.writeString(u"agame", u"Textsize", u"12"));
    ASSERT_TRUE(f.save());
    QByteArray expected = before;
    expected.replace("textSIZE=8", "textSIZE=12");
    EXPECT_EQ(contents(), expected);
}

TEST_F(ProfileFileTest, NewKeyLandsAtTheEndOfItsOwnSectionInTheFilesLineEnding) {
    put("[agame]\r\nTop=3\r\n\r\n[lobby]\r\nx=1\r\n");
    ProfileFile f = ProfileFile::load(path());
    ASSERT_TRUE(f.writeString(u"AGAME", u"Width", u"800"));
    ASSERT_TRUE(f.save());
    EXPECT_EQ(contents(), "[agame]\r\nTop=3\r\nWidth=800\r\n\r\n[lobby]\r\nx=1\r\n");
}

TEST_F(ProfileFileTest, NewSectionGoesAtTheEndAndAnUnterminatedLastLineIsEnded) {
    put("[lobby]\nx=1");
    ProfileFile f = ProfileFile::load(path());
    ASSERT_TRUE(f.writeString(u"agame", u"Help", u"2"));
    ASSERT_TRUE(f.writeString(u"agame", u"Top", u"3"));
    ASSERT_TRUE(f.save());
    EXPECT_EQ(contents(), "[lobby]\nx=1\n\n[agame]\nHelp=2\nTop=3\n");

    put("[agame]\nTop=3");
    ProfileFile g = ProfileFile::load(path());
    ASSERT_TRUE(g.writeString(u"agame", u"Left", u"4"));
    EXPECT_EQ(g.bytes(), "[agame]\nTop=3\nLeft=4\n");
}

TEST_F(ProfileFileTest, ValuesWithLineBreaksCannotAddLinesAndBadNamesAreRefused) {
    put("[agame]\nHelp=2\n");
    ProfileFile f = ProfileFile::load(path());
    ASSERT_TRUE(f.writeString(u"agame", u"Phrase1", u"hi\n[agame]\r\nHelp=1"));
    EXPECT_EQ(f.bytes(), "[agame]\nHelp=2\nPhrase1=hi [agame]  Help=1\n");
    EXPECT_EQ(f.readString(u"agame", u"Help", "-"), "2");

    EXPECT_FALSE(f.writeString(u"agame", u"a=b", u"x"));
    EXPECT_FALSE(f.writeString(u"agame", u"", u"x"));
    EXPECT_FALSE(f.writeString(u"agame", u"k\ny", u"x"));
    EXPECT_FALSE(f.writeString(u"ag]ame", u"k", u"x"));
    EXPECT_FALSE(f.writeString(u"", u"k", u"x"));
}

TEST_F(ProfileFileTest, ValuesAreUtf8WithStrayBytesReadAsWindows1252AndCutTo2047) {
    const QByteArray longValue(3000, 'x');
    put("\xEF\xBB\xBF[agame]\nA=caf\xC3\xA9\nB=caf\xE9 \x80\x93\nC=" + longValue +
        "\nD=\xC3\x28\n");
    ProfileFile f = ProfileFile::load(path());
    EXPECT_EQ(f.readString(u"agame", u"A", {}), QString::fromUtf8("caf\u00e9"));
    EXPECT_EQ(f.readString(u"agame", u"B", {}), QString::fromUtf8("caf\u00e9 \u20ac\u201c"));
    EXPECT_EQ(f.readString(u"agame", u"C", {}).size(), 2047);
    EXPECT_EQ(f.readString(u"agame", u"D", {}), QString::fromUtf8("\u00c3("));

    // Writing keeps the byte order mark and the undecodable bytes of other lines.
    ASSERT_TRUE(f.writeString(u"agame", u"A", QString::fromUtf8("\u00fc")));
    EXPECT_TRUE(f.bytes().startsWith("\xEF\xBB\xBF[agame]\nA=\xC3\xBC\nB=caf\xE9 \x80\x93\n"));
}

TEST_F(ProfileFileTest, UnreadableFileIsNeverSavedOver) {
    // A folder where the file should be: it exists but cannot be read as a file.
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("orviklobby.ini")));
    ProfileFile f = ProfileFile::load(path());
    EXPECT_TRUE(f.readFailed());
    ASSERT_TRUE(f.writeString(u"agame", u"Help", u"2"));
    EXPECT_FALSE(f.save());
}

TEST(ProfileInteger, DecimalOrHexAfterPrefixAnythingElseIsMissing) {
    EXPECT_EQ(parseProfileInteger(u"12"), 12);
    EXPECT_EQ(parseProfileInteger(u"-7"), -7);
    EXPECT_EQ(parseProfileInteger(u"+7"), 7);
    EXPECT_EQ(parseProfileInteger(u"0x10"), 16);
    EXPECT_EQ(parseProfileInteger(u"0X1f"), 31);
    EXPECT_EQ(parseProfileInteger(u"$A"), 10);
    EXPECT_EQ(parseProfileInteger(u"$FFFFFFFF"), -1);
    EXPECT_EQ(parseProfileInteger(u"2147483647"), 2147483647);
    EXPECT_EQ(parseProfileInteger(u"-2147483648"), -2147483647 - 1);
    for (const char16_t* bad : {u"", u"abc", u"12abc", u"1 2", u"$", u"0x", u"$G", u"0x1FFFFFFFF",
                                u"2147483648", u"-", u"1.5", u"12 "}) {
        EXPECT_EQ(parseProfileInteger(bad), std::nullopt) << QString::fromUtf16(bad).toStdString();
    }
}

}  // namespace
