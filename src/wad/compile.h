#pragma once

#include "core/cancel.h"
#include "core/result.h"
#include "spray/indexedpicture.h"
#include "wad/lumpscript.h"

#include <QByteArray>
#include <QImage>
#include <QString>

#include <vector>

namespace velmira::wad {

// Pictures of more pixels than this are read at a reduced size of the same shape: a spray is
// at most 256 pixels wide, and framing one needs no more. Any photo a camera takes can be used.
constexpr qint64 kMaxReadPixels = 4 * 1024 * 1024;

// The size a picture of this size is read at: itself, or reduced to kMaxReadPixels.
QSize readSize(QSize size);

// For averaging a picture's rows down to a narrower width: which reduced column each of the
// picture's columns adds to, and how many columns each reduced one takes.
struct ReducedColumns {
    std::vector<int> of;
    std::vector<quint64> count;
};
ReducedColumns reducedColumns(int width, int reducedWidth);

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

// The largest picture file that is read at all.
constexpr qint64 kMaxBitmapFileSize = 64 * 1024 * 1024;

// Reads a picture from its bytes through planPictureRead (picturecost.h), within its budget:
// paletted bitmaps by our own decoder, anything else by Qt's image readers, of the kind the
// content names or, where it names none (TGA), of `kindByName` (the file name's extension). A
// JPEG or GIF that is cut short is refused with the reason, as a cut-short bitmap is. A picture
// of more than kMaxReadPixels is handed back at its readSize.
Result<QImage> decodeBitmap(const QByteArray& bytes, const QByteArray& kindByName = {},
                            const CancelCheck& cancel = {});

// What decodeBitmap would refuse, found from the picture's headers without decoding it: the
// picture's size, or why it cannot be read (cut short, damaged, or costing more than a picture
// may take).
Result<QSize> checkPicture(const QByteArray& bytes, const QByteArray& kindByName = {});

// Reads a picture file (a regular file only, bounded by what is read).
Result<QImage> readBitmap(const QString& path, const CancelCheck& cancel = {});

// Makes a spray picture from a bitmap (or the part of it a lump line names), with palette
// entry 255 pure blue. A paletted bitmap of an allowed size is kept pixel for pixel; any other
// is scaled to an allowed size and reduced to 255 colours. transparentBlue: pure-blue pixels
// become transparent.
Result<SprayPicture> makeSprayPicture(const QImage& bitmap, const LumpLine& lump,
                                      bool transparentBlue, const CancelCheck& cancel = {});

// The name of the one lump of a spray's WAD.
inline const QString kSprayLumpName = QStringLiteral("VELMR");

// The bytes of a WAD holding one spray under this lump name: type 0x40 for a one-colour decal,
// 0x43 for a colour spray.
QByteArray sprayWad(const SprayPicture& spray, const QString& lumpName);

// Compiles a whole lump script into the bytes of its WAD.
Result<QByteArray> compileScript(const LumpScript& script, QString* note);

}  // namespace velmira::wad
