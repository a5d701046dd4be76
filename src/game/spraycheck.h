#pragma once

#include <QSize>
#include <QString>

#include <array>
#include <vector>

namespace velmira {

// "Check Sprays...": for each mod, whether others will see the player's spray and the player
// theirs, read from the mod's files only (nothing is written here).

// The checks, one column each.
enum class SprayCheck {
    Spray,        // the tempdecal.wad present, whose it is, whether the engine takes it
    Upload,       // cl_allowupload: the server gets the spray
    Download,     // cl_allowdownload: the player gets others' sprays
    EveryServer,  // at most 64 x 64, which servers that keep sprays small still show
    Stays,        // protected from the Options screen, which writes its logo over it
    Cache,        // the cache of sprays seen on servers
    XashLogo,     // Xash3D: the logo format the engine packs into the spray
};
constexpr int kSprayCheckCount = 7;

// What can be done about a problem from the check window.
enum class SprayFix { None, TurnUploadsOn, TurnDownloadsOn, EveryServerSize, Protect, ClearCache };

// One check of one mod.
struct SprayCheckCell {
    enum class State { Ok, Problem, NotApplicable };
    State state = State::NotApplicable;
    QString text;    // "OK", "-" or the problem in one plain line
    QString detail;  // more: what was found, where it was set
    SprayFix fix = SprayFix::None;
};

struct ModSprayCheck {
    QString mod;
    std::array<SprayCheckCell, kSprayCheckCount> cells;
    const SprayCheckCell& cell(SprayCheck check) const {
        return cells[static_cast<std::size_t>(check)];
    }
};

// What the checks of one mod need from outside its folder.
struct SprayCheckInput {
    QString gameFolder;
    QString mod;
    QString installed;      // fingerprint of the spray Velmira installed there; empty: none
    QString installedLogo;  // fingerprint of the logos picture Velmira wrote there; empty: none
    bool xash = false;      // the game folder holds Xash3D FWGS
};

// Runs every check of one mod. Reads only; bounded; safe off the window's thread.
ModSprayCheck checkModSprays(const SprayCheckInput& input);

// A cache this large (in bytes) is called large: half of the 4 MB the engines keep.
constexpr qint64 kLargeCacheBytes = 2 * 1024 * 1024;

// The column title of a check, and the caption of a fix's button.
QString sprayCheckTitle(SprayCheck check);
QString sprayFixCaption(SprayFix fix);

}  // namespace velmira
