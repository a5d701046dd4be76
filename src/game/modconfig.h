#pragma once

#include "game/configrun.h"
#include "platform/openfolder.h"

#include <QString>
#include <QStringList>

#include <map>
#include <memory>

namespace velmira {

// The largest config file read: the game's own are a few KB.
constexpr qint64 kMaxConfigRead = 256 * 1024;

// The folders the engine looks in for a mod's files, in order: the mod, the fallback folder its
// liblist.gam (or Xash3D's gameinfo.txt) names, then valve.
QStringList modSearchPath(const OpenFolder& game, const QString& mod);

// A mod's folders along its search path, opened inside the game folder the way every folder of
// the player's is (a link followed only when it is the player's own), and its config files read
// from them.
class ModConfigFolders {
  public:
    ModConfigFolders(const OpenFolder& game, const QString& mod);

    // Whether the mod's own folder opened, and why not.
    bool isOpen() const { return m_mod != nullptr; }
    const QString& problem() const { return m_problem; }
    // The opened folder of the search path named `folder` (null when it could not be opened).
    const OpenFolder* folder(const QString& name) const;
    const OpenFolder& mod() const { return *m_mod; }
    // The config files, each read afresh when first asked for.
    ConfigFiles files() const;

  private:
    QStringList m_searchPath;
    std::shared_ptr<std::map<QString, OpenFolder>> m_folders;
    const OpenFolder* m_mod = nullptr;
    QString m_problem;
};

// One file `name` (maybe inside sub-folders: "userconfig.d/a.cfg") of `folder`, read as every
// config file is: at most kMaxConfigRead bytes, through a link only when it is the player's own.
ConfigFileRead readConfigFile(const OpenFolder& folder, const QString& name);

}  // namespace velmira
