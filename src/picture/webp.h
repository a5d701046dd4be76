#pragma once

#include "core/cancel.h"
#include "core/result.h"

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QSize>

#include <optional>

namespace velmira::picture {

// WebP pictures read by libwebp straight at their reduced size, where the program was built
// with it; of an animated one, its first frame.

// What a WebP's headers say, without decoding it.
struct WebpHeaders {
    QSize size;
    bool alpha = false;
    bool animated = false;
    // Lossless: libwebp holds the whole picture at 4 bytes a pixel while it decodes, as
    // references may reach back anywhere. Lossy: a few rows, and the whole alpha plane at a
    // byte a pixel where it has one.
    bool lossless = false;
};

// Whether this build reads still WebP pictures itself (false: every WebP goes to Qt's reader).
bool readsWebpItself();

// The headers of a WebP, or why it cannot be read.
Result<WebpHeaders> readWebpHeaders(const QByteArray& bytes);

// A still WebP decoded straight at `target` (libwebp averages each reduced pixel from the block
// it stands for), with its colour profile; its orientation is left to the caller. Refused with
// the reason when it is damaged, cut short or animated.
Result<QImage> decodeWebpReduced(const QByteArray& bytes, QSize target,
                                 const CancelCheck& cancel = {});

// An animation's first frame: where it lies on the canvas, and its own chunks (ALPH, VP8 or
// VP8L) as the file holds them; none where the file has no frame.
struct WebpFrame {
    QRect rect;
    QByteArray data;
};
std::optional<WebpFrame> firstWebpFrame(const QByteArray& bytes);

// Where `rect` of a picture of `size` lies in the picture reduced to `target` (at least a
// pixel).
QRect reducedRect(QRect rect, QSize size, QSize target);

}  // namespace velmira::picture
