// SPDX-License-Identifier: GPL-3.0-or-later
#include "art/background_art.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

#include "art/artwork.h"

namespace hexaline::art::detail {

namespace {

// A well-mixed 32-bit hash, used as a fixed pseudo-random value per lattice point.
std::uint32_t mix(std::uint32_t x) {
    x ^= x >> 16;
    x *= 0x7feb352dU;
    x ^= x >> 15;
    x *= 0x846ca68bU;
    x ^= x >> 16;
    return x;
}

// -1..1 for lattice point (i, j) of layer `layer`.
double latticeValue(int i, int j, int layer) {
    const std::uint32_t h =
        mix(static_cast<std::uint32_t>(i) * 73856093U ^ static_cast<std::uint32_t>(j) * 19349663U ^
            static_cast<std::uint32_t>(layer) * 83492791U);
    return static_cast<double>(h) / 2147483647.5 - 1.0;
}

double smooth(double t) {
    return t * t * (3.0 - 2.0 * t);
}

// Smooth noise with `cells` lattice cells across the period; wraps at the period's edge.
double periodicNoise(double u, double v, int cells, int layer) {
    const double x = u * cells;
    const double y = v * cells;
    const int i0 = static_cast<int>(std::floor(x));
    const int j0 = static_cast<int>(std::floor(y));
    const double fx = smooth(x - i0);
    const double fy = smooth(y - j0);
    auto at = [&](int i, int j) {
        return latticeValue(((i % cells) + cells) % cells, ((j % cells) + cells) % cells, layer);
    };
    const double top = at(i0, j0) + (at(i0 + 1, j0) - at(i0, j0)) * fx;
    const double bottom = at(i0, j0 + 1) + (at(i0 + 1, j0 + 1) - at(i0, j0 + 1)) * fx;
    return top + (bottom - top) * fy;
}

int clampByte(double value) {
    return std::clamp(static_cast<int>(std::lround(value)), 0, 255);
}

}  // namespace

QImage tableCloth(int logicalSize, qreal dpr) {
    const int side = std::max(1, static_cast<int>(std::lround(logicalSize * dpr)));
    QImage image(side, side, QImage::Format_RGB32);
    for (int py = 0; py < side; ++py) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(py));
        for (int px = 0; px < side; ++px) {
            // Position as a fraction of the period.
            const double u = (px + 0.5) / side;
            const double v = (py + 0.5) / side;
            // Cloudy mottling, a soft diagonal weave and a fine grain.
            const double clouds = 0.55 * periodicNoise(u, v, 4, 1) +
                                  0.30 * periodicNoise(u, v, 10, 2) +
                                  0.20 * periodicNoise(u, v, 25, 3);
            const double weave = 0.10 * std::sin(2.0 * std::numbers::pi * 25.0 * (u + v)) +
                                 0.10 * std::sin(2.0 * std::numbers::pi * 25.0 * (u - v));
            const double grain = 0.22 * latticeValue(px, py, 4);
            const double shade = clouds + weave + grain;
            const double red = kMaroon.red() + 11.0 * shade;
            const double warm = std::max(0.0, 2.5 * shade + 1.0);
            line[px] = qRgb(clampByte(red), clampByte(warm), clampByte(warm * 0.6));
        }
    }
    image.setDevicePixelRatio(dpr);
    return image;
}

}  // namespace hexaline::art::detail
