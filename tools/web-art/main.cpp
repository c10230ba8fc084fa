// SPDX-License-Identifier: GPL-3.0-or-later
// hexaline-web-art FOLDER: draws the browser client's pictures with the desktop game's own
// drawing code, at 1x and 2x, into FOLDER:
//   tiles/COLOUR-SHAPE@Nx.png  the 36 tile pictures (COLOUR purple, yellow, orange, red, blue,
//                              green; SHAPE car, smiley, flower, heart, peace, bubbles)
//   tiles/empty@Nx.png         the empty board square
//   background@Nx.png          the table's background, to be tiled
//   finish, clear, pass, start-game@Nx.png   the buttons
// Run with QT_QPA_PLATFORM=offscreen where there is no display.
#include <QDir>
#include <QGuiApplication>
#include <QPixmap>
#include <cstdio>

#include "art/artwork.h"
#include "art/tile_symbols.h"

namespace {

constexpr const char* kColourNames[] = {"green", "purple", "yellow", "orange", "red", "blue"};
constexpr const char* kShapeNames[] = {"", "car", "smiley", "flower", "heart", "peace", "bubbles"};
constexpr int kExpected = 2 * (36 + 6);

bool save(const QPixmap& picture, const QDir& folder, const QString& name, int& count) {
    const QString path = folder.filePath(name);
    if (!picture.save(path, "PNG")) {
        std::fprintf(stderr, "hexaline-web-art: cannot write %s\n", qPrintable(path));
        return false;
    }
    ++count;
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: hexaline-web-art FOLDER\n", stderr);
        return 2;
    }
    QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("tiles"))) {
        std::fprintf(stderr, "hexaline-web-art: cannot make %s/tiles\n", argv[1]);
        return 1;
    }
    namespace art = hexaline::art;
    int count = 0;
    bool ok = true;
    for (const int scale : {1, 2}) {
        const QString suffix = QStringLiteral("@%1x.png").arg(scale);
        for (int picture = 0; picture < 36; ++picture) {
            const int colour = art::detail::colourOfPicture(picture);
            const int shape = art::detail::shapeOfPicture(picture);
            const QString name =
                QStringLiteral("tiles/%1-%2")
                    .arg(QLatin1String(kColourNames[colour]), QLatin1String(kShapeNames[shape]));
            ok = save(art::tile(picture, scale), folder, name + suffix, count) && ok;
        }
        ok = save(art::tile(art::kEmptySquare, scale), folder, "tiles/empty" + suffix, count) && ok;
        ok = save(art::background(scale), folder, "background" + suffix, count) && ok;
        ok = save(art::button(art::Button::Finish, scale), folder, "finish" + suffix, count) && ok;
        ok = save(art::button(art::Button::Clear, scale), folder, "clear" + suffix, count) && ok;
        ok = save(art::button(art::Button::Pass, scale), folder, "pass" + suffix, count) && ok;
        ok = save(art::button(art::Button::StartGame, scale), folder, "start-game" + suffix,
                  count) &&
             ok;
    }
    if (ok && count != kExpected) {
        std::fprintf(stderr, "hexaline-web-art: drew %d pictures, expected %d\n", count, kExpected);
        return 1;
    }
    return ok ? 0 : 1;
}
