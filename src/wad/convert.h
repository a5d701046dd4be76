#pragma once

#include "wad/picture.h"
#include "wad/result.h"

#include <QImage>
#include <QSize>

namespace velmira::wad {

// The size a picture is scaled to: the largest allowed spray size that keeps its aspect ratio
// (to the nearest multiple of 16), never larger than the picture rounded up to a multiple of 16.
// An allowed size is kept as it is.
QSize spraySizeFor(QSize source);

// Reduces a true-colour picture to at most 255 colours (entries 0 to 254) with libimagequant;
// entry 255 is pure blue, and pixels with alpha below alphaCutoff become index 255.
Result<IndexedPicture> quantize(const QImage& picture, int alphaCutoff);

}  // namespace velmira::wad
