#include "compile.h"

#include "wad/bytes.h"
#include "wad/convert.h"
#include "wad/layout.h"
#include "wad/palette.h"
#include "wad/wad.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <cstdlib>
#include <cstring>

namespace velmira::wad {

namespace {
// The image reader fills a cut-short bitmap with black instead of failing; an uncompressed
// bitmap's pixels must all be in the file.
bool cutShort(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = file.read(BmpLayout::InfoOffset + BmpLayout::CoreHeaderSize + 20);
    const auto magic = head.left(2);
    const auto pixelsAt = readU32(head, BmpLayout::PixelOffsetOffset);
    const auto infoSize = readU32(head, BmpLayout::InfoOffset);
    if (magic != "BM" || !pixelsAt || !infoSize || *infoSize < BmpLayout::InfoHeaderSize)
        return false;
    const auto width = readU32(head, BmpLayout::InfoOffset + 4);
    const auto height = readU32(head, BmpLayout::InfoOffset + 8);
    const auto bits = readU16(head, BmpLayout::InfoOffset + 14);
    const auto compression = readU32(head, BmpLayout::InfoOffset + 16);
    if (!width || !height || !bits || !compression || (*compression != 0 && *compression != 3))
        return false;
    const qint64 rows = std::abs(static_cast<qint64>(static_cast<qint32>(*height)));
    const qint64 columns = std::abs(static_cast<qint64>(static_cast<qint32>(*width)));
    const qint64 stride = ((columns * *bits + 31) / 32) * 4;
    const qint64 available = file.size() - *pixelsAt;
    if (rows == 0 || stride == 0)
        return false;
    return available < 0 || stride > available / rows;
}
}  // namespace

Result<QImage> readBitmap(const QString& path) {
    if (cutShort(path))
        return Result<QImage>::failure(QStringLiteral("the bitmap %1 is cut short").arg(path));
    QImageReader reader(path);
    // Bitmaps are read by Qt's own reader, without looking through the format plugins.
    reader.setDecideFormatFromContent(true);
    reader.setAllocationLimit(kImageAllocationLimitMb);
    reader.setAutoTransform(false);
    QImage image = reader.read();
    if (image.isNull())
        return Result<QImage>::failure(
            QStringLiteral("cannot read the bitmap %1: %2").arg(path, reader.errorString()));
    return image;
}

namespace {

Result<IndexedPicture> indexedFrom(const QImage& image) {
    using Fail = Result<IndexedPicture>;
    if (image.format() != QImage::Format_Indexed8 || image.colorCount() > 256)
        return Fail::failure(QStringLiteral("the bitmap is not an 8-bit paletted picture"));
    IndexedPicture picture;
    picture.width = image.width();
    picture.height = image.height();
    picture.pixels.resize(static_cast<qsizetype>(picture.width) * picture.height);
    for (int y = 0; y < picture.height; ++y)
        std::memcpy(picture.pixels.data() + static_cast<qsizetype>(y) * picture.width,
                    image.constScanLine(y), static_cast<size_t>(picture.width));
    picture.palette.fill(qRgb(0, 0, 0));
    const QVector<QRgb> table = image.colorTable();
    for (qsizetype i = 0; i < table.size(); ++i)
        picture.palette[static_cast<std::size_t>(i)] =
            qRgb(qRed(table[i]), qGreen(table[i]), qBlue(table[i]));
    return picture;
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
    const bool paletted = region.format() == QImage::Format_Indexed8;
    if (paletted && target == source) {
        // A paletted picture of an allowed size goes through pixel for pixel.
        auto indexed = indexedFrom(region);
        if (!indexed)
            return Fail::failure(indexed.error());
        SprayPicture spray{indexed.value(), QStringLiteral("kept")};
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
    QStringList done;
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
        lumps.push_back(Lump{line.name, WadLayout::TypeMipTexture,
                             encodeMipTexture(spray->picture, line.name)});
    }
    if (note)
        *note = notes.join(QStringLiteral("; "));
    return encodeWad(lumps);
}

}  // namespace velmira::wad
