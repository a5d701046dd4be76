#include "sprays.h"

#include "core/controls.h"
#include "core/errorreport.h"
#include "core/state.h"
#include "picture/heif.h"
#include "picture/readfile.h"
#include "picture/readpicture.h"
#include "platform/desktop.h"
#include "platform/files.h"
#include "platform/openfolder.h"
#include "platform/prompts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>

namespace velmira {

QStringList sprayExtensions() {
    static const QStringList extensions = [] {
        // Bitmaps, WADs and TGA pictures are read by our own code; the rest only where Qt has
        // a reader for them here.
        QStringList found{QStringLiteral("bmp"), QStringLiteral("wad"), QStringLiteral("tga")};
        const QList<QByteArray> readable = QImageReader::supportedImageFormats();
        for (const char* format : {"png", "jpg", "jpeg", "gif", "webp", "tif", "tiff"})
            if (readable.contains(QByteArray(format)))
                found << QString::fromLatin1(format);
        // HEIF (the iPhone's HEIC, and AVIF) where this build reads it.
        found << picture::heifExtensions();
        return found;
    }();
    return extensions;
}

QStringList sprayFilesIn(const QString& folder) {
    return regularFilesIn(folder, sprayExtensions());
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
        Message{QCoreApplication::translate(
                    "velmira::Sprays",
                    "These spray files in %1 are not listed: their names are not valid text, so "
                    "they cannot be opened.\r%2\r\rRename them to use them.",
                    nullptr, int(names.size()))
                    .arg(folder, names.join(cr)),
                QStringLiteral("Velmira"), Message::Icon::Information, Message::Buttons::Ok});
}

namespace {

QString writeUnderFreeName(const QByteArray& bytes, const QString& folder, const QString& wanted,
                           QString* reason);

// Copies a file into the folder under a free name: written in full under a hidden temporary
// name first, then given its name without replacing anything. Returns the name, or empty with
// the reason.
QString copyInto(const QString& source, const QString& folder, QString* reason) {
    // The compiler reads no picture larger than this: a larger file is of no use in the library.
    if (QFileInfo(source).size() > picture::kMaxPictureFileSize) {
        *reason = QCoreApplication::translate("velmira::Sprays",
                                              "it is larger than the %1 MB a spray picture may be")
                      .arg(picture::kMaxPictureFileSize / (1024 * 1024));
        return QString();
    }
    // Bounded by what is read, not by the size the file states: a file of the system's (under
    // /proc) says it is empty and never ends.
    const auto bytes = picture::readRegularFile(source, picture::kMaxPictureFileSize);
    if (!bytes) {
        *reason = bytes.error();
        return QString();
    }
    return writeUnderFreeName(bytes.value(), folder, QFileInfo(source).fileName(), reason);
}

}  // namespace

QString nameThatFits(const QString& name) {
    const QString extension = extensionOf(name);
    const QString suffix = extension.isEmpty() ? QString() : QLatin1Char('.') + extension;
    return nameThatFits(name.left(name.size() - suffix.size()), suffix);
}

QString nameThatFits(QString base, const QString& suffix) {
    const auto length = [&](const QString& text) {
#ifdef Q_OS_WIN
        return text.size();
#else
        return QFile::encodeName(text).size();
#endif
    };
    // Room for " (100)" as well, so that a free name can always be made of it.
    const qsizetype room = kMaxFileNameLength - length(suffix + QStringLiteral(" (100)"));
    if (length(base) <= room)
        return base + suffix;
    // Whole characters only: a surrogate pair (and so a multi-byte character) is never cut.
    while (!base.isEmpty() && length(base) > room) {
        base.chop(1);
        if (!base.isEmpty() && base.back().isHighSurrogate())
            base.chop(1);
    }
    return base + suffix;
}

QString freeNameIn(const QDir& folder, const QString& name, const QString& ours) {
    const auto free = [&](const QString& candidate) {
        return candidate == ours || (!QFileInfo::exists(folder.filePath(candidate)) &&
                                     !QFileInfo(folder.filePath(candidate)).isSymLink());
    };
    if (free(name))
        return name;
    const QString extension = extensionOf(name);
    const QString base = extension.isEmpty() ? name : name.left(name.size() - extension.size() - 1);
    const QString suffix = extension.isEmpty() ? QString() : QLatin1Char('.') + extension;
    for (int n = 2;; ++n) {
        const QString candidate = QStringLiteral("%1 (%2)%3").arg(base).arg(n).arg(suffix);
        if (free(candidate))
            return candidate;
    }
}

QString saveNewSpray(const QByteArray& bytes, const QString& folder, const QString& wantedName,
                     QString* reason) {
    return writeUnderFreeName(bytes, folder, wantedName, reason);
}

namespace {

// How many names "<name> (n).<ext>" are tried before the folder is said to be full of them.
constexpr int kFreeNameAttempts = 100000;

// Writes a new file into the folder under the wanted name or the next free one, through the
// folder held open: readable by everyone and writable by the owner from the moment it has a
// name. Returns the name, or empty with the reason.
QString writeUnderFreeName(const QByteArray& bytes, const QString& folder, const QString& wanted,
                           QString* reason) {
    // The category through a link only when the link is the player's own: in a shared library
    // another user's link would take the player's pictures elsewhere.
    const OpenFolder library = OpenFolder::openLast(folder, reason);
    if (!library.isOpen())
        return QString();
    const QString fitted = nameThatFits(wanted);
    const QString extension = extensionOf(fitted);
    const QString base =
        extension.isEmpty() ? fitted : fitted.left(fitted.size() - extension.size() - 1);
    const QString suffix = extension.isEmpty() ? QString() : QLatin1Char('.') + extension;
    const auto nameFor = [&](int n) {
        return n == 1 ? fitted : QStringLiteral("%1 (%2)%3").arg(base).arg(n).arg(suffix);
    };
    return library.writeUnderFreeName(bytes, nameFor, 1, kFreeNameAttempts, reason, nullptr,
                                      kLibraryFilePermissions);
}

}  // namespace

void addDroppedSprays(AppState& state, MainControls& controls, const QStringList& paths,
                      Prompts& prompts) {
    const QChar cr(13);
    const QString target =
        state.CurrentSprayDir.isEmpty() ? state.SprayRootDir : state.CurrentSprayDir;
    if (!folderExists(target)) {
        prompts.show(Message{QCoreApplication::translate(
                                 "velmira::Sprays",
                                 "Set your spray folder first: dropped files are copied into it."),
                             QStringLiteral("Velmira"), Message::Icon::Critical,
                             Message::Buttons::Ok});
        return;
    }
    const QString& folder = target;
    const QStringList extensions = sprayExtensions();
    QStringList skipped;
    QStringList failed;
    QString first;
    for (const QString& path : paths) {
        const QString name = QFileInfo(path).fileName();
        if (!picture::isRegularFile(path) || !extensions.contains(extensionOf(name).toLower())) {
            skipped << name;
            continue;
        }
        QString reason;
        const QString copied = copyInto(path, folder, &reason);
        if (copied.isEmpty()) {
            failed << QCoreApplication::translate("velmira::Sprays", "%1: %2",
                                                  "a file and why it was not copied")
                          .arg(path, reason);
            continue;
        }
        if (first.isEmpty())
            first = copied;
    }
    if (!first.isEmpty()) {
        controls.files.reread();
        controls.files.choose(first);
    }
    // One message names every file that could not be copied, however many were dropped.
    if (!failed.isEmpty())
        prompts.show(
            Message{QCoreApplication::translate("velmira::Sprays", "Could not copy into %1\r%2",
                                                nullptr, int(failed.size()))
                        .arg(target, failed.join(cr)),
                    QStringLiteral("Velmira"), Message::Icon::Critical, Message::Buttons::Ok});
    if (!skipped.isEmpty())
        prompts.show(Message{QCoreApplication::translate(
                                 "velmira::Sprays",
                                 "Only pictures and WAD files join the spray library; these were "
                                 "not added:\r%1",
                                 nullptr, int(skipped.size()))
                                 .arg(skipped.join(cr)),
                             QStringLiteral("Velmira"), Message::Icon::Information,
                             Message::Buttons::Ok});
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
