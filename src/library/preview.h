#pragma once

#include <QImage>
#include <QString>

namespace velmira {

// The picture of a spray file for the preview: a bitmap as it is, a WAD spray's first picture
// (transparent where a colour spray is). A null image when the file cannot be shown.
QImage loadPreviewPicture(const QString& path);

// Whether the preview of a file is the compiler's conversion rather than the file itself: any
// picture that is not a WAD or an 8-bit bitmap of a spray's size. Reads only the headers.
bool previewNeedsConversion(const QString& path);

// The spray the compiler makes of a picture, as the game draws it, and a line that says what
// was done ("144 x 96, 255 colours, scaled from 300 x 200"). A null image when it cannot be made.
struct SprayPreview {
    QImage image;
    QString note;
};
SprayPreview convertedPreview(const QString& path);

}  // namespace velmira
