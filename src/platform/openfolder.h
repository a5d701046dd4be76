#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace velmira {

// A folder held open, and the files made, read and replaced only inside it, never through a
// link. A game folder may be shared with other users who can put a link where Velmira expects
// its own folder or file; holding the folder open and naming everything relative to it means no
// such swap can redirect a write into one of the player's own folders.
//
// POSIX: the folder's descriptor, with openat/mkdirat/renameat and O_NOFOLLOW. Windows: the
// folder's handle, opened without following a reparse point and held without delete sharing so
// that nobody can rename it or put a junction in its place while it is held.
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

    // Opens the folder `name` inside this one without following a link; with `make`, makes it
    // first when there is nothing of that name. A link or anything but a folder is refused.
    OpenFolder child(const QString& name, bool make, QString* reason) const;

    bool isOpen() const;
    // The path it was opened as, with the native separator.
    const QString& path() const { return m_path; }
    QString pathOf(const QString& name) const;

    // What a name inside is, without following a link.
    enum class Kind { Missing, File, Link, Folder, Other };
    Kind kindOf(const QString& name) const;

    // The bytes of the plain file `name` (never a link, a folder or a device), if it is at most
    // `limit` bytes long.
    std::optional<QByteArray> readFile(const QString& name, qint64 limit) const;

    // Writes `bytes` as the new file `name`, never replacing anything. Taken when the name is in
    // use; Failed with the system's reason (the partial file removed).
    enum class Written { Done, Taken, Failed };
    Written writeNew(const QString& name, const QByteArray& bytes, QString* reason) const;

    // Replaces the file `name` with `bytes` in one step (written in full under a fresh name
    // first, then renamed over it: a link there is replaced, never followed). False with the
    // reason; the old file is then untouched.
    bool replace(const QString& name, const QByteArray& bytes, QString* reason) const;

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
    void close();
    // Renames `from` over `to`, both inside; the system's reason, empty on success.
    QString renameInside(const QString& from, const QString& to) const;
    void removeInside(const QString& name) const;
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
