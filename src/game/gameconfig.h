#pragma once

#include "game/modconfig.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <chrono>
#include <functional>
#include <vector>

namespace velmira {

// What a changed config file's old bytes are kept as, beside it.
inline const QString kConfigCopySuffix = QStringLiteral(".velmira-backup");

// A setting the spray checks want the game to end with, and what a fix writes.
struct WantedSetting {
    QByteArray variable;
    QByteArray defaultValue;  // the engine's own, where no file sets it
    QByteArray fixedValue;    // what a fix writes in place of a value against the player
    bool count = false;       // a number of things: at least 1 (else any number but 0)
};

// Whether the engine ends up with what `wanted` asks for when the value is `value`.
bool settingIsGood(const WantedSetting& wanted, const QByteArray& value, ConfigEngine engine);

// The orders of start a game folder may meet: Xash3D's own; for Half-Life both clients', as
// a Linux folder may also be run by the Windows client under Proton or Wine.
std::vector<ConfigOrder> ordersOf(bool xash);

// Whether the setting is right at every start the folder may meet and stays right after the
// game rewrites config.cfg as it quits (then starts again in any of those orders). On a wrong
// result, `why` says which start ends with which value, set where.
bool settingHolds(const ModConfigFolders& folders, const WantedSetting& wanted,
                  const std::vector<ConfigOrder>& orders, QString* why);

// What turning a setting on did.
struct ConfigChange {
    bool changed = false;    // a file was changed
    bool holds = false;      // the game ends with the setting on after the change, start and quit
    bool alreadyOn = false;  // nothing to change: no file sets it against the player
    QString text;            // plain sentences: what was changed, or why nothing was
    QStringList places;      // each line changed, "cstrike/config.cfg line 12"
};

// How long a file must stay as read before it is replaced, and how often it is read again when
// another program keeps writing it.
struct ConfigEditTiming {
    std::chrono::milliseconds settle{300};
    int tries = 5;
};

// Changes every line that sets `wanted` against the player in every file the engine runs for the
// mod at any start in `orders` (config.cfg, userconfig.cfg, autoexec.cfg, what they exec, the
// fallback folder's and valve's files where the mod has none), changing only the characters of
// each value (every other byte, quote, line end and encoding stay), each file as it was kept
// beside it as <file>.velmira-backup (no more open than the file). Then runs the model again as
// the next start and the game's quit would, and reports a change as done only if it holds.
// Refused while `gameRunning` says the game runs (it writes config.cfg as it quits), while a
// config file cannot be read, when a file to change is a link, and when another program keeps
// writing a file: a file is replaced only once it has stayed as read for `timing.settle`, and
// only if it is still so. Takes up to tries × settle: not for the window's thread.
ConfigChange turnSettingOn(const QString& gameFolder, const QString& mod,
                           const WantedSetting& wanted, const std::vector<ConfigOrder>& orders,
                           const std::function<bool()>& gameRunning,
                           const ConfigEditTiming& timing = {});

// The same for a switch of Half-Life's (on is 1, its default), for both clients' starts.
ConfigChange turnSettingOn(const QString& gameFolder, const QString& mod,
                           const QByteArray& variable, const std::function<bool()>& gameRunning,
                           const ConfigEditTiming& timing = {});

}  // namespace velmira
