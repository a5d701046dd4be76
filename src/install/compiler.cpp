#include "compiler.h"

#include "core/context.h"
#include "core/errorreport.h"
#include "core/failure.h"
#include "platform/files.h"
#include "platform/openfolder.h"
#include "platform/process.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

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

namespace {
// The script holds a folder by its short path, so that is the form judged.
bool servesAsWorkFolder(const QString& folder) {
    if (folder.isEmpty())
        return false;
    const QFileInfo info(folder);
    return info.isDir() && info.isWritable() && safeInScript(shortPath(folder));
}

QString systemTemporaryFolder() {
#ifdef Q_OS_WIN
    // The profile's own temporary folder, found without TMP or TEMP.
    const QString local = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    const QString temp = local + QStringLiteral("/Temp");
    return QFileInfo(temp).isDir() ? temp : local;
#else
    return QStringLiteral("/tmp");
#endif
}
}  // namespace

QString workFolderFor(const QString& programFolder) {
    // The runtime folder is the user's own; the temporary folder is shared, but the private
    // folder made inside it is not. TMPDIR may name a folder that is not there.
    const QStringList candidates{programFolder, QString::fromLocal8Bit(qgetenv("XDG_RUNTIME_DIR")),
                                 QDir::tempPath(), systemTemporaryFolder()};
    for (const QString& folder : candidates) {
        if (servesAsWorkFolder(folder))
            return QDir::toNativeSeparators(folder);
    }
    return QDir::toNativeSeparators(systemTemporaryFolder());
}

WorkFolder::WorkFolder(const QString& programFolder) {
    const QString parent = workFolderFor(programFolder);
    QTemporaryDir dir(joinPath(parent, QStringLiteral("velmira-XXXXXX")));
    dir.setAutoRemove(false);
    if (!dir.isValid()) {
        m_problem = QCoreApplication::translate(
                        "velmira::Compiler",
                        "Could not make a private folder for the compiler's files in "
                        "%1\r%2")
                        .arg(parent, dir.errorString());
        return;
    }
    const QString path = QDir::toNativeSeparators(dir.path());
    if (!safeInScript(shortPath(path))) {
        QString ignored;
        OpenFolder::open(parent, &ignored).removeFolder(QFileInfo(path).fileName());
        m_problem = QStringLiteral(
                        "The folder for the compiler's files cannot be written into a lump "
                        "script (its name has quotes, line breaks or characters outside the "
                        "system's code page):") +
                    QChar(13) + path;
        return;
    }
    m_path = path;
}

void removeWorkFile(const QString& path) {
    QFile file(path);
    if (!QFileInfo(path).isFile())
        raiseFileNotFound();
#ifdef Q_OS_WIN
    // Windows removes a read-only file only once it is writable.
    file.setPermissions(file.permissions() | QFileDevice::WriteOwner | QFileDevice::WriteUser);
#endif
    if (!file.remove())
        raisePermissionDenied();
}

WorkFolder::~WorkFolder() {
    if (m_path.isEmpty())
        return;
    // Through the folder it stands in, held open: in a program folder others may write, the
    // work folder's name may lead somewhere else by now.
    const QFileInfo info(m_path);
    QString reason;
    const OpenFolder parent = OpenFolder::open(info.absolutePath(), &reason);
    if (parent.isOpen())
        parent.removeFolder(info.fileName());
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
        // Created new, never through a file or a link that is already there.
        QFile script(scriptPath);
        if (!script.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            raisePermissionDenied();
        const auto writeLine = [&](const QString& line) {
            const QByteArray bytes = (line + crlf).toLocal8Bit();
            if (script.write(bytes) != bytes.size())
                raise(ErrorNumber::DeviceIoError,
                      QCoreApplication::translate("velmira::Failure", "Device I/O error"));
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
            raise(ErrorNumber::DeviceIoError,
                  QCoreApplication::translate("velmira::Failure", "Device I/O error"));
        p.step(11);
        result.ScriptPath = scriptPath;
        p.step(12);
        result.WadPath = joinPath(workFolder, wadName);
    });
    return result;
}

bool ExecCmd(const QString& program, const QString& argument, ProcessRunner& runner,
             ErrorReporter& errors, int timeoutMs) {
    bool succeeded = false;
    errors.run("Module1.ExecCmd()", AfterReport::EndProgram, [&](Procedure& p) {
        p.step(3);
        p.step(4);
        p.step(5);
        p.step(6);
        const RunResult run = runner.run(program, QStringList{argument}, timeoutMs);
        p.step(7);
        errors.recordSystemError(run.systemError);
        p.step(8);
        succeeded = run.started && !run.timedOut && run.exitCode == 0;
    });
    return succeeded;
}

namespace {
// Copies a file into the work folder as a new file. The work folder is Velmira's own, made
// private by this process, so this is one of the few writes made by path name.
void copyIntoWorkFolder(const QString& source, const QString& destination) {
    QFile in(source);
    if (!QFileInfo(source).isFile())
        raiseFileNotFound();
    if (!in.open(QIODevice::ReadOnly))
        raisePermissionDenied();
    QFile out(destination);
    if (!out.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        raisePermissionDenied();
    char buffer[64 * 1024];
    for (;;) {
        const qint64 got = in.read(buffer, sizeof buffer);
        if (got < 0 || (got > 0 && out.write(buffer, got) != got)) {
            out.remove();
            raise(ErrorNumber::DeviceIoError,
                  QCoreApplication::translate("velmira::Failure", "Device I/O error"));
        }
        if (got == 0)
            break;
    }
}

// A bitmap whose path cannot stand in the script is compiled from a copy under a plain name;
// the copy keeps a leading "{" (which marks a transparent spray).
QString plainCopyOf(const QString& bitmapPath, const QString& workFolder) {
    const QString prefix = QFileInfo(bitmapPath).fileName().startsWith(QLatin1Char('{'))
                               ? QStringLiteral("{")
                               : QString();
    const QString copy =
        joinPath(workFolder, prefix + temporaryName(workFolder) + QStringLiteral(".bmp"));
    copyIntoWorkFolder(bitmapPath, copy);
    return copy;
}
}  // namespace

QString MakeWad(const QString& bitmapPath, const Services& services, const QString& workFolder) {
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
        QString source = bitmapPath;
        QString plainCopy;
        // The script names the bitmap by its short form: that is what must fit in it.
        if (fileExists(bitmapPath) && !safeInScript(shortPath(bitmapPath)))
            source = plainCopy = plainCopyOf(bitmapPath, workFolder);
        const LumpPaths paths = Makels(source, workFolder, errors);
        p.step(6);
        const QString shortScript = shortPath(paths.ScriptPath);
        p.step(7);
        p.step(8);
        if (!ExecCmd(compiler, shortScript, services.runner, errors, services.compileTimeoutMs)) {
            // A compiler that failed, hung or crashed: whatever it left is not a finished WAD.
            QFile::remove(paths.WadPath);
        }
        if (!plainCopy.isEmpty())
            QFile::remove(plainCopy);
        p.step(9);
        removeWorkFile(paths.ScriptPath);
        p.step(10);
        result = paths.WadPath;
    });
    return result;
}

}  // namespace velmira
