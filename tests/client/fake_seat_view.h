// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The seat view in memory, as the client session's tests see it.

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "client/seat_view.h"

namespace hexaline::session::fakes {

class FakeSeatView : public SeatView {
  public:
    std::array<std::string, 5> names{"", kWaiting, kWaiting, kWaiting, kWaiting};
    std::array<std::string, 5> hints{"", "", "Klot", "Klick", "Kling"};
    std::array<bool, 5> eyes{};
    std::array<bool, 5> scoreShown{};
    std::vector<std::string> spectators;

    std::string playerName(int seat) const override { return names.at(seat); }
    void setPlayerName(int seat, const std::string& caption) override { names.at(seat) = caption; }
    void seatTaken(int seat, const std::string& name) override {
        names.at(seat) = name;
        scoreShown.at(seat) = true;
    }
    std::string computerName(int seat) const override { return hints.at(seat); }
    void setWatching(int seat, bool watching) override { eyes.at(seat) = watching; }
    void addSpectator(const std::string& entry) override { spectators.push_back(entry); }
    bool removeSpectator(const std::string& entry) override {
        auto it = std::find(spectators.begin(), spectators.end(), entry);
        if (it == spectators.end())
            return false;
        spectators.erase(it);
        return true;
    }
};

}  // namespace hexaline::session::fakes
