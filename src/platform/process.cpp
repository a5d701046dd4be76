#include "process.h"

#include <QProcess>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace velmira {

RunResult QtProcessRunner::run(const QString& program, const QStringList& arguments,
                               int timeoutMs) {
    RunResult result;
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.setStandardOutputFile(QProcess::nullDevice());
#ifdef Q_OS_WIN
    process.setCreateProcessArgumentsModifier(
        [](QProcess::CreateProcessArguments* args) { args->flags |= CREATE_NO_WINDOW; });
#endif
    process.start(program, arguments, QIODevice::ReadOnly);
    if (!process.waitForStarted(timeoutMs)) {
        result.systemError = static_cast<int>(process.error()) + 1;
        return result;
    }
    result.started = true;
    if (!process.waitForFinished(timeoutMs)) {
        result.timedOut = true;
        process.kill();
        process.waitForFinished(-1);
        result.systemError = static_cast<int>(QProcess::Timedout) + 1;
        return result;
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return result;
}

}  // namespace velmira
