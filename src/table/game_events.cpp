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

namespace {
const QString kWaiting = QStringLiteral("<Waiting>");

// Puts `label` 6 pixels right of `beside`.
void placeBeside(QLabel* label, const QLabel* beside) {
    label->move(beside->geometry().right() + 1 + 6, label->y());
}
}  // namespace

void GameTable::clearall() {
    selectedslot = 0;
    for (int seat = 1; seat <= seatLimit(); ++seat) {
        setAutoText(panel_.score(seat), QStringLiteral("0"));
        setAutoText(panel_.bonus(seat), QString());
    }
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
    if (isPlayer() && nameOf(myseat) == starter) {
        chat(QStringLiteral("You have started a game."));
    } else {
        chat(starter + " has started a game.");
    }
    if (seatLimit() >= 2 && nameOf(2) == kWaiting) {
        setAutoText(panel_.playername(2), QStringLiteral("Klot"));
        panel_.placeScoreBesideName(2);
        chat(QStringLiteral("I am Klot the bot. Good Luck!"));
    }

    const auto perTurn = protocol::parseNumber(seconds);
    if (!perTurn)
        throw protocol::FieldError("seconds per turn is not a number");
    const int t = *perTurn;
    setAutoText(panel_.label_timeperturn, "Time Per Turn: " + minutesText(t) + " mins");
    turnlength = t;
    // A turn of no seconds would divide by zero; its bar simply stays full until the first tick.
    barunit = t > 0 ? std::max(1, kTimeBarWidth / t) : 1;
}

void GameTable::roundstart(protocol::Reader& fields) {
    const QString round = numberText(fields);
    stopClock();
    hideTurnButtons();
    while (!fields.atListEnd()) {
        const int seat = playerSeatField(fields, seatLimit());
        const bool sitsOut = fields.text() == "n";
        panel_.notplaying(seat)->setVisible(sitsOut);
        panel_.score(seat)->setVisible(!sitsOut);
        panel_.bonus(seat)->setVisible(!sitsOut);
    }
    setAutoText(panel_.label_roundnum, "Round: " + round);
    emptyBoard();
}

void GameTable::mytiles(protocol::Reader& fields) {
    if (fields.number() != myseat)
        return;
    while (!fields.atListEnd()) {
        const int slot = slotField(fields);
        const int code = tileField(fields);
        HandImage* image = panel_.tileImage(slot);
        image->setTileCode(code);
        image->setRaised(false);
        // A slot without a tile shows nothing and cannot be picked up.
        image->setVisible(code != 0);
        if (code == 0 && selectedslot == slot)
            selectedslot = 0;
    }
}

void GameTable::getnextplayer(protocol::Reader& fields) {
    const int seat = playerSeatField(fields, seatLimit());
    const std::string flag = fields.text();
    stopClock();
    turnseat = seat;
    setAutoText(panel_.label_tilesleft, "Tiles Left: " + numberText(fields));
    QLabel* name = panel_.playername(seat);
    panel_.image_Turn->move(panel_.image_Turn->x(), name->y() + 2);
    // A free seat's turn is the computer player's, named in the label's hint.
    if (name->text() == kWaiting && !name->toolTip().isEmpty())
        setAutoText(name, name->toolTip());

    if (seat == myseat) {
        if (flag == "f") {
            panel_.label_status->setText(QStringLiteral("Your Turn, but you have no valid plays."));
        } else if (hooks.justWatchChecked()) {
            panel_.label_status->setText(QStringLiteral("Your Turn, but you are just watching."));
            turnseat = 0;
        } else {
            panel_.label_status->setText(QStringLiteral("Your Turn."));
        }
        panel_.button_pass->show();
        playsounds(hooks.turnSoundTag() == 1 ? QStringLiteral("turnnew") : QStringLiteral("turn"));
    } else {
        panel_.label_status->setText(
            name->text() + (flag != "f" ? QStringLiteral("'s turn.")
                                        : QStringLiteral("'s turn. but has no valid plays.")));
    }
    timeleft = turnlength;
    startClock();
}

void GameTable::hisplay(protocol::Reader& fields) {
    const int seat = playerSeatField(fields, seatLimit());
    const QString total = numberText(fields);
    const QString points = numberText(fields);
    const int bonus = fields.number();
    stopClock();
    for (int s = 1; s <= seatLimit(); ++s)
        setAutoText(panel_.bonus(s), QString());
    panel_.button_finish->hide();
    panel_.button_clear->hide();
    setAutoText(panel_.score(seat), total);
    setAutoText(panel_.bonus(seat), "+" + points);
    placeBeside(panel_.bonus(seat), panel_.score(seat));

    while (!fields.atListEnd()) {
        const int slot = slotField(fields);
        const int tile = boardTileField(fields);
        const int row = lineField(fields);
        const int column = lineField(fields);
        Square& square = clientboard.at(row, column);
        // The user's own tiles are on the board already; only their state changes.
        if (square.tile != tile) {
            square.tile = tile;
            drawSquare(row, column);
        }
        square.squarestate = kFixed;
        if (seat == myseat) {
            // The tile has left the hand for good.
            HandImage* image = panel_.tileImage(slot);
            image->hide();
            image->setTileCode(0);
        }
    }
    placedtiles = {};

    const bool mine = seat == myseat;
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
    if (fields.number() != myseat)
        return;
    static const char* const kReasons[] = {
        "You cannot place tiles on top of each other.", "Tiles need to be in the same line.",
        "That is not a valid grouping", "One tile must touch an existing tile."};
    const int code = fields.number();
    if (code >= 1 && code <= 4)
        panel_.label_status->setText(QString::fromLatin1(kReasons[code - 1]));
    playsounds(QStringLiteral("invalid"));
    turnseat = myseat;
    panel_.button_finish->show();
    panel_.button_clear->show();
}

void GameTable::hepassed(protocol::Reader& fields) {
    const int seat = playerSeatField(fields, seatLimit());
    stopClock();
    hideTurnButtons();
    panel_.label_status->setText(seat == myseat ? QStringLiteral("You passed. Turn Over!")
                                                : nameOf(seat) + " passed!");
    playsounds(QStringLiteral("pass"));
}

void GameTable::ranout(protocol::Reader& fields) {
    const int seat = playerSeatField(fields, seatLimit());
    const QString total = numberText(fields);
    const QString points = numberText(fields);
    stopClock();
    hideTurnButtons();
    setAutoText(panel_.score(seat), total);
    setAutoText(panel_.bonus(seat), "+" + points);
    panel_.label_status->setText(seat == myseat
                                     ? QStringLiteral("You ran out of a tiles..Round Over!")
                                     : nameOf(seat) + " ran out of tiles..Round Over!");
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
    panel_.label_status->setText(QStringLiteral("The Round is Over..Please Wait."));
}

void GameTable::winner(protocol::Reader& fields) {
    const QString name = textField(fields);
    stopClock();
    hideTurnButtons();
    playsounds(QStringLiteral("gameover"));
    const bool won = isPlayer() && nameOf(myseat) == name;
    const QString text =
        won ? QStringLiteral("You have Won the Game!") : name + " has Won the Game!";
    panel_.label_winner1->setText(text);
    panel_.label_winner2->setText(text);
    panel_.label_status->setText(QStringLiteral("Game Over!"));
    chat(text);
    panel_.panel_winner->show();
    if (ishost)
        panel_.button_start->show();
    if (isPlayer())
        hooks.addgame(won ? QStringLiteral("addtomine") : name);
}

void GameTable::gamestats(protocol::Reader& fields) {
    if (fields.number() != myseat)
        return;
    turnseat = fields.number();
    panel_.label_playtoscore->setText("Play to Score: " + numberText(fields));
    const QString perTurn = numberText(fields);
    const int seconds = perTurn.toInt();
    timeleft = fields.number();
    setAutoText(panel_.label_timeperturn, "Time Per Turn: " + perTurn + "secs");
    turnlength = seconds;
    barunit = seconds > 0 ? kTimeBarWidth / seconds : 0;
    startClock();
    setAutoText(panel_.label_roundnum, "Round: " + numberText(fields));
    setAutoText(panel_.label_tilesleft, "Tiles Left: " + numberText(fields));
    while (!fields.atListEnd()) {
        const int seat = playerSeatField(fields, seatLimit());
        setAutoText(panel_.score(seat), numberText(fields));
        if (fields.text() == "f")
            panel_.notplaying(seat)->show();
    }
}

void GameTable::loadboard(protocol::Reader& fields) {
    if (fields.number() != myseat)
        return;
    while (!fields.atListEnd()) {
        const int row = lineField(fields);
        const int column = lineField(fields);
        const int tile = boardTileField(fields);
        Square& square = clientboard.at(row, column);
        if (square.tile != tile) {
            square.tile = tile;
            drawSquare(row, column);
        }
        square.squarestate = kFixed;
    }
}

}  // namespace hexaline::table
