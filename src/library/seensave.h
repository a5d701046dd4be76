#pragma once

#include "core/cancel.h"
#include "game/seen.h"
#include "platform/openfolder.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace velmira {

// Writes sprays seen in games into one folder, held open for the whole batch: each new file
// takes the first free "<mod> seen <n>.<ext>", never replacing anything and never through a
// link, and the numbers go on from the last one used for the mod, so that a batch of thousands
// is named in one pass.
class SeenSaver {
  public:
    // The folder is the player's choice (a library category, or where pictures go).
    explicit SeenSaver(const QString& folder);
    // Why the folder cannot be written into; empty when it can.
    const QString& problem() const { return m_problem; }

    // Copies a spray unchanged as "<mod> seen <n>.wad". The name given, or empty with the
    // reason.
    QString saveSpray(const QByteArray& spray, const QString& mod, QString* reason);
    // Writes the spray's picture, as the game draws it, as "<mod> seen <n>.png".
    QString savePicture(const QByteArray& spray, const QString& mod, QString* reason);

  private:
    QString save(const QByteArray& bytes, const QString& mod, const QString& extension,
                 QString* reason);

    QString m_problem;  // before the folder: its opening writes the reason here
    OpenFolder m_folder;
    QHash<QString, int> m_next;  // per name stem, the first number not yet known to be taken
};

// The spray's picture, as the game draws it (see-through where the game leaves it clear), as a
// PNG; empty with the reason when the spray has none.
QByteArray sprayPicturePng(const QByteArray& spray, QString* reason);

// Writes a spray file's picture as a PNG at the path, in full or not at all: written beside it
// and renamed over it inside its folder, so a link there is replaced, never written through.
// False with the reason.
bool saveSprayPicture(const QByteArray& spray, const QString& path, QString* reason);

// What a batch of seen sprays kept or saved as pictures came to.
struct SeenSaveOutcome {
    int saved = 0;
    QString last;          // the name the last one saved was given
    QStringList failed;    // one line for each that was not saved, with the reason
    bool stopped = false;  // cancelled before the end: the ones saved stay
};

enum class SeenSaveAs { Spray, Picture };

// Saves seen sprays into one folder under free names, in order: each read again from its cache
// and checked to be the spray listed, then copied unchanged (a spray) or drawn as the game draws
// it (a picture). Asks `cancel` before each and tells `progress` how many are done after each.
// A folder that cannot be written into is one failure, not one for each spray.
SeenSaveOutcome saveSeenSprays(const std::vector<SeenSpray>& sprays, const QString& folder,
                               SeenSaveAs as, const CancelCheck& cancel = {},
                               const std::function<void(int)>& progress = {});

// Writes a seen spray's picture at the path, read again from its cache and checked first. False
// with the reason.
bool saveSeenPicture(const SeenSpray& spray, const QString& path, QString* reason);

// The lines of a failure message: the first `shown` of them, and how many more there are.
QStringList firstLinesOf(const QStringList& lines, int shown = 10);

}  // namespace velmira
