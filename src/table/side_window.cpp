// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/side_window.h"

#include <QLabel>

#include "art/artwork.h"

namespace hexaline::table {

QLabel* styledLabel(QWidget* parent, const QString& text, const QRect& at, const LabelLook& look) {
    auto* label = new QLabel(text, parent);
    if (look.plainText)
        label->setTextFormat(Qt::PlainText);
    if (look.name != nullptr)
        label->setObjectName(QString::fromLatin1(look.name));
    if (!at.isNull())
        label->setGeometry(at);
    if (look.wordWrap)
        label->setWordWrap(true);
    if (look.alignment != Qt::Alignment())
        label->setAlignment(look.alignment);
    QFont font = look.family != nullptr ? QFont(QString::fromLatin1(look.family)) : label->font();
    font.setPixelSize(look.pixels);
    font.setBold(look.bold);
    label->setFont(font);
    if (look.lightText) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, art::kLabelText);
        label->setPalette(palette);
    }
    return label;
}

void centreIn(QWidget& window, const QRect& area) {
    window.move(area.center() - QPoint(window.width() / 2, window.height() / 2));
}

void centreOver(QWidget& window, const QWidget* over) {
    if (over != nullptr)
        centreIn(window, over->frameGeometry());
}

void showOver(QWidget& window, const QWidget* over, Reopen reopen, bool activate) {
    if (reopen == Reopen::Centred || !window.isVisible())
        centreOver(window, over);
    window.show();
    window.raise();
    if (activate)
        window.activateWindow();
}

}  // namespace hexaline::table
