#include "files.h"

#include "core/failure.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#else
#include <dirent.h>
#include <sys/stat.h>
#endif

#include <memory>
#include <utility>
#include <vector>

namespace velmira {

QChar separator() {
    return QDir::separator();
}

QString joinPath(const QString& folder, const QString& name) {
    return folder + separator() + name;
}

bool folderExists(const QString& path) {
    return !path.isEmpty() && QFileInfo(path).isDir();
}

bool fileExists(const QString& path) {
    return !path.isEmpty() && QFileInfo(path).isFile();
}

QString shortPath(const QString& path) {
    if (path.isEmpty() || !QFileInfo::exists(path))
        raiseFileNotFound();
#ifdef Q_OS_WIN
    const std::wstring wide = QDir::toNativeSeparators(path).toStdWString();
    const DWORD needed = GetShortPathNameW(wide.c_str(), nullptr, 0);
    if (needed == 0)
        return path;
    std::wstring shortened(needed, L'\0');
    const DWORD written = GetShortPathNameW(wide.c_str(), shortened.data(), needed);
    if (written == 0 || written >= needed)
        return path;
    shortened.resize(written);
    return QString::fromStdWString(shortened);
#else
    return path;
#endif
}

QString temporaryName(const QString& folder) {
    // A folder full of such names is not searched for ever.
    for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
        const QString hex = QString::number(QRandomGenerator::global()->bounded(0x100000), 16)
                                .toUpper()
                                .rightJustified(5, QLatin1Char('0'));
        const QString name = QStringLiteral("rad") + hex + QStringLiteral(".tmp");
        if (!QFileInfo::exists(joinPath(folder, name)) &&
            !QFileInfo(joinPath(folder, name)).isSymLink())
            return name;
    }
    raise(ErrorNumber::FileAlreadyExists, QStringLiteral("File already exists"));
}

QString renameOver(const QString& from, const QString& to) {
#ifdef Q_OS_WIN
    // A rename over a read-only file is refused on Windows: the attribute is lifted for the
    // replace and put back if the replace fails.
    const std::wstring target = QDir::toNativeSeparators(to).toStdWString();
    const std::wstring source = QDir::toNativeSeparators(from).toStdWString();
    const DWORD attributes = GetFileAttributesW(target.c_str());
    const bool readOnly = attributes != INVALID_FILE_ATTRIBUTES &&
                          (attributes & FILE_ATTRIBUTE_READONLY) != 0 &&
                          (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
    if (readOnly)
        SetFileAttributesW(target.c_str(), attributes & ~DWORD{FILE_ATTRIBUTE_READONLY});
    if (MoveFileExW(source.c_str(), target.c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return QString();
    const DWORD code = GetLastError();
    if (readOnly)
        SetFileAttributesW(target.c_str(), attributes);
    return systemErrorText(static_cast<int>(code));
#else
    if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
        return QString();
    return systemErrorText(errno);
#endif
}

QString systemErrorText(int code) {
#ifdef Q_OS_WIN
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, static_cast<DWORD>(code), 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    QString text = length
                       ? QString::fromWCharArray(buffer, static_cast<qsizetype>(length)).trimmed()
                       : QStringLiteral("system error %1").arg(code);
    LocalFree(buffer);
    return text;
#else
    return QString::fromLocal8Bit(std::strerror(code));
#endif
}

QString extensionOf(const QString& fileName) {
    const qsizetype slash =
        std::max(fileName.lastIndexOf(QLatin1Char('/')), fileName.lastIndexOf(separator()));
    const QString last = fileName.mid(slash + 1);
    const qsizetype dot = last.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : last.mid(dot + 1);
}

namespace {
[[noreturn]] void raiseForFolderOf(const QString& path) {
    if (!QFileInfo(QFileInfo(path).absolutePath()).isDir())
        raisePathNotFound();
    raisePermissionDenied();
}
}  // namespace

bool copyContents(QIODevice& in, QIODevice& out, QString* reason) {
    char buffer[64 * 1024];
    for (;;) {
        const qint64 got = in.read(buffer, sizeof buffer);
        if (got < 0) {
            *reason = in.errorString();
            return false;
        }
        if (got == 0)
            return true;
        if (out.write(buffer, got) != got) {
            *reason = out.errorString();
            return false;
        }
    }
}

void replaceFileWithCopy(const QString& source, const QString& destination) {
    QFile in(source);
    if (!QFileInfo(source).isFile())
        raiseFileNotFound();
    if (!in.open(QIODevice::ReadOnly))
        raisePermissionDenied();
    if (QFileInfo(destination).isDir())
        raise(ErrorNumber::PathFileAccessError, QStringLiteral("Path/File access error"));
    QSaveFile out(destination);
    if (!out.open(QIODevice::WriteOnly))
        raiseForFolderOf(destination);
    QString reason;
    if (!copyContents(in, out, &reason)) {
        out.cancelWriting();
        raise(ErrorNumber::DeviceIoError, QStringLiteral("Device I/O error"));
    }
    if (!out.commit())
        raise(ErrorNumber::PathFileAccessError, QStringLiteral("Path/File access error"));
}

namespace {

// Where a file lies on its device: tells whether a name still leads to the file written.
struct FileId {
    quint64 device = 0;
    quint64 node = 0;
    bool known = false;
    bool operator==(const FileId& other) const {
        return known && other.known && device == other.device && node == other.node;
    }
};

// What a name in a folder is, without following a link: the game folder may be shared, and
// another user may put a link where Velmira expects its own file.
enum class Entry { Missing, File, Link, Other };

struct EntryInfo {
    Entry kind = Entry::Missing;
    FileId id;
    QFileDevice::Permissions permissions;
};

#ifdef Q_OS_WIN
FileId idOfHandle(HANDLE handle) {
    BY_HANDLE_FILE_INFORMATION info;
    FileId id;
    if (handle != INVALID_HANDLE_VALUE && GetFileInformationByHandle(handle, &info)) {
        id.device = info.dwVolumeSerialNumber;
        id.node = (quint64{info.nFileIndexHigh} << 32) | info.nFileIndexLow;
        id.known = true;
    }
    return id;
}

EntryInfo entryAt(const QString& path) {
    EntryInfo entry;
    const std::wstring wide = QDir::toNativeSeparators(path).toStdWString();
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return entry;
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT)
        entry.kind = Entry::Link;
    else if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        entry.kind = Entry::Other;
    else
        entry.kind = Entry::File;
    const HANDLE handle = CreateFileW(
        wide.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
        OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    entry.id = idOfHandle(handle);
    if (handle != INVALID_HANDLE_VALUE)
        CloseHandle(handle);
    entry.permissions = QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
    if (!(attributes & FILE_ATTRIBUTE_READONLY))
        entry.permissions |= QFileDevice::WriteOwner;
    return entry;
}

FileId idOfOpen(QFile& file) {
    return idOfHandle(reinterpret_cast<HANDLE>(_get_osfhandle(file.handle())));
}

// Windows lets nobody rename or delete a file this process holds open, so the attribute is
// set while the file is still open.
bool setModeOfOpen(QFile& file, QFileDevice::Permissions permissions) {
    return file.setPermissions(permissions);
}
#else
FileId idOfStat(const struct stat& info) {
    FileId id;
    id.device = static_cast<quint64>(info.st_dev);
    id.node = static_cast<quint64>(info.st_ino);
    id.known = true;
    return id;
}

QFileDevice::Permissions permissionsOfMode(mode_t mode) {
    QFileDevice::Permissions permissions;
    const std::pair<mode_t, QFileDevice::Permission> bits[] = {
        {S_IRUSR, QFileDevice::ReadOwner},  {S_IWUSR, QFileDevice::WriteOwner},
        {S_IXUSR, QFileDevice::ExeOwner},   {S_IRGRP, QFileDevice::ReadGroup},
        {S_IWGRP, QFileDevice::WriteGroup}, {S_IXGRP, QFileDevice::ExeGroup},
        {S_IROTH, QFileDevice::ReadOther},  {S_IWOTH, QFileDevice::WriteOther},
        {S_IXOTH, QFileDevice::ExeOther}};
    for (const auto& [bit, permission] : bits)
        if (mode & bit)
            permissions |= permission;
    return permissions;
}

mode_t modeOfPermissions(QFileDevice::Permissions permissions) {
    mode_t mode = 0;
    const std::pair<QFileDevice::Permission, mode_t> bits[] = {
        {QFileDevice::ReadOwner, S_IRUSR},  {QFileDevice::WriteOwner, S_IWUSR},
        {QFileDevice::ExeOwner, S_IXUSR},   {QFileDevice::ReadGroup, S_IRGRP},
        {QFileDevice::WriteGroup, S_IWGRP}, {QFileDevice::ExeGroup, S_IXGRP},
        {QFileDevice::ReadOther, S_IROTH},  {QFileDevice::WriteOther, S_IWOTH},
        {QFileDevice::ExeOther, S_IXOTH}};
    for (const auto& [permission, bit] : bits)
        if (permissions & permission)
            mode |= bit;
    return mode;
}

EntryInfo entryAt(const QString& path) {
    EntryInfo entry;
    struct stat info;
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return entry;
    entry.kind = S_ISREG(info.st_mode) ? Entry::File
                 : S_ISLNK(info.st_mode) ? Entry::Link
                                         : Entry::Other;
    entry.id = idOfStat(info);
    entry.permissions = permissionsOfMode(info.st_mode);
    return entry;
}

FileId idOfOpen(QFile& file) {
    struct stat info;
    return ::fstat(file.handle(), &info) == 0 ? idOfStat(info) : FileId();
}

// The mode is set on the open file, never by name: another user may have swapped the name for
// a link to one of the player's files.
bool setModeOfOpen(QFile& file, QFileDevice::Permissions permissions) {
    return ::fchmod(file.handle(), modeOfPermissions(permissions)) == 0;
}
#endif

// A fresh name beside `path` that nothing has yet: `path` + "." + six letters or digits.
QString freshNameBeside(const QString& path) {
    static const char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
        QString name = path + QLatin1Char('.');
        for (int i = 0; i < 6; ++i)
            name += QLatin1Char(letters[QRandomGenerator::global()->bounded(62)]);
        if (entryAt(name).kind == Entry::Missing)
            return name;
    }
    return QString();
}

// A file written beside its destination, and which file it is. Where the system allows it the
// file stays open until the pass ends, so that its number cannot be given to another file (a
// link put in its place) and make that one pass for it.
struct Staged {
    QString path;
    FileId id;
    std::unique_ptr<QFile> file;
};

// The reason a write stopped; a write that stopped short without a reason ran out of room.
QString writeFailure(const QFile& file, const QString& destination) {
    const QString reason = file.error() == QFileDevice::NoError ? QString() : file.errorString();
    if (reason.isEmpty() || reason == QStringLiteral("Unknown error"))
        return QStringLiteral("the disk holding %1 is full")
            .arg(QDir::toNativeSeparators(QFileInfo(destination).absolutePath()));
    return reason;
}

// A new file beside `destination`, created exclusively (never through a link), holding `bytes`
// and carrying `permissions`; its path is empty, with the reason in `error`, on failure.
Staged stageBeside(const QString& destination, const QByteArray& bytes,
                   QFileDevice::Permissions permissions, QString* error) {
    Staged staged;
    const QString path = freshNameBeside(destination);
    if (path.isEmpty()) {
        *error = QStringLiteral("File already exists");
        return staged;
    }
    auto file = std::make_unique<QFile>(path);
    if (!file->open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered)) {
        *error = file->errorString();
        return staged;
    }
    const bool written = file->write(bytes) == bytes.size();
    if (!written)
        *error = writeFailure(*file, destination);
    else if (!setModeOfOpen(*file, permissions))
        *error = QStringLiteral("cannot set the permissions of %1").arg(path);
    const FileId id = idOfOpen(*file);
    if (!written || !error->isEmpty()) {
        file->close();
        QFile::remove(path);
        return staged;
    }
#ifdef Q_OS_WIN
    // Windows renames no file that is open; nor does it give a removed file's number to
    // another soon after.
    file->close();
#endif
    staged.path = path;
    staged.id = id;
    staged.file = std::move(file);
    return staged;
}

// The old file's mode carries over to its replacement; a new file is readable by everyone.
// Read-only takes every write permission away; writable gives the owner's back.
QFileDevice::Permissions permissionsFor(const EntryInfo& old, WriteProtection protection) {
    QFileDevice::Permissions permissions = QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                           QFileDevice::ReadGroup | QFileDevice::ReadOther;
    if (old.kind == Entry::File)
        permissions = old.permissions;
    if (protection == WriteProtection::ReadOnly)
        permissions &= ~(QFileDevice::WriteOwner | QFileDevice::WriteUser |
                         QFileDevice::WriteGroup | QFileDevice::WriteOther);
    else if (protection == WriteProtection::Writable)
        permissions |= QFileDevice::WriteOwner;
    return permissions;
}

// Removes a file this pass made or kept aside. Removing a name never follows a link; Windows
// removes a read-only file only once it is writable.
void removeOwn(const QString& path) {
    if (path.isEmpty())
        return;
#ifdef Q_OS_WIN
    QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::WriteOwner);
#endif
    QFile::remove(path);
}

}  // namespace

QString replaceFilesTogether(const QStringList& destinations, const QByteArray& bytes,
                             const QList<WriteProtection>& protection) {
    std::vector<Staged> staged;
    QStringList asides(destinations.size());  // the old files, kept aside under a fresh name
    QList<bool> placed(destinations.size(), false);
    // Ends the set as it began: each old file back under its name (one that cannot go back
    // stays under its kept-aside name, never deleted), each new one gone.
    const auto putBack = [&] {
        for (int i = 0; i < destinations.size(); ++i) {
            if (!asides[i].isEmpty())
                renameOver(asides[i], destinations[i]);
            else if (placed[i])
                removeOwn(destinations[i]);
        }
        for (const Staged& file : staged)
            if (entryAt(file.path).id == file.id)
                removeOwn(file.path);
    };
    QString error;
    // Every new file is written in full before any old one is touched: a full disk fails here.
    for (int i = 0; i < destinations.size(); ++i) {
        const QString& destination = destinations[i];
        const EntryInfo old = entryAt(destination);
        if (old.kind == Entry::Other) {
            putBack();
            return QStringLiteral("cannot replace %1: it is not a file").arg(destination);
        }
        const QFileDevice::Permissions permissions =
            permissionsFor(old, protection.value(i, WriteProtection::AsBefore));
        Staged file = stageBeside(destination, bytes, permissions, &error);
        if (file.path.isEmpty()) {
            putBack();
            return QStringLiteral("cannot write beside %1: %2").arg(destination, error);
        }
        staged.push_back(std::move(file));
    }
    // The old files are kept aside by renaming them, never by reading them, until every new one
    // is in place.
    for (int i = 0; i < destinations.size(); ++i) {
        if (entryAt(destinations[i]).kind != Entry::Missing) {
            const QString aside = freshNameBeside(destinations[i]);
            error = aside.isEmpty() ? QStringLiteral("File already exists")
                                    : renameOver(destinations[i], aside);
            if (!error.isEmpty()) {
                putBack();
                return QStringLiteral("cannot keep a copy of %1: %2").arg(destinations[i], error);
            }
            asides[i] = aside;
        }
        error = renameOver(staged[static_cast<std::size_t>(i)].path, destinations[i]);
        if (!error.isEmpty()) {
            putBack();
            return QStringLiteral("cannot replace %1: %2").arg(destinations[i], error);
        }
        placed[i] = true;
    }
    // In a folder others may write, a staged file may have been swapped for something else
    // before it was renamed in: only the files written here count as installed.
    for (int i = 0; i < destinations.size(); ++i) {
        if (!(entryAt(destinations[i]).id == staged[static_cast<std::size_t>(i)].id)) {
            putBack();
            return QStringLiteral(
                       "cannot replace %1: another program changed it while it was "
                       "being replaced")
                .arg(destinations[i]);
        }
    }
    for (QString& aside : asides)
        removeOwn(aside);
    return QString();
}

namespace {
bool endsInOneOf(const QString& name, const QStringList& extensions) {
    for (const QString& extension : extensions) {
        if (name.size() > extension.size() &&
            name.at(name.size() - extension.size() - 1) == QLatin1Char('.') &&
            name.endsWith(extension, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

#ifndef Q_OS_WIN
// Calls `seen` with each entry of the folder, its name as text and whether that text names it
// (a name that is not valid text in the file system's encoding does not).
template <class Seen>
void eachEntry(const QString& folder, Seen seen) {
    DIR* dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return;
    while (const dirent* entry = ::readdir(dir)) {
        const QByteArray raw(entry->d_name);
        const QString name = QFile::decodeName(raw);
        seen(dir, entry, name, QFile::encodeName(name) == raw);
    }
    ::closedir(dir);
}
#endif
}  // namespace

QStringList unreadableNames(const QString& folder, const QStringList& extensions) {
    QStringList names;
#ifndef Q_OS_WIN
    eachEntry(folder, [&](DIR*, const dirent*, const QString& name, bool text) {
        if (!text && endsInOneOf(name, extensions))
            names << name;
    });
    names.sort(Qt::CaseInsensitive);
#else
    Q_UNUSED(folder);
    Q_UNUSED(extensions);
#endif
    return names;
}

QStringList regularFilesIn(const QString& folder, const QStringList& extensions) {
    QStringList names;
#ifndef Q_OS_WIN
    eachEntry(folder, [&](DIR* dir, const dirent* entry, const QString& name, bool text) {
        if (entry->d_name[0] == '.' || !text || !endsInOneOf(name, extensions))
            return;
        bool regular = entry->d_type == DT_REG;
        if (entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) {
            // The listing counts a link to a device as a file; the file itself is looked at.
            struct stat target {};
            regular =
                ::fstatat(::dirfd(dir), entry->d_name, &target, 0) == 0 && S_ISREG(target.st_mode);
        }
        if (regular)
            names << name;
    });
#else
    QDir dir(folder);
    for (const QFileInfo& info : dir.entryInfoList(QDir::Files)) {
        if (info.isFile() && endsInOneOf(info.fileName(), extensions))
            names << info.fileName();
    }
#endif
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int folded = a.compare(b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a < b;
    });
    return names;
}

bool isPlainFile(const QString& path) {
    return entryAt(path).kind == Entry::File;
}

void deleteFileForced(const QString& path) {
    QFile file(path);
    if (!QFileInfo(path).isFile())
        raiseFileNotFound();
#ifdef Q_OS_WIN
    // Windows removes a read-only file only once it is writable; elsewhere removing a name
    // needs no change to the file (and would follow a link).
    file.setPermissions(file.permissions() | QFileDevice::WriteOwner | QFileDevice::WriteUser);
#endif
    if (!file.remove())
        raisePermissionDenied();
}

}  // namespace velmira
