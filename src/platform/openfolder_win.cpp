#include "openfolder.h"

#include "platform/files.h"

#include <QCoreApplication>
#include <QDir>

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

#include <windows.h>

#include <aclapi.h>
#include <sddl.h>
#include <winioctl.h>

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

// How a part of a path is opened: as a folder or as whatever it is, with what access and
// sharing.
struct Step {
    bool folder;
    DWORD access;
    DWORD sharing;
};
// A folder's handle reads its entries and lets others read and write in it, but not rename or
// remove it (no delete sharing) while it is held.
constexpr Step kFolderStep{true, FILE_LIST_DIRECTORY | FILE_READ_ATTRIBUTES,
                           FILE_SHARE_READ | FILE_SHARE_WRITE};
constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

HANDLE openFolderHandle(const QString& path, DWORD flags) {
    return CreateFileW(wide(path).c_str(), kFolderStep.access, kFolderStep.sharing, nullptr,
                       OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | flags, nullptr);
}

QString lastError() {
    return systemErrorText(static_cast<int>(GetLastError()));
}

// A handle, closed when it goes.
class Held {
  public:
    Held() = default;
    explicit Held(HANDLE handle) : m_handle(handle == INVALID_HANDLE_VALUE ? nullptr : handle) {}
    Held(Held&& other) noexcept : m_handle(std::exchange(other.m_handle, nullptr)) {}
    Held& operator=(Held&& other) noexcept {
        if (this != &other) {
            reset();
            m_handle = std::exchange(other.m_handle, nullptr);
        }
        return *this;
    }
    Held(const Held&) = delete;
    Held& operator=(const Held&) = delete;
    ~Held() { reset(); }
    HANDLE get() const { return m_handle; }
    HANDLE release() { return std::exchange(m_handle, nullptr); }
    explicit operator bool() const { return m_handle != nullptr; }
    void reset() {
        if (m_handle)
            CloseHandle(m_handle);
        m_handle = nullptr;
    }

  private:
    HANDLE m_handle = nullptr;
};

bool sameFile(HANDLE a, HANDLE b) {
    BY_HANDLE_FILE_INFORMATION one;
    BY_HANDLE_FILE_INFORMATION other;
    return GetFileInformationByHandle(a, &one) && GetFileInformationByHandle(b, &other) &&
           one.dwVolumeSerialNumber == other.dwVolumeSerialNumber &&
           one.nFileIndexHigh == other.nFileIndexHigh && one.nFileIndexLow == other.nFileIndexLow;
}

// Security --------------------------------------------------------------------------------

// A security descriptor the system handed out, freed when it goes.
struct Security {
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    PSID owner = nullptr;
    PACL dacl = nullptr;
    Security() = default;
    Security(const Security&) = delete;
    Security& operator=(const Security&) = delete;
    ~Security() { LocalFree(descriptor); }
    SECURITY_DESCRIPTOR_CONTROL control() const {
        SECURITY_DESCRIPTOR_CONTROL control = 0;
        DWORD revision = 0;
        return descriptor && GetSecurityDescriptorControl(descriptor, &control, &revision) ? control
                                                                                           : 0;
    }
    bool isProtected() const { return (control() & SE_DACL_PROTECTED) != 0; }
};

DWORD readSecurity(HANDLE handle, SECURITY_INFORMATION what, Security* security) {
    return GetSecurityInfo(handle, SE_FILE_OBJECT, what,
                           (what & OWNER_SECURITY_INFORMATION) ? &security->owner : nullptr,
                           nullptr, (what & DACL_SECURITY_INFORMATION) ? &security->dacl : nullptr,
                           nullptr, &security->descriptor);
}

// Read through a handle of its own, opened for that alone: the handles held here are opened
// only for what they are used for.
DWORD readSecurityOf(HANDLE handle, SECURITY_INFORMATION what, Security* security) {
    const Held readable(ReOpenFile(handle, READ_CONTROL, kShareAll,
                                   FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT));
    if (!readable)
        return GetLastError();
    return readSecurity(readable.get(), what, security);
}

QString sidText(PSID sid) {
    wchar_t* text = nullptr;
    if (!sid || !ConvertSidToStringSidW(sid, &text))
        return QString();
    const QString result = QString::fromWCharArray(text);
    LocalFree(text);
    return result;
}

QString playerSid() {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
        return QString();
    const Held held(token);
    DWORD size = 0;
    GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    std::vector<unsigned long long> buffer((size + 7) / 8 + 1);
    if (size == 0 || !GetTokenInformation(token, TokenUser, buffer.data(), size, &size))
        return QString();
    return sidText(reinterpret_cast<TOKEN_USER*>(buffer.data())->User.Sid);
}

// The system's own accounts: the system itself, the administrators and the installer service.
bool isSystems(const QString& sid) {
    return sid == QLatin1String("S-1-5-18") || sid == QLatin1String("S-1-5-32-544") ||
           sid == QLatin1String("S-1-5-80-956008885-3418522649-1831038044-1853292631-2271478464");
}

// Whether anyone but the player or the system may add a name to the folder whose access list
// this is, or take one away. Only the rules that allow are looked at: one that denies could
// only make the answer stricter than it needs to be.
bool othersMayWriteIn(PACL dacl, const QString& player) {
    if (!dacl)
        return true;  // no list at all lets everyone in
    constexpr ACCESS_MASK kWriting = FILE_ADD_FILE | FILE_ADD_SUBDIRECTORY | FILE_DELETE_CHILD |
                                     WRITE_DAC | WRITE_OWNER | GENERIC_WRITE | GENERIC_ALL;
    for (DWORD i = 0; i < dacl->AceCount; ++i) {
        void* ace = nullptr;
        if (!GetAce(dacl, i, &ace))
            return true;
        const auto* header = static_cast<const ACE_HEADER*>(ace);
        if (header->AceFlags & INHERIT_ONLY_ACE)
            continue;
        switch (header->AceType) {
            case ACCESS_DENIED_ACE_TYPE:
            case ACCESS_DENIED_OBJECT_ACE_TYPE:
            case ACCESS_DENIED_CALLBACK_ACE_TYPE:
            case ACCESS_DENIED_CALLBACK_OBJECT_ACE_TYPE:
                continue;
            default:
                break;
        }
        // Every kind of rule keeps its rights just after its header; only the plain kinds keep
        // their account right after: any other kind counts as someone else's.
        const auto* allowed = static_cast<const ACCESS_ALLOWED_ACE*>(ace);
        if (!(allowed->Mask & kWriting))
            continue;
        if (header->AceType != ACCESS_ALLOWED_ACE_TYPE &&
            header->AceType != ACCESS_ALLOWED_CALLBACK_ACE_TYPE)
            return true;
        const QString sid = sidText(const_cast<DWORD*>(&allowed->SidStart));
        // CREATOR OWNER and OWNER RIGHTS stand for the folder's owner: the player or the system.
        if (sid.isEmpty() || (sid != player && !isSystems(sid) && sid != QLatin1String("S-1-3-0") &&
                              sid != QLatin1String("S-1-3-4")))
            return true;
    }
    return false;
}

QString foreignLinkText() {
    return QCoreApplication::translate(
        "velmira::OpenFolder",
        "it is a link that another user could have put there, which Velmira does not follow");
}

// Whether the link held open as `link`, in the folder held open as `holder`, can only have been
// made by the player: the link and the folder belong to the player or to the system, and nobody
// else may add names to the folder or take them away. (Windows has no folder where others may
// write only under names of their own, so a folder others may write is never trusted.)
bool linkIsTrusted(HANDLE holder, HANDLE link, QString* reason) {
    const QString player = playerSid();
    const auto ours = [&](PSID sid) {
        const QString text = sidText(sid);
        return !text.isEmpty() && (text == player || isSystems(text));
    };
    Security ofLink;
    Security ofHolder;
    DWORD code = readSecurityOf(link, OWNER_SECURITY_INFORMATION, &ofLink);
    if (code == 0)
        code = readSecurityOf(holder, OWNER_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION,
                              &ofHolder);
    if (code != 0) {
        *reason = systemErrorText(static_cast<int>(code));
        return false;
    }
    if (ours(ofLink.owner) && ours(ofHolder.owner) && !othersMayWriteIn(ofHolder.dacl, player))
        return true;
    *reason = foreignLinkText();
    return false;
}

// The rules of an access list a file has of its own: those it does not inherit or, when it is
// protected from its folder's, all of them (whatever they say of where they came from).
QList<QByteArray> rulesOf(PACL dacl, bool all) {
    QList<QByteArray> rules;
    for (DWORD i = 0; dacl && i < dacl->AceCount; ++i) {
        void* ace = nullptr;
        if (!GetAce(dacl, i, &ace))
            break;
        const auto* header = static_cast<const ACE_HEADER*>(ace);
        if (!all && (header->AceFlags & INHERITED_ACE))
            continue;
        QByteArray rule(static_cast<const char*>(ace), header->AceSize);
        reinterpret_cast<ACE_HEADER*>(rule.data())->AceFlags &= static_cast<BYTE>(~INHERITED_ACE);
        rules << rule;
    }
    return rules;
}

// Gives the new file open as `file` the access rules that the plain file at `oldPath` was given
// of its own (a list protected from its folder's, or rules beside those it inherits), so that a
// private file stays private once replaced. A file whose rules are all inherited leaves the new
// one with the same, inherited from the same folder. The reason of a failure, empty on success.
QString giveRulesOf(HANDLE file, const QString& oldPath) {
    const Held old(CreateFileW(wide(oldPath).c_str(), READ_CONTROL | FILE_READ_ATTRIBUTES,
                               kShareAll, nullptr, OPEN_EXISTING,
                               FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    if (!old) {
        const DWORD code = GetLastError();
        // Gone meanwhile: there is nothing left to be like.
        return code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND
                   ? QString()
                   : systemErrorText(static_cast<int>(code));
    }
    FILE_ATTRIBUTE_TAG_INFO tag;
    if (!GetFileInformationByHandleEx(old.get(), FileAttributeTagInfo, &tag, sizeof tag))
        return lastError();
    if (tag.FileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT))
        return QString();
    Security was;
    DWORD code = readSecurity(old.get(), DACL_SECURITY_INFORMATION, &was);
    if (code != 0)
        return systemErrorText(static_cast<int>(code));
    // No list at all lets everyone in: the folder's rules are no more open than that.
    if (!was.dacl)
        return QString();
    const bool isProtected = was.isProtected();
    const QList<QByteArray> own = rulesOf(was.dacl, isProtected);
    if (!isProtected && own.isEmpty())
        return QString();
    Security now;
    if ((code = readSecurity(file, DACL_SECURITY_INFORMATION, &now)) != 0)
        return systemErrorText(static_cast<int>(code));
    if (now.isProtected() == isProtected && rulesOf(now.dacl, isProtected) == own)
        return QString();
    // Unprotected: its own rules first, then those the new file inherits from the folder.
    PACL given = was.dacl;
    std::vector<unsigned long long> built;
    if (!isProtected) {
        QList<QByteArray> rules = own;
        for (DWORD i = 0; now.dacl && i < now.dacl->AceCount; ++i) {
            void* ace = nullptr;
            if (GetAce(now.dacl, i, &ace) &&
                (static_cast<const ACE_HEADER*>(ace)->AceFlags & INHERITED_ACE))
                rules << QByteArray(static_cast<const char*>(ace),
                                    static_cast<const ACE_HEADER*>(ace)->AceSize);
        }
        DWORD size = sizeof(ACL);
        for (const QByteArray& rule : rules)
            size += static_cast<DWORD>(rule.size());
        size = (size + 3) & ~DWORD{3};
        built.assign(size / sizeof(unsigned long long) + 1, 0);
        given = reinterpret_cast<PACL>(built.data());
        const DWORD revision =
            std::max<DWORD>(was.dacl->AclRevision, now.dacl ? now.dacl->AclRevision : ACL_REVISION);
        if (!InitializeAcl(given, size, revision))
            return lastError();
        for (const QByteArray& rule : rules)
            if (!AddAce(given, revision, MAXDWORD, const_cast<char*>(rule.constData()),
                        static_cast<DWORD>(rule.size())))
                return lastError();
    }
    // Set as given, by the kernel's own call: the higher one may add the folder's rules to a
    // protected list (Wine does).
    SECURITY_DESCRIPTOR descriptor;
    constexpr SECURITY_DESCRIPTOR_CONTROL kInheritance = SE_DACL_PROTECTED | SE_DACL_AUTO_INHERITED;
    const auto inherited = static_cast<SECURITY_DESCRIPTOR_CONTROL>(
        (was.control() | now.control()) & SE_DACL_AUTO_INHERITED);
    if (!InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION) ||
        !SetSecurityDescriptorDacl(&descriptor, TRUE, given, FALSE) ||
        !SetSecurityDescriptorControl(&descriptor, kInheritance,
                                      static_cast<SECURITY_DESCRIPTOR_CONTROL>(
                                          inherited | (isProtected ? SE_DACL_PROTECTED : 0))) ||
        !SetKernelObjectSecurity(file, DACL_SECURITY_INFORMATION, &descriptor))
        return lastError();
    // The system may keep less than it was given (Wine keeps only what a file's mode can say):
    // never a new file more open than the old one.
    Security after;
    if ((code = readSecurity(file, DACL_SECURITY_INFORMATION, &after)) != 0)
        return systemErrorText(static_cast<int>(code));
    if (after.isProtected() != isProtected || rulesOf(after.dacl, isProtected) != own)
        return QCoreApplication::translate(
            "velmira::OpenFolder",
            "the system did not give the new file the access rules of the one it replaces");
    return QString();
}

// Links -----------------------------------------------------------------------------------

// The most links followed on the way to one folder or file, as on the other systems.
constexpr int kMaxLinks = 40;

bool isLinkTag(DWORD tag) {
    return tag == IO_REPARSE_TAG_SYMLINK || tag == IO_REPARSE_TAG_MOUNT_POINT;
}

// Whether the folder lists the name at `path` as a link, whatever opening it gave.
bool listedAsLink(const QString& path) {
    const DWORD attributes = GetFileAttributesW(wide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

// Whether what was opened as itself at `path` is a link: a reparse point, or a name listed as
// one although the system opened what it leads to (Wine does that for a link to a folder).
bool isLink(const FILE_ATTRIBUTE_TAG_INFO& tag, const QString& path) {
    return (tag.FileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) || listedAsLink(path);
}

// The reparse data of a link held open as itself; empty when it cannot be read.
QByteArray reparseDataOf(HANDLE link) {
    QByteArray data(MAXIMUM_REPARSE_DATA_BUFFER_SIZE, Qt::Uninitialized);
    DWORD got = 0;
    if (!DeviceIoControl(link, FSCTL_GET_REPARSE_POINT, nullptr, 0, data.data(),
                         static_cast<DWORD>(data.size()), &got, nullptr))
        return QByteArray();
    data.truncate(got);
    return data;
}

// Where a symbolic link or a junction leads, as a Windows path (relative to the link's folder
// when the link says so); empty when it is not a path on a drive, a share or a volume.
QString targetOf(const QByteArray& data) {
    const auto number = [&](qsizetype at, auto value) {
        std::memcpy(&value, data.constData() + at, sizeof value);
        return value;
    };
    if (data.size() < 16)
        return QString();
    const DWORD tag = number(0, DWORD{});
    const qsizetype offset = number(8, quint16{});
    const qsizetype length = number(10, quint16{});
    qsizetype names = 16;
    bool relative = false;
    if (tag == IO_REPARSE_TAG_SYMLINK) {
        if (data.size() < 20)
            return QString();
        relative = (number(16, ULONG{}) & SYMLINK_FLAG_RELATIVE) != 0;
        names = 20;
    } else if (tag != IO_REPARSE_TAG_MOUNT_POINT) {
        return QString();
    }
    if (length % 2 != 0 || names + offset + length > data.size())
        return QString();
    QString name(length / 2, Qt::Uninitialized);
    std::memcpy(name.data(), data.constData() + names + offset, static_cast<size_t>(length));
    if (relative)
        return name;
    const QLatin1String prefix("\\??\\");
    if (!name.startsWith(prefix))
        return QString();
    const QString rest = name.mid(prefix.size());
    if (rest.startsWith(QLatin1String("UNC\\"), Qt::CaseInsensitive))
        return QLatin1String("\\\\") + rest.mid(4);
    if (rest.size() >= 2 && rest[1] == QLatin1Char(':'))
        return rest;
    return QLatin1String("\\\\?\\") + rest;  // a volume by its name
}

// A path as its root ("C:\", "\\server\share\", "\\?\C:\", "\\?\Volume{…}\"; none when it is
// relative) and its parts, "." left out. False for a path of any other form (one on the current
// drive, say), which is not followed.
bool splitPath(const QString& path, QString* root, QStringList* parts) {
    const QString native = QDir::toNativeSeparators(path);
    const QLatin1Char slash('\\');
    root->clear();
    qsizetype rest = 0;
    // "server\share" from `from` on.
    const auto share = [&](qsizetype from) {
        const qsizetype server = native.indexOf(slash, from);
        if (server <= from)
            return false;
        qsizetype end = native.indexOf(slash, server + 1);
        if (end < 0)
            end = native.size();
        if (end == server + 1)
            return false;
        *root = native.left(end) + slash;
        rest = end;
        return true;
    };
    if (native.startsWith(QLatin1String("\\\\?\\")) ||
        native.startsWith(QLatin1String("\\\\.\\"))) {
        const QString inner = native.mid(4);
        if (inner.size() >= 2 && inner[1] == QLatin1Char(':')) {
            if (inner.size() > 2 && inner[2] != slash)
                return false;
            *root = native.left(6) + slash;
            rest = 6;
        } else if (inner.startsWith(QLatin1String("UNC\\"), Qt::CaseInsensitive)) {
            if (!share(8))
                return false;
        } else if (inner.startsWith(QLatin1String("Volume{"), Qt::CaseInsensitive)) {
            qsizetype end = native.indexOf(slash, 4);
            if (end < 0)
                end = native.size();
            *root = native.left(end) + slash;
            rest = end;
        } else {
            return false;
        }
    } else if (native.startsWith(QLatin1String("\\\\"))) {
        if (!share(2))
            return false;
    } else if (native.size() >= 2 && native[1] == QLatin1Char(':')) {
        if (native.size() > 2 && native[2] != slash)
            return false;
        *root = native.left(2) + slash;
        rest = 2;
    } else if (native.startsWith(slash)) {
        return false;
    }
    parts->clear();
    for (const QString& part : native.mid(rest).split(slash, Qt::SkipEmptyParts))
        if (part != QLatin1String("."))
            parts->append(part);
    return true;
}

// The parts with each ".." taking the part before it away, by name, as Windows resolves a
// link's target; none goes above the first.
QStringList withoutUps(const QStringList& parts) {
    QStringList kept;
    for (const QString& part : parts) {
        if (part != QLatin1String(".."))
            kept.append(part);
        else if (!kept.isEmpty())
            kept.removeLast();
    }
    return kept;
}

QString joinNative(const QString& folder, const QString& name) {
    return folder.endsWith(QLatin1Char('\\')) ? folder + name : folder + QLatin1Char('\\') + name;
}

// Where a walk ended: what it opened and the path that leads there, every link on the way
// replaced by where it leads; or why nothing was (the system's code, or 0 with a reason of
// Velmira's own).
struct Walked {
    Held handle;
    QString path;
    DWORD code = 0;
    QString reason;
    explicit operator bool() const { return bool(handle); }
};

Walked failed(DWORD code) {
    Walked walked;
    walked.code = code;
    walked.reason = systemErrorText(static_cast<int>(code));
    return walked;
}

Walked refused(const QString& reason) {
    Walked walked;
    walked.reason = reason;
    return walked;
}

Walked openPlayers(const QString& fromPath, HANDLE from, const QString& path, const Step& last,
                   int* links);

// Follows the link at `linkPath`, held open as itself as `link`, in the folder `folderPath` held
// open as `folder`: only when it is the player's own, its target opened part by part as the
// player's (openPlayers), and its data read again afterwards so that a link changed meanwhile is
// refused. What it leads to is opened as `step` says.
Walked followLink(const QString& folderPath, HANDLE folder, const QString& linkPath, Held link,
                  const FILE_ATTRIBUTE_TAG_INFO& tag, const Step& step, int* links) {
    if (++*links > kMaxLinks)
        return failed(ERROR_CANT_RESOLVE_FILENAME);
    const bool itself = (tag.FileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
    if (itself && !isLinkTag(tag.ReparseTag))
        return failed(ERROR_CANT_ACCESS_FILE);
    QString why;
    if (!linkIsTrusted(folder, link.get(), &why))
        return refused(why);
    const QString changed = QCoreApplication::translate(
        "velmira::OpenFolder", "the link was changed while it was being followed");
    if (!itself) {
        // The system opened what the link leads to: the link is judged by what can be seen of
        // it, and its name must still lead to the file opened.
        const Held again(CreateFileW(wide(linkPath).c_str(), FILE_READ_ATTRIBUTES, kShareAll,
                                     nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
        if (!again || !sameFile(again.get(), link.get()) || !listedAsLink(linkPath))
            return refused(changed);
        if (step.folder && !(tag.FileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            return failed(ERROR_DIRECTORY);
        Walked reached;
        reached.handle = std::move(link);
        reached.path = linkPath;
        return reached;
    }
    const QByteArray data = reparseDataOf(link.get());
    if (data.isEmpty()) {
        const DWORD code = GetLastError();
        return failed(code != 0 ? code : ERROR_CANT_RESOLVE_FILENAME);
    }
    const QString target = targetOf(data);
    if (target.isEmpty())
        return failed(ERROR_CANT_RESOLVE_FILENAME);
    Walked reached = openPlayers(folderPath, folder, target, step, links);
    if (reached && reparseDataOf(link.get()) != data)
        return refused(changed);
    return reached;
}

// Opens `path` from the folder `fromPath` held open as `from` (from its root when it is
// absolute) one part at a time, each opened as itself: a link on the way is followed only when
// it is the player's own (followLink), anything else but a folder before the last part is
// refused. The last part is opened as `last` says.
Walked openPlayers(const QString& fromPath, HANDLE from, const QString& path, const Step& last,
                   int* links) {
    QString root;
    QStringList parts;
    if (!splitPath(path, &root, &parts))
        return failed(ERROR_CANT_RESOLVE_FILENAME);
    Held held;
    HANDLE at = from;
    QString here = fromPath;
    if (!root.isEmpty()) {
        parts = withoutUps(parts);
        held = Held(openFolderHandle(root, 0));
        if (!held)
            return failed(GetLastError());
        at = held.get();
        here = root;
    } else if (parts.contains(QLatin1String(".."))) {
        // Above the link's folder: the folders there are those the player named, opened as such.
        QString fromRoot;
        QStringList fromParts;
        if (!splitPath(fromPath, &fromRoot, &fromParts))
            return failed(ERROR_CANT_RESOLVE_FILENAME);
        fromParts = withoutUps(fromParts);
        const QStringList joined = withoutUps(fromParts + parts);
        qsizetype common = 0;
        while (common < fromParts.size() && common < joined.size() &&
               fromParts[common] == joined[common])
            ++common;
        parts = joined.mid(common);
        if (common < fromParts.size()) {
            here = fromRoot.isEmpty() ? QStringLiteral(".") : fromRoot;
            for (qsizetype i = 0; i < common; ++i)
                here = joinNative(here, fromParts[i]);
            held = Held(openFolderHandle(here, 0));
            if (!held)
                return failed(GetLastError());
            at = held.get();
        }
    }
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const Step& step = i == parts.size() - 1 ? last : kFolderStep;
        const QString next = joinNative(here, parts[i]);
        Held opened(
            CreateFileW(wide(next).c_str(), step.access, step.sharing, nullptr, OPEN_EXISTING,
                        FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
        if (!opened)
            return failed(GetLastError());
        FILE_ATTRIBUTE_TAG_INFO tag;
        if (!GetFileInformationByHandleEx(opened.get(), FileAttributeTagInfo, &tag, sizeof tag))
            return failed(GetLastError());
        Walked reached;
        if (isLink(tag, next)) {
            reached = followLink(here, at, next, std::move(opened), tag, step, links);
            if (!reached)
                return reached;
        } else if (step.folder && !(tag.FileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
            return failed(ERROR_DIRECTORY);
        } else {
            reached.handle = std::move(opened);
            reached.path = next;
        }
        held = std::move(reached.handle);
        at = held.get();
        here = reached.path;
    }
    if (!held) {
        // It leads back to the folder it started from: a handle of its own to it.
        HANDLE copy = nullptr;
        if (!DuplicateHandle(GetCurrentProcess(), from, GetCurrentProcess(), &copy, 0, FALSE,
                             DUPLICATE_SAME_ACCESS))
            return failed(GetLastError());
        held = Held(copy);
    }
    Walked walked;
    walked.handle = std::move(held);
    walked.path = here;
    return walked;
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

bool OpenFolder::linkIsPlayers(const QString& name, QString* reason) const {
    if (kindOf(name) != Kind::Link)
        return true;
    // The whole way is looked at: a link of the player's may lead through another's.
    int links = 0;
    const Walked reached =
        openPlayers(m_path, m_handle, name, Step{false, FILE_READ_ATTRIBUTES, kShareAll}, &links);
    if (!reached)
        *reason = reached.reason;
    return bool(reached);
}

bool OpenFolder::pathIsPlayers(const QString& path, QString* reason) {
    const QString clean =
        QDir::toNativeSeparators(QDir::cleanPath(QDir::fromNativeSeparators(path)));
    const qsizetype cut = clean.lastIndexOf(QLatin1Char('\\'));
    if (cut < 0 || cut == clean.size() - 1)
        return true;
    QString parent = clean.left(cut);
    // "C:" alone is the drive's current folder, not its root.
    if (cut == 0 || (parent.size() == 2 && parent[1] == QLatin1Char(':')))
        parent += QLatin1Char('\\');
    QString ignored;
    const OpenFolder folder = open(parent, &ignored);
    return !folder.isOpen() || folder.linkIsPlayers(clean.mid(cut + 1), reason);
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
