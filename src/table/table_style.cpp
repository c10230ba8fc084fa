// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/table_style.h"

#include <QLabel>

#include "art/artwork.h"

namespace hexaline::table {

QFont tableFont(int pixels, bool bold) {
    QFont font;
    // Without Arial, a font of its widths, else a narrow sans-serif, so texts fit their places.
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Arimo"), QStringLiteral("DejaVu Sans Condensed"),
                      QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

void setTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    widget->setPalette(palette);
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, int x, int y,
                  int pixels, bool bold) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(tableFont(pixels, bold));
    label->setAutoFillBackground(false);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->setTextFormat(Qt::PlainText);
    setTextColour(label, art::kLabelText);
    label->move(x, y);
    label->resize(label->sizeHint());
    return label;
}

void setAutoText(QLabel* label, const QString& text) {
    label->setText(text);
    label->resize(label->sizeHint().width(), label->height());
}

}  // namespace hexaline::table
