// SPDX-License-Identifier: GPL-3.0-or-later
// Program entry: the single-instance guard, the windows in their fixed order, the event loop.
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <cstdio>
#include <cstring>

#include "app/command_line.h"
#include "app/game_marker.h"
#include "app/main_window.h"
#include "app/side_windows.h"
#include "app/single_instance.h"
#include "app/table_sessions.h"
#include "protocol/version.h"
#include "windows/about/about_form.h"
#include "windows/gamestart_form.h"
#include "windows/help/help_form.h"
#include "windows/lobby/download_form.h"
#include "windows/spy/spy_list_form.h"
#include "windows/tally/tally_list_form.h"
#include "windows/tally/tally_store.h"

using namespace hexaline::app;
using hexaline::protocol::kVersion;

namespace {

// --help and --version answer without a display, before the window system is started.
bool answeredWithoutWindowSystem(int argc, char** argv, int& status) {
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    const CommandLine line = parseCommandLine(args);
    if (line.help) {
        std::fputs(qPrintable(usageText()), stdout);
        status = 0;
        return true;
    }
    if (line.version) {
        std::printf("%.*s\n", static_cast<int>(kVersion.size()), kVersion.data());
        status = 0;
        return true;
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    int status = 0;
    if (answeredWithoutWindowSystem(argc, argv, status))
        return status;

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Hexaline"));
    QApplication::setApplicationVersion(QString::fromLatin1(kVersion));

    // The window system's own options (-platform ...) are gone from arguments() by now.
    const CommandLine line = parseCommandLine(QApplication::arguments().mid(1));
    if (!line.error.isEmpty()) {
        std::fprintf(stderr, "hexaline: %s\n\n%s", qPrintable(line.error), qPrintable(usageText()));
        return 2;
    }

    const QString instanceDir =
        line.instanceDir.isEmpty() ? defaultInstanceDir() : line.instanceDir;
    SingleInstance guard(instanceDir);
    if (guard.claim() == SingleInstance::Claim::Other)
        return 0;
    // The marker is the user's, as the key is: another user's game never holds it.
    const GameMarker marker(instanceDir);

    MainWindow chatform({.arguments = line.positional, .port = line.port});
    hexaline::about::AboutForm about(&chatform);
    hexaline::lobby::DownloadForm download(&chatform);
    hexaline::windows::GameStartForm gamestart(&chatform);
    hexaline::help::HelpForm help(&chatform);
    // The hidden host side (never shown) and the client side: made anew when the player hosts
    // or joins from the File menu.
    TableSessions sessions(chatform, gamestart);
    hexaline::spy::SpyListForm spylist(&chatform);
    // Read at creation, written after every recorded game and when destroyed at exit.
    hexaline::tally::TallyListForm tallylist(hexaline::tally::tallyFilePath(), &chatform);

    const SideWindows side{about, download, help, spylist, tallylist};
    connectSideWindows(chatform, side);
    sessions.setClientMade([side](GameClient& client) { attachSideWindows(client, side); });

    QObject::connect(&guard, &SingleInstance::raiseRequested, &chatform, &MainWindow::bringToFront);
    // Closing the main window ends the program, whatever other windows are open.
    QObject::connect(&chatform, &MainWindow::closed, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    chatform.show();
    return app.exec();
}
