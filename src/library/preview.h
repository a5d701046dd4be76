#pragma once

#include "core/cancel.h"

#include <QImage>
#include <QString>

namespace velmira {

// What the preview shows of a spray file, and a line that says what was done ("144 x 96, 255
// colours, scaled from 300 x 200", "32 x 16, used as it is").
struct SprayPreview {
    QImage image;
    QString note;
    int colours = 0;  // the colours it shows (not counting see-through)
};

// The preview of a spray file: a WAD spray's first picture (transparent where a colour spray
// is), an 8-bit bitmap of a spray's size as it is, and any other picture as the compiler will
// convert it, as the game draws it. A null image when the file cannot be shown or the work was
// cancelled. Reads the file: never called on the window's thread.
SprayPreview previewOf(const QString& path, const CancelCheck& cancel = {});

// The first picture of a WAD spray's bytes as the game draws it; a null image when there is
// none.
QImage sprayPictureOfWad(const QByteArray& bytes);

}  // namespace velmira
