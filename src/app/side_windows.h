// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The side windows met by the main window's menus, logo and launch: the tally list, the spy
// list, help, about and the lobby download.

namespace hexaline::about {
class AboutForm;
}
namespace hexaline::help {
class HelpForm;
}
namespace hexaline::lobby {
class DownloadForm;
}
namespace hexaline::spy {
class SpyListForm;
}
namespace hexaline::tally {
class TallyListForm;
}

namespace hexaline::app {

class GameClient;
class MainWindow;

struct SideWindows {
    about::AboutForm& about;
    lobby::DownloadForm& download;
    help::HelpForm& help;
    spy::SpyListForm& spylist;
    tally::TallyListForm& tallylist;
};

// Connects the windows to the menus and the launch. A damaged tally file is reported once the
// main window is up.
void connectSideWindows(MainWindow& window, const SideWindows& side);
// Connects the windows to a client side: its model, its game table and its logo. Runs for
// every client side the window makes.
void attachSideWindows(GameClient& client, const SideWindows& side);

}  // namespace hexaline::app
