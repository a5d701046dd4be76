#pragma once

#include <QString>
#include <QStringList>

namespace velmira {

// The file names of the programs that start a game of this engine: Half-Life, Sven Co-op and
// Xash3D FWGS, for Windows and (elsewhere) for Linux.
QStringList gameLaunchers();

// Whether a game is running from this folder: a process whose program is one of the folder's
// launchers (or, for a Windows game run by Wine or Proton, whose first argument names one and
// which runs in the folder). A process list that cannot be read counts as nothing running.
bool gameRunningFrom(const QString& folder);

}  // namespace velmira
