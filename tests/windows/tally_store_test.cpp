// SPDX-License-Identifier: GPL-3.0-or-later
// The tally file on disk: anything but a sound tally of a bounded size is refused with the
// damaged-file message and kept aside, without blocking, spinning or growing.
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sys/stat.h>

#include "windows/tally/tally_codec.h"
#include "windows/tally/tally_store.h"

namespace hexaline::tally {
namespace {

class TallyStoreTest : public ::testing::Test {
  protected:
    QString path() const { return dir.filePath(QStringLiteral("agametally.tld")); }

    void putText(const std::string& text) {
        const std::vector<std::uint8_t> bytes = encodeTallyFile(text);
        putBytes(QByteArray(reinterpret_cast<const char*>(bytes.data()),
                            static_cast<qsizetype>(bytes.size())));
    }
    void putBytes(const QByteArray& bytes) {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }
    QString message(DecodeError error) const {
        return QString::fromStdString(
            decodeErrorText(error, QDir::toNativeSeparators(path()).toStdString()));
    }
    // The load refused the file with `error`, moved it aside, and starts an empty tally.
    void expectKeptAside(DecodeError error) {
        const TallyLoad load = loadTally(path());
        EXPECT_EQ(load.error, message(error));
        EXPECT_EQ(load.keptAs, path() + ".damaged");
        EXPECT_EQ(load.table.rowCount(), 1);
        EXPECT_FALSE(QFileInfo::exists(path()) || QFileInfo(path()).isSymLink());
        EXPECT_TRUE(QFileInfo::exists(load.keptAs) || QFileInfo(load.keptAs).isSymLink());
        // The next start finds no file and starts clean: a hostile file hangs no restart.
        EXPECT_TRUE(loadTally(path()).error.isEmpty());
        QDir(dir.path()).rmdir(load.keptAs);
        QFile::remove(load.keptAs);
    }

    QTemporaryDir dir;
};

TEST_F(TallyStoreTest, HostileTextsAreKeptAsideNotRead) {
    // A valid file of 43 bytes whose text claims 2^63 - 1 columns.
    putText("9223372036854775807\r\n1\r\n0\r\n");
    expectKeptAside(DecodeError::BadTable);
    // A small file that unpacks to a great many line feeds.
    putText("9\r\n1\r\n" + std::string(8 << 20, '\n'));
    expectKeptAside(DecodeError::BadTable);
    // More players than the list holds: refused as it stands, never cut down and saved back.
    std::string many = "9\r\n" + std::to_string(kMaxTextRows + 1) + "\r\n";
    for (std::int64_t r = 0; r <= kMaxTextRows; ++r)
        many += "p\r\n";
    putText(many);
    const QByteArray before = [&] {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    const TallyLoad load = loadTally(path());
    EXPECT_EQ(load.error, message(DecodeError::BadTable));
    QFile kept(load.keptAs);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), before);
}

TEST_F(TallyStoreTest, FilesOfTheWrongKindOrSizeAreRefusedWithoutBlocking) {
    const QByteArray fifo = QFile::encodeName(path());
    ASSERT_EQ(::mkfifo(fifo.constData(), 0600), 0);
    expectKeptAside(DecodeError::ReadError);

    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), path()));
    expectKeptAside(DecodeError::ReadError);

    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("agametally.tld")));
    expectKeptAside(DecodeError::ReadError);

    // One byte over the bound, though it starts like a tally.
    QByteArray big("WRZL");
    big.append(static_cast<qsizetype>(kMaxFileSize) + 1 - big.size(), '\0');
    putBytes(big);
    expectKeptAside(DecodeError::ReadError);

    // A sound tally still loads.
    putText("9\r\n2\r\n0\r\nBob\r\n");
    const TallyLoad sound = loadTally(path());
    EXPECT_TRUE(sound.error.isEmpty());
    EXPECT_EQ(sound.table.names(), QStringList{QStringLiteral("Bob")});
}

}  // namespace
}  // namespace hexaline::tally
