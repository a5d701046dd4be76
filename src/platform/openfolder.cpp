#include "openfolder.h"

#include "platform/files.h"

#include <QCoreApplication>
#include <QDir>
#include <QRandomGenerator>

#include <vector>

namespace velmira {

namespace {
// The old file's mode carries over to its replacement; a new file is readable by everyone.
// Read-only takes every write permission away; writable gives the owner's back.
QFileDevice::Permissions permissionsFor(bool oldIsFile, QFileDevice::Permissions old,
                                        WriteProtection protection) {
    QFileDevice::Permissions permissions = QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                           QFileDevice::ReadGroup | QFileDevice::ReadOther;
    if (oldIsFile)
        permissions = old;
    if (protection == WriteProtection::ReadOnly)
        permissions &= ~(QFileDevice::WriteOwner | QFileDevice::WriteUser |
                         QFileDevice::WriteGroup | QFileDevice::WriteOther);
    else if (protection == WriteProtection::Writable)
        permissions |= QFileDevice::WriteOwner;
    return permissions;
}
}  // namespace

bool OpenFolder::parentAndName(const QString& path, QString* parent, QString* name) {
    const QString clean = QDir::cleanPath(QDir::fromNativeSeparators(path));
    const qsizetype cut = clean.lastIndexOf(QLatin1Char('/'));
    if (cut < 0 || cut == clean.size() - 1)
        return false;
    *parent = clean.left(cut);
    // "/" above a top folder; "C:" alone would be the drive's current folder, not its root.
    if (cut == 0 || (parent->size() == 2 && parent->at(1) == QLatin1Char(':')))
        *parent += QLatin1Char('/');
    *name = clean.mid(cut + 1);
    return true;
}

bool OpenFolder::pathIsPlayers(const QString& path, QString* reason) {
    QString parent, name, ignored;
    if (!parentAndName(path, &parent, &name))
        return true;
    const OpenFolder folder = open(parent, &ignored);
    return !folder.isOpen() || folder.linkIsPlayers(name, reason);
}

OpenFolder OpenFolder::openLast(const QString& path, QString* reason) {
    QString parent, name;
    const bool endsInSeparator =
        path.endsWith(QLatin1Char('/')) || path.endsWith(QLatin1Char('\\'));
    if (endsInSeparator || !parentAndName(path, &parent, &name))
        return open(path, reason);
    const OpenFolder folder = open(parent, reason);
    return folder.isOpen() ? folder.child(name, false, reason) : OpenFolder();
}

QString OpenFolder::freshNameFor(const QString& name) const {
    // Hidden, and short whatever the name's length: a name near the longest a folder holds
    // leaves no room for more.
    const QString stem = name.size() <= 40 ? name : QStringLiteral("velmira");
    for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
        const QString fresh = QStringLiteral(".%1.%2").arg(stem).arg(
            QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
        if (kindOf(fresh) == Kind::Missing)
            return fresh;
    }
    return QString();
}

OpenFolder::Written OpenFolder::stageFresh(const QString& name, const QByteArray& bytes,
                                           const Likeness& like, Staged* staged,
                                           QString* reason) const {
    // A name taken between the look and the create is simply another fresh name.
    for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
        const QString fresh = freshNameFor(name);
        if (fresh.isEmpty())
            break;
        const Written written = stage(fresh, bytes, like, staged, reason);
        if (written != Written::Taken)
            return written;
    }
    *reason = QCoreApplication::translate("velmira::OpenFolder", "File already exists");
    return Written::Failed;
}

OpenFolder::Written OpenFolder::writeNew(
    const QString& name, const QByteArray& bytes, QString* reason,
    std::optional<QFileDevice::Permissions> permissions) const {
    Staged staged;
    const Written written = stage(name, bytes, Likeness{permissions, QString()}, &staged, reason);
    release(staged);
    return written;
}

void OpenFolder::removeOwn(const Staged& staged) const {
    if (!staged.name.isEmpty() && entryOf(staged.name).id == staged.id)
        removeInside(staged.name);
}

QString OpenFolder::writeUnderFreeName(const QByteArray& bytes,
                                       const std::function<QString(int)>& nameFor, int first,
                                       int attempts, QString* reason, int* next,
                                       std::optional<QFileDevice::Permissions> permissions) const {
    Staged staged;
    reason->clear();
    if (stageFresh(nameFor(first), bytes, Likeness{permissions, QString()}, &staged, reason) !=
        Written::Done)
        return QString();
    QString given;
    for (int n = first; n < first + attempts; ++n) {
        const QString name = nameFor(n);
        // A name in use, a link included, is passed over: nothing is replaced.
        if (kindOf(name) != Kind::Missing)
            continue;
        const Written renamed = renameNew(staged.name, name, reason);
        if (renamed == Written::Taken)
            continue;
        if (renamed == Written::Failed)
            break;
        if (next)
            *next = n + 1;
        // In a folder others may write, the hidden file may have been swapped for something
        // else before it was renamed: only the file written here counts as saved.
        if (entryOf(name).id == staged.id) {
            given = name;
        } else {
            *reason =
                QCoreApplication::translate("velmira::OpenFolder",
                                            "another program changed %1 while it was being saved")
                    .arg(pathOf(name));
        }
        staged.name.clear();
        break;
    }
    if (given.isEmpty() && reason->isEmpty())
        *reason = QCoreApplication::translate("velmira::OpenFolder", "every name for it is taken");
    removeOwn(staged);
    release(staged);
    return given;
}

OpenFolder::Replaced OpenFolder::replaceLike(const QString& name, const QByteArray& bytes,
                                             const Likeness& like,
                                             const std::function<bool()>& stillThere,
                                             QString* reason) const {
    Staged staged;
    if (stageFresh(name, bytes, like, &staged, reason) != Written::Done)
        return Replaced::Failed;
    Replaced replaced = Replaced::Done;
    // Looked at last, when nothing but the rename is left to do.
    if (stillThere && !stillThere())
        replaced = Replaced::Changed;
    else
        *reason = renameInside(staged.name, name);
    if (replaced == Replaced::Done && !reason->isEmpty())
        replaced = Replaced::Failed;
    if (replaced != Replaced::Done)
        removeOwn(staged);
    release(staged);
    return replaced;
}

bool OpenFolder::replace(const QString& name, const QByteArray& bytes, QString* reason,
                         ReadOnlyFile readOnly) const {
    const Entry old = entryOf(name);
    const bool isFile = old.kind == Kind::File;
    if (isFile && readOnly == ReadOnlyFile::Refuse &&
        !(old.permissions & QFileDevice::WriteOwner)) {
        *reason = QCoreApplication::translate("velmira::OpenFolder",
                                              "%1 is read-only, so it is left as it is")
                      .arg(pathOf(name));
        return false;
    }
    const Likeness like{permissionsFor(isFile, old.permissions, WriteProtection::AsBefore),
                        isFile ? name : QString()};
    return replaceLike(name, bytes, like, {}, reason) == Replaced::Done;
}

OpenFolder::Replaced OpenFolder::replaceIfUnchanged(const QString& name, const FileState& read,
                                                    const QByteArray& bytes,
                                                    QString* reason) const {
    // Not a plain file any more has no state to match.
    if (stateOf(name) != read)
        return Replaced::Changed;
    const Entry old = entryOf(name);
    const Likeness like{permissionsFor(true, old.permissions, WriteProtection::AsBefore), name};
    return replaceLike(
        name, bytes, like, [&] { return stateOf(name) == read; }, reason);
}

bool OpenFolder::keepCopy(const QString& original, const QString& copy, const QByteArray& bytes,
                          QString* reason) const {
    // Owner only when the original cannot be looked at: a copy is never the more open one.
    const Entry of = entryOf(original);
    const bool isFile = of.kind == Kind::File;
    const Likeness like{isFile ? of.permissions : QFileDevice::ReadOwner | QFileDevice::WriteOwner,
                        isFile ? original : QString()};
    return replaceLike(copy, bytes, like, {}, reason) == Replaced::Done;
}

QString OpenFolder::renamePlainFile(const QString& from, const QString& to) const {
    if (entryOf(from).kind != Kind::File)
        return QCoreApplication::translate("velmira::OpenFolder", "%1 is not a plain file")
            .arg(pathOf(from));
    const Kind there = entryOf(to).kind;
    if (there != Kind::Missing && there != Kind::File)
        return QCoreApplication::translate("velmira::OpenFolder",
                                           "%1 is in the way and is not a file")
            .arg(pathOf(to));
    return renameInside(from, to);
}

QString OpenFolder::replaceTogether(const QStringList& names, const QByteArray& bytes,
                                    const QList<WriteProtection>& protection) const {
    std::vector<Staged> staged;
    QStringList asides(names.size());  // the old files, kept aside under a fresh name
    QList<bool> placed(names.size(), false);
    // Ends the set as it began: each old file back under its name (one that cannot go back
    // stays under its kept-aside name, never deleted), each new one gone.
    const auto putBack = [&] {
        for (int i = 0; i < names.size(); ++i) {
            if (!asides[i].isEmpty())
                renameInside(asides[i], names[i]);
            else if (placed[i])
                removeOwn(Staged{names[i], staged[static_cast<std::size_t>(i)].id, nullptr});
        }
        for (Staged& file : staged) {
            removeOwn(file);
            release(file);
        }
    };
    QString error;
    // Every new file is written in full before any old one is touched: a full disk fails here.
    for (int i = 0; i < names.size(); ++i) {
        const QString& name = names[i];
        const Entry old = entryOf(name);
        if (old.kind != Kind::Missing && old.kind != Kind::File && old.kind != Kind::Link) {
            putBack();
            return QCoreApplication::translate("velmira::OpenFolder",
                                               "cannot replace %1: it is not a file")
                .arg(pathOf(name));
        }
        Staged file;
        const Likeness like{permissionsFor(old.kind == Kind::File, old.permissions,
                                           protection.value(i, WriteProtection::AsBefore)),
                            old.kind == Kind::File ? name : QString()};
        if (stageFresh(name, bytes, like, &file, &error) != Written::Done) {
            putBack();
            return QCoreApplication::translate("velmira::OpenFolder", "cannot write beside %1: %2")
                .arg(pathOf(name), error);
        }
        staged.push_back(std::move(file));
    }
    // The old files are kept aside by renaming them, never by reading them, until every new one
    // is in place.
    for (int i = 0; i < names.size(); ++i) {
        if (kindOf(names[i]) != Kind::Missing) {
            const QString aside = freshNameFor(names[i]);
            error = aside.isEmpty()
                        ? QCoreApplication::translate("velmira::OpenFolder", "File already exists")
                        : renameInside(names[i], aside);
            if (!error.isEmpty()) {
                putBack();
                return QCoreApplication::translate("velmira::OpenFolder",
                                                   "cannot keep a copy of %1: %2")
                    .arg(pathOf(names[i]), error);
            }
            asides[i] = aside;
        }
        error = renameInside(staged[static_cast<std::size_t>(i)].name, names[i]);
        if (!error.isEmpty()) {
            putBack();
            return QCoreApplication::translate("velmira::OpenFolder", "cannot replace %1: %2")
                .arg(pathOf(names[i]), error);
        }
        placed[i] = true;
    }
    // In a folder others may write, a staged file may have been swapped for something else
    // before it was renamed in: only the files written here count as installed.
    for (int i = 0; i < names.size(); ++i) {
        if (!(entryOf(names[i]).id == staged[static_cast<std::size_t>(i)].id)) {
            putBack();
            return QStringLiteral(
                       "cannot replace %1: another program changed it while it was "
                       "being replaced")
                .arg(pathOf(names[i]));
        }
    }
    for (const QString& aside : asides)
        if (!aside.isEmpty())
            removeInside(aside);
    for (Staged& file : staged)
        release(file);
    return QString();
}

}  // namespace velmira
