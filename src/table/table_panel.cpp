// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/table_panel.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <QTextCursor>
#include <algorithm>

#include "art/artwork.h"
#include "art/picture_button.h"
#include "client/seat_captions.h"
#include "protocol/seats.h"
#include "table/board_frame.h"
#include "table/board_view.h"
#include "table/hand_image.h"
#include "table/picture_widget.h"
#include "table/table_style.h"
#include "text/settings/preferences.h"

namespace hexaline::table {

namespace {

constexpr int kNameMinWidth = 65;
constexpr std::array kNameY{47, 70, 94, 117};
constexpr std::array kEyesY{48, 70, 94, 118};
constexpr std::array kNotPlayingY{48, 72, 96, 120};
constexpr std::array kTileX{101, 144, 187, 231, 274, 317};
constexpr std::array kPhraseX{474, 501, 528, 554, 581, 608, 634, 661, 688, 715};
// Shown in the hand until the first deal: a blue car, then bubbles in yellow, orange, red,
// blue and green.
constexpr std::array kPlaceholders{5, 32, 33, 34, 35, 0};

PictureWidget* makePicture(QWidget* parent, const QString& name, PictureWidget::Maker maker,
                           QRect geometry) {
    auto* picture = new PictureWidget(std::move(maker), geometry.size(), parent);
    picture->setObjectName(name);
    picture->move(geometry.topLeft());
    return picture;
}

art::PictureButton* makeButton(QWidget* parent, const QString& name, art::Button which, QPoint at,
                               bool handCursor) {
    auto* button = new art::PictureButton(which, parent);
    button->setObjectName(name);
    button->move(at);
    if (handCursor)
        button->setCursor(Qt::PointingHandCursor);
    return button;
}

QPushButton* makeWhiteButton(QWidget* parent, const QString& name, QRect geometry,
                             const QString& tip) {
    auto* button = new QPushButton(parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setFlat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setToolTip(tip);
    button->setStyleSheet(QStringLiteral("QPushButton { background-color: white; border: none; }"));
    return button;
}

}  // namespace

TablePanel::TablePanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("panel_board"));
    resize(kWidth, kHeight);
    setAutoFillBackground(false);
    setFont(tableFont(11));
    buildTopAndBoard();
    buildHandRow();
    buildSeatRows();
    buildClock();
    buildPhraseRow();
    buildChat();
}

void TablePanel::buildTopAndBoard() {
    label_roundnum = makeLabel(this, QStringLiteral("label_roundnum"), "Round: 0 of 0", 10, 3);
    label_playtoscore =
        makeLabel(this, QStringLiteral("label_playtoscore"), "Play to Score: 0", 316, 3);
    label_playtoscore->resize(132, label_playtoscore->height());

    panel_boardframe = new BoardFrame(this);
    panel_boardframe->setObjectName(QStringLiteral("panel_boardframe"));
    panel_boardframe->setGeometry(8, 17, 442, 442);
    board = new BoardView(panel_boardframe);
    board->move(5, 5);
    button_start = makeButton(panel_boardframe, QStringLiteral("button_start"),
                              art::Button::StartGame, {157, 194}, true);

    panel_winner = new QWidget(this);
    panel_winner->setObjectName(QStringLiteral("panel_winner"));
    panel_winner->setGeometry(16, 168, 425, 41);
    panel_winner->setAutoFillBackground(true);
    QPalette fill = panel_winner->palette();
    fill.setColor(QPalette::Window, art::kMaroon);
    panel_winner->setPalette(fill);
    // The grey shadow lies behind, one pixel to the right and one higher.
    label_winner2 =
        makeLabel(panel_winner, QStringLiteral("label_winner2"), "Winner!", 1, -1, 24, true);
    label_winner1 =
        makeLabel(panel_winner, QStringLiteral("label_winner1"), "Winner!", 0, 0, 24, true);
    for (QLabel* label : {label_winner2, label_winner1}) {
        label->resize(panel_winner->size());
        label->setAlignment(Qt::AlignCenter);
    }
    setTextColour(label_winner2, QColor(128, 128, 128));
    panel_winner->hide();
}

void TablePanel::buildHandRow() {
    for (int slot = 1; slot <= 6; ++slot) {
        auto* image = new HandImage(slot, kTileX[slot - 1], this);
        image->showPlaceholder(kPlaceholders[slot - 1]);
        tiles_[slot - 1] = image;
    }
    button_clear =
        makeButton(this, QStringLiteral("button_clear"), art::Button::Clear, {13, 470}, true);
    button_clear->hide();
    button_finish =
        makeButton(this, QStringLiteral("button_finish"), art::Button::Finish, {381, 470}, false);
    button_finish->hide();

    label_status =
        makeLabel(this, QStringLiteral("label_status"), "Welcome to Hexaline", 88, 509, 13, true);
    label_status->resize(281, 16);
    label_status->setAlignment(Qt::AlignCenter);
    label_tilesleft = makeLabel(this, QStringLiteral("label_tilesleft"), "Tiles Left: 0", 375, 512);
}

void TablePanel::buildSeatRows() {
    image_logo = makePicture(this, QStringLiteral("image_logo"), art::logo, {488, 8, 249, 26});
    image_Turn =
        makePicture(this, QStringLiteral("image_Turn"), art::turnStrip, {514, 47, 101, 16});
    for (int seat = 1; seat <= protocol::kPlayerSeats; ++seat) {
        const int i = seat - 1;
        eyes_[i] = makePicture(this, QStringLiteral("image_eyes%1").arg(seat), art::eyes,
                               {496, kEyesY[i], 23, 10});
        eyes_[i]->hide();

        QLabel* name = makeLabel(this, QStringLiteral("label_playername%1").arg(seat),
                                 session::kWaiting, 518, kNameY[i], 13, true);
        name->resize(std::max(kNameMinWidth, name->sizeHint().width()), 16);
        name->setProperty("tag", seat);
        name->setToolTip(QString::fromLatin1(protocol::computerName(seat)));
        name->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(name, &QWidget::customContextMenuRequested, this, [this, seat, name](QPoint at) {
            emit playernameContextMenu(seat, name->mapToGlobal(at));
        });
        playernames_[i] = name;

        scores_[i] = makeLabel(this, QStringLiteral("label_score%1").arg(seat), QString(), 613,
                               kNameY[i], 13, true);
        scores_[i]->resize(scores_[i]->width(), 16);
        scores_[i]->hide();  // shown when a player takes the seat, or the seat plays a round
        bonuses_[i] = makeLabel(this, QStringLiteral("label_bonus%1").arg(seat), QString(), 656,
                                kNameY[i], 13);
        bonuses_[i]->resize(bonuses_[i]->width(), 16);

        notplayings_[i] = makePicture(this, QStringLiteral("image_notplaying%1").arg(seat),
                                      art::notPlaying, {612, kNotPlayingY[i], 99, 14});
        notplayings_[i]->hide();
    }
}

void TablePanel::buildClock() {
    label_timeperturn =
        makeLabel(this, QStringLiteral("label_timeperturn"), "Time Per Turn: 0 secs", 459, 140);
    image_clockframe =
        makePicture(this, QStringLiteral("image_clockframe"), art::clockFrame, {457, 155, 248, 30});
    image_timer =
        makePicture(this, QStringLiteral("image_timer"), art::timeBar, {459, 157, 244, 26});
    label_timer = makeLabel(this, QStringLiteral("label_timer"), "Time: 0:00", 463, 161, 16, true);
    label_timer->resize(87, 19);
    label_timer->setAlignment(Qt::AlignCenter);
    setTextColour(label_timer, art::kClockText);
    button_pass =
        makeButton(this, QStringLiteral("button_pass"), art::Button::Pass, {707, 155}, true);
    button_pass->hide();
}

void TablePanel::buildPhraseRow() {
    for (int n = 1; n <= kPhrases; ++n) {
        QPushButton* button = makeWhiteButton(
            this, QStringLiteral("b_phrase%1").arg(n), {kPhraseX[n - 1], 194, 25, 19},
            n <= settings::kPhraseCount
                ? settings::Preferences{}.phrases.at(static_cast<std::size_t>(n - 1))
                : QStringLiteral("Chatter Sounds"));
        connect(button, &QPushButton::clicked, this, [this, n] { emit phraseClicked(n); });
        phrases_[n - 1] = button;
    }
}

void TablePanel::buildChat() {
    panel_chat = new QWidget(this);
    panel_chat->setObjectName(QStringLiteral("panel_chat"));
    panel_chat->setGeometry(458, 216, 299, 282);
    mainchat = new QTextBrowser(panel_chat);
    mainchat->setObjectName(QStringLiteral("mainchat"));
    mainchat->setGeometry(2, 2, 295, 279);
    mainchat->setReadOnly(true);
    mainchat->setOpenLinks(false);
    mainchat->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette log = mainchat->palette();
    log.setColor(QPalette::Base, art::kBoardFill);
    log.setColor(QPalette::Text, Qt::blue);  // the stand-in shows every line as a system line
    mainchat->setPalette(log);

    mychat = new QLineEdit(QStringLiteral("<Enter Chat Here>"), this);
    mychat->setObjectName(QStringLiteral("mychat"));
    mychat->setGeometry(458, 500, 269, 22);
    mychat->setFont(tableFont(13));

    button_smilies = makeWhiteButton(this, QStringLiteral("button_smilies"), {730, 501, 25, 19},
                                     QStringLiteral("Chatter Sounds"));
    connect(button_smilies, &QPushButton::clicked, this, &TablePanel::smiliesClicked);
}

QLabel* TablePanel::playername(int seat) const {
    return playernames_.at(seat - 1);
}
QLabel* TablePanel::score(int seat) const {
    return scores_.at(seat - 1);
}
QLabel* TablePanel::bonus(int seat) const {
    return bonuses_.at(seat - 1);
}
QWidget* TablePanel::notplaying(int seat) const {
    return notplayings_.at(seat - 1);
}
QWidget* TablePanel::eyes(int seat) const {
    return eyes_.at(seat - 1);
}
HandImage* TablePanel::tileImage(int slot) const {
    return tiles_.at(slot - 1);
}
QPushButton* TablePanel::phrase(int number) const {
    return phrases_.at(number - 1);
}

void TablePanel::setPlayerName(int seat, const QString& text) {
    QLabel* name = playername(seat);
    setAutoText(name, text);
    name->resize(std::max(kNameMinWidth, name->width()), name->height());
    name->show();
}

void TablePanel::showEyes(int seat, bool shown) {
    eyes(seat)->setVisible(shown);
}

void TablePanel::placeScoreBesideName(int seat) {
    QLabel* name = playername(seat);
    QLabel* total = score(seat);
    total->move(name->geometry().right() + 1 + 6, total->y());
    total->show();
}

void TablePanel::addlinetochat(const QString& line, std::uint32_t /*colour*/) {
    const qsizetype plus = line.indexOf(QLatin1Char('+'));
    QTextCursor cursor(mainchat->document());
    cursor.movePosition(QTextCursor::End);
    if (!mainchat->document()->isEmpty())
        cursor.insertBlock();
    cursor.insertText(plus < 0 ? line : line.mid(plus + 1));
}

}  // namespace hexaline::table
