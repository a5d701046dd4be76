// Feeds any bytes to each picture format's unit directly, whether or not it would know them:
// the first byte picks the unit (and, for the kinds known only by their name, the name), the
// rest are the file. Its headers, its cost and, where that is within the budget, its read.
#include "picture/picturecost.h"
#include "picture/pictureformat.h"
#include "picture/readpicture.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace velmira::picture;
    if (size < 1)
        return 0;
    const auto& formats = pictureFormats();
    const PictureFormat* format = formats[data[0] % formats.size()];
    static const QByteArray names[] = {"tga", "ppm", "ico", "xpm", "pbm"};
    const QByteArray name = names[(data[0] / formats.size()) % 5];
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data + 1),
                                                     static_cast<qsizetype>(size - 1));
    const auto headers = format->readHeaders(bytes, name);
    if (!headers || headers->size.isEmpty())
        return 0;
    const QSize readAt = readSize(headers->size);
    const auto cost = format->cost(bytes, headers.value(), readAt);
    if (!cost || cost->bytes + bytes.size() > kPictureReadBudget)
        return 0;
    const auto image = format->read(bytes, headers.value(), readAt, {});
    // What is read is never more than the picture it is.
    if (image && qint64{image->width()} * image->height() >
                     qint64{headers->size.width()} * headers->size.height())
        __builtin_trap();
    return 0;
}
