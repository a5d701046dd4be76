#include "openfolder_links_posix.h"

#include "platform/files.h"
#include "platform/openfolder.h"

#include <QCoreApplication>
#include <QFile>
#include <QList>

#include <cerrno>
#include <climits>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velmira {

namespace {
// The most links followed on the way to one folder or file, as the system's own limit.
constexpr int kMaxLinks = 40;

QString foreignLinkText() {
    return QCoreApplication::translate(
        "velmira::OpenFolder",
        "it is a link that another user could have put there, which Velmira does not follow");
}

// Whether the link `name` (as `link` describes it) in the open folder `folder` can only have
// been made by the player: the link and the folder belong to the player or to the system, and
// no other user may write in the folder, or only under names of their own (a sticky folder,
// where nobody else can rename or remove the player's link).
bool linkIsTrusted(int folder, const struct stat& link, QString* reason) {
    struct stat holder;
    if (::fstat(folder, &holder) != 0) {
        *reason = systemErrorText(errno);
        return false;
    }
    const uid_t me = ::geteuid();
    const auto ours = [me](uid_t owner) { return owner == me || owner == 0; };
    const bool othersWrite = (holder.st_mode & (S_IWGRP | S_IWOTH)) != 0;
    if (ours(link.st_uid) && ours(holder.st_uid) &&
        (!othersWrite || (holder.st_mode & S_ISVTX) != 0))
        return true;
    *reason = foreignLinkText();
    return false;
}

bool sameLink(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino && a.st_ctim.tv_sec == b.st_ctim.tv_sec &&
           a.st_ctim.tv_nsec == b.st_ctim.tv_nsec && a.st_size == b.st_size;
}

}  // namespace

int openPlayers(int from, const QByteArray& path, bool folder, int lastFlags, int* links,
                QString* reason) {
    const QList<QByteArray> parts = path.split('/');
    qsizetype last = -1;
    for (qsizetype i = 0; i < parts.size(); ++i)
        if (!parts[i].isEmpty() && parts[i] != ".")
            last = i;
    int at = path.startsWith('/') ? ::open("/", O_RDONLY | O_DIRECTORY | O_CLOEXEC)
                                  : ::fcntl(from, F_DUPFD_CLOEXEC, 0);
    if (at < 0) {
        *reason = systemErrorText(errno);
        return -1;
    }
    const auto fail = [&](const QString& why) {
        if (reason->isEmpty() || !why.isEmpty())
            *reason = why;
        ::close(at);
        return -1;
    };
    for (qsizetype i = 0; i <= last; ++i) {
        const QByteArray& part = parts[i];
        if (part.isEmpty() || part == ".")
            continue;
        const bool isLast = i == last;
        struct stat info;
        if (::fstatat(at, part.constData(), &info, AT_SYMLINK_NOFOLLOW) != 0)
            return fail(systemErrorText(errno));
        int next = -1;
        if (S_ISLNK(info.st_mode)) {
            if (++*links > kMaxLinks)
                return fail(systemErrorText(ELOOP));
            if (!linkIsTrusted(at, info, reason))
                return fail(QString());
            // The system's own links (under /proc) say they are empty: room for the longest.
            QByteArray target(PATH_MAX + 1, Qt::Uninitialized);
            const ssize_t length = ::readlinkat(at, part.constData(), target.data(),
                                                static_cast<size_t>(target.size()));
            if (length < 0 || length >= target.size())
                return fail(systemErrorText(length < 0 ? errno : EAGAIN));
            target.truncate(length);
            next = openPlayers(at, target, isLast ? folder : true, isLast ? lastFlags : 0, links,
                               reason);
            if (next < 0)
                return fail(QString());
            struct stat again;
            if (::fstatat(at, part.constData(), &again, AT_SYMLINK_NOFOLLOW) != 0 ||
                !sameLink(info, again)) {
                ::close(next);
                return fail(QCoreApplication::translate(
                    "velmira::OpenFolder", "the link was changed while it was being followed"));
            }
        } else {
            int flags = O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK;
            if (!isLast || folder)
                flags |= O_DIRECTORY;
            if (isLast)
                flags |= lastFlags;
            next = ::openat(at, part.constData(), flags);
            if (next < 0)
                return fail(systemErrorText(errno));
        }
        ::close(at);
        at = next;
    }
    return at;
}

bool OpenFolder::linkIsPlayers(const QString& name, QString* reason) const {
    if (kindOf(name) != Kind::Link)
        return true;
    // The whole way is looked at: a link of the player's may lead through another's.
    int links = 0;
#ifdef O_PATH
    const int opened = openPlayers(m_fd, QFile::encodeName(name), false, O_PATH, &links, reason);
#else
    const int opened = openPlayers(m_fd, QFile::encodeName(name), false, 0, &links, reason);
#endif
    if (opened < 0)
        return false;
    ::close(opened);
    return true;
}

}  // namespace velmira
