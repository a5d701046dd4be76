#pragma once

// What the Windows half of OpenFolder shares between its files: names that stay inside a folder,
// paths as Windows takes them, how a folder is opened, and a handle closed when it goes.

#include "platform/files.h"

#include <QDir>
#include <QString>

#include <string>
#include <utility>

#include <windows.h>

namespace velmira {

// A name that stays inside the folder: one component, not "." or "..".
inline bool isOneName(const QString& name) {
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") &&
           !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')) &&
           !name.contains(QLatin1Char(':')) && !name.contains(QChar(0));
}

inline std::wstring wide(const QString& path) {
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
inline constexpr Step kFolderStep{true, FILE_LIST_DIRECTORY | FILE_READ_ATTRIBUTES,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE};
inline constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

inline HANDLE openFolderHandle(const QString& path, DWORD flags) {
    return CreateFileW(wide(path).c_str(), kFolderStep.access, kFolderStep.sharing, nullptr,
                       OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | flags, nullptr);
}

inline QString lastError() {
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

}  // namespace velmira
