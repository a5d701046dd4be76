#include "files.h"

#include "core/failure.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <cstring>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <dirent.h>
#endif

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

// A new file beside `destination`, created exclusively, holding `bytes` and carrying
// `permissions`; its path, or empty with the reason in `error`.
QString stageBeside(const QString& destination, const QByteArray& bytes,
                    QFileDevice::Permissions permissions, QString* error) {
    QTemporaryFile staged(destination + QStringLiteral(".XXXXXX"));
    staged.setAutoRemove(false);
    if (!staged.open()) {
        *error = staged.errorString();
        return QString();
    }
    const QString path = staged.fileName();
    const bool written = staged.write(bytes) == bytes.size() && staged.flush();
    if (!written)
        *error = staged.errorString();
    staged.close();
    if (written && !QFile::setPermissions(path, permissions)) {
        *error = QStringLiteral("cannot set the permissions of %1").arg(path);
        QFile::remove(path);
        return QString();
    }
    if (!written) {
        QFile::remove(path);
        return QString();
    }
    return QDir::toNativeSeparators(path);
}

QFileDevice::Permissions permissionsFor(const QString& destination) {
    const QFileInfo old(destination);
    // The "user" flags tell what this process may do (everything, for root), not the file's
    // mode: only the owner, group and other flags are carried over.
    if (old.isFile())
        return old.permissions() &
               ~(QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser);
    return QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
           QFileDevice::ReadOther;
}

QByteArray wholeFile(const QString& path, bool* ok) {
    QFile file(path);
    *ok = file.open(QIODevice::ReadOnly);
    QByteArray bytes;
    while (*ok && !file.atEnd()) {
        const QByteArray chunk = file.read(64 * 1024);
        if (chunk.isEmpty() && file.error() != QFileDevice::NoError)
            *ok = false;
        if (chunk.isEmpty())
            break;
        bytes += chunk;
    }
    return bytes;
}

}  // namespace

QString replaceFilesTogether(const QStringList& destinations, const QByteArray& bytes) {
    QStringList staged;
    QStringList backups;  // one per destination; empty where there was no file
    const auto cleanUp = [&] {
        // A kept-aside copy of a read-only file is read-only too; Windows removes it only
        // once it is writable.
        for (const QString& path : staged + backups) {
            if (path.isEmpty())
                continue;
            QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::WriteOwner);
            QFile::remove(path);
        }
    };
    QString error;
    // Every new file is written in full before any old one is touched: a full disk fails here.
    for (const QString& destination : destinations) {
        const QString path = stageBeside(destination, bytes, permissionsFor(destination), &error);
        if (path.isEmpty()) {
            cleanUp();
            return QStringLiteral("cannot write beside %1: %2").arg(destination, error);
        }
        staged << path;
    }
    // The old files are kept aside until every new one is in place.
    for (const QString& destination : destinations) {
        QString backup;
        if (QFileInfo(destination).isFile()) {
            bool ok = false;
            const QByteArray old = wholeFile(destination, &ok);
            if (ok)
                backup = stageBeside(destination, old, permissionsFor(destination), &error);
            if (backup.isEmpty()) {
                cleanUp();
                return QStringLiteral("cannot keep a copy of %1: %2").arg(destination, error);
            }
        }
        backups << backup;
    }
    for (int i = 0; i < destinations.size(); ++i) {
        error = renameOver(staged[i], destinations[i]);
        if (error.isEmpty()) {
            staged[i].clear();
            continue;
        }
        // Put back every file already replaced: the set ends all old, as it began.
        for (int done = 0; done < i; ++done) {
            if (backups[done].isEmpty())
                QFile::remove(destinations[done]);
            else if (renameOver(backups[done], destinations[done]).isEmpty())
                backups[done].clear();
        }
        cleanUp();
        return QStringLiteral("cannot replace %1: %2").arg(destinations[i], error);
    }
    cleanUp();
    return QString();
}

QStringList unreadableNames(const QString& folder, const QStringList& extensions) {
    QStringList names;
#ifndef Q_OS_WIN
    DIR* dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return names;
    while (const dirent* entry = ::readdir(dir)) {
        const QByteArray raw(entry->d_name);
        const QString name = QFile::decodeName(raw);
        if (QFile::encodeName(name) == raw)
            continue;
        for (const QString& extension : extensions) {
            if (name.endsWith(QLatin1Char('.') + extension, Qt::CaseInsensitive)) {
                names << name;
                break;
            }
        }
    }
    ::closedir(dir);
    names.sort(Qt::CaseInsensitive);
#else
    Q_UNUSED(folder);
    Q_UNUSED(extensions);
#endif
    return names;
}

void deleteFileForced(const QString& path) {
    QFile file(path);
    if (!QFileInfo(path).isFile())
        raiseFileNotFound();
    file.setPermissions(file.permissions() | QFileDevice::WriteOwner | QFileDevice::WriteUser);
    if (!file.remove())
        raisePermissionDenied();
}

}  // namespace velmira
