#include "programpictures.h"

#include <QImage>
#include <QPixmap>

namespace velmira {

QString doubleSizeName(const QString& path) {
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    if (dot <= slash)
        return path + QStringLiteral("@2x");
    return path.left(dot) + QStringLiteral("@2x") + path.mid(dot);
}

QImage keyedOut(const QImage& picture, QRgb key) {
    QImage out = picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb solidKey = key | 0xff000000u;
    for (int y = 0; y < out.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            if ((row[x] | 0xff000000u) == solidKey)
                row[x] = 0;  // transparent black: smoothing blends with nothing
    }
    return out.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QIcon programPicture(const QString& path, std::optional<QRgb> key) {
    QIcon icon;
    for (const QString& file : {path, doubleSizeName(path)}) {
        QImage picture(file);
        if (picture.isNull())
            continue;
        if (key)
            picture = keyedOut(picture, *key);
        icon.addPixmap(QPixmap::fromImage(picture));
    }
    return icon;
}

}  // namespace velmira
