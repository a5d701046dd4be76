#pragma once

#include "core/cancel.h"
#include "core/result.h"
#include "spray/indexedpicture.h"

#include <QImage>
#include <QRect>
#include <QString>

#include <optional>

namespace velmira::spray {

// A spray picture made from a bitmap, and a line saying what was done to it.
struct SprayPicture {
    IndexedPicture picture;
    QString note;
    // A one-colour decal (index = opacity, drawn in the colour of entry 255) rather than a
    // colour spray (entry 255 pure blue and transparent).
    bool oneColour = false;
};

// Whether a picture is designed as a one-colour decal: an 8-bit bitmap whose palette entries 0
// to 254 are grey and whose entry 255 is not pure blue, not named as a transparent spray.
bool isOneColourDesign(const QImage& bitmap, bool transparentBlue);

// Makes a spray picture from a bitmap (or the area of it given), with palette
// entry 255 pure blue. A paletted bitmap of an allowed size is kept pixel for pixel; any other
// is scaled to an allowed size and reduced to 255 colours. transparentBlue: pure-blue pixels
// become transparent.
Result<SprayPicture> makeSprayPicture(const QImage& bitmap, std::optional<QRect> area,
                                      bool transparentBlue, const CancelCheck& cancel = {});

}  // namespace velmira::spray
