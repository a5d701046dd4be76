#pragma once

#include <QByteArray>
#include <QImage>

namespace velmira::picture {

// The colour model an ICC profile's header names ("RGB ", "GRAY", "CMYK"); empty for less than
// a header.
QByteArray iccModelOf(const QByteArray& icc);

// Whether a colour profile of this colour model (iccModelOf) belongs to a grey or a colour
// picture: one of another model is a mistake of the program that wrote it, and is ignored.
bool profileFits(const QByteArray& iccModel, bool greyPicture);

// The game draws sRGB: a picture with a colour profile of its own (Display P3 from a phone,
// Adobe RGB from a camera) is converted to it before it is scaled and reduced; one without, or
// with a profile that does not fit it (profileFits), is taken as sRGB.
void convertToSrgb(QImage& image);

}  // namespace velmira::picture
