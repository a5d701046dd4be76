#pragma once

#include <QByteArray>
#include <QDir>
#include <QFileDevice>
#include <QString>
#include <QStringList>

namespace velmira {

struct AppState;
struct MainControls;
class Desktop;
class Prompts;
class ErrorReporter;

// A spray file was chosen: previews it when the preview is on, and records its kind.
void chooseSprayFile(AppState& state, MainControls& controls, ErrorReporter& errors);

// The "Show Preview" box changed: switches the preview on or off, then handles the chosen file.
void setPreviewShown(AppState& state, MainControls& controls, bool checked, ErrorReporter& errors);

// The extensions of spray files, lower case: "bmp", "wad", and every picture format that Qt can
// read here among PNG, JPEG, GIF, TGA, WebP and TIFF.
QStringList sprayExtensions();

// The spray files directly in a folder, sorted without regard to case: regular files only
// (links are followed; a link to a device or a FIFO is no spray), matched by extension in any
// case.
QStringList sprayFilesIn(const QString& folder);

// Tells the user, once a run for each folder, of spray files in it that cannot be listed
// because their names are not valid text.
void tellUnlistableSprays(AppState& state, const QString& folder, Prompts& prompts);

// Files dropped on the spray list: pictures and WAD files are copied into the chosen category's
// folder (the spray folder itself for "<Favorites>"), never over a file there (a taken name
// gets " (2)", " (3)", ... before its extension); the list is read again and the first one
// copied is chosen. Anything else is told in one message; a copy that fails is told and leaves
// no partial file.
void addDroppedSprays(AppState& state, MainControls& controls, const QStringList& paths,
                      Prompts& prompts);

// A name in the folder that is not taken: the name itself, else with " (2)", " (3)", ... before
// its extension. `ours`, a name of the caller's own file, counts as not taken.
QString freeNameIn(const QDir& folder, const QString& name, const QString& ours = {});

// The longest name a folder may hold: 255 bytes (UTF-16 units on Windows).
constexpr qsizetype kMaxFileNameLength = 255;

// The name shortened where it must be so that it and any "name (n).ext" made of it fit in a
// folder: the part before the extension (or before `suffix`) loses whole characters from its end.
QString nameThatFits(const QString& name);
QString nameThatFits(QString base, const QString& suffix);

// Writes a new spray file into the folder under the wanted name, or the next free one (" (2)",
// " (3)", ...), never replacing a file: written in full under a hidden name first. Returns the
// name given, or empty with the reason.
QString saveNewSpray(const QByteArray& bytes, const QString& folder, const QString& wantedName,
                     QString* reason);

// What a file Velmira adds to the library may be: read by everyone, written by its owner.
constexpr QFileDevice::Permissions kLibraryFilePermissions =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
    QFileDevice::ReadOther;

// The kind of a spray file: its extension in upper case ("BMP", "WAD", or empty).
QString sprayKindOf(const QString& fileName);

// Opens the spray folder itself in the desktop's file manager, never waiting on it.
void openSprayFolder(const AppState& state, Desktop& desktop, ErrorReporter& errors);

}  // namespace velmira
