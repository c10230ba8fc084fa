// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/keyboard_play.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QWidget>

#include "art/picture_button.h"
#include "table/board_view.h"
#include "table/game_table.h"
#include "table/table_panel.h"

namespace hexaline::table {

// The cursor: a frame around one square, drawn over the board while the board has the focus.
class KeyboardCursor : public QWidget {
  public:
    explicit KeyboardCursor(QWidget& board) : QWidget(&board) {
        setObjectName(QStringLiteral("keyboard_cursor"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        setGeometry(board.rect());
        hide();
    }
    void place(QPoint square) {
        square_ = square;
        update();
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const int size = BoardView::kSquarePixels;
        const QRect r((square_.y() - 1) * size, (square_.x() - 1) * size, size, size);
        // Dark and light in turn, so that it shows on the pale board and on every tile.
        p.setPen(QPen(QColor(20, 20, 20), 3));
        p.drawRect(r.adjusted(1, 1, -2, -2));
        p.setPen(QPen(QColor(255, 255, 255), 1, Qt::DashLine));
        p.drawRect(r.adjusted(1, 1, -2, -2));
    }

  private:
    QPoint square_{6, 6};
};

KeyboardPlay::KeyboardPlay(QWidget& board, QLineEdit& chat, KeyboardActions actions,
                           QObject* parent)
    : QObject(parent),
      board_(board),
      chat_(chat),
      actions_(std::move(actions)),
      cursorView_(new KeyboardCursor(board)) {
    board_.setFocusPolicy(Qt::StrongFocus);
    board_.installEventFilter(this);
    chat_.installEventFilter(this);
    // Keys that reach the table's other controls come up to the panel.
    if (QWidget* panel = board_.window(); panel && panel != &board_)
        panel->installEventFilter(this);
    cursorView_->place(cursor_);
}

bool KeyboardPlay::cursorShown() const {
    return cursorView_->isVisible();
}

bool KeyboardPlay::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &board_ &&
        (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
        cursorView_->setVisible(event->type() == QEvent::FocusIn);
        cursorView_->raise();
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;  // menu shortcuts
    if (watched == &chat_) {
        if (key->key() == Qt::Key_Escape || key->key() == Qt::Key_Tab) {
            board_.setFocus(Qt::TabFocusReason);
            return true;
        }
        return false;  // typing
    }
    if (chat_.hasFocus())
        return false;
    if (watched == &board_ && (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)) {
        chat_.setFocus(Qt::TabFocusReason);
        return true;
    }
    return playKey(key->key());
}

bool KeyboardPlay::playKey(int key) {
    if (key >= Qt::Key_1 && key <= Qt::Key_6) {
        if (actions_.handTile)
            actions_.handTile(key - Qt::Key_1 + 1);
        return true;
    }
    switch (key) {
        case Qt::Key_Up:
            moveCursor(-1, 0);
            return true;
        case Qt::Key_Down:
            moveCursor(1, 0);
            return true;
        case Qt::Key_Left:
            moveCursor(0, -1);
            return true;
        case Qt::Key_Right:
            moveCursor(0, 1);
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space: {
            const int row = cursor_.x();
            const int column = cursor_.y();
            if (actions_.laidThisTurn && actions_.laidThisTurn(row, column)) {
                if (actions_.takeBack)
                    actions_.takeBack(row, column);
            } else if (actions_.square) {
                actions_.square(row, column);
            }
            return true;
        }
        case Qt::Key_F:
            if (actions_.finish)
                actions_.finish();
            return true;
        case Qt::Key_C:
            if (actions_.clear)
                actions_.clear();
            return true;
        case Qt::Key_P:
            if (actions_.pass)
                actions_.pass();
            return true;
        default:
            return false;
    }
}

void KeyboardPlay::moveCursor(int rows, int columns) {
    // The cursor stops at the board's edges.
    cursor_.setX(std::clamp(cursor_.x() + rows, 1, kBoardLines));
    cursor_.setY(std::clamp(cursor_.y() + columns, 1, kBoardLines));
    cursorView_->place(cursor_);
    if (board_.hasFocus())
        cursorView_->show();
}

KeyboardPlay* installKeyboardPlay(GameTable& table, TablePanel& panel) {
    client::TurnInput& turn = table.turn();
    const client::GameModel& model = table.model();
    KeyboardActions actions;
    actions.handTile = [&turn](int slot) { turn.pickUp(slot); };
    actions.square = [&turn](int row, int column) { turn.layTile(row, column); };
    actions.takeBack = [&turn](int row, int column) { turn.takeBack(row, column); };
    actions.laidThisTurn = [&model](int row, int column) {
        const int state = model.board().at(row, column).squarestate;
        return state >= 1 && state <= kHandSlots;
    };
    // A button's key works only while the button is shown, as a click would.
    actions.finish = [&turn, &model] {
        if (model.buttons().finish)
            turn.finish();
    };
    actions.clear = [&turn, &model] {
        if (model.buttons().clear)
            turn.clear();
    };
    actions.pass = [&turn, &model] {
        if (model.buttons().pass)
            turn.pass();
    };
    return new KeyboardPlay(*panel.board, *panel.mychat, std::move(actions), &table);
}

}  // namespace hexaline::table
