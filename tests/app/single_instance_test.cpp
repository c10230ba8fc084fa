// SPDX-License-Identifier: GPL-3.0-or-later
// Two real copies of the program: the second asks the first to show itself and ends.
#include <gtest/gtest.h>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "app/single_instance.h"

using hexaline::app::SingleInstance;

namespace {
constexpr int kTimeoutMs = 20000;

QProcessEnvironment childEnvironment() {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    return env;
}
}  // namespace

TEST(SingleInstance, SecondCopyRaisesTheFirstAndExits) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // One argument: the first copy waits without any connection.
    const QStringList args{"--instance-dir", dir.path(), "--port", "0", "Tester"};

    QProcess first;
    first.setProcessEnvironment(childEnvironment());
    first.start(HEXALINE_EXE, args);
    ASSERT_TRUE(first.waitForStarted(kTimeoutMs));
    const QString key = dir.filePath("kivro7");
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(key); }, kTimeoutMs));

    QProcess second;
    second.setProcessEnvironment(childEnvironment());
    second.start(HEXALINE_EXE, args);
    ASSERT_TRUE(second.waitForFinished(kTimeoutMs));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);

    QByteArray firstLog;
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            firstLog += first.readAllStandardError();
            return firstLog.contains("Another copy of Hexaline was started");
        },
        kTimeoutMs))
        << firstLog.toStdString();
    EXPECT_EQ(first.state(), QProcess::Running);
    first.kill();
    first.waitForFinished(kTimeoutMs);
}

TEST(SingleInstance, KeyLeftByACrashedCopyIsTakenOver) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile stale(dir.filePath("kivro7"));  // left over, nobody listens on it
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.close();

    SingleInstance guard(dir.path());
    EXPECT_EQ(guard.claim(), SingleInstance::Claim::First);

    SingleInstance other(dir.path());
    int raised = 0;
    QObject::connect(&guard, &SingleInstance::raiseRequested, [&] { ++raised; });
    EXPECT_EQ(other.claim(), SingleInstance::Claim::Other);
    EXPECT_TRUE(QTest::qWaitFor([&] { return raised == 1; }, kTimeoutMs));
}
