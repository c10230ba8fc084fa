#pragma once
// A solo game in this process through the real window: a host side with short seconds and a
// computer that moves at once, the window's own client side, and a settings file of its own.

#include <QTemporaryDir>
#include <memory>

#include "app/game_client.h"
#include "app/host_side.h"
#include "app/main_window.h"
#include "support/wait_for.h"
#include "text/settings/settings_location.h"
#include "windows/gamestart_form.h"

namespace hexaline::support {

// The settings file lives in a folder of the test's own while this exists.
struct OwnSettingsFile {
    OwnSettingsFile() { settings::setSettingsFilePath(dir.filePath("orviklobby.ini")); }
    ~OwnSettingsFile() { settings::setSettingsFilePath(QString()); }
    QTemporaryDir dir;
};

struct FastSoloGame {
    explicit FastSoloGame(int secondMs) {
        window.setHostSide(&host);
        host.service().options().secondMs = secondMs;
        host.service().options().botSpeed = [] { return 1; };
        client = std::make_unique<app::GameClient>(window, gamestart);
    }

    OwnSettingsFile settingsFile;
    app::MainWindow window{{.arguments = {}, .port = 0, .lobbyPort = 0}};
    windows::GameStartForm gamestart{&window};
    app::HostSide host;
    std::unique_ptr<app::GameClient> client;
};

}  // namespace hexaline::support
