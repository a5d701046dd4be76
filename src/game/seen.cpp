#include "seen.h"

#include "game/cache.h"
#include "platform/files.h"
#include "wad/readfile.h"
#include "wad/wad.h"

#include <QCryptographicHash>
#include <QLocale>

namespace velmira {

namespace {
constexpr int kEveryServerSide = 64;
}  // namespace

SeenCache readSeenCache(const QString& gameFolder, const QString& mod,
                        const wad::CancelCheck& cancel) {
    SeenCache seen;
    seen.mod = mod;
    const QString path = joinPath(joinPath(gameFolder, mod), kSprayCacheName);
    if (!isPlainFile(path))
        return seen;
    const auto bytes = wad::readRegularFile(path, wad::kMaxCacheSize);
    if (wad::isCancelled(cancel))
        return seen;
    if (!bytes) {
        seen.problem = bytes.error();
        return seen;
    }
    auto cache = wad::readSprayCache(bytes.value());
    if (!cache) {
        seen.problem = cache.error();
        return seen;
    }
    seen.cache = std::make_shared<const wad::SprayCache>(std::move(cache.value()));
    return seen;
}

void SeenSprays::clear() {
    m_sprays.clear();
    m_byHash.clear();
}

int SeenSprays::add(const SeenCache& cache) {
    if (!cache.cache)
        return 0;
    int added = 0;
    for (const wad::CachedSpray& where : cache.cache->sprays) {
        const QByteArray view = cache.cache->view(where);
        const QString hash =
            QString::fromLatin1(QCryptographicHash::hash(view, QCryptographicHash::Sha256).toHex());
        if (const auto known = m_byHash.constFind(hash); known != m_byHash.constEnd()) {
            QStringList& mods = m_sprays[*known].mods;
            if (!mods.contains(cache.mod))
                mods << cache.mod;
            continue;
        }
        SeenSpray spray;
        spray.hash = hash;
        spray.mods = {cache.mod};
        spray.cache = cache.cache;
        spray.where = where;
        // The cache's reader kept only sprays the game takes: each has its picture.
        if (const auto lumps = wad::readWad(view, 1); lumps && !lumps->empty())
            if (const auto picture = wad::readMipTexture(lumps->front().data))
                spray.size = QSize(picture->width, picture->height);
        m_byHash.insert(hash, m_sprays.size());
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
    return QStringLiteral("Seen in %1").arg(spray.mods.join(QStringLiteral(", "))) + cr +
           QStringLiteral("%1 \u00d7 %2 pixels, %3 bytes")
               .arg(spray.size.width())
               .arg(spray.size.height())
               .arg(QLocale::c().toString(spray.bytes())) +
           cr +
           (everyServerTakes(spray.size)
                ? QStringLiteral("Every server takes it")
                : QStringLiteral("Servers that keep sprays to 64 \u00d7 64 will not show it"));
}

}  // namespace velmira
