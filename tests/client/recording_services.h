// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The client's services in memory: everything the client asks of its surroundings is recorded.

#include <string>
#include <vector>

#include "client/client_services.h"

namespace hexaline::client::fakes {

class RecordingServices : public ClientServices {
  public:
    std::string name = "Ann";
    bool hosting = false;
    std::vector<std::string> sent, sounds, games, boxes;
    int loads = 0, closes = 0, starts = 0;
    std::vector<bool> ends;  // each end of the connection: whether the client had a seat

    std::string loginname() const override { return name; }
    bool hostsGame() const override { return hosting; }
    void send(const std::string& message) override { sent.push_back(message); }
    void playsounds(const std::string& sound) override { sounds.push_back(sound); }
    void addgame(const std::string& winner) override { games.push_back(winner); }
    void showMessage(const std::string& text) override { boxes.push_back(text); }
    void showMessageAndWait(const std::string& text) override { boxes.push_back(text); }
    void loadinifile() override { ++loads; }
    void showGameStart() override { ++starts; }
    void connectionEnded(bool seated) override { ends.push_back(seated); }
    void closeWindow() override { ++closes; }
};

}  // namespace hexaline::client::fakes
