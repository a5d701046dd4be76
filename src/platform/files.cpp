#include "files.h"

#include "core/failure.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

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
    raise(ErrorNumber::FileAlreadyExists,
          QCoreApplication::translate("velmira::Failure", "File already exists"));
}

QString systemErrorText(int code) {
#ifdef Q_OS_WIN
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, static_cast<DWORD>(code), 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    QString text =
        length ? QString::fromWCharArray(buffer, static_cast<qsizetype>(length)).trimmed()
               : QCoreApplication::translate("velmira::Failure", "system error %1").arg(code);
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
#ifdef Q_OS_WIN
    const DWORD attributes =
        GetFileAttributesW(QDir::toNativeSeparators(path).toStdWString().c_str());
    return attributes != INVALID_FILE_ATTRIBUTES &&
           !(attributes &
             (FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE));
#else
    struct stat info;
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 && S_ISREG(info.st_mode);
#endif
}

}  // namespace velmira
