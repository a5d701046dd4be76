#pragma once

// A picture for the benchmarks that no codec makes small.

#include <QImage>
#include <QPoint>
#include <QSize>

namespace velmira::bench {

// A photo-like picture of this size: colours changing across it in every direction, so that
// no codec makes it small. `origin` places it within a larger one (a tile of it).
inline QImage photoLike(QSize size, QPoint origin = QPoint()) {
    QImage photo(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(photo.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const int px = origin.x() + x, py = origin.y() + y;
            line[x] = qRgb((px * 7) % 256, (py * 3) % 256, ((px + py) / 20) % 256);
        }
    }
    return photo;
}

}  // namespace velmira::bench
