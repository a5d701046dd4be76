#include "sprays.h"

#include "core/controls.h"
#include "core/errorreport.h"
#include "core/state.h"
#include "platform/desktop.h"
#include "platform/files.h"
#include "platform/prompts.h"
#include "wad/readfile.h"

#include <QDir>
#include <QImageReader>

namespace velmira {

QStringList sprayExtensions() {
    static const QStringList extensions = [] {
        QStringList found{QStringLiteral("bmp"), QStringLiteral("wad")};
        const QList<QByteArray> readable = QImageReader::supportedImageFormats();
        for (const char* format : {"png", "jpg", "jpeg", "gif", "tga", "webp", "tif", "tiff"})
            if (readable.contains(QByteArray(format)))
                found << QString::fromLatin1(format);
        return found;
    }();
    return extensions;
}

QStringList sprayFilesIn(const QString& folder) {
    QDir dir(folder);
    QStringList patterns;
    for (const QString& extension : sprayExtensions())
        patterns << QStringLiteral("*.") + extension;
    dir.setNameFilters(patterns);
    dir.setFilter(QDir::Files);
    dir.setSorting(QDir::Name | QDir::IgnoreCase);
    QStringList names;
    // The listing counts a link to a device as a file; the file itself is looked at.
    for (const QString& name : dir.entryList())
        if (wad::isRegularFile(dir.filePath(name)))
            names << name;
    return names;
}

void tellUnlistableSprays(AppState& state, const QString& listed, Prompts& prompts) {
    // "<Favorites>" names the spray folder with a trailing separator: one folder either way.
    const QString folder = QDir::toNativeSeparators(QDir::cleanPath(listed));
    if (state.ToldUnlistable.contains(folder))
        return;
    const QStringList names = unreadableNames(folder, sprayExtensions());
    if (names.isEmpty())
        return;
    state.ToldUnlistable << folder;
    const QChar cr(13);
    prompts.show(
        Message{QStringLiteral("These spray files in ") + folder +
                    QStringLiteral(" are not listed: their names are not valid text, so "
                                   "they cannot be opened.") +
                    cr + names.join(cr) + cr + cr + QStringLiteral("Rename them to use them."),
                QStringLiteral("Velmira"), Message::Icon::Information, Message::Buttons::Ok});
}

QString sprayKindOf(const QString& fileName) {
    return extensionOf(fileName).toUpper();
}

void chooseSprayFile(AppState& state, MainControls& controls, ErrorReporter& errors) {
    errors.run("frmMain.fileBMPs_Click()", AfterReport::CloseMainWindow, [&](Procedure& p) {
        p.step(1);
        p.step(2);
        // Preview failures of every kind are ignored without a message.
        if (state.ShowPreviewFlag) {
            const QString name = controls.files.fileName();
            if (!name.isEmpty())
                controls.preview.load(controls.files.folder() + separator() + name);
        }
        p.step(3);
        state.SelectedSprayKind = sprayKindOf(controls.files.fileName());
    });
}

void setPreviewShown(AppState& state, MainControls& controls, bool checked, ErrorReporter& errors) {
    errors.run("frmMain.checkShowPreview_Click()", AfterReport::CloseMainWindow, [&](Procedure& p) {
        p.step(1);
        if (checked) {
            p.step(2);
            state.ShowPreviewFlag = true;
        } else {
            p.step(3);
            state.ShowPreviewFlag = false;
            p.step(4);
            p.step(5);
            controls.preview.clear();
        }
        p.step(6);
        chooseSprayFile(state, controls, errors);
    });
}

void openSprayFolder(const AppState& state, Desktop& desktop, ErrorReporter& errors) {
    const QString folder = state.SprayRootDir;
    errors.run("frmMain.cmdOpenBMPDir_Click()", AfterReport::CloseMainWindow, [&](Procedure&) {
        errors.run("Module1.EOpenDirecotry()", AfterReport::Return,
                   [&](Procedure&) { errors.recordSystemError(desktop.open(folder)); });
    });
}

}  // namespace velmira
