// SPDX-License-Identifier: GPL-3.0-or-later
#include "art/art_cache.h"

#include <QPainter>
#include <QPixmapCache>
#include <cmath>

namespace hexaline::art::detail {

namespace {

QString keyOf(const QString& kind, qreal dpr) {
    return kind + u'@' + QString::number(dpr);
}

}  // namespace

qreal saneRatio(qreal dpr) {
    // A pixmap sized by a ratio of zero, a negative or a NaN would be empty or absurd.
    if (!std::isfinite(dpr) || dpr <= 0.0 || dpr > 16.0) {
        return 1.0;
    }
    return dpr;
}

QPixmap cachedPixmap(const QString& kind, qreal dpr, const std::function<QPixmap()>& make) {
    // The application's pixmap cache: its pictures go with the application, never after it.
    const QString key = keyOf(kind, dpr);
    QPixmap found;
    if (QPixmapCache::find(key, &found))
        return found;
    QPixmap made = make();
    QPixmapCache::insert(key, made);
    return made;
}

QPixmap cached(const QString& kind, QSize size, qreal dpr,
               const std::function<void(QPainter&)>& draw) {
    dpr = saneRatio(dpr);
    return cachedPixmap(kind, dpr, [&] {
        QPixmap pm(QSize(qRound(size.width() * dpr), qRound(size.height() * dpr)));
        pm.setDevicePixelRatio(dpr);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        draw(p);
        return pm;
    });
}

}  // namespace hexaline::art::detail
