#include "preview.h"

#include "wad/compile.h"

namespace velmira {

QImage loadPreviewPicture(const QString& path) {
    const auto bitmap = wad::readBitmap(path);
    return bitmap ? bitmap.value() : QImage();
}

}  // namespace velmira
