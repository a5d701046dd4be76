#pragma once

#include "core/cancel.h"
#include "core/result.h"

#include <QByteArray>
#include <QImage>

#include <functional>

namespace velmira::picture {

// Inflates a zlib stream, handing what it makes to `sink` a piece at a time (at most 32 KB
// held): false from the sink stops it. The reason when the stream is damaged or cut short.
QString inflateStream(const QByteArray& zlib,
                      const std::function<bool(const uchar* bytes, qint64 count)>& sink);

// The most pixels decodePngReduced goes through (16,384 on a side); a row is at most an
// eighth of that many bytes.
constexpr qint64 kMaxPngStreamPixels = qint64{16384} * 16384;

// A PNG read row by row straight into a picture of `target` size (each pixel the average of
// the block it stands for, weighted by opacity), never whole: any depth (16 bits a channel
// too), any colour type, interlaced or not. Its colour profile (iCCP, sRGB or gAMA) goes with
// it. Refused with the reason when it is damaged or cut short.
Result<QImage> decodePngReduced(const QByteArray& bytes, QSize target,
                                const CancelCheck& cancel = {});

}  // namespace velmira::picture
