#pragma once

#include "wad/compile.h"

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
inline const QString kLumpName = wad::kSprayLumpName;

// The compiler's file name in the program folder.
QString compilerFileName();

// Where the private work folder of a pass is made: the program folder when it is writable and
// its path is safe inside a script; otherwise the user's runtime folder, or the temporary one.
QString workFolderFor(const QString& programFolder);

// The private folder that holds the lump scripts and temporary WADs of one "Create Sprays"
// pass: a new folder with a random name, created exclusively and open to its owner only, so
// that nobody else can read the scripts or plant a file or a link where the compiler writes.
// It is removed, with everything in it, when the pass ends.
class WorkFolder {
  public:
    explicit WorkFolder(const QString& programFolder);
    ~WorkFolder();
    WorkFolder(const WorkFolder&) = delete;
    WorkFolder& operator=(const WorkFolder&) = delete;

    // The folder's path, or empty when it could not be made (see problem()).
    QString path() const { return m_path; }
    // Why there is no folder: a text for the user.
    QString problem() const { return m_problem; }

  private:
    QString m_path;
    QString m_problem;
};

// Removes a file the compiler run left in the work folder, read-only or not. A file that is not
// there is a "File not found" failure.
void removeWorkFile(const QString& path);

// Whether a path can stand inside the lump script as it is.
bool safeInScript(const QString& path);

// Writes the lump script for one bitmap into the work folder.
LumpPaths Makels(const QString& bitmapPath, const QString& workFolder, ErrorReporter& errors);

// Runs one program with one argument hidden and waits for it (bounded). Returns whether it
// ended by itself within the wait and said it succeeded (exit code 0).
bool ExecCmd(const QString& program, const QString& argument, ProcessRunner& runner,
             ErrorReporter& errors, int timeoutMs);

// Compiles one bitmap into a temporary WAD in the work folder; returns its path, or "Qlumpy
// Missing" when the compiler is not in the program folder. A compile that failed (the compiler
// could not start, hung, crashed or said it failed) leaves no WAD at that path.
QString MakeWad(const QString& bitmapPath, const Services& services, const QString& workFolder);

}  // namespace velmira
