// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The client's side of the connection to the host: its seat, the login, the seat view, the
// "Just Watch" requests and the host's means to remove a participant.

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include "protocol/system_colour.h"

#include "client/seat_view.h"
#include "protocol/dispatcher.h"
#include "protocol/seats.h"

namespace hexaline::session {

using protocol::kSystemColour;
// Seats 1 to 4 play, 5 to 9 watch; a host never names another.

// What the session needs of the window around it.
struct ClientHooks {
    std::function<void(const std::string& message)> send;
    std::function<void(const std::string& line, std::uint32_t colour)> addlinetochat;
    std::function<void()> loadinifile;
    std::function<void(const std::string& name)> playsounds;
    std::function<void(const std::string& text)> showMessage;  // a message box
    std::function<void()> closeWindow;
    // The connection to the host ended; `seated` when the host had given this client a seat.
    // Without it the window closes.
    std::function<void(bool seated)> connectionEnded;
    std::function<void(int seat)> seatAssigned;
    std::function<bool()> justWatchChecked;
    std::function<void(bool)> setJustWatchChecked;
    std::function<int()> turnseat;
    // The user stopped playing during the own turn: hide Clear and Finish, no more input this
    // turn, the tiles laid this turn go back to the hand.
    std::function<void()> withdrawTurn;
};

// Entries of a name label's context menu.
struct KickMenu {
    bool removeFromGame = false;
    bool setToJustWatch = false;
    bool unsetJustWatch = false;
    int target = 0;
};

class ClientSession {
  public:
    ClientSession(SeatView& view, ClientHooks hooks);

    // Installs the handlers of the session's own messages.
    void install(protocol::Dispatcher& dispatcher);

    // Launch state.
    void setLoginName(std::string name) { loginname_ = std::move(name); }
    void setHost(bool host) { ishost_ = host; }
    bool ishost() const { return ishost_; }
    int myseat() const { return myseat_; }
    bool isconnected() const { return isconnected_; }

    // Message handlers.
    void sendloginfo(protocol::Reader& fields);
    void newplayerinfo(protocol::Reader& fields);
    void playerdisconnected(protocol::Reader& fields);
    void justwatching(protocol::Reader& fields);
    void havewrongversion(protocol::Reader& fields);
    void wrongversion();
    void full();

    // User commands.
    void JustWatch1Click();
    KickMenu label_playername1ContextPopup(int seat) const;
    void RemoveFromGame1Click(int target) { kicking(target); }
    void SettoJustWatch1Click(int target);
    void UnsetJustWatch1Click(int target);
    void kicking(int seat);

    // The connection ended ("Socket Closed"): the window is told, or closes when nothing
    // else is to happen.
    void sockClosed();

  private:
    void systemLine(const std::string& text);

    SeatView& view_;
    ClientHooks hooks_;
    int myseat_ = 0;
    bool isconnected_ = false;
    bool ishost_ = false;
    std::string loginname_;
    // The spectator list's entry of each seat, empty for none: one entry per seat at most.
    std::array<std::string, protocol::kSeatCount + 1> spectators_;
};

}  // namespace hexaline::session
