#pragma once

#include "core/cancel.h"
#include "core/result.h"

#include <QByteArray>
#include <QImage>

namespace velmira::picture {

// Decodes a TGA picture: true-colour (24 or 32 bits), grey (8 bits) or colour-mapped (8-bit
// indices into a 24- or 32-bit map), uncompressed or run-length encoded, either row order.
// Survives any bytes: anything cut short, inconsistent or too large is a failure with a reason.
Result<QImage> decodeTga(const QByteArray& bytes, const CancelCheck& cancel = {});

// What decodeTga would refuse, from the header and colour map alone (a run-length picture's runs
// are not read): the picture's size, or the reason.
Result<QSize> checkTga(const QByteArray& bytes);

}  // namespace velmira::picture
