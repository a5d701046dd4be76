#include "preview.h"

#include "picture/bmp.h"
#include "picture/readfile.h"
#include "picture/readpicture.h"
#include "platform/files.h"
#include "spray/spray.h"
#include "wad/wad.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSet>

#include <array>
#include <cstdlib>
#include <cstring>

namespace velmira {

namespace {

// A spray WAD is small; a file far larger is not read for a preview.
constexpr qint64 kMaxPreviewWadSize = 4 * 1024 * 1024;

// A spray picture as the game draws it: a one-colour decal in the colour of entry 255 with the
// index as opacity; a colour spray with index 255 clear when entry 255 is pure blue.
QImage sprayImage(const spray::IndexedPicture& picture) {
    if (picture.palette[spray::kTransparentIndex] != spray::kPureBlue) {
        const QRgb ink = picture.palette[spray::kTransparentIndex];
        QImage logo(picture.width, picture.height, QImage::Format_ARGB32);
        for (int y = 0; y < picture.height; ++y) {
            auto* line = reinterpret_cast<QRgb*>(logo.scanLine(y));
            for (int x = 0; x < picture.width; ++x)
                line[x] = qRgba(qRed(ink), qGreen(ink), qBlue(ink), picture.at(x, y));
        }
        return logo;
    }
    QImage image(picture.width, picture.height, QImage::Format_Indexed8);
    QVector<QRgb> table(picture.palette.begin(), picture.palette.end());
    table[spray::kTransparentIndex] = qRgba(0, 0, 0, 0);
    image.setColorTable(table);
    for (int y = 0; y < picture.height; ++y)
        std::memcpy(image.scanLine(y),
                    picture.pixels.constData() + static_cast<qsizetype>(y) * picture.width,
                    static_cast<size_t>(picture.width));
    return image;
}

QImage wadPicture(const QString& path) {
    const auto bytes = picture::readRegularFile(path, kMaxPreviewWadSize);
    if (!bytes)
        return QImage();
    return sprayPictureOfWad(bytes.value());
}

bool isWad(const QString& path) {
    return extensionOf(path).compare(QLatin1String("wad"), Qt::CaseInsensitive) == 0;
}

// The colours a picture shows, see-through pixels not counted.
int coloursOf(const QImage& picture) {
    const QImage rgb = picture.convertToFormat(QImage::Format_ARGB32);
    QSet<QRgb> colours;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            if (qAlpha(row[x]) != 0)
                colours.insert(row[x]);
    }
    return static_cast<int>(colours.size());
}

QString usedAsItIs(const QImage& picture) {
    return QStringLiteral("%1 × %2, used as it is").arg(picture.width()).arg(picture.height());
}

// The spray the compiler makes of a picture, as the game draws it, with what was done to it.
SprayPreview converted(const QImage& bitmap, const QString& path, const CancelCheck& cancel) {
    const bool transparent = QFileInfo(path).fileName().startsWith(QLatin1Char('{'));
    const auto spray = spray::makeSprayPicture(bitmap, std::nullopt, transparent, cancel);
    if (!spray)
        return SprayPreview{};
    const spray::IndexedPicture& picture = spray->picture;
    std::array<bool, 256> used{};
    for (char index : picture.pixels)
        used[static_cast<uchar>(index)] = true;
    int colours = 0;
    for (std::size_t i = 0; i < spray::kTransparentIndex; ++i)
        colours += used[i] ? 1 : 0;
    const QSize source = bitmap.size();
    const QString palette =
        spray->oneColour
            ? QCoreApplication::translate("velmira::Preview", "one colour")
            : QCoreApplication::translate("velmira::Preview", "%n colours", nullptr, colours);
    QString note;
    if (source != QSize(picture.width, picture.height))
        note = QCoreApplication::translate("velmira::Preview", "%1 × %2, %3, scaled from %4 × %5")
                   .arg(picture.width)
                   .arg(picture.height)
                   .arg(palette)
                   .arg(source.width())
                   .arg(source.height());
    else if (spray->note.endsWith(QLatin1String("kept")))
        note = QCoreApplication::translate("velmira::Preview", "%1 × %2, used as it is")
                   .arg(picture.width)
                   .arg(picture.height);
    else
        note = QCoreApplication::translate("velmira::Preview", "%1 × %2, %3")
                   .arg(picture.width)
                   .arg(picture.height)
                   .arg(palette);
    return SprayPreview{sprayImage(picture), note, spray->oneColour ? 1 : colours};
}

}  // namespace

QImage sprayPictureOfWad(const QByteArray& bytes) {
    // Only the first picture is shown: only it is read.
    const auto lumps = wad::readWad(bytes, 1);
    if (!lumps || lumps->empty())
        return QImage();
    const auto picture = wad::readMipTexture(lumps->front().data);
    if (!picture)
        return QImage();
    return sprayImage(picture.value());
}

SprayPreview previewOf(const QString& path, const CancelCheck& cancel) {
    if (isWad(path)) {
        const QImage picture = wadPicture(path);
        return picture.isNull() ? SprayPreview{}
                                : SprayPreview{picture, usedAsItIs(picture), coloursOf(picture)};
    }
    const auto bytes = picture::readRegularFile(path, picture::kMaxPictureFileSize);
    if (!bytes || isCancelled(cancel))
        return SprayPreview{};
    const auto bitmap =
        picture::decodePicture(bytes.value(), QFileInfo(path).suffix().toLatin1(), cancel);
    if (!bitmap)
        return SprayPreview{};
    // An 8-bit bitmap of a spray's size is used as it is, and shown as the game draws it: see-
    // through where a colour spray is, a one-colour logo in its ink.
    SprayPreview preview = converted(bitmap.value(), path, cancel);
    const auto info = picture::bmpInfo(bytes.value());
    if (!preview.image.isNull() && info && info->bits == 8 &&
        spray::spraySizeAllowed(static_cast<int>(info->width),
                                static_cast<int>(std::abs(info->height)))) {
        preview.note = usedAsItIs(bitmap.value());
        preview.colours = coloursOf(preview.image);
    }
    return preview;
}

}  // namespace velmira
