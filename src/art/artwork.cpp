// SPDX-License-Identifier: GPL-3.0-or-later
#include "art/artwork.h"

#include <QPainter>
#include <QWidget>

#include "art/art_cache.h"
#include "art/background_art.h"
#include "art/marker_art.h"
#include "art/tile_art.h"

namespace hexaline::art {

using detail::cached;

namespace {

QString buttonText(Button which) {
    switch (which) {
        case Button::StartGame:
        case Button::DialogStart:
            return QStringLiteral("START GAME");
        case Button::Finish:
            return QStringLiteral("FINISH");
        case Button::Clear:
            return QStringLiteral("CLEAR");
        case Button::Pass:
            return QStringLiteral("PASS");
    }
    return {};
}

}  // namespace

QColor tileColour(int colour) {
    // Six hues that also step in lightness, so they stay apart for colour-blind players:
    // purple darkest, then red, orange, blue, green, yellow lightest.
    switch (((colour % 6) + 6) % 6) {
        case 1:
            return {104, 30, 170};  // purple
        case 2:
            return {255, 238, 100};  // yellow
        case 3:
            return {222, 98, 0};  // orange
        case 4:
            return {206, 26, 34};  // red
        case 5:
            return {34, 174, 250};  // blue
        default:
            return {104, 224, 92};  // green
    }
}

QPixmap tile(int picture, qreal dpr) {
    if (picture < 0 || picture > kEmptySquare) {
        picture = kEmptySquare;
    }
    return cached(QStringLiteral("tile%1").arg(picture), {kTileSize, kTileSize}, dpr,
                  [picture](QPainter& p) { detail::paintTilePicture(p, picture); });
}

QPixmap boardSquare(int picture, qreal dpr) {
    if (picture < 0 || picture > kEmptySquare) {
        picture = kEmptySquare;
    }
    return cached(QStringLiteral("square%1").arg(picture), {kTileSize, kTileSize}, dpr,
                  [picture](QPainter& p) {
                      p.save();
                      detail::paintEmptySquare(p);
                      p.restore();
                      if (picture != kEmptySquare) {
                          detail::paintTilePicture(p, picture);
                      }
                  });
}

QSize buttonSize(Button which) {
    switch (which) {
        case Button::StartGame:
        case Button::DialogStart:
            return {120, 30};
        case Button::Finish:
            return {62, 30};
        case Button::Clear:
            return {64, 30};
        case Button::Pass:
            return {53, 30};
    }
    return {120, 30};
}

QPixmap button(Button which, qreal dpr) {
    const QSize size = buttonSize(which);
    return cached(QStringLiteral("button%1").arg(static_cast<int>(which)), size, dpr,
                  [&](QPainter& p) { detail::paintButton(p, size, buttonText(which)); });
}

QPixmap notPlaying(qreal dpr) {
    return cached(QStringLiteral("notplaying"), {99, 14}, dpr, [](QPainter& p) {
        detail::paintNotPlaying(p, {99, 14});
    });
}

QPixmap eyes(qreal dpr) {
    return cached(QStringLiteral("eyes"), {23, 10}, dpr, [](QPainter& p) {
        detail::paintEyes(p, {23, 10});
    });
}

QPixmap turnStrip(qreal dpr) {
    return cached(QStringLiteral("turnstrip"), {101, 16}, dpr, [](QPainter& p) {
        detail::paintTurnStrip(p, {101, 16});
    });
}

QPixmap clockFrame(qreal dpr) {
    return cached(QStringLiteral("clockframe"), {248, 30}, dpr, [](QPainter& p) {
        detail::paintClockFrame(p, {248, 30});
    });
}

QPixmap timeBar(qreal dpr) {
    return cached(QStringLiteral("timebar"), {244, 26}, dpr, [](QPainter& p) {
        detail::paintTimeBar(p, {244, 26});
    });
}

QPixmap logo(qreal dpr) {
    return cached(QStringLiteral("logo"), {249, 26}, dpr, [](QPainter& p) {
        detail::paintLogo(p, {249, 26});
    });
}

QPixmap background(qreal dpr) {
    dpr = detail::saneRatio(dpr);
    return detail::cachedPixmap(QStringLiteral("background"), dpr, [dpr] {
        QPixmap pm = QPixmap::fromImage(detail::tableCloth(100, dpr));
        pm.setDevicePixelRatio(dpr);
        return pm;
    });
}

void paintBackground(QWidget& window) {
    QPainter painter(&window);
    painter.drawTiledPixmap(window.rect(), background(window.devicePixelRatioF()));
}

}  // namespace hexaline::art
