#include "reduce.h"

#include "picture/readpicture.h"
#include "picture/reducedsums.h"

#include <QColorSpace>

#include <array>
#include <vector>

namespace velmira::picture {

namespace {

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

}  // namespace

QImage averagedDown(const QImage& image, QSize target) {
    if (image.isNull() || target.isEmpty() || image.size() == target)
        return image;
    if (image.format() == QImage::Format_Indexed8)
        return averagedIndexed(image, target);
    ReducedSums reduced(image.size(), target);
    const bool direct =
        image.format() == QImage::Format_ARGB32 || image.format() == QImage::Format_RGB32;
    for (int y = 0; y < image.height(); ++y) {
        // A row at a time in ARGB32: a copy of one row, never of the whole.
        const QImage row =
            direct ? QImage()
                   : image.copy(0, y, image.width(), 1).convertToFormat(QImage::Format_ARGB32);
        const auto* line =
            reinterpret_cast<const QRgb*>(direct ? image.constScanLine(y) : row.constScanLine(0));
        const bool opaque = image.format() == QImage::Format_RGB32;
        for (int x = 0; x < image.width(); ++x)
            reduced.add(x, y, opaque ? line[x] | 0xff000000u : line[x]);
    }
    QImage picture = reduced.picture(image.hasAlphaChannel());
    picture.setColorSpace(image.colorSpace());
    return picture;
}

}  // namespace velmira::picture
