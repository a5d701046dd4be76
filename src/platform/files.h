#pragma once

#include <QString>
#include <QStringList>

class QIODevice;

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

// Copies everything readable from `in` to `out`; false with the device's reason on a failed
// read or write.
bool copyContents(QIODevice& in, QIODevice& out, QString* reason);

// Copies a file so that the destination is either its old self or a whole copy of the source:
// the copy is written beside it and renamed over it only when complete. Failures raise the
// program's file failures (53 for a missing source).
void replaceFileWithCopy(const QString& source, const QString& destination);

// Renames a file over another in the same folder in one step, a read-only target included.
// Returns the system's reason on failure, empty on success.
QString renameOver(const QString& from, const QString& to);

// The system's text for an error code (errno here, GetLastError on Windows).
QString systemErrorText(int code);

// Whether a replaced file may be written afterwards: as the file it replaces was, read-only
// for everyone, or writable by its owner.
enum class WriteProtection { AsBefore, ReadOnly, Writable };

// Writes the same bytes to several files so that they end all new or all as they were: each
// new file is written in full beside its destination first, and a replace that fails puts back
// the ones already replaced. A read-only file is replaced and stays read-only unless
// `protection` (one per destination; none: all as before) says otherwise. Returns the reason of
// a failure, empty on success.
QString replaceFilesTogether(const QStringList& destinations, const QByteArray& bytes,
                             const QList<WriteProtection>& protection = {});

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

// Deletes a file, read-only or not. A file that is not there is a "File not found" failure.
void deleteFileForced(const QString& path);

}  // namespace velmira
