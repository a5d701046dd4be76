#include "compile.h"

#include "core/bytes.h"
#include "picture/bitmap.h"
#include "picture/exif.h"
#include "picture/heif.h"
#include "picture/picturecost.h"
#include "picture/pngstream.h"
#include "picture/readfile.h"
#include "picture/tga.h"
#include "spray/convert.h"
#include "spray/palette.h"
#include "wad/layout.h"
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

// A colour profile whose colour model is not the picture's (a grey profile on a colour
// picture, a colour one on a grey picture) is a mistake of the program that wrote it: it is
// ignored, and the picture taken as sRGB.
bool profileFitsPicture(const QImage& image) {
    return profileFits(iccModelOf(image.colorSpace().iccProfile()),
                       image.format() == QImage::Format_Grayscale8 ||
                           image.format() == QImage::Format_Grayscale16);
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
    if (plan->ownPngReader) {
        auto reduced = decodePngReduced(bytes, plan->readAt, cancel);
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
    if (!profileFitsPicture(image))
        image.setColorSpace(QColorSpace());
    if (image.colorSpace().isValid() && image.colorSpace() != QColorSpace(QColorSpace::SRgb))
        image.convertToColorSpace(QColorSpace::SRgb);
    return reducedToRead(std::move(image));
}

Result<QSize> checkPicture(const QByteArray& bytes, const QByteArray& kindByName) {
    const auto plan = planPictureRead(bytes, kindByName);
    if (!plan)
        return Result<QSize>::failure(plan.error());
    return plan->size;
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
