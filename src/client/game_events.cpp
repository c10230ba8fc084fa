// SPDX-License-Identifier: GPL-3.0-or-later
#include "client/game_events.h"

#include "client/message_fields.h"
#include "client/minutes_text.h"

namespace hexaline::client {

using protocol::Msg;

GameEvents::GameEvents(GameModel& model, ClientServices& services, QObject* parent)
    : QObject(parent), model_(model), services_(services) {
    turntime_.setInterval(1000);
    connect(&turntime_, &QTimer::timeout, this, &GameEvents::turnTick);
    clearall();
}

void GameEvents::install(protocol::Dispatcher& dispatcher) {
    using Handler = void (GameEvents::*)(protocol::Reader&);
    const std::pair<Msg, Handler> handlers[] = {
        {Msg::GameStarted, &GameEvents::startthegame},
        {Msg::RoundStarting, &GameEvents::roundstart},
        {Msg::RoundStart, &GameEvents::roundstart},
        {Msg::MyTiles, &GameEvents::mytiles},
        {Msg::NextPlayer, &GameEvents::getnextplayer},
        {Msg::HisPlay, &GameEvents::hisplay},
        {Msg::Error, &GameEvents::error},
        {Msg::HePassed, &GameEvents::hepassed},
        {Msg::RanOut, &GameEvents::ranout},
        {Msg::TimesUp, &GameEvents::timesup},
        {Msg::EndRound, &GameEvents::endround},
        {Msg::Winner, &GameEvents::winner},
        {Msg::GameStats, &GameEvents::gamestats},
        {Msg::LoadBoard, &GameEvents::loadboard},
    };
    for (const auto& entry : handlers) {
        const Handler handler = entry.second;
        dispatcher.on(entry.first, [this, handler](protocol::Reader& fields, protocol::Origin) {
            (this->*handler)(fields);
        });
    }
}

void GameEvents::clearall() {
    model_.setSelectedslot(0);
    model_.resetScores();
    model_.clearBoard();
}

void GameEvents::showPass() {
    TurnButtons buttons = model_.buttons();
    buttons.pass = true;
    model_.setButtons(buttons);
}

void GameEvents::fixTile(int row, int column, int tile) {
    model_.setSquare(row, column, Square{tile, kFixed});
}

void GameEvents::startthegame(protocol::Reader& fields) {
    const std::string starter = fields.text();
    const std::string playto = fields.text();
    const std::string seconds = fields.text();

    stopClock();
    hideTurnButtons();
    model_.setStartShown(false);
    model_.setJustWatching(false);
    model_.setWinner(std::nullopt);
    clearall();
    model_.setInfo(Info::PlayTo, playto == "0" ? "One Round Game" : "Play to Score: " + playto);
    model_.setInfo(Info::Round, "Round: 1");
    if (model_.isPlayer() && model_.playerName(model_.myseat()) == starter)
        model_.systemLine("You have started a game.");
    else
        model_.systemLine(starter + " has started a game.");
    if (model_.isFree(2)) {
        model_.seatTaken(2, model_.computerName(2));
        model_.systemLine("I am Klot the bot. Good Luck!");
    }

    const auto perTurn = protocol::parseNumber(seconds);
    if (!perTurn)
        throw protocol::FieldError("seconds per turn is not a number");
    model_.setInfo(Info::TimePerTurn, "Time Per Turn: " + minutesText(*perTurn) + " mins");
    model_.setTurnlength(*perTurn);
}

void GameEvents::roundstart(protocol::Reader& fields) {
    const std::string round = numberText(fields);
    stopClock();
    hideTurnButtons();
    while (!fields.atListEnd()) {
        const int seat = playerSeatField(fields);
        model_.setSitsOut(seat, fields.text() == "n");
    }
    model_.setInfo(Info::Round, "Round: " + round);
    model_.clearBoard();
}

void GameEvents::mytiles(protocol::Reader& fields) {
    if (fields.number() != model_.myseat())
        return;
    while (!fields.atListEnd()) {
        const int slot = slotField(fields);
        const int code = tileField(fields);
        if (code == 0 && model_.selectedslot() == slot)
            model_.setSelectedslot(0);
        model_.setHandTile(slot, code);
    }
}

void GameEvents::getnextplayer(protocol::Reader& fields) {
    const int seat = playerSeatField(fields);
    const std::string flag = fields.text();
    stopClock();
    model_.setTurnseat(seat);
    model_.setInfo(Info::TilesLeft, "Tiles Left: " + numberText(fields));
    model_.setMarkerSeat(seat);
    // A free seat's turn is the computer player's.
    if (model_.isFree(seat) && !model_.computerName(seat).empty())
        model_.seatTaken(seat, model_.computerName(seat));

    if (seat == model_.myseat()) {
        if (flag == "f") {
            model_.setStatus("Your Turn, but you have no valid plays.");
        } else if (model_.justWatching()) {
            model_.setStatus("Your Turn, but you are just watching.");
            model_.setTurnseat(0);
        } else {
            model_.setStatus("Your Turn.");
        }
        showPass();
        services_.playsounds("turn");
    } else {
        model_.setStatus(model_.playerName(seat) +
                         (flag != "f" ? "'s turn." : "'s turn, with no valid plays."));
    }
    // The clock shows the new turn's whole time at once.
    model_.startTurnClock(model_.turnlength());
    startClock();
}

void GameEvents::hisplay(protocol::Reader& fields) {
    const int seat = playerSeatField(fields);
    const int total = fields.number();
    const int points = fields.number();
    const int bonus = fields.number();
    stopClock();
    model_.clearPoints();
    model_.setButtons({.pass = model_.buttons().pass});
    model_.setScore(seat, total);
    model_.setPoints(seat, points);

    const bool mine = seat == model_.myseat();
    while (!fields.atListEnd()) {
        const int slot = slotField(fields);
        const int tile = boardTileField(fields);
        const int row = lineField(fields);
        const int column = lineField(fields);
        // The user's own tiles are on the board already; only their state changes.
        fixTile(row, column, tile);
        // The tile has left the hand for good.
        if (mine)
            model_.setHandTile(slot, 0);
    }
    model_.forgetPlacedTiles();

    const std::string name = model_.playerName(seat);
    if (bonus == 6) {
        model_.setStatus(mine ? "Good Move, You got a bonus!"
                              : name + " had a good move and got a bonus.");
    } else {
        model_.setStatus(mine ? "You completed your turn." : name + "'s turn completed.");
    }
    services_.playsounds("finish");
}

void GameEvents::error(protocol::Reader& fields) {
    if (fields.number() != model_.myseat())
        return;
    static const char* const kReasons[] = {
        "You cannot place tiles on top of each other.", "Tiles need to be in the same line.",
        "That is not a valid grouping", "One tile must touch an existing tile."};
    const int code = fields.number();
    if (code >= 1 && code <= 4)
        model_.setStatus(kReasons[code - 1]);
    services_.playsounds("invalid");
    model_.setTurnseat(model_.myseat());
    model_.setButtons({.pass = model_.buttons().pass, .finish = true, .clear = true});
}

void GameEvents::hepassed(protocol::Reader& fields) {
    const int seat = playerSeatField(fields);
    stopClock();
    hideTurnButtons();
    model_.setStatus(seat == model_.myseat() ? "You passed. Turn Over!"
                                             : model_.playerName(seat) + " passed!");
    services_.playsounds("pass");
}

void GameEvents::ranout(protocol::Reader& fields) {
    const int seat = playerSeatField(fields);
    const int total = fields.number();
    const int points = fields.number();
    stopClock();
    hideTurnButtons();
    model_.setScore(seat, total);
    model_.setPoints(seat, points);
    model_.setStatus(seat == model_.myseat()
                         ? "You ran out of tiles. Round Over!"
                         : model_.playerName(seat) + " ran out of tiles. Round Over!");
    services_.playsounds("roundover");
}

void GameEvents::timesup(protocol::Reader&) {
    model_.takeBackTiles();
    stopClock();
    hideTurnButtons();
    model_.setStatus("Time is Up!");
    services_.playsounds("timeup");
}

void GameEvents::endround(protocol::Reader&) {
    stopClock();
    model_.setStatus("The Round is Over. Please Wait.");
}

void GameEvents::winner(protocol::Reader& fields) {
    const std::string name = fields.text();
    stopClock();
    hideTurnButtons();
    services_.playsounds("gameover");
    const bool won = model_.isPlayer() && model_.playerName(model_.myseat()) == name;
    const std::string text = won ? "You have Won the Game!" : name + " has Won the Game!";
    model_.setWinner(text);
    model_.setStatus("Game Over!");
    model_.systemLine(text);
    if (model_.ishost())
        model_.setStartShown(true);
    if (model_.isPlayer())
        services_.addgame(won ? "addtomine" : name);
}

void GameEvents::gamestats(protocol::Reader& fields) {
    if (fields.number() != model_.myseat())
        return;
    model_.setTurnseat(fields.number());
    model_.setInfo(Info::PlayTo, "Play to Score: " + numberText(fields));
    const std::string perTurn = numberText(fields);
    const int left = fields.number();
    model_.setInfo(Info::TimePerTurn, "Time Per Turn: " + perTurn + "secs");
    model_.setTurnlength(*protocol::parseNumber(perTurn));
    model_.startTurnClock(left);
    startClock();
    model_.setInfo(Info::Round, "Round: " + numberText(fields));
    model_.setInfo(Info::TilesLeft, "Tiles Left: " + numberText(fields));
    while (!fields.atListEnd()) {
        const int seat = playerSeatField(fields);
        model_.setScore(seat, fields.number());
        if (fields.text() == "f")
            model_.setSitsOut(seat, true);
    }
    // Back in a running game: whose turn it is. The own turn has said so already.
    const int turn = model_.turnseat();
    if (protocol::isPlayerSeat(turn) && turn != model_.myseat()) {
        model_.setMarkerSeat(turn);
        model_.setStatus(model_.playerName(turn) + "'s turn.");
    }
}

void GameEvents::loadboard(protocol::Reader& fields) {
    if (fields.number() != model_.myseat())
        return;
    while (!fields.atListEnd()) {
        const int row = lineField(fields);
        const int column = lineField(fields);
        fixTile(row, column, boardTileField(fields));
    }
}

void GameEvents::turnTick() {
    model_.tick();
    const int timeleft = model_.timeleft();
    if (timeleft == 20 || timeleft == 15 || (timeleft >= 1 && timeleft <= 10))
        services_.playsounds("tick");
}

}  // namespace hexaline::client
