#pragma once

#include <QColor>

class QPalette;

namespace velmira {

// The contrast the windows' texts keep against what they are drawn on (WCAG's for normal text).
constexpr double kReadableContrast = 4.5;

// WCAG's contrast ratio of two colours, from 1 (the same) to 21 (black on white).
double contrastRatio(const QColor& a, const QColor& b);

// The colour of a problem the window tells (an error, a warning): a red of the palette's own
// window text lightness, made lighter or darker until it reads on the window's background at
// kReadableContrast, on a light theme and on a dark one alike.
QColor problemColour(const QPalette& palette);

// A palette whose window text is the problem colour of `palette`.
QPalette problemPalette(const QPalette& palette);

}  // namespace velmira
