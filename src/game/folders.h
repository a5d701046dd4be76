#pragma once

#include <QString>

namespace velmira {

class Prompts;
class ErrorReporter;

struct FolderVerdict {
    bool hlOK = false;
    bool sprayOK = false;
};

// Judges a Half-Life folder and a spray folder, warning about each problem, and lets the user
// insist on a Half-Life folder without the game's executable.
FolderVerdict CheckDirectories(const QString& hlDir, const QString& sprayDir, Prompts& prompts,
                               ErrorReporter& errors);

// Whether the game's executable lies in the folder (hl.exe; on Linux also hl_linux).
bool gameExecutablePresent(const QString& hlDir);

}  // namespace velmira
