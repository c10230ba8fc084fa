// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Random messages of every kind a client understands, as a hostile host would send them:
// names up to and beyond the name bound, spectator seats again and again, long chat texts,
// full boards and hands. In the malformed mode numbers leave their ranges, texts carry bytes
// no person types, lists run long and some messages are cut short.

#include <array>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "protocol/message_table.h"

namespace hexaline::measure {

class HostileMix {
  public:
    explicit HostileMix(unsigned seed);

    // One whole message on the wire, terminator included; never the seat assignment, which
    // paces the flood (see seatAssignment).
    std::string next(bool malformed);
    // The seat assignment the client answers with a login: the end of every batch.
    std::string seatAssignment();

    // Names and chat lines that look like markup (a picture of /dev/zero, bold, entities)
    // instead of random bytes, most of the time.
    bool markupNames = false;

    // Messages made so far of each kind, by protocol::Msg.
    const std::vector<long>& made() const { return made_; }

  private:
    int pick(int low, int high);
    bool chance(int percent) { return pick(1, 100) <= percent; }
    std::int64_t number(bool malformed);
    std::int64_t scaled(int factor, bool malformed);
    std::string word(int length, bool malformed);
    std::string name(bool malformed);
    std::string markup();
    std::string longText(int seat, bool malformed);
    int seat(bool malformed);
    std::string build(protocol::Msg id, bool malformed);

    std::mt19937 rng_;
    std::vector<protocol::Msg> kinds_;
    std::vector<long> made_;
    std::array<std::uint32_t, 11>
        colours_{};  // the chat colour of each seat, 0 and 10 for the rest
};

}  // namespace hexaline::measure
