#include "seensave.h"

#include "library/preview.h"
#include "library/sprays.h"
#include "platform/files.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>

namespace velmira {

namespace {
// How many numbers are tried before the folder is said to be full of them.
constexpr int kSeenNameAttempts = 10000;
}  // namespace

SeenSaver::SeenSaver(const QString& folder) : m_folder(OpenFolder::open(folder, &m_problem)) {
    if (m_folder.isOpen())
        m_problem.clear();
}

QString SeenSaver::save(const QByteArray& bytes, const QString& mod, const QString& extension,
                        QString* reason) {
    if (!m_folder.isOpen()) {
        *reason = m_problem;
        return QString();
    }
    const QString stem = mod + QStringLiteral(" seen ");
    const auto nameFor = [&](int n) {
        return nameThatFits(stem + QString::number(n), QLatin1Char('.') + extension);
    };
    int& next = m_next[stem + extension];
    const int first = std::max(next, 1);
    const int left = kSeenNameAttempts - first + 1;
    if (left <= 0) {
        *reason = QCoreApplication::translate("velmira::SeenSave", "every name for it is taken");
        return QString();
    }
    return m_folder.writeUnderFreeName(bytes, nameFor, first, left, reason, &next,
                                       kLibraryFilePermissions);
}

QString SeenSaver::saveSpray(const QByteArray& spray, const QString& mod, QString* reason) {
    return save(spray, mod, QStringLiteral("wad"), reason);
}

QString SeenSaver::savePicture(const QByteArray& spray, const QString& mod, QString* reason) {
    const QByteArray png = sprayPicturePng(spray, reason);
    return png.isEmpty() ? QString() : save(png, mod, QStringLiteral("png"), reason);
}

QByteArray sprayPicturePng(const QByteArray& spray, QString* reason) {
    const QImage picture = sprayPictureOfWad(spray);
    if (picture.isNull()) {
        *reason = QCoreApplication::translate("velmira::SeenSave",
                                              "the spray has no picture the game draws");
        return QByteArray();
    }
    QByteArray png;
    QBuffer buffer(&png);
    if (!picture.save(&buffer, "PNG")) {
        *reason = QCoreApplication::translate("velmira::SeenSave", "the picture could not be made");
        return QByteArray();
    }
    return png;
}

bool saveSprayPicture(const QByteArray& spray, const QString& path, QString* reason) {
    const QByteArray png = sprayPicturePng(spray, reason);
    if (png.isEmpty())
        return false;
    const QFileInfo target(path);
    const OpenFolder folder = OpenFolder::open(target.absolutePath(), reason);
    // A picture the player made read-only is kept as it is; any other keeps its mode.
    return folder.isOpen() &&
           folder.replace(target.fileName(), png, reason, OpenFolder::ReadOnlyFile::Refuse);
}

SeenSaveOutcome saveSeenSprays(const std::vector<SeenSpray>& sprays, const QString& folder,
                               SeenSaveAs as, const CancelCheck& cancel,
                               const std::function<void(int)>& progress) {
    SeenSaveOutcome outcome;
    SeenSaver saver(folder);
    if (!saver.problem().isEmpty()) {
        outcome.failed << saver.problem();
        return outcome;
    }
    int done = 0;
    for (const SeenSpray& spray : sprays) {
        if (isCancelled(cancel)) {
            outcome.stopped = true;
            break;
        }
        const QString mod = spray.mods.value(0);
        const auto bytes = readSeenSpray(spray);
        QString reason;
        QString name;
        if (!bytes)
            reason = bytes.error();
        else if (as == SeenSaveAs::Spray)
            name = saver.saveSpray(bytes.value(), mod, &reason);
        else
            name = saver.savePicture(bytes.value(), mod, &reason);
        if (!name.isEmpty()) {
            ++outcome.saved;
            outcome.last = name;
        } else if (as == SeenSaveAs::Spray) {
            outcome.failed << reason;
        } else {
            outcome.failed << joinPath(folder, mod) + QStringLiteral(": ") + reason;
        }
        if (progress)
            progress(++done);
    }
    return outcome;
}

bool saveSeenPicture(const SeenSpray& spray, const QString& path, QString* reason) {
    const auto bytes = readSeenSpray(spray);
    if (!bytes) {
        *reason = bytes.error();
        return false;
    }
    return saveSprayPicture(bytes.value(), path, reason);
}

QStringList firstLinesOf(const QStringList& lines, int shown) {
    if (lines.size() <= shown)
        return lines;
    QStringList first = lines.mid(0, shown);
    // An int() cast, not static_cast: lupdate reads no template brackets in a translation call.
    first << QCoreApplication::translate("velmira::SeenSave", "and %n more", nullptr,
                                         int(lines.size() - shown));
    return first;
}

}  // namespace velmira
