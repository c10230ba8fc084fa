// SPDX-License-Identifier: GPL-3.0-or-later
// The client session's handlers fed what a hostile host might send. Whatever arrives, the
// seat view holds at most one entry per spectator seat and names of bounded length.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "client/client_session.h"
#include "client/seat_view.h"
#include "protocol/dispatcher.h"
#include "protocol/message_table.h"
#include "protocol/names.h"

using namespace hexaline;

namespace {

class MemoryView : public session::SeatView {
  public:
    std::array<std::string, 5> names{"", session::kWaiting, session::kWaiting, session::kWaiting,
                                     session::kWaiting};
    std::vector<std::string> spectators;

    std::string playerName(int seat) const override { return names.at(seat); }
    void setPlayerName(int seat, const std::string& caption) override { names.at(seat) = caption; }
    void seatTaken(int seat, const std::string& name) override { names.at(seat) = name; }
    std::string computerName(int seat) const override { return seat == 2 ? "Klot" : ""; }
    void setWatching(int seat, bool) override { (void)names.at(seat); }
    void addSpectator(const std::string& entry) override { spectators.push_back(entry); }
    bool removeSpectator(const std::string& entry) override {
        const auto it = std::find(spectators.begin(), spectators.end(), entry);
        if (it == spectators.end())
            return false;
        spectators.erase(it);
        return true;
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    MemoryView view;
    session::ClientHooks hooks;
    std::size_t lines = 0;
    bool checked = false;
    hooks.send = [](const std::string&) {};
    hooks.addlinetochat = [&lines](const std::string&, std::uint32_t) { ++lines; };
    hooks.justWatchChecked = [&checked] { return checked; };
    hooks.setJustWatchChecked = [&checked](bool on) { checked = on; };
    hooks.turnseat = [] { return 1; };
    session::ClientSession client(view, hooks);
    client.setLoginName("Ann");
    client.setHost(size % 2 == 0);
    protocol::Dispatcher dispatcher(protocol::Direction::ToClient);
    client.install(dispatcher);

    std::string_view rest(reinterpret_cast<const char*>(data), size);
    while (!rest.empty()) {
        const std::size_t end = rest.find(static_cast<char>(protocol::kTerminator));
        const std::size_t linesBefore = lines;
        dispatcher.dispatch(rest.substr(0, end));
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        if (lines - linesBefore > 2 * 9)
            __builtin_trap();  // one message speaks of nine seats at most
        if (view.spectators.size() > 5)
            __builtin_trap();
        for (const std::string& entry : view.spectators)
            if (entry.size() > 3 + protocol::kMaxNameBytes)
                __builtin_trap();
        for (int seat = 1; seat <= 4; ++seat)
            if (view.names[seat].size() > protocol::kMaxNameBytes + 16)
                __builtin_trap();
        client.JustWatch1Click();
        client.kicking(3);
    }
    return 0;
}
