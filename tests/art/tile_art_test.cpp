// SPDX-License-Identifier: GPL-3.0-or-later
// Tile pictures: what each shows, that all stay apart (also for colour-blind players), and the
// empty square.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <array>
#include <cmath>

#include "art/artwork.h"
#include "art/tile_symbols.h"

namespace art = hexaline::art;
namespace detail = hexaline::art::detail;

namespace {

QImage picture(int n) {
    return art::tile(n, 1.0).toImage().convertToFormat(QImage::Format_ARGB32);
}

double toLinear(int v) {
    const double c = v / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// sRGB to CIE L*a*b* (D65).
std::array<double, 3> lab(const QColor& c) {
    const double r = toLinear(c.red()), g = toLinear(c.green()), b = toLinear(c.blue());
    auto f = [](double t) { return t > 0.008856 ? std::cbrt(t) : 7.787 * t + 16.0 / 116.0; };
    const double fx = f((0.4124 * r + 0.3576 * g + 0.1805 * b) / 0.95047);
    const double fy = f(0.2126 * r + 0.7152 * g + 0.0722 * b);
    const double fz = f((0.0193 * r + 0.1192 * g + 0.9505 * b) / 1.08883);
    return {116.0 * fy - 16.0, 500.0 * (fx - fy), 200.0 * (fy - fz)};
}

double deltaE(const QColor& a, const QColor& b) {
    const auto p = lab(a), q = lab(b);
    return std::hypot(p[0] - q[0], p[1] - q[1], p[2] - q[2]);
}

// How a colour looks with protanopia, deuteranopia or tritanopia (linear-light matrices).
using Matrix = std::array<std::array<double, 3>, 3>;
const Matrix kColourBlindness[] = {
    {{{0.152286, 1.052583, -0.204868},
      {0.114503, 0.786281, 0.099216},
      {-0.003882, -0.048116, 1.051998}}},
    {{{0.367322, 0.860646, -0.227968},
      {0.280085, 0.672501, 0.047413},
      {-0.011820, 0.042940, 0.968881}}},
    {{{1.255528, -0.076749, -0.178779},
      {-0.078411, 0.930809, 0.147602},
      {0.004733, 0.691367, 0.303900}}},
};

QColor simulate(const QColor& c, const Matrix& m) {
    const double in[3] = {toLinear(c.red()), toLinear(c.green()), toLinear(c.blue())};
    int out[3];
    for (int i = 0; i < 3; ++i) {
        const double v = std::clamp(m[i][0] * in[0] + m[i][1] * in[1] + m[i][2] * in[2], 0., 1.);
        out[i] =
            qRound(255.0 * (v <= 0.0031308 ? 12.92 * v : 1.055 * std::pow(v, 1 / 2.4) - 0.055));
    }
    return QColor(out[0], out[1], out[2]);
}

// The pixels of the symbol: anything clearly brighter than the black face, inside the rim.
QImage symbolMask(const QImage& tile) {
    QImage mask(tile.size(), QImage::Format_RGB32);
    mask.fill(Qt::black);
    for (int y = 4; y < tile.height() - 4; ++y) {
        for (int x = 4; x < tile.width() - 4; ++x) {
            const QColor c = tile.pixelColor(x, y);
            if (std::max({c.red(), c.green(), c.blue()}) > 60) {
                mask.setPixel(x, y, qRgb(255, 255, 255));
            }
        }
    }
    return mask;
}

QImage silhouette(int shape) {
    QImage mask(36, 36, QImage::Format_RGB32);
    mask.fill(Qt::black);
    QPainter p(&mask);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillPath(detail::symbolPath(shape), Qt::white);
    return mask;
}

// Share of the pixels set in either mask that are set in only one of them.
double difference(const QImage& a, const QImage& b) {
    int either = 0, one = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const bool p = qGray(a.pixel(x, y)) > 127, q = qGray(b.pixel(x, y)) > 127;
            either += (p || q) ? 1 : 0;
            one += (p != q) ? 1 : 0;
        }
    }
    return either == 0 ? 0.0 : static_cast<double>(one) / either;
}

int nearestPaletteColour(const QColor& c) {
    int best = 0;
    for (int k = 1; k < 6; ++k) {
        if (deltaE(c, art::tileColour(k)) < deltaE(c, art::tileColour(best))) {
            best = k;
        }
    }
    return best;
}

}  // namespace

TEST(TileColours, SixColoursStepApartInLightnessAndStayApartForColourBlindPlayers) {
    for (int a = 0; a < 6; ++a) {
        for (int b = a + 1; b < 6; ++b) {
            const QColor ca = art::tileColour(a), cb = art::tileColour(b);
            SCOPED_TRACE(testing::Message() << "colours " << a << " and " << b);
            EXPECT_GE(std::abs(lab(ca)[0] - lab(cb)[0]), 10.0);
            for (const Matrix& m : kColourBlindness) {
                EXPECT_GE(deltaE(simulate(ca, m), simulate(cb, m)), 10.0);
            }
        }
    }
}

TEST(TilePictures, EachShowsTheColourAndShapeOfItsTileCode) {
    // Picture n shows tile code n; codes 36, 72 and 108 use picture 0, the green bubbles.
    for (int n = 0; n < 36; ++n) {
        SCOPED_TRACE(testing::Message() << "picture " << n);
        const QImage tile = picture(n);
        std::array<int, 6> votes{};
        for (int y = 6; y < 30; ++y) {
            for (int x = 6; x < 30; ++x) {
                const QColor c = tile.pixelColor(x, y);
                if (c.hsvSaturation() > 150 && c.value() > 90) {
                    ++votes[static_cast<std::size_t>(nearestPaletteColour(c))];
                }
            }
        }
        const auto top = std::max_element(votes.begin(), votes.end()) - votes.begin();
        EXPECT_EQ(top, n % 6);  // 1 purple, 2 yellow, 3 orange, 4 red, 5 blue, 0 green
        const int shape = n == 0 ? 6 : (n - 1) / 6 + 1;
        EXPECT_EQ(detail::shapeOfPicture(n), shape);
        // The symbol matches the outline of its own shape better than any other.
        const QImage mask = symbolMask(tile);
        int closest = 1;
        for (int k = 2; k <= detail::kShapeCount; ++k) {
            if (difference(mask, silhouette(k)) < difference(mask, silhouette(closest))) {
                closest = k;
            }
        }
        EXPECT_EQ(closest, shape);
    }
}

TEST(TilePictures, ShapesAreTellableApartAsSilhouettes) {
    for (int a = 1; a <= detail::kShapeCount; ++a) {
        for (int b = a + 1; b <= detail::kShapeCount; ++b) {
            SCOPED_TRACE(testing::Message() << "shapes " << a << " and " << b);
            EXPECT_GT(difference(silhouette(a), silhouette(b)), 0.3);
        }
    }
}

TEST(TilePictures, AllThirtySevenDifferPairwise) {
    std::vector<QImage> tiles;
    for (int n = 0; n <= art::kEmptySquare; ++n) {
        tiles.push_back(picture(n));
    }
    for (int a = 0; a <= art::kEmptySquare; ++a) {
        for (int b = a + 1; b <= art::kEmptySquare; ++b) {
            int differing = 0;
            for (int y = 0; y < 36; ++y) {
                for (int x = 0; x < 36; ++x) {
                    const QColor p = tiles[a].pixelColor(x, y), q = tiles[b].pixelColor(x, y);
                    if (std::abs(p.red() - q.red()) + std::abs(p.green() - q.green()) +
                            std::abs(p.blue() - q.blue()) >
                        48) {
                        ++differing;
                    }
                }
            }
            EXPECT_GT(differing, 40) << "pictures " << a << " and " << b;
        }
    }
}

TEST(TilePictures, EmptySquareIsAnOpaqueDarkGrey) {
    const QImage empty = picture(art::kEmptySquare);
    double sum[3] = {0, 0, 0};
    for (int y = 0; y < 36; ++y) {
        for (int x = 0; x < 36; ++x) {
            const QColor c = empty.pixelColor(x, y);
            ASSERT_EQ(c.alpha(), 255);
            sum[0] += c.red() / 1296.0;
            sum[1] += c.green() / 1296.0;
            sum[2] += c.blue() / 1296.0;
        }
    }
    EXPECT_NEAR(sum[0], sum[1], 6.0);
    EXPECT_NEAR(sum[1], sum[2], 6.0);
    EXPECT_TRUE(sum[0] > 35.0 && sum[0] < 95.0) << sum[0];
}

TEST(TilePictures, BoardSquaresAreOpaqueAndShowTheTileOnTheEmptySquare) {
    const QImage empty = picture(art::kEmptySquare);
    for (int n : {0, 7, 35, art::kEmptySquare}) {
        const QImage square =
            art::boardSquare(n, 2.0).toImage().convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(square.size(), QSize(72, 72));
        for (int y = 0; y < square.height(); ++y) {
            for (int x = 0; x < square.width(); ++x) {
                ASSERT_EQ(qAlpha(square.pixel(x, y)), 255) << "square " << n;
            }
        }
        const QImage atOne = art::boardSquare(n, 1.0).toImage();
        EXPECT_EQ(atOne.pixelColor(0, 0), empty.pixelColor(0, 0));
        EXPECT_EQ(atOne.pixelColor(35, 35), empty.pixelColor(35, 35));
    }
    EXPECT_NE(art::boardSquare(7, 1.0).toImage(), art::boardSquare(8, 1.0).toImage());
}
