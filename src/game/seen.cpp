#include "seen.h"

#include "game/cache.h"
#include "picture/readfile.h"
#include "platform/files.h"
#include "wad/wad.h"

#include <QCoreApplication>
#include <QCryptographicHash>

namespace velmira {

namespace {
constexpr int kEveryServerSide = 64;
}  // namespace

SeenCache readSeenCache(const QString& gameFolder, const QString& mod, const CancelCheck& cancel) {
    SeenCache seen;
    seen.mod = mod;
    seen.path = joinPath(joinPath(gameFolder, mod), kSprayCacheName);
    if (!isPlainFile(seen.path))
        return seen;
    const auto bytes = picture::readRegularFile(seen.path, wad::kMaxCacheSize);
    if (isCancelled(cancel))
        return seen;
    if (!bytes) {
        seen.problem = bytes.error();
        return seen;
    }
    const auto cache = wad::readSprayCache(bytes.value());
    if (!cache) {
        seen.problem = cache.error();
        return seen;
    }
    seen.sprays.reserve(cache->sprays.size());
    for (const wad::CachedSpray& where : cache->sprays) {
        if (isCancelled(cancel))
            return SeenCache{mod, seen.path, {}, {}};
        const QByteArray spray = wad::sprayIn(bytes.value(), where);
        SeenCache::Spray read;
        read.hash = seenHash(spray);
        read.offset = where.offset;
        read.length = where.length;
        // The cache's reader kept only sprays the game takes: each has its picture.
        if (const auto lumps = wad::readWad(spray, 1); lumps && !lumps->empty())
            if (const auto picture = wad::readMipTexture(lumps->front().data))
                read.size = QSize(picture->width, picture->height);
        seen.sprays.push_back(std::move(read));
    }
    return seen;
}

QByteArray seenHash(const QByteArray& spray) {
    return QCryptographicHash::hash(spray, QCryptographicHash::Sha256);
}

Result<QByteArray> readSeenSpray(const SeenSpray& spray) {
    QString first;
    for (std::size_t i = 0; i < spray.places.size(); ++i) {
        const SeenPlace& place = spray.places[i];
        const auto bytes =
            wad::readSprayAgain(place.cache, {QString(), place.offset, spray.length});
        if (bytes && seenHash(bytes.value()) == spray.hash)
            return bytes;
        if (first.isEmpty())
            first = QCoreApplication::translate(
                        "velmira::Seen",
                        "The cache of %1 changed since the window read it (%2): press Refresh.")
                        .arg(spray.mods.value(static_cast<qsizetype>(i)),
                             bytes ? QCoreApplication::translate("velmira::Seen",
                                                                 "another spray lies there now")
                                   : bytes.error());
    }
    return Result<QByteArray>::failure(
        first.isEmpty() ? QCoreApplication::translate("velmira::Seen",
                                                      "No cache holds the spray: press Refresh.")
                        : first);
}

void SeenSprays::clear() {
    m_sprays.clear();
    m_byHash.clear();
}

std::size_t SeenSprays::indexOf(const QByteArray& hash) const {
    return m_byHash.value(hash, m_sprays.size());
}

int SeenSprays::add(const SeenCache& cache) {
    int added = 0;
    for (const SeenCache::Spray& read : cache.sprays) {
        if (const auto known = m_byHash.constFind(read.hash); known != m_byHash.constEnd()) {
            SeenSpray& spray = m_sprays[*known];
            if (!spray.mods.contains(cache.mod)) {
                spray.mods << cache.mod;
                spray.places.push_back(SeenPlace{cache.path, read.offset});
            }
            continue;
        }
        SeenSpray spray;
        spray.hash = read.hash;
        spray.mods = {cache.mod};
        spray.places = {SeenPlace{cache.path, read.offset}};
        spray.size = read.size;
        spray.length = read.length;
        m_byHash.insert(read.hash, m_sprays.size());
        m_sprays.push_back(std::move(spray));
        ++added;
    }
    return added;
}

bool everyServerTakes(QSize size) {
    return size.width() <= kEveryServerSide && size.height() <= kEveryServerSide;
}

QString seenSprayTip(const SeenSpray& spray) {
    const QChar cr(13);
    return QCoreApplication::translate("velmira::Seen", "Seen in %1")
               .arg(spray.mods.join(QStringLiteral(", "))) +
           cr +
           QCoreApplication::translate("velmira::Seen", "%1 × %2 pixels, %n bytes", nullptr,
                                       int(spray.bytes()))
               .arg(QString::number(spray.size.width()), QString::number(spray.size.height())) +
           cr +
           (everyServerTakes(spray.size)
                ? QCoreApplication::translate("velmira::Seen", "Every server takes it")
                : QCoreApplication::translate(
                      "velmira::Seen", "Servers that keep sprays to 64 × 64 will not show it"));
}

}  // namespace velmira
