// Any other kind Qt has a reader for (ICO, PPM, XPM, ...), named by the file's extension: read
// whole by Qt's reader, then averaged down.

#include "picture/pictureformat.h"
#include "picture/qtreader.h"

#include <QCoreApplication>
#include <QImageReader>

namespace velmira::picture {

namespace {

class OtherQtFormat final : public PictureFormat {
  public:
    QByteArray kind() const override { return "qt"; }
    bool recognises(const QByteArray&, const QByteArray& kindByName) const override {
        return !kindByName.isEmpty() && QImageReader::supportedImageFormats().contains(kindByName);
    }
    Result<PictureHeaders> readHeaders(const QByteArray& bytes,
                                       const QByteArray& kindByName) const override {
        PictureHeaders headers;
        headers.kind = kindByName;
        headers.size = qtHeaders(bytes, kindByName).size;
        if (headers.size.isEmpty())
            return Result<PictureHeaders>::failure(QCoreApplication::translate(
                "velmira::picture::PictureCost", "the picture's size is not known"));
        return headers;
    }
    Result<ReadCost> cost(const QByteArray& bytes, const PictureHeaders& headers,
                          QSize readAt) const override {
        const QtHeaders qt = qtHeaders(bytes, headers.kind);
        ReadCost cost;
        cost.byQt = true;
        cost.reduced = qt.scalesWhileReading && readAt != headers.size;
        // Read whole at its own depth, and converted a row at a time as it is averaged down.
        cost.bytes = cost.reduced ? 4 * qint64{readAt.width()} * readAt.height()
                                  : qtReadCost(qint64{qt.bytesPerPixel} * headers.size.width() *
                                                   headers.size.height(),
                                               readAt);
        return cost;
    }
    Result<QImage> read(const QByteArray& bytes, const PictureHeaders& headers, QSize readAt,
                        const CancelCheck& cancel) const override {
        return readByQt(bytes, headers.kind, headers.size, readAt, cancel);
    }
};

}  // namespace

const PictureFormat& otherQtFormat() {
    static const OtherQtFormat format;
    return format;
}

}  // namespace velmira::picture
