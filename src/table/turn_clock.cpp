// SPDX-License-Identifier: GPL-3.0-or-later
// The turn clock: counts the seconds of every turn down on the label and the time bar. It only
// shows the time; the host ends a turn that runs out.
#include <QLabel>
#include <algorithm>

#include "table/game_table.h"
#include "table/picture_widget.h"
#include "table/table_panel.h"
#include "table/table_style.h"
#include "table/table_texts.h"

namespace hexaline::table {

void GameTable::turntimeTimer() {
    model_.tick();
    const int timeleft = model_.timeleft();
    if (timeleft == 20 || timeleft == 15 || (timeleft >= 1 && timeleft <= 10))
        playsounds(QStringLiteral("tick"));
}

void GameTable::showClock(int timeleft) {
    QWidget* bar = panel_.image_timer;
    if (timeleft < 1) {
        panel_.label_timer->setText(QStringLiteral("Time: 0:00"));
        bar->resize(0, bar->height());
        return;
    }
    const qint64 width = std::min<qint64>(qint64{barunit} * timeleft, kTimeBarWidth);
    bar->resize(static_cast<int>(std::max<qint64>(width, 0)), bar->height());
    setTextColour(panel_.label_timer, timeleft >= 20 ? QColor(Qt::black) : QColor(224, 227, 157));
    panel_.label_timer->setText("Time: " + minutesText(timeleft));
}

}  // namespace hexaline::table
