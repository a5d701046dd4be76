#include "create.h"

#include "core/context.h"
#include "core/controls.h"
#include "core/errorreport.h"
#include "core/state.h"
#include "game/folders.h"
#include "install/compiler.h"
#include "install/held.h"
#include "library/preview.h"
#include "library/sprays.h"
#include "picture/readfile.h"
#include "platform/files.h"
#include "platform/openfolder.h"
#include "platform/prompts.h"
#include "platform/settings.h"
#include "wad/wad.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>

#include <optional>

namespace velmira {

namespace {
QString compileFailedText(const QString& source) {
    return QCoreApplication::translate("velmira::Create",
                                       "Error compiling. Check BMP format and dimentions.\r"
                                       "File: %1")
        .arg(source);
}

QString errorTitle() {
    return QCoreApplication::translate("velmira::Create", "Error creating spray!");
}

QString couldNotInstall(const QString& folder, const QString& reason) {
    return QCoreApplication::translate("velmira::Create", "Could not install the spray in %1\r%2")
        .arg(folder, reason);
}

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
    const auto bytes = picture::readRegularFile(path, kMaxSprayRead);
    if (!bytes)
        throw RowRefused{refusedText + QChar(13) + bytes.error()};
    const auto check = wad::checkSprayFile(bytes.value());
    if (!check)
        throw RowRefused{refusedText + QChar(13) + check.error()};
    return bytes.value();
}

// How the new tempdecal.wad is left: read-only when the player protects sprays; writable again
// when not, if the file there is the one Velmira installed (so its being read-only was
// Velmira's doing); else as the file it replaces was.
WriteProtection protectionFor(const AppState& state, const QString& modFolder,
                              const QString& recorded) {
    if (state.ProtectSprays)
        return WriteProtection::ReadOnly;
    const QString held = sprayHashOfFile(modFolder + separator() + kCurrentSprayFileName);
    if (!recorded.isEmpty() && held == recorded)
        return WriteProtection::Writable;
    return WriteProtection::AsBefore;
}

// The largest logos picture read to tell whether it is Velmira's: a spray's picture is a few KB.
constexpr qint64 kMaxLogoRead = 1024 * 1024;
// How many names "<spray> (n).png" are tried before the logos folder is said to be full.
constexpr int kLogoNameAttempts = 1000;

// The fingerprint of the logos picture Velmira last wrote for the mod. The first releases kept
// the picture's path as "Installed/<mod>.logo", where a mod named "<mod>.logo" keeps its spray:
// a name cannot show what the file is, so that record is taken away once (a picture equal to
// the new one is still taken as Velmira's own).
QString logoRecord(SettingsStore& settings, const QString& mod) {
    const QString oldKey = mod + QStringLiteral(".logo");
    const QString old = settings.read(kInstalledSection, oldKey, QString());
    if (old.contains(QLatin1Char('/')) || old.contains(QLatin1Char('\\'))) {
        try {
            settings.remove(kInstalledSection, oldKey);
        } catch (const VelmiraError&) {
        }
    }
    return settings.read(kLogosSection, mod, QString());
}

// Xash3D FWGS builds the player's spray from a picture in the game's logos folder, chosen in its
// Customize menu: the spray goes there too, as the game draws it, under the spray file's name.
// The folder may be shared: logos is opened inside the mod folder without following a link, and
// a picture is Velmira's own only by what it holds (the picture written last time, or the very
// picture to write), never by its name. Any other is kept; the spray takes the next free name.
void writeXashLogo(const QByteArray& spray, const OpenFolder& game, const QString& mod,
                   const QString& sprayFile, SettingsStore& settings) {
    QString reason;
    const OpenFolder logos = game.child(QStringLiteral("logos"), true, &reason);
    if (!logos.isOpen())
        throw RowRefused{
            QCoreApplication::translate("velmira::Create", "Could not use the folder %1\r%2")
                .arg(game.pathOf(QStringLiteral("logos")), reason)};
    QByteArray png;
    QBuffer buffer(&png);  // opened by the writer
    sprayPictureOfWad(spray).save(&buffer, "PNG");
    const QString recorded = logoRecord(settings, mod);
    const QString base = QFileInfo(sprayFile).completeBaseName();
    for (int n = 1; n <= kLogoNameAttempts; ++n) {
        const QString name =
            n == 1 ? base + QStringLiteral(".png") : QStringLiteral("%1 (%2).png").arg(base).arg(n);
        bool done = false;
        const OpenFolder::Kind kind = logos.kindOf(name);
        if (kind == OpenFolder::Kind::Missing) {
            const OpenFolder::Written written = logos.writeNew(name, png, &reason);
            if (written == OpenFolder::Written::Failed)
                throw RowRefused{couldNotInstall(logos.path(), reason)};
            done = written == OpenFolder::Written::Done;
        } else if (kind == OpenFolder::Kind::File) {
            const auto held = logos.readFile(name, kMaxLogoRead);
            if (held && *held == png) {
                done = true;
            } else if (held && !recorded.isEmpty() && sprayHash(*held) == recorded) {
                if (!logos.replace(name, png, &reason))
                    throw RowRefused{couldNotInstall(logos.path(), reason)};
                done = true;
            }
        }
        if (done) {
            try {
                settings.write(kLogosSection, mod, sprayHash(png));
            } catch (const VelmiraError&) {
            }
            return;
        }
    }
    throw RowRefused{couldNotInstall(
        logos.path(),
        QCoreApplication::translate("velmira::Create", "every name for it is taken"))};
}

// Puts the spray into the mod folder as both files the game reads, both or neither, and records
// what was installed.
void installSpray(const QByteArray& spray, const QString& halfLifeDir, const QString& mod,
                  const QString& sprayFile, const AppState& state, SettingsStore& settings) {
    const QString modFolder = halfLifeDir + separator() + mod;
    if (!folderExists(modFolder))
        raisePathNotFound();
    // The game folder is the player's choice; the mod folder inside it is opened without
    // following a link, so that another user of a shared game folder cannot turn the install
    // into one of the player's own folders.
    QString reason;
    const OpenFolder game = OpenFolder::open(halfLifeDir, &reason).child(mod, false, &reason);
    if (!game.isOpen())
        throw RowRefused{couldNotInstall(modFolder, reason)};
    const QString recorded = settings.read(kInstalledSection, mod, QString());
    const QString problem = game.replaceTogether(
        {kSprayFileName, kCurrentSprayFileName}, spray,
        {WriteProtection::AsBefore, protectionFor(state, modFolder, recorded)});
    if (!problem.isEmpty())
        throw RowRefused{couldNotInstall(modFolder, problem)};
    // The spray is installed either way; a record that cannot be saved only shows it later
    // as not Velmira's.
    try {
        settings.write(kInstalledSection, mod, sprayHash(spray));
    } catch (const VelmiraError&) {
    }
    if (isXashFolder(halfLifeDir))
        writeXashLogo(spray, game, mod, sprayFile, settings);
}
}  // namespace

void createSprays(const AppState& state, MainControls& controls, const Services& services) {
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
                if (services.gameRunning && services.gameRunning(state.HalfLifeDir) &&
                    services.prompts.show(Message{
                        QCoreApplication::translate(
                            "velmira::Create",
                            "The game is running from %1.\rIt reads your spray when it starts a "
                            "map, and its Options screen may replace the spray when you press OK "
                            "or Apply there.\r\rInstall the sprays now?")
                            .arg(state.HalfLifeDir),
                        QStringLiteral("Velmira"), Message::Icon::None, Message::Buttons::YesNo}) !=
                        Answer::Yes)
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
                        const auto install = [&](const QByteArray& spray) {
                            installSpray(spray, state.HalfLifeDir, entry.ModFolder, entry.SprayFile,
                                         state, services.settings);
                        };
                        p.step(11);
                        source = entry.SprayFolder + separator() + entry.SprayFile;
                        p.step(12);
                        if (entry.SprayKind == QLatin1String("WAD")) {
                            p.step(13);
                            install(usableSpray(
                                source, QCoreApplication::translate(
                                            "velmira::Create",
                                            "The game would not use this spray, so it was not "
                                            "installed:\r%1")
                                            .arg(source)));
                        } else if (compiledOnce.contains(source)) {
                            p.step(21);
                            install(compiledOnce.value(source));
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
                                    QCoreApplication::translate("velmira::Create",
                                                                "Could not find Qlumpy.exe!"),
                                    errorTitle(), Message::Icon::Critical, Message::Buttons::Ok});
                                p.step(19);
                                return;
                            }
                            p.step(20);
                            copyingCompiled = true;
                            p.step(21);
                            // Only a WAD the game accepts is installed.
                            const QByteArray spray =
                                usableSpray(compiled, compileFailedText(source));
                            install(spray);
                            compiledOnce.insert(source, spray);
                            p.step(22);
                            removeWorkFile(compiled);
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
                services.prompts.show(Message{
                    QCoreApplication::translate("velmira::Create", "Spray(s) Created!"),
                    QStringLiteral("Velmira"), Message::Icon::Information, Message::Buttons::Ok});
            } catch (const RowRefused& refused) {
                services.prompts.show(Message{refused.text, errorTitle(), Message::Icon::Critical,
                                              Message::Buttons::Ok});
            } catch (const VelmiraError& error) {
                if (error.number() != ErrorNumber::FileNotFound)
                    throw;
                if (copyingCompiled) {
                    services.prompts.show(Message{compileFailedText(source), errorTitle(),
                                                  Message::Icon::Critical, Message::Buttons::Ok});
                } else {
                    services.prompts.show(
                        Message{QCoreApplication::translate("velmira::Create", "Could not find %1")
                                    .arg(source),
                                error.failure().description, Message::Icon::Critical,
                                Message::Buttons::Ok});
                }
            }
        });
}

}  // namespace velmira
