// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/side_windows.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QShortcut>
#include <QTimer>

#include "app/game_client.h"
#include "app/main_window.h"
#include "app/open_link.h"
#include "app/play_with_others.h"
#include "table/notice_box.h"
#include "table/picture_widget.h"
#include "table/table_panel.h"
#include "table/wire_text.h"
#include "windows/about/about_form.h"
#include "windows/about/home_page.h"
#include "windows/help/help_form.h"
#include "windows/lobby/download_form.h"
#include "windows/spy/spy_list_form.h"
#include "windows/tally/tally_list_form.h"

namespace hexaline::app {

namespace {

void reportDamagedTally(MainWindow& window, const tally::TallyListForm& tallylist) {
    const QString details = tallylist.keptAs().isEmpty()
                                ? QString()
                                : QStringLiteral("The damaged file was kept as ") +
                                      QDir::toNativeSeparators(tallylist.keptAs()) +
                                      QStringLiteral("; the tally starts empty.");
    table::showNotice(&window, tallylist.loadError(), QMessageBox::Warning, details);
}

// Esc closes a side window, as it closes a dialog.
void closeOnEscape(QWidget& sideWindow) {
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), &sideWindow);
    escape->setObjectName(QStringLiteral("escape_closes"));
    QObject::connect(escape, &QShortcut::activated, &sideWindow, &QWidget::close);
}

}  // namespace

void connectSideWindows(MainWindow& window, const SideWindows& side) {
    // The handlers keep the windows, not `side`, which may be a temporary.
    tally::TallyListForm& tallylist = side.tallylist;
    spy::SpyListForm& spylist = side.spylist;
    help::HelpForm& helpForm = side.help;
    about::AboutForm& aboutForm = side.about;
    lobby::DownloadForm& download = side.download;
    for (QWidget* sideWindow :
         std::initializer_list<QWidget*>{&tallylist, &spylist, &aboutForm, &download})
        closeOnEscape(*sideWindow);

    // Tally list.
    QObject::connect(window.entry(MenuEntry::ViewTally), &QAction::triggered, &tallylist,
                     [&window, &tallylist] { tallylist.showOver(&window); });
    if (!tallylist.loadError().isEmpty())
        QTimer::singleShot(0, &window,
                           [&window, &tallylist] { reportDamagedTally(window, tallylist); });

    // Spy list.
    QObject::connect(&window, &MainWindow::hostModeStarted, &spylist,
                     [&spylist] { spylist.setRemoveEnabled(true); });
    QObject::connect(window.entry(MenuEntry::SpyList), &QAction::triggered, &spylist,
                     [&window, &spylist] { spylist.showOver(&window); });

    // Help and about. A link the desktop cannot open is told.
    helpForm.setLinkOpener([&helpForm](const QUrl& url) {
        openLink(url, &helpForm,
                 [&helpForm](const QString& sentence) { table::showNotice(&helpForm, sentence); });
        return true;
    });
    // The home page, opened by the logos and the about window's address, is told the same way.
    about::setUrlOpener([window = QPointer<MainWindow>(&window)](const QUrl& url) {
        if (window)
            openLink(url, window, [window](const QString& sentence) {
                if (window)
                    table::showNotice(window, sentence);
            });
    });
    QObject::connect(window.entry(MenuEntry::Help), &QAction::triggered, &helpForm,
                     [&window, &helpForm] { helpForm.showOver(&window); });
    QObject::connect(&helpForm, &help::HelpForm::quickInstructionsRequested,
                     window.entry(MenuEntry::QuickInstructions), &QAction::trigger);
    const auto showAbout = [&window, &aboutForm] { aboutForm.showOver(&window); };
    QObject::connect(&helpForm, &help::HelpForm::aboutRequested, &aboutForm, showAbout);
    QObject::connect(window.entry(MenuEntry::About), &QAction::triggered, &aboutForm, showAbout);

    // Lobby download.
    QObject::connect(&window, &MainWindow::lobbyDownloadRequested, &download,
                     [&download] { download.showOnTop(); });
    QObject::connect(&download, &lobby::DownloadForm::exitRequested, &window, &QWidget::close);
    QObject::connect(&download, &lobby::DownloadForm::playWithOthersRequested, &window,
                     [&window] { offerPlayWithOthers(window); });
}

void attachSideWindows(GameClient& client, const SideWindows& side) {
    tally::TallyListForm& tallylist = side.tallylist;
    spy::SpyListForm& spylist = side.spylist;
    const client::GameModel& model = client.model();

    // The tally offers the names of the other seats.
    tallylist.setSeatCaptions([&model] {
        QStringList captions;
        for (int seat = 1; seat <= protocol::kPlayerSeats; ++seat) {
            if (seat != model.myseat())
                captions << table::fromWire(model.playerName(seat));
        }
        return captions;
    });
    QObject::connect(&client, &GameClient::gameCounted, &tallylist,
                     [&tallylist](const QString& winner) { tallylist.addgame(winner); });

    // The spy list shows the spectators this client knows of.
    spylist.showEntries({});
    QObject::connect(&model, &client::GameModel::spectatorsChanged, &spylist, [&model, &spylist] {
        QStringList entries;
        for (const std::string& entry : model.spectators())
            entries << table::fromWire(entry);
        spylist.showEntries(entries);
    });
    spylist.setKicking([&client](int seat) { client.core().session().kicking(seat); });
    spylist.setRemoveEnabled(model.ishost());

    about::openHomePageOnClick(client.panel().image_logo);
}

}  // namespace hexaline::app
