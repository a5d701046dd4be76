#include "helpers/testenv.h"
#include "platform/openfolder.h"

#include <gtest/gtest.h>

#ifdef Q_OS_WIN
#include <QRegularExpression>
#include <QThread>

#include <cstring>
#include <functional>
#include <utility>
#include <vector>

#include <windows.h>

#include <aclapi.h>
#include <sddl.h>
#include <winioctl.h>

using namespace velmira;
using namespace velmira::test;

namespace {

const QString kForeignLink = QStringLiteral(
    "it is a link that another user could have put there, which Velmira does not follow");

std::wstring wide(const QString& path) {
    return QDir::toNativeSeparators(path).toStdWString();
}

// Wine, where this suite runs on Linux, makes no links through Windows calls and keeps no
// access rules of a file's own (what it tells of them comes from the Linux file's mode): there
// the Linux tools make both.
bool underWine() {
    return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

QString linuxPath(const QString& path) {
    using ToLinux = char* (*)(LPCWSTR);
    const auto toLinux = reinterpret_cast<ToLinux>(reinterpret_cast<void (*)()>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    char* name = toLinux ? toLinux(wide(path).c_str()) : nullptr;
    if (!name)
        return QString();
    const QString result = QString::fromLocal8Bit(name);
    HeapFree(GetProcessHeap(), 0, name);
    return result;
}

// Runs a Linux program under Wine and waits until `done` holds: Wine hands back no end of a
// Linux program to wait for.
bool runLinux(const QStringList& command, const std::function<bool()>& done) {
    QString line;
    for (const QString& part : command)
        line += QLatin1Char('"') + part + QLatin1String("\" ");
    std::wstring text = line.toStdWString();
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, text.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    for (int i = 0; i < 200 && !done(); ++i)
        QThread::msleep(25);
    return done();
}

bool listedAsLink(const QString& path) {
    const DWORD attributes = GetFileAttributesW(wide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

bool isReadOnly(const QString& path) {
    const DWORD attributes = GetFileAttributesW(wide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
}

QString playerSid() {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
        return QString();
    std::vector<unsigned long long> buffer(64);
    DWORD size = 0;
    const bool got = GetTokenInformation(token, TokenUser, buffer.data(),
                                         static_cast<DWORD>(buffer.size() * 8), &size);
    CloseHandle(token);
    wchar_t* text = nullptr;
    if (!got ||
        !ConvertSidToStringSidW(reinterpret_cast<TOKEN_USER*>(buffer.data())->User.Sid, &text))
        return QString();
    const QString sid = QString::fromWCharArray(text);
    LocalFree(text);
    return sid;
}

// A file's access list as the system tells it: "P" when it is protected from its folder's,
// then its rules of its own, those it inherits left out.
QString rulesOf(const QString& path) {
    const HANDLE file = CreateFileW(
        wide(path).c_str(), READ_CONTROL, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
        nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    wchar_t* text = nullptr;
    QString sddl;
    if (file != INVALID_HANDLE_VALUE &&
        GetSecurityInfo(file, SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr, nullptr, nullptr,
                        nullptr, &descriptor) == ERROR_SUCCESS &&
        ConvertSecurityDescriptorToStringSecurityDescriptorW(
            descriptor, SDDL_REVISION_1, DACL_SECURITY_INFORMATION, &text, nullptr))
        sddl = QString::fromWCharArray(text);
    LocalFree(text);
    LocalFree(descriptor);
    if (file != INVALID_HANDLE_VALUE)
        CloseHandle(file);
    const qsizetype open = sddl.indexOf(QLatin1Char('('));
    const QString flags = sddl.mid(2, open < 0 ? -1 : open - 2);
    QString rules = flags.contains(QLatin1Char('P')) ? QStringLiteral("P") : QString();
    static const QRegularExpression rule(QStringLiteral("\\(([^;]*);([^;]*);[^)]*\\)"));
    for (auto it = rule.globalMatch(sddl); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        if (!match.captured(2).contains(QLatin1String("ID")))
            rules += match.captured(0);
    }
    return rules;
}

// Gives the file or folder the access rules `rules` (as SDDL, the player as %1) as they are, by
// the kernel's own call: Wine's higher one adds the folder's rules to them.
bool giveRules(const QString& path, const QString& rules) {
    const std::wstring sddl = rules.arg(playerSid()).toStdWString();
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(sddl.c_str(), SDDL_REVISION_1,
                                                              &descriptor, nullptr))
        return false;
    const HANDLE file = CreateFileW(wide(path).c_str(), READ_CONTROL | WRITE_DAC,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    const bool set = file != INVALID_HANDLE_VALUE &&
                     SetKernelObjectSecurity(file, DACL_SECURITY_INFORMATION, descriptor);
    if (file != INVALID_HANDLE_VALUE)
        CloseHandle(file);
    LocalFree(descriptor);
    return set;
}

// Open to the player and the system alone, protected from the folder's rules (under Wine, which
// keeps them in the Linux mode, for the owner and the group alone); and a folder everyone may
// also write.
const QString kPrivateFile = QStringLiteral("D:P(A;;FA;;;SY)(A;;FA;;;%1)");
const QString kPrivateFolder = QStringLiteral("D:P(A;OICI;FA;;;SY)(A;OICI;FA;;;%1)");
const QString kSharedFolder = kPrivateFolder + QStringLiteral("(A;;FA;;;WD)");

bool makeJunction(const QString& link, const QString& target) {
    if (!CreateDirectoryW(wide(link).c_str(), nullptr))
        return false;
    const HANDLE made =
        CreateFileW(wide(link).c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                    FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    const std::wstring substitute = L"\\??\\" + wide(target);
    const std::wstring print = wide(target);
    const auto bytesOf = [](const std::wstring& text) {
        return static_cast<WORD>(text.size() * sizeof(wchar_t));
    };
    // The reparse data of a junction: tag, length, then where its two names lie and the names.
    std::vector<char> data(static_cast<size_t>(16 + bytesOf(substitute) + bytesOf(print) + 4));
    const DWORD tag = IO_REPARSE_TAG_MOUNT_POINT;
    const WORD fields[] = {static_cast<WORD>(data.size() - 8),
                           0,
                           0,
                           bytesOf(substitute),
                           static_cast<WORD>(bytesOf(substitute) + 2),
                           bytesOf(print)};
    std::memcpy(data.data(), &tag, sizeof tag);
    std::memcpy(data.data() + 4, fields, sizeof fields);
    std::memcpy(data.data() + 16, substitute.data(), bytesOf(substitute));
    std::memcpy(data.data() + 16 + bytesOf(substitute) + 2, print.data(), bytesOf(print));
    DWORD returned = 0;
    const bool set =
        made != INVALID_HANDLE_VALUE &&
        DeviceIoControl(made, FSCTL_SET_REPARSE_POINT, data.data(), static_cast<DWORD>(data.size()),
                        nullptr, 0, &returned, nullptr);
    if (made != INVALID_HANDLE_VALUE)
        CloseHandle(made);
    if (!set || !listedAsLink(link)) {
        RemoveDirectoryW(wide(link).c_str());
        return false;
    }
    return true;
}

// A link to a folder the player makes: a symbolic link where the player may make one, else a
// junction, else (Wine) a Linux link. Removed when it goes, so that nothing follows it then.
class FolderLink {
  public:
    FolderLink(QString link, const QString& target) : m_link(std::move(link)) {
        if (CreateSymbolicLinkW(
                wide(m_link).c_str(), wide(target).c_str(),
                SYMBOLIC_LINK_FLAG_DIRECTORY | SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE) &&
            listedAsLink(m_link))
            m_kind = "a symbolic link";
        else if (makeJunction(m_link, target))
            m_kind = "a junction";
        else if (underWine() && runLinux({QStringLiteral("/bin/ln"), QStringLiteral("-s"),
                                          linuxPath(target), linuxPath(m_link)},
                                         [&] { return listedAsLink(m_link); })) {
            m_kind = "a Linux link";
            m_linux = true;
        }
    }
    ~FolderLink() {
        if (m_linux)
            runLinux({QStringLiteral("/bin/rm"), QStringLiteral("-f"), linuxPath(m_link)},
                     [&] { return !listedAsLink(m_link); });
        else if (m_kind)
            RemoveDirectoryW(wide(m_link).c_str());
    }
    FolderLink(const FolderLink&) = delete;
    FolderLink& operator=(const FolderLink&) = delete;
    const char* kind() const { return m_kind; }

  private:
    QString m_link;
    const char* m_kind = nullptr;
    bool m_linux = false;
};

// A replaced file, and the copy kept of one, are as read-only and as private as the file was:
// through each way a file is replaced, for a read-only file and for one with access rules of
// its own.
TEST(OpenFolderWindows, AReplacedFileIsNoMoreOpenThanTheOneItReplaces) {
    using Replace = std::function<bool(const OpenFolder&, QString*)>;
    const struct {
        const char* way;
        Replace replace;
        const char* result;  // the file that must be like the old one
    } ways[] = {
        {"replace",
         [](const OpenFolder& folder, QString* reason) {
             return folder.replace(QStringLiteral("a.cfg"), "new", reason);
         },
         "a.cfg"},
        {"replaceTogether",
         [](const OpenFolder& folder, QString* reason) {
             *reason = folder.replaceTogether({QStringLiteral("a.cfg")}, "new");
             return reason->isEmpty();
         },
         "a.cfg"},
        {"keepCopy",
         [](const OpenFolder& folder, QString* reason) {
             return folder.keepCopy(QStringLiteral("a.cfg"), QStringLiteral("a.cfg.velmira-backup"),
                                    "old", reason);
         },
         "a.cfg.velmira-backup"},
    };
    const struct {
        const char* file;
        std::function<bool(const QString&)> make;
    } olds[] = {
        {"read-only",
         [](const QString& path) {
             return SetFileAttributesW(wide(path).c_str(), FILE_ATTRIBUTE_READONLY) != 0;
         }},
        {"private", [](const QString& path) { return giveRules(path, kPrivateFile); }},
    };
    for (const auto& way : ways) {
        for (const auto& old : olds) {
            SCOPED_TRACE(std::string(way.way) + ", " + old.file);
            Scratch scratch;
            const QString root = scratch.mkdir(QStringLiteral("mod"));
            const QString file = scratch.write(QStringLiteral("mod/a.cfg"), "old");
            ASSERT_TRUE(old.make(file));
            const QString rules = rulesOf(file);
            const bool readOnly = isReadOnly(file);
            QString reason;
            const OpenFolder folder = OpenFolder::open(root, &reason);
            ASSERT_TRUE(way.replace(folder, &reason)) << qPrintable(reason);
            const QString result = root + QDir::separator() + QLatin1String(way.result);
            EXPECT_EQ(isReadOnly(result), readOnly);
            EXPECT_EQ(rulesOf(result), rules);
            if (!rules.contains(QLatin1String(";WD)"))) {
                EXPECT_FALSE(rulesOf(result).contains(QLatin1String(";WD)"))) << "open to everyone";
            }
            SetFileAttributesW(wide(result).c_str(), FILE_ATTRIBUTE_NORMAL);
            SetFileAttributesW(wide(file).c_str(), FILE_ATTRIBUTE_NORMAL);
        }
    }
}

// A file another program has open for writing is not read for a change (its bytes may be half
// written) and not replaced under it, even though its sharing would let the rename through.
TEST(OpenFolderWindows, AFileAnotherProgramIsWritingIsNeitherReadForAChangeNorReplaced) {
    Scratch scratch;
    const QString root = scratch.mkdir(QStringLiteral("mod"));
    const QString path = scratch.write(QStringLiteral("mod/config.cfg"), "old");
    const QString name = QStringLiteral("config.cfg");
    QString reason;
    const OpenFolder folder = OpenFolder::open(root, &reason);
    const auto writer = [&] {
        return CreateFileW(wide(path).c_str(), GENERIC_WRITE,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    };
    OpenFolder::FileState state;
    HANDLE writing = writer();
    ASSERT_NE(writing, INVALID_HANDLE_VALUE);
    EXPECT_EQ(folder.readFile(name, 100, &state), std::nullopt);
    EXPECT_TRUE(state.busy);
    EXPECT_TRUE(folder.stateOf(name).busy);
    EXPECT_EQ(folder.readFile(name, 100), std::optional<QByteArray>("old")) << "only looked at";
    CloseHandle(writing);

    ASSERT_EQ(folder.readFile(name, 100, &state), std::optional<QByteArray>("old"));
    EXPECT_FALSE(state.busy);
    EXPECT_EQ(folder.stateOf(name), state);
    writing = writer();
    EXPECT_EQ(folder.replaceIfUnchanged(name, state, "new", &reason),
              OpenFolder::Replaced::Changed);
    CloseHandle(writing);
    EXPECT_EQ(folder.readFile(name, 100), std::optional<QByteArray>("old"));
    EXPECT_EQ(folder.replaceIfUnchanged(name, state, "new", &reason), OpenFolder::Replaced::Done)
        << qPrintable(reason);
    EXPECT_EQ(folder.readFile(name, 100), std::optional<QByteArray>("new"));
}

// The player's own link to a folder, in a folder only the player and the system may write, is
// followed; once others may write there, it could be theirs and is not.
TEST(OpenFolderWindows, ThePlayersOwnLinkIsFollowedAndNoOneElses) {
    Scratch scratch;
    const QString root = scratch.mkdir(QStringLiteral("game"));
    const QString elsewhere = scratch.mkdir(QStringLiteral("elsewhere"));
    scratch.write(QStringLiteral("elsewhere/inside.cfg"), "inside");
    // Whatever the rules of the folder the suite runs in.
    ASSERT_TRUE(giveRules(root, kPrivateFolder));
    const QString link = root + QDir::separator() + QStringLiteral("mod");
    const FolderLink made(link, elsewhere);
    if (!made.kind())
        GTEST_SKIP() << "no link to a folder can be made here: no symbolic link, no junction";
    SCOPED_TRACE(made.kind());
    QString reason;
    const OpenFolder folder = OpenFolder::open(root, &reason);
    ASSERT_TRUE(folder.isOpen()) << qPrintable(reason);
    EXPECT_EQ(folder.kindOf(QStringLiteral("mod")), OpenFolder::Kind::Link);
    {
        const OpenFolder followed = folder.child(QStringLiteral("mod"), false, &reason);
        ASSERT_TRUE(followed.isOpen()) << qPrintable(reason);
        EXPECT_EQ(followed.readFile(QStringLiteral("inside.cfg"), 100),
                  std::optional<QByteArray>("inside"));
    }
    EXPECT_TRUE(folder.linkIsPlayers(QStringLiteral("mod"), &reason)) << qPrintable(reason);
    EXPECT_TRUE(OpenFolder::pathIsPlayers(link, &reason)) << qPrintable(reason);

    ASSERT_TRUE(giveRules(root, kSharedFolder));
    const auto refused = [&](bool followed, const char* what) {
        EXPECT_FALSE(followed) << what;
        EXPECT_EQ(reason, kForeignLink) << what;
        reason.clear();
    };
    refused(folder.child(QStringLiteral("mod"), false, &reason).isOpen(), "child");
    refused(folder.linkIsPlayers(QStringLiteral("mod"), &reason), "linkIsPlayers");
    refused(OpenFolder::pathIsPlayers(link, &reason), "pathIsPlayers");
}

}  // namespace
// A folder at a drive's top is opened from the drive's root, never from its current folder.
TEST(OpenFolderWindows, AFolderAtADrivesTopIsOpenedFromTheRoot) {
    const QString windows = QString::fromLocal8Bit(qgetenv("SystemRoot"));
    ASSERT_EQ(windows.size() > 3 && windows.at(1) == QLatin1Char(':'), true) << qPrintable(windows);
    QString reason;
    const QString saved = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(windows));  // the drive's current folder is not its root
    const OpenFolder top = OpenFolder::openLast(windows, &reason);
    QDir::setCurrent(saved);
    ASSERT_TRUE(top.isOpen()) << qPrintable(reason);
    EXPECT_TRUE(OpenFolder::pathIsPlayers(windows, &reason)) << qPrintable(reason);
}

#endif
