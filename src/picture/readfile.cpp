#include "readfile.h"

#include "platform/openfolder.h"

#include <algorithm>
#include <climits>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#ifndef Q_OS_WIN
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>
#endif

namespace velmira::picture {

bool isRegularFile(const QString& path) {
    // QFileInfo follows links; a link to a device or a FIFO is not a file.
    const QFileInfo info(path);
    return !path.isEmpty() && info.isFile();
}

namespace {

// Reads what an open file holds, bounded by what is read, never by what the file says its size
// is.
Result<QByteArray> readOpen(QFile& file, const QString& path, qint64 maxBytes, bool startOnly) {
    using Fail = Result<QByteArray>;
    QByteArray bytes;
    // Room for the size the file states, at most the bound, taken at once: growing a large
    // file's bytes step by step would need the old and the new room together.
    bytes.reserve(static_cast<qsizetype>(std::clamp<qint64>(file.size(), 0, maxBytes)));
    char buffer[64 * 1024];
    for (;;) {
        const qint64 got = file.read(buffer, sizeof buffer);
        if (got < 0)
            return Fail::failure(
                QCoreApplication::translate("velmira::picture::ReadFile", "cannot read %1: %2")
                    .arg(path, file.errorString()));
        if (got == 0)
            break;
        if (bytes.size() + got > maxBytes && startOnly) {
            bytes.append(buffer, static_cast<qsizetype>(maxBytes - bytes.size()));
            break;
        }
        if (bytes.size() + got > maxBytes) {
            // Every bound the program sets is far below 2 GB.
            const int bound = static_cast<int>(std::min<qint64>(maxBytes, INT_MAX));
            return Fail::failure(QCoreApplication::translate("velmira::picture::ReadFile",
                                                             "%1 is larger than %n bytes", nullptr,
                                                             bound)
                                     .arg(path));
        }
        bytes.append(buffer, static_cast<qsizetype>(got));
    }
    return bytes;
}

Result<QByteArray> readRegular(const QString& path, qint64 maxBytes, bool startOnly);

}  // namespace

Result<QByteArray> readRegularFile(const QString& path, qint64 maxBytes) {
    return readRegular(path, maxBytes, false);
}

Result<QByteArray> readRegularFileStart(const QString& path, qint64 maxBytes) {
    return readRegular(path, maxBytes, true);
}

namespace {
Result<QByteArray> readRegular(const QString& path, qint64 maxBytes, bool startOnly) {
    using Fail = Result<QByteArray>;
    if (path.isEmpty())
        return Fail::failure(
            QCoreApplication::translate("velmira::picture::ReadFile", "%1 does not exist")
                .arg(path));
    // A link another user could have put in the player's library (a shared one) is not read:
    // it may lead to a file of the player's that would then be installed for everyone to see.
    const auto foreignLink = [&] {
        QString why;
        if (OpenFolder::pathIsPlayers(path, &why))
            return std::optional<Fail>();
        return std::optional<Fail>(Fail::failure(
            QCoreApplication::translate("velmira::picture::ReadFile", "%1 is not read: %2")
                .arg(path, why)));
    };
#ifdef Q_OS_WIN
    if (auto refused = foreignLink())
        return *refused;
    const QFileInfo info(path);
    if (!info.exists())
        return Fail::failure(
            QCoreApplication::translate("velmira::picture::ReadFile", "%1 does not exist")
                .arg(path));
    if (!info.isFile())
        return Fail::failure(
            QCoreApplication::translate("velmira::picture::ReadFile", "%1 is not a regular file")
                .arg(path));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Fail::failure(
            QCoreApplication::translate("velmira::picture::ReadFile", "cannot open %1: %2")
                .arg(path, file.errorString()));
#else
    // Opened first, without waiting (a FIFO would block the open), then judged by what was
    // opened: a name checked before it is opened may be swapped for something else between.
    const QByteArray encoded = QFile::encodeName(path);
    int fd = ::open(encoded.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0 && errno == ELOOP) {
        // A link: followed when it is the player's own, which nobody else can change.
        if (auto refused = foreignLink())
            return *refused;
        fd = ::open(encoded.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    }
    if (fd < 0) {
        const int code = errno;
        if (code == ENOENT)
            return Fail::failure(
                QCoreApplication::translate("velmira::picture::ReadFile", "%1 does not exist")
                    .arg(path));
        return Fail::failure(
            QCoreApplication::translate("velmira::picture::ReadFile", "cannot open %1: %2")
                .arg(path, QString::fromLocal8Bit(strerror(code))));
    }
    struct stat opened;
    if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
        ::close(fd);
        return Fail::failure(
            QCoreApplication::translate("velmira::picture::ReadFile", "%1 is not a regular file")
                .arg(path));
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return Fail::failure(
            QCoreApplication::translate("velmira::picture::ReadFile", "cannot open %1: %2")
                .arg(path, file.errorString()));
    }
#endif
    return readOpen(file, path, maxBytes, startOnly);
}
}  // namespace

}  // namespace velmira::picture
