#include "webp.h"

#include "picture/colourprofile.h"
#include "picture/exif.h"
#include "picture/pictureformat.h"
#include "picture/qtreader.h"

#include <QColorSpace>
#include <QCoreApplication>

#ifdef VELMIRA_HAVE_WEBP
#include <webp/decode.h>
#endif

#include <algorithm>
#include <cstring>
#include <memory>

namespace velmira::picture {

namespace {

QString damaged() {
    return QCoreApplication::translate("velmira::picture::Webp", "the WebP picture is damaged");
}

// An animation frame's chunk (ANMF): where the frame lies on the canvas, then its own chunks
// (ALPH, VP8 or VP8L), by offset.
namespace FrameLayout {
constexpr qint64 X = 0;
constexpr qint64 Y = 3;
constexpr qint64 Width = 6;
constexpr qint64 Height = 9;
constexpr qint64 Data = 16;
}  // namespace FrameLayout

quint32 u24(const QByteArray& bytes, qint64 at) {
    return static_cast<uchar>(bytes[at]) | (quint32{static_cast<uchar>(bytes[at + 1])} << 8) |
           (quint32{static_cast<uchar>(bytes[at + 2])} << 16);
}

}  // namespace

std::optional<WebpFrame> firstWebpFrame(const QByteArray& bytes) {
    using namespace FrameLayout;
    const QByteArray chunk = riffChunk(bytes, "ANMF");
    if (chunk.size() <= Data)
        return std::nullopt;
    WebpFrame frame;
    frame.rect =
        QRect(static_cast<int>(2 * u24(chunk, X)), static_cast<int>(2 * u24(chunk, Y)),
              static_cast<int>(u24(chunk, Width) + 1), static_cast<int>(u24(chunk, Height) + 1));
    frame.data = chunk.mid(Data);
    return frame;
}

QRect reducedRect(QRect rect, QSize size, QSize target) {
    const auto scaled = [](qint64 v, int from, int to) {
        return static_cast<int>(v * to / std::max(1, from));
    };
    const int left = scaled(rect.left(), size.width(), target.width());
    const int top = scaled(rect.top(), size.height(), target.height());
    const int right = scaled(qint64{rect.left()} + rect.width(), size.width(), target.width());
    const int bottom = scaled(qint64{rect.top()} + rect.height(), size.height(), target.height());
    return QRect(left, top, std::max(1, right - left), std::max(1, bottom - top));
}

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

namespace {

// What libwebp holds while it decodes a still picture (or a frame's own chunks) straight at a
// smaller size: a lossless one whole at 4 bytes a pixel, as references may reach back anywhere;
// a lossy one a few rows, and its whole alpha plane at a byte a pixel.
qint64 stillCost(const WebpHeaders& h) {
    const qint64 pixels = qint64{h.size.width()} * h.size.height();
    return (h.lossless ? 4 * pixels : h.alpha ? pixels : 0) + 64 * qint64{h.size.width()};
}

// Still and animated WebP pictures: by libwebp straight at the reduced size where this build
// has it (an animation's first frame only, reduced onto a reduced canvas); else by Qt's reader,
// which holds about three whole canvases of an animation.
class WebpFormat final : public PictureFormat {
  public:
    QByteArray kind() const override { return "webp"; }
    bool recognises(const QByteArray& bytes, const QByteArray&) const override {
        return bytes.startsWith("RIFF") && bytes.mid(8, 4) == "WEBP";
    }
    Result<PictureHeaders> readHeaders(const QByteArray& bytes, const QByteArray&) const override {
        PictureHeaders headers;
        headers.orientation = webpOrientation(bytes);
        if (!readsWebpItself()) {
            headers.size = qtHeaders(bytes, kind()).size;
            headers.orientation = 1;
            headers.animated = riffChunk(bytes, "ANMF").size() > 0;
            if (headers.size.isEmpty())
                return Result<PictureHeaders>::failure(damaged());
            return headers;
        }
        const auto webp = readWebpHeaders(bytes);
        if (!webp)
            return Result<PictureHeaders>::failure(webp.error());
        headers.size = webp->size;
        headers.animated = webp->animated;
        if (headers.animated && !frameHeaders(bytes))
            return Result<PictureHeaders>::failure(damaged());
        return headers;
    }
    Result<ReadCost> cost(const QByteArray& bytes, const PictureHeaders& headers,
                          QSize readAt) const override {
        const qint64 canvas = qint64{headers.size.width()} * headers.size.height();
        ReadCost cost;
        if (!readsWebpItself()) {
            cost.byQt = true;
            cost.bytes = qtReadCost((headers.animated ? 12 : 4) * canvas, readAt);
            return cost;
        }
        cost.reduced = readAt != headers.size;
        if (!headers.animated) {
            cost.bytes = stillCost(readWebpHeaders(bytes).value());
            return cost;
        }
        // The first frame's own chunks, what decoding them holds, the frame reduced, and the
        // reduced canvas it is drawn onto.
        const auto frame = frameHeaders(bytes);
        const QRect at = reducedRect(frame->rect, headers.size, readAt);
        cost.bytes =
            frame->dataBytes + stillCost(frame->headers) +
            4 * (qint64{at.width()} * at.height() + qint64{readAt.width()} * readAt.height());
        return cost;
    }
    Result<QImage> read(const QByteArray& bytes, const PictureHeaders& headers, QSize readAt,
                        const CancelCheck& cancel) const override {
        if (!readsWebpItself())
            return readByQt(bytes, kind(), headers.size, readAt, cancel, damaged());
        if (!headers.animated)
            return decodeWebpReduced(bytes, readAt, cancel);
        const auto frame = firstWebpFrame(bytes);
        if (!frame)
            return Result<QImage>::failure(damaged());
        const QRect at = reducedRect(frame->rect, headers.size, readAt);
        auto decoded = decodeWebpReduced(frame->data, at.size(), cancel);
        if (!decoded)
            return decoded;
        // libwebp reads a frame's own chunks as it reads a still file (it takes them without a
        // RIFF header); the first frame is drawn onto an empty canvas, as every viewer starts an
        // animation.
        QImage canvas(readAt, QImage::Format_ARGB32);
        canvas.fill(Qt::transparent);
        const QImage drawn = decoded->convertToFormat(QImage::Format_ARGB32);
        const QRect inside = at.intersected(canvas.rect());
        for (int y = inside.top(); y <= inside.bottom(); ++y)
            std::memcpy(canvas.scanLine(y) + 4 * qsizetype{inside.left()},
                        drawn.constScanLine(y - at.top()), 4 * std::size_t(inside.width()));
        const QByteArray icc = riffChunk(bytes, "ICCP");
        if (!icc.isEmpty() && profileFits(iccModelOf(icc), false))
            canvas.setColorSpace(QColorSpace::fromIccProfile(icc));
        return canvas;
    }

  private:
    struct FrameHeaders {
        QRect rect;
        WebpHeaders headers;
        qint64 dataBytes = 0;
    };
    static std::optional<FrameHeaders> frameHeaders(const QByteArray& bytes) {
        const auto frame = firstWebpFrame(bytes);
        if (!frame || frame->rect.isEmpty())
            return std::nullopt;
        const auto still = readWebpHeaders(frame->data);
        if (!still || still->size != frame->rect.size())
            return std::nullopt;
        return FrameHeaders{frame->rect, still.value(), 2 * frame->data.size()};
    }
};

}  // namespace

const PictureFormat& webpFormat() {
    static const WebpFormat format;
    return format;
}

}  // namespace velmira::picture
