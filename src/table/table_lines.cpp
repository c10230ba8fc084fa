// SPDX-License-Identifier: GPL-3.0-or-later
// The status and information lines, the turn clock, the turn's buttons and the winner panel
// follow the client's game model.
#include <QLabel>
#include <algorithm>

#include "art/picture_button.h"
#include "client/minutes_text.h"
#include "table/game_table.h"
#include "table/picture_widget.h"
#include "table/table_panel.h"
#include "table/table_style.h"
#include "table/wire_text.h"

namespace hexaline::table {

namespace {
constexpr int kTimeBarWidth = 244;
}

int GameTable::barunit() const {
    // A turn of no seconds would divide by zero; its bar simply stays full until it ends.
    const int seconds = model_.turnlength();
    return seconds > 0 ? std::max(1, kTimeBarWidth / seconds) : 1;
}

void GameTable::showClock(int timeleft) {
    QWidget* bar = panel_.image_timer;
    if (timeleft < 1) {
        panel_.label_timer->setText(QStringLiteral("Time: 0:00"));
        bar->resize(0, bar->height());
        return;
    }
    const qint64 width = std::min<qint64>(qint64{barunit()} * timeleft, kTimeBarWidth);
    bar->resize(static_cast<int>(std::max<qint64>(width, 0)), bar->height());
    setTextColour(panel_.label_timer, timeleft >= 20 ? QColor(Qt::black) : QColor(224, 227, 157));
    panel_.label_timer->setText("Time: " + QString::fromStdString(client::minutesText(timeleft)));
}

void GameTable::showStatus() {
    panel_.label_status->setText(fromWire(model_.status()));
}

void GameTable::showInfo(client::Info line) {
    const QString text = fromWire(model_.info(line));
    switch (line) {
        case client::Info::PlayTo:
            panel_.label_playtoscore->setText(text);
            break;
        case client::Info::Round:
            setAutoText(panel_.label_roundnum, text);
            break;
        case client::Info::TimePerTurn:
            setAutoText(panel_.label_timeperturn, text);
            break;
        case client::Info::TilesLeft:
            setAutoText(panel_.label_tilesleft, text);
            break;
    }
}

void GameTable::showButtons() {
    const client::TurnButtons shown = model_.buttons();
    panel_.button_pass->setVisible(shown.pass);
    panel_.button_finish->setVisible(shown.finish);
    panel_.button_clear->setVisible(shown.clear);
}

void GameTable::showWinner() {
    const auto& text = model_.winner();
    if (text) {
        panel_.label_winner1->setText(fromWire(*text));
        panel_.label_winner2->setText(fromWire(*text));
    }
    panel_.panel_winner->setVisible(text.has_value());
}

}  // namespace hexaline::table
