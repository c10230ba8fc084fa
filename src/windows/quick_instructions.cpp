#include "windows/quick_instructions.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "table/art/artwork.h"

namespace hexaline::windows {

namespace {

// Where the panel waits, and where it shows, in the table's coordinates.
const QPoint kAway{767, -3};
const QPoint kShown{3, 4};

constexpr const char* kExamples[] = {
    "You CAN play both of these red tiles this turn since they are both in the same row and form "
    "a valid set horizonally, and also form valid sets in their respective columns.",
    "You CANNOT play these two orange tiles this turn because they are not connected to the same "
    "set horizontally.",
    "You CANNOT play that yellow tile there since the set in the column already contains a yellow "
    "peace sign..",
    "You CAN play this orange smilie tile here because it matches the color but none of the images "
    "in the column..the same cannot be said for the orange heart next to it. ",
    "You CANNOT places these three tiles this turn because they do not all share either the "
    "horizontal or vertical lines.",
};

QLabel* label(const QString& text, int pixelSize, bool bold, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    QFont font = l->font();
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    l->setFont(font);
    l->setWordWrap(true);
    QPalette palette = l->palette();
    palette.setColor(QPalette::WindowText, art::kLabelText);
    l->setPalette(palette);
    return l;
}

}  // namespace

QuickInstructions::QuickInstructions(QWidget* table) : QWidget(table) {
    setObjectName(QStringLiteral("panel_help"));
    setGeometry(QRect(kAway, QSize(kWidth, kHeight)));
    hide();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 18);
    layout->setSpacing(12);
    QLabel* title = label(QStringLiteral("QUICK INSTRUCTIONS"), 22, true, this);
    title->setAlignment(Qt::AlignCenter);
    layout->addWidget(title);
    layout->addWidget(label(QStringLiteral("Create groups of up to 6 tiles. A valid grouping is "
                                           "where all the tiles share the same color and different "
                                           "images, or the same images all different colors."),
                            14, true, this));
    for (const char* example : kExamples) {
        layout->addWidget(label(QString::fromLatin1(example), 13, false, this));
    }
    layout->addStretch(1);
    button_done = new QPushButton(QStringLiteral("Done"), this);
    button_done->setObjectName(QStringLiteral("button_done"));
    button_done->setCursor(Qt::PointingHandCursor);
    button_done->setFixedSize(90, 28);
    layout->addWidget(button_done, 0, Qt::AlignRight);
    connect(button_done, &QPushButton::clicked, this, &QWidget::hide);
}

void QuickInstructions::showOverTable() {
    move(kShown);
    show();
    raise();
}

void QuickInstructions::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawTiledPixmap(rect(), art::background(devicePixelRatioF()));
    painter.setPen(QPen(art::kLabelText, 2));
    painter.drawRect(rect().adjusted(1, 1, -1, -1));
}

}  // namespace hexaline::windows
