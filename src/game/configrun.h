#pragma once

#include "game/configsyntax.h"
#include "platform/openfolder.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace velmira {

// The orders in which an engine runs a mod's config files at start.
enum class ConfigOrder {
    // Half-Life's Windows client: valve.rc (config.cfg, then autoexec.cfg), then config.cfg a
    // second time as the engine loads the player's profile. Also the order a Linux game folder
    // meets when the Windows client runs it under Proton or Wine.
    GoldSrcWindows,
    // Half-Life's Linux client: valve.rc alone.
    GoldSrcLinux,
    // Xash3D FWGS: valve.rc, config.cfg if valve.rc did not run it, then userconfig.d/*.cfg.
    Xash,
};

ConfigEngine engineOf(ConfigOrder order);

// One config file as the engine finds it: in the first folder of the mod's search path (the
// mod, its fallback folder, valve) that holds it.
struct ConfigFileRead {
    QString folder;  // the folder of the search path it was found in ("cstrike", "valve")
    QString name;    // its name there ("config.cfg", "userconfig.d/binds.cfg")
    bool present = false;
    QByteArray bytes;
    QString problem;    // why it was not read (a link, not a plain file, too large); empty if read
    bool link = false;  // read through a link of the player's own
    OpenFolder::FileState state;  // what the file was as read
    bool overridden = false;      // bytes given instead of read (the next start after a quit)
    bool assumed = false;         // in no folder: the lines the game's own file holds are taken

    // Its commands as each engine reads them, split once (GoldSrc, Xash3D).
    mutable std::shared_ptr<const std::vector<ConfigCommand>> split[2];

    QString shownName() const { return folder.isEmpty() ? name : folder + QLatin1Char('/') + name; }
};

// The config files of one mod, found along its search path and each read once.
class ConfigFiles {
  public:
    // Reads `name` in `folder`; sets `present` false when it is not there.
    using Reader = std::function<ConfigFileRead(const QString& folder, const QString& name)>;
    // The names of the .cfg files of `sub` in `folder`, in the engine's order.
    using Lister = std::function<QStringList(const QString& folder, const QString& sub)>;

    ConfigFiles(QStringList searchPath, Reader reader, Lister lister = {});

    // The file the engine runs for `name`, or null when no folder of the search path holds it.
    const ConfigFileRead* find(const QString& name);
    // The .cfg files of the sub-folder `sub` across the search path (the first folder holding a
    // name wins), in the engine's order.
    QStringList list(const QString& sub);
    // From now on the mod's own `name` holds `bytes` (what the game writes as it quits).
    void overrideFile(const QString& name, const QByteArray& bytes);
    // `name` is in no folder of the search path: the run takes it to hold `bytes`.
    void assumeFile(const QString& name, const QByteArray& bytes);
    const QStringList& searchPath() const { return m_searchPath; }

  private:
    QStringList m_searchPath;
    Reader m_reader;
    Lister m_lister;
    std::map<QString, std::unique_ptr<ConfigFileRead>> m_found;  // by name (lower case)
};

// One command that gave a setting a value, and the file it is in.
struct SettingSet {
    const ConfigFileRead* file = nullptr;
    ConfigCommand command;
};

// What the engine ran at one start.
struct ConfigRun {
    ConfigOrder order = ConfigOrder::GoldSrcLinux;
    std::vector<const ConfigFileRead*> ran;     // every file run, in order (twice if run twice)
    std::vector<const ConfigFileRead*> unread;  // files it runs that could not be read here
    std::vector<SettingSet> sets;               // every command with a value, in order
    bool loopStopped = false;                   // an exec loop, cut where the model stops it
};

// The deepest exec within exec followed, and the most files run at one start: a loop is cut
// there (the engine's own command buffer overflows long before).
constexpr int kMaxExecDepth = 16;
constexpr std::size_t kMaxExecs = 256;

// Runs a start of the game as `order` does, following every exec line at its place.
ConfigRun runConfig(ConfigFiles& files, ConfigOrder order);

// The value a setting ends with after a run: the last command that set it, or `defaultValue`
// (then `set` is null).
struct FinalSetting {
    const SettingSet* set = nullptr;
    QByteArray value;
};
FinalSetting finalSetting(const ConfigRun& run, const QByteArray& variable,
                          const QByteArray& defaultValue);

// config.cfg as the engine rewrites it when the game quits: the archived settings with the
// values they ended with, then the line that runs userconfig.cfg.
QByteArray configAfterQuit(const ConfigRun& run,
                           const std::vector<std::pair<QByteArray, QByteArray>>& archived);

// The name of the file the engine runs first, and the lines it is taken to hold where no folder
// of the search path has it (a folder laid out by hand).
inline const QString kStartFileName = QStringLiteral("valve.rc");
inline const QByteArray kStartFileDefault =
    QByteArrayLiteral("exec config.cfg\nexec autoexec.cfg\n");

}  // namespace velmira
