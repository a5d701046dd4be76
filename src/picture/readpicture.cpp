#include "readpicture.h"

#include "picture/colourprofile.h"
#include "picture/exif.h"
#include "picture/picturecost.h"
#include "picture/readfile.h"
#include "picture/reduce.h"
#include "picture/reducedsums.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cmath>

namespace velmira::picture {

namespace {

qint64 pixelsOf(QSize size) {
    return qint64{size.width()} * size.height();
}

}  // namespace

ReducedColumns reducedColumns(int width, int reducedWidth) {
    // The blocks the streaming readers work out as they go, as a table.
    const Blocks blocks(std::max(0, width), std::max(0, reducedWidth));
    ReducedColumns columns;
    columns.count = blocks.count;
    columns.of.resize(static_cast<std::size_t>(std::max(0, width)));
    for (int x = 0; x < width; ++x)
        columns.of[static_cast<std::size_t>(x)] = static_cast<int>(blocks.of(x));
    return columns;
}

QSize readSize(QSize size) {
    if (size.isEmpty() || pixelsOf(size) <= kMaxReadPixels)
        return size;
    const double factor =
        std::sqrt(static_cast<double>(kMaxReadPixels) / static_cast<double>(pixelsOf(size)));
    return QSize(std::max(1, static_cast<int>(size.width() * factor)),
                 std::max(1, static_cast<int>(size.height() * factor)));
}

Result<QImage> decodePicture(const QByteArray& bytes, const QByteArray& kindByName,
                             const CancelCheck& cancel) {
    using Fail = Result<QImage>;
    // Every picture is planned from its headers first: one that would cost more than a picture
    // may take is refused before anything is decoded.
    const auto plan = planPictureRead(bytes, kindByName);
    if (!plan)
        return Fail::failure(plan.error());
    if (isCancelled(cancel))
        return Fail::failure(kCancelledText);
    auto read = plan->format->read(bytes, plan->headers, plan->readAt, cancel);
    if (!read)
        return read;
    // A phone stores a portrait photo lying down, with a tag saying how to turn it: it is
    // read upright, as every viewer shows it.
    QImage image = orientedBy(std::move(read.value()), plan->headers.orientation);
    // The game draws sRGB: a picture with a colour profile of its own (Display P3 from a phone,
    // Adobe RGB from a camera) is converted to it before it is reduced; one without is taken as
    // sRGB.
    convertToSrgb(image);
    if (pixelsOf(image.size()) > kMaxReadPixels)
        image = averagedDown(image, readSize(image.size()));
    return image;
}

Result<QSize> checkPicture(const QByteArray& bytes, const QByteArray& kindByName) {
    const auto plan = planPictureRead(bytes, kindByName);
    if (!plan)
        return Result<QSize>::failure(plan.error());
    return plan->size;
}

Result<QImage> readPicture(const QString& path, const CancelCheck& cancel) {
    const auto bytes = readRegularFile(path, kMaxPictureFileSize);
    if (!bytes)
        return Result<QImage>::failure(bytes.error());
    if (isCancelled(cancel))
        return Result<QImage>::failure(kCancelledText);
    auto image = decodePicture(bytes.value(), QFileInfo(path).suffix().toLatin1(), cancel);
    if (!image)
        return Result<QImage>::failure(QCoreApplication::translate("velmira::picture::ReadPicture",
                                                                   "cannot read the bitmap %1: %2")
                                           .arg(path, image.error()));
    return image;
}

}  // namespace velmira::picture
