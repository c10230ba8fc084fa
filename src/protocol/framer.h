// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Cutting one connection's byte stream into messages at the terminator byte.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace hexaline::protocol {

class Framer {
  public:
    // An unterminated remainder larger than this closes the connection.
    static constexpr std::size_t kMaxRemainder = 64 * 1024;

    // Appends the bytes of one read; every complete message (terminator removed) is appended
    // to `out` in order. A message cut between two reads is completed by the next read.
    // Returns false once the unterminated remainder exceeds kMaxRemainder: the peer is
    // misbehaving and its connection must be closed.
    bool feed(std::string_view bytes, std::vector<std::string>& out);

    std::size_t pending() const { return remainder_.size(); }

  private:
    std::string remainder_;
};

}  // namespace hexaline::protocol
