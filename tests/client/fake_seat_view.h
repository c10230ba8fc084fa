// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The seat view in memory, as the client session's tests see it.

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "client/seat_view.h"
#include "protocol/names.h"
#include "protocol/system_colour.h"

namespace hexaline::session::fakes {

using protocol::kSystemColour;

class FakeSeatView : public SeatView {
  public:
    std::array<std::string, 5> names{"", kWaiting, kWaiting, kWaiting, kWaiting};
    std::array<std::string, 5> hints{"", "", "Klot", "Klick", "Kling"};
    std::array<bool, 5> eyes{};
    std::array<bool, 5> scoreShown{};
    std::vector<std::string> spectators;
    std::vector<std::string> lines;  // chat lines
    int seat = 0;
    bool host = false;
    bool connected = false;
    int turn = 0;
    bool watching = false;
    int withdrawals = 0;

    std::string playerName(int seat) const override { return names.at(seat); }
    void setPlayerName(int seat, const std::string& caption) override { names.at(seat) = caption; }
    void seatTaken(int seat, const std::string& name) override {
        names.at(seat) = name;
        scoreShown.at(seat) = true;
    }
    std::string computerName(int seat) const override { return hints.at(seat); }
    void setWatching(int seat, bool watching) override { eyes.at(seat) = watching; }
    // One entry per seat, as the game model keeps them.
    void addSpectator(const std::string& entry) override {
        const std::string seatOf = entry.substr(0, entry.find(':'));
        std::erase_if(spectators,
                      [&](const std::string& e) { return e.substr(0, e.find(':')) == seatOf; });
        spectators.push_back(entry.substr(0, 3 + protocol::kMaxNameBytes));
    }
    bool removeSpectator(const std::string& entry) override {
        auto it = std::find(spectators.begin(), spectators.end(), entry);
        if (it == spectators.end())
            return false;
        spectators.erase(it);
        return true;
    }
    int myseat() const override { return seat; }
    void setMyseat(int s) override { seat = s; }
    bool ishost() const override { return host; }
    void setHost(bool h) override { host = h; }
    bool isconnected() const override { return connected; }
    void setConnected(bool c) override { connected = c; }
    int turnseat() const override { return turn; }
    void withdrawTurn() override { ++withdrawals; }
    bool justWatching() const override { return watching; }
    void setJustWatching(bool w) override { watching = w; }
    void addlinetochat(const std::string& line, std::uint32_t colour) override {
        if (colour == kSystemColour)
            lines.push_back(line);
        else
            lines.push_back("(colour) " + line);
    }
};

}  // namespace hexaline::session::fakes
