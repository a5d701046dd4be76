#include "openfolder_links_win.h"

#include "platform/files.h"
#include "platform/openfolder.h"
#include "platform/openfolder_rules_win.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QStringList>

#include <cstring>
#include <utility>
#include <vector>

#include <windows.h>

#include <sddl.h>
#include <winioctl.h>

namespace velmira {

namespace {
bool sameFile(HANDLE a, HANDLE b) {
    BY_HANDLE_FILE_INFORMATION one;
    BY_HANDLE_FILE_INFORMATION other;
    return GetFileInformationByHandle(a, &one) && GetFileInformationByHandle(b, &other) &&
           one.dwVolumeSerialNumber == other.dwVolumeSerialNumber &&
           one.nFileIndexHigh == other.nFileIndexHigh && one.nFileIndexLow == other.nFileIndexLow;
}

// Security --------------------------------------------------------------------------------

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

// Links -----------------------------------------------------------------------------------

// The most links followed on the way to one folder or file, as on the other systems.
constexpr int kMaxLinks = 40;

// Whether the folder lists the name at `path` as a link, whatever opening it gave.
bool listedAsLink(const QString& path) {
    const DWORD attributes = GetFileAttributesW(wide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}
}  // namespace

bool isLink(const FILE_ATTRIBUTE_TAG_INFO& tag, const QString& path) {
    return (tag.FileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) || listedAsLink(path);
}

namespace {
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
}  // namespace

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

namespace {
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

}  // namespace velmira
