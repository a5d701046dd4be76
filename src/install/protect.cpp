#include "protect.h"

#include "core/state.h"
#include "install/create.h"
#include "install/held.h"
#include "platform/files.h"
#include "platform/openfolder.h"
#include "platform/settings.h"

#include <QCoreApplication>

namespace velmira {

ProtectionChange applyProtection(const AppState& state, const SettingsStore& settings,
                                 bool protect) {
    ProtectionChange change;
    QString ignored;
    const OpenFolder game = OpenFolder::open(state.HalfLifeDir, &ignored);
    for (int row = 0; row < state.Mods.size(); ++row) {
        const ModEntry& entry = state.Mods.at(row);
        const QString recorded = settings.read(kInstalledSection, entry.ModFolder, QString());
        if (recorded.isEmpty())
            continue;
        QString reason;
        // The mod folder is taken as it is in the game folder, through a link only when the link
        // is the player's own. A link refused is said; a mod folder gone since is not.
        const OpenFolder mod = game.child(entry.ModFolder, false, &reason);
        if (!mod.isOpen()) {
            if (game.kindOf(entry.ModFolder) == OpenFolder::Kind::Link)
                change.failed << QCoreApplication::translate(
                                     "velmira::Protect", "%1: %2",
                                     "a mod and why its spray was not changed")
                                     .arg(entry.ModFolder, reason);
            continue;
        }
        const auto set = mod.setWritableIfOurs(
            kCurrentSprayFileName, !protect, kMaxHeldRead,
            [&](const QByteArray& bytes) { return sprayHash(bytes) == recorded; }, &reason);
        if (set == OpenFolder::ModeSet::Changed)
            change.changed << entry.ModFolder;
        else if (set == OpenFolder::ModeSet::Failed)
            change.failed << QCoreApplication::translate("velmira::Protect", "%1: %2",
                                                         "a mod and why its spray was not changed")
                                 .arg(entry.ModFolder, reason);
    }
    return change;
}

QString protectionMessage(const ProtectionChange& change, bool protect) {
    const QChar cr(13);
    QString text;
    if (!change.changed.isEmpty())
        text = (protect ? QCoreApplication::translate(
                              "velmira::Protect",
                              "The sprays Velmira installed are now read-only, so that the game "
                              "cannot replace them, in:",
                              nullptr, int(change.changed.size()))
                        : QCoreApplication::translate(
                              "velmira::Protect",
                              "The sprays Velmira installed can be replaced by the game again in:",
                              nullptr, int(change.changed.size()))) +
               cr + change.changed.join(cr);
    if (!change.failed.isEmpty()) {
        if (!text.isEmpty())
            text += QString(2, cr);
        text +=
            QCoreApplication::translate("velmira::Protect", "These could not be changed:", nullptr,
                                        int(change.failed.size())) +
            cr + change.failed.join(cr);
    }
    return text;
}

}  // namespace velmira
