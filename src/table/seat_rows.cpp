// SPDX-License-Identifier: GPL-3.0-or-later
// The seat rows, the turn marker and the hand row follow the client's game model.
#include <QFontMetrics>
#include <QLabel>

#include "table/game_table.h"
#include "table/hand_image.h"
#include "table/picture_widget.h"
#include "table/table_panel.h"
#include "table/table_style.h"
#include "table/wire_text.h"

namespace hexaline::table {

namespace {
// A name wider than this is cut with an ellipsis, so the score and points beside it stay on the
// table at four digits.
constexpr int kNameWidth = 110;
constexpr int kGap = 6;

void placeBeside(QLabel* label, const QLabel* beside) {
    label->move(beside->geometry().right() + 1 + kGap, label->y());
}
}  // namespace

void GameTable::showSeat(int seat) {
    const client::PlayerSeat& facts = model_.seat(seat);
    QLabel* name = panel_.playername(seat);
    const QString caption = fromWire(facts.caption);
    panel_.setPlayerName(
        seat, QFontMetrics(name->font()).elidedText(caption, Qt::ElideRight, kNameWidth));
    panel_.showEyes(seat, facts.watching);

    QLabel* total = panel_.score(seat);
    QLabel* points = panel_.bonus(seat);
    setAutoText(total, QString::number(facts.score));
    setAutoText(points, facts.points ? QStringLiteral("+%1").arg(*facts.points) : QString());
    placeBeside(total, name);
    placeBeside(points, total);
    total->setVisible(facts.scoreShown && !facts.sitsOut);
    points->setVisible(facts.scoreShown && !facts.sitsOut);
    panel_.notplaying(seat)->setVisible(facts.sitsOut);
}

void GameTable::showMarker(int seat) {
    if (protocol::isPlayerSeat(seat))
        panel_.image_Turn->move(panel_.image_Turn->x(), panel_.playername(seat)->y() + 2);
}

void GameTable::showHandSlot(int slot) {
    HandImage* image = panel_.tileImage(slot);
    const int code = model_.handTile(slot);
    image->setTileCode(code);
    image->setRaised(slot == model_.selectedslot());
    // A slot without a tile, or whose tile lies on the board this turn, shows nothing.
    image->setVisible(model_.isPlayer() && code != 0 && model_.placed(slot).row == 0);
}

void GameTable::showHandRow() {
    for (int slot = 1; slot <= kHandSlots; ++slot) {
        // A spectator holds no hand; a player sees placeholders until the first deal.
        if (model_.isSpectator())
            panel_.tileImage(slot)->hide();
        else if (model_.dealt())
            showHandSlot(slot);
    }
}

}  // namespace hexaline::table
