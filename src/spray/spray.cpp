#include "spray.h"

#include "picture/bmp.h"
#include "spray/convert.h"
#include "spray/palette.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstring>

namespace velmira::spray {

using namespace velmira::picture;

bool spraySizeAllowed(int width, int height) {
    return width > 0 && height > 0 && width % kSprayGrain == 0 && height % kSprayGrain == 0 &&
           width <= kSprayMaxSide && height <= kSprayMaxSide &&
           static_cast<qint64>(width) * height <= kSprayMaxArea;
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
        return Fail::failure(QCoreApplication::translate(
            "velmira::spray::Spray", "the bitmap is not an 8-bit paletted picture"));
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
        bitmap.text(picture::kBitsKey) != QLatin1String("8"))
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

Result<SprayPicture> makeSprayPicture(const QImage& bitmap, std::optional<QRect> area,
                                      bool transparentBlue, const CancelCheck& cancel) {
    using Fail = Result<SprayPicture>;
    QImage region = bitmap;
    if (area) {
        if (!bitmap.rect().contains(*area))
            return Fail::failure(QCoreApplication::translate(
                "velmira::spray::Spray", "the lump's area lies outside the bitmap"));
        region = bitmap.copy(*area);
    }
    if (region.isNull() || region.width() <= 0 || region.height() <= 0)
        return Fail::failure(
            QCoreApplication::translate("velmira::spray::Spray", "the picture is empty"));
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

}  // namespace velmira::spray
