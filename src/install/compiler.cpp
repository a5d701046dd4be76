#include "compiler.h"

#include "core/context.h"
#include "core/errorreport.h"
#include "platform/files.h"
#include "platform/process.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace velmira {

QString compilerFileName() {
#ifdef Q_OS_WIN
    return QStringLiteral("qlumpy.exe");
#else
    return QStringLiteral("qlumpy");
#endif
}

bool safeInScript(const QString& path) {
    if (path.contains(QLatin1Char('"')) || path.contains(QLatin1Char('\r')) ||
        path.contains(QLatin1Char('\n')))
        return false;
    // The script is 8-bit text: the path must survive the round trip.
    return QString::fromLocal8Bit(path.toLocal8Bit()) == path;
}

QString workFolderFor(const QString& programFolder) {
    const QFileInfo info(programFolder);
    if (info.isDir() && info.isWritable() && safeInScript(programFolder))
        return programFolder;
    return QDir::toNativeSeparators(QDir::tempPath());
}

LumpPaths Makels(const QString& bitmapPath, const QString& workFolder, ErrorReporter& errors) {
    LumpPaths result;
    errors.run("frmMain.Makels()", AfterReport::CloseMainWindow, [&](Procedure& p) {
        const QString crlf = QStringLiteral("\r\n");
        p.step(2);
        const QString scriptPath = joinPath(workFolder, temporaryName(workFolder));
        p.step(3);
        QString wadName = temporaryName(workFolder);
        while (joinPath(workFolder, wadName) == scriptPath)
            wadName = temporaryName(workFolder);
        p.step(4);
        QFile script(scriptPath);
        if (!script.open(QIODevice::WriteOnly | QIODevice::Truncate))
            raisePermissionDenied();
        const auto writeLine = [&](const QString& line) {
            const QByteArray bytes = (line + crlf).toLocal8Bit();
            if (script.write(bytes) != bytes.size())
                raise(ErrorNumber::DeviceIoError, QStringLiteral("Device I/O error"));
        };
        p.step(5);
        writeLine(QStringLiteral("$DEST    \"") + shortPath(workFolder) + separator() + wadName +
                  QLatin1Char('"'));
        p.step(6);
        writeLine(QString());
        p.step(7);
        writeLine(QStringLiteral("$loadbmp    \"") + shortPath(bitmapPath) + QLatin1Char('"'));
        p.step(8);
        writeLine(kLumpName + QStringLiteral("  miptex -1 -1 -1 -1"));
        p.step(9);
        writeLine(QString());
        p.step(10);
        script.close();
        if (script.error() != QFileDevice::NoError)
            raise(ErrorNumber::DeviceIoError, QStringLiteral("Device I/O error"));
        p.step(11);
        result.ScriptPath = scriptPath;
        p.step(12);
        result.WadPath = joinPath(workFolder, wadName);
    });
    return result;
}

bool ExecCmd(const QString& program, const QString& argument, ProcessRunner& runner,
             ErrorReporter& errors, int timeoutMs) {
    bool endedInTime = false;
    errors.run("Module1.ExecCmd()", AfterReport::EndProgram, [&](Procedure& p) {
        p.step(3);
        p.step(4);
        p.step(5);
        p.step(6);
        const RunResult run = runner.run(program, QStringList{argument}, timeoutMs);
        p.step(7);
        errors.recordSystemError(run.systemError);
        p.step(8);
        endedInTime = run.started && !run.timedOut;
    });
    return endedInTime;
}

namespace {
// A bitmap whose path cannot stand in the script is compiled from a copy under a plain name;
// the copy keeps a leading "{" (which marks a transparent spray).
QString plainCopyOf(const QString& bitmapPath, const QString& workFolder) {
    const QString prefix = QFileInfo(bitmapPath).fileName().startsWith(QLatin1Char('{'))
                               ? QStringLiteral("{")
                               : QString();
    const QString copy =
        joinPath(workFolder, prefix + temporaryName(workFolder) + QStringLiteral(".bmp"));
    replaceFileWithCopy(bitmapPath, copy);
    return copy;
}
}  // namespace

QString MakeWad(const QString& bitmapPath, const Services& services) {
    QString result;
    ErrorReporter& errors = services.errors;
    errors.run("frmMain.MakeWad()", AfterReport::CloseMainWindow, [&](Procedure& p) {
        p.step(2);
        const QString compiler = joinPath(services.programFolder, compilerFileName());
        if (!fileExists(compiler)) {
            p.step(3);
            result = kQlumpyMissing;
            p.step(4);
            return;
        }
        p.step(5);
        const QString workFolder = workFolderFor(services.programFolder);
        QString source = bitmapPath;
        QString plainCopy;
        if (!safeInScript(bitmapPath) && fileExists(bitmapPath))
            source = plainCopy = plainCopyOf(bitmapPath, workFolder);
        const LumpPaths paths = Makels(source, workFolder, errors);
        p.step(6);
        const QString shortScript = shortPath(paths.ScriptPath);
        p.step(7);
        p.step(8);
        if (!ExecCmd(compiler, shortScript, services.runner, errors, services.compileTimeoutMs)) {
            // A compiler that hung was killed: whatever it left is not a finished WAD.
            QFile::remove(paths.WadPath);
        }
        if (!plainCopy.isEmpty())
            QFile::remove(plainCopy);
        p.step(9);
        deleteFileForced(paths.ScriptPath);
        p.step(10);
        result = paths.WadPath;
    });
    return result;
}

}  // namespace velmira
