#pragma once
// The client's game table: its state, the handlers of the host's game messages and the user's
// input on the board, the hand and the turn buttons, with the turn clock.

#include <QObject>
#include <QTimer>
#include <array>

#include "protocol/dispatcher.h"
#include "table/client_board.h"
#include "table/table_hooks.h"

namespace hexaline::table {

class TablePanel;

class GameTable : public QObject {
    Q_OBJECT
  public:
    // Connects to the panel's controls and clears the table.
    explicit GameTable(TablePanel& panel, QObject* parent = nullptr);

    // Registers the handlers of the game messages from the host.
    void install(protocol::Dispatcher& dispatcher);

    TablePanel& panel() { return panel_; }

    // Game messages from the host; each takes the message's fields.
    void clearall();
    void startthegame(protocol::Reader& fields);
    void roundstart(protocol::Reader& fields);
    void mytiles(protocol::Reader& fields);
    void getnextplayer(protocol::Reader& fields);
    void hisplay(protocol::Reader& fields);
    void error(protocol::Reader& fields);
    void hepassed(protocol::Reader& fields);
    void ranout(protocol::Reader& fields);
    void timesup(protocol::Reader& fields);
    void endround(protocol::Reader& fields);
    void winner(protocol::Reader& fields);
    void gamestats(protocol::Reader& fields);
    void loadboard(protocol::Reader& fields);

    // The user's input.
    void boardMouseDown(Qt::MouseButton button, int x, int y);
    void boardMouseMove(int /*x*/, int /*y*/) {}
    void image_tile6MouseUp(int slot, Qt::MouseButton button);
    void button_finishClick();
    void button_clearClick();
    void button_passClick();
    void button_startClick();
    void turntimeTimer();
    // Takes the tiles laid this turn back into the hand.
    void resettiles();

    // Client state.
    int myseat = 0;
    int maxplayers = 4;
    bool ishost = false;
    int turnseat = 0;  // input is accepted only while this is myseat
    ClientBoard clientboard;
    int selectedslot = 0;                             // the picked-up hand slot, 0 = none
    std::array<Place, kHandSlots + 1> placedtiles{};  // by hand slot 1..6
    int turnlength = 0;
    int barunit = 0;
    int timeleft = 0;
    QTimer turntime;

    TableHooks hooks;

  private:
    void stopClock() { turntime.stop(); }
    void startClock() { turntime.start(); }
    void hideTurnButtons();
    void drawSquare(int row, int column);
    void emptyBoard();
    void chat(const QString& text);
    void playsounds(const QString& name);
    // A seat's name: the caption of its name label.
    QString nameOf(int seat) const;
    bool isPlayer() const { return myseat >= 1 && myseat <= seatLimit(); }
    // Player seats with controls on the table.
    int seatLimit() const;
    bool tilesLaid() const;
    // Input is open on the user's own turn; a client without a player seat never has one.
    bool myTurn() const { return turnseat != 0 && turnseat == myseat; }

    TablePanel& panel_;
    bool justWatch_ = false;  // the check mark while no menu is attached
};

}  // namespace hexaline::table
