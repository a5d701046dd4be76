#pragma once

#include "core/cancel.h"
#include "core/result.h"

#include <QByteArray>
#include <QImage>
#include <QSize>

namespace velmira::picture {

// What the formats that hand a picture to one of Qt's image readers share.

// What Qt's reader of `kind` says of the picture from its headers: its size as stored and the
// bytes a pixel of what it decodes takes (at least 4); an empty size where it cannot tell.
struct QtHeaders {
    QSize size;
    int bytesPerPixel = 4;
    bool scalesWhileReading = false;  // the reader decodes straight at a smaller size
};
QtHeaders qtHeaders(const QByteArray& bytes, const QByteArray& kind);

// What reading through Qt's reader costs: the whole picture as it decodes it (`wholeBytes`,
// zero where it decodes straight at `readAt`) and, for a picture to be reduced, the sums it is
// averaged into.
qint64 qtReadCost(qint64 wholeBytes, QSize readAt);

// The picture read by Qt's reader of `kind`, upright: straight at `readAt` where the reader
// can, else whole and averaged down. Where Qt cannot read it, refused with `damaged` (the
// unit's own reason; Qt's goes in its %1 where it has one) or else with the kind, size and
// Qt's reason.
Result<QImage> readByQt(const QByteArray& bytes, const QByteArray& kind, QSize size, QSize readAt,
                        const CancelCheck& cancel, const QString& damaged = {});

}  // namespace velmira::picture
