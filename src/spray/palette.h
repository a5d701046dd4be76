#pragma once

#include "spray/indexedpicture.h"

#include <QByteArray>

namespace velmira::spray {

// Mip level 1, 2 or 3 of a picture: each 2x2, 4x4 or 8x8 block averaged in linear light and
// matched to the nearest palette colour.
QByteArray reduceMip(const IndexedPicture& picture, int level);

// The palette index nearest to a colour (by weighted RGB distance), among the first `count`.
int nearestIndex(const Palette& palette, QRgb colour, int count = 256);

// Makes palette entry 255 pure blue, so the game draws the picture in colour, while the picture
// looks the same: the colour that stood there moves to a free entry (or its nearest twin).
// With transparentBlue (a name starting with "{"), every pure-blue pixel becomes index 255.
void makeColourSpray(IndexedPicture& picture, bool transparentBlue);

}  // namespace velmira::spray
