#include "compile.h"

#include "wad/bitmap.h"
#include "wad/bytes.h"
#include "wad/convert.h"
#include "wad/layout.h"
#include "wad/palette.h"
#include "wad/readfile.h"
#include "wad/wad.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>

#include <cstring>

namespace velmira::wad {

Result<QImage> decodeBitmap(const QByteArray& bytes) {
    using Fail = Result<QImage>;
    // Paletted bitmaps are read by our own decoder: Qt's leaves the pixels that RLE escapes
    // skip undefined and fills cut-short files with black.
    if (isPalettedBmp(bytes))
        return decodePalettedBmp(bytes);
    if (bmpCutShort(bytes))
        return Fail::failure(QStringLiteral("the bitmap is cut short"));
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    // The picture's kind is decided by its content, whatever its name says.
    reader.setDecideFormatFromContent(true);
    reader.setAllocationLimit(kImageAllocationLimitMb);
    reader.setAutoTransform(false);
    QImage image = reader.read();
    if (image.isNull())
        return Fail::failure(reader.errorString());
    return image;
}

Result<QImage> readBitmap(const QString& path) {
    const auto bytes = readRegularFile(path, kMaxBitmapFileSize);
    if (!bytes)
        return Result<QImage>::failure(bytes.error());
    auto image = decodeBitmap(bytes.value());
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
                                      bool transparentBlue) {
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
    // Scaling blends edges: a pixel more than half see-through counts as transparent.
    auto reduced = quantize(colour, scaled ? 128 : 1);
    if (!reduced)
        return Fail::failure(reduced.error());
    return SprayPicture{reduced.value(), done.join(QStringLiteral(", "))};
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
        // The type byte and entry 255 say the same: 0x40 one-colour, 0x43 colour.
        lumps.push_back(Lump{line.name,
                             spray->oneColour ? WadLayout::TypeDecal : WadLayout::TypeMipTexture,
                             encodeMipTexture(spray->picture, line.name)});
    }
    if (note)
        *note = notes.join(QStringLiteral("; "));
    return encodeWad(lumps);
}

}  // namespace velmira::wad
