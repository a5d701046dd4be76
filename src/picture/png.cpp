// PNG pictures: those Qt's reader decodes row by row straight into the reduced picture (at most
// 8 bits a channel, not interlaced) by it; any other to be reduced by our own streaming reader
// (pngstream.h), never whole.

#include "picture/pictureformat.h"
#include "picture/pngstream.h"
#include "picture/qtreader.h"

#include <QCoreApplication>
#include <QtEndian>

#include <optional>

namespace velmira::picture {

namespace {

// IHDR, which a PNG begins with, by offset from the file's start.
namespace PngLayout {
constexpr qint64 Width = 16;
constexpr qint64 Height = 20;
constexpr qint64 Depth = 24;
constexpr qint64 ColourType = 25;
constexpr qint64 Interlace = 28;
constexpr qint64 HeaderEnd = 33;
}  // namespace PngLayout

struct PngHeader {
    QSize size;
    int depth = 0;
    int channels = 0;
    bool interlaced = false;
    // 16-bit RGB with a see-through colour: Qt 6.4's reader gives its pixels with their channels
    // shifted, so ours reads it at any size.
    bool keyedDeepRgb = false;
};

std::optional<PngHeader> headerOf(const QByteArray& bytes) {
    using namespace PngLayout;
    if (bytes.size() < HeaderEnd || bytes.mid(12, 4) != "IHDR")
        return std::nullopt;
    const quint32 width = qFromBigEndian<quint32>(bytes.constData() + Width);
    const quint32 height = qFromBigEndian<quint32>(bytes.constData() + Height);
    if (width == 0 || height == 0 || width > 0x7fffffff || height > 0x7fffffff)
        return std::nullopt;
    PngHeader h;
    h.size = QSize(static_cast<int>(width), static_cast<int>(height));
    h.depth = static_cast<uchar>(bytes[Depth]);
    const int type = static_cast<uchar>(bytes[ColourType]);
    h.channels = type == 2 ? 3 : type == 4 ? 2 : type == 6 ? 4 : 1;
    h.interlaced = bytes[Interlace] != 0;
    const qsizetype key = bytes.indexOf("tRNS", HeaderEnd);
    const qsizetype data = bytes.indexOf("IDAT", HeaderEnd);
    h.keyedDeepRgb = h.depth == 16 && type == 2 && key > 0 && (data < 0 || key < data);
    return h;
}

// Whether Qt's reader decodes it row by row straight into the reduced picture, as measured:
// its scaled reading takes only 8-bit rows, not interlaced.
bool qtReadsReduced(const PngHeader& h) {
    return h.depth <= 8 && !h.interlaced;
}

class PngFormat final : public PictureFormat {
  public:
    QByteArray kind() const override { return "png"; }
    bool recognises(const QByteArray& bytes, const QByteArray&) const override {
        return bytes.startsWith("\x89PNG\r\n\x1a\n");
    }
    Result<PictureHeaders> readHeaders(const QByteArray& bytes, const QByteArray&) const override {
        using Fail = Result<PictureHeaders>;
        // A whole PNG ends with its IEND chunk: Qt's reader fills the rest of a cut-short one.
        if (bytes.lastIndexOf("IEND") < 0)
            return Fail::failure(QCoreApplication::translate("velmira::picture::PictureCost",
                                                             "the PNG picture is cut short"));
        const auto h = headerOf(bytes);
        if (!h)
            return Fail::failure(
                QCoreApplication::translate("velmira::picture::Png", "the PNG picture is damaged"));
        PictureHeaders headers;
        headers.size = h->size;
        return headers;
    }
    Result<ReadCost> cost(const QByteArray& bytes, const PictureHeaders& headers,
                          QSize readAt) const override {
        const auto h = headerOf(bytes);
        const qint64 reducedPixels = qint64{readAt.width()} * readAt.height();
        ReadCost cost;
        cost.reduced = readAt != headers.size;
        if (!cost.reduced && !h->keyedDeepRgb) {
            // Read whole by Qt: 16 bits a channel at 8 bytes a pixel, else 4.
            cost.byQt = true;
            cost.bytes = (h->depth == 16 ? 8 : 4) * reducedPixels + 16 * qint64{h->size.width()};
            return cost;
        }
        if (qtReadsReduced(h.value())) {
            // Two rows of the picture, and the reduced picture as it is made.
            cost.byQt = true;
            cost.bytes = 8 * qint64{h->size.width()} + 4 * reducedPixels;
            return cost;
        }
        if (qint64{h->size.width()} * h->size.height() > kMaxPngStreamPixels)
            return Result<ReadCost>::failure(tooLargeText(h->size));
        // The sums for each reduced pixel, two rows of at most 8 bytes a pixel, the table of
        // reduced columns and zlib's window and buffer.
        cost.bytes = 16 * reducedPixels + 20 * qint64{h->size.width()} + (128 << 10);
        return cost;
    }
    Result<QImage> read(const QByteArray& bytes, const PictureHeaders& headers, QSize readAt,
                        const CancelCheck& cancel) const override {
        const auto h = headerOf(bytes);
        if ((readAt == headers.size && !h->keyedDeepRgb) || qtReadsReduced(h.value()))
            return readByQt(bytes, kind(), headers.size, readAt, cancel,
                            QCoreApplication::translate("velmira::picture::Png",
                                                        "the PNG picture is damaged: %1"));
        return decodePngReduced(bytes, readAt, cancel);
    }
};

}  // namespace

const PictureFormat& pngFormat() {
    static const PngFormat format;
    return format;
}

}  // namespace velmira::picture
