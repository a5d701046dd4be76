#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace velmira {

// The library folders a Steam "libraryfolders.vdf" lists: the "path" values of today's format
// and the numbered values of the older one, in the order they stand, with "\\" read as "\".
// Reads any bytes; what it does not know it passes over.
QStringList parseLibraryFolders(const QByteArray& vdf);

// The places a Steam installation may be for a user whose home folder this is: on Linux
// ~/.steam/steam, ~/.local/share/Steam and the two Flatpak locations; on Windows the SteamPath the
// Steam client records for the user, and Steam's usual folder.
QStringList steamRoots(const QString& home);

// The game folders of the Steam libraries of these Steam folders: the first Half-Life folder
// holding its executable, then the first Sven Co-op folder holding its own; empty when there is
// none.
QStringList findSteamGames(const QStringList& roots);

// The first Half-Life folder holding the game's executable in the Steam libraries of these
// Steam folders (each Steam folder is a library too), or empty when there is none. A missing
// or unreadable Steam folder or library list is simply no result.
QString findSteamHalfLife(const QStringList& roots);

}  // namespace velmira
