// SPDX-License-Identifier: GPL-3.0-or-later
#include "art/text_art.h"

#include <QFontMetricsF>
#include <QStringList>
#include <QTransform>

namespace hexaline::art::detail {

QFont artFont(qreal pixelSize, int weight, bool serif) {
    QFont font;
    if (serif) {
        font.setFamilies({"Georgia", "Times New Roman", "Liberation Serif", "DejaVu Serif"});
        font.setStyleHint(QFont::Serif);
    } else {
        font.setFamilies({"Arial", "Helvetica", "Liberation Sans", "DejaVu Sans"});
        font.setStyleHint(QFont::SansSerif);
    }
    font.setPixelSize(qMax(1, qRound(pixelSize)));
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QPainterPath fittedText(const QString& text, const QFont& font, const QRectF& box) {
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF ink = path.boundingRect();
    if (ink.isEmpty()) {
        return path;
    }
    const qreal scale = qMin(1.0, qMin(box.width() / ink.width(), box.height() / ink.height()));
    QTransform t;
    t.translate(box.center().x(), box.center().y());
    t.scale(scale, scale);
    t.translate(-ink.center().x(), -ink.center().y());
    return t.map(path);
}

}  // namespace hexaline::art::detail
