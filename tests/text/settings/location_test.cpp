// SPDX-License-Identifier: GPL-3.0-or-later
// Choosing where the settings file lives.
#include <gtest/gtest.h>
#include <QDir>
#include <QFileInfo>

#include "settings_test_files.h"
#include "text/settings/settings_location.h"

using namespace hexaline::settings;
using hexaline::settings::testing::SettingsFileTest;

namespace {

using LocationTest = SettingsFileTest;

TEST_F(LocationTest, UsesTheExecutablesFolderWhenItIsWritable) {
    QDir(dir_.path()).mkdir(QStringLiteral("bin"));
    EXPECT_EQ(chooseSettingsPath(path(QStringLiteral("bin")), path(QStringLiteral("user"))),
              path(QStringLiteral("bin/orviklobby.ini")));
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("user"))));
}

TEST_F(LocationTest, FallsBackToTheUserFolderAndCreatesIt) {
    // An executable's "folder" that is a regular file can never hold the settings file.
    const QString notAFolder = unwritablePath();
    const QString user = path(QStringLiteral("config/hexaline"));
    EXPECT_EQ(chooseSettingsPath(QFileInfo(notAFolder).path(), user),
              path(QStringLiteral("config/hexaline/orviklobby.ini")));
    EXPECT_TRUE(QFileInfo(user).isDir());

    if (geteuid() != 0) {
        QDir(dir_.path()).mkdir(QStringLiteral("bin"));
        QFile::setPermissions(path(QStringLiteral("bin")),
                              QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        EXPECT_EQ(chooseSettingsPath(path(QStringLiteral("bin")), user),
                  path(QStringLiteral("config/hexaline/orviklobby.ini")));
    }
}

TEST_F(LocationTest, AnInstalledProgramKeepsItsSettingsPerUser) {
    EXPECT_TRUE(isSystemProgramFolder(QStringLiteral("/usr/bin")));
    EXPECT_TRUE(isSystemProgramFolder(QStringLiteral("/usr/games/")));
    EXPECT_TRUE(isSystemProgramFolder(QStringLiteral("/opt/hexaline/bin")));
    EXPECT_FALSE(isSystemProgramFolder(path(QStringLiteral("bin"))));
    // Even when the folder is writable (the administrator playing), the user's folder is used.
    const QString user = path(QStringLiteral("config/hexaline"));
    EXPECT_EQ(chooseSettingsPath(QStringLiteral("/usr/bin"), user),
              path(QStringLiteral("config/hexaline/orviklobby.ini")));
}

}  // namespace
