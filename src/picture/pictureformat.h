#pragma once

#include "core/cancel.h"
#include "core/result.h"

#include <QByteArray>
#include <QImage>
#include <QSize>

#include <vector>

namespace velmira::picture {

// What a format's headers say of a picture, read without decoding it.
struct PictureHeaders {
    QByteArray kind;        // the kind it is read as, where the format reads several
    QSize size;             // as stored, before its orientation: what readAt is reduced from
    int orientation = 1;    // how the door turns what read() hands back (1: as it is)
    bool animated = false;  // only its first frame is read
};

// What reading a picture at a reduced size costs at its peak, beyond the file's bytes and the
// reduced picture the door holds while it turns and converts it (PictureDoor counts those).
struct ReadCost {
    qint64 bytes = 0;      // every buffer of the format's own and of the libraries it calls
    bool reduced = false;  // decoded straight at the reduced size, never whole
    bool byQt = false;     // read by one of Qt's image readers
};

// One picture format: it knows its bytes, its headers, what reading it costs and how to read
// it, all in one unit, so that a cost cannot drift from the decoder it describes.
class PictureFormat {
  public:
    virtual ~PictureFormat() = default;
    // "bmp", "png", "jpeg", "gif", "webp", "tiff", "tga", "heif" or Qt's name for the kind.
    virtual QByteArray kind() const = 0;
    // Whether the bytes are of this format; `kindByName` (the file name's extension, lower
    // case) decides only for a format without a signature.
    virtual bool recognises(const QByteArray& bytes, const QByteArray& kindByName) const = 0;
    // The picture's size from its headers, or why it cannot be read (damaged, cut short).
    virtual Result<PictureHeaders> readHeaders(const QByteArray& bytes,
                                               const QByteArray& kindByName) const = 0;
    // The most memory read() takes at `readAt` (every buffer at its peak, scaling included),
    // or why it cannot be read at all at that size.
    virtual Result<ReadCost> cost(const QByteArray& bytes, const PictureHeaders& headers,
                                  QSize readAt) const = 0;
    // The picture at `readAt` (its first frame where it is animated), or why not.
    virtual Result<QImage> read(const QByteArray& bytes, const PictureHeaders& headers,
                                QSize readAt, const CancelCheck& cancel) const = 0;
};

// Every format, in the order the door asks them: those with a signature first, Qt's readers of
// any other kind last.
const std::vector<const PictureFormat*>& pictureFormats();

// The formats' units.
const PictureFormat& bmpFormat();
const PictureFormat& pngFormat();
const PictureFormat& jpegFormat();
const PictureFormat& gifFormat();
const PictureFormat& webpFormat();
const PictureFormat& tiffFormat();
const PictureFormat& heifFormat();
const PictureFormat& tgaFormat();
const PictureFormat& otherQtFormat();

// The reasons every format gives alike: a picture larger than can be read at all, and one whose
// reading would cost more than the budget (its size, the cost and the budget named).
QString tooLargeText(QSize size);
QString overBudgetText(QSize size, qint64 cost);

}  // namespace velmira::picture
