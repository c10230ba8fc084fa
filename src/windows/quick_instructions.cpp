// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/quick_instructions.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <vector>

#include "art/artwork.h"
#include "table/side_window.h"
#include "windows/example_board.h"

namespace hexaline::windows {

namespace {

// Where the panel waits, and where it shows, in the table's coordinates.
const QPoint kAway{767, -3};
const QPoint kShown{3, 4};

// Tile codes by colour and shape.
enum Colour { Purple = 1, Yellow, Orange, Red, Blue, Green };
enum Shape { Car = 1, Smiley, Flower, Heart, Peace, Bubbles };
constexpr int tile(Colour colour, Shape shape) {
    return (shape - 1) * 6 + colour;
}

struct Example {
    const char* text;
    bool allowed;
    std::vector<ExampleBoard::Tile> tiles;  // on a board of 3 rows and 5 columns
};

const std::vector<Example>& examples() {
    static const std::vector<Example> all = {
        {"You CAN play both of these red tiles this turn since they are both in the same row and "
         "form a valid set horizontally, and also form valid sets in their respective columns.",
         true,
         {{2, 1, tile(Red, Car), false},
          {1, 2, tile(Blue, Heart), false},
          {1, 3, tile(Green, Flower), false},
          {2, 2, tile(Red, Heart), true},
          {2, 3, tile(Red, Flower), true}}},
        {"You CANNOT play these two orange tiles this turn because they are not connected to the "
         "same set horizontally.",
         false,
         {{2, 1, tile(Orange, Car), false},
          {2, 2, tile(Orange, Smiley), false},
          {2, 3, tile(Orange, Heart), true},
          {2, 5, tile(Orange, Peace), true}}},
        {"You CANNOT play that yellow tile there since the set in the column already contains a "
         "yellow peace sign.",
         false,
         {{1, 3, tile(Yellow, Peace), false},
          {2, 3, tile(Yellow, Car), false},
          {3, 3, tile(Yellow, Peace), true}}},
        {"You CAN play this orange smiley tile here because it matches the color but none of the "
         "images in the column. The same cannot be said for the orange heart next to it.",
         true,
         {{1, 2, tile(Orange, Car), false},
          {2, 2, tile(Orange, Flower), false},
          {3, 2, tile(Orange, Smiley), true},
          {1, 3, tile(Orange, Heart), false},
          {2, 3, tile(Orange, Bubbles), false}}},
        {"You CANNOT place these three tiles this turn because they do not all share either the "
         "horizontal or vertical lines.",
         false,
         {{1, 2, tile(Blue, Car), true},
          {2, 3, tile(Blue, Smiley), true},
          {2, 4, tile(Blue, Flower), true}}},
    };
    return all;
}

// Wrapped light text, placed by the panel's layout.
QLabel* label(const QString& text, int pixelSize, bool bold, QWidget* parent) {
    return table::styledLabel(parent, text, QRect(),
                              {.pixels = pixelSize, .bold = bold, .wordWrap = true});
}

}  // namespace

QuickInstructions::QuickInstructions(QWidget* table) : QWidget(table) {
    setObjectName(QStringLiteral("panel_help"));
    setGeometry(QRect(kAway, QSize(kWidth, kHeight)));
    hide();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 18);
    layout->setSpacing(8);
    QLabel* title = label(QStringLiteral("QUICK INSTRUCTIONS"), 22, true, this);
    title->setAlignment(Qt::AlignCenter);
    layout->addWidget(title);
    layout->addWidget(label(QStringLiteral("Create groups of up to 6 tiles. A valid grouping is "
                                           "where all the tiles share the same color and different "
                                           "images, or the same images all different colors."),
                            14, true, this));
    for (const Example& example : examples()) {
        auto* row = new QHBoxLayout;
        row->setSpacing(16);
        row->addWidget(new ExampleBoard(3, 5, example.tiles, example.allowed, this));
        row->addWidget(label(QString::fromLatin1(example.text), 13, false, this), 1);
        layout->addLayout(row);
    }
    layout->addStretch(1);
    doneButton = new QPushButton(QStringLiteral("Done"), this);
    doneButton->setObjectName(QStringLiteral("button_done"));
    doneButton->setCursor(Qt::PointingHandCursor);
    doneButton->setFixedSize(90, 28);
    layout->addWidget(doneButton, 0, Qt::AlignRight);
    connect(doneButton, &QPushButton::clicked, this, &QWidget::hide);
}

void QuickInstructions::showOverTable() {
    move(kShown);
    show();
    raise();
    // Enter, Space or Esc closes it from the keyboard.
    doneButton->setDefault(true);
    doneButton->setFocus();
}

void QuickInstructions::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return ||
        event->key() == Qt::Key_Enter) {
        hide();
        return;
    }
    QWidget::keyPressEvent(event);
}

void QuickInstructions::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawTiledPixmap(rect(), art::background(devicePixelRatioF()));
    painter.setPen(QPen(art::kLabelText, 2));
    painter.drawRect(rect().adjusted(1, 1, -1, -1));
}

}  // namespace hexaline::windows
