#pragma once

#include <QString>

namespace velmira {

struct AppState;
struct MainControls;
struct Services;

// The file name the game reads a player's spray from, in each mod folder.
inline const QString kSprayFileName = QStringLiteral("pldecal.wad");

// "Create Sprays": installs every assigned spray into its mod folder, compiling bitmaps first.
void createSprays(const AppState& state, MainControls& controls, const Services& services);

}  // namespace velmira
