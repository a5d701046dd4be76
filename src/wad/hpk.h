#pragma once

#include "core/result.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace velmira::wad {

// One spray the game keeps in its cache of sprays seen on servers: where the whole spray file a
// player uploaded lies in the cache.
struct CachedSpray {
    QString name;  // as recorded ("tempdecal.wad"); it tells sprays apart no more than that
    qint64 offset = 0;
    qint64 length = 0;
};

// What a cache holds: where the sprays the game would draw lie, and how many entries were passed
// over (not sprays, or sprays the game would not take). Only the places are kept: a spray's
// bytes are read from the cache again when they are wanted.
struct SprayCache {
    std::vector<CachedSpray> sprays;
    int passedOver = 0;
};

// A spray's file, byte for byte, within the cache's bytes it was read from (no copy: valid while
// they are).
inline QByteArray sprayIn(const QByteArray& cache, const CachedSpray& spray) {
    return QByteArray::fromRawData(cache.constData() + spray.offset, spray.length);
}

// The largest cache read: Xash3D caps its caches at 64 MB, the other engines at 4 MB.
constexpr qint64 kMaxCacheSize = 64 * 1024 * 1024;

// Reads a cache of sprays seen on servers (custom.hpk) from its bytes: the header, the
// directory (1 to 32,768 entries, inside the file) and each decal entry whose data lie inside
// the file, are of a size the engines store and are a spray file the game takes. A damaged or
// hostile cache is refused with the reason; what is read is bounded by the file's size.
Result<SprayCache> readSprayCache(const QByteArray& bytes);

// Reads one spray's bytes again from the cache file at `path`: exactly its length (512 bytes to
// 256 KB) at its offset, from a regular file opened without waiting (a name swapped for a FIFO
// or a device is refused, never waited on). What is read is not checked here: the caller tells
// by its hash whether it is still the spray it listed.
Result<QByteArray> readSprayAgain(const QString& path, const CachedSpray& spray);

}  // namespace velmira::wad
