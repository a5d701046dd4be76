#pragma once

#include <QImage>
#include <QString>

namespace velmira {

// The picture of a spray file for the preview: a bitmap as it is, a WAD spray's first picture
// (transparent where a colour spray is). A null image when the file cannot be shown.
QImage loadPreviewPicture(const QString& path);

}  // namespace velmira
