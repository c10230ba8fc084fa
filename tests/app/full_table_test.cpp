// SPDX-License-Identifier: GPL-3.0-or-later
// A window refused by a full table tells its user so, and closes only once the user has read it.
#include <gtest/gtest.h>

#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>

#include "app/game_client.h"
#include "app/host_side.h"
#include "app/main_window.h"
#include "support/raw_client.h"
#include "text/settings/settings_location.h"
#include "windows/gamestart_form.h"

using namespace hexaline;
using support::RawClient;
using support::waitFor;

namespace {

TEST(FullTable, TheRefusedWindowShowsGameIsFullThenCloses) {
    QTemporaryDir dir;
    settings::setSettingsFilePath(dir.filePath("orviklobby.ini"));
    engine::Random random(5);
    session::HostService host(random, {});
    ASSERT_TRUE(host.listen(0));
    std::vector<std::unique_ptr<RawClient>> seated;
    for (int i = 1; i <= 9; ++i) {
        seated.push_back(std::make_unique<RawClient>("P" + std::to_string(i)));
        seated.back()->connectTo(host.port());
        ASSERT_TRUE(seated.back()->waitSeated());
    }

    app::MainWindow window(
        {.arguments = {"Late", "127.0.0.1", "false"}, .port = host.port(), .lobbyPort = 0});
    windows::GameStartForm gamestart(&window);
    app::HostSide unused;
    window.setHostSide(&unused);
    app::GameClient client(window, gamestart);

    QString shown;
    bool windowOpenUnderBox = false;
    // Answers the box once it is up, noting what it said and whether the window waited.
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        shown = box->text();
        windowOpenUnderBox = window.isVisible();
        box->accept();
    });
    answer.start(50);
    window.show();
    ASSERT_TRUE(waitFor([&] { return !shown.isEmpty() && !window.isVisible(); }, 10000));
    EXPECT_EQ(shown, "Game is full");
    EXPECT_TRUE(windowOpenUnderBox);
    settings::setSettingsFilePath(QString());
}

}  // namespace
