// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads a whole file that the program keeps for itself (settings, tally) only when it is a
// regular file no larger than a bound. A FIFO, a device, a directory or an oversized file is
// refused without blocking and without reading more than the bound: such a path is damage or
// mischief, never a file the program wrote.

#include <QByteArray>
#include <QString>

namespace hexaline::settings {

enum class BoundedRead {
    Read,        // `bytes` holds the whole file
    Missing,     // nothing at the path
    NotRegular,  // a FIFO, device, socket or directory (links are followed)
    TooLarge,    // a regular file over the bound
    Failed,      // the file could not be opened or read
};

struct BoundedFile {
    BoundedRead result = BoundedRead::Failed;
    QByteArray bytes;
    bool ok() const { return result == BoundedRead::Read; }
};

BoundedFile readBoundedFile(const QString& path, qint64 maxBytes);

}  // namespace hexaline::settings
