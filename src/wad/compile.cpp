#include "compile.h"

#include "wad/bitmap.h"
#include "wad/bytes.h"
#include "wad/convert.h"
#include "wad/heif.h"
#include "wad/layout.h"
#include "wad/palette.h"
#include "wad/readfile.h"
#include "wad/tga.h"
#include "wad/wad.h"

#include <QBuffer>
#include <QColorSpace>
#include <QFileInfo>
#include <QImageReader>
#include <QTransform>
#include <QtEndian>

#include <array>
#include <cmath>
#include <cstring>
#include <vector>

namespace velmira::wad {

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

// Why a JPEG or GIF is not whole, or empty: Qt's readers hand back what they could read of a
// cut-short file, the rest filled in grey.
QString notWhole(const QByteArray& bytes, const QByteArray& kind) {
    if (kind == "jpeg") {
        // The last scan must be followed by the end-of-picture marker (inside the coded data a
        // 0xff byte is never followed by 0xda or 0xd9).
        const qsizetype scan = bytes.lastIndexOf("\xff\xda");
        if (scan < 0 || bytes.indexOf("\xff\xd9", scan) < 0)
            return QStringLiteral("the JPEG picture is cut short");
        return QString();
    }
    if (kind == "png") {
        // A whole PNG ends with its IEND chunk.
        return bytes.lastIndexOf("IEND") < 0 ? QStringLiteral("the PNG picture is cut short")
                                             : QString();
    }
    if (kind != "gif")
        return QString();
    const auto u16 = [&](qint64 at) {
        return static_cast<uchar>(bytes[at]) | (static_cast<uchar>(bytes[at + 1]) << 8);
    };
    const QString cutShort = QStringLiteral("the GIF picture is cut short");
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
                return QStringLiteral("a frame of the GIF picture lies outside the picture");
            at += 10 + tableSize(static_cast<uchar>(bytes[at + 9])) + 1;
        } else {
            return QStringLiteral("the GIF picture is damaged");
        }
        if (!skipGifBlocks(bytes, at))
            return cutShort;
    }
}

// The kind of a picture that is not a paletted bitmap, decided by content where the content
// names one, whatever the file's name says, by the name where it does not; refused when it is
// not known or the picture is not whole.
Result<QByteArray> wholePictureKind(const QByteArray& bytes, const QByteArray& kindByName) {
    QByteArray kind = kindBySignature(bytes);
    if (kind.isEmpty())
        kind = kindByName.toLower();
    if (kind.isEmpty())
        return Result<QByteArray>::failure(QStringLiteral("the picture's kind is not known"));
    if (const QString reason = notWhole(bytes, kind); !reason.isEmpty())
        return Result<QByteArray>::failure(reason);
    return kind;
}

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

// The orientation an Exif block's first directory gives (1 to 8; 1 when it gives none): the
// tag phones write to say how a photo stored lying down is to be turned.
int exifOrientation(const QByteArray& exif) {
    const QByteArray tiff = exif.startsWith(QByteArray("Exif\0\0", 6)) ? exif.mid(6) : exif;
    if (tiff.size() < 8)
        return 1;
    const bool big = tiff.startsWith("MM");
    if (!big && !tiff.startsWith("II"))
        return 1;
    const auto u16 = [&](qint64 at) -> qint64 {
        if (at < 0 || at + 2 > tiff.size())
            return -1;
        const auto* p = reinterpret_cast<const uchar*>(tiff.constData() + at);
        return big ? (p[0] << 8) | p[1] : p[0] | (p[1] << 8);
    };
    const auto u32 = [&](qint64 at) -> qint64 {
        const qint64 high = u16(big ? at : at + 2);
        const qint64 low = u16(big ? at + 2 : at);
        return high < 0 || low < 0 ? -1 : (high << 16) | low;
    };
    const qint64 directory = u32(4);
    const qint64 entries = u16(directory);
    for (qint64 i = 0; i < entries && i < 512; ++i) {
        const qint64 entry = directory + 2 + i * 12;
        if (u16(entry) == 0x0112) {
            const qint64 value = u16(entry + 8);
            return value >= 1 && value <= 8 ? static_cast<int>(value) : 1;
        }
        if (u16(entry) < 0)
            break;
    }
    return 1;
}

// The orientation a WebP file's Exif chunk gives; 1 when it has none.
int webpOrientation(const QByteArray& bytes) {
    for (qint64 at = 12; at + 8 <= bytes.size();) {
        const QByteArray chunk = bytes.mid(at, 4);
        const qint64 size = qFromLittleEndian<quint32>(bytes.constData() + at + 4);
        if (chunk == "EXIF")
            return exifOrientation(bytes.mid(at + 8, size));
        at += 8 + size + (size & 1);
    }
    return 1;
}

// A picture turned as its orientation tag says, as every viewer shows it.
QImage orientedBy(QImage image, int orientation) {
    // Mirrored left to right, top to bottom, then turned a quarter clockwise.
    static const bool steps[9][3] = {
        {false, false, false}, {false, false, false}, {true, false, false},
        {true, true, false},   {false, true, false},  {false, true, true},
        {false, false, true},  {true, false, true},   {true, true, true}};
    const bool* step = steps[std::clamp(orientation, 0, 8)];
    if (step[0] || step[1])
        image = image.mirrored(step[0], step[1]);
    if (step[2])
        image = image.transformed(QTransform().rotate(90));
    return image;
}

// The most pixels a picture read at a reduced size may have (16,384 on a side): reading more
// would take long however little memory it needs.
constexpr qint64 kMaxScaledReadPixels = qint64{16384} * 16384;

// Why a picture of this size cannot be read, or empty: a reader that decodes at a reduced size
// is bounded by the pixels it must go through, any other by the memory the whole picture takes.
QString tooLargeToRead(QSize size, bool readsReduced) {
    const bool tooLarge = readsReduced
                              ? pixelsOf(size) > kMaxScaledReadPixels
                              : pixelsOf(size) * 4 > qint64{kImageAllocationLimitMb} * 1024 * 1024;
    if (!tooLarge)
        return QString();
    return QStringLiteral("the picture is %1 \u00d7 %2 pixels, more than can be read")
        .arg(size.width())
        .arg(size.height());
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
    ReducedColumns columns;
    columns.of.resize(static_cast<std::size_t>(std::max(0, width)));
    columns.count.assign(static_cast<std::size_t>(std::max(0, reducedWidth)), 0);
    for (int x = 0; x < width; ++x) {
        const auto column = static_cast<int>(qint64{x} * reducedWidth / width);
        columns.of[static_cast<std::size_t>(x)] = column;
        ++columns.count[static_cast<std::size_t>(column)];
    }
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

Result<QImage> decodeBitmap(const QByteArray& bytes, const QByteArray& kindByName,
                            const CancelCheck& cancel) {
    using Fail = Result<QImage>;
    // Paletted bitmaps are read by our own decoder: Qt's leaves the pixels that RLE escapes
    // skip undefined and fills cut-short files with black.
    if (isPalettedBmp(bytes)) {
        auto image = decodePalettedBmp(bytes, cancel);
        return image ? Result<QImage>(reducedToRead(std::move(image.value()))) : image;
    }
    if (bmpCutShort(bytes))
        return Fail::failure(QStringLiteral("the bitmap is cut short"));
    const auto whole = wholePictureKind(bytes, kindByName);
    if (!whole)
        return Fail::failure(whole.error());
    const QByteArray& kind = whole.value();
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
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, kind);
    reader.setDecideFormatFromContent(false);
    reader.setAllocationLimit(kImageAllocationLimitMb);
    // A phone stores a portrait photo lying down, with a tag saying how to turn it: it is read
    // upright, as every viewer shows it.
    reader.setAutoTransform(true);
    // JPEG, PNG and WebP decode straight at the reduced size; others read it whole first.
    if (const QSize size = reader.size(); pixelsOf(size) > kMaxReadPixels) {
        const QString problem =
            tooLargeToRead(size, reader.supportsOption(QImageIOHandler::ScaledSize));
        if (!problem.isEmpty())
            return Fail::failure(problem);
        reader.setScaledSize(readSize(size));
    }
    QImage image = reader.read();
    if (image.isNull())
        return Fail::failure(reader.errorString());
    // Qt's WebP reader leaves a WebP's orientation tag to the program.
    if (kind == "webp")
        image = orientedBy(std::move(image), webpOrientation(bytes));
    // The game draws sRGB: a picture with a colour profile of its own (Display P3 from a phone,
    // Adobe RGB from a camera) is converted to it before it is scaled and reduced; one without
    // is taken as sRGB.
    if (image.colorSpace().isValid() && image.colorSpace() != QColorSpace(QColorSpace::SRgb))
        image.convertToColorSpace(QColorSpace::SRgb);
    return reducedToRead(std::move(image));
}

Result<QSize> checkPicture(const QByteArray& bytes, const QByteArray& kindByName) {
    using Fail = Result<QSize>;
    if (isPalettedBmp(bytes))
        return checkPalettedBmp(bytes);
    if (bmpCutShort(bytes))
        return Fail::failure(QStringLiteral("the bitmap is cut short"));
    const auto whole = wholePictureKind(bytes, kindByName);
    if (!whole)
        return Fail::failure(whole.error());
    const QByteArray& kind = whole.value();
    if (kind == "tga")
        return checkTga(bytes);
    if (kind == "heif")
        return checkHeif(bytes);
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, kind);
    reader.setDecideFormatFromContent(false);
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty())
        return Fail::failure(reader.canRead() ? QStringLiteral("the picture's size is not known")
                                              : reader.errorString());
    if (const QString problem =
            tooLargeToRead(size, reader.supportsOption(QImageIOHandler::ScaledSize));
        !problem.isEmpty())
        return Fail::failure(problem);
    return size;
}

Result<QImage> readBitmap(const QString& path, const CancelCheck& cancel) {
    const auto bytes = readRegularFile(path, kMaxBitmapFileSize);
    if (!bytes)
        return Result<QImage>::failure(bytes.error());
    if (isCancelled(cancel))
        return Result<QImage>::failure(kCancelledText);
    auto image = decodeBitmap(bytes.value(), QFileInfo(path).suffix().toLatin1(), cancel);
    if (!image)
        return Result<QImage>::failure(
            QStringLiteral("cannot read the bitmap %1: %2").arg(path, image.error()));
    return image;
}

namespace {

// A picture of one byte a pixel (8-bit indexed or grey) as a spray's pixels, palette unset.
IndexedPicture bytesOf(const QImage& image) {
    IndexedPicture picture;
    picture.width = image.width();
    picture.height = image.height();
    picture.pixels.resize(static_cast<qsizetype>(picture.width) * picture.height);
    for (int y = 0; y < picture.height; ++y)
        std::memcpy(picture.pixels.data() + static_cast<qsizetype>(y) * picture.width,
                    image.constScanLine(y), static_cast<size_t>(picture.width));
    return picture;
}

Result<IndexedPicture> indexedFrom(const QImage& image) {
    using Fail = Result<IndexedPicture>;
    if (image.format() != QImage::Format_Indexed8 || image.colorCount() > 256)
        return Fail::failure(QStringLiteral("the bitmap is not an 8-bit paletted picture"));
    IndexedPicture picture = bytesOf(image);
    picture.palette.fill(qRgb(0, 0, 0));
    const QVector<QRgb> table = image.colorTable();
    for (qsizetype i = 0; i < table.size(); ++i)
        picture.palette[static_cast<std::size_t>(i)] =
            qRgb(qRed(table[i]), qGreen(table[i]), qBlue(table[i]));
    return picture;
}

}  // namespace

bool isOneColourDesign(const QImage& bitmap, bool transparentBlue) {
    if (transparentBlue || bitmap.format() != QImage::Format_Indexed8 ||
        bitmap.text(kBitsKey) != QLatin1String("8"))
        return false;
    const QVector<QRgb> table = bitmap.colorTable();
    if (table.size() != 256 || (table[kTransparentIndex] | 0xff000000u) == kPureBlue)
        return false;
    for (int i = 0; i < kTransparentIndex; ++i)
        if (qRed(table[i]) != qGreen(table[i]) || qGreen(table[i]) != qBlue(table[i]))
            return false;
    return true;
}

namespace {

// A one-colour design keeps its palette and its indices (its opacities); a picture of another
// size has its opacities scaled smoothly.
Result<SprayPicture> oneColourSpray(const QImage& region, QSize target) {
    QImage opacity(region.size(), QImage::Format_Grayscale8);
    for (int y = 0; y < region.height(); ++y)
        std::memcpy(opacity.scanLine(y), region.constScanLine(y),
                    static_cast<size_t>(region.width()));
    QString note = QStringLiteral("one-colour decal, kept");
    if (target != region.size()) {
        opacity = opacity.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        note = QStringLiteral("one-colour decal, scaled from %1x%2 to %3x%4")
                   .arg(region.width())
                   .arg(region.height())
                   .arg(target.width())
                   .arg(target.height());
    }
    IndexedPicture picture = bytesOf(opacity);
    const QVector<QRgb> table = region.colorTable();
    for (int i = 0; i < 256; ++i)
        picture.palette[static_cast<std::size_t>(i)] =
            qRgb(qRed(table[i]), qGreen(table[i]), qBlue(table[i]));
    return SprayPicture{picture, note, true};
}

}  // namespace

Result<SprayPicture> makeSprayPicture(const QImage& bitmap, const LumpLine& lump,
                                      bool transparentBlue, const CancelCheck& cancel) {
    using Fail = Result<SprayPicture>;
    QImage region = bitmap;
    if (lump.x != -1) {
        const QRect area(lump.x, lump.y, lump.width, lump.height);
        if (!bitmap.rect().contains(area))
            return Fail::failure(QStringLiteral("the lump's area lies outside the bitmap"));
        region = bitmap.copy(area);
    }
    if (region.isNull() || region.width() <= 0 || region.height() <= 0)
        return Fail::failure(QStringLiteral("the picture is empty"));
    if (region.format() == QImage::Format_Mono || region.format() == QImage::Format_MonoLSB)
        region = region.convertToFormat(QImage::Format_Indexed8);

    const QSize source = region.size();
    const QSize target = spraySizeFor(source);
    if (isOneColourDesign(region, transparentBlue))
        return oneColourSpray(region, target);
    const bool paletted = region.format() == QImage::Format_Indexed8;
    if (paletted && target == source) {
        // A paletted picture of an allowed size goes through pixel for pixel.
        auto indexed = indexedFrom(region);
        if (!indexed)
            return Fail::failure(indexed.error());
        SprayPicture spray{indexed.value(), QStringLiteral("colour spray, kept")};
        makeColourSpray(spray.picture, transparentBlue);
        return spray;
    }

    if (isCancelled(cancel))
        return Fail::failure(kCancelledText);
    QImage colour = region.convertToFormat(QImage::Format_ARGB32);
    if (transparentBlue) {
        for (int y = 0; y < colour.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(colour.scanLine(y));
            for (int x = 0; x < colour.width(); ++x)
                if ((line[x] & 0x00ffffffu) == (kPureBlue & 0x00ffffffu))
                    line[x] = 0;
        }
    }
    QStringList done{QStringLiteral("colour spray")};
    const bool scaled = target != source;
    if (scaled) {
        colour = colour.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        done << QStringLiteral("scaled from %1x%2 to %3x%4")
                    .arg(source.width())
                    .arg(source.height())
                    .arg(target.width())
                    .arg(target.height());
    }
    if (!paletted)
        done << QStringLiteral("reduced from true colour");
    else
        done << QStringLiteral("colours reduced again");
    if (isCancelled(cancel))
        return Fail::failure(kCancelledText);
    // Scaling blends edges: a pixel more than half see-through counts as transparent.
    auto reduced = quantize(colour, scaled ? 128 : 1);
    if (!reduced)
        return Fail::failure(reduced.error());
    return SprayPicture{reduced.value(), done.join(QStringLiteral(", "))};
}

namespace {
// The type byte and entry 255 say the same: 0x40 one-colour, 0x43 colour.
Lump sprayLump(const SprayPicture& spray, const QString& lumpName) {
    return Lump{lumpName, spray.oneColour ? WadLayout::TypeDecal : WadLayout::TypeMipTexture,
                encodeMipTexture(spray.picture, lumpName)};
}
}  // namespace

QByteArray sprayWad(const SprayPicture& spray, const QString& lumpName) {
    return encodeWad({sprayLump(spray, lumpName)});
}

Result<QByteArray> compileScript(const LumpScript& script, QString* note) {
    std::vector<Lump> lumps;
    QStringList notes;
    for (const LumpLine& line : script.lumps) {
        const auto bitmap = readBitmap(line.bitmap);
        if (!bitmap)
            return Result<QByteArray>::failure(bitmap.error());
        const bool transparentBlue = QFileInfo(line.bitmap).fileName().startsWith(QLatin1Char('{'));
        const auto spray = makeSprayPicture(bitmap.value(), line, transparentBlue);
        if (!spray)
            return Result<QByteArray>::failure(
                QStringLiteral("%1: %2").arg(QFileInfo(line.bitmap).fileName(), spray.error()));
        notes << QStringLiteral("%1: %2").arg(line.name, spray->note);
        lumps.push_back(sprayLump(spray.value(), line.name));
    }
    if (note)
        *note = notes.join(QStringLiteral("; "));
    return encodeWad(lumps);
}

}  // namespace velmira::wad
