#include "picturecost.h"

#include "picture/pictureformat.h"
#include "picture/readpicture.h"

#include <QCoreApplication>

namespace velmira::picture {

namespace {

qint64 pixelsOf(QSize size) {
    return qint64{size.width()} * size.height();
}

qint64 megabytes(qint64 bytes) {
    return (bytes + (1 << 20) - 1) >> 20;
}

// The most pixels a picture read at a reduced size may have (16,384 on a side): reading more
// would take long however little memory it needs.
constexpr qint64 kMaxScaledReadPixels = qint64{16384} * 16384;

// What the door itself holds beside the format: the picture read at `readAt`, and a copy of it
// as it is turned and converted to sRGB.
qint64 doorCost(QSize readAt) {
    return 8 * pixelsOf(readAt);
}

}  // namespace

QString tooLargeText(QSize size) {
    return QCoreApplication::translate("velmira::picture::PictureCost",
                                       "the picture is %1 \u00d7 %2 pixels, more than can be read")
        .arg(size.width())
        .arg(size.height());
}

QString overBudgetText(QSize size, qint64 cost) {
    return QCoreApplication::translate(
               "velmira::picture::PictureCost",
               "the picture is %1 \u00d7 %2 pixels, more than can be read: reading it would take "
               "%3 MB, and a picture may take at most %4 MB")
        .arg(size.width())
        .arg(size.height())
        .arg(megabytes(cost))
        .arg(megabytes(kPictureReadBudget));
}

const std::vector<const PictureFormat*>& pictureFormats() {
    static const std::vector<const PictureFormat*> formats = {
        &bmpFormat(),  &pngFormat(),  &jpegFormat(), &gifFormat(),    &webpFormat(),
        &tiffFormat(), &heifFormat(), &tgaFormat(),  &otherQtFormat()};
    return formats;
}

Result<PicturePlan> planFor(const QByteArray& kind, QSize size, double wholeBytesPerPixel,
                            qint64 fileBytes) {
    using Fail = Result<PicturePlan>;
    PicturePlan plan;
    plan.kind = kind;
    plan.size = size;
    plan.readAt = readSize(size);
    plan.reduced = wholeBytesPerPixel <= 0 && plan.readAt != size;
    if (plan.reduced && pixelsOf(size) > kMaxScaledReadPixels)
        return Fail::failure(tooLargeText(size));
    const double whole = plan.reduced ? 0 : wholeBytesPerPixel > 0 ? wholeBytesPerPixel : 4.0;
    const double cost = static_cast<double>(fileBytes) +
                        whole * static_cast<double>(pixelsOf(size)) +
                        static_cast<double>(doorCost(plan.readAt));
    if (cost > static_cast<double>(kPictureReadBudget))
        return Fail::failure(overBudgetText(size, static_cast<qint64>(cost)));
    plan.cost = static_cast<qint64>(cost);
    return plan;
}

Result<PicturePlan> planPictureRead(const QByteArray& bytes, const QByteArray& kindByName) {
    using Fail = Result<PicturePlan>;
    const QByteArray byName = kindByName.toLower();
    for (const PictureFormat* format : pictureFormats()) {
        if (!format->recognises(bytes, byName))
            continue;
        const auto headers = format->readHeaders(bytes, byName);
        if (!headers)
            return Fail::failure(headers.error());
        PicturePlan plan;
        plan.kind = headers->kind.isEmpty() ? format->kind() : headers->kind;
        plan.format = format;
        plan.size = headers->size;
        plan.headers = headers.value();
        plan.readAt = readSize(plan.size);
        const auto cost = format->cost(bytes, headers.value(), plan.readAt);
        if (!cost)
            return Fail::failure(cost.error());
        plan.reduced = cost->reduced;
        if (plan.reduced && pixelsOf(plan.size) > kMaxScaledReadPixels)
            return Fail::failure(tooLargeText(plan.size));
        plan.byQt = cost->byQt;
        plan.cost = bytes.size() + cost->bytes + doorCost(plan.readAt);
        if (plan.cost > kPictureReadBudget)
            return Fail::failure(overBudgetText(plan.size, plan.cost));
        return plan;
    }
    return Fail::failure(QCoreApplication::translate("velmira::picture::PictureCost",
                                                     "the picture's kind is not known"));
}

}  // namespace velmira::picture
