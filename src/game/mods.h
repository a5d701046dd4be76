#pragma once

#include <QString>
#include <QStringList>

namespace velmira {

struct AppState;
class ModRows;
class ErrorReporter;

// Whether a sub-folder of the Half-Life folder is a mod: it has a "dlls" folder and is not
// one of the game's own non-mod folders (compared exactly).
bool isModFolder(const QString& hlDir, const QString& name);

// Lists the mods of the Half-Life folder into the mod list, in sorted order, and gives every
// row its mod table entry. A missing Half-Life folder leaves both untouched.
void ListModDirectories(AppState& state, ModRows& list, ErrorReporter& errors);

}  // namespace velmira
