// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/game_table.h"

#include <QLabel>
#include <algorithm>

#include "art/picture_button.h"
#include "table/board_view.h"
#include "table/hand_image.h"
#include "table/message_fields.h"
#include "table/notice_box.h"
#include "table/table_panel.h"

namespace hexaline::table {

GameTable::GameTable(TablePanel& panel, QObject* parent) : QObject(parent), panel_(panel) {
    hooks.send = [](const std::string&) {};
    hooks.isconnected = [] { return false; };
    hooks.playsounds = [](const QString&) {};
    hooks.addlinetochat = [this](const QString& line, std::uint32_t colour) {
        panel_.addlinetochat(line, colour);
    };
    hooks.addgame = [](const QString&) {};
    hooks.showGameStart = [] {};
    hooks.justWatchChecked = [this] { return justWatch_; };
    hooks.setJustWatchChecked = [this](bool checked) { justWatch_ = checked; };
    hooks.turnSoundTag = [] { return 0; };
    hooks.showMessage = [this](const QString& text) { table::showNotice(panel_.window(), text); };

    turntime.setInterval(1000);
    connect(&turntime, &QTimer::timeout, this, &GameTable::turntimeTimer);

    panel_.board->setBoard(&model_.board());
    connect(&model_, &GameModel::seatChanged, this, &GameTable::showSeat);
    connect(&model_, &GameModel::handChanged, this, &GameTable::showHandSlot);
    connect(&model_, &GameModel::myseatChanged, this, &GameTable::showHandRow);
    connect(&model_, &GameModel::clockChanged, this, &GameTable::showClock);
    connect(panel_.board, &BoardView::mouseDown, this, &GameTable::boardMouseDown);
    for (int slot = 1; slot <= kHandSlots; ++slot) {
        connect(panel_.tileImage(slot), &HandImage::mouseUp, this, &GameTable::image_tile6MouseUp);
    }
    connect(panel_.button_finish, &QAbstractButton::clicked, this, &GameTable::button_finishClick);
    connect(panel_.button_clear, &QAbstractButton::clicked, this, &GameTable::button_clearClick);
    connect(panel_.button_pass, &QAbstractButton::clicked, this, &GameTable::button_passClick);
    connect(panel_.button_start, &QAbstractButton::clicked, this, &GameTable::button_startClick);

    clearall();
}

void GameTable::install(protocol::Dispatcher& dispatcher) {
    using protocol::Msg;
    using Handler = void (GameTable::*)(protocol::Reader&);
    const std::pair<Msg, Handler> handlers[] = {
        {Msg::GameStarted, &GameTable::startthegame},
        {Msg::RoundStarting, &GameTable::roundstart},
        {Msg::RoundStart, &GameTable::roundstart},
        {Msg::MyTiles, &GameTable::mytiles},
        {Msg::NextPlayer, &GameTable::getnextplayer},
        {Msg::HisPlay, &GameTable::hisplay},
        {Msg::Error, &GameTable::error},
        {Msg::HePassed, &GameTable::hepassed},
        {Msg::RanOut, &GameTable::ranout},
        {Msg::TimesUp, &GameTable::timesup},
        {Msg::EndRound, &GameTable::endround},
        {Msg::Winner, &GameTable::winner},
        {Msg::GameStats, &GameTable::gamestats},
        {Msg::LoadBoard, &GameTable::loadboard},
    };
    for (const auto& [id, handler] : handlers) {
        dispatcher.on(id, [this, handler](protocol::Reader& fields, protocol::Origin) {
            (this->*handler)(fields);
        });
    }
}

void GameTable::hideTurnButtons() {
    panel_.button_pass->hide();
    panel_.button_finish->hide();
    panel_.button_clear->hide();
}

void GameTable::drawSquare(int row, int column) {
    panel_.board->drawSquare(row, column);
}

void GameTable::emptyBoard() {
    model_.clearBoard();
    placedtiles = {};
    panel_.board->update();
}

void GameTable::chat(const QString& text) {
    hooks.addlinetochat(QStringLiteral("0+") + text, kSystemColour);
}

void GameTable::playsounds(const QString& name) {
    hooks.playsounds(name);
}

QString GameTable::nameOf(int seat) const {
    return fromWire(model_.playerName(seat));
}

bool GameTable::tilesLaid() const {
    for (int slot = 1; slot <= kHandSlots; ++slot) {
        if (placedtiles[slot].row != 0)
            return true;
    }
    return false;
}

}  // namespace hexaline::table
