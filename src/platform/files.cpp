#include "files.h"

#include "core/failure.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>

#ifdef Q_OS_WIN
#include <windows.h>
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
    for (;;) {
        const QString hex = QString::number(QRandomGenerator::global()->bounded(0x100000), 16)
                                .toUpper()
                                .rightJustified(5, QLatin1Char('0'));
        const QString name = QStringLiteral("rad") + hex + QStringLiteral(".tmp");
        if (!QFileInfo::exists(joinPath(folder, name)))
            return name;
    }
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
    char buffer[64 * 1024];
    for (;;) {
        const qint64 got = in.read(buffer, sizeof buffer);
        if (got < 0)
            raise(ErrorNumber::DeviceIoError, QStringLiteral("Device I/O error"));
        if (got == 0)
            break;
        if (out.write(buffer, got) != got) {
            out.cancelWriting();
            raise(ErrorNumber::DeviceIoError, QStringLiteral("Device I/O error"));
        }
    }
    if (!out.commit())
        raise(ErrorNumber::PathFileAccessError, QStringLiteral("Path/File access error"));
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
