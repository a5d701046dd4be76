#pragma once

#include <QString>
#include <QStringList>

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

// Whether a game's executable lies in the folder: Half-Life's hl.exe, Sven Co-op's svencoop.exe
// or Xash3D FWGS's xash3d.exe; on Linux also hl_linux, svencoop_linux and xash3d.
bool gameExecutablePresent(const QString& hlDir);

// Whether the folder holds Xash3D FWGS (xash3d or xash3d.exe), which builds the player's spray
// from a picture in each game's logos folder.
bool isXashFolder(const QString& hlDir);

}  // namespace velmira
