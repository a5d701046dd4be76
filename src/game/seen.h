#pragma once

#include "wad/cancel.h"
#include "wad/hpk.h"

#include <QHash>
#include <QSize>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

namespace velmira {

// A spray the player saw in games, once however many mods' caches hold it.
struct SeenSpray {
    QString hash;      // SHA-256 of the spray file: the same spray in two caches is one
    QStringList mods;  // the mods whose caches hold it, in the order they were read
    QSize size;        // its picture's size
    std::shared_ptr<const wad::SprayCache> cache;  // where its bytes lie
    wad::CachedSpray where;
    // The spray file, byte for byte, as the game keeps it.
    QByteArray data() const { return cache->bytes.mid(where.offset, where.length); }
    qint64 bytes() const { return where.length; }
};

// One mod's cache as read: its sprays, or why it could not be read (empty when the mod has
// none).
struct SeenCache {
    QString mod;
    std::shared_ptr<const wad::SprayCache> cache;
    QString problem;
};

// Reads a mod's cache of sprays seen on servers as it is now, read-only and without locking it
// (the game may be running and writing it), bounded by the largest cache an engine keeps.
SeenCache readSeenCache(const QString& gameFolder, const QString& mod,
                        const wad::CancelCheck& cancel = {});

// The sprays seen in every cache read so far, each once.
class SeenSprays {
  public:
    // Adds a cache's sprays: a spray already there (the same content) names one more mod.
    // Returns how many sprays were new (they are at the end).
    int add(const SeenCache& cache);
    const std::vector<SeenSpray>& all() const { return m_sprays; }
    void clear();

  private:
    std::vector<SeenSpray> m_sprays;
    QHash<QString, std::size_t> m_byHash;
};

// Whether every server shows the spray: servers that keep sprays small take 64 x 64 at most.
bool everyServerTakes(QSize size);

// The tooltip of a seen spray: the mods, its size in pixels and bytes, which servers take it.
QString seenSprayTip(const SeenSpray& spray);

}  // namespace velmira
