#include "palettecolours.h"

#include <QPalette>

#include <cmath>

namespace velmira {

namespace {
double channel(double value) {
    const double c = value;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return 0.2126 * channel(rgb.redF()) + 0.7152 * channel(rgb.greenF()) +
           0.0722 * channel(rgb.blueF());
}

// A red as saturated as the light theme's error texts, at the lightness asked for.
QColor redOfLightness(double lightness) {
    return QColor::fromHslF(350.0f / 360.0f, 0.85f, static_cast<float>(lightness));
}
}  // namespace

double contrastRatio(const QColor& a, const QColor& b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor problemColour(const QPalette& palette) {
    const QColor background = palette.color(QPalette::Active, QPalette::Window);
    // Towards the side the theme's own text lies on: darker on a light window, lighter on a
    // dark one. The steps end at black or white, which always read.
    const bool darkText =
        luminance(palette.color(QPalette::Active, QPalette::WindowText)) < luminance(background);
    const double start = 0.40;
    for (int step = 0; step <= 60; ++step) {
        const double lightness = darkText ? start - step * 0.01 : start + step * 0.01;
        if (lightness < 0.0 || lightness > 1.0)
            break;
        const QColor red = redOfLightness(lightness);
        if (contrastRatio(red, background) >= kReadableContrast)
            return red;
    }
    return palette.color(QPalette::Active, QPalette::WindowText);
}

QPalette problemPalette(const QPalette& palette) {
    QPalette problem = palette;
    const QColor red = problemColour(palette);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        problem.setColor(group, QPalette::WindowText, red);
    return problem;
}

}  // namespace velmira
