#pragma once

#include <QString>
#include <QStringList>

namespace velmira {

struct AppState;
class SettingsStore;

// What "Protect Sprays from the Game" changed when it was ticked or unticked.
struct ProtectionChange {
    QStringList changed;  // mods whose tempdecal.wad was made read-only or writable again
    QStringList failed;   // "<mod>: <reason>" where the mode could not be changed
};

// Makes each listed mod's tempdecal.wad read-only (protect) or writable again, but only where it
// is still the one Velmira installed there (its fingerprint is the one recorded), through the
// opened file: the player's own files, read-only or not, stay as they are.
ProtectionChange applyProtection(const AppState& state, const SettingsStore& settings,
                                 bool protect);

// The one message that tells what was changed; empty when nothing was.
QString protectionMessage(const ProtectionChange& change, bool protect);

}  // namespace velmira
