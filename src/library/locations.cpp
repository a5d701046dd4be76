#include "locations.h"

#include "core/context.h"
#include "core/controls.h"
#include "core/errorreport.h"
#include "core/state.h"
#include "game/folders.h"
#include "game/mods.h"
#include "library/categories.h"
#include "platform/files.h"
#include "platform/settings.h"

namespace velmira {

QString withoutTrailingSeparator(const QString& folder) {
    return folder.endsWith(separator()) ? folder.left(folder.size() - 1) : folder;
}

bool acceptLocations(const QString& hlText, const QString& sprayText, AppState& state,
                     MainControls& controls, const Services& services, Procedure& p) {
    const QString hlDir = withoutTrailingSeparator(hlText);
    const QString sprayDir = withoutTrailingSeparator(sprayText);
    p.step(1);
    p.step(2);
    const FolderVerdict verdict =
        CheckDirectories(hlDir, sprayDir, services.prompts, services.errors);
    p.step(3);
    if (verdict.hlOK) {
        p.step(4);
        state.HalfLifeDir = hlDir;
        p.step(5);
        services.settings.write(Setting::FileLocations, Setting::HLDir, state.HalfLifeDir);
        p.step(6);
        ListModDirectories(state, controls.mods, services.errors);
    }
    p.step(7);
    if (verdict.sprayOK) {
        p.step(8);
        state.SprayRootDir = sprayDir;
        p.step(9);
        services.settings.write(Setting::FileLocations, Setting::BMPDir, state.SprayRootDir);
        ListCats(state, controls.categories, services.errors);
        p.step(10);
        controls.files.setFolder(state.SprayRootDir);
        p.step(11);
        controls.folderLabel.setCaption(state.SprayRootDir);
    }
    p.step(12);
    return verdict.hlOK && verdict.sprayOK;
}

}  // namespace velmira
