#include "categories.h"

#include "core/controls.h"
#include "core/errorreport.h"
#include "core/state.h"
#include "game/mods.h"
#include "library/sprays.h"
#include "platform/files.h"
#include "platform/openfolder.h"
#include "platform/prompts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace velmira {

QString shownCategoryName(const QString& stored) {
    return stored == kFavorites ? QCoreApplication::translate("velmira::Categories", "<Favorites>")
                                : stored;
}

void ListCats(const AppState& state, CategoryRows& categories, ErrorReporter& errors) {
    errors.run("Module1.ListCats()", AfterReport::EndProgram, [&](Procedure& p) {
        p.step(2);
        if (!folderExists(state.SprayRootDir))
            return;
        p.step(3);
        const QDir folder(state.SprayRootDir);
        if (!folder.isReadable()) {
            // Reported, but the window stays: File Locations must still be reachable.
            categories.clear();
            errors.show(permissionDenied(), p);
            return;
        }
        p.step(4);
        // Sub-folders only: special files and broken links are no categories.
        const QStringList subFolders =
            folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
        p.step(5);
        categories.clear();
        p.step(6);
        categories.addPinned(kFavorites);
        p.step(7);
        for (const QString& name : subFolders) {
            p.step(8);
            p.step(9);
            // The listing takes a link to a device for a folder; the link's target is judged. A
            // link another user could have put in a shared library is no category of the
            // player's.
            QString why;
            if (folderExists(folder.filePath(name)) &&
                OpenFolder::pathIsPlayers(folder.filePath(name), &why))
                categories.addSorted(name);
        }
        categories.select(0);
    });
}

void refreshLibrary(AppState& state, MainControls& controls, Prompts& prompts,
                    ErrorReporter& errors) {
    errors.run("frmMain.cmdRefresh_Click()", AfterReport::CloseMainWindow, [&](Procedure& p) {
        p.step(2);
        if (folderExists(state.SprayRootDir)) {
            p.step(3);
            if (folderExists(state.SprayRootDir)) {
                p.step(4);
                controls.files.setFolder(state.SprayRootDir);
            } else {
                p.step(5);
                prompts.show(Message{
                    QCoreApplication::translate("velmira::Categories",
                                                "WARNING: Spray folder does not exist:\r%1\r\r"
                                                "Please verify your spray folder.")
                        .arg(state.SprayRootDir),
                    QString(), Message::Icon::Critical, Message::Buttons::Ok});
            }
            p.step(6);
            controls.folderLabel.setCaption(state.SprayRootDir);
            p.step(7);
            controls.files.reread();
            p.step(8);
            ListCats(state, controls.categories, errors);
            p.step(9);
            if (controls.categories.selected() != 0 && controls.categories.count() > 0)
                controls.categories.select(0);
        } else {
            p.step(10);
            if (state.SprayRootDir.isEmpty()) {
                p.step(11);
                controls.folderLabel.setCaption(QCoreApplication::translate(
                    "velmira::Categories", "Please set your Spray folder."));
            } else {
                p.step(12);
                controls.folderLabel.setCaption(
                    QCoreApplication::translate("velmira::Categories", "Invalid spray folder!"));
            }
        }
        p.step(13);
        p.step(14);
        controls.preview.clear();
        p.step(15);
        ListModDirectories(state, controls.mods, errors);
    });
}

void chooseCategory(AppState& state, MainControls& controls, Prompts& prompts,
                    ErrorReporter& errors) {
    errors.run("frmMain.comboCats_Click()", AfterReport::CloseMainWindow, [&](Procedure& p) {
        p.step(1);
        const int position = controls.categories.selected();
        if (position > -1) {
            if (position == 0) {
                p.step(2);
                state.CurrentSprayDir = state.SprayRootDir + separator();
            } else {
                p.step(3);
                state.CurrentSprayDir =
                    state.SprayRootDir + separator() + controls.categories.text();
            }
        } else {
            p.step(4);
            if (controls.categories.count() > 0)
                controls.categories.select(0);
        }
        p.step(5);
        if (folderExists(state.CurrentSprayDir)) {
            controls.files.setFolder(state.CurrentSprayDir);
            tellUnlistableSprays(state, state.CurrentSprayDir, prompts);
        } else {
            prompts.show(Message{
                QCoreApplication::translate("velmira::Categories",
                                            "WARNING: Folder does not exist:\r%1\r\r"
                                            "Try hitting refresh or varify your spray folder.")
                    .arg(state.CurrentSprayDir),
                QString(), Message::Icon::Critical, Message::Buttons::Ok});
        }
    });
}

}  // namespace velmira
