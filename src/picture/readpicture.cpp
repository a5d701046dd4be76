#include "readpicture.h"

#include "picture/bmp.h"
#include "picture/colourprofile.h"
#include "picture/exif.h"
#include "picture/heif.h"
#include "picture/picturecost.h"
#include "picture/pngstream.h"
#include "picture/readfile.h"
#include "picture/reducedsums.h"
#include "picture/tga.h"
#include "picture/tiff.h"
#include "picture/webp.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImageReader>

#include <array>
#include <cmath>
#include <vector>

namespace velmira::picture {

namespace {

qint64 pixelsOf(QSize size) {
    return qint64{size.width()} * size.height();
}

// An 8-bit picture at a reduced size, each pixel the average of the block it stands for: never
// a full-size true-colour copy of a huge paletted bitmap.
QImage averagedIndexed(const QImage& image, QSize target) {
    QImage reduced(target, QImage::Format_RGB32);
    std::array<QRgb, 256> colours{};
    const QVector<QRgb> table = image.colorTable();
    std::copy_n(table.constBegin(), std::min<qsizetype>(table.size(), 256), colours.begin());
    const int width = image.width();
    const int height = image.height();
    const ReducedColumns blocks = reducedColumns(width, target.width());
    const std::vector<int>& columnOf = blocks.of;
    const std::vector<quint64>& columns = blocks.count;
    std::vector<quint64> sums(static_cast<std::size_t>(target.width()) * 3);
    int y = 0;
    for (int ty = 0; ty < target.height(); ++ty) {
        std::fill(sums.begin(), sums.end(), 0);
        int rows = 0;
        for (; y < height && qint64{y} * target.height() / height == ty; ++y, ++rows) {
            const uchar* line = image.constScanLine(y);
            for (int x = 0; x < width; ++x) {
                const QRgb colour = colours[line[x]];
                quint64* sum = sums.data() + 3 * columnOf[static_cast<std::size_t>(x)];
                sum[0] += static_cast<quint64>(qRed(colour));
                sum[1] += static_cast<quint64>(qGreen(colour));
                sum[2] += static_cast<quint64>(qBlue(colour));
            }
        }
        auto* out = reinterpret_cast<QRgb*>(reduced.scanLine(ty));
        for (int tx = 0; tx < target.width(); ++tx) {
            const quint64 count = std::max<quint64>(
                1, columns[static_cast<std::size_t>(tx)] * static_cast<quint64>(rows));
            const quint64* sum = sums.data() + 3 * tx;
            out[tx] = qRgb(static_cast<int>(sum[0] / count), static_cast<int>(sum[1] / count),
                           static_cast<int>(sum[2] / count));
        }
    }
    return reduced;
}

// A decoded picture of more than kMaxReadPixels at its readSize.
QImage reducedToRead(QImage image) {
    if (image.isNull() || pixelsOf(image.size()) <= kMaxReadPixels)
        return image;
    const QSize target = readSize(image.size());
    if (image.format() == QImage::Format_Indexed8)
        return averagedIndexed(image, target);
    return image.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
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
    const QByteArray& kind = plan->kind;
    // Paletted bitmaps are read by our own decoder: Qt's leaves the pixels that RLE escapes
    // skip undefined and fills cut-short files with black.
    if (isPalettedBmp(bytes)) {
        auto image = decodePalettedBmp(bytes, cancel);
        return image ? Result<QImage>(reducedToRead(std::move(image.value()))) : image;
    }
    if (isCancelled(cancel))
        return Fail::failure(kCancelledText);
    // Qt reads only TGA files that end in the version-2 footer, and none that are compressed.
    // HEIF is read by libheif, upright, in sRGB and at most kMaxReadPixels.
    if (kind == "heif")
        return decodeHeif(bytes, cancel);
    if (kind == "tga") {
        auto image = decodeTga(bytes, cancel);
        return image ? Result<QImage>(reducedToRead(std::move(image.value()))) : image;
    }
    QImage image;
    if (plan->ownReader != OwnReader::None) {
        auto reduced =
            plan->ownReader == OwnReader::Png    ? decodePngReduced(bytes, plan->readAt, cancel)
            : plan->ownReader == OwnReader::Webp ? decodeWebpReduced(bytes, plan->readAt, cancel)
                                                 : decodeTiffReduced(bytes, plan->readAt, cancel);
        if (!reduced)
            return reduced;
        image = std::move(reduced.value());
    } else {
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer, kind);
        reader.setDecideFormatFromContent(false);
        // The plan has counted what the reader allocates; Qt's own limit stands behind it.
        reader.setAllocationLimit(static_cast<int>(kPictureReadBudget >> 20));
        // A phone stores a portrait photo lying down, with a tag saying how to turn it: it is
        // read upright, as every viewer shows it.
        reader.setAutoTransform(true);
        if (plan->readAt != plan->size)
            reader.setScaledSize(plan->readAt);
        image = reader.read();
        if (image.isNull())
            return Fail::failure(reader.errorString());
    }
    // Qt's WebP reader leaves a WebP's orientation tag to the program.
    if (kind == "webp")
        image = orientedBy(std::move(image), webpOrientation(bytes));
    // The game draws sRGB: a picture with a colour profile of its own (Display P3 from a phone,
    // Adobe RGB from a camera) is converted to it before it is scaled and reduced; one without
    // is taken as sRGB.
    convertToSrgb(image);
    return reducedToRead(std::move(image));
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
