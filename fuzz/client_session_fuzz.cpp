// SPDX-License-Identifier: GPL-3.0-or-later
// The client core fed what a hostile host might send, with the user's requests between the
// messages. Whatever arrives, the model holds at most one entry per spectator seat, names of
// bounded length and a hand and board within their ranges.
#include <QCoreApplication>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "client/client_core.h"
#include "protocol/message_table.h"
#include "protocol/names.h"

using namespace hexaline;

namespace {

class NoServices : public client::ClientServices {
  public:
    bool hosting = false;
    std::string loginname() const override { return "Ann"; }
    bool hostsGame() const override { return hosting; }
    void send(const std::string&) override {}
    void playsounds(const std::string&) override {}
    void addgame(const std::string&) override {}
    void showMessage(const std::string&) override {}
    void showMessageAndWait(const std::string&) override {}
    void loadinifile() override {}
    void showGameStart() override {}
    void connectionEnded(bool) override {}
    void closeWindow() override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The turn clock is a timer, which wants an application object.
    static int argc = 1;
    static char name[] = "client_session_fuzz";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);

    NoServices services;
    services.hosting = size % 2 == 0;
    client::ClientCore core(services);
    const client::GameModel& model = core.model();
    std::size_t lines = 0;
    QObject::connect(&model, &client::GameModel::chatLine,
                     [&lines](const std::string&, std::uint32_t) { ++lines; });

    std::string_view rest(reinterpret_cast<const char*>(data), size);
    while (!rest.empty()) {
        const std::size_t end = rest.find(static_cast<char>(protocol::kTerminator));
        const std::size_t linesBefore = lines;
        core.dispatch(rest.substr(0, end));
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        if (lines - linesBefore > 2 * 9)
            __builtin_trap();  // one message speaks of nine seats at most
        if (model.spectators().size() > 5)
            __builtin_trap();
        for (const std::string& entry : model.spectators())
            if (entry.size() > 3 + protocol::kMaxNameBytes)
                __builtin_trap();
        for (int seat = 1; seat <= 4; ++seat)
            if (model.playerName(seat).size() > protocol::kMaxNameBytes)
                __builtin_trap();
        // The user's requests between the host's messages.
        const int pick = static_cast<int>(rest.size() % 8);
        core.turn().pickUp(pick);
        core.turn().layTile(pick + 3, pick + 5);
        if (pick == 7)
            core.turn().finish();
        if (pick == 6)
            core.turn().takeBack(pick + 3, pick + 5);
        core.session().toggleJustWatch();
        core.session().kicking(3);
    }
    return 0;
}
