// SPDX-License-Identifier: GPL-3.0-or-later
// Every picture comes at its logical size for any pixel ratio, carries that ratio, and is drawn
// once per ratio.
#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <functional>
#include <limits>

#include "art/artwork.h"

namespace art = hexaline::art;

namespace {

struct Case {
    const char* name;
    QSize size;
    std::function<QPixmap(qreal)> make;
};

std::vector<Case> allPictures() {
    std::vector<Case> cases = {
        {"start", {120, 30}, [](qreal r) { return art::button(art::Button::StartGame, r); }},
        {"finish", {62, 30}, [](qreal r) { return art::button(art::Button::Finish, r); }},
        {"clear", {64, 30}, [](qreal r) { return art::button(art::Button::Clear, r); }},
        {"pass", {53, 30}, [](qreal r) { return art::button(art::Button::Pass, r); }},
        {"dialogstart", art::buttonSize(art::Button::DialogStart),
         [](qreal r) { return art::button(art::Button::DialogStart, r); }},
        {"notplaying", {99, 14}, art::notPlaying},
        {"eyes", {23, 10}, art::eyes},
        {"turnstrip", {101, 16}, art::turnStrip},
        {"clockframe", {248, 30}, art::clockFrame},
        {"timebar", {244, 26}, art::timeBar},
        {"logo", {249, 26}, art::logo},
        {"background", {100, 100}, art::background},
    };
    for (int n = 0; n <= art::kEmptySquare; ++n) {
        cases.push_back({"tile", {36, 36}, [n](qreal r) { return art::tile(n, r); }});
    }
    return cases;
}

QSize logicalSize(const QPixmap& pm) {
    return QSize(qRound(pm.width() / pm.devicePixelRatio()),
                 qRound(pm.height() / pm.devicePixelRatio()));
}

}  // namespace

TEST(ArtSizes, EveryPictureHasItsLogicalSizeAtRatiosOneAndTwo) {
    for (const Case& c : allPictures()) {
        for (qreal dpr : {1.0, 2.0, 1.5}) {
            const QPixmap pm = c.make(dpr);
            SCOPED_TRACE(std::string(c.name) + " at " + std::to_string(dpr));
            ASSERT_FALSE(pm.isNull());
            EXPECT_DOUBLE_EQ(pm.devicePixelRatio(), dpr);
            EXPECT_EQ(pm.size(),
                      QSize(qRound(c.size.width() * dpr), qRound(c.size.height() * dpr)));
            EXPECT_EQ(logicalSize(pm), c.size);
        }
    }
}

TEST(ArtSizes, NonsenseRatiosAndPictureNumbersGiveUsablePictures) {
    for (qreal dpr : {0.0, -1.0, std::numeric_limits<qreal>::quiet_NaN(),
                      std::numeric_limits<qreal>::infinity()}) {
        const QPixmap pm = art::tile(3, dpr);
        ASSERT_FALSE(pm.isNull());
        EXPECT_EQ(pm.size(), QSize(36, 36));
        EXPECT_DOUBLE_EQ(pm.devicePixelRatio(), 1.0);
    }
    // A number outside the picture list shows the empty square rather than failing.
    EXPECT_EQ(art::tile(-1, 1.0).toImage(), art::tile(art::kEmptySquare, 1.0).toImage());
    EXPECT_EQ(art::tile(37, 1.0).toImage(), art::tile(art::kEmptySquare, 1.0).toImage());
}
