#pragma once

#include "wad/lumpscript.h"
#include "wad/picture.h"
#include "wad/result.h"

#include <QByteArray>
#include <QImage>
#include <QString>

namespace velmira::wad {

// The most memory a bitmap may take when it is read.
constexpr int kImageAllocationLimitMb = 64;

// A spray picture made from a bitmap, and a line saying what was done to it.
struct SprayPicture {
    IndexedPicture picture;
    QString note;
};

// The largest picture file that is read at all.
constexpr qint64 kMaxBitmapFileSize = qint64{kImageAllocationLimitMb} * 1024 * 1024;

// Reads a picture from its bytes: paletted bitmaps by our own decoder, anything else by Qt's
// image readers (decided by content), within the allocation limit.
Result<QImage> decodeBitmap(const QByteArray& bytes);

// Reads a picture file (a regular file only, bounded by what is read).
Result<QImage> readBitmap(const QString& path);

// Makes a spray picture from a bitmap (or the part of it a lump line names), with palette
// entry 255 pure blue. A paletted bitmap of an allowed size is kept pixel for pixel; any other
// is scaled to an allowed size and reduced to 255 colours. transparentBlue: pure-blue pixels
// become transparent.
Result<SprayPicture> makeSprayPicture(const QImage& bitmap, const LumpLine& lump,
                                      bool transparentBlue);

// Compiles a whole lump script into the bytes of its WAD.
Result<QByteArray> compileScript(const LumpScript& script, QString* note);

}  // namespace velmira::wad
