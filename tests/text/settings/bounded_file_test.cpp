// SPDX-License-Identifier: GPL-3.0-or-later
// Files the program reads for itself are read only when they are regular files within a bound:
// nothing at the path can block the read or make it grow.
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>

#include <sys/stat.h>

#include "settings_test_files.h"
#include "text/settings/bounded_file.h"
#include "text/settings/profile_file.h"

using namespace hexaline::settings;
using hexaline::settings::testing::SettingsFileTest;

namespace {

using BoundedFileTest = SettingsFileTest;

TEST_F(BoundedFileTest, ReadsRegularFilesWithinTheBoundOnly) {
    put("[agame]\nHelp=1\n");
    BoundedFile file = readBoundedFile(path(), 15);
    EXPECT_EQ(file.result, BoundedRead::Read);
    EXPECT_EQ(file.bytes, "[agame]\nHelp=1\n");
    EXPECT_EQ(readBoundedFile(path(), 14).result, BoundedRead::TooLarge);
    EXPECT_TRUE(readBoundedFile(path(), 14).bytes.isEmpty());
    EXPECT_EQ(readBoundedFile(path(QStringLiteral("none.ini")), 16).result, BoundedRead::Missing);
    // A link to a regular file is followed.
    ASSERT_TRUE(QFile::link(path(), path(QStringLiteral("link.ini"))));
    EXPECT_EQ(readBoundedFile(path(QStringLiteral("link.ini")), 16).bytes, "[agame]\nHelp=1\n");
    put("");
    EXPECT_EQ(readBoundedFile(path(), 16).result, BoundedRead::Read);
}

TEST_F(BoundedFileTest, FifosDevicesAndFoldersAreRefusedWithoutBlocking) {
    const QByteArray fifo = QFile::encodeName(path(QStringLiteral("fifo.ini")));
    ASSERT_EQ(::mkfifo(fifo.constData(), 0600), 0);
    // A blocking open of a FIFO with no writer would never return.
    EXPECT_EQ(readBoundedFile(path(QStringLiteral("fifo.ini")), 1 << 20).result,
              BoundedRead::NotRegular);
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), path(QStringLiteral("zero.ini"))));
    EXPECT_EQ(readBoundedFile(path(QStringLiteral("zero.ini")), 1 << 20).result,
              BoundedRead::NotRegular);
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("folder.ini")));
    EXPECT_EQ(readBoundedFile(path(QStringLiteral("folder.ini")), 1 << 20).result,
              BoundedRead::NotRegular);
}

TEST_F(BoundedFileTest, SettingsFileOfTheWrongKindIsNotReadNorSavedOver) {
    const QByteArray fifo = QFile::encodeName(path());
    ASSERT_EQ(::mkfifo(fifo.constData(), 0600), 0);
    ProfileFile fromFifo = ProfileFile::load(path());
    EXPECT_TRUE(fromFifo.readFailed());
    ASSERT_TRUE(fromFifo.writeString(u"agame", u"Help", u"2"));
    EXPECT_FALSE(fromFifo.save());
    ASSERT_TRUE(QFile::remove(path()));

    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), path()));
    EXPECT_TRUE(ProfileFile::load(path()).readFailed());
    ASSERT_TRUE(QFile::remove(path()));

    // One byte over the bound: refused, and the user's file stays as it was.
    QByteArray big("[agame]\nHelp=1\n");
    big.append(ProfileFile::kMaxFileBytes + 1 - big.size(), ';');
    put(big);
    ProfileFile tooLarge = ProfileFile::load(path());
    EXPECT_TRUE(tooLarge.readFailed());
    EXPECT_EQ(tooLarge.readString(u"agame", u"Help", QStringLiteral("none")), "none");
    ASSERT_TRUE(tooLarge.writeString(u"agame", u"Help", u"2"));
    EXPECT_FALSE(tooLarge.save());
    EXPECT_EQ(contents(), big);
    big.chop(1);
    put(big);
    EXPECT_EQ(ProfileFile::load(path()).readString(u"agame", u"Help", QStringLiteral("none")), "1");
}

}  // namespace
