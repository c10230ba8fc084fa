// SPDX-License-Identifier: GPL-3.0-or-later
#include <QLinearGradient>
#include <QPainter>

#include "art/artwork.h"
#include "art/marker_art.h"
#include "art/text_art.h"

namespace hexaline::art::detail {

void paintTurnStrip(QPainter& p, QSize size) {
    const QRectF strip(0.5, 0.5, size.width() - 1.0, size.height() - 1.0);
    QLinearGradient fill(0, strip.top(), 0, strip.bottom());
    fill.setColorAt(0.0, QColor(168, 28, 24));
    fill.setColorAt(0.5, QColor(112, 6, 6));
    fill.setColorAt(1.0, QColor(74, 0, 0));
    p.setPen(QPen(QColor(246, 214, 176), 1.0));
    p.setBrush(fill);
    p.drawRoundedRect(strip, 4.0, 4.0);

    QRectF gloss = strip.adjusted(2.0, 1.2, -2.0, 0);
    gloss.setHeight(strip.height() * 0.4);
    QLinearGradient shine(0, gloss.top(), 0, gloss.bottom());
    shine.setColorAt(0.0, QColor(255, 255, 255, 70));
    shine.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    p.drawRoundedRect(gloss, 2.5, 2.5);
}

void paintClockFrame(QPainter& p, QSize size) {
    const QRectF frame(0.5, 0.5, size.width() - 1.0, size.height() - 1.0);
    QLinearGradient metal(0, frame.top(), 0, frame.bottom());
    metal.setColorAt(0.0, QColor(112, 112, 116));
    metal.setColorAt(0.5, QColor(70, 70, 74));
    metal.setColorAt(1.0, QColor(44, 44, 46));
    p.setPen(QPen(QColor(18, 18, 20), 1.0));
    p.setBrush(metal);
    p.drawRoundedRect(frame, 4.0, 4.0);

    // The recess the time bar lies in: 2 pixels inside on every side.
    const QRectF well(2.0, 2.0, size.width() - 4.0, size.height() - 4.0);
    QLinearGradient depth(0, well.top(), 0, well.bottom());
    depth.setColorAt(0.0, QColor(10, 10, 12));
    depth.setColorAt(0.3, QColor(28, 28, 30));
    depth.setColorAt(1.0, QColor(40, 40, 42));
    p.setPen(Qt::NoPen);
    p.setBrush(depth);
    p.drawRect(well);
    p.setPen(QPen(QColor(0, 0, 0, 170), 1.0));
    p.drawLine(QPointF(well.left(), well.top() + 0.5), QPointF(well.right(), well.top() + 0.5));
}

void paintTimeBar(QPainter& p, QSize size) {
    // Shown clipped to a width that shrinks as the turn runs out, so the bar is the same all along.
    const QRectF bar(0, 0, size.width(), size.height());
    QLinearGradient fill(0, 0, 0, bar.height());
    fill.setColorAt(0.0, QColor(222, 84, 70));
    fill.setColorAt(0.45, QColor(186, 36, 28));
    fill.setColorAt(0.55, QColor(164, 22, 16));
    fill.setColorAt(1.0, QColor(108, 6, 4));
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawRect(bar);

    QLinearGradient shine(0, 1.0, 0, bar.height() * 0.5);
    shine.setColorAt(0.0, QColor(255, 255, 255, 90));
    shine.setColorAt(1.0, QColor(255, 255, 255, 10));
    p.setBrush(shine);
    p.drawRect(QRectF(0, 1.0, bar.width(), bar.height() * 0.45));
    p.setPen(QPen(QColor(255, 190, 170, 160), 1.0));
    p.drawLine(QPointF(0, 0.5), QPointF(bar.width(), 0.5));
    p.setPen(QPen(QColor(60, 0, 0, 200), 1.0));
    p.drawLine(QPointF(0, bar.height() - 0.5), QPointF(bar.width(), bar.height() - 0.5));
}

void paintLogo(QPainter& p, QSize size) {
    const QFont nameFont = artFont(22.0, QFont::Bold, true);
    QFont wordFont = artFont(13.0, QFont::DemiBold, true);
    wordFont.setItalic(true);
    wordFont.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
    QFont nameItalic = nameFont;
    nameItalic.setItalic(true);

    QPainterPath name;
    name.addText(0, 0, nameItalic, QStringLiteral("Orvik7"));
    QPainterPath word;
    word.addText(0, 0, wordFont, QStringLiteral("Software"));

    // Both words share a baseline; together they are centred in the picture.
    const qreal gap = 7.0;
    const QRectF nameInk = name.boundingRect();
    const QRectF wordInk = word.boundingRect();
    const qreal total = nameInk.width() + gap + wordInk.width();
    const qreal scale = qMin(1.0, (size.width() - 6.0) / total);
    const qreal baseline = 19.0;
    p.translate((size.width() - total * scale) / 2.0, 0);
    p.scale(scale, 1.0);
    name.translate(-nameInk.left(), baseline);
    word.translate(nameInk.width() + gap - wordInk.left(), baseline);

    // A thin gold rule under "Software".
    const QRectF rule(word.boundingRect().left(), baseline + 2.5, word.boundingRect().width(), 1.2);
    QLinearGradient ruleFill(rule.left(), 0, rule.right(), 0);
    ruleFill.setColorAt(0.0, QColor(230, 190, 100, 230));
    ruleFill.setColorAt(1.0, QColor(230, 190, 100, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(ruleFill);
    p.drawRect(rule);

    p.setBrush(QColor(40, 0, 0, 190));
    p.drawPath(name.translated(0.8, 1.2));
    p.drawPath(word.translated(0.6, 1.0));

    QLinearGradient gold(0, baseline - 17.0, 0, baseline + 2.0);
    gold.setColorAt(0.0, QColor(255, 246, 196));
    gold.setColorAt(0.45, QColor(242, 196, 92));
    gold.setColorAt(0.55, QColor(214, 156, 52));
    gold.setColorAt(1.0, QColor(250, 214, 130));
    p.setPen(QPen(QColor(90, 40, 0), 0.6));
    p.setBrush(gold);
    p.drawPath(name);
    p.setPen(Qt::NoPen);
    p.setBrush(kLabelText);
    p.drawPath(word);
}

}  // namespace hexaline::art::detail
