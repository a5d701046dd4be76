#pragma once

#include <QImage>
#include <QSize>

namespace velmira::picture {

// A decoded picture made smaller, each pixel the average of the block it stands for (weighted
// by opacity), a row at a time: never a second full-size copy, as Qt's smooth scaling makes.
// An 8-bit paletted picture is averaged from its colour table.
QImage averagedDown(const QImage& image, QSize target);

}  // namespace velmira::picture
