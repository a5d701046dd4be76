#include "mods.h"

#include "core/controls.h"
#include "core/errorreport.h"
#include "core/state.h"
#include "platform/files.h"

#include <QDir>

namespace velmira {

bool isModFolder(const QString& hlDir, const QString& name) {
    // The "dlls" test is made for every sub-folder, the excluded names too.
    const bool hasDlls =
        folderExists(hlDir + separator() + name + separator() + QStringLiteral("dlls"));
    return name != QLatin1String("logos") && name != QLatin1String("gldrv") &&
           name != QLatin1String("auth") && hasDlls;
}

void ListModDirectories(AppState& state, ModRows& list, ErrorReporter& errors) {
    errors.run("Module1.ListModDirectories()", AfterReport::EndProgram, [&](Procedure& p) {
        p.step(1);
        p.step(2);
        if (!folderExists(state.HalfLifeDir))
            return;
        p.step(3);
        const QDir folder(state.HalfLifeDir);
        if (!folder.isReadable()) {
            // Reported, but the window stays: File Locations must still be reachable.
            list.clear();
            list.setTag(kEmptyTag);
            state.Mods.reset(0);
            errors.show(permissionDenied(), p);
            return;
        }
        p.step(4);
        const QStringList subFolders =
            folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
        p.step(5);
        int index = 0;
        p.step(6);
        list.clear();
        list.setTag(kEmptyTag);
        p.step(7);
        for (const QString& name : subFolders) {
            p.step(8);
            p.step(9);
            if (isModFolder(state.HalfLifeDir, name)) {
                p.step(10);
                list.setTag(QString());
                p.step(11);
                list.addSorted(name);
            }
        }
        p.step(12);
        // A new listing drops every earlier assignment; the table holds one entry a row.
        state.Mods.reset(list.count());
        for (int row = 0; row < list.count(); ++row) {
            p.step(13);
            state.Mods.at(index).ModFolder = list.text(row);
            p.step(14);
            ++index;
        }
    });
}

}  // namespace velmira
