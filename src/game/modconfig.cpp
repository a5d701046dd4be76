#include "modconfig.h"

#include "game/configsyntax.h"

#include <QCoreApplication>
#include <QDir>

#include <algorithm>

namespace velmira {

namespace {

// The game's own folder, which every mod falls back to last.
const QString kBaseFolder = QStringLiteral("valve");
// The largest liblist.gam or gameinfo.txt read.
constexpr qint64 kMaxGameInfoRead = 64 * 1024;
// The longest chain of fallback folders followed (each names the next).
constexpr int kMaxFallbacks = 8;

// The value of `key` in a liblist.gam or gameinfo.txt (`key "value"` lines), empty if none.
QString gameInfoValue(const QByteArray& bytes, const QByteArray& key) {
    for (const ConfigCommand& command : parseConfig(bytes, ConfigEngine::Xash))
        if (sameName(command.name(), key) && command.setsValue())
            return QString::fromUtf8(command.value());
    return QString();
}

// A name the search path may hold: one folder name, no way out of the game folder.
bool plainFolderName(const QString& name) {
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") &&
           !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')) &&
           !name.contains(QLatin1Char(':'));
}

// A name an exec line gives that stays inside the folder it is looked up in: never read
// otherwise, whatever an engine would make of it.
bool staysInside(const QString& name) {
    if (name.isEmpty() || name.startsWith(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) ||
        name.contains(QLatin1Char(':')))
        return false;
    const QStringList parts = name.split(QLatin1Char('/'));
    return std::none_of(parts.begin(), parts.end(), [](const QString& part) {
        return part.isEmpty() || part == QLatin1String(".") || part == QLatin1String("..");
    });
}

}  // namespace

QStringList modSearchPath(const OpenFolder& game, const QString& mod) {
    // The mod, then the chain of fallback folders (each may name its own, until valve), then
    // valve.
    QStringList path{mod};
    for (int step = 0; step < kMaxFallbacks; ++step) {
        const QString current = path.back();
        if (current.compare(kBaseFolder, Qt::CaseInsensitive) == 0)
            break;
        QString reason;
        const OpenFolder folder = game.child(current, false, &reason);
        if (!folder.isOpen())
            break;
        QString fallback;
        for (const QString& info :
             {QStringLiteral("liblist.gam"), QStringLiteral("gameinfo.txt")}) {
            const auto bytes = folder.readFile(info, kMaxGameInfoRead, nullptr,
                                               OpenFolder::Links::PlayersFollowed);
            if (!bytes)
                continue;
            fallback = gameInfoValue(*bytes, QByteArrayLiteral("fallback_dir"));
            break;
        }
        if (!plainFolderName(fallback) || path.contains(fallback, Qt::CaseInsensitive))
            break;
        path << fallback;
    }
    if (!path.contains(kBaseFolder, Qt::CaseInsensitive))
        path << kBaseFolder;
    return path;
}

ConfigFileRead readConfigFile(const OpenFolder& folder, const QString& name) {
    ConfigFileRead file;
    QString why;
    // A file inside a sub-folder: the sub-folder opened as every folder of the player's is.
    const qsizetype slash = name.lastIndexOf(QLatin1Char('/'));
    if (slash >= 0) {
        const OpenFolder sub = folder.child(name.left(slash), false, &why);
        if (!sub.isOpen())
            return file;
        file = readConfigFile(sub, name.mid(slash + 1));
        file.name = name;
        return file;
    }
    file.name = name;
    const auto unreadable = [] {
        return QCoreApplication::translate("GameConfig",
                                           "it cannot be read or is larger than 256 KB");
    };
    switch (folder.kindOf(name)) {
        case OpenFolder::Kind::Missing:
            break;
        case OpenFolder::Kind::Link:
            file.present = true;
            file.link = true;
            if (!folder.linkIsPlayers(name, &why))
                file.problem = why;
            else if (auto bytes = folder.readFile(name, kMaxConfigRead, &file.state,
                                                  OpenFolder::Links::PlayersFollowed))
                file.bytes = std::move(*bytes);
            else
                file.problem = unreadable();
            break;
        case OpenFolder::Kind::Folder:
        case OpenFolder::Kind::Other:
            file.present = true;
            file.problem = QCoreApplication::translate("GameConfig", "it is not a plain file");
            break;
        case OpenFolder::Kind::File:
            file.present = true;
            if (auto bytes = folder.readFile(name, kMaxConfigRead, &file.state))
                file.bytes = std::move(*bytes);
            else
                file.problem = unreadable();
            break;
    }
    return file;
}

ModConfigFolders::ModConfigFolders(const OpenFolder& game, const QString& mod)
    : m_folders(std::make_shared<std::map<QString, OpenFolder>>()) {
    m_searchPath = modSearchPath(game, mod);
    for (const QString& name : m_searchPath) {
        QString reason;
        OpenFolder opened = game.child(name, false, &reason);
        if (opened.isOpen())
            (*m_folders)[name] = std::move(opened);
        else if (name == mod)
            m_problem = reason;
    }
    m_mod = folder(mod);
}

const OpenFolder* ModConfigFolders::folder(const QString& name) const {
    const auto found = m_folders->find(name);
    return found == m_folders->end() ? nullptr : &found->second;
}

ConfigFiles ModConfigFolders::files() const {
    const auto folders = m_folders;
    return ConfigFiles(
        m_searchPath,
        [folders](const QString& folder, const QString& name) {
            const auto found = folders->find(folder);
            return found == folders->end() || !staysInside(name)
                       ? ConfigFileRead{}
                       : readConfigFile(found->second, name);
        },
        [folders](const QString& folder, const QString& sub) {
            const auto found = folders->find(folder);
            if (found == folders->end() || found->second.kindOf(sub) != OpenFolder::Kind::Folder)
                return QStringList();
            // Names only: every file listed is then read through the door.
            return QDir(found->second.pathOf(sub))
                .entryList({QStringLiteral("*.cfg")}, QDir::Files | QDir::Hidden, QDir::Name);
        });
}

}  // namespace velmira
