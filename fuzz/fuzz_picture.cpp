// Feeds any bytes to the one door for picture reads, the kind chosen by content: WebP and TIFF
// through libwebp and libtiff, straight at their reduced size, and every other kind.
#include "picture/picturecost.h"
#include "picture/readpicture.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto plan = velmira::picture::planPictureRead(bytes);
    const auto image = velmira::picture::decodePicture(bytes);
    if (!image)
        return 0;
    // What is read was planned within the budget, and is never more than the picture it is.
    if (!plan || plan->cost > velmira::picture::kPictureReadBudget)
        __builtin_trap();
    if (qint64{image->width()} * image->height() > qint64{plan->size.width()} * plan->size.height())
        __builtin_trap();
    return 0;
}
