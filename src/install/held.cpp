#include "held.h"

#include "core/controls.h"
#include "core/state.h"
#include "install/create.h"
#include "library/preview.h"
#include "picture/readfile.h"
#include "platform/files.h"
#include "platform/settings.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFileInfo>

#include <algorithm>

namespace velmira {

QString sprayHash(const QByteArray& bytes) {
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}

QString sprayHashOfFile(const QString& path) {
    const auto bytes = picture::readRegularFile(path, kMaxHeldRead);
    return bytes ? sprayHash(bytes.value()) : QString();
}

HeldSpray heldSpray(const QString& modFolder, const QString& recorded) {
    HeldSpray held;
    const QString path = modFolder + separator() + kCurrentSprayFileName;
    if (!fileExists(path) && !QFileInfo(path).isSymLink()) {
        held.note =
            recorded.isEmpty()
                ? QCoreApplication::translate("velmira::Held", "No spray is installed here.")
                : QCoreApplication::translate("velmira::Held",
                                              "The spray Velmira installed here has been removed.");
        held.state = recorded.isEmpty() ? HeldSpray::State::Nothing : HeldSpray::State::Replaced;
        return held;
    }
    const auto bytes = picture::readRegularFile(path, kMaxHeldRead);
    if (!bytes) {
        held.state = HeldSpray::State::Unreadable;
        held.note =
            QCoreApplication::translate("velmira::Held", "The spray file cannot be read: %1")
                .arg(bytes.error());
        return held;
    }
    held.picture = sprayPictureOfWad(bytes.value());
    const QString hash = sprayHash(bytes.value());
    if (!recorded.isEmpty() && hash == recorded) {
        held.state = HeldSpray::State::Installed;
        held.note =
            QCoreApplication::translate("velmira::Held", "The spray Velmira installed here.");
    } else if (!recorded.isEmpty()) {
        held.state = HeldSpray::State::Replaced;
        held.note = QCoreApplication::translate(
            "velmira::Held",
            "Replaced since Velmira installed its spray here (the game's Options screen "
            "rewrites it when you press OK or Apply there).");
    } else {
        held.state = HeldSpray::State::Nothing;
        held.note =
            QCoreApplication::translate("velmira::Held", "A spray Velmira did not install.");
    }
    if (held.picture.isNull())
        held.note += QCoreApplication::translate("velmira::Held", " The game cannot show it.");
    return held;
}

void showHeldSprays(const AppState& state, ModRows& mods, const SettingsStore& settings) {
    // Hint rows have no table entry: only rows with one are mods.
    const int rows = std::min(mods.count(), state.Mods.size());
    for (int row = 0; row < rows; ++row) {
        const QString mod = state.Mods.at(row).ModFolder;
        const HeldSpray held = heldSpray(state.HalfLifeDir + separator() + mod,
                                         settings.read(kInstalledSection, mod, QString()));
        mods.setHeld(row, held.picture, held.note, held.state == HeldSpray::State::Replaced);
    }
}

}  // namespace velmira
