// SPDX-License-Identifier: GPL-3.0-or-later
// The table's answers to the host's game messages.
#include <QLabel>
#include <algorithm>

#include "art/picture_button.h"
#include "table/board_view.h"
#include "table/game_table.h"
#include "table/hand_image.h"
#include "table/message_fields.h"
#include "table/picture_widget.h"
#include "table/table_panel.h"
#include "table/table_style.h"
#include "table/table_texts.h"

namespace hexaline::table {

using protocol::kPlayerSeats;

void GameTable::clearall() {
    selectedslot = 0;
    model_.resetScores();
    emptyBoard();
}

void GameTable::startthegame(protocol::Reader& fields) {
    const QString starter = textField(fields);
    const std::string playto = fields.text();
    const std::string seconds = fields.text();

    stopClock();
    hideTurnButtons();
    panel_.button_start->hide();
    hooks.setJustWatchChecked(false);
    panel_.panel_winner->hide();
    clearall();
    panel_.label_playtoscore->setText(playto == "0" ? QStringLiteral("One Round Game")
                                                    : "Play to Score: " + fromWire(playto));
    setAutoText(panel_.label_roundnum, QStringLiteral("Round: 1"));
    if (isPlayer() && nameOf(model_.myseat()) == starter) {
        chat(QStringLiteral("You have started a game."));
    } else {
        chat(starter + " has started a game.");
    }
    if (model_.isFree(2)) {
        model_.seatTaken(2, model_.computerName(2));
        chat(QStringLiteral("I am Klot the bot. Good Luck!"));
    }

    const auto perTurn = protocol::parseNumber(seconds);
    if (!perTurn)
        throw protocol::FieldError("seconds per turn is not a number");
    const int t = *perTurn;
    setAutoText(panel_.label_timeperturn, "Time Per Turn: " + minutesText(t) + " mins");
    model_.setTurnlength(t);
    // A turn of no seconds would divide by zero; its bar simply stays full until the first tick.
    barunit = t > 0 ? std::max(1, kTimeBarWidth / t) : 1;
}

void GameTable::roundstart(protocol::Reader& fields) {
    const QString round = numberText(fields);
    stopClock();
    hideTurnButtons();
    while (!fields.atListEnd()) {
        const int seat = playerSeatField(fields, kPlayerSeats);
        model_.setSitsOut(seat, fields.text() == "n");
    }
    setAutoText(panel_.label_roundnum, "Round: " + round);
    emptyBoard();
}

void GameTable::mytiles(protocol::Reader& fields) {
    if (fields.number() != model_.myseat())
        return;
    while (!fields.atListEnd()) {
        const int slot = slotField(fields);
        const int code = tileField(fields);
        if (code == 0 && selectedslot == slot)
            selectedslot = 0;
        model_.setHandTile(slot, code);
    }
}

void GameTable::getnextplayer(protocol::Reader& fields) {
    const int seat = playerSeatField(fields, kPlayerSeats);
    const std::string flag = fields.text();
    stopClock();
    model_.setTurnseat(seat);
    setAutoText(panel_.label_tilesleft, "Tiles Left: " + numberText(fields));
    panel_.image_Turn->move(panel_.image_Turn->x(), panel_.playername(seat)->y() + 2);
    // A free seat's turn is the computer player's.
    if (model_.isFree(seat) && !model_.computerName(seat).empty())
        model_.seatTaken(seat, model_.computerName(seat));

    if (seat == model_.myseat()) {
        if (flag == "f") {
            panel_.label_status->setText(QStringLiteral("Your Turn, but you have no valid plays."));
        } else if (hooks.justWatchChecked()) {
            panel_.label_status->setText(QStringLiteral("Your Turn, but you are just watching."));
            model_.setTurnseat(0);
        } else {
            panel_.label_status->setText(QStringLiteral("Your Turn."));
        }
        panel_.button_pass->show();
        playsounds(hooks.turnSoundTag() == 1 ? QStringLiteral("turnnew") : QStringLiteral("turn"));
    } else {
        panel_.label_status->setText(
            nameOf(seat) + (flag != "f" ? QStringLiteral("'s turn.")
                                        : QStringLiteral("'s turn, with no valid plays.")));
    }
    // The clock shows the new turn's whole time at once.
    model_.startTurnClock(model_.turnlength());
    startClock();
}

void GameTable::hisplay(protocol::Reader& fields) {
    const int seat = playerSeatField(fields, kPlayerSeats);
    const QString total = numberText(fields);
    const QString points = numberText(fields);
    const int bonus = fields.number();
    stopClock();
    model_.clearPoints();
    panel_.button_finish->hide();
    panel_.button_clear->hide();
    model_.setScore(seat, toWire(total));
    model_.setPoints(seat, toWire(points));

    while (!fields.atListEnd()) {
        const int slot = slotField(fields);
        const int tile = boardTileField(fields);
        const int row = lineField(fields);
        const int column = lineField(fields);
        Square& square = model_.board().at(row, column);
        // The user's own tiles are on the board already; only their state changes.
        if (square.tile != tile) {
            square.tile = tile;
            drawSquare(row, column);
        }
        square.squarestate = kFixed;
        // The tile has left the hand for good.
        if (seat == model_.myseat())
            model_.setHandTile(slot, 0);
    }
    placedtiles = {};

    const bool mine = seat == model_.myseat();
    if (bonus == 6) {
        panel_.label_status->setText(mine ? QStringLiteral("Good Move, You got a bonus!")
                                          : nameOf(seat) + " had a good move and got a bonus.");
    } else {
        panel_.label_status->setText(mine ? QStringLiteral("You completed your turn.")
                                          : nameOf(seat) + "'s turn completed.");
    }
    playsounds(QStringLiteral("finish"));
}

void GameTable::error(protocol::Reader& fields) {
    if (fields.number() != model_.myseat())
        return;
    static const char* const kReasons[] = {
        "You cannot place tiles on top of each other.", "Tiles need to be in the same line.",
        "That is not a valid grouping", "One tile must touch an existing tile."};
    const int code = fields.number();
    if (code >= 1 && code <= 4)
        panel_.label_status->setText(QString::fromLatin1(kReasons[code - 1]));
    playsounds(QStringLiteral("invalid"));
    model_.setTurnseat(model_.myseat());
    panel_.button_finish->show();
    panel_.button_clear->show();
}

void GameTable::hepassed(protocol::Reader& fields) {
    const int seat = playerSeatField(fields, kPlayerSeats);
    stopClock();
    hideTurnButtons();
    panel_.label_status->setText(seat == model_.myseat() ? QStringLiteral("You passed. Turn Over!")
                                                         : nameOf(seat) + " passed!");
    playsounds(QStringLiteral("pass"));
}

void GameTable::ranout(protocol::Reader& fields) {
    const int seat = playerSeatField(fields, kPlayerSeats);
    const QString total = numberText(fields);
    const QString points = numberText(fields);
    stopClock();
    hideTurnButtons();
    model_.setScore(seat, toWire(total));
    model_.setPoints(seat, toWire(points));
    panel_.label_status->setText(seat == model_.myseat()
                                     ? QStringLiteral("You ran out of tiles. Round Over!")
                                     : nameOf(seat) + " ran out of tiles. Round Over!");
    playsounds(QStringLiteral("roundover"));
}

void GameTable::timesup(protocol::Reader&) {
    resettiles();
    stopClock();
    hideTurnButtons();
    panel_.label_status->setText(QStringLiteral("Time is Up!"));
    playsounds(QStringLiteral("timeup"));
}

void GameTable::endround(protocol::Reader&) {
    stopClock();
    panel_.label_status->setText(QStringLiteral("The Round is Over. Please Wait."));
}

void GameTable::winner(protocol::Reader& fields) {
    const QString name = textField(fields);
    stopClock();
    hideTurnButtons();
    playsounds(QStringLiteral("gameover"));
    const bool won = isPlayer() && nameOf(model_.myseat()) == name;
    const QString text =
        won ? QStringLiteral("You have Won the Game!") : name + " has Won the Game!";
    panel_.label_winner1->setText(text);
    panel_.label_winner2->setText(text);
    panel_.label_status->setText(QStringLiteral("Game Over!"));
    chat(text);
    panel_.panel_winner->show();
    if (model_.ishost())
        panel_.button_start->show();
    if (isPlayer())
        hooks.addgame(won ? QStringLiteral("addtomine") : name);
}

void GameTable::gamestats(protocol::Reader& fields) {
    if (fields.number() != model_.myseat())
        return;
    model_.setTurnseat(fields.number());
    panel_.label_playtoscore->setText("Play to Score: " + numberText(fields));
    const QString perTurn = numberText(fields);
    const int seconds = perTurn.toInt();
    const int left = fields.number();
    setAutoText(panel_.label_timeperturn, "Time Per Turn: " + perTurn + "secs");
    model_.setTurnlength(seconds);
    barunit = seconds > 0 ? kTimeBarWidth / seconds : 0;
    model_.startTurnClock(left);
    startClock();
    setAutoText(panel_.label_roundnum, "Round: " + numberText(fields));
    setAutoText(panel_.label_tilesleft, "Tiles Left: " + numberText(fields));
    while (!fields.atListEnd()) {
        const int seat = playerSeatField(fields, kPlayerSeats);
        model_.setScore(seat, toWire(numberText(fields)));
        if (fields.text() == "f")
            model_.setSitsOut(seat, true);
    }
    // Back in a running game: whose turn it is. The own turn has said so already.
    const int turn = model_.turnseat();
    if (protocol::isPlayerSeat(turn) && turn != model_.myseat()) {
        panel_.image_Turn->move(panel_.image_Turn->x(), panel_.playername(turn)->y() + 2);
        panel_.label_status->setText(nameOf(turn) + QStringLiteral("'s turn."));
    }
}

void GameTable::loadboard(protocol::Reader& fields) {
    if (fields.number() != model_.myseat())
        return;
    while (!fields.atListEnd()) {
        const int row = lineField(fields);
        const int column = lineField(fields);
        const int tile = boardTileField(fields);
        Square& square = model_.board().at(row, column);
        if (square.tile != tile) {
            square.tile = tile;
            drawSquare(row, column);
        }
        square.squarestate = kFixed;
    }
}

}  // namespace hexaline::table
