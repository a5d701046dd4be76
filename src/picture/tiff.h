#pragma once

#include "core/cancel.h"
#include "core/result.h"

#include <QByteArray>
#include <QImage>
#include <QSize>

namespace velmira::picture {

// TIFF pictures of the kinds scanners and editors write (grey or RGB, 8 or 16 bits a channel or
// floating point, with or without alpha, in strips or tiles, any compression libtiff has) read by
// libtiff a row or a tile at a time straight into their reduced size, where the program was built
// with it; any other kind is left to Qt's reader.

// What a TIFF's first picture is, from its headers.
struct TiffHeaders {
    QSize size;                // as stored (before its orientation)
    bool readsItself = false;  // decodeTiffReduced reads it
    qint64 pieceBytes = 0;     // the row or tile it holds while reading
};

// The most pixels decodeTiffReduced goes through (16,384 on a side): more would take long
// however little memory it needs.
constexpr qint64 kMaxTiffReadPixels = qint64{16384} * 16384;

// Whether this build reads TIFF pictures itself (false: every TIFF goes to Qt's reader).
bool readsTiffItself();

// The headers of a TIFF's first picture, or why it cannot be read.
Result<TiffHeaders> readTiffHeaders(const QByteArray& bytes);

// A TIFF's first picture read into `target` (its size as stored, reduced), each pixel the
// average of the block it stands for, then turned as its orientation tag says, with its colour
// profile. Refused with the reason when it is damaged, cut short or of a kind it does not read.
Result<QImage> decodeTiffReduced(const QByteArray& bytes, QSize target,
                                 const CancelCheck& cancel = {});

}  // namespace velmira::picture
