#pragma once

#include "core/cancel.h"
#include "core/result.h"
#include "wad/hpk.h"

#include <QHash>
#include <QSize>
#include <QString>
#include <QStringList>

#include <vector>

namespace velmira {

// Where one mod's cache holds a spray.
struct SeenPlace {
    QString cache;  // the cache file
    qint64 offset = 0;
};

// A spray the player saw in games, once however many mods' caches hold it. Only where it lies
// is kept, never its bytes: they are read again from a cache when wanted.
struct SeenSpray {
    QByteArray hash;   // SHA-256 of the spray file: the same spray in two caches is one
    QStringList mods;  // the mods whose caches hold it, in the order they were read
    std::vector<SeenPlace> places;  // one for each of the mods, in the same order
    QSize size;                     // its picture's size
    qint64 length = 0;              // the spray file's size
    qint64 bytes() const { return length; }
};

// One mod's cache as read: its sprays, each hashed and measured, or why it could not be read
// (empty when the mod has none).
struct SeenCache {
    QString mod;
    QString path;
    struct Spray {
        QByteArray hash;
        QSize size;
        qint64 offset = 0;
        qint64 length = 0;
    };
    std::vector<Spray> sprays;
    QString problem;
};

// Reads a mod's cache of sprays seen on servers as it is now, read-only and without locking it
// (the game may be running and writing it), bounded by the largest cache an engine keeps: each
// spray hashed and its picture's size read, none of the bytes kept.
SeenCache readSeenCache(const QString& gameFolder, const QString& mod,
                        const CancelCheck& cancel = {});

// The SHA-256 a seen spray is known by.
QByteArray seenHash(const QByteArray& spray);

// A seen spray's file, byte for byte, read again from the first of its caches that still holds
// it unchanged; the reason (naming the changed cache) when none does.
Result<QByteArray> readSeenSpray(const SeenSpray& spray);

// The sprays seen in every cache read so far, each once.
class SeenSprays {
  public:
    // Adds a cache's sprays: a spray already there (the same content) names one more mod.
    // Returns how many sprays were new (they are at the end).
    int add(const SeenCache& cache);
    const std::vector<SeenSpray>& all() const { return m_sprays; }
    // Where the spray of this hash is in all(); all().size() when it is not there.
    std::size_t indexOf(const QByteArray& hash) const;
    void clear();

  private:
    std::vector<SeenSpray> m_sprays;
    QHash<QByteArray, std::size_t> m_byHash;
};

// Whether every server shows the spray: servers that keep sprays small take 64 x 64 at most.
bool everyServerTakes(QSize size);

// The tooltip of a seen spray: the mods, its size in pixels and bytes, which servers take it.
QString seenSprayTip(const SeenSpray& spray);

}  // namespace velmira
