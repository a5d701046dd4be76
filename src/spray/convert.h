#pragma once

#include "core/result.h"
#include "spray/indexedpicture.h"

#include <QImage>
#include <QSize>

namespace velmira::spray {

// The size a picture is scaled to: the largest allowed spray size that keeps its aspect ratio
// (to the nearest multiple of 16), never larger than the picture rounded up to a multiple of 16.
// An allowed size is kept as it is.
QSize spraySizeFor(QSize source);

// The largest spray size of at most `maxArea` pixels, with sides multiples of 16 no larger than
// `cap`, that keeps the shape's aspect ratio (to the nearest multiple of 16); for shapes too
// thin for that, the largest of any shape.
QSize spraySizeWithin(QSize shape, int maxArea, QSize cap);

// Reduces a true-colour picture to at most 255 colours (entries 0 to 254) with libimagequant;
// entry 255 is pure blue, and pixels with alpha below alphaCutoff become index 255. Dithering
// runs from 0 (none) to 1 (full).
Result<IndexedPicture> quantize(const QImage& picture, int alphaCutoff, float dithering = 1.0f);

}  // namespace velmira::spray
