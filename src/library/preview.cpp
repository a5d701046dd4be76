#include "preview.h"

#include "platform/files.h"
#include "wad/compile.h"
#include "wad/readfile.h"
#include "wad/wad.h"

#include <cstring>

namespace velmira {

namespace {

// A spray WAD is small; a file far larger is not read for a preview.
constexpr qint64 kMaxPreviewWadSize = 4 * 1024 * 1024;

QImage wadPicture(const QString& path) {
    const auto bytes = wad::readRegularFile(path, kMaxPreviewWadSize);
    if (!bytes)
        return QImage();
    const auto lumps = wad::readWad(bytes.value());
    if (!lumps || lumps->empty())
        return QImage();
    const auto picture = wad::readMipTexture(lumps->front().data);
    if (!picture)
        return QImage();
    if (picture->palette[wad::kTransparentIndex] != wad::kPureBlue) {
        // A one-colour logo, as the game draws it: every pixel in the colour of entry 255,
        // with its index as the opacity.
        const QRgb ink = picture->palette[wad::kTransparentIndex];
        QImage logo(picture->width, picture->height, QImage::Format_ARGB32);
        for (int y = 0; y < picture->height; ++y) {
            auto* line = reinterpret_cast<QRgb*>(logo.scanLine(y));
            for (int x = 0; x < picture->width; ++x)
                line[x] = qRgba(qRed(ink), qGreen(ink), qBlue(ink), picture->at(x, y));
        }
        return logo;
    }
    QImage image(picture->width, picture->height, QImage::Format_Indexed8);
    QVector<QRgb> table(picture->palette.begin(), picture->palette.end());
    // Entry 255 in pure blue marks a colour spray's transparent pixels.
    table[wad::kTransparentIndex] = qRgba(0, 0, 0, 0);
    image.setColorTable(table);
    for (int y = 0; y < picture->height; ++y)
        std::memcpy(image.scanLine(y),
                    picture->pixels.constData() + static_cast<qsizetype>(y) * picture->width,
                    static_cast<size_t>(picture->width));
    return image;
}

}  // namespace

QImage loadPreviewPicture(const QString& path) {
    if (extensionOf(path).compare(QLatin1String("wad"), Qt::CaseInsensitive) == 0)
        return wadPicture(path);
    const auto bitmap = wad::readBitmap(path);
    return bitmap ? bitmap.value() : QImage();
}

}  // namespace velmira
