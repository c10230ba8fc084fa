// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Hand-written settings files in a fresh temporary folder, and ways to make writing fail.

#include <gtest/gtest.h>
#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <sys/resource.h>
#include <unistd.h>
#include <csignal>

namespace hexaline::settings::testing {

class SettingsFileTest : public ::testing::Test {
  protected:
    QString path(const QString& name = QStringLiteral("orviklobby.ini")) const {
        return dir_.filePath(name);
    }

    void put(const QByteArray& bytes, const QString& name = QStringLiteral("orviklobby.ini")) {
        QFile f(path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_EQ(f.write(bytes), bytes.size());
    }

    QByteArray contents(const QString& name = QStringLiteral("orviklobby.ini")) const {
        QFile f(path(name));
        if (!f.open(QIODevice::ReadOnly)) {
            return "<missing>";
        }
        return f.readAll();
    }

    // A file name whose folder is a regular file: it can be neither created nor written.
    QString unwritablePath() {
        put("not a folder", QStringLiteral("blocker"));
        return path(QStringLiteral("blocker/orviklobby.ini"));
    }

    QTemporaryDir dir_;
};

// While alive, no file can grow beyond a few bytes, so every save fails, even for root, whom
// folder permissions do not stop.
class WritesFail {
  public:
    WritesFail() {
        getrlimit(RLIMIT_FSIZE, &old_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit tiny = old_;
        tiny.rlim_cur = 4;
        setrlimit(RLIMIT_FSIZE, &tiny);
    }
    ~WritesFail() {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }
    WritesFail(const WritesFail&) = delete;
    WritesFail& operator=(const WritesFail&) = delete;

  private:
    rlimit old_{};
    void (*oldHandler_)(int) = nullptr;
};

}  // namespace hexaline::settings::testing
