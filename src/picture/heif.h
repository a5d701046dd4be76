#pragma once

#include "core/cancel.h"
#include "core/result.h"
#include "picture/heifboxes.h"

#include <QByteArray>
#include <QImage>
#include <QStringList>

#include <utility>
#include <vector>

namespace velmira::picture {

// HEIF pictures: the iPhone's HEIC, and AVIF where the library decodes it. Read with libheif
// where the program was built with it; a build without it reads none and lists none.

// The extensions of the HEIF pictures this build reads (lower case; empty without libheif).
QStringList heifExtensions();

// Whether decoded planes hold what is read from them: a picture of at least one pixel, and
// colour planes of at least half its width and height, rounded up (4:2:0; an RGB picture's
// planes are all of its size).
bool planesFit(QSize luma, QSize cb, QSize cr);

// Which nclx profile says how libheif's decoded planes make colours: the decoded picture's
// own where it has one (a newer libheif converts the planes and says so), else the file's.
enum class PlanesProfile { Decoded, File, None };
PlanesProfile planesProfile(bool decodedHasNclx, bool fileHasNclx);

// The primary picture's size, upright, from the file's boxes (nothing is decoded), or why it
// cannot be read.
Result<QSize> checkHeif(const QByteArray& bytes);

// The primary picture of a HEIF file, upright (its rotation and mirroring applied), converted
// to sRGB from its colour profile, and at most kMaxReadPixels (a larger one is made smaller
// as soon as it is decoded). Refused with the reason when it cannot be read.
Result<QImage> decodeHeif(const QByteArray& bytes, const CancelCheck& cancel = {});

}  // namespace velmira::picture
