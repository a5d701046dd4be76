#include "convert.h"

#include <libimagequant.h>
#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <vector>

namespace velmira::spray {

namespace {

int roundTo16(double value, int limit) {
    const int rounded = static_cast<int>(std::lround(value / kSprayGrain)) * kSprayGrain;
    return std::clamp(rounded, kSprayGrain, limit);
}

// Owners of the quantiser's objects.
struct LiqDelete {
    void operator()(liq_attr* p) const { liq_attr_destroy(p); }
    void operator()(liq_image* p) const { liq_image_destroy(p); }
    void operator()(liq_result* p) const { liq_result_destroy(p); }
};
template <class T>
using LiqPtr = std::unique_ptr<T, LiqDelete>;

int ceilTo16(int value) {
    return (value + kSprayGrain - 1) / kSprayGrain * kSprayGrain;
}

}  // namespace

QSize spraySizeFor(QSize source) {
    const int w = source.width();
    const int h = source.height();
    if (spraySizeAllowed(w, h) || w <= 0 || h <= 0)
        return source;
    return spraySizeWithin(
        source, kSprayMaxArea,
        QSize(std::min(kSprayMaxSide, ceilTo16(w)), std::min(kSprayMaxSide, ceilTo16(h))));
}

QSize spraySizeWithin(QSize shape, int maxArea, QSize cap) {
    const int w = std::max(1, shape.width());
    const int h = std::max(1, shape.height());
    const int maxW = std::max(kSprayGrain, cap.width());
    const int maxH = std::max(kSprayGrain, cap.height());
    // The largest allowed size whose sides both stay within one multiple of 16 of the shape;
    // for pictures too thin for that, the largest of any shape.
    QSize best;
    qint64 bestError = 0;
    const auto consider = [&](int tw, int th, bool strict) {
        if (tw > maxW || th > maxH || tw * th > maxArea)
            return;
        if (strict && (std::abs(th - static_cast<double>(tw) * h / w) > kSprayGrain ||
                       std::abs(tw - static_cast<double>(th) * w / h) > kSprayGrain))
            return;
        const qint64 error = std::llabs(static_cast<qint64>(tw) * h - static_cast<qint64>(th) * w);
        const int area = tw * th;
        const int bestArea = best.width() * best.height();
        if (!best.isValid() || area > bestArea || (area == bestArea && error < bestError)) {
            best = QSize(tw, th);
            bestError = error;
        }
    };
    for (const bool strict : {true, false}) {
        for (int side = kSprayGrain; side <= kSprayMaxSide; side += kSprayGrain) {
            consider(side, roundTo16(static_cast<double>(side) * h / w, kSprayMaxSide), strict);
            consider(roundTo16(static_cast<double>(side) * w / h, kSprayMaxSide), side, strict);
        }
        if (best.isValid())
            break;
    }
    return best.isValid() ? best : QSize(kSprayGrain, kSprayGrain);
}

Result<IndexedPicture> quantize(const QImage& picture, int alphaCutoff, float dithering) {
    using Fail = Result<IndexedPicture>;
    const QImage rgba = picture.convertToFormat(QImage::Format_RGBA8888);
    const int w = rgba.width();
    const int h = rgba.height();
    if (rgba.isNull() || w <= 0 || h <= 0)
        return Fail::failure(
            QCoreApplication::translate("velmira::spray::Convert", "the picture is empty"));

    std::vector<unsigned char> pixels(static_cast<std::size_t>(w) * static_cast<std::size_t>(h) *
                                      4);
    std::vector<bool> transparent(static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
    for (int y = 0; y < h; ++y) {
        const uchar* line = rgba.constScanLine(y);
        for (int x = 0; x < w; ++x) {
            const std::size_t at = static_cast<std::size_t>(y) * static_cast<std::size_t>(w) +
                                   static_cast<std::size_t>(x);
            unsigned char* out = &pixels[at * 4];
            std::memcpy(out, line + 4 * x, 4);
            transparent[at] = out[3] < alphaCutoff;
            // The quantiser sees opaque colours only; transparent pixels are set apart.
            out[3] = transparent[at] ? 0 : 255;
        }
    }

    const LiqPtr<liq_attr> attr(liq_attr_create());
    if (!attr)
        return Fail::failure(QCoreApplication::translate("velmira::spray::Convert",
                                                         "the colour reducer could not start"));
    liq_set_max_colors(attr.get(), kTransparentIndex);
    const LiqPtr<liq_image> image(liq_image_create_rgba(attr.get(), pixels.data(), w, h, 0));
    if (!image)
        return Fail::failure(QCoreApplication::translate("velmira::spray::Convert",
                                                         "the colour reducer refused the picture"));
    liq_result* raw = nullptr;
    if (liq_image_quantize(image.get(), attr.get(), &raw) != LIQ_OK || !raw)
        return Fail::failure(QCoreApplication::translate(
            "velmira::spray::Convert", "the picture's colours could not be reduced"));
    const LiqPtr<liq_result> result(raw);
    liq_set_dithering_level(result.get(), std::clamp(dithering, 0.0f, 1.0f));

    IndexedPicture out;
    out.width = w;
    out.height = h;
    out.pixels.resize(static_cast<qsizetype>(w) * h);
    if (liq_write_remapped_image(result.get(), image.get(), out.pixels.data(),
                                 static_cast<size_t>(out.pixels.size())) != LIQ_OK)
        return Fail::failure(QCoreApplication::translate(
            "velmira::spray::Convert", "the picture's colours could not be reduced"));
    const liq_palette* palette = liq_get_palette(result.get());
    out.palette.fill(qRgb(0, 0, 0));
    for (unsigned i = 0; i < palette->count && i < kTransparentIndex; ++i) {
        out.palette[i] = qRgb(palette->entries[i].r, palette->entries[i].g, palette->entries[i].b);
        // Pure blue is entry 255's alone (the transparent colour).
        if (out.palette[i] == kPureBlue)
            out.palette[i] = kNearlyPureBlue;
    }
    out.palette[kTransparentIndex] = kPureBlue;
    for (std::size_t i = 0; i < transparent.size(); ++i)
        if (transparent[i])
            out.pixels[static_cast<qsizetype>(i)] = static_cast<char>(kTransparentIndex);
    return out;
}

}  // namespace velmira::spray
