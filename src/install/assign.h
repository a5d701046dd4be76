#pragma once

namespace velmira {

struct AppState;
struct MainControls;
class Prompts;
class ErrorReporter;

// "Apply to Selected": the chosen spray file goes to every selected mod row.
void applyToSelected(AppState& state, MainControls& controls, Prompts& prompts,
                     ErrorReporter& errors);

// "Clear Selected": the selected mod rows lose their spray.
void clearSelected(AppState& state, MainControls& controls, Prompts& prompts,
                   ErrorReporter& errors);

}  // namespace velmira
