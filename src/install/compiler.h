#pragma once

#include <QString>

namespace velmira {

struct Services;
class ErrorReporter;
class ProcessRunner;

// Where a lump script lies and where the compiler is to write its WAD.
struct LumpPaths {
    QString ScriptPath;
    QString WadPath;
};

inline const QString kQlumpyMissing = QStringLiteral("Qlumpy Missing");
inline const QString kLumpName = QStringLiteral("VELMR");

// The compiler's file name in the program folder.
QString compilerFileName();

// The folder for lump scripts and temporary WADs: the program folder when it is writable and
// its path is safe inside a script, the user's temporary folder otherwise.
QString workFolderFor(const QString& programFolder);

// Whether a path can stand inside the lump script as it is.
bool safeInScript(const QString& path);

// Writes the lump script for one bitmap into the work folder.
LumpPaths Makels(const QString& bitmapPath, const QString& workFolder, ErrorReporter& errors);

// Runs one program with one argument hidden and waits for it (bounded). Returns whether it
// ended by itself within the wait.
bool ExecCmd(const QString& program, const QString& argument, ProcessRunner& runner,
             ErrorReporter& errors, int timeoutMs);

// Compiles one bitmap into a temporary WAD; returns its path, or "Qlumpy Missing" when the
// compiler is not in the program folder.
QString MakeWad(const QString& bitmapPath, const Services& services);

}  // namespace velmira
