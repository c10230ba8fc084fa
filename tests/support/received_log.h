// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every protocol message a test client has received, in order of arrival, with look-ups by
// message kind.

#include <string>
#include <utility>
#include <vector>

#include "protocol/message_table.h"
#include "protocol/reader.h"

namespace hexaline::support {

class ReceivedLog {
  public:
    const std::vector<std::string>& received() const { return received_; }
    // The received messages of one kind, in order of arrival.
    std::vector<std::string> of(protocol::Msg id) const {
        std::vector<std::string> out;
        for (const std::string& m : received_) {
            const auto command = protocol::splitCommand(m);
            if (command && command->word == protocol::layoutOf(id).word)
                out.push_back(m);
        }
        return out;
    }
    bool has(protocol::Msg id) const { return !of(id).empty(); }

  protected:
    void keep(std::string message) { received_.push_back(std::move(message)); }
    void clearReceived() { received_.clear(); }

  private:
    std::vector<std::string> received_;
};

}  // namespace hexaline::support
