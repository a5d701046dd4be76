#pragma once

#include <QString>

namespace velmira {

struct AppState;
struct MainControls;
struct Services;

// The file names the game reads a player's spray from, in each mod folder: older releases
// read pldecal.wad, today's release tempdecal.wad. Both get the same bytes.
inline const QString kSprayFileName = QStringLiteral("pldecal.wad");
inline const QString kCurrentSprayFileName = QStringLiteral("tempdecal.wad");

// "Create Sprays": installs every assigned spray into its mod folder, compiling bitmaps first.
void createSprays(const AppState& state, MainControls& controls, const Services& services);

}  // namespace velmira
