// SPDX-License-Identifier: GPL-3.0-or-later
#include "chat/chat_art.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <array>

#include "chat/colour_text.h"

namespace hexaline::chat {

namespace {

const QColor kFace(255, 214, 0);
const QColor kFaceEdge(150, 100, 0);
const QColor kFeature(60, 30, 0);
const QColor kDarkRed(139, 0, 0);

enum class Mouth { Smile, Grin, Open, Flat, Sad, Frown, Tongue, Kiss, Teeth, Wavy };
enum class Eyes { Dots, Wink, Shades, Glasses, Closed, Wide, Angry, Hearts, Rolled };

struct FaceKind {
    Eyes eyes;
    Mouth mouth;
    bool blush = false;
};

// The 18 faces, in the order of the codes 10..27.
constexpr std::array<FaceKind, kSmileyCount> kFaces{{
    {Eyes::Dots, Mouth::Smile},
    {Eyes::Dots, Mouth::Grin},
    {Eyes::Wink, Mouth::Smile},
    {Eyes::Dots, Mouth::Sad},
    {Eyes::Angry, Mouth::Frown},
    {Eyes::Shades, Mouth::Smile},
    {Eyes::Dots, Mouth::Tongue},
    {Eyes::Glasses, Mouth::Smile},
    {Eyes::Wide, Mouth::Open},
    {Eyes::Closed, Mouth::Grin},
    {Eyes::Dots, Mouth::Flat},
    {Eyes::Hearts, Mouth::Smile},
    {Eyes::Closed, Mouth::Kiss, true},
    {Eyes::Dots, Mouth::Teeth},
    {Eyes::Rolled, Mouth::Flat},
    {Eyes::Dots, Mouth::Wavy},
    {Eyes::Wink, Mouth::Tongue},
    {Eyes::Closed, Mouth::Smile, true},
}};

void drawEyes(QPainter& p, Eyes eyes) {
    const QPointF left(5.6, 6.2), right(11.4, 6.2);
    p.setPen(QPen(kFeature, 1.1, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(kFeature);
    switch (eyes) {
        case Eyes::Dots:
            p.drawEllipse(left, 1.0, 1.4);
            p.drawEllipse(right, 1.0, 1.4);
            break;
        case Eyes::Wink:
            p.drawEllipse(left, 1.0, 1.4);
            p.drawLine(QPointF(10, 6.5), QPointF(12.8, 6.5));
            break;
        case Eyes::Shades:
            p.setBrush(QColor(20, 20, 20));
            p.drawRoundedRect(QRectF(3.2, 4.6, 4.6, 3.0), 1, 1);
            p.drawRoundedRect(QRectF(9.2, 4.6, 4.6, 3.0), 1, 1);
            p.drawLine(QPointF(7.8, 5.4), QPointF(9.2, 5.4));
            break;
        case Eyes::Glasses:
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(kFeature, 0.9));
            p.drawEllipse(left, 2.1, 2.1);
            p.drawEllipse(right, 2.1, 2.1);
            p.drawLine(QPointF(7.7, 6.2), QPointF(9.3, 6.2));
            p.setBrush(kFeature);
            p.drawEllipse(left, 0.6, 0.6);
            p.drawEllipse(right, 0.6, 0.6);
            break;
        case Eyes::Closed:
            p.setBrush(Qt::NoBrush);
            p.drawArc(QRectF(4, 5, 3.4, 2.6), 0, 180 * 16);
            p.drawArc(QRectF(9.8, 5, 3.4, 2.6), 0, 180 * 16);
            break;
        case Eyes::Wide:
            p.setBrush(Qt::white);
            p.setPen(QPen(kFeature, 0.8));
            p.drawEllipse(left, 1.8, 2.1);
            p.drawEllipse(right, 1.8, 2.1);
            p.setBrush(kFeature);
            p.drawEllipse(left, 0.8, 0.8);
            p.drawEllipse(right, 0.8, 0.8);
            break;
        case Eyes::Angry:
            p.drawLine(QPointF(3.8, 4.2), QPointF(7, 5.6));
            p.drawLine(QPointF(13.2, 4.2), QPointF(10, 5.6));
            p.drawEllipse(QPointF(5.8, 7), 0.9, 0.9);
            p.drawEllipse(QPointF(11.2, 7), 0.9, 0.9);
            break;
        case Eyes::Hearts: {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(220, 20, 40));
            for (QPointF c : {left, right}) {
                QPainterPath heart;
                heart.moveTo(c + QPointF(0, 2));
                heart.cubicTo(c + QPointF(-3, 0), c + QPointF(-1.5, -2.4), c + QPointF(0, -0.8));
                heart.cubicTo(c + QPointF(1.5, -2.4), c + QPointF(3, 0), c + QPointF(0, 2));
                p.drawPath(heart);
            }
            break;
        }
        case Eyes::Rolled:
            p.setBrush(Qt::white);
            p.setPen(QPen(kFeature, 0.8));
            p.drawEllipse(left, 1.8, 1.8);
            p.drawEllipse(right, 1.8, 1.8);
            p.setBrush(kFeature);
            p.drawEllipse(left + QPointF(0.5, -0.9), 0.8, 0.8);
            p.drawEllipse(right + QPointF(0.5, -0.9), 0.8, 0.8);
            break;
    }
}

void drawMouth(QPainter& p, Mouth mouth) {
    p.setPen(QPen(kFeature, 1.1, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    switch (mouth) {
        case Mouth::Smile:
            p.drawArc(QRectF(4.5, 6.5, 8, 5.5), 200 * 16, 140 * 16);
            break;
        case Mouth::Grin: {
            QPainterPath grin;
            grin.moveTo(4.2, 9.2);
            grin.quadTo(8.5, 15.2, 12.8, 9.2);
            grin.closeSubpath();
            p.setBrush(kFeature);
            p.drawPath(grin);
            break;
        }
        case Mouth::Open:
            p.setBrush(kFeature);
            p.drawEllipse(QPointF(8.5, 11.3), 1.7, 2.0);
            break;
        case Mouth::Flat:
            p.drawLine(QPointF(5.5, 11.2), QPointF(11.5, 11.2));
            break;
        case Mouth::Sad:
            p.drawArc(QRectF(5, 10.3, 7, 4.5), 30 * 16, 120 * 16);
            break;
        case Mouth::Frown:
            p.drawArc(QRectF(4.5, 10, 8, 5.5), 20 * 16, 140 * 16);
            break;
        case Mouth::Tongue:
            p.drawLine(QPointF(5, 10.5), QPointF(12, 10.5));
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(230, 60, 80));
            p.drawRoundedRect(QRectF(7.2, 10.5, 3.4, 3.3), 1.5, 1.5);
            break;
        case Mouth::Kiss:
            p.setBrush(QColor(210, 30, 60));
            p.setPen(Qt::NoPen);
            p.drawEllipse(QPointF(8.5, 11.2), 1.5, 1.2);
            break;
        case Mouth::Teeth:
            p.setBrush(Qt::white);
            p.setPen(QPen(kFeature, 0.8));
            p.drawRoundedRect(QRectF(4.6, 9.5, 7.8, 3.4), 1.2, 1.2);
            p.drawLine(QPointF(4.8, 11.2), QPointF(12.2, 11.2));
            break;
        case Mouth::Wavy: {
            QPainterPath wave;
            wave.moveTo(4.8, 11.2);
            wave.cubicTo(6.5, 9.6, 7.5, 12.8, 8.5, 11.2);
            wave.cubicTo(9.5, 9.6, 10.5, 12.8, 12.2, 11.2);
            p.drawPath(wave);
            break;
        }
    }
}

class FaceEngine : public QIconEngine {
  public:
    enum class Kind { Button, Smiley };
    FaceEngine(Kind kind, int number) : kind_(kind), number_(number) {}
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setRenderHint(QPainter::TextAntialiasing);
        if (kind_ == Kind::Button)
            drawButtonFace(*painter, rect, number_);
        else
            drawSmiley(*painter, rect, number_);
        painter->restore();
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return scaledPixmap(size, mode, state, 1.0);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        QPixmap out(size * scale);
        out.setDevicePixelRatio(scale);
        out.fill(Qt::transparent);
        QPainter painter(&out);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return out;
    }
    QIconEngine* clone() const override { return new FaceEngine(kind_, number_); }

  private:
    Kind kind_;
    int number_;
};

}  // namespace

void drawSmiley(QPainter& p, const QRectF& box, int picture) {
    if (picture < 0 || picture >= kSmileyCount)
        picture = 0;
    const FaceKind face = kFaces[static_cast<std::size_t>(picture)];
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(box.topLeft());
    p.scale(box.width() / kSmileyWidth, box.height() / kSmileyHeight);
    QRadialGradient shine(QPointF(6.5, 5), 9);
    shine.setColorAt(0, QColor(255, 245, 150));
    shine.setColorAt(1, kFace);
    p.setBrush(shine);
    p.setPen(QPen(kFaceEdge, 0.9));
    p.drawEllipse(QRectF(1, 0.5, 15, 15));
    if (face.blush) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 120, 100, 150));
        p.drawEllipse(QPointF(4.2, 9.6), 1.5, 1.0);
        p.drawEllipse(QPointF(12.8, 9.6), 1.5, 1.0);
    }
    drawEyes(p, face.eyes);
    drawMouth(p, face.mouth);
    p.restore();
}

QImage smileyImage(int picture, qreal dpr) {
    if (!(dpr > 0) || dpr > 16)
        dpr = 1;
    QImage image(QSize(kSmileyWidth, kSmileyHeight) * dpr, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    drawSmiley(painter, QRectF(0, 0, kSmileyWidth, kSmileyHeight), picture);
    return image;
}

void drawButtonFace(QPainter& p, const QRectF& box, int face) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(box, Qt::white);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(box.adjusted(0.5, 0.5, -0.5, -0.5));
    if (face >= 1 && face <= 9) {
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(qRound(box.height() * 0.62));
        font.setBold(true);
        p.setFont(font);
        p.setPen(kDarkRed);
        p.drawText(box, Qt::AlignCenter, QStringLiteral("P%1").arg(face));
    } else if (face == 10) {
        // A pair of quavers joined by a beam.
        const qreal s = box.height() / 19.0;
        p.translate(box.center() - QPointF(12.5 * s, 9.5 * s));
        p.scale(s, s);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        p.drawEllipse(QPointF(9.2, 13.8), 2.3, 1.7);
        p.drawEllipse(QPointF(16.2, 12.6), 2.3, 1.7);
        p.drawRect(QRectF(10.8, 4.2, 1.0, 9.6));
        p.drawRect(QRectF(17.8, 3.0, 1.0, 9.6));
        QPainterPath beam;
        beam.moveTo(10.8, 4.2);
        beam.lineTo(18.8, 3.0);
        beam.lineTo(18.8, 5.2);
        beam.lineTo(10.8, 6.4);
        beam.closeSubpath();
        p.drawPath(beam);
    } else {
        const qreal side = std::min(box.height() - 2, box.width() - 2);
        drawSmiley(
            p,
            QRectF(box.center() - QPointF(side * 17 / 32, side / 2), QSizeF(side * 17 / 16, side)),
            0);
    }
    p.restore();
}

QIcon buttonFaceIcon(int face) {
    return QIcon(new FaceEngine(FaceEngine::Kind::Button, face));
}

QIcon smileyIcon(int picture) {
    return QIcon(new FaceEngine(FaceEngine::Kind::Smiley, picture));
}

QColor colourOf(std::uint32_t value, const QPalette& palette) {
    if (value >= kSystemColourBase) {
        static constexpr std::array<QPalette::ColorRole, kDesktopColours> kRoles{
            QPalette::Button,
            QPalette::Window,
            QPalette::Highlight,
            QPalette::Mid,
            QPalette::Window,
            QPalette::Base,
            QPalette::Shadow,
            QPalette::WindowText,
            QPalette::Text,
            QPalette::HighlightedText,
            QPalette::Mid,
            QPalette::Midlight,
            QPalette::Dark,
            QPalette::Highlight,
            QPalette::HighlightedText,
            QPalette::Button,
            QPalette::Dark,
            QPalette::PlaceholderText,
            QPalette::ButtonText,
            QPalette::WindowText,
            QPalette::Light,
            QPalette::Shadow,
            QPalette::Midlight,
            QPalette::ToolTipText,
            QPalette::ToolTipBase};
        const std::uint32_t k = value - kSystemColourBase;
        if (k < kRoles.size())
            return palette.color(QPalette::Active, kRoles[k]);
        return palette.color(QPalette::Active, QPalette::Text);
    }
    if (value > 0xFFFFFF)  // no colour, or a value that is no colour at all
        return palette.color(QPalette::Active, QPalette::Text);
    return QColor(redOf(value), greenOf(value), blueOf(value));
}

}  // namespace hexaline::chat
