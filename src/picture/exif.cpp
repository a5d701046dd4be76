#include "exif.h"

#include <QTransform>
#include <QtEndian>

#include <algorithm>

namespace velmira::picture {

int exifOrientation(const QByteArray& exif) {
    const QByteArray tiff = exif.startsWith(QByteArray("Exif\0\0", 6)) ? exif.mid(6) : exif;
    if (tiff.size() < 8)
        return 1;
    const bool big = tiff.startsWith("MM");
    if (!big && !tiff.startsWith("II"))
        return 1;
    const auto u16 = [&](qint64 at) -> qint64 {
        if (at < 0 || at + 2 > tiff.size())
            return -1;
        const auto* p = reinterpret_cast<const uchar*>(tiff.constData() + at);
        return big ? (p[0] << 8) | p[1] : p[0] | (p[1] << 8);
    };
    const auto u32 = [&](qint64 at) -> qint64 {
        const qint64 high = u16(big ? at : at + 2);
        const qint64 low = u16(big ? at + 2 : at);
        return high < 0 || low < 0 ? -1 : (high << 16) | low;
    };
    const qint64 directory = u32(4);
    const qint64 entries = u16(directory);
    for (qint64 i = 0; i < entries && i < kMaxExifEntries; ++i) {
        const qint64 entry = directory + 2 + i * 12;
        if (u16(entry) == 0x0112) {
            const qint64 value = u16(entry + 8);
            return value >= 1 && value <= 8 ? static_cast<int>(value) : 1;
        }
        if (u16(entry) < 0)
            break;
    }
    return 1;
}

QByteArray riffChunk(const QByteArray& bytes, const char* fourcc) {
    for (qint64 at = 12; at + 8 <= bytes.size();) {
        const qint64 size = qFromLittleEndian<quint32>(bytes.constData() + at + 4);
        if (bytes.mid(at, 4) == fourcc)
            return bytes.mid(at + 8, size);
        at += 8 + size + (size & 1);
    }
    return QByteArray();
}

int webpOrientation(const QByteArray& bytes) {
    const QByteArray exif = riffChunk(bytes, "EXIF");
    return exif.isEmpty() ? 1 : exifOrientation(exif);
}

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

}  // namespace velmira::picture
