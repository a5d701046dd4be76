#pragma once

#include <QString>
#include <QStringList>

namespace velmira {

struct AppState;
struct MainControls;
struct Services;

// The game's cache of the sprays it has seen on servers, in each mod folder, and the name a
// cleared cache is kept under beside it.
inline const QString kSprayCacheName = QStringLiteral("custom.hpk");
inline const QString kClearedCacheName = QStringLiteral("custom.hpk.old");

// The selected mods' caches: those that can be moved aside, and those left alone with why.
struct SprayCaches {
    QStringList movable;  // paths of plain, readable custom.hpk files
    QStringList refused;  // "path: reason" for links, folders and unreadable files
};
SprayCaches sprayCachesOf(const QString& halfLifeDir, const QStringList& mods);

// Moves one cache to custom.hpk.old beside it (replacing an older one, never anything that is
// not a plain file); the reason of a failure, empty on success.
QString moveCacheAside(const QString& cache);

// "Clear Cached Sprays...": lists the selected mods' caches, and on OK moves each aside.
void clearCachedSprays(const AppState& state, MainControls& controls, const Services& services);

}  // namespace velmira
