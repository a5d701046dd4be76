#include "maker.h"

#include "core/state.h"
#include "library/sprays.h"
#include "picture/readfile.h"
#include "picture/readpicture.h"
#include "platform/files.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace velmira {

QString chosenPicture(const AppState& state, const QString& chosenFile, QString* why) {
    if (chosenFile.isEmpty()) {
        *why = QCoreApplication::translate("velmira::Maker",
                                           "Choose a picture in the spray list first.");
        return QString();
    }
    if (sprayKindOf(chosenFile) == QLatin1String("WAD")) {
        *why = QCoreApplication::translate(
                   "velmira::Maker",
                   "The spray maker makes sprays from pictures; %1 is already a spray.")
                   .arg(chosenFile);
        return QString();
    }
    return joinPath(state.CurrentSprayDir, chosenFile);
}

QString makerPictureProblem(const QString& path) {
    const auto bytes = picture::readRegularFile(path, picture::kMaxPictureFileSize);
    if (!bytes)
        return bytes.error();
    const auto checked = picture::checkPicture(bytes.value(), QFileInfo(path).suffix().toLatin1());
    return checked ? QString() : checked.error();
}

std::shared_ptr<const spray::MakerSource> loadMakerSource(const QString& path, QString* error,
                                                          const CancelCheck& cancel) {
    const auto picture = picture::readPicture(path, cancel);
    if (!picture) {
        *error = picture.error();
        return nullptr;
    }
    auto source = std::make_shared<const spray::MakerSource>(picture.value(), cancel);
    if (source->isNull()) {
        *error = kCancelledText;
        return nullptr;
    }
    return source;
}

QString madeSprayName(const QString& picturePath) {
    return nameThatFits(QFileInfo(picturePath).completeBaseName(), QStringLiteral(" spray.bmp"));
}

QString saveMadeSpray(const wad::MadeSpray& made, const QString& folder, const QString& picturePath,
                      QString* reason) {
    if (!made.error.isEmpty()) {
        *reason = made.error;
        return QString();
    }
    return saveNewSpray(spray::sprayBitmap(made.spray.picture), folder, madeSprayName(picturePath),
                        reason);
}

}  // namespace velmira
