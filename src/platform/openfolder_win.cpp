#include "openfolder.h"

#include "platform/files.h"
#include "platform/openfolder_links_win.h"
#include "platform/openfolder_rules_win.h"
#include "platform/openfolder_win.h"

#include <QCoreApplication>
#include <QDir>

#include <utility>

#include <windows.h>

namespace velmira {

OpenFolder::OpenFolder(OpenFolder&& other) noexcept
    : m_path(std::move(other.m_path)), m_handle(other.m_handle) {
    other.m_handle = nullptr;
}

OpenFolder& OpenFolder::operator=(OpenFolder&& other) noexcept {
    if (this != &other) {
        close();
        m_path = std::move(other.m_path);
        m_handle = other.m_handle;
        other.m_handle = nullptr;
    }
    return *this;
}

OpenFolder::~OpenFolder() {
    close();
}

void OpenFolder::close() {
    if (m_handle)
        CloseHandle(m_handle);
    m_handle = nullptr;
}

bool OpenFolder::isOpen() const {
    return m_handle != nullptr;
}

QString OpenFolder::pathOf(const QString& name) const {
    return joinPath(m_path, name);
}

OpenFolder OpenFolder::open(const QString& path, QString* reason) {
    OpenFolder folder;
    const HANDLE handle = openFolderHandle(path, 0);
    if (handle == INVALID_HANDLE_VALUE) {
        *reason = lastError();
        return folder;
    }
    folder.m_handle = handle;
    folder.m_path = QDir::toNativeSeparators(path);
    return folder;
}

OpenFolder::Kind OpenFolder::kindOf(const QString& name) const {
    if (!isOpen() || !isOneName(name))
        return Kind::Missing;
    const DWORD attributes = GetFileAttributesW(wide(pathOf(name)).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return Kind::Missing;
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT)
        return Kind::Link;
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? Kind::Folder : Kind::File;
}

OpenFolder OpenFolder::child(const QString& name, bool make, QString* reason) const {
    OpenFolder folder;
    if (!isOpen() || !isOneName(name)) {
        *reason = systemErrorText(ERROR_INVALID_NAME);
        return folder;
    }
    const QString path = pathOf(name);
    if (make && !CreateDirectoryW(wide(path).c_str(), nullptr) &&
        GetLastError() != ERROR_ALREADY_EXISTS) {
        *reason = lastError();
        return folder;
    }
    // Opened as itself, not as what a junction or link leads to, then looked at.
    Held handle(openFolderHandle(path, FILE_FLAG_OPEN_REPARSE_POINT));
    FILE_ATTRIBUTE_TAG_INFO tag;
    if (!handle ||
        !GetFileInformationByHandleEx(handle.get(), FileAttributeTagInfo, &tag, sizeof tag)) {
        *reason = lastError();
        return folder;
    }
    const QString linkNotFolder =
        QCoreApplication::translate("velmira::OpenFolder", "it is a link, not a folder");
    if ((tag.FileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) && !isLinkTag(tag.ReparseTag)) {
        *reason = linkNotFolder;
        return folder;
    }
    if (isLink(tag, path)) {
        // The player's own link (a mod kept on another disk) is followed, and nobody else's.
        // The folder keeps the name it was opened by: only the player or the system may change
        // where that link leads.
        int links = 0;
        Walked reached =
            followLink(m_path, m_handle, path, std::move(handle), tag, kFolderStep, &links);
        if (!reached) {
            *reason = reached.code == ERROR_DIRECTORY ? linkNotFolder : reached.reason;
            return folder;
        }
        handle = std::move(reached.handle);
    } else if (!(tag.FileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        *reason = QCoreApplication::translate("velmira::OpenFolder", "it is not a folder");
        return folder;
    }
    folder.m_handle = handle.release();
    folder.m_path = path;
    return folder;
}

namespace {
OpenFolder::FileState stateOfHandle(HANDLE handle) {
    OpenFolder::FileState state;
    BY_HANDLE_FILE_INFORMATION info;
    FILE_BASIC_INFO basic;
    if (!GetFileInformationByHandle(handle, &info) ||
        !GetFileInformationByHandleEx(handle, FileBasicInfo, &basic, sizeof basic) ||
        (info.dwFileAttributes & (FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DIRECTORY)))
        return state;
    state.device = info.dwVolumeSerialNumber;
    state.node = (quint64{info.nFileIndexHigh} << 32) | info.nFileIndexLow;
    state.size = (qint64{info.nFileSizeHigh} << 32) | info.nFileSizeLow;
    state.modified = basic.LastWriteTime.QuadPart;
    state.changed = basic.ChangeTime.QuadPart;
    state.known = true;
    return state;
}
}  // namespace

OpenFolder::FileState OpenFolder::stateOf(const QString& name) const {
    FileState state;
    if (!isOpen() || !isOneName(name))
        return state;
    // Opened to read, sharing no writing: a program that has the file open for writing makes
    // the open fail, so that nothing is replaced under it. (An open for its attributes alone
    // would pass whatever others have it open for.)
    const HANDLE handle =
        CreateFileW(wide(pathOf(name)).c_str(), FILE_READ_DATA | FILE_READ_ATTRIBUTES,
                    FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                    FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        state.busy = GetLastError() == ERROR_SHARING_VIOLATION;
        return state;
    }
    state = stateOfHandle(handle);
    CloseHandle(handle);
    return state;
}

std::optional<QByteArray> OpenFolder::readFile(const QString& name, qint64 limit, FileState* state,
                                               Links links) const {
    if (state)
        *state = FileState();
    if (!isOpen() || !isOneName(name))
        return std::nullopt;
    // Read for a change only while no other program may write it.
    const DWORD sharing = state ? FILE_SHARE_READ | FILE_SHARE_DELETE
                                : FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    Held held(CreateFileW(wide(pathOf(name)).c_str(), GENERIC_READ, sharing, nullptr, OPEN_EXISTING,
                          FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    if (!held) {
        if (state && GetLastError() == ERROR_SHARING_VIOLATION)
            state->busy = true;
        return std::nullopt;
    }
    FILE_ATTRIBUTE_TAG_INFO tag;
    if (links == Links::PlayersFollowed &&
        GetFileInformationByHandleEx(held.get(), FileAttributeTagInfo, &tag, sizeof tag) &&
        (tag.FileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
        int followed = 0;
        Walked reached = followLink(m_path, m_handle, pathOf(name), std::move(held), tag,
                                    Step{false, GENERIC_READ, sharing}, &followed);
        if (!reached) {
            if (state && reached.code == ERROR_SHARING_VIOLATION)
                state->busy = true;
            return std::nullopt;
        }
        held = std::move(reached.handle);
    }
    const HANDLE handle = held.get();
    std::optional<QByteArray> bytes;
    BY_HANDLE_FILE_INFORMATION info;
    if (GetFileType(handle) == FILE_TYPE_DISK && GetFileInformationByHandle(handle, &info) &&
        !(info.dwFileAttributes & (FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DIRECTORY))) {
        const qint64 size = (qint64{info.nFileSizeHigh} << 32) | info.nFileSizeLow;
        if (size <= limit) {
            QByteArray read(static_cast<qsizetype>(size), Qt::Uninitialized);
            qsizetype got = 0;
            DWORD n = 0;
            while (got < read.size() &&
                   ReadFile(handle, read.data() + got, static_cast<DWORD>(read.size() - got), &n,
                            nullptr) &&
                   n > 0)
                got += n;
            read.truncate(got);
            bytes = read;
            if (state)
                *state = stateOfHandle(handle);
        }
    }
    return bytes;
}

OpenFolder::Entry OpenFolder::entryOf(const QString& name) const {
    Entry entry;
    entry.kind = kindOf(name);
    if (entry.kind == Kind::Missing)
        return entry;
    const std::wstring path = wide(pathOf(name));
    const HANDLE handle = CreateFileW(
        path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
        OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    BY_HANDLE_FILE_INFORMATION info;
    if (handle != INVALID_HANDLE_VALUE && GetFileInformationByHandle(handle, &info)) {
        entry.id.device = info.dwVolumeSerialNumber;
        entry.id.node = (quint64{info.nFileIndexHigh} << 32) | info.nFileIndexLow;
        entry.id.known = true;
        entry.permissions =
            QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
        if (!(info.dwFileAttributes & FILE_ATTRIBUTE_READONLY))
            entry.permissions |= QFileDevice::WriteOwner;
    }
    if (handle != INVALID_HANDLE_VALUE)
        CloseHandle(handle);
    return entry;
}

OpenFolder::Written OpenFolder::stage(const QString& name, const QByteArray& bytes,
                                      const Likeness& like, Staged* staged, QString* reason) const {
    const std::optional<QFileDevice::Permissions>& permissions = like.permissions;
    if (!isOpen() || !isOneName(name)) {
        *reason = systemErrorText(ERROR_INVALID_NAME);
        return Written::Failed;
    }
    const std::wstring path = wide(pathOf(name));
    // Like another file: its access rules too are given on the open file.
    const bool likeFile = !like.file.isEmpty() && isOneName(like.file);
    const HANDLE handle = CreateFileW(
        path.c_str(), GENERIC_WRITE | (likeFile ? READ_CONTROL | WRITE_DAC : 0), 0, nullptr,
        CREATE_NEW, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD code = GetLastError();
        if (code == ERROR_FILE_EXISTS || code == ERROR_ALREADY_EXISTS)
            return Written::Taken;
        *reason = systemErrorText(static_cast<int>(code));
        return Written::Failed;
    }
    qsizetype done = 0;
    DWORD code = 0;
    while (done < bytes.size()) {
        DWORD n = 0;
        if (!WriteFile(handle, bytes.constData() + done, static_cast<DWORD>(bytes.size() - done),
                       &n, nullptr) ||
            n == 0) {
            code = GetLastError();
            if (code == 0)
                code = ERROR_DISK_FULL;
            break;
        }
        done += n;
    }
    // Read-only or writable as asked, set on the open file: Windows lets nobody rename or
    // delete it meanwhile.
    const auto protect = [&] {
        if (code != 0 || !permissions)
            return;
        const bool readOnly = !(*permissions & QFileDevice::WriteOwner);
        FILE_BASIC_INFO basic;
        if (!GetFileInformationByHandleEx(handle, FileBasicInfo, &basic, sizeof basic)) {
            code = GetLastError();
            return;
        }
        if (((basic.FileAttributes & FILE_ATTRIBUTE_READONLY) != 0) == readOnly)
            return;
        basic.FileAttributes ^= FILE_ATTRIBUTE_READONLY;
        if (basic.FileAttributes == 0)
            basic.FileAttributes = FILE_ATTRIBUTE_NORMAL;
        if (!SetFileInformationByHandle(handle, FileBasicInfo, &basic, sizeof basic))
            code = GetLastError();
    };
    protect();
    QString why;
    if (code == 0 && likeFile) {
        why = giveRulesOf(handle, pathOf(like.file));
        // Again: where the system keeps a file's read-only state in its access rules as well
        // (Wine, in the file's mode), the rules given may have changed it.
        protect();
    }
    BY_HANDLE_FILE_INFORMATION info;
    if (code == 0 && why.isEmpty() && !GetFileInformationByHandle(handle, &info))
        code = GetLastError();
    // Windows renames no file that is open; nor does it give a removed file's number to
    // another soon after.
    CloseHandle(handle);
    if (code != 0 || !why.isEmpty()) {
        removeInside(name);
        *reason = why.isEmpty() ? systemErrorText(static_cast<int>(code)) : why;
        return Written::Failed;
    }
    staged->name = name;
    staged->id.device = info.dwVolumeSerialNumber;
    staged->id.node = (quint64{info.nFileIndexHigh} << 32) | info.nFileIndexLow;
    staged->id.known = true;
    staged->file = nullptr;
    return Written::Done;
}

void OpenFolder::release(Staged& staged) const {
    staged.file = nullptr;
}

QString OpenFolder::renameInside(const QString& from, const QString& to) const {
    if (!isOpen() || !isOneName(from) || !isOneName(to))
        return systemErrorText(ERROR_INVALID_NAME);
    // A rename over a read-only file is refused on Windows: the attribute is lifted for the
    // replace and put back if the replace fails.
    const std::wstring target = wide(pathOf(to));
    const std::wstring source = wide(pathOf(from));
    const DWORD attributes = GetFileAttributesW(target.c_str());
    const bool readOnly = attributes != INVALID_FILE_ATTRIBUTES &&
                          (attributes & FILE_ATTRIBUTE_READONLY) != 0 &&
                          (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
    if (readOnly)
        SetFileAttributesW(target.c_str(), attributes & ~DWORD{FILE_ATTRIBUTE_READONLY});
    if (MoveFileExW(source.c_str(), target.c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return QString();
    const DWORD code = GetLastError();
    if (readOnly)
        SetFileAttributesW(target.c_str(), attributes);
    return systemErrorText(static_cast<int>(code));
}

OpenFolder::Written OpenFolder::renameNew(const QString& from, const QString& to,
                                          QString* reason) const {
    if (!isOpen() || !isOneName(from) || !isOneName(to)) {
        *reason = systemErrorText(ERROR_INVALID_NAME);
        return Written::Failed;
    }
    if (MoveFileExW(wide(pathOf(from)).c_str(), wide(pathOf(to)).c_str(), MOVEFILE_WRITE_THROUGH))
        return Written::Done;
    const DWORD code = GetLastError();
    if (code == ERROR_FILE_EXISTS || code == ERROR_ALREADY_EXISTS)
        return Written::Taken;
    *reason = systemErrorText(static_cast<int>(code));
    return Written::Failed;
}

void OpenFolder::removeInside(const QString& name) const {
    if (!isOpen() || !isOneName(name))
        return;
    // Windows removes a read-only file only once it is writable; a link is removed itself.
    const std::wstring path = wide(pathOf(name));
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        SetFileAttributesW(path.c_str(), attributes & ~DWORD{FILE_ATTRIBUTE_READONLY});
    DeleteFileW(path.c_str());
}

namespace {
// Empties the folder at `path`, held open without delete sharing by its caller so that it cannot
// be renamed or swapped meanwhile; a link inside is removed itself, never followed.
DWORD emptyFolder(const std::wstring& path, int depth) {
    WIN32_FIND_DATAW found;
    const HANDLE find = FindFirstFileW((path + L"\\*").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE)
        return GetLastError() == ERROR_FILE_NOT_FOUND ? 0 : GetLastError();
    DWORD code = 0;
    do {
        const std::wstring name = found.cFileName;
        if (name == L"." || name == L"..")
            continue;
        const std::wstring inner = path + L"\\" + name;
        const DWORD attributes = found.dwFileAttributes;
        if (attributes & FILE_ATTRIBUTE_READONLY)
            SetFileAttributesW(inner.c_str(), attributes & ~DWORD{FILE_ATTRIBUTE_READONLY});
        if ((attributes & FILE_ATTRIBUTE_DIRECTORY) &&
            !(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
            const HANDLE held =
                openFolderHandle(QString::fromStdWString(inner), FILE_FLAG_OPEN_REPARSE_POINT);
            if (held == INVALID_HANDLE_VALUE) {
                code = GetLastError();
            } else {
                code = depth > 0 ? emptyFolder(inner, depth - 1) : ERROR_CANT_RESOLVE_FILENAME;
                CloseHandle(held);
            }
            if (code == 0 && !RemoveDirectoryW(inner.c_str()))
                code = GetLastError();
        } else if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
            if (!RemoveDirectoryW(inner.c_str()))
                code = GetLastError();
        } else if (!DeleteFileW(inner.c_str())) {
            code = GetLastError();
        }
    } while (code == 0 && FindNextFileW(find, &found));
    FindClose(find);
    return code;
}
}  // namespace

QString OpenFolder::removeFolder(const QString& name) const {
    if (!isOpen() || !isOneName(name))
        return systemErrorText(ERROR_INVALID_NAME);
    const QString path = pathOf(name);
    const HANDLE held = openFolderHandle(path, FILE_FLAG_OPEN_REPARSE_POINT);
    if (held == INVALID_HANDLE_VALUE)
        return lastError();
    BY_HANDLE_FILE_INFORMATION info;
    DWORD code = 0;
    if (!GetFileInformationByHandle(held, &info))
        code = GetLastError();
    else if (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)
        code = ERROR_CANT_RESOLVE_FILENAME;
    constexpr int kDepth = 64;
    if (code == 0)
        code = emptyFolder(wide(path), kDepth);
    CloseHandle(held);
    if (code == 0 && !RemoveDirectoryW(wide(path).c_str()))
        code = GetLastError();
    return code == 0 ? QString() : systemErrorText(static_cast<int>(code));
}

void* OpenFolder::openForMode(const QString& name, qint64 limit, QByteArray* bytes) const {
    if (!isOpen() || !isOneName(name))
        return nullptr;
    const HANDLE handle = CreateFileW(
        wide(pathOf(name)).c_str(), GENERIC_READ | FILE_READ_ATTRIBUTES | FILE_WRITE_ATTRIBUTES,
        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
        FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return nullptr;
    BY_HANDLE_FILE_INFORMATION info;
    const qint64 size = GetFileInformationByHandle(handle, &info)
                            ? (qint64{info.nFileSizeHigh} << 32) | info.nFileSizeLow
                            : -1;
    if (size < 0 || size > limit || GetFileType(handle) != FILE_TYPE_DISK ||
        (info.dwFileAttributes & (FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DIRECTORY))) {
        CloseHandle(handle);
        return nullptr;
    }
    QByteArray read(static_cast<qsizetype>(size), Qt::Uninitialized);
    qsizetype got = 0;
    DWORD n = 0;
    while (
        got < read.size() &&
        ReadFile(handle, read.data() + got, static_cast<DWORD>(read.size() - got), &n, nullptr) &&
        n > 0)
        got += n;
    read.truncate(got);
    *bytes = read;
    return handle;
}

OpenFolder::ModeSet OpenFolder::setModeOfOpen(void* file, bool writable, QString* reason) const {
    const HANDLE handle = file;
    FILE_BASIC_INFO basic;
    if (!GetFileInformationByHandleEx(handle, FileBasicInfo, &basic, sizeof basic)) {
        *reason = lastError();
        return ModeSet::Failed;
    }
    const DWORD old = basic.FileAttributes;
    const DWORD attributes =
        writable ? (old & ~DWORD{FILE_ATTRIBUTE_READONLY}) : (old | FILE_ATTRIBUTE_READONLY);
    if (attributes == old)
        return ModeSet::Unchanged;
    basic.FileAttributes = attributes == 0 ? FILE_ATTRIBUTE_NORMAL : attributes;
    if (!SetFileInformationByHandle(handle, FileBasicInfo, &basic, sizeof basic)) {
        *reason = lastError();
        return ModeSet::Failed;
    }
    return ModeSet::Changed;
}

void OpenFolder::closeForMode(void* file) const {
    CloseHandle(file);
}

}  // namespace velmira
