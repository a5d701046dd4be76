#pragma once

#include "game/gameconfig.h"

#include <QSize>
#include <QString>

#include <array>
#include <vector>

namespace velmira {

// "Check Sprays...": for each mod, whether others will see the player's spray and the player
// theirs, read from the mod's files only (nothing is written here), with the game's config
// files run as the engine runs them.

// The checks, one column each.
enum class SprayCheck {
    Spray,        // the tempdecal.wad present, whose it is, whether the engine takes it
    Upload,       // cl_allowupload: the server gets the spray
    Download,     // cl_allowdownload, cl_download_ingame: the player gets others' sprays
    Decals,       // mp_decals, r_decals: decals are drawn at all
    EveryServer,  // at most 64 x 64, which servers that keep sprays small still show
    Stays,        // protected from the Options screen, which writes its logo over it
    Cache,        // the cache of sprays seen on servers
    XashLogo,     // Xash3D: the logo picture the engine sends
};
constexpr int kSprayCheckCount = 8;

// What can be done about a problem from the check window.
enum class SprayFix {
    None,
    TurnUploadsOn,
    TurnDownloadsOn,
    EveryServerSize,
    Protect,
    TurnDecalsOn,
};

// One check of one mod.
struct SprayCheckCell {
    enum class State { Ok, Problem, NotApplicable };
    State state = State::NotApplicable;
    QString text;      // the state in a word or two ("✓ on", "✗ off in config.cfg")
    QString sentence;  // the state in full: what was found, and for a problem what it does
    QString detail;    // what was read, where it was set
    SprayFix fix = SprayFix::None;
};

// A setting as the game will end with it, for the report: the same in every language.
struct SettingLine {
    QByteArray name;
    QByteArray value;
    QString place;  // "cstrike/config.cfg line 12", or empty: the engine's default
};

struct ModSprayCheck {
    QString mod;
    std::array<SprayCheckCell, kSprayCheckCount> cells;
    std::vector<SettingLine> settings;
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
    // The starts the game folder meets (empty: as ordersOf(xash) says).
    std::vector<ConfigOrder> orders;
};

// The starts a game folder meets: Xash3D's; the Windows client's where hl.exe is, the Linux
// client's where hl_linux is, both where neither is.
std::vector<ConfigOrder> gameOrders(const QString& gameFolder, bool xash);

// Runs every check of one mod. Reads only; bounded; safe off the window's thread.
ModSprayCheck checkModSprays(const SprayCheckInput& input);

// The column title of a check, and the caption of a fix's button.
QString sprayCheckTitle(SprayCheck check);
QString sprayFixCaption(SprayFix fix);

// Changes the config files as `fix` asks (turning uploads, downloads or decals on), as
// turnSettingOn does for each setting it needs, for every start the game folder may meet.
// Not for the window's thread.
ConfigChange applySettingFix(SprayFix fix, const QString& gameFolder, const QString& mod, bool xash,
                             const std::function<bool()>& gameRunning,
                             const ConfigEditTiming& timing = {});

// What the server decides, which no file of the player's changes: one sentence.
QString serverSideNote();

}  // namespace velmira
