#pragma once

#include <QImage>
#include <QString>

namespace velmira {

class SettingsStore;

// Settings: what Velmira last installed in each mod, by mod folder name.
inline const QString kInstalledSection = QStringLiteral("Installed");
// Settings: the fingerprint of the logos picture Velmira last wrote for each mod (Xash3D FWGS),
// kept apart from the spray records so that no mod's name can make the two meet.
inline const QString kLogosSection = QStringLiteral("InstalledLogos");

// The largest tempdecal.wad read to tell what a mod holds: no spray the game takes is near it.
constexpr qint64 kMaxHeldRead = 256 * 1024;

// The fingerprint of a spray file's bytes: SHA-256, in hex.
QString sprayHash(const QByteArray& bytes);

// The fingerprint of the spray file at `path`, or empty when there is none to read (missing,
// not a regular file, larger than any spray).
QString sprayHashOfFile(const QString& path);

// What a mod's tempdecal.wad holds now, against what Velmira last installed there.
struct HeldSpray {
    enum class State { Nothing, Installed, Replaced, Unreadable };
    State state = State::Nothing;
    QImage picture;  // as the game draws it; null when there is none to show
    QString note;    // one plain sentence for the mod list's tooltip
};

// Reads the mod folder's tempdecal.wad (bounded, never blocking) and compares it with the
// fingerprint recorded for the mod (empty: none recorded).
HeldSpray heldSpray(const QString& modFolder, const QString& recorded);

struct AppState;
class ModRows;

// Shows beside each mod row what its tempdecal.wad holds now (read once, here).
void showHeldSprays(const AppState& state, ModRows& mods, const SettingsStore& settings);

}  // namespace velmira
