#pragma once

#include <QImage>
#include <QSize>

#include <algorithm>
#include <vector>

namespace velmira::picture {

// A picture read pixel by pixel, in any order, straight into its reduced size: what the
// readers that never hold a picture whole (PNG, TIFF) add their pixels to.

// Which reduced column (or row) each of `size` columns falls in, as x * reduced / size, and how
// many fall in each: worked out as needed, never a table as long as the picture is wide.
struct Blocks {
    qint64 size = 1, reduced = 1;
    std::vector<quint64> count;
    Blocks(qint64 whole, qint64 smaller) : size(whole), reduced(smaller) {
        count.resize(static_cast<std::size_t>(smaller));
        // The first column of reduced column c is the least x with x * reduced >= c * size.
        const auto first = [&](qint64 c) { return (c * whole + smaller - 1) / smaller; };
        for (qint64 c = 0; c < smaller; ++c)
            count[static_cast<std::size_t>(c)] =
                static_cast<quint64>(std::min(first(c + 1), whole) - first(c));
    }
    std::size_t of(qint64 x) const { return static_cast<std::size_t>(x * reduced / size); }
};

// The sums of the reduced picture's pixels, each colour weighted by its opacity.
struct ReducedSums {
    QSize target;
    Blocks columns, rows;
    std::vector<quint32> sums;  // red, green, blue (times opacity) and opacity, a pixel
    ReducedSums(QSize size, QSize reduced)
        : target(reduced),
          columns(size.width(), reduced.width()),
          rows(size.height(), reduced.height()) {
        sums.assign(static_cast<std::size_t>(qint64{reduced.width()} * reduced.height() * 4), 0);
    }
    void add(int x, int y, QRgb colour) {
        const std::size_t at =
            (rows.of(y) * static_cast<std::size_t>(target.width()) + columns.of(x)) * 4;
        const auto a = static_cast<quint32>(qAlpha(colour));
        sums[at] += static_cast<quint32>(qRed(colour)) * a;
        sums[at + 1] += static_cast<quint32>(qGreen(colour)) * a;
        sums[at + 2] += static_cast<quint32>(qBlue(colour)) * a;
        sums[at + 3] += a;
    }
    // The sums of the reduced row that row y falls in, and which reduced column each column
    // falls in as a table (4 bytes a column): what a reader going row by row adds to.
    quint32* rowOf(qint64 y) {
        return sums.data() + rows.of(y) * static_cast<std::size_t>(target.width()) * 4;
    }
    std::vector<quint32> columnTable() const {
        std::vector<quint32> table(static_cast<std::size_t>(columns.size));
        for (qint64 x = 0; x < columns.size; ++x)
            table[static_cast<std::size_t>(x)] = static_cast<quint32>(columns.of(x));
        return table;
    }
    static void addTo(quint32* row, quint32 column, quint32 r, quint32 g, quint32 b, quint32 a) {
        quint32* at = row + std::size_t{column} * 4;
        at[0] += r * a;
        at[1] += g * a;
        at[2] += b * a;
        at[3] += a;
    }
    QImage picture(bool alpha) const {
        QImage out(target, alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
        for (int y = 0; y < target.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
            for (int x = 0; x < target.width(); ++x) {
                const std::size_t at =
                    (static_cast<std::size_t>(y) * static_cast<std::size_t>(target.width()) +
                     static_cast<std::size_t>(x)) *
                    4;
                const quint32 a = sums[at + 3];
                const quint64 pixels = columns.count[static_cast<std::size_t>(x)] *
                                       rows.count[static_cast<std::size_t>(y)];
                if (a == 0) {
                    line[x] = qRgba(0, 0, 0, 0);
                    continue;
                }
                line[x] = qRgba(static_cast<int>(sums[at] / a), static_cast<int>(sums[at + 1] / a),
                                static_cast<int>(sums[at + 2] / a),
                                static_cast<int>(a / std::max<quint64>(1, pixels)));
            }
        }
        return out;
    }
};

}  // namespace velmira::picture
