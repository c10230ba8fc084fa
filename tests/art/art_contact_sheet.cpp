// SPDX-License-Identifier: GPL-3.0-or-later
// Writes every picture of the table at ratios 1 and 2 into a folder, with a contact sheet that
// shows them laid out on the tiled table cloth, for looking at the artwork by eye.
#include <QDir>
#include <QGuiApplication>
#include <QPainter>

#include "art/artwork.h"

namespace art = hexaline::art;

namespace {

struct Picture {
    QString name;
    QPixmap (*make)(qreal);
};

void save(const QDir& dir, const QString& name, const QPixmap& pm) {
    pm.save(dir.filePath(name + QStringLiteral(".png")));
}

QPixmap contactSheet(qreal dpr) {
    const QSize size(560, 330);
    QPixmap sheet(size * dpr);
    sheet.setDevicePixelRatio(dpr);
    QPainter p(&sheet);
    p.drawTiledPixmap(QRect(QPoint(0, 0), size), art::background(dpr));
    for (int n = 0; n <= art::kEmptySquare; ++n) {
        const int column = n % 10;
        const int row = n / 10;
        p.drawPixmap(8 + column * 38, 8 + row * 38, art::tile(n, dpr));
    }
    p.drawPixmap(400, 10, art::button(art::Button::StartGame, dpr));
    p.drawPixmap(400, 46, art::button(art::Button::Finish, dpr));
    p.drawPixmap(470, 46, art::button(art::Button::Clear, dpr));
    p.drawPixmap(400, 82, art::button(art::Button::Pass, dpr));
    p.drawPixmap(460, 90, art::eyes(dpr));
    p.drawPixmap(400, 118, art::notPlaying(dpr));
    p.drawPixmap(400, 140, art::turnStrip(dpr));
    p.setPen(art::kLabelText);
    QFont bold;
    bold.setPixelSize(13);
    bold.setBold(true);
    p.setFont(bold);
    p.drawText(QRect(404, 140, 65, 16), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Ann"));
    p.drawPixmap(8, 170, art::logo(dpr));
    p.drawPixmap(8, 205, art::clockFrame(dpr));
    p.drawPixmap(10, 207, art::timeBar(dpr).copy(0, 0, qRound(160 * dpr), qRound(26 * dpr)));
    QFont clock;
    clock.setPixelSize(16);
    clock.setBold(true);
    p.setFont(clock);
    p.setPen(Qt::black);
    p.drawText(QRect(14, 211, 87, 19), Qt::AlignCenter, QStringLiteral("Time: 0:40"));
    p.drawPixmap(8, 245, art::clockFrame(dpr));
    p.drawPixmap(10, 247, art::timeBar(dpr).copy(0, 0, qRound(40 * dpr), qRound(26 * dpr)));
    p.setPen(QColor(224, 227, 157));
    p.drawText(QRect(14, 251, 87, 19), Qt::AlignCenter, QStringLiteral("Time: 0:10"));
    p.fillRect(QRect(280, 170, 270, 150), art::kBoardFill);
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 7; ++c) {
            const int n = (r == 1 && c > 1 && c < 6) ? (c - 1) * 6 + 4 : art::kEmptySquare;
            p.drawPixmap(283 + c * 36, 173 + r * 36, art::boardSquare(n, dpr));
        }
    }
    return sheet;
}

// Shapes, buttons and markers at four times their size, to check the details.
QPixmap closeUp() {
    const qreal dpr = 4.0;
    const QSize size(330, 110);
    QPixmap sheet(size * dpr);
    sheet.setDevicePixelRatio(dpr);
    QPainter p(&sheet);
    p.drawTiledPixmap(QRect(QPoint(0, 0), size), art::background(dpr));
    const int pictures[] = {1, 8, 15, 22, 29, 0, 31, art::kEmptySquare};
    int x = 4;
    for (int n : pictures) {
        p.drawPixmap(x, 4, art::tile(n, dpr));
        x += 40;
    }
    p.drawPixmap(4, 46, art::button(art::Button::StartGame, dpr));
    p.drawPixmap(130, 46, art::eyes(dpr));
    p.drawPixmap(160, 46, art::notPlaying(dpr));
    p.drawPixmap(4, 80, art::logo(dpr));
    return sheet;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    QDir dir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp/art"));
    dir.mkpath(QStringLiteral("."));
    const Picture pictures[] = {
        {QStringLiteral("notplaying"), art::notPlaying},
        {QStringLiteral("eyes"), art::eyes},
        {QStringLiteral("turnstrip"), art::turnStrip},
        {QStringLiteral("clockframe"), art::clockFrame},
        {QStringLiteral("timebar"), art::timeBar},
        {QStringLiteral("logo"), art::logo},
        {QStringLiteral("background"), art::background},
    };
    for (qreal dpr : {1.0, 2.0}) {
        const QString suffix = QStringLiteral("@%1x").arg(dpr);
        for (const Picture& picture : pictures) {
            save(dir, picture.name + suffix, picture.make(dpr));
        }
        for (int n = 0; n <= art::kEmptySquare; ++n) {
            save(dir, QStringLiteral("tile%1").arg(n, 2, 10, QLatin1Char('0')) + suffix,
                 art::tile(n, dpr));
        }
        save(dir, QStringLiteral("button_start") + suffix,
             art::button(art::Button::StartGame, dpr));
        save(dir, QStringLiteral("button_finish") + suffix, art::button(art::Button::Finish, dpr));
        save(dir, QStringLiteral("button_clear") + suffix, art::button(art::Button::Clear, dpr));
        save(dir, QStringLiteral("button_pass") + suffix, art::button(art::Button::Pass, dpr));
        save(dir, QStringLiteral("sheet") + suffix, contactSheet(dpr));
    }
    save(dir, QStringLiteral("closeup"), closeUp());
    return 0;
}
