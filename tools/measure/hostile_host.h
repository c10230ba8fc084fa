// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A host that seats one client as a real host does, then floods it with a random mix of every
// message the client understands. It sends in batches that each end in a seat assignment; the
// client's login answers it, so the host sends only as fast as the client handles, and its own
// unsent output never exceeds two batches.

#include <QObject>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <functional>

#include "protocol/framer.h"
#include "tools/measure/hostile_mix.h"

namespace hexaline::measure {

class HostileHost : public QObject {
    Q_OBJECT
  public:
    // A batch holds at most this many messages or bytes: two of them stay well within what a
    // client may have waiting from its host.
    static constexpr int kBatchMessages = 250;
    static constexpr qint64 kBatchBytes = 192 * 1024;
    static constexpr int kBatchesInFlight = 2;

    explicit HostileHost(unsigned seed, QObject* parent = nullptr);

    // Listens on 127.0.0.1 at a free port; 0 when that failed.
    quint16 listen();
    // Starts and stops the flood; `malformed` says, for every batch, whether its fields may be
    // malformed.
    void setFlooding(bool on);
    std::function<bool()> malformed = [] { return false; };
    // Names and chat lines that look like markup, most of the time.
    void setMarkupNames(bool on) { mix_.markupNames = on; }

    long messagesSent() const { return sent_; }
    qint64 bytesSent() const { return bytes_; }
    int connections() const { return connections_; }
    const HostileMix& mix() const { return mix_; }

  private:
    void accept();
    void read();
    void sendBatches();
    void send(const std::string& message);

    HostileMix mix_;
    QTcpServer server_;
    QPointer<QTcpSocket> client_;
    protocol::Framer framer_;
    bool flooding_ = false;
    bool seated_ = false;
    int connections_ = 0;
    long sent_ = 0;
    qint64 bytes_ = 0;
    long batches_ = 0;
    long answered_ = 0;
};

}  // namespace hexaline::measure
