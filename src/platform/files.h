#pragma once

#include <QString>
#include <QStringList>

namespace velmira {

// The platform's path separator, used wherever the program joins path parts.
QChar separator();
QString joinPath(const QString& folder, const QString& name);

// Whether a folder exists at the path as given (a trailing separator is allowed).
bool folderExists(const QString& path);
bool fileExists(const QString& path);

// The 8.3 alias of an existing file or folder on Windows, the path itself elsewhere.
// A path that does not exist is a "File not found" failure.
QString shortPath(const QString& path);

// How many fresh names temporaryName tries before it gives up.
constexpr int kTemporaryNameAttempts = 4096;

// A fresh file name, without a folder, that does not exist yet in the folder. A folder where
// every name tried is taken is a "File already exists" failure.
QString temporaryName(const QString& folder);

// The extension of the last path component after its last dot, without the dot.
QString extensionOf(const QString& fileName);

// The system's text for an error code (errno here, GetLastError on Windows).
QString systemErrorText(int code);

// The names in a folder that end in one of the extensions (any case) but are not valid text in
// the file system's encoding, so that no path can be made to open them; each shown with its
// bad bytes replaced. Always empty where file names are text (Windows).
QStringList unreadableNames(const QString& folder, const QStringList& extensions);

// The regular files (after following links) in a folder whose names end in one of the
// extensions (any case), hidden files left out, sorted by name ignoring case. Lists with at most
// one stat per entry and opens no file.
QStringList regularFilesIn(const QString& folder, const QStringList& extensions);

// Whether the name is a regular file itself: not a link, a folder or anything else.
bool isPlainFile(const QString& path);

}  // namespace velmira
