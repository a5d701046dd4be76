#pragma once

#include <QString>

namespace velmira {

struct AppState;
struct MainControls;
class CategoryRows;
class Prompts;
class ErrorReporter;

inline const QString kFavorites = QStringLiteral("<Favorites>");

// The name the category list shows for a category: "<Favorites>" in the player's language, a
// folder's name as it is. Only the shown name is translated: what is stored (the settings, a
// mod's assigned category) stays the name in kFavorites.
QString shownCategoryName(const QString& stored);

// Fills the category list from the spray folder's sub-folders, "<Favorites>" first, and
// selects it (which runs the category handler).
void ListCats(const AppState& state, CategoryRows& categories, ErrorReporter& errors);

// The Refresh command: the folder label, the categories and spray files, the preview, the mods.
void refreshLibrary(AppState& state, MainControls& controls, Prompts& prompts,
                    ErrorReporter& errors);

// A category was chosen: points the spray file list at its folder.
void chooseCategory(AppState& state, MainControls& controls, Prompts& prompts,
                    ErrorReporter& errors);

}  // namespace velmira
