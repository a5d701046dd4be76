#pragma once

#include <QByteArray>
#include <QRgb>

#include <array>

namespace velmira::spray {

using Palette = std::array<QRgb, 256>;

// A paletted picture: one palette index a pixel, rows top to bottom.
struct IndexedPicture {
    int width = 0;
    int height = 0;
    QByteArray pixels;  // width * height indices
    Palette palette{};

    uchar at(int x, int y) const {
        return static_cast<uchar>(pixels[static_cast<qsizetype>(y) * width + x]);
    }
};

constexpr QRgb kPureBlue = 0xff0000ffu;
constexpr QRgb kNearlyPureBlue = 0xff0000feu;  // what a solid pure-blue colour becomes
constexpr int kTransparentIndex = 255;

// The limits of a spray the game uses.
constexpr int kSprayMaxSide = 256;
constexpr int kSprayMaxArea = 14336;
constexpr int kSprayGrain = 16;  // sides are multiples of this
constexpr qint64 kSprayMinFileSize = 1024;
constexpr qint64 kSprayMaxFileSize = 20480;

// Whether a picture of this size can become a spray the game uses.
bool spraySizeAllowed(int width, int height);

}  // namespace velmira::spray
