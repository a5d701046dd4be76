#include "process.h"

#include <QFile>
#include <QProcess>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <csignal>
#endif

namespace velmira {

namespace {

#ifdef Q_OS_WIN
// The compiler and everything it starts run in one job, so that ending the job ends them all.
class ProcessGroup {
  public:
    ProcessGroup() : m_job(CreateJobObjectW(nullptr, nullptr)) {
        if (!m_job)
            return;
        JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
        limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
        SetInformationJobObject(m_job, JobObjectExtendedLimitInformation, &limits, sizeof limits);
    }
    ~ProcessGroup() {
        if (m_job)
            CloseHandle(m_job);
    }
    ProcessGroup(const ProcessGroup&) = delete;
    ProcessGroup& operator=(const ProcessGroup&) = delete;

    void prepare(QProcess& process) {
        process.setCreateProcessArgumentsModifier(
            [](QProcess::CreateProcessArguments* args) { args->flags |= CREATE_NO_WINDOW; });
    }
    void started(QProcess& process) {
        if (!m_job)
            return;
        HANDLE handle = OpenProcess(PROCESS_SET_QUOTA | PROCESS_TERMINATE, FALSE,
                                    static_cast<DWORD>(process.processId()));
        if (handle) {
            AssignProcessToJobObject(m_job, handle);
            CloseHandle(handle);
        }
    }
    void killAll(QProcess& process) {
        if (m_job)
            TerminateJobObject(m_job, 1);
        process.kill();
    }

  private:
    HANDLE m_job;
};
#else
// The compiler runs as the leader of a process group of its own, so that ending the group
// ends whatever it started too.
class ProcessGroup {
  public:
    void prepare(QProcess& process) {
        process.setChildProcessModifier([] { ::setpgid(0, 0); });
    }
    void started(QProcess& process) { m_leader = static_cast<pid_t>(process.processId()); }
    void killAll(QProcess& process) {
        if (m_leader > 0)
            ::kill(-m_leader, SIGKILL);
        process.kill();
    }

  private:
    pid_t m_leader = 0;
};
#endif

// The operating system's error code for a program that could not be started (0 when there
// is none to tell).
int startErrorOf(const QString& program) {
#ifdef Q_OS_WIN
    const std::wstring path = program.toStdWString();
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return static_cast<int>(GetLastError());
    return ERROR_BAD_EXE_FORMAT;
#else
    const QByteArray path = QFile::encodeName(program);
    struct stat info {};
    if (::stat(path.constData(), &info) != 0)
        return errno;
    if (::access(path.constData(), X_OK) != 0)
        return errno;
    return S_ISDIR(info.st_mode) ? EISDIR : ENOEXEC;
#endif
}

}  // namespace

RunResult QtProcessRunner::run(const QString& program, const QStringList& arguments,
                               int timeoutMs) {
    RunResult result;
    QProcess process;
    ProcessGroup group;
    group.prepare(process);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.start(program, arguments, QIODevice::ReadOnly);
    if (!process.waitForStarted(timeoutMs)) {
        result.systemError = startErrorOf(program);
        return result;
    }
    group.started(process);
    result.started = true;
    if (!process.waitForFinished(timeoutMs)) {
        result.timedOut = true;
        group.killAll(process);
        process.waitForFinished(-1);
        return result;
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return result;
}

}  // namespace velmira
