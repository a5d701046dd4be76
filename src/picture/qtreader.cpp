#include "qtreader.h"

#include "picture/picturecost.h"
#include "picture/reduce.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageReader>

#include <algorithm>

namespace velmira::picture {

QtHeaders qtHeaders(const QByteArray& bytes, const QByteArray& kind) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, kind);
    reader.setDecideFormatFromContent(false);
    QtHeaders headers;
    headers.size = reader.size();
    const QImage::Format format = reader.imageFormat();
    if (format != QImage::Format_Invalid)
        headers.bytesPerPixel = std::max(4, QImage::toPixelFormat(format).bitsPerPixel() / 8);
    headers.scalesWhileReading = reader.supportsOption(QImageIOHandler::ScaledSize);
    if (!headers.size.isValid())
        headers.size = QSize();
    return headers;
}

qint64 qtReadCost(qint64 wholeBytes, QSize readAt) {
    // The sums a picture read whole is averaged into, 16 bytes a reduced pixel.
    return wholeBytes + (wholeBytes > 0 ? 16 * qint64{readAt.width()} * readAt.height() : 0);
}

Result<QImage> readByQt(const QByteArray& bytes, const QByteArray& kind, QSize size, QSize readAt,
                        const CancelCheck& cancel, const QString& damaged) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, kind);
    reader.setDecideFormatFromContent(false);
    // The plan has counted what the reader allocates; Qt's own limit stands behind it.
    reader.setAllocationLimit(static_cast<int>(kPictureReadBudget >> 20));
    reader.setAutoTransform(true);
    // Only a reader that decodes straight at a smaller size is given one: Qt scales another's
    // whole picture with a second full-size copy.
    const bool scales = readAt != size && reader.supportsOption(QImageIOHandler::ScaledSize);
    if (scales)
        reader.setScaledSize(readAt);
    if (isCancelled(cancel))
        return Result<QImage>::failure(kCancelledText);
    QImage image = reader.read();
    if (image.isNull() && !damaged.isEmpty())
        return Result<QImage>::failure(
            damaged.contains(QLatin1String("%1")) ? damaged.arg(reader.errorString()) : damaged);
    if (image.isNull())
        return Result<QImage>::failure(
            QCoreApplication::translate("velmira::picture::QtReader",
                                        "the %1 picture of %2 \u00d7 %3 pixels cannot be read: %4")
                .arg(QString::fromLatin1(kind.toUpper()))
                .arg(size.width())
                .arg(size.height())
                .arg(reader.errorString()));
    if (!scales && readAt != size) {
        // Turned by its orientation tag already: reduced to the turned size.
        const QSize target = image.size() == size ? readAt : readAt.transposed();
        image = averagedDown(image, target);
    }
    return image;
}

}  // namespace velmira::picture
