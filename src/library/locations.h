#pragma once

#include <QString>

namespace velmira {

struct AppState;
struct MainControls;
struct Services;
class Procedure;

// A folder as typed, less one trailing separator.
QString withoutTrailingSeparator(const QString& folder);

// Judges the two typed folders; stores and applies each one accepted (the mods for the
// Half-Life folder; categories, spray files and label for the spray folder). Returns whether
// both were accepted. Failures go to the caller's error report, which shows the step reached.
bool acceptLocations(const QString& hlText, const QString& sprayText, AppState& state,
                     MainControls& controls, const Services& services, Procedure& p);

}  // namespace velmira
