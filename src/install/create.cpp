#include "create.h"

#include "core/context.h"
#include "core/controls.h"
#include "core/errorreport.h"
#include "core/state.h"
#include "game/folders.h"
#include "install/compiler.h"
#include "platform/files.h"
#include "platform/prompts.h"

namespace velmira {

namespace {
const QString kErrorTitle = QStringLiteral("Error creating spray!");

void installSpray(const QString& wad, const QString& modFolder) {
    replaceFileWithCopy(wad, modFolder + separator() + kSprayFileName);
    replaceFileWithCopy(wad, modFolder + separator() + kCurrentSprayFileName);
}
}  // namespace

void createSprays(const AppState& state, MainControls& controls, const Services& services) {
    const QChar cr(13);
    bool copyingCompiled = false;
    QString source;
    services.errors.run(
        "frmMain.cmdCreate_Click()", AfterReport::CloseMainWindow, [&](Procedure& p) {
            try {
                p.step(2);
                const FolderVerdict verdict = CheckDirectories(
                    state.HalfLifeDir, state.SprayRootDir, services.prompts, services.errors);
                p.step(3);
                if (!verdict.hlOK || !verdict.sprayOK)
                    return;
                // With no mod rows the bar runs from 0 to 1 and is filled when the pass ends.
                const int rows = controls.mods.count();
                p.step(5);
                p.step(6);
                controls.progress.setRange(0, rows > 0 ? rows : 1);
                p.step(7);
                controls.progress.setValue(0);
                p.step(8);
                controls.progress.repaintNow();
                p.step(9);
                const int count = controls.mods.count();
                for (int row = 0; row < count; ++row) {
                    p.step(10);
                    // A row without a table entry (a hint row) has no spray.
                    const bool assigned =
                        row < state.Mods.size() && !state.Mods.at(row).SprayFile.isEmpty();
                    if (assigned) {
                        const ModEntry& entry = state.Mods.at(row);
                        const QString modFolder = state.HalfLifeDir + separator() + entry.ModFolder;
                        p.step(11);
                        source = entry.SprayFolder + separator() + entry.SprayFile;
                        p.step(12);
                        if (entry.SprayKind == QLatin1String("WAD")) {
                            p.step(13);
                            installSpray(source, modFolder);
                        } else {
                            p.step(15);
                            copyingCompiled = false;
                            p.step(16);
                            // A bitmap gone since it was applied is told like a gone WAD spray.
                            if (!fileExists(source))
                                raiseFileNotFound();
                            const QString compiled = MakeWad(source, services);
                            p.step(17);
                            if (compiled == kQlumpyMissing) {
                                p.step(18);
                                services.prompts.show(Message{
                                    QStringLiteral("Could not find Qlumpy.exe!"), kErrorTitle,
                                    Message::Icon::Critical, Message::Buttons::Ok});
                                p.step(19);
                                return;
                            }
                            p.step(20);
                            copyingCompiled = true;
                            p.step(21);
                            installSpray(compiled, modFolder);
                            p.step(22);
                            deleteFileForced(compiled);
                        }
                    }
                    p.step(23);
                    copyingCompiled = false;
                    p.step(24);
                    if (controls.progress.maximum() > controls.progress.value())
                        controls.progress.setValue(controls.progress.value() + 1);
                    p.step(25);
                    controls.progress.repaintNow();
                }
                if (rows == 0)
                    controls.progress.setValue(controls.progress.maximum());
                p.step(26);
                services.prompts.show(Message{QStringLiteral("Spray(s) Created!"),
                                              QStringLiteral("Velmira"), Message::Icon::Information,
                                              Message::Buttons::Ok});
            } catch (const VelmiraError& error) {
                if (error.number() != ErrorNumber::FileNotFound)
                    throw;
                if (copyingCompiled) {
                    services.prompts.show(Message{
                        QStringLiteral("Error compiling. Check BMP format and dimentions.") + cr +
                            QStringLiteral("File: ") + source,
                        kErrorTitle, Message::Icon::Critical, Message::Buttons::Ok});
                } else {
                    services.prompts.show(Message{QStringLiteral("Could not find ") + source,
                                                  error.failure().description,
                                                  Message::Icon::Critical, Message::Buttons::Ok});
                }
            }
        });
}

}  // namespace velmira
