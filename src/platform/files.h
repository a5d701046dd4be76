#pragma once

#include <QString>

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

// A fresh file name, without a folder, that does not exist yet in the folder.
QString temporaryName(const QString& folder);

// The extension of the last path component after its last dot, without the dot.
QString extensionOf(const QString& fileName);

// Copies a file so that the destination is either its old self or a whole copy of the source:
// the copy is written beside it and renamed over it only when complete. Failures raise the
// program's file failures (53 for a missing source).
void replaceFileWithCopy(const QString& source, const QString& destination);

// Deletes a file, read-only or not. A file that is not there is a "File not found" failure.
void deleteFileForced(const QString& path);

}  // namespace velmira
