#pragma once

#include "core/result.h"

#include <QByteArray>
#include <QSize>

namespace velmira::picture {

// The one door every picture is read through: from its headers alone, what a picture is, the
// size it will be read at and the most memory reading it takes; a picture that would take more
// than kPictureReadBudget is refused with the reason before anything is decoded.

// The most memory reading one picture may take, its file's bytes included (the estimates err
// high): with the program around it, any photo is read within 300 MB.
constexpr qint64 kPictureReadBudget = qint64{256} * 1024 * 1024;

// Who reads a picture that Qt's reader would decode whole: our own readers, straight at the
// reduced size.
enum class OwnReader { None, Png, Webp, Tiff };

struct PicturePlan {
    QByteArray kind;       // "bmp", "png", "jpeg", "gif", "webp", "tiff", "tga" or "heif"
    QSize size;            // the picture's own size (HEIF: upright)
    QSize readAt;          // the size it is handed back at (readSize of size)
    qint64 cost = 0;       // the most memory reading it takes, its file's bytes included
    bool reduced = false;  // decoded straight at readAt, never whole
    OwnReader ownReader = OwnReader::None;  // decodePngReduced, decodeWebpReduced, ...
};

// The plan for reading a picture from its bytes, or why it cannot be read: not a known kind,
// cut short, damaged, or costing more than the budget. `kindByName` (the file name's extension)
// names the kind where the content names none (TGA).
Result<PicturePlan> planPictureRead(const QByteArray& bytes, const QByteArray& kindByName = {});

// The plan for a picture of this kind and size whose decoder holds `wholeBytesPerPixel` bytes
// for each of its pixels (0: decoded straight at its reduced size), or why it is refused.
Result<PicturePlan> planFor(const QByteArray& kind, QSize size, double wholeBytesPerPixel,
                            qint64 fileBytes);

}  // namespace velmira::picture
