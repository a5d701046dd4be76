#pragma once

// A file's access rules on Windows: read for the rule on links, and those a file was given of its
// own copied to the file staged to replace it.

#include <QString>

#include <windows.h>

namespace velmira {

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

DWORD readSecurity(HANDLE handle, SECURITY_INFORMATION what, Security* security);

// Read through a handle of its own, opened for that alone: the handles held here are opened
// only for what they are used for.
DWORD readSecurityOf(HANDLE handle, SECURITY_INFORMATION what, Security* security);

// Gives the new file open as `file` the access rules that the plain file at `oldPath` was given
// of its own (a list protected from its folder's, or rules beside those it inherits), so that a
// private file stays private once replaced. A file whose rules are all inherited leaves the new
// one with the same, inherited from the same folder. The reason of a failure, empty on success.
QString giveRulesOf(HANDLE file, const QString& oldPath);

}  // namespace velmira
