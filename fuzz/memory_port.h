// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The host session's surroundings in memory for fuzz targets: closes are noted for the target
// to report back, timers are flags the target fires by hand, the computer moves at once and the
// clock reads what the target sets. What the host sends is the target's to check.

#include <cstdint>
#include <string>
#include <vector>

#include "engine/random.h"
#include "host/host_port.h"
#include "host/host_session.h"
#include "protocol/dispatcher.h"

namespace hexaline::fuzzing {

class MemoryPort : public session::HostPort {
  public:
    std::vector<session::ConnectionId> closing;
    bool breakArmed = false, computerArmed = false;
    std::int64_t now = 0;

    void close(session::ConnectionId connection) override { closing.push_back(connection); }
    void armBreakTimer() override { breakArmed = true; }
    void stopBreakTimer() override { breakArmed = false; }
    void startComputerTimer(int) override { computerArmed = true; }
    void stopComputerTimer() override { computerArmed = false; }
    int botSpeed() override { return 1; }
    void alert(const std::string&) override {}
    void log(const std::string&) override {}
    std::int64_t nowMs() override { return now; }
};

// A host session on a port of kind `Port`, with a fixed random seed, that handles what reaches
// `dispatcher`.
template <class Port>
struct HostInMemory {
    HostInMemory() { host.install(dispatcher); }

    Port port;
    engine::Random random{1};
    session::HostSession host{port, random};
    protocol::Dispatcher dispatcher{protocol::Direction::ToHost};
};

}  // namespace hexaline::fuzzing
