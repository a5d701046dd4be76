#include "hpk.h"

#include "core/bytes.h"
#include "core/plural.h"
#include "wad/layout.h"
#include "wad/wad.h"

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

namespace velmira::wad {

using namespace velmira::spray;

Result<SprayCache> readSprayCache(const QByteArray& bytes) {
    using Fail = Result<SprayCache>;
    using namespace HpkLayout;
    if (bytes.size() < HeaderSize || !bytes.startsWith("HPAK"))
        return Fail::failure(
            QCoreApplication::translate("velmira::wad::Hpk", "it is not a cache of sprays"));
    if (*readU32(bytes, VersionOffset) != Version)
        return Fail::failure(QCoreApplication::translate(
            "velmira::wad::Hpk", "the cache is of a version the game does not write"));
    const qint64 directory = *readU32(bytes, DirectoryOffsetOffset);
    const auto count = readU32(bytes, directory);
    if (directory < HeaderSize || !count)
        return Fail::failure(QCoreApplication::translate("velmira::wad::Hpk",
                                                         "the cache's directory lies outside it"));
    if (*count < 1 || *count > MaxEntries)
        return Fail::failure(translatedCount(
            "velmira::wad::Hpk",
            QT_TRANSLATE_N_NOOP("velmira::wad::Hpk", "the cache's directory counts %n entries"),
            *count));
    // Checked before anything is kept: the whole directory is inside the file.
    const qint64 entries = qint64{*count};
    if (directory + CountSize + entries * EntrySize > bytes.size())
        return Fail::failure(
            QCoreApplication::translate("velmira::wad::Hpk", "the cache is cut short"));
    // What the entries claim, added up, is never more than the file: however the directory
    // repeats or overlaps its entries, reading them costs no more than the file's size.
    qint64 claimed = 0;
    for (qint64 i = 0; i < entries; ++i)
        claimed += *readU32(bytes, directory + CountSize + i * EntrySize + DataLengthOffset);
    if (claimed > bytes.size())
        return Fail::failure(QCoreApplication::translate(
            "velmira::wad::Hpk", "the cache's entries add up to more than the file"));
    SprayCache cache;
    for (qint64 i = 0; i < entries; ++i) {
        const qint64 entry = directory + CountSize + i * EntrySize;
        const qint64 offset = *readU32(bytes, entry + DataOffsetOffset);
        const qint64 length = *readU32(bytes, entry + DataLengthOffset);
        // Between the header and the directory, where the game writes its entries' data.
        const bool inside = offset >= HeaderSize && length >= MinData && length <= MaxData &&
                            offset + length <= directory;
        if (*readU32(bytes, entry + TypeOffset) != TypeDecal || !inside) {
            ++cache.passedOver;
            continue;
        }
        const QByteArray data = QByteArray::fromRawData(bytes.constData() + offset, length);
        if (!checkSprayFile(data)) {
            ++cache.passedOver;
            continue;
        }
        const QByteArray name = bytes.mid(entry, NameSize);
        CachedSpray spray;
        spray.name = QString::fromLatin1(name.left(name.indexOf('\0')));
        spray.offset = offset;
        spray.length = length;
        cache.sprays.push_back(std::move(spray));
    }
    return cache;
}

Result<QByteArray> readSprayAgain(const QString& path, const CachedSpray& spray) {
    using Fail = Result<QByteArray>;
    using namespace HpkLayout;
    if (spray.offset < HeaderSize || spray.length < MinData || spray.length > MaxData)
        return Fail::failure(
            QCoreApplication::translate("velmira::wad::Hpk", "no spray of the cache lies there"));
    QFile file;
#ifdef Q_OS_WIN
    if (!QFileInfo::exists(path))
        return Fail::failure(QCoreApplication::translate("velmira::wad::Hpk", "it is gone"));
    if (!QFileInfo(path).isFile())
        return Fail::failure(
            QCoreApplication::translate("velmira::wad::Hpk", "it is no longer a file"));
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly))
        return Fail::failure(
            QCoreApplication::translate("velmira::wad::Hpk", "it cannot be opened: %1")
                .arg(file.errorString()));
#else
    // Opened first, without waiting, then judged by what was opened.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int code = errno;
        return Fail::failure(
            code == ENOENT
                ? QCoreApplication::translate("velmira::wad::Hpk", "it is gone")
                : QCoreApplication::translate("velmira::wad::Hpk", "it cannot be opened: %1")
                      .arg(QString::fromLocal8Bit(strerror(code))));
    }
    struct stat opened;
    if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
        ::close(fd);
        return Fail::failure(
            QCoreApplication::translate("velmira::wad::Hpk", "it is no longer a file"));
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return Fail::failure(
            QCoreApplication::translate("velmira::wad::Hpk", "it cannot be opened: %1")
                .arg(file.errorString()));
    }
#endif
    if (!file.seek(spray.offset))
        return Fail::failure(QCoreApplication::translate("velmira::wad::Hpk", "it is shorter now"));
    // Bounded by the length asked for, whatever the file does meanwhile: a file that ends (or
    // is cut) before it is shorter than when it was listed.
    QByteArray bytes(static_cast<qsizetype>(spray.length), Qt::Uninitialized);
    qint64 got = 0;
    while (got < spray.length) {
        const qint64 now = file.read(bytes.data() + got, spray.length - got);
        if (now <= 0)
            return Fail::failure(
                QCoreApplication::translate("velmira::wad::Hpk", "it is shorter now"));
        got += now;
    }
    return bytes;
}

}  // namespace velmira::wad
