#pragma once
// The client session's seat view over the table panel's name labels, score labels and
// watching markers, and over the spectator list.

#include <QStringList>

#include "client/seat_view.h"

namespace hexaline::table {
class TablePanel;
}
namespace hexaline::spy {
class SpyListForm;
}

namespace hexaline::app {

class TableSeatView : public session::SeatView {
  public:
    explicit TableSeatView(table::TablePanel& panel) : panel_(panel) {}

    std::string playerName(int seat) const override;
    void setPlayerName(int seat, const std::string& caption) override;
    void seatTaken(int seat, const std::string& name) override;
    std::string computerName(int seat) const override;
    void setWatching(int seat, bool watching) override;
    void addSpectator(const std::string& entry) override;
    bool removeSpectator(const std::string& entry) override;

    // Entries written as seat, ": " and name.
    const QStringList& spectators() const { return spectators_; }
    // The spy list window shows the same entries.
    void setSpectatorList(spy::SpyListForm* list) { spylist_ = list; }

  private:
    table::TablePanel& panel_;
    QStringList spectators_;
    spy::SpyListForm* spylist_ = nullptr;
};

}  // namespace hexaline::app
