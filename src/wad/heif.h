#pragma once

#include "wad/cancel.h"
#include "wad/result.h"

#include <QByteArray>
#include <QImage>
#include <QStringList>

namespace velmira::wad {

// HEIF pictures: the iPhone's HEIC, and AVIF where the library decodes it. Read with libheif
// where the program was built with it; a build without it reads none and lists none.

// The extensions of the HEIF pictures this build reads (lower case; empty without libheif).
QStringList heifExtensions();

// Whether the bytes begin as a HEIF file does (its "ftyp" box names a HEIF brand).
bool isHeif(const QByteArray& bytes);

// The primary picture's size, upright, from the file's boxes (nothing is decoded), or why it
// cannot be read.
Result<QSize> checkHeif(const QByteArray& bytes);

// The primary picture of a HEIF file, upright (its rotation and mirroring applied), converted
// to sRGB from its colour profile, and at most kMaxReadPixels (a larger one is made smaller
// as soon as it is decoded). Refused with the reason when it cannot be read.
Result<QImage> decodeHeif(const QByteArray& bytes, const CancelCheck& cancel = {});

}  // namespace velmira::wad
