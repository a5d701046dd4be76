#include "cache.h"

#include "core/context.h"
#include "core/controls.h"
#include "core/errorreport.h"
#include "core/state.h"
#include "platform/files.h"
#include "platform/openfolder.h"
#include "platform/prompts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>

namespace velmira {

SprayCaches sprayCachesOf(const QString& halfLifeDir, const QStringList& mods) {
    SprayCaches caches;
    for (const QString& mod : mods) {
        const QString path = halfLifeDir + separator() + mod + separator() + kSprayCacheName;
        const QFileInfo info(path);
        if (!info.exists() && !info.isSymLink())
            continue;
        if (info.isSymLink())
            caches.refused
                << QCoreApplication::translate("velmira::Cache", "%1: it is a link").arg(path);
        else if (!isPlainFile(path))
            caches.refused
                << QCoreApplication::translate("velmira::Cache", "%1: it is not a file").arg(path);
        else if (!info.isReadable())
            caches.refused
                << QCoreApplication::translate("velmira::Cache", "%1: it cannot be read").arg(path);
        else
            caches.movable << path;
    }
    return caches;
}

QString moveCacheAside(const QString& cache) {
    // The mod folder is opened inside the game folder without following a link, and the cache
    // renamed inside it: a folder swapped for a link meanwhile is refused, never followed.
    const QFileInfo mod(QFileInfo(cache).absolutePath());
    QString reason;
    const OpenFolder folder =
        OpenFolder::open(mod.absolutePath(), &reason).child(mod.fileName(), false, &reason);
    if (!folder.isOpen())
        return reason;
    const OpenFolder::Kind there = folder.kindOf(kClearedCacheName);
    if (there != OpenFolder::Kind::Missing && there != OpenFolder::Kind::File)
        return QCoreApplication::translate("velmira::Cache", "%1 is in the way and is not a file")
            .arg(folder.pathOf(kClearedCacheName));
    // A plain file is renamed, never followed: the rename itself checks nothing changed since.
    if (folder.kindOf(kSprayCacheName) != OpenFolder::Kind::File)
        return QCoreApplication::translate("velmira::Cache", "it is no longer a plain file");
    return folder.renamePlainFile(kSprayCacheName, kClearedCacheName);
}

void clearCachedSprays(const AppState& state, MainControls& controls, const Services& services) {
    const QChar cr(13);
    const QString title = QCoreApplication::translate("velmira::Cache", "Clear Cached Sprays");
    services.errors.run(
        "frmMain.mnuFileClearCache_Click()", AfterReport::CloseMainWindow, [&](Procedure&) {
            // Hint rows have no table entry: only rows with one are mods.
            QStringList mods;
            const int rows = std::min(controls.mods.count(), state.Mods.size());
            for (int row = 0; row < rows; ++row)
                if (controls.mods.isSelected(row))
                    mods << state.Mods.at(row).ModFolder;
            if (mods.isEmpty()) {
                services.prompts.show(Message{
                    QCoreApplication::translate(
                        "velmira::Cache", "Select the mods whose cached sprays you want to clear."),
                    title, Message::Icon::Information, Message::Buttons::Ok});
                return;
            }
            if (services.gameRunning && services.gameRunning(state.HalfLifeDir)) {
                services.prompts.show(Message{
                    QCoreApplication::translate(
                        "velmira::Cache",
                        "The game is running from %1. Quit it before clearing its cached sprays: "
                        "it keeps the cache open and writes it back.")
                        .arg(state.HalfLifeDir),
                    title, Message::Icon::Critical, Message::Buttons::Ok});
                return;
            }
            const SprayCaches caches = sprayCachesOf(state.HalfLifeDir, mods);
            if (!caches.refused.isEmpty())
                services.prompts.show(Message{
                    QCoreApplication::translate("velmira::Cache",
                                                "These cache files were left alone:", nullptr,
                                                int(caches.refused.size())) +
                        cr + caches.refused.join(cr),
                    title, Message::Icon::Critical, Message::Buttons::Ok});
            if (caches.movable.isEmpty()) {
                if (caches.refused.isEmpty())
                    services.prompts.show(Message{
                        QCoreApplication::translate(
                            "velmira::Cache", "None of the selected mods has cached sprays (%1).")
                            .arg(kSprayCacheName),
                        title, Message::Icon::Information, Message::Buttons::Ok});
                return;
            }
            QStringList listed;
            const QLocale locale;
            for (const QString& cache : caches.movable)
                listed << QCoreApplication::translate("velmira::Cache", "%1 (%2)",
                                                      "a cache file and its size")
                              .arg(cache, locale.formattedDataSize(QFileInfo(cache).size()));
            const Answer answer = services.prompts.show(Message{
                QCoreApplication::translate(
                    "velmira::Cache",
                    "custom.hpk holds the sprays of other players the game has seen on servers, "
                    "so an old spray can show instead of a new one. The game builds it again as "
                    "it needs.\r\rEach of these is moved to custom.hpk.old beside it (an older "
                    "custom.hpk.old is replaced):",
                    nullptr, int(listed.size())) +
                    cr + listed.join(cr),
                title, Message::Icon::None, Message::Buttons::OkCancel});
            if (answer != Answer::Ok)
                return;
            QStringList failed;
            for (const QString& cache : caches.movable) {
                const QString problem = moveCacheAside(cache);
                if (!problem.isEmpty())
                    failed << QCoreApplication::translate("velmira::Cache", "%1: %2",
                                                          "a cache file and what went wrong")
                                  .arg(cache, problem);
            }
            if (!failed.isEmpty())
                services.prompts.show(Message{
                    QCoreApplication::translate("velmira::Cache",
                                                "Could not clear these cached sprays:", nullptr,
                                                int(failed.size())) +
                        cr + failed.join(cr),
                    title, Message::Icon::Critical, Message::Buttons::Ok});
        });
}

}  // namespace velmira
