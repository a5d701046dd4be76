#pragma once

#include <QWidget>

class QPushButton;

namespace velmira {

// Window layouts are given in twips, 15 to a pixel.
constexpr int fromTwips(int twips) {
    return (twips + 7) / 15;
}

inline void placeTwips(QWidget* widget, int left, int top, int width, int height) {
    widget->setGeometry(fromTwips(left), fromTwips(top), fromTwips(width), fromTwips(height));
}

// A control's designed place, in twips.
struct TwipsRect {
    int left, top, width, height;
};
inline void placeTwips(QWidget* widget, const TwipsRect& at) {
    placeTwips(widget, at.left, at.top, at.width, at.height);
}

// Widens a button placed by hand about its centre until its caption fits (a language longer
// than the layout assumed); a caption that fits leaves the button as placed.
void widenToCaption(QPushButton* button);

// Moves a window so that its frame is centred on the screen it is on (the primary screen
// before it is shown).
void centreOnScreen(QWidget* window);

}  // namespace velmira
