#include "bmp.h"

#include "core/bytes.h"
#include "picture/bmplayout.h"
#include "picture/pictureformat.h"
#include "picture/qtreader.h"
#include "picture/reduce.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace velmira::picture {

namespace {

using Fail = Result<QImage>;

// The header fields that matter here, whatever the header's kind.
struct BmpHeader {
    qint64 pixelsAt = 0;
    qint64 infoSize = 0;
    qint64 width = 0;
    qint64 height = 0;  // negative: rows stored top-down
    int bits = 0;
    quint32 compression = 0;
    quint32 coloursUsed = 0;
    qint64 paletteAt = 0;
    int paletteEntrySize = 4;
};

// Decoded pictures stay within the reader's memory limit.
constexpr qint64 kMaxPixels = 64LL * 1024 * 1024;
constexpr quint32 kUncompressed = 0;
constexpr quint32 kRle8 = 1;
constexpr quint32 kRle4 = 2;

std::optional<BmpHeader> readHeader(const QByteArray& bytes) {
    if (!bytes.startsWith("BM"))
        return std::nullopt;
    const auto pixelsAt = readU32(bytes, BmpLayout::PixelOffsetOffset);
    const auto infoSize = readU32(bytes, BmpLayout::InfoOffset);
    if (!pixelsAt || !infoSize)
        return std::nullopt;
    BmpHeader h;
    h.pixelsAt = *pixelsAt;
    h.infoSize = *infoSize;
    const qint64 info = BmpLayout::InfoOffset;
    if (h.infoSize == BmpLayout::CoreHeaderSize) {
        const auto w = readU16(bytes, info + 4);
        const auto ht = readU16(bytes, info + 6);
        const auto bits = readU16(bytes, info + 10);
        if (!w || !ht || !bits)
            return std::nullopt;
        h.width = *w;
        h.height = *ht;
        h.bits = *bits;
        h.paletteEntrySize = 3;
    } else if (h.infoSize >= BmpLayout::InfoHeaderSize && h.infoSize <= 1024) {
        const auto w = readU32(bytes, info + 4);
        const auto ht = readU32(bytes, info + 8);
        const auto bits = readU16(bytes, info + 14);
        const auto compression = readU32(bytes, info + 16);
        const auto used = readU32(bytes, info + 32);
        if (!w || !ht || !bits || !compression || !used)
            return std::nullopt;
        h.width = static_cast<qint32>(*w);
        h.height = static_cast<qint32>(*ht);
        h.bits = *bits;
        h.compression = *compression;
        h.coloursUsed = *used;
    } else {
        return std::nullopt;
    }
    h.paletteAt = info + h.infoSize;
    return h;
}

qint64 strideOf(qint64 width, int bits) {
    return ((width * bits + 31) / 32) * 4;
}

// Pixels of an uncompressed bitmap, as indices, top row first.
Result<QImage> decodeUncompressed(const QByteArray& bytes, const BmpHeader& h, QImage image) {
    const qint64 rows = std::abs(h.height);
    const qint64 stride = strideOf(h.width, h.bits);
    if (h.pixelsAt > bytes.size() || stride > (bytes.size() - h.pixelsAt) / rows)
        return Fail::failure(
            QCoreApplication::translate("velmira::picture::Bmp", "the bitmap is cut short"));
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    const int perByte = 8 / h.bits;
    const uchar mask = static_cast<uchar>((1 << h.bits) - 1);
    for (qint64 r = 0; r < rows; ++r) {
        const uchar* row = data + h.pixelsAt + r * stride;
        const qint64 y = h.height < 0 ? r : rows - 1 - r;
        uchar* out = image.scanLine(static_cast<int>(y));
        for (qint64 x = 0; x < h.width; ++x) {
            const uchar byte = row[x / perByte];
            const int shift = 8 - h.bits * static_cast<int>(x % perByte + 1);
            out[x] = static_cast<uchar>((byte >> shift) & mask);
        }
    }
    return image;
}

// RLE8 and RLE4 pixels; rows are stored bottom-up, skipped pixels stay index 0.
Result<QImage> decodeRle(const QByteArray& bytes, const BmpHeader& h, QImage image,
                         const CancelCheck& cancel) {
    const bool four = h.compression == kRle4;
    const qint64 width = h.width;
    const qint64 height = h.height;
    const auto put = [&](qint64 x, qint64 y, int index) {
        if (x >= 0 && x < width && y >= 0 && y < height)
            image.scanLine(static_cast<int>(height - 1 - y))[x] = static_cast<uchar>(index);
    };
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    const qint64 end = bytes.size();
    qint64 at = h.pixelsAt;
    qint64 x = 0;
    qint64 y = 0;
    // Pixels of a run that fall past the end of its row are not drawn: only those inside are
    // walked, so a file of runs that never end a row costs no more than its size.
    const auto inRow = [&](qint64 count) { return std::clamp<qint64>(width - x, 0, count); };
    for (qint64 codes = 0; y < height; ++codes) {
        if (codes % 65536 == 0 && isCancelled(cancel))
            return Fail::failure(kCancelledText);
        if (at + 2 > end)
            return Fail::failure(QCoreApplication::translate(
                "velmira::picture::Bmp", "the bitmap's compressed pixels are cut short"));
        const int count = data[at];
        const int value = data[at + 1];
        at += 2;
        if (count > 0) {
            const qint64 drawn = inRow(count);
            for (int i = 0; i < drawn; ++i)
                put(x + i, y, four ? ((i % 2 == 0) ? value >> 4 : value & 0x0f) : value);
            x += count;
            continue;
        }
        if (value == 0) {  // end of line
            x = 0;
            ++y;
        } else if (value == 1) {  // end of bitmap
            break;
        } else if (value == 2) {  // move right and up
            if (at + 2 > end)
                return Fail::failure(QCoreApplication::translate(
                    "velmira::picture::Bmp", "the bitmap's compressed pixels are cut short"));
            x += data[at];
            y += data[at + 1];
            at += 2;
        } else {  // literal run, padded to an even number of bytes
            const qint64 stored = four ? (value + 1) / 2 : value;
            const qint64 padded = stored + (stored % 2);
            if (at + padded > end)
                return Fail::failure(QCoreApplication::translate(
                    "velmira::picture::Bmp", "the bitmap's compressed pixels are cut short"));
            const qint64 drawn = inRow(value);
            for (int i = 0; i < drawn; ++i) {
                const uchar byte = data[at + (four ? i / 2 : i)];
                put(x + i, y, four ? ((i % 2 == 0) ? byte >> 4 : byte & 0x0f) : byte);
            }
            x += value;
            at += padded;
        }
    }
    return image;
}

}  // namespace

std::optional<BmpInfo> bmpInfo(const QByteArray& bytes) {
    const auto h = readHeader(bytes);
    if (!h)
        return std::nullopt;
    return BmpInfo{h->width, h->height, h->bits};
}

bool isPalettedBmp(const QByteArray& bytes) {
    const auto h = readHeader(bytes);
    return h && (h->bits == 1 || h->bits == 4 || h->bits == 8);
}

bool bmpCutShort(const QByteArray& bytes) {
    const auto h = readHeader(bytes);
    if (!h || h->bits <= 8 || (h->compression != kUncompressed && h->compression != 3))
        return false;
    const qint64 rows = std::abs(h->height);
    const qint64 stride = strideOf(std::abs(h->width), h->bits);
    if (rows == 0 || stride == 0)
        return false;
    return h->pixelsAt > bytes.size() || stride > (bytes.size() - h->pixelsAt) / rows;
}

namespace {
// Everything decodePalettedBmp checks before it reads a pixel: the headers, the size, the
// palette and, uncompressed, that every row is there. RLE runs can be checked only by reading
// them.
Result<BmpHeader> checkedHeader(const QByteArray& bytes) {
    using Refused = Result<BmpHeader>;
    const auto header = readHeader(bytes);
    if (!header)
        return Refused::failure(QCoreApplication::translate(
            "velmira::picture::Bmp", "the bitmap's headers are damaged or cut short"));
    const BmpHeader& h = *header;
    if (h.bits != 1 && h.bits != 4 && h.bits != 8)
        return Refused::failure(QCoreApplication::translate(
            "velmira::picture::Bmp", "the bitmap is not 1, 4 or 8 bits per pixel"));
    const bool rle =
        (h.compression == kRle8 && h.bits == 8) || (h.compression == kRle4 && h.bits == 4);
    if (h.compression != kUncompressed && !rle)
        return Refused::failure(QCoreApplication::translate(
            "velmira::picture::Bmp", "the bitmap's compression is not supported"));
    if (h.width <= 0 || h.height == 0 || (rle && h.height < 0))
        return Refused::failure(
            QCoreApplication::translate("velmira::picture::Bmp", "the bitmap's size is not valid"));
    const qint64 rows = std::abs(h.height);
    if (h.width > 65535 || rows > 65535 || h.width * rows > kMaxPixels)
        return Refused::failure(
            QCoreApplication::translate("velmira::picture::Bmp", "the bitmap is too large"));
    const qint64 maximum = qint64{1} << h.bits;
    const qint64 colours =
        (h.coloursUsed == 0 || h.coloursUsed > maximum) ? maximum : qint64{h.coloursUsed};
    if (h.paletteAt + colours * h.paletteEntrySize > bytes.size())
        return Refused::failure(QCoreApplication::translate("velmira::picture::Bmp",
                                                            "the bitmap's palette is cut short"));
    if (!rle && (h.pixelsAt > bytes.size() ||
                 strideOf(h.width, h.bits) > (bytes.size() - h.pixelsAt) / rows))
        return Refused::failure(
            QCoreApplication::translate("velmira::picture::Bmp", "the bitmap is cut short"));
    return h;
}
}  // namespace

Result<QSize> checkPalettedBmp(const QByteArray& bytes) {
    const auto header = checkedHeader(bytes);
    if (!header)
        return Result<QSize>::failure(header.error());
    return QSize(static_cast<int>(header.value().width),
                 static_cast<int>(std::abs(header.value().height)));
}

Result<QImage> decodePalettedBmp(const QByteArray& bytes, const CancelCheck& cancel) {
    const auto header = checkedHeader(bytes);
    if (!header)
        return Fail::failure(header.error());
    const BmpHeader& h = header.value();
    const bool rle = h.compression != kUncompressed;
    const qint64 rows = std::abs(h.height);
    // A colour count above the maximum for the bit count is taken as the maximum.
    const qint64 maximum = qint64{1} << h.bits;
    const qint64 colours =
        (h.coloursUsed == 0 || h.coloursUsed > maximum) ? maximum : qint64{h.coloursUsed};
    QVector<QRgb> table(static_cast<qsizetype>(maximum), qRgb(0, 0, 0));
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    for (qint64 i = 0; i < colours; ++i) {
        const uchar* entry = data + h.paletteAt + i * h.paletteEntrySize;
        table[static_cast<qsizetype>(i)] = qRgb(entry[2], entry[1], entry[0]);
    }

    QImage image(static_cast<int>(h.width), static_cast<int>(rows), QImage::Format_Indexed8);
    if (image.isNull())
        return Fail::failure(
            QCoreApplication::translate("velmira::picture::Bmp", "the bitmap is too large"));
    image.setColorTable(table);
    image.fill(0);
    image.setText(kBitsKey, QString::number(h.bits));
    return rle ? decodeRle(bytes, h, std::move(image), cancel)
               : decodeUncompressed(bytes, h, std::move(image));
}

}  // namespace velmira::picture

namespace velmira::picture {

namespace {

// Bitmaps: those of 1, 4 or 8 bits a pixel by our own decoder (Qt's leaves the pixels that RLE
// escapes skip undefined and fills cut-short files with black) at a byte a pixel; any other by
// Qt's reader, whole.
class BmpFormat final : public PictureFormat {
  public:
    QByteArray kind() const override { return "bmp"; }
    bool recognises(const QByteArray& bytes, const QByteArray&) const override {
        return bytes.startsWith("BM");
    }
    Result<PictureHeaders> readHeaders(const QByteArray& bytes, const QByteArray&) const override {
        PictureHeaders headers;
        if (isPalettedBmp(bytes)) {
            const auto size = checkPalettedBmp(bytes);
            if (!size)
                return Result<PictureHeaders>::failure(size.error());
            headers.size = size.value();
            return headers;
        }
        if (bmpCutShort(bytes))
            return Result<PictureHeaders>::failure(QCoreApplication::translate(
                "velmira::picture::PictureCost", "the bitmap is cut short"));
        headers.size = qtHeaders(bytes, kind()).size;
        if (headers.size.isEmpty())
            return Result<PictureHeaders>::failure(QCoreApplication::translate(
                "velmira::picture::Bmp", "the bitmap's headers are damaged or cut short"));
        return headers;
    }
    Result<ReadCost> cost(const QByteArray& bytes, const PictureHeaders& headers,
                          QSize readAt) const override {
        const qint64 pixels = qint64{headers.size.width()} * headers.size.height();
        ReadCost cost;
        if (isPalettedBmp(bytes)) {
            // A byte a pixel, and the sums of a row of the reduced picture.
            cost.bytes = pixels + 24 * qint64{readAt.width()};
            return cost;
        }
        cost.byQt = true;
        cost.bytes = qtReadCost(qint64{qtHeaders(bytes, kind()).bytesPerPixel} * pixels, readAt);
        return cost;
    }
    Result<QImage> read(const QByteArray& bytes, const PictureHeaders& headers, QSize readAt,
                        const CancelCheck& cancel) const override {
        if (!isPalettedBmp(bytes))
            return readByQt(
                bytes, kind(), headers.size, readAt, cancel,
                QCoreApplication::translate("velmira::picture::Bmp",
                                            "the bitmap's headers are damaged or cut short"));
        auto image = decodePalettedBmp(bytes, cancel);
        if (!image || readAt == headers.size)
            return image;
        return averagedDown(image.value(), readAt);
    }
};

}  // namespace

const PictureFormat& bmpFormat() {
    static const BmpFormat format;
    return format;
}

}  // namespace velmira::picture
