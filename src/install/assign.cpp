#include "assign.h"

#include "core/controls.h"
#include "core/errorreport.h"
#include "core/state.h"
#include "platform/prompts.h"

namespace velmira {

namespace {
// Visits the mod rows once, in order, and changes the selected ones.
template <class Change>
void changeSelectedRows(Procedure& p, ModRows& mods, Change&& change) {
    p.step(3);
    const int rows = mods.count();
    for (int row = 0; row < rows; ++row) {
        p.step(4);
        if (mods.isSelected(row))
            change(row);
    }
}
}  // namespace

void applyToSelected(AppState& state, MainControls& controls, Prompts& prompts,
                     ErrorReporter& errors) {
    errors.run("frmMain.cmdApply_Click()", AfterReport::CloseMainWindow, [&](Procedure& p) {
        p.step(1);
        if (controls.mods.tag() == kEmptyTag || controls.files.selected() == -1) {
            p.step(10);
            prompts.beep();
            return;
        }
        changeSelectedRows(p, controls.mods, [&](int row) {
            p.step(5);
            ModEntry& entry = state.Mods.at(row);
            entry.SprayFile = controls.files.fileName();
            p.step(6);
            entry.SprayCategory = controls.categories.text();
            p.step(7);
            entry.SprayFolder = state.CurrentSprayDir;
            p.step(8);
            entry.SprayKind = state.SelectedSprayKind;
            p.step(9);
            controls.mods.setText(row, entry.ModFolder + QStringLiteral(" -- ") + entry.SprayFile);
        });
    });
}

void clearSelected(AppState& state, MainControls& controls, Prompts& prompts,
                   ErrorReporter& errors) {
    errors.run("frmMain.cmdClear_Click()", AfterReport::CloseMainWindow, [&](Procedure& p) {
        p.step(1);
        if (controls.mods.tag() == kEmptyTag) {
            p.step(10);
            prompts.beep();
            return;
        }
        changeSelectedRows(p, controls.mods, [&](int row) {
            p.step(5);
            ModEntry& entry = state.Mods.at(row);
            entry.SprayFile.clear();
            p.step(6);
            entry.SprayCategory.clear();
            p.step(7);
            entry.SprayFolder.clear();
            p.step(8);
            entry.SprayKind.clear();
            p.step(9);
            controls.mods.setText(row, entry.ModFolder);
        });
    });
}

}  // namespace velmira
