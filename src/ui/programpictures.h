#pragma once

#include <QIcon>
#include <QRgb>
#include <QString>

#include <optional>

class QImage;

namespace velmira {

// The name of a picture's version drawn at twice its size: "folder.bmp" -> "folder@2x.bmp".
QString doubleSizeName(const QString& path);

// A picture with the pixels of the `key` colour made see-through. Only the exact colour is
// taken: the pictures are drawn without smoothing against their key (scripts/make-pictures.sh),
// so no pixel is a blend of the key and the drawing, and none leaves a fringe.
QImage keyedOut(const QImage& picture, QRgb key);

// One of the program's own pictures, at its size and at twice it where the @2x file exists;
// Qt chooses the one the screen needs. `key`: the colour drawn see-through.
QIcon programPicture(const QString& path, std::optional<QRgb> key = std::nullopt);

}  // namespace velmira
