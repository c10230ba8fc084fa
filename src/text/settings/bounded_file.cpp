// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/settings/bounded_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QFile>
#include <algorithm>
#include <cerrno>

namespace hexaline::settings {

namespace {

// Closes the descriptor however the read ends.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

  private:
    int fd_;
};

}  // namespace

BoundedFile readBoundedFile(const QString& path, qint64 maxBytes) {
    BoundedFile file;
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (::stat(name.constData(), &info) != 0) {
        file.result = errno == ENOENT ? BoundedRead::Missing : BoundedRead::Failed;
        return file;
    }
    if (!S_ISREG(info.st_mode)) {
        file.result = BoundedRead::NotRegular;
        return file;
    }
    // The path may change between the look and the open: O_NONBLOCK keeps a FIFO put there
    // from blocking the open, and the descriptor is checked again below.
    const Descriptor fd(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (fd.get() < 0) {
        file.result = BoundedRead::Failed;
        return file;
    }
    if (::fstat(fd.get(), &info) != 0) {
        file.result = BoundedRead::Failed;
        return file;
    }
    if (!S_ISREG(info.st_mode)) {
        file.result = BoundedRead::NotRegular;
        return file;
    }
    if (info.st_size > maxBytes) {
        file.result = BoundedRead::TooLarge;
        return file;
    }
    // The file may grow while it is read: never read more than one byte past the bound.
    file.bytes.resize(static_cast<qsizetype>(info.st_size) + 1);
    qsizetype have = 0;
    for (;;) {
        if (have == file.bytes.size()) {
            if (have > maxBytes) {
                file.bytes.clear();
                file.result = BoundedRead::TooLarge;
                return file;
            }
            file.bytes.resize(std::min<qsizetype>(have * 2 + 4096, maxBytes + 1));
        }
        const ssize_t got = ::read(fd.get(), file.bytes.data() + have,
                                   static_cast<std::size_t>(file.bytes.size() - have));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            file.bytes.clear();
            file.result = BoundedRead::Failed;
            return file;
        }
        if (got == 0)
            break;
        have += got;
    }
    file.bytes.truncate(have);
    file.result = BoundedRead::Read;
    return file;
}

}  // namespace hexaline::settings
