#pragma once

#include "core/cancel.h"
#include "core/result.h"

#include <QByteArray>
#include <QImage>

#include <optional>

namespace velmira::picture {

// The text key under which a decoded bitmap records its bits per pixel ("1", "4", "8").
inline const QString kBitsKey = QStringLiteral("velmira-bits");

// Decodes a bitmap of 1, 4 or 8 bits per pixel (uncompressed, RLE4 or RLE8; the 12-byte core
// header or the 40-byte and larger info headers) into an 8-bit paletted picture whose colour
// table has 2^bits entries. Pixels that RLE escapes skip are index 0. Survives any bytes:
// anything cut short, inconsistent or too large is a failure with a reason. A cancelled decode
// is a failure saying kCancelledText.
Result<QImage> decodePalettedBmp(const QByteArray& bytes, const CancelCheck& cancel = {});

// What decodePalettedBmp would refuse, from the headers alone (a run-length picture's runs are
// not read): the picture's size, or the reason.
Result<QSize> checkPalettedBmp(const QByteArray& bytes);

// The size and bits per pixel that a bitmap's headers state (a negative height: rows stored
// top-down); none when the headers are cut short or of an unknown kind.
struct BmpInfo {
    qint64 width = 0;
    qint64 height = 0;
    int bits = 0;
};
std::optional<BmpInfo> bmpInfo(const QByteArray& bytes);

// Whether the bytes are a bitmap that decodePalettedBmp is meant for (1, 4 or 8 bits).
bool isPalettedBmp(const QByteArray& bytes);

// Whether an uncompressed or bit-field bitmap of more than 8 bits per pixel holds fewer pixel
// bytes than its header promises (a reader would fill the rest with black).
bool bmpCutShort(const QByteArray& bytes);

}  // namespace velmira::picture
