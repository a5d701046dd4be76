#include "webp.h"

#include "picture/colourprofile.h"
#include "picture/exif.h"

#include <QColorSpace>
#include <QCoreApplication>

#ifdef VELMIRA_HAVE_WEBP
#include <webp/decode.h>
#endif

#include <algorithm>
#include <memory>

namespace velmira::picture {

namespace {

QString damaged() {
    return QCoreApplication::translate("velmira::picture::Webp", "the WebP picture is damaged");
}

}  // namespace

#ifdef VELMIRA_HAVE_WEBP

bool readsWebpItself() {
    return true;
}

Result<WebpHeaders> readWebpHeaders(const QByteArray& bytes) {
    WebPBitstreamFeatures features;
    if (WebPGetFeatures(reinterpret_cast<const uint8_t*>(bytes.constData()),
                        static_cast<std::size_t>(bytes.size()), &features) != VP8_STATUS_OK ||
        features.width <= 0 || features.height <= 0)
        return Result<WebpHeaders>::failure(damaged());
    WebpHeaders headers;
    headers.size = QSize(features.width, features.height);
    headers.alpha = features.has_alpha != 0;
    headers.animated = features.has_animation != 0;
    headers.lossless = features.format == 2;
    return headers;
}

Result<QImage> decodeWebpReduced(const QByteArray& bytes, QSize target, const CancelCheck& cancel) {
    using Fail = Result<QImage>;
    const auto headers = readWebpHeaders(bytes);
    if (!headers)
        return Fail::failure(headers.error());
    if (headers->animated || target.isEmpty())
        return Fail::failure(damaged());
    WebPDecoderConfig config;
    if (!WebPInitDecoderConfig(&config))
        return Fail::failure(damaged());
    if (target != headers->size) {
        config.options.use_scaling = 1;
        config.options.scaled_width = target.width();
        config.options.scaled_height = target.height();
    }
    // Straight into the picture handed back, in QImage's own byte order.
    QImage image(target, headers->alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (image.isNull())
        return Fail::failure(damaged());
    config.output.colorspace = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? MODE_BGRA : MODE_ARGB;
    config.output.is_external_memory = 1;
    config.output.u.RGBA.rgba = image.bits();
    config.output.u.RGBA.stride = static_cast<int>(image.bytesPerLine());
    config.output.u.RGBA.size = static_cast<std::size_t>(image.sizeInBytes());
    const std::unique_ptr<WebPIDecoder, void (*)(WebPIDecoder*)> decoder(
        WebPIDecode(nullptr, 0, &config), WebPIDelete);
    if (!decoder)
        return Fail::failure(damaged());
    // Handed to the decoder a piece at a time, so that it can be stopped in between.
    constexpr qsizetype kPiece = 1 << 20;
    const auto* data = reinterpret_cast<const uint8_t*>(bytes.constData());
    for (qsizetype given = 0;;) {
        given = std::min(bytes.size(), given + kPiece);
        const VP8StatusCode status =
            WebPIUpdate(decoder.get(), data, static_cast<std::size_t>(given));
        if (status == VP8_STATUS_OK)
            break;
        if (status != VP8_STATUS_SUSPENDED)
            return Fail::failure(damaged());
        if (given == bytes.size())
            return Fail::failure(QCoreApplication::translate("velmira::picture::Webp",
                                                             "the WebP picture is cut short"));
        if (isCancelled(cancel))
            return Fail::failure(kCancelledText);
    }
    const QByteArray icc = riffChunk(bytes, "ICCP");
    if (!icc.isEmpty() && profileFits(iccModelOf(icc), false))
        image.setColorSpace(QColorSpace::fromIccProfile(icc));
    return image;
}

#else

bool readsWebpItself() {
    return false;
}

Result<WebpHeaders> readWebpHeaders(const QByteArray&) {
    return Result<WebpHeaders>::failure(damaged());
}

Result<QImage> decodeWebpReduced(const QByteArray&, QSize, const CancelCheck&) {
    return Result<QImage>::failure(damaged());
}

#endif

}  // namespace velmira::picture
