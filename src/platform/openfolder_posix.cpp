#include "openfolder.h"

#include "platform/files.h"
#include "platform/openfolder_links_posix.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <climits>
#include <utility>
#include <vector>

#include <dirent.h>

#include <fcntl.h>
#include <stdio.h>
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

OpenFolder::FileState stateOfStat(const struct stat& info) {
    OpenFolder::FileState state;
    state.device = static_cast<quint64>(info.st_dev);
    state.node = static_cast<quint64>(info.st_ino);
    state.size = static_cast<qint64>(info.st_size);
    state.modified = qint64{info.st_mtim.tv_sec} * 1000000000 + info.st_mtim.tv_nsec;
    state.changed = qint64{info.st_ctim.tv_sec} * 1000000000 + info.st_ctim.tv_nsec;
    state.known = true;
    return state;
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
        if (kind == Kind::Link) {
            // The player's own link (a mod kept on another disk) is followed, and nobody
            // else's.
            int links = 0;
            QString why;
            folder.m_fd = openPlayers(m_fd, encoded, true, 0, &links, &why);
            if (folder.m_fd < 0)
                *reason = why == systemErrorText(ENOTDIR)
                              ? QCoreApplication::translate("velmira::OpenFolder",
                                                            "it is a link, not a folder")
                              : why;
        } else {
            *reason = kind == Kind::File || kind == Kind::Other
                          ? QCoreApplication::translate("velmira::OpenFolder", "it is not a folder")
                          : systemErrorText(code);
        }
        if (folder.m_fd < 0)
            return folder;
    }
    folder.m_path = pathOf(name);
    return folder;
}

OpenFolder::FileState OpenFolder::stateOf(const QString& name) const {
    struct stat info;
    if (!isOpen() || !isOneName(name) ||
        ::fstatat(m_fd, QFile::encodeName(name).constData(), &info, AT_SYMLINK_NOFOLLOW) != 0 ||
        !S_ISREG(info.st_mode))
        return FileState();
    return stateOfStat(info);
}

std::optional<QByteArray> OpenFolder::readFile(const QString& name, qint64 limit, FileState* state,
                                               Links links) const {
    if (state)
        *state = FileState();
    if (!isOpen() || !isOneName(name))
        return std::nullopt;
    const QByteArray encoded = QFile::encodeName(name);
    int fd = ::openat(m_fd, encoded.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0 && errno == ELOOP && links == Links::PlayersFollowed) {
        int followed = 0;
        QString ignored;
        fd = openPlayers(m_fd, encoded, false, 0, &followed, &ignored);
    }
    if (fd < 0)
        return std::nullopt;
    std::optional<QByteArray> bytes;
    struct stat info;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size <= limit) {
        bytes = readOpen(fd, info.st_size);
        if (state)
            *state = stateOfStat(info);
    }
    ::close(fd);
    return bytes;
}

namespace {
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

// The descriptor of a staged file, carried through the platform-neutral handle.
struct OpenFile {
    int fd;
};
}  // namespace

OpenFolder::Entry OpenFolder::entryOf(const QString& name) const {
    Entry entry;
    struct stat info;
    if (!isOpen() || !isOneName(name) ||
        ::fstatat(m_fd, QFile::encodeName(name).constData(), &info, AT_SYMLINK_NOFOLLOW) != 0)
        return entry;
    entry.kind = S_ISREG(info.st_mode)   ? Kind::File
                 : S_ISLNK(info.st_mode) ? Kind::Link
                 : S_ISDIR(info.st_mode) ? Kind::Folder
                                         : Kind::Other;
    entry.id.device = static_cast<quint64>(info.st_dev);
    entry.id.node = static_cast<quint64>(info.st_ino);
    entry.id.known = true;
    entry.permissions = permissionsOfMode(info.st_mode);
    return entry;
}

OpenFolder::Written OpenFolder::stage(const QString& name, const QByteArray& bytes,
                                      const Likeness& like, Staged* staged, QString* reason) const {
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
    // The group first (a change of group may take the set-group bit away), then the mode, both
    // on the open file, never by name: another user may have swapped the name for a link to one
    // of the player's files by now. A group the player does not belong to is not theirs to
    // give: the file keeps the folder's, and the mode keeps it from being more open.
    std::optional<mode_t> mode;
    if (like.permissions)
        mode = modeOfPermissions(*like.permissions);
    struct stat info;
    if (code == 0 && mode && !like.file.isEmpty() && isOneName(like.file) &&
        ::fstatat(m_fd, QFile::encodeName(like.file).constData(), &info, AT_SYMLINK_NOFOLLOW) ==
            0 &&
        S_ISREG(info.st_mode)) {
        const gid_t group = info.st_gid;
        if (::fstat(fd, &info) == 0 && info.st_gid != group &&
            ::fchown(fd, static_cast<uid_t>(-1), group) != 0)
            *mode &= ~mode_t(S_IRWXG);
    }
    if (code == 0 && mode && ::fchmod(fd, *mode) != 0)
        code = errno;
    if (code == 0 && ::fstat(fd, &info) != 0)
        code = errno;
    if (code != 0) {
        ::close(fd);
        if (::fstatat(m_fd, encoded.constData(), &info, AT_SYMLINK_NOFOLLOW) == 0)
            ::unlinkat(m_fd, encoded.constData(), 0);
        *reason = systemErrorText(code);
        return Written::Failed;
    }
    staged->name = name;
    staged->id.device = static_cast<quint64>(info.st_dev);
    staged->id.node = static_cast<quint64>(info.st_ino);
    staged->id.known = true;
    staged->file = new OpenFile{fd};
    return Written::Done;
}

void OpenFolder::release(Staged& staged) const {
    if (auto* open = static_cast<OpenFile*>(staged.file)) {
        ::close(open->fd);
        delete open;
    }
    staged.file = nullptr;
}

QString OpenFolder::renameInside(const QString& from, const QString& to) const {
    if (!isOpen() || !isOneName(from) || !isOneName(to))
        return systemErrorText(EINVAL);
    if (::renameat(m_fd, QFile::encodeName(from).constData(), m_fd,
                   QFile::encodeName(to).constData()) != 0)
        return systemErrorText(errno);
    return QString();
}

OpenFolder::Written OpenFolder::renameNew(const QString& from, const QString& to,
                                          QString* reason) const {
    if (!isOpen() || !isOneName(from) || !isOneName(to)) {
        *reason = systemErrorText(EINVAL);
        return Written::Failed;
    }
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
    if (::renameat2(m_fd, source.constData(), m_fd, target.constData(), RENAME_NOREPLACE) == 0)
        return Written::Done;
    int code = errno;
    // A file system that cannot rename without replacing gives the file its second name and
    // takes the first away: link never replaces anything either.
    if (code == EINVAL || code == ENOSYS) {
        if (::linkat(m_fd, source.constData(), m_fd, target.constData(), 0) == 0) {
            ::unlinkat(m_fd, source.constData(), 0);
            return Written::Done;
        }
        code = errno;
    }
    if (code == EEXIST)
        return Written::Taken;
    *reason = systemErrorText(code);
    return Written::Failed;
}

void OpenFolder::removeInside(const QString& name) const {
    if (isOpen() && isOneName(name))
        ::unlinkat(m_fd, QFile::encodeName(name).constData(), 0);
}

namespace {
// Empties the open folder `fd` (and closes it), a level at a time up to `depth` levels down.
int emptyFolder(int fd, int depth) {
    DIR* listing = ::fdopendir(fd);
    if (!listing) {
        const int code = errno;
        ::close(fd);
        return code;
    }
    int code = 0;
    std::vector<QByteArray> names;
    while (const dirent* entry = ::readdir(listing)) {
        const QByteArray name(entry->d_name);
        if (name != "." && name != "..")
            names.push_back(name);
    }
    for (const QByteArray& name : names) {
        struct stat info;
        if (::fstatat(fd, name.constData(), &info, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        if (S_ISDIR(info.st_mode)) {
            const int inner =
                ::openat(fd, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            code = inner < 0 ? errno : depth > 0 ? emptyFolder(inner, depth - 1) : ELOOP;
            if (inner >= 0 && depth <= 0)
                ::close(inner);
            if (code == 0 && ::unlinkat(fd, name.constData(), AT_REMOVEDIR) != 0)
                code = errno;
        } else if (::unlinkat(fd, name.constData(), 0) != 0) {
            code = errno;
        }
        if (code != 0)
            break;
    }
    ::closedir(listing);
    return code;
}
}  // namespace

QString OpenFolder::removeFolder(const QString& name) const {
    if (!isOpen() || !isOneName(name))
        return systemErrorText(EINVAL);
    const QByteArray encoded = QFile::encodeName(name);
    const int fd =
        ::openat(m_fd, encoded.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return systemErrorText(errno);
    struct stat opened;
    if (::fstat(fd, &opened) != 0) {
        const int code = errno;
        ::close(fd);
        return systemErrorText(code);
    }
    constexpr int kDepth = 64;
    if (const int code = emptyFolder(fd, kDepth); code != 0)
        return systemErrorText(code);
    // Only the folder emptied: a name swapped meanwhile is left to whoever swapped it.
    struct stat there;
    if (::fstatat(m_fd, encoded.constData(), &there, AT_SYMLINK_NOFOLLOW) != 0 ||
        there.st_dev != opened.st_dev || there.st_ino != opened.st_ino)
        return systemErrorText(ENOENT);
    if (::unlinkat(m_fd, encoded.constData(), AT_REMOVEDIR) != 0)
        return systemErrorText(errno);
    return QString();
}

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
