#include "running.h"

#include <QDir>
#include <QFileInfo>

#ifdef Q_OS_WIN
#include <windows.h>
// After windows.h, which it needs.
#include <tlhelp32.h>
#else
#include "picture/readfile.h"
#endif

namespace velmira {

QStringList gameLaunchers() {
    QStringList names{QStringLiteral("hl.exe"), QStringLiteral("svencoop.exe"),
                      QStringLiteral("xash3d.exe")};
#ifndef Q_OS_WIN
    names << QStringLiteral("hl_linux") << QStringLiteral("svencoop_linux")
          << QStringLiteral("xash3d");
#endif
    return names;
}

namespace {
// The same file, by its full real path; Windows names ignore case.
bool samePath(const QString& a, const QString& b) {
    const QString left = QFileInfo(a).canonicalFilePath();
    const QString right = QFileInfo(b).canonicalFilePath();
#ifdef Q_OS_WIN
    return !left.isEmpty() && left.compare(right, Qt::CaseInsensitive) == 0;
#else
    return !left.isEmpty() && left == right;
#endif
}

bool isLauncherIn(const QString& program, const QString& folder) {
    const QString name = QFileInfo(program).fileName();
    for (const QString& launcher : gameLaunchers()) {
        if (name.compare(launcher, Qt::CaseInsensitive) == 0 &&
            samePath(QFileInfo(program).absolutePath(), folder))
            return true;
    }
    return false;
}
}  // namespace

#ifdef Q_OS_WIN
bool gameRunningFrom(const QString& folder) {
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return false;
    bool running = false;
    PROCESSENTRY32W entry;
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot, &entry); more && !running;
         more = Process32NextW(snapshot, &entry)) {
        const HANDLE process =
            OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, entry.th32ProcessID);
        if (!process)
            continue;
        wchar_t path[32768];
        DWORD size = sizeof path / sizeof path[0];
        if (QueryFullProcessImageNameW(process, 0, path, &size))
            running = isLauncherIn(QString::fromWCharArray(path, static_cast<int>(size)), folder);
        CloseHandle(process);
    }
    CloseHandle(snapshot);
    return running;
}
#else
// A path is at most 4,096 bytes on Linux; a first argument is read up to its end.
constexpr qint64 kFirstArgumentBytes = 4096 + 1;

bool gameRunningFrom(const QString& folder) {
    const QDir proc(QStringLiteral("/proc"));
    for (const QString& pid : proc.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        bool number = false;
        pid.toLongLong(&number);
        if (!number)
            continue;
        const QString base = proc.filePath(pid);
        if (isLauncherIn(QFileInfo(base + QStringLiteral("/exe")).symLinkTarget(), folder))
            return true;
        // A Windows game under Wine or Proton: its first argument names the launcher, and it
        // runs in the game's folder.
        // Only the first argument is needed, however long the whole command line is.
        const auto command =
            picture::readRegularFileStart(base + QStringLiteral("/cmdline"), kFirstArgumentBytes);
        if (!command || command->isEmpty())
            continue;
        const QString first = QFile::decodeName(command->left(command->indexOf('\0')))
                                  .replace(QLatin1Char('\\'), QLatin1Char('/'));
        const QString name = QFileInfo(first).fileName();
        if (gameLaunchers().contains(name, Qt::CaseInsensitive) &&
            samePath(QFileInfo(base + QStringLiteral("/cwd")).symLinkTarget(), folder))
            return true;
    }
    return false;
}
#endif

}  // namespace velmira
