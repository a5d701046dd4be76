#pragma once

#include "core/cancel.h"
#include "core/result.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <vector>

namespace velmira::picture {

// Pictures of more pixels than this are read at a reduced size of the same shape: a spray is
// at most 256 pixels wide, and framing one needs no more. Any photo a camera takes can be used.
constexpr qint64 kMaxReadPixels = 4 * 1024 * 1024;

// The size a picture of this size is read at: itself, or reduced to kMaxReadPixels.
QSize readSize(QSize size);

// For averaging a picture's rows down to a narrower width: which reduced column each of the
// picture's columns adds to, and how many columns each reduced one takes (Blocks, as a table
// as long as the picture is wide).
struct ReducedColumns {
    std::vector<int> of;
    std::vector<quint64> count;
};
ReducedColumns reducedColumns(int width, int reducedWidth);

// The largest picture file that is read at all.
constexpr qint64 kMaxPictureFileSize = 64 * 1024 * 1024;

// Reads a picture from its bytes through planPictureRead (picturecost.h), within its budget, by
// the format the bytes are (or, where they name none, as TGA, `kindByName`: the file name's
// extension), upright and in sRGB. A picture that is cut short is refused with the reason. A
// picture of more than kMaxReadPixels is handed back at its readSize; an animated one's first
// frame.
Result<QImage> decodePicture(const QByteArray& bytes, const QByteArray& kindByName = {},
                             const CancelCheck& cancel = {});

// What decodePicture would refuse, found from the picture's headers without decoding it: the
// picture's size, or why it cannot be read (cut short, damaged, or costing more than a picture
// may take).
Result<QSize> checkPicture(const QByteArray& bytes, const QByteArray& kindByName = {});

// Reads a picture file (a regular file only, bounded by what is read).
Result<QImage> readPicture(const QString& path, const CancelCheck& cancel = {});

}  // namespace velmira::picture
