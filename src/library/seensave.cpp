#include "seensave.h"

#include "library/preview.h"
#include "library/sprays.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace velmira {

namespace {
// How many numbers are tried before the folder is said to be full of them.
constexpr int kSeenNameAttempts = 10000;
}  // namespace

QString saveSeenSpray(const QByteArray& spray, const QString& mod, const QString& folder,
                      QString* reason) {
    const QDir dir(folder);
    for (int n = 1; n <= kSeenNameAttempts; ++n) {
        const QString name = nameThatFits(QStringLiteral("%1 seen %2.wad").arg(mod).arg(n));
        if (QFileInfo::exists(dir.filePath(name)) || QFileInfo(dir.filePath(name)).isSymLink())
            continue;
        return saveNewSpray(spray, folder, name, reason);
    }
    *reason = QStringLiteral("every name for it is taken");
    return QString();
}

bool saveSprayPicture(const QByteArray& spray, const QString& path, QString* reason) {
    const QImage picture = sprayPictureOfWad(spray);
    if (picture.isNull()) {
        *reason = QStringLiteral("the spray has no picture the game draws");
        return false;
    }
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || !picture.save(&out, "PNG") || !out.commit()) {
        *reason = out.errorString();
        return false;
    }
    return true;
}

}  // namespace velmira
