#include "create.h"

#include "core/context.h"
#include "core/controls.h"
#include "core/errorreport.h"
#include "core/state.h"
#include "game/folders.h"
#include "install/compiler.h"
#include "platform/files.h"
#include "platform/prompts.h"
#include "wad/readfile.h"
#include "wad/wad.h"

#include <QFileInfo>
#include <QHash>

#include <optional>

namespace velmira {

namespace {
QString compileFailedText(const QString& source) {
    return QStringLiteral("Error compiling. Check BMP format and dimentions.") + QChar(13) +
           QStringLiteral("File: ") + source;
}

const QString kErrorTitle = QStringLiteral("Error creating spray!");

// The largest spray file read; the game takes none above 20,480 bytes.
constexpr qint64 kMaxSprayRead = 1024 * 1024;

// A row's spray could not be used: says so, the pass then ends.
struct RowRefused {
    QString text;
};

// A spray's bytes and whether the game would use them; a file that is gone is a "File not
// found" failure, so the pass tells it as before.
QByteArray usableSpray(const QString& path, const QString& refusedText) {
    if (!QFileInfo::exists(path) && !QFileInfo(path).isSymLink())
        raiseFileNotFound();
    const auto bytes = wad::readRegularFile(path, kMaxSprayRead);
    if (!bytes)
        throw RowRefused{refusedText + QChar(13) + bytes.error()};
    const auto check = wad::checkSprayFile(bytes.value());
    if (!check)
        throw RowRefused{refusedText + QChar(13) + check.error()};
    return bytes.value();
}

// Puts the spray into the mod folder as both files the game reads, both or neither.
void installSpray(const QByteArray& spray, const QString& modFolder) {
    if (!folderExists(modFolder))
        raisePathNotFound();
    const QString problem = replaceFilesTogether(
        {modFolder + separator() + kSprayFileName, modFolder + separator() + kCurrentSprayFileName},
        spray);
    if (!problem.isEmpty())
        throw RowRefused{QStringLiteral("Could not install the spray in ") + modFolder + QChar(13) +
                         problem};
}
}  // namespace

void createSprays(const AppState& state, MainControls& controls, const Services& services) {
    const QChar cr(13);
    bool copyingCompiled = false;
    QString source;
    // The work folder is made at the first picture to compile and removed when the pass ends.
    std::optional<WorkFolder> work;
    // Each picture is compiled once a pass; every row that has it gets the same bytes.
    QHash<QString, QByteArray> compiledOnce;
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
                            installSpray(
                                usableSpray(source,
                                            QStringLiteral("The game would not use this spray, so "
                                                           "it was not installed:") +
                                                cr + source),
                                modFolder);
                        } else if (compiledOnce.contains(source)) {
                            p.step(21);
                            installSpray(compiledOnce.value(source), modFolder);
                        } else {
                            p.step(15);
                            copyingCompiled = false;
                            p.step(16);
                            // A bitmap gone since it was applied is told like a gone WAD spray.
                            if (!fileExists(source))
                                raiseFileNotFound();
                            if (!work)
                                work.emplace(services.programFolder);
                            if (work->path().isEmpty())
                                throw RowRefused{work->problem()};
                            const QString compiled = MakeWad(source, services, work->path());
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
                            // Only a WAD the game accepts is installed.
                            const QByteArray spray =
                                usableSpray(compiled, compileFailedText(source));
                            installSpray(spray, modFolder);
                            compiledOnce.insert(source, spray);
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
            } catch (const RowRefused& refused) {
                services.prompts.show(Message{refused.text, kErrorTitle, Message::Icon::Critical,
                                              Message::Buttons::Ok});
            } catch (const VelmiraError& error) {
                if (error.number() != ErrorNumber::FileNotFound)
                    throw;
                if (copyingCompiled) {
                    services.prompts.show(Message{compileFailedText(source), kErrorTitle,
                                                  Message::Icon::Critical, Message::Buttons::Ok});
                } else {
                    services.prompts.show(Message{QStringLiteral("Could not find ") + source,
                                                  error.failure().description,
                                                  Message::Icon::Critical, Message::Buttons::Ok});
                }
            }
        });
}

}  // namespace velmira
