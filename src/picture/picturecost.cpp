#include "picturecost.h"

#include "picture/bmp.h"
#include "picture/heif.h"
#include "picture/readpicture.h"
#include "picture/tga.h"
#include "picture/tiff.h"
#include "picture/webp.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageReader>
#include <QtEndian>

namespace velmira::picture {

namespace {

// The picture kind that a file's first bytes name; empty where they name none (TGA has no
// signature).
QByteArray kindBySignature(const QByteArray& bytes) {
    if (bytes.startsWith("BM"))
        return "bmp";
    if (bytes.startsWith("\x89PNG\r\n\x1a\n"))
        return "png";
    if (bytes.startsWith("\xff\xd8\xff"))
        return "jpeg";
    if (bytes.startsWith("GIF87a") || bytes.startsWith("GIF89a"))
        return "gif";
    if (bytes.startsWith("RIFF") && bytes.mid(8, 4) == "WEBP")
        return "webp";
    if (bytes.startsWith("II*") || bytes.startsWith(QByteArray("MM\x00*", 4)))
        return "tiff";
    if (isHeif(bytes))
        return "heif";
    return QByteArray();
}

// Skips a GIF's data sub-blocks from `at`; false when they run past the end.
bool skipGifBlocks(const QByteArray& bytes, qint64& at) {
    for (;;) {
        if (at >= bytes.size())
            return false;
        const int length = static_cast<uchar>(bytes[at]);
        at += 1 + length;
        if (length == 0)
            return true;
    }
}

// Why a JPEG, PNG or GIF is not whole, or empty: Qt's readers hand back what they could read
// of a cut-short file, the rest filled in grey.
QString notWhole(const QByteArray& bytes, const QByteArray& kind) {
    if (kind == "jpeg") {
        // The last scan must be followed by the end-of-picture marker (inside the coded data a
        // 0xff byte is never followed by 0xda or 0xd9).
        const qsizetype scan = bytes.lastIndexOf("\xff\xda");
        if (scan < 0 || bytes.indexOf("\xff\xd9", scan) < 0)
            return QCoreApplication::translate("velmira::picture::PictureCost",
                                               "the JPEG picture is cut short");
        return QString();
    }
    if (kind == "png") {
        // A whole PNG ends with its IEND chunk.
        return bytes.lastIndexOf("IEND") < 0
                   ? QCoreApplication::translate("velmira::picture::PictureCost",
                                                 "the PNG picture is cut short")
                   : QString();
    }
    if (kind != "gif")
        return QString();
    const auto u16 = [&](qint64 at) {
        return static_cast<uchar>(bytes[at]) | (static_cast<uchar>(bytes[at + 1]) << 8);
    };
    const QString cutShort = QCoreApplication::translate("velmira::picture::PictureCost",
                                                         "the GIF picture is cut short");
    if (bytes.size() < 13)
        return cutShort;
    const int screenWidth = u16(6);
    const int screenHeight = u16(8);
    const auto tableSize = [](uchar flags) {
        return (flags & 0x80) ? 3 * (qint64{2} << (flags & 7)) : 0;
    };
    qint64 at = 13 + tableSize(static_cast<uchar>(bytes[10]));
    for (;;) {
        if (at >= bytes.size())
            return cutShort;
        const uchar block = static_cast<uchar>(bytes[at]);
        if (block == 0x3b)  // the trailer: the picture is whole
            return QString();
        if (block == 0x21) {
            at += 2;
        } else if (block == 0x2c) {
            if (at + 10 > bytes.size())
                return cutShort;
            if (u16(at + 1) + u16(at + 5) > screenWidth || u16(at + 3) + u16(at + 7) > screenHeight)
                return QCoreApplication::translate(
                    "velmira::picture::PictureCost",
                    "a frame of the GIF picture lies outside the picture");
            at += 10 + tableSize(static_cast<uchar>(bytes[at + 9])) + 1;
        } else {
            return QCoreApplication::translate("velmira::picture::PictureCost",
                                               "the GIF picture is damaged");
        }
        if (!skipGifBlocks(bytes, at))
            return cutShort;
    }
}

qint64 pixelsOf(QSize size) {
    return qint64{size.width()} * size.height();
}

// A plan for a picture our own reader decodes (when it is not refused).
Result<PicturePlan> readBy(OwnReader reader, Result<PicturePlan> plan) {
    if (plan)
        plan.value().ownReader = reader;
    return plan;
}

qint64 megabytes(qint64 bytes) {
    return (bytes + (1 << 20) - 1) >> 20;
}

// The most pixels a picture read at a reduced size may have (16,384 on a side): reading more
// would take long however little memory it needs.
constexpr qint64 kMaxScaledReadPixels = qint64{16384} * 16384;

// The bytes a pixel takes in what Qt's reader decodes the whole picture into, as its headers
// say (four where they do not say: a WebP, or a format Qt names none for).
double qtBytesPerPixel(QImageReader& reader) {
    const QImage::Format format = reader.imageFormat();
    if (format == QImage::Format_Invalid)
        return 4;
    return std::max(4, QImage::toPixelFormat(format).bitsPerPixel() / 8);
}

// What Qt's reader of this kind does with a picture larger than its read size, found by
// reading with each: JPEG (any) and PNG (of at most 8 bits a channel, not interlaced) decode
// row by row straight into the reduced picture; the others decode the whole picture first
// (their readers either do not offer a scaled size or scale the whole after decoding), and so
// does a 16-bit PNG, which Qt decodes at 8 bytes a pixel (such a PNG is read by our own).
bool qtReadsReduced(const QByteArray& kind, const QByteArray& bytes) {
    if (kind == "jpeg")
        return true;
    if (kind != "png" || bytes.size() < 29)
        return false;
    const auto depth = static_cast<uchar>(bytes[24]);
    const auto interlace = static_cast<uchar>(bytes[28]);
    return depth <= 8 && interlace == 0;
}

// A HEIF picture's cost from its boxes, as measured with libheif 1.15 and libde265: an 8-bit
// picture without alpha, averaged straight from its planes, takes about 4.4 bytes a pixel while
// it is decoded whole (the decoder's frames and libheif's copy of them), a grid about 3 (its
// tiles decoded one by one into the picture's planes); twice that above 8 bits. A picture with
// alpha or of more bits is made RGB(A) by libheif besides, and scaled by Qt from a 32-bit copy.
Result<PicturePlan> planHeif(const QByteArray& bytes) {
    using Fail = Result<PicturePlan>;
    if (heifExtensions().isEmpty())
        return Fail::failure(QCoreApplication::translate(
            "velmira::picture::PictureCost", "this build of Velmira reads no HEIF pictures"));
    const auto headers = readHeifHeaders(bytes);
    if (!headers)
        return Fail::failure(headers.error());
    const HeifHeaders& h = headers.value();
    if (h.size.width() > kMaxHeifSide || h.size.height() > kMaxHeifSide)
        return Fail::failure(
            QCoreApplication::translate("velmira::picture::PictureCost",
                                        "the picture is %1 \u00d7 %2 pixels, more than can be read")
                .arg(h.size.width())
                .arg(h.size.height()));
    // A grid of 8-bit tiles is read tile by tile: one tile decoded at a time, and sums for
    // each reduced pixel.
    if (h.readByTiles() && readSize(h.size) != h.size)
        return planFor("heif", h.size, 0,
                       bytes.size() +
                           static_cast<qint64>(4.5 * static_cast<double>(pixelsOf(h.tile))) +
                           12 * pixelsOf(readSize(h.size)));
    const double sample = h.bits > 8 ? 2 : 1;
    double perPixel = (h.grid ? 3.0 : 4.5) * sample;
    if (h.alpha)
        perPixel += 1.5 * sample;
    if (h.alpha || h.bits > 8)
        perPixel += (h.alpha ? 4 : 3) + 4;
    return planFor("heif", h.size, perPixel, bytes.size());
}

}  // namespace

Result<PicturePlan> planFor(const QByteArray& kind, QSize size, double wholeBytesPerPixel,
                            qint64 fileBytes) {
    using Fail = Result<PicturePlan>;
    PicturePlan plan;
    plan.kind = kind;
    plan.size = size;
    plan.readAt = readSize(size);
    const bool shrinks = plan.readAt != size;
    plan.reduced = wholeBytesPerPixel <= 0 && shrinks;
    if (plan.reduced && pixelsOf(size) > kMaxScaledReadPixels)
        return Fail::failure(
            QCoreApplication::translate("velmira::picture::PictureCost",
                                        "the picture is %1 \u00d7 %2 pixels, more than can be read")
                .arg(size.width())
                .arg(size.height()));
    // The reduced picture, and a copy of it as it is turned, converted and scaled.
    const double whole = plan.reduced ? 0 : wholeBytesPerPixel > 0 ? wholeBytesPerPixel : 4.0;
    const double cost = static_cast<double>(fileBytes) +
                        whole * static_cast<double>(pixelsOf(size)) +
                        8.0 * static_cast<double>(pixelsOf(plan.readAt));
    if (cost > static_cast<double>(kPictureReadBudget))
        return Fail::failure(
            QCoreApplication::translate(
                "velmira::picture::PictureCost",
                "the picture is %1 \u00d7 %2 pixels, more than can be read: reading it would take "
                "%3 MB, and a picture may take at most %4 MB")
                .arg(size.width())
                .arg(size.height())
                .arg(megabytes(static_cast<qint64>(cost)))
                .arg(megabytes(kPictureReadBudget)));
    plan.cost = static_cast<qint64>(cost);
    return plan;
}

Result<PicturePlan> planPictureRead(const QByteArray& bytes, const QByteArray& kindByName) {
    using Fail = Result<PicturePlan>;
    // Paletted bitmaps are read by our own decoder at a byte a pixel.
    if (isPalettedBmp(bytes)) {
        const auto size = checkPalettedBmp(bytes);
        if (!size)
            return Fail::failure(size.error());
        return planFor("bmp", size.value(), 1, bytes.size());
    }
    if (bmpCutShort(bytes))
        return Fail::failure(QCoreApplication::translate("velmira::picture::PictureCost",
                                                         "the bitmap is cut short"));
    QByteArray kind = kindBySignature(bytes);
    if (kind.isEmpty())
        kind = kindByName.toLower();
    if (kind.isEmpty())
        return Fail::failure(QCoreApplication::translate("velmira::picture::PictureCost",
                                                         "the picture's kind is not known"));
    if (const QString reason = notWhole(bytes, kind); !reason.isEmpty())
        return Fail::failure(reason);
    if (kind == "tga") {
        const auto size = checkTga(bytes);
        if (!size)
            return Fail::failure(size.error());
        return planFor(kind, size.value(), 4, bytes.size());
    }
    if (kind == "heif")
        return planHeif(bytes);
    // A still WebP is read by libwebp straight at its reduced size: a lossless one is held
    // whole at 4 bytes a pixel while it is decoded, a lossy one's alpha plane at one.
    if (kind == "webp" && readsWebpItself()) {
        const auto headers = readWebpHeaders(bytes);
        if (!headers)
            return Fail::failure(headers.error());
        if (!headers->animated) {
            const double whole = headers->lossless ? 4 : headers->alpha ? 1 : 0;
            return readBy(OwnReader::Webp, planFor(kind, headers->size, whole, bytes.size()));
        }
    }
    // A TIFF of the kinds scanners and editors write is read by libtiff a row or a tile at a
    // time, with sums for each reduced pixel.
    if (kind == "tiff" && readsTiffItself()) {
        const auto headers = readTiffHeaders(bytes);
        if (!headers)
            return Fail::failure(headers.error());
        if (headers->readsItself)
            return readBy(OwnReader::Tiff,
                          planFor(kind, headers->size, 0,
                                  2 * bytes.size() + 16 * pixelsOf(readSize(headers->size)) +
                                      headers->pieceBytes));
    }
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, kind);
    reader.setDecideFormatFromContent(false);
    QSize size = reader.size();
    // Qt's GIF reader decodes every frame into a picture of the whole screen the file names.
    if (kind == "gif" && bytes.size() >= 10)
        size = size.expandedTo(QSize(qFromLittleEndian<quint16>(bytes.constData() + 6),
                                     qFromLittleEndian<quint16>(bytes.constData() + 8)));
    if (!size.isValid() || size.isEmpty())
        return Fail::failure(reader.canRead()
                                 ? QCoreApplication::translate("velmira::picture::PictureCost",
                                                               "the picture's size is not known")
                                 : reader.errorString());
    // A PNG Qt would decode whole (16 bits a channel, or interlaced) is read by our own reader
    // straight into the reduced picture: its compressed data gathered, and sums for each
    // reduced pixel.
    if (kind == "png" && !qtReadsReduced(kind, bytes) && readSize(size) != size) {
        // Two rows of at most 8 bytes a pixel are held as well.
        return readBy(OwnReader::Png, planFor(kind, size, 0,
                                              2 * bytes.size() + 16 * pixelsOf(readSize(size)) +
                                                  16 * qint64{size.width()}));
    }
    const double whole = qtReadsReduced(kind, bytes) ? 0 : qtBytesPerPixel(reader);
    // A reader that scales after decoding holds the whole and a reduced copy in its format.
    return planFor(kind, size, whole, bytes.size());
}

}  // namespace velmira::picture
