#include "openfolder.h"

#include "platform/files.h"

#include <QFile>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velmira {

namespace {
// A name that stays inside the folder: one component, not "." or "..".
bool isOneName(const QString& name) {
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") &&
           !name.contains(QLatin1Char('/')) && !name.contains(QChar(0));
}
// The bytes of an opened regular file of this size, as many as can be read.
QByteArray readOpen(int fd, qint64 size) {
    QByteArray read(static_cast<qsizetype>(size), Qt::Uninitialized);
    qsizetype got = 0;
    while (got < read.size()) {
        const ssize_t n = ::read(fd, read.data() + got, static_cast<size_t>(read.size() - got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        got += n;
    }
    read.truncate(got);
    return read;
}
}  // namespace

OpenFolder::OpenFolder(OpenFolder&& other) noexcept
    : m_path(std::move(other.m_path)), m_fd(other.m_fd) {
    other.m_fd = -1;
}

OpenFolder& OpenFolder::operator=(OpenFolder&& other) noexcept {
    if (this != &other) {
        close();
        m_path = std::move(other.m_path);
        m_fd = other.m_fd;
        other.m_fd = -1;
    }
    return *this;
}

OpenFolder::~OpenFolder() {
    close();
}

void OpenFolder::close() {
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

bool OpenFolder::isOpen() const {
    return m_fd >= 0;
}

QString OpenFolder::pathOf(const QString& name) const {
    return joinPath(m_path, name);
}

OpenFolder OpenFolder::open(const QString& path, QString* reason) {
    OpenFolder folder;
    folder.m_fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder.m_fd < 0)
        *reason = systemErrorText(errno);
    else
        folder.m_path = path;
    return folder;
}

OpenFolder::Kind OpenFolder::kindOf(const QString& name) const {
    struct stat info;
    if (!isOpen() || !isOneName(name) ||
        ::fstatat(m_fd, QFile::encodeName(name).constData(), &info, AT_SYMLINK_NOFOLLOW) != 0)
        return Kind::Missing;
    if (S_ISREG(info.st_mode))
        return Kind::File;
    if (S_ISLNK(info.st_mode))
        return Kind::Link;
    return S_ISDIR(info.st_mode) ? Kind::Folder : Kind::Other;
}

OpenFolder OpenFolder::child(const QString& name, bool make, QString* reason) const {
    OpenFolder folder;
    if (!isOpen() || !isOneName(name)) {
        *reason = systemErrorText(EINVAL);
        return folder;
    }
    const QByteArray encoded = QFile::encodeName(name);
    if (make && ::mkdirat(m_fd, encoded.constData(), 0777) != 0 && errno != EEXIST) {
        *reason = systemErrorText(errno);
        return folder;
    }
    folder.m_fd = ::openat(m_fd, encoded.constData(),
                           O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    if (folder.m_fd < 0) {
        const int code = errno;
        const Kind kind = kindOf(name);
        *reason = kind == Kind::Link ? QStringLiteral("it is a link, not a folder")
                  : kind == Kind::File || kind == Kind::Other ? QStringLiteral("it is not a folder")
                                                              : systemErrorText(code);
        return folder;
    }
    folder.m_path = pathOf(name);
    return folder;
}

std::optional<QByteArray> OpenFolder::readFile(const QString& name, qint64 limit) const {
    if (!isOpen() || !isOneName(name))
        return std::nullopt;
    const int fd = ::openat(m_fd, QFile::encodeName(name).constData(),
                            O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    std::optional<QByteArray> bytes;
    struct stat info;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size <= limit)
        bytes = readOpen(fd, info.st_size);
    ::close(fd);
    return bytes;
}

OpenFolder::Written OpenFolder::writeNew(const QString& name, const QByteArray& bytes,
                                         QString* reason) const {
    if (!isOpen() || !isOneName(name)) {
        *reason = systemErrorText(EINVAL);
        return Written::Failed;
    }
    const QByteArray encoded = QFile::encodeName(name);
    const int fd = ::openat(m_fd, encoded.constData(),
                            O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0) {
        if (errno == EEXIST)
            return Written::Taken;
        *reason = systemErrorText(errno);
        return Written::Failed;
    }
    qsizetype done = 0;
    int code = 0;
    while (done < bytes.size()) {
        const ssize_t n =
            ::write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            code = n < 0 ? errno : ENOSPC;
            break;
        }
        done += n;
    }
    if (::close(fd) != 0 && code == 0)
        code = errno;
    if (code != 0) {
        ::unlinkat(m_fd, encoded.constData(), 0);
        *reason = systemErrorText(code);
        return Written::Failed;
    }
    return Written::Done;
}

QString OpenFolder::renameInside(const QString& from, const QString& to) const {
    if (::renameat(m_fd, QFile::encodeName(from).constData(), m_fd,
                   QFile::encodeName(to).constData()) != 0)
        return systemErrorText(errno);
    return QString();
}

void OpenFolder::removeInside(const QString& name) const {
    ::unlinkat(m_fd, QFile::encodeName(name).constData(), 0);
}

namespace {
// The descriptor, carried through the platform-neutral handle.
struct OpenFile {
    int fd;
};
}  // namespace

void* OpenFolder::openForMode(const QString& name, qint64 limit, QByteArray* bytes) const {
    if (!isOpen() || !isOneName(name))
        return nullptr;
    const int fd = ::openat(m_fd, QFile::encodeName(name).constData(),
                            O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return nullptr;
    struct stat info;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size > limit) {
        ::close(fd);
        return nullptr;
    }
    *bytes = readOpen(fd, info.st_size);
    return new OpenFile{fd};
}

OpenFolder::ModeSet OpenFolder::setModeOfOpen(void* file, bool writable, QString* reason) const {
    const int fd = static_cast<OpenFile*>(file)->fd;
    struct stat info;
    if (::fstat(fd, &info) != 0) {
        *reason = systemErrorText(errno);
        return ModeSet::Failed;
    }
    const mode_t old = info.st_mode & 07777;
    const mode_t mode = writable ? (old | S_IWUSR) : (old & ~mode_t(S_IWUSR | S_IWGRP | S_IWOTH));
    if (mode == old)
        return ModeSet::Unchanged;
    if (::fchmod(fd, mode) != 0) {
        *reason = systemErrorText(errno);
        return ModeSet::Failed;
    }
    return ModeSet::Changed;
}

void OpenFolder::closeForMode(void* file) const {
    auto* open = static_cast<OpenFile*>(file);
    ::close(open->fd);
    delete open;
}

}  // namespace velmira
