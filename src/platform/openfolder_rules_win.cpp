#include "openfolder_rules_win.h"

#include "platform/files.h"
#include "platform/openfolder_win.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>

#include <algorithm>
#include <vector>

#include <windows.h>

#include <aclapi.h>

namespace velmira {

DWORD readSecurity(HANDLE handle, SECURITY_INFORMATION what, Security* security) {
    return GetSecurityInfo(handle, SE_FILE_OBJECT, what,
                           (what & OWNER_SECURITY_INFORMATION) ? &security->owner : nullptr,
                           nullptr, (what & DACL_SECURITY_INFORMATION) ? &security->dacl : nullptr,
                           nullptr, &security->descriptor);
}

DWORD readSecurityOf(HANDLE handle, SECURITY_INFORMATION what, Security* security) {
    const Held readable(ReOpenFile(handle, READ_CONTROL, kShareAll,
                                   FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT));
    if (!readable)
        return GetLastError();
    return readSecurity(readable.get(), what, security);
}

namespace {
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
}  // namespace

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

}  // namespace velmira
