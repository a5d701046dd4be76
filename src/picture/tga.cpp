#include "tga.h"

#include "core/bytes.h"
#include "picture/pictureformat.h"
#include "picture/reduce.h"

#include <QCoreApplication>

#include <algorithm>
#include <vector>

namespace velmira::picture {

namespace {

// The TGA header's fields, by offset.
namespace TgaLayout {
constexpr qint64 IdLength = 0;
constexpr qint64 MapType = 1;
constexpr qint64 ImageType = 2;
constexpr qint64 MapFirst = 3;
constexpr qint64 MapLength = 5;
constexpr qint64 MapEntryBits = 7;
constexpr qint64 Width = 12;
constexpr qint64 Height = 14;
constexpr qint64 PixelBits = 16;
constexpr qint64 Descriptor = 17;
constexpr qint64 HeaderSize = 18;
constexpr int TopDown = 0x20;
constexpr int RunFlag = 0x80;
}  // namespace TgaLayout

// The most pixels a TGA may have (the same bound as other pictures read here).
constexpr qint64 kMaxTgaPixels = 16 * 1024 * 1024;

QRgb colourAt(const uchar* p, int bytes) {
    if (bytes == 1)
        return qRgb(p[0], p[0], p[0]);
    if (bytes == 3)
        return qRgb(p[2], p[1], p[0]);
    return qRgba(p[2], p[1], p[0], p[3]);
}

// Decodes the picture or, given `onlySize`, checks what can be checked without reading a pixel
// (the header, the colour map, and that an uncompressed picture's pixels are all there) and
// hands back a null picture with the size.
Result<QImage> readTga(const QByteArray& bytes, const CancelCheck& cancel, QSize* onlySize) {
    using Fail = Result<QImage>;
    using namespace TgaLayout;
    if (bytes.size() < HeaderSize)
        return Fail::failure(
            QCoreApplication::translate("velmira::picture::Tga", "the TGA picture is cut short"));
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    const int type = data[ImageType];
    const bool rle = type >= 9;
    const int kind = rle ? type - 8 : type;  // 1 colour-mapped, 2 true colour, 3 grey
    const int bits = data[PixelBits];
    const int mapType = data[MapType];
    const qint64 width = *readU16(bytes, Width);
    const qint64 height = *readU16(bytes, Height);
    const bool mapped = kind == 1;
    if ((kind != 1 && kind != 2 && kind != 3) || (mapped && (mapType != 1 || bits != 8)) ||
        (kind == 2 && bits != 24 && bits != 32) || (kind == 3 && bits != 8))
        return Fail::failure(QCoreApplication::translate(
            "velmira::picture::Tga", "the TGA picture's kind is not supported"));
    if (width == 0 || height == 0 || width * height > kMaxTgaPixels)
        return Fail::failure(QCoreApplication::translate("velmira::picture::Tga",
                                                         "the TGA picture's size is not valid"));

    // The colour map, if any, lies between the picture's name and its pixels.
    qint64 at = HeaderSize + data[IdLength];
    std::vector<QRgb> map;
    if (mapType == 1) {
        const qint64 first = *readU16(bytes, MapFirst);
        const qint64 length = *readU16(bytes, MapLength);
        const int entryBytes = data[MapEntryBits] / 8;
        if (entryBytes != 3 && entryBytes != 4 && mapped)
            return Fail::failure(QCoreApplication::translate(
                "velmira::picture::Tga", "the TGA picture's colour map is not supported"));
        if (at + length * entryBytes > bytes.size())
            return Fail::failure(QCoreApplication::translate("velmira::picture::Tga",
                                                             "the TGA picture is cut short"));
        map.assign(256, qRgb(0, 0, 0));
        for (qint64 i = 0; i < length && mapped; ++i)
            if (first + i < 256)
                map[static_cast<std::size_t>(first + i)] =
                    colourAt(data + at + i * entryBytes, entryBytes);
        at += length * entryBytes;
    }

    const int pixelBytes = bits / 8;
    if (!rle && at + width * height * pixelBytes > bytes.size())
        return Fail::failure(
            QCoreApplication::translate("velmira::picture::Tga", "the TGA picture is cut short"));
    if (onlySize) {
        *onlySize = QSize(static_cast<int>(width), static_cast<int>(height));
        return QImage();
    }
    QImage image(static_cast<int>(width), static_cast<int>(height),
                 bits == 32 ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (image.isNull())
        return Fail::failure(
            QCoreApplication::translate("velmira::picture::Tga", "the TGA picture is too large"));
    const bool topDown = data[Descriptor] & TopDown;
    const auto colour = [&](const uchar* p) { return mapped ? map[*p] : colourAt(p, pixelBytes); };
    const qint64 total = width * height;
    qint64 done = 0;
    const auto put = [&](QRgb c) {
        const qint64 row = done / width;
        const auto y = static_cast<int>(topDown ? row : height - 1 - row);
        reinterpret_cast<QRgb*>(image.scanLine(y))[done % width] = c;
        ++done;
    };
    const QString cutShort =
        QCoreApplication::translate("velmira::picture::Tga", "the TGA picture is cut short");
    while (done < total) {
        if (done % 65536 == 0 && isCancelled(cancel))
            return Fail::failure(kCancelledText);
        qint64 count = total - done;
        bool repeat = false;
        if (rle) {
            if (at >= bytes.size())
                return Fail::failure(cutShort);
            repeat = data[at] & RunFlag;
            count = std::min<qint64>((data[at] & 0x7f) + 1, total - done);
            ++at;
        }
        const qint64 stored = repeat ? 1 : count;
        if (at + stored * pixelBytes > bytes.size())
            return Fail::failure(cutShort);
        for (qint64 i = 0; i < count; ++i)
            put(colour(data + at + (repeat ? 0 : i * pixelBytes)));
        at += stored * pixelBytes;
    }
    return image;
}

}  // namespace

Result<QImage> decodeTga(const QByteArray& bytes, const CancelCheck& cancel) {
    return readTga(bytes, cancel, nullptr);
}

Result<QSize> checkTga(const QByteArray& bytes) {
    QSize size;
    const auto checked = readTga(bytes, {}, &size);
    if (!checked)
        return Result<QSize>::failure(checked.error());
    return size;
}

}  // namespace velmira::picture

namespace velmira::picture {

namespace {

// TGA pictures (which have no signature: known by the file name's extension) by our own
// decoder, whole at 4 bytes a pixel: Qt reads only those that end in the version-2 footer,
// and none that are compressed.
class TgaFormat final : public PictureFormat {
  public:
    QByteArray kind() const override { return "tga"; }
    bool recognises(const QByteArray&, const QByteArray& kindByName) const override {
        return kindByName == "tga";
    }
    Result<PictureHeaders> readHeaders(const QByteArray& bytes, const QByteArray&) const override {
        const auto size = checkTga(bytes);
        if (!size)
            return Result<PictureHeaders>::failure(size.error());
        PictureHeaders headers;
        headers.size = size.value();
        return headers;
    }
    Result<ReadCost> cost(const QByteArray&, const PictureHeaders& headers,
                          QSize readAt) const override {
        ReadCost cost;
        cost.bytes = 4 * qint64{headers.size.width()} * headers.size.height() +
                     (readAt != headers.size ? 16 * qint64{readAt.width()} * readAt.height() : 0);
        return cost;
    }
    Result<QImage> read(const QByteArray& bytes, const PictureHeaders& headers, QSize readAt,
                        const CancelCheck& cancel) const override {
        auto image = decodeTga(bytes, cancel);
        if (!image || readAt == headers.size)
            return image;
        return averagedDown(image.value(), readAt);
    }
};

}  // namespace

const PictureFormat& tgaFormat() {
    static const TgaFormat format;
    return format;
}

}  // namespace velmira::picture
