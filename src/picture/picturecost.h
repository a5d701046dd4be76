#pragma once

#include "core/result.h"
#include "picture/pictureformat.h"

#include <QByteArray>
#include <QSize>

namespace velmira::picture {

// The one door every picture is read through: the formats are asked in turn which one the
// bytes are; that one reads the headers and says what reading the picture at its reduced size
// costs; a picture that would take more than kPictureReadBudget is refused with the reason
// before anything is decoded.

// The most memory reading one picture may take, its file's bytes included (the estimates err
// high): with the program around it, any photo is read within 300 MB.
constexpr qint64 kPictureReadBudget = qint64{256} * 1024 * 1024;

struct PicturePlan {
    QByteArray kind;       // "bmp", "png", "jpeg", "gif", "webp", "tiff", "tga", "heif", ...
    QSize size;            // the picture's own size, as stored (HEIF: upright)
    QSize readAt;          // the size it is read at (readSize of size)
    qint64 cost = 0;       // the most memory reading it takes, its file's bytes included
    bool reduced = false;  // decoded straight at readAt, never whole
    bool byQt = false;     // read by one of Qt's image readers
    PictureHeaders headers;
    const PictureFormat* format = nullptr;  // who reads it
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
