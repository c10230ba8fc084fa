#include "app/table_seat_view.h"

#include <QLabel>

#include "table/message_fields.h"
#include "table/table_panel.h"
#include "windows/spy/spy_list_form.h"

namespace hexaline::app {

namespace {
bool isPlayerSeat(int seat) {
    return seat >= 1 && seat <= table::TablePanel::kPlayerSeats;
}
}  // namespace

std::string TableSeatView::playerName(int seat) const {
    return isPlayerSeat(seat) ? table::toWire(panel_.playername(seat)->text()) : std::string();
}

void TableSeatView::setPlayerName(int seat, const std::string& caption) {
    if (isPlayerSeat(seat))
        panel_.setPlayerName(seat, table::fromWire(caption));
}

void TableSeatView::seatTaken(int seat, const std::string& name) {
    if (!isPlayerSeat(seat))
        return;
    panel_.setPlayerName(seat, table::fromWire(name));
    panel_.playername(seat)->setVisible(true);
    panel_.score(seat)->setVisible(true);
    panel_.placeScoreBesideName(seat);
}

std::string TableSeatView::computerName(int seat) const {
    return isPlayerSeat(seat) ? table::toWire(panel_.playername(seat)->toolTip()) : std::string();
}

void TableSeatView::setWatching(int seat, bool watching) {
    if (isPlayerSeat(seat))
        panel_.showEyes(seat, watching);
}

void TableSeatView::addSpectator(const std::string& entry) {
    spectators_.append(table::fromWire(entry));
    if (spylist_ != nullptr)
        spylist_->addSpectator(table::fromWire(entry));
}

bool TableSeatView::removeSpectator(const std::string& entry) {
    if (spylist_ != nullptr)
        spylist_->removeSpectator(table::fromWire(entry));
    return spectators_.removeOne(table::fromWire(entry));
}

}  // namespace hexaline::app
