// SPDX-License-Identifier: GPL-3.0-or-later
// The table cloth, the clock, the buttons and the markers.
#include <gtest/gtest.h>

#include <QImage>
#include <cmath>

#include "art/artwork.h"

namespace art = hexaline::art;

namespace {

QImage image(const QPixmap& pm) {
    return pm.toImage().convertToFormat(QImage::Format_ARGB32);
}

// Mean difference of red between column (or row) a and b.
double lineDifference(const QImage& img, int a, int b, bool columns) {
    const int n = columns ? img.height() : img.width();
    double sum = 0;
    for (int i = 0; i < n; ++i) {
        const QRgb p = columns ? img.pixel(a, i) : img.pixel(i, a);
        const QRgb q = columns ? img.pixel(b, i) : img.pixel(i, b);
        sum += std::abs(qRed(p) - qRed(q));
    }
    return sum / n;
}

}  // namespace

TEST(TableCloth, IsMaroonWithATextureThatTilesWithoutSeams) {
    for (qreal dpr : {1.0, 2.0}) {
        SCOPED_TRACE(dpr);
        const QImage cloth = image(art::background(dpr));
        const int side = cloth.width();
        double red = 0, green = 0, blue = 0, redSquares = 0;
        for (int y = 0; y < side; ++y) {
            for (int x = 0; x < side; ++x) {
                const QRgb c = cloth.pixel(x, y);
                ASSERT_EQ(qAlpha(c), 255);
                red += qRed(c);
                green += qGreen(c);
                blue += qBlue(c);
                redSquares += qRed(c) * qRed(c);
            }
        }
        const double n = static_cast<double>(side) * side;
        EXPECT_NEAR(red / n, 128.0, 5.0);
        EXPECT_LT(green / n, 8.0);
        EXPECT_LT(blue / n, 8.0);
        EXPECT_GT(std::sqrt(redSquares / n - (red / n) * (red / n)), 1.0);  // not flat

        // Where two copies meet, neighbours differ no more than neighbours inside do.
        for (bool columns : {true, false}) {
            double inside = 0;
            for (int i = 0; i + 1 < side; ++i) {
                inside += lineDifference(cloth, i, i + 1, columns);
            }
            inside /= side - 1;
            EXPECT_LE(lineDifference(cloth, side - 1, 0, columns), inside * 1.3);
        }
    }
}

TEST(ClockArt, TimeBarLooksTheSameWhereverItIsCut) {
    // The bar is shown clipped to a shrinking width: every column must be alike.
    const QImage bar = image(art::timeBar(2.0));
    for (int y = 0; y < bar.height(); ++y) {
        ASSERT_EQ(qAlpha(bar.pixel(0, y)), 255);
        EXPECT_EQ(bar.pixel(0, y), bar.pixel(bar.width() / 2, y));
        EXPECT_EQ(bar.pixel(0, y), bar.pixel(bar.width() - 1, y));
    }
    const QRgb middle = bar.pixel(0, bar.height() * 2 / 3);
    EXPECT_GT(qRed(middle), 2 * qGreen(middle));  // red
}

TEST(ButtonArt, ButtonsCarryLightLetteringOnADarkerFace) {
    for (auto which : {art::Button::StartGame, art::Button::Finish, art::Button::Clear,
                       art::Button::Pass, art::Button::DialogStart}) {
        const QImage button = image(art::button(which, 1.0));
        int light = 0, dark = 0;
        const int y = button.height() / 2;
        for (int x = 6; x < button.width() - 6; ++x) {
            const int l = qGray(button.pixel(x, y));
            light += l > 200 ? 1 : 0;
            dark += l < 110 ? 1 : 0;
        }
        EXPECT_GT(light, 3) << static_cast<int>(which);
        EXPECT_GT(dark, 3) << static_cast<int>(which);
        // Rounded corners let the table show through.
        EXPECT_EQ(qAlpha(button.pixel(0, 0)), 0);
    }
    EXPECT_NE(image(art::button(art::Button::Finish, 1.0)),
              image(art::button(art::Button::Clear, 1.0)));
}

TEST(MarkerArt, LogoInkIsCentredAndLight) {
    const QImage logo = image(art::logo(1.0));
    int left = logo.width(), right = -1, light = 0;
    for (int y = 0; y < logo.height(); ++y) {
        for (int x = 0; x < logo.width(); ++x) {
            const QRgb c = logo.pixel(x, y);
            if (qAlpha(c) > 128) {
                left = std::min(left, x);
                right = std::max(right, x);
                light += qGray(c) > 170 ? 1 : 0;
            }
        }
    }
    ASSERT_GE(right, 0);
    EXPECT_GT(right - left, logo.width() / 2);
    EXPECT_NEAR(left, logo.width() - 1 - right, 6);
    EXPECT_GT(light, 100);
}
