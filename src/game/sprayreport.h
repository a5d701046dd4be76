#pragma once

#include "game/spraycheck.h"

#include <QString>

#include <vector>

namespace velmira {

// What a report of the spray checks says about where it was made.
struct SprayReportHeader {
    QString version;                  // Velmira's
    QString system;                   // the system Velmira runs on
    bool xash = false;                // the game folder holds Xash3D FWGS
    std::vector<ConfigOrder> orders;  // the starts checked
};

// The checks as plain text a player can paste into a forum or a bug report: Velmira's version,
// the engine and the starts checked, then for each mod its name on a line of its own, a line per
// setting read (`name value (file line N)` or `name value (engine default)`, the same in every
// language) and a line per check with its state and, for a problem, the sentence.
QString sprayReport(const SprayReportHeader& header, const std::vector<ModSprayCheck>& checks);

}  // namespace velmira
