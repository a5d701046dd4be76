#pragma once

#include <QByteArray>
#include <QFileDevice>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace velmira {

// Whether a replaced file may be written afterwards: as the file it replaces was, read-only
// for everyone, or writable by its owner.
enum class WriteProtection { AsBefore, ReadOnly, Writable };

// A folder held open, and the files made, read, replaced, renamed, removed and given a mode
// only inside it, never through a link. This is the one place where Velmira writes to the file
// system (its settings and its own private work folder apart): a game folder or a library
// folder may be shared with other users who can put a link where Velmira expects its own
// folder or file, and holding the folder open and naming everything relative to it means no
// such swap can redirect a write into one of the player's own folders.
//
// POSIX: the folder's descriptor, with openat/mkdirat/renameat and O_NOFOLLOW, modes set with
// fchmod on the open file before it is given its name. Windows: the folder's handle, opened
// without following a reparse point and held without delete sharing so that nobody can rename
// it or put a junction in its place while it is held.
class OpenFolder {
  public:
    OpenFolder() = default;
    OpenFolder(OpenFolder&& other) noexcept;
    OpenFolder& operator=(OpenFolder&& other) noexcept;
    OpenFolder(const OpenFolder&) = delete;
    OpenFolder& operator=(const OpenFolder&) = delete;
    ~OpenFolder();

    // Opens the folder at `path`, the way the player named it (links on the way are followed:
    // the player chose the path). Not open, with the reason, on failure.
    static OpenFolder open(const QString& path, QString* reason);

    // Opens the folder `name` inside this one; with `make`, makes it first when there is nothing
    // of that name. A link there is followed only when it is the player's own (see
    // linkIsPlayers), and so is every link on its way; anything else but a folder is refused,
    // with the reason.
    OpenFolder child(const QString& name, bool make, QString* reason) const;

    // Whether the link `name` inside can only have been made by the player: the link belongs to
    // the player or to the system, and stands in a folder of the player's or the system's that
    // no other user may write into (or only into their own names: a sticky folder). A link
    // another user could have put there, or swapped since, is not followed; its reason, then.
    bool linkIsPlayers(const QString& name, QString* reason) const;
    // The same for the last part of a path as the player named it (the folders on the way are
    // the player's choice): true for anything that is not a link.
    static bool pathIsPlayers(const QString& path, QString* reason);
    // Opens the folder at `path`: the folders on the way as the player named them, the last one
    // as child() does. A path ending in a separator is opened as named.
    static OpenFolder openLast(const QString& path, QString* reason);

    bool isOpen() const;
    // The path it was opened as, with the native separator.
    const QString& path() const { return m_path; }
    QString pathOf(const QString& name) const;

    // What a name inside is, without following a link.
    enum class Kind { Missing, File, Link, Folder, Other };
    Kind kindOf(const QString& name) const;

    // What a file is: which file, its size and its times. Two states of one name differ when
    // another program has written, replaced or touched the file in between.
    struct FileState {
        quint64 device = 0;
        quint64 node = 0;
        qint64 size = -1;
        qint64 modified = 0;  // nanoseconds (Windows: its own ticks)
        qint64 changed = 0;
        bool known = false;
        // Windows: another program holds the file open for writing.
        bool busy = false;
        bool operator==(const FileState& other) const {
            return known && other.known && device == other.device && node == other.node &&
                   size == other.size && modified == other.modified && changed == other.changed;
        }
        bool operator!=(const FileState& other) const { return !(*this == other); }
    };
    // The state of the plain file `name` now (never through a link); not known otherwise.
    FileState stateOf(const QString& name) const;

    // The bytes of the plain file `name` (never a folder or a device, nor through a link unless
    // `links` lets the player's own be followed), if it is at most `limit` bytes long; with
    // `state`, what the file was as it was read (on Windows it is read only while no other
    // program may write it: busy, and nothing read, while one has it open for writing).
    enum class Links { NotFollowed, PlayersFollowed };
    std::optional<QByteArray> readFile(const QString& name, qint64 limit,
                                       FileState* state = nullptr,
                                       Links links = Links::NotFollowed) const;

    // Writes `bytes` as the new file `name`, never replacing anything; with `permissions`, the
    // file is given them while it is still open (readable by everyone and writable by its owner
    // otherwise, less what the user's file-creation mask takes away). Taken when the name is in
    // use; Failed with the system's reason (the partial file removed).
    enum class Written { Done, Taken, Failed };
    Written writeNew(const QString& name, const QByteArray& bytes, QString* reason,
                     std::optional<QFileDevice::Permissions> permissions = std::nullopt) const;

    // Writes `bytes` in full under a hidden name, then gives the file the first of the names
    // `nameFor(first)`, `nameFor(first + 1)`, … (at most `attempts` of them) that is free,
    // never replacing anything, and leaves `*next` at the number after the one used, so that a
    // batch names its files in one pass. The name, or empty with the reason.
    QString writeUnderFreeName(const QByteArray& bytes, const std::function<QString(int)>& nameFor,
                               int first, int attempts, QString* reason, int* next = nullptr,
                               std::optional<QFileDevice::Permissions> permissions = {}) const;

    // Replaces the file `name` with `bytes` in one step (written in full under a fresh name
    // first, then renamed over it: a link there is replaced, never followed). The new file has
    // the old one's permissions (and, where the system lets the player give it, its group); a
    // read-only file stays read-only, or with `readOnly` Refuse is left alone. False with the
    // reason; the old file is then untouched.
    enum class ReadOnlyFile { Replace, Refuse };
    bool replace(const QString& name, const QByteArray& bytes, QString* reason,
                 ReadOnlyFile readOnly = ReadOnlyFile::Replace) const;

    // Replaces the file `name`, read as `read`, with `bytes` as replace does, only if the file
    // there is still the one read, unchanged: Changed, with nothing written, when another
    // program has written, replaced or touched it since.
    enum class Replaced { Done, Changed, Failed };
    Replaced replaceIfUnchanged(const QString& name, const FileState& read, const QByteArray& bytes,
                                QString* reason) const;

    // Keeps `bytes`, what the file `original` held, as the file `copy` beside it (an older copy
    // replaced): never open to anyone the original is not open to.
    bool keepCopy(const QString& original, const QString& copy, const QByteArray& bytes,
                  QString* reason) const;

    // Writes the same bytes as several files of this folder so that they end all new or all as
    // they were: each new file is written in full first, and a replace that fails puts back the
    // ones already replaced. A read-only file is replaced and stays read-only unless
    // `protection` (one per name; none: all as before) says otherwise. The reason of a failure,
    // empty on success.
    QString replaceTogether(const QStringList& names, const QByteArray& bytes,
                            const QList<WriteProtection>& protection = {}) const;

    // Renames the plain file `from` to `to` inside, replacing a plain file there (a read-only
    // one included). Anything else at either name is refused. The reason, empty on success.
    QString renamePlainFile(const QString& from, const QString& to) const;

    // Removes the folder `name` inside, with everything in it, never through a link: what it
    // holds is removed through the folder held open, so a folder swapped for a link meanwhile
    // leads nowhere else, and a link inside is removed itself. The reason, empty on success.
    QString removeFolder(const QString& name) const;

    // Makes the plain file `name` read-only for everyone, or writable by its owner, if
    // `isOurs` accepts its bytes (at most `limit` of them), all through one open of the file:
    // another user's link put in its place is never followed, and a file swapped in after it
    // was read is not the one changed.
    enum class ModeSet { Changed, Unchanged, NotOurs, Failed };
    template <class IsOurs>
    ModeSet setWritableIfOurs(const QString& name, bool writable, qint64 limit, IsOurs isOurs,
                              QString* reason) const {
        QByteArray bytes;
        void* file = openForMode(name, limit, &bytes);
        if (!file)
            return ModeSet::NotOurs;
        const ModeSet result =
            isOurs(bytes) ? setModeOfOpen(file, writable, reason) : ModeSet::NotOurs;
        closeForMode(file);
        return result;
    }

  private:
    // The folder holding the last part of `path`, and that part's name; false when the path
    // has no last part below a folder (a root, a bare name).
    static bool parentAndName(const QString& path, QString* parent, QString* name);

    // Where a file lies on its device: tells whether a name still leads to the file written.
    struct FileId {
        quint64 device = 0;
        quint64 node = 0;
        bool known = false;
        bool operator==(const FileId& other) const {
            return known && other.known && device == other.device && node == other.node;
        }
    };
    struct Entry {
        Kind kind = Kind::Missing;
        FileId id;
        QFileDevice::Permissions permissions;
    };
    // What a new file takes from the file it replaces: its permissions, and the group and the
    // explicit access rules that only the system can carry over.
    struct Likeness {
        std::optional<QFileDevice::Permissions> permissions;
        QString file;  // the file it replaces, inside; empty: a file of its own
    };
    // A new file written under a fresh name, and which file it is. Where the system allows it
    // the file stays open until released, so that its number cannot be given to another file
    // (a link put in its place) and make that one pass for it.
    struct Staged {
        QString name;
        FileId id;
        void* file = nullptr;
    };

    void close();
    Entry entryOf(const QString& name) const;
    // Creates `name` new (never through anything there), writes `bytes` and sets the
    // permissions on the open file. Written::Done with `staged` filled in, or as writeNew.
    Written stage(const QString& name, const QByteArray& bytes, const Likeness& like,
                  Staged* staged, QString* reason) const;
    void release(Staged& staged) const;
    // A fresh hidden name for a file that will become `name`, nothing there yet.
    QString freshNameFor(const QString& name) const;
    Written stageFresh(const QString& name, const QByteArray& bytes, const Likeness& like,
                       Staged* staged, QString* reason) const;
    // Stages `bytes` to replace `name`, like it, and renames it over `name` once `stillThere`
    // agrees; Changed when it does not.
    Replaced replaceLike(const QString& name, const QByteArray& bytes, const Likeness& like,
                         const std::function<bool()>& stillThere, QString* reason) const;
    // Renames `from` over `to`, both inside (a read-only `to` included); the system's reason,
    // empty on success.
    QString renameInside(const QString& from, const QString& to) const;
    // Renames `from` to `to` only when nothing is at `to`.
    Written renameNew(const QString& from, const QString& to, QString* reason) const;
    // Removes a name inside (a read-only file too), never following a link.
    void removeInside(const QString& name) const;
    // Removes a file this folder wrote, if the name still leads to it.
    void removeOwn(const Staged& staged) const;
    // The plain file opened for reading and changing its mode, with its bytes; none when it
    // is not one or is larger than `limit`.
    void* openForMode(const QString& name, qint64 limit, QByteArray* bytes) const;
    ModeSet setModeOfOpen(void* file, bool writable, QString* reason) const;
    void closeForMode(void* file) const;

    QString m_path;
#ifdef Q_OS_WIN
    void* m_handle = nullptr;
#else
    int m_fd = -1;
#endif
};

}  // namespace velmira
