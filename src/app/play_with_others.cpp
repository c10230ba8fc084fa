// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/play_with_others.h"

#include <QAction>
#include <QMessageBox>
#include <QPushButton>

#include "app/main_window.h"

namespace hexaline::app {

QMessageBox* offerPlayWithOthers(MainWindow& window) {
    auto* box = new QMessageBox(QMessageBox::Question, QStringLiteral("Play with Others"),
                                QStringLiteral("Host a game for your friends to join, or join a "
                                               "game someone else hosts. Games hosted on your "
                                               "local network are listed when you join."),
                                QMessageBox::NoButton, &window);
    box->setObjectName(QStringLiteral("play_with_others"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    QPushButton* host = box->addButton(QStringLiteral("Host a Game…"), QMessageBox::AcceptRole);
    host->setObjectName(QStringLiteral("button_host_game"));
    QPushButton* join = box->addButton(QStringLiteral("Join a Game…"), QMessageBox::AcceptRole);
    join->setObjectName(QStringLiteral("button_join_game"));
    box->addButton(QMessageBox::Cancel);
    box->setDefaultButton(join);
    box->setEscapeButton(QMessageBox::Cancel);
    QObject::connect(box, &QMessageBox::buttonClicked, &window, [&window, host, join](auto* which) {
        if (which == host)
            window.entry(MenuEntry::HostGame)->trigger();
        else if (which == join)
            window.entry(MenuEntry::JoinGame)->trigger();
    });
    box->open();
    return box;
}

}  // namespace hexaline::app
