#include "openfolder.h"

#include "platform/files.h"

#include <QCoreApplication>
#include <QDir>

#include <windows.h>

namespace velmira {

namespace {
// A name that stays inside the folder: one component, not "." or "..".
bool isOneName(const QString& name) {
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") &&
           !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')) &&
           !name.contains(QLatin1Char(':')) && !name.contains(QChar(0));
}

std::wstring wide(const QString& path) {
    return QDir::toNativeSeparators(path).toStdWString();
}

// A folder's handle that reads its entries and lets others read and write in it, but not
// rename or remove it (no delete sharing) while it is held.
HANDLE openFolderHandle(const QString& path, DWORD flags) {
    return CreateFileW(wide(path).c_str(), FILE_LIST_DIRECTORY | FILE_READ_ATTRIBUTES,
                       FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                       FILE_FLAG_BACKUP_SEMANTICS | flags, nullptr);
}

QString lastError() {
    return systemErrorText(static_cast<int>(GetLastError()));
}
}  // namespace

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
    const HANDLE handle = openFolderHandle(path, FILE_FLAG_OPEN_REPARSE_POINT);
    if (handle == INVALID_HANDLE_VALUE) {
        *reason = lastError();
        return folder;
    }
    BY_HANDLE_FILE_INFORMATION info;
    if (!GetFileInformationByHandle(handle, &info)) {
        *reason = lastError();
        CloseHandle(handle);
        return folder;
    }
    if (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) {
        *reason = QCoreApplication::translate("velmira::OpenFolder", "it is a link, not a folder");
        CloseHandle(handle);
        return folder;
    }
    if (!(info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        *reason = QCoreApplication::translate("velmira::OpenFolder", "it is not a folder");
        CloseHandle(handle);
        return folder;
    }
    folder.m_handle = handle;
    folder.m_path = path;
    return folder;
}

std::optional<QByteArray> OpenFolder::readFile(const QString& name, qint64 limit) const {
    if (!isOpen() || !isOneName(name))
        return std::nullopt;
    const HANDLE handle =
        CreateFileW(wide(pathOf(name)).c_str(), GENERIC_READ,
                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                    FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return std::nullopt;
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
        }
    }
    CloseHandle(handle);
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
                                      std::optional<QFileDevice::Permissions> permissions,
                                      Staged* staged, QString* reason) const {
    if (!isOpen() || !isOneName(name)) {
        *reason = systemErrorText(ERROR_INVALID_NAME);
        return Written::Failed;
    }
    const std::wstring path = wide(pathOf(name));
    const HANDLE handle =
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
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
    // Read-only is set on the open file: Windows lets nobody rename or delete it meanwhile.
    if (code == 0 && permissions && !(*permissions & QFileDevice::WriteOwner)) {
        FILE_BASIC_INFO basic;
        if (!GetFileInformationByHandleEx(handle, FileBasicInfo, &basic, sizeof basic)) {
            code = GetLastError();
        } else {
            basic.FileAttributes |= FILE_ATTRIBUTE_READONLY;
            if (!SetFileInformationByHandle(handle, FileBasicInfo, &basic, sizeof basic))
                code = GetLastError();
        }
    }
    BY_HANDLE_FILE_INFORMATION info;
    if (code == 0 && !GetFileInformationByHandle(handle, &info))
        code = GetLastError();
    // Windows renames no file that is open; nor does it give a removed file's number to
    // another soon after.
    CloseHandle(handle);
    if (code != 0) {
        removeInside(name);
        *reason = systemErrorText(static_cast<int>(code));
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
