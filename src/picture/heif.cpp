#include "heif.h"

#include "picture/colourprofile.h"
#include "picture/picturecost.h"
#include "picture/pictureformat.h"
#include "picture/readpicture.h"

#include <QColorSpace>
#include <QCoreApplication>
#include <QHash>
#include <QTransform>
#include <QtEndian>

#include <vector>

#ifdef VELMIRA_HAVE_HEIF
#include "picture/heiflib.h"

#include <memory>
#include <thread>
#endif

namespace velmira::picture {

bool planesFit(QSize luma, QSize cb, QSize cr) {
    if (luma.width() <= 0 || luma.height() <= 0)
        return false;
    const QSize half((luma.width() + 1) / 2, (luma.height() + 1) / 2);
    return cb.width() >= half.width() && cb.height() >= half.height() &&
           cr.width() >= half.width() && cr.height() >= half.height();
}

PlanesProfile planesProfile(bool decodedHasNclx, bool fileHasNclx) {
    if (decodedHasNclx)
        return PlanesProfile::Decoded;
    return fileHasNclx ? PlanesProfile::File : PlanesProfile::None;
}

#ifdef VELMIRA_HAVE_HEIF

namespace {

using namespace heif;

// Rows [first, last) of the reduced picture, each pixel the average of the block it stands for.
void averageRows(const Planes& p, const ReducedColumns& blocks, const YCbCrMatrix& matrix,
                 QSize target, uchar* pixels, qsizetype bytesPerLine, int first, int last) {
    const int targetWidth = target.width(), targetHeight = target.height();
    const std::vector<int>& columnOf = blocks.of;
    // A block holds at most a few thousand pixels (the picture is reduced to a few megapixels
    // from at most kMaxHeifSide squared): its sums fit 32 bits.
    std::vector<quint32> sums(static_cast<std::size_t>(targetWidth) * 3);
    // The first picture row of a reduced row: rows fall into reduced ones as y * target / height.
    const auto firstRow = [&](int ty) {
        return static_cast<int>((qint64{ty} * p.height + targetHeight - 1) / targetHeight);
    };
    for (int ty = first; ty < last; ++ty) {
        std::fill(sums.begin(), sums.end(), 0u);
        const int top = firstRow(ty), bottom = std::min(firstRow(ty + 1), p.height);
        for (int y = top; y < bottom; ++y) {
            const uint8_t* luma = p.y + static_cast<qsizetype>(y) * p.yStride;
            const int cy = y / 2;
            const uint8_t* cb = p.cb + static_cast<qsizetype>(cy) * p.cbStride;
            const uint8_t* cr = p.cr + static_cast<qsizetype>(cy) * p.crStride;
            for (int x = 0; x < p.width; ++x) {
                const int cx = x / 2;
                quint32* sum = sums.data() + 3 * columnOf[static_cast<std::size_t>(x)];
                sum[0] += luma[x];
                sum[1] += cb[cx];
                sum[2] += cr[cx];
            }
        }
        const auto rows = static_cast<quint64>(bottom - top);
        auto* out = reinterpret_cast<QRgb*>(pixels + ty * bytesPerLine);
        for (int tx = 0; tx < targetWidth; ++tx) {
            const float each = 1.0f / static_cast<float>(std::max<quint64>(
                                          1, blocks.count[static_cast<std::size_t>(tx)] * rows));
            const quint32* sum = sums.data() + 3 * tx;
            out[tx] = averagedColour(sum, each, matrix);
        }
    }
}

// An 8-bit 4:2:0 picture as RGB at the target size, each pixel the average of the block it
// stands for, read straight from its planes: a 48-megapixel photo never exists in RGB at full
// size. The two halves are averaged side by side.
QImage averagedYCbCr(const heif_image* image, QSize target, const YCbCrMatrix& matrix) {
    Planes p;
    p.y = heif_image_get_plane_readonly(image, heif_channel_Y, &p.yStride);
    p.cb = heif_image_get_plane_readonly(image, heif_channel_Cb, &p.cbStride);
    p.cr = heif_image_get_plane_readonly(image, heif_channel_Cr, &p.crStride);
    p.width = heif_image_get_width(image, heif_channel_Y);
    p.height = heif_image_get_height(image, heif_channel_Y);
    // Each pair of rows and columns has its colour sample: the colour planes are half the size,
    // rounded up (what libheif makes of 4:2:0; anything else is decoded as RGB).
    const QSize cb(heif_image_get_width(image, heif_channel_Cb),
                   heif_image_get_height(image, heif_channel_Cb));
    const QSize cr(heif_image_get_width(image, heif_channel_Cr),
                   heif_image_get_height(image, heif_channel_Cr));
    if (!p.y || !p.cb || !p.cr || !planesFit(QSize(p.width, p.height), cb, cr))
        return QImage();
    QImage reduced(target, QImage::Format_RGB32);
    const ReducedColumns blocks = reducedColumns(p.width, target.width());
    // The pixels are taken once: the picture is not touched while both halves are written.
    uchar* pixels = reduced.bits();
    const qsizetype bytesPerLine = reduced.bytesPerLine();
    const int middle = target.height() / 2;
    std::thread upper(
        [&] { averageRows(p, blocks, matrix, target, pixels, bytesPerLine, 0, middle); });
    averageRows(p, blocks, matrix, target, pixels, bytesPerLine, middle, target.height());
    upper.join();
    return reduced;
}

// Decodes the picture as 8-bit 4:2:0 and makes it RGB at its read size; null where it is not
// such a picture (with an alpha channel or more bits), which is then decoded as RGB.
QImage decodedYCbCr(const heif_image_handle* handle) {
    // Known before decoding, so that such a picture is decoded once, as RGB.
    if (heif_image_handle_has_alpha_channel(handle) ||
        heif_image_handle_get_luma_bits_per_pixel(handle) != 8)
        return QImage();
    heif_decoding_options* options = heif_decoding_options_alloc();
    options->ignore_transformations = 0;  // rotated and mirrored as the file says
    heif_image* decoded = nullptr;
    const heif_error error =
        heif_decode_image(handle, &decoded, heif_colorspace_YCbCr, heif_chroma_420, options);
    heif_decoding_options_free(options);
    if (error.code != heif_error_Ok)
        return QImage();
    const std::unique_ptr<heif_image, ImageRelease> image(decoded);
    if (heif_image_get_bits_per_pixel_range(decoded, heif_channel_Y) != 8)
        return QImage();
    const QSize size(heif_image_get_width(decoded, heif_channel_Y),
                     heif_image_get_height(decoded, heif_channel_Y));
    return averagedYCbCr(decoded, readSize(size), planesMatrix(decoded, handle));
}

// The picture decoded as RGB (with its alpha, if any) at its read size.
QImage decodedRgb(const heif_image_handle* handle, QString* problem) {
    const bool alpha = heif_image_handle_has_alpha_channel(handle) != 0;
    heif_decoding_options* options = heif_decoding_options_alloc();
    options->ignore_transformations = 0;  // rotated and mirrored as the file says
    heif_image* decoded = nullptr;
    const heif_error error = heif_decode_image(
        handle, &decoded, heif_colorspace_RGB,
        alpha ? heif_chroma_interleaved_RGBA : heif_chroma_interleaved_RGB, options);
    heif_decoding_options_free(options);
    if (error.code != heif_error_Ok) {
        *problem = reasonOf(error);
        return QImage();
    }
    const std::unique_ptr<heif_image, ImageRelease> image(decoded);
    int stride = 0;
    const uint8_t* plane =
        heif_image_get_plane_readonly(decoded, heif_channel_interleaved, &stride);
    const int width = heif_image_get_width(decoded, heif_channel_interleaved);
    const int height = heif_image_get_height(decoded, heif_channel_interleaved);
    if (!plane || !planesFit(QSize(width, height), QSize(width, height), QSize(width, height))) {
        *problem =
            QCoreApplication::translate("velmira::picture::Heif", "the HEIF picture has no pixels");
        return QImage();
    }
    // The decoded pixels are looked at in place, then made smaller (or copied) into a picture
    // of the program's own.
    const QImage view(plane, width, height, stride,
                      alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
    const QSize size = readSize(view.size());
    QImage picture =
        size == view.size()
            ? view.convertToFormat(alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32)
            : view.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                  .convertToFormat(alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    return picture;
}

}  // namespace

QStringList heifExtensions() {
    QStringList extensions;
    if (heif_have_decoder_for_format(heif_compression_HEVC))
        extensions << QStringLiteral("heic") << QStringLiteral("heif");
    if (heif_have_decoder_for_format(heif_compression_AV1))
        extensions << QStringLiteral("avif");
    return extensions;
}

Result<QSize> checkHeif(const QByteArray& bytes) {
    // From the boxes alone: libheif takes seconds over a file of many thousands of items.
    const auto headers = readHeifHeaders(bytes);
    if (!headers)
        return Result<QSize>::failure(headers.error());
    return headers->size;
}

Result<QImage> decodeHeif(const QByteArray& bytes, const CancelCheck& cancel) {
    using Fail = Result<QImage>;
    // Planned from the boxes first: a grid that would cost more than a picture may take is
    // never handed to libheif to decode.
    if (const auto plan = planPictureRead(bytes, "heif"); !plan)
        return Fail::failure(plan.error());
    const Opened opened = openHeif(bytes);
    if (!opened.handle)
        return Fail::failure(opened.error);
    if (isCancelled(cancel))
        return Fail::failure(kCancelledText);
    QString problem;
    QImage picture;
    if (const auto headers = readHeifHeaders(bytes); headers && headers->readByTiles()) {
        picture = averagedTiles(bytes, opened.handle.get(), headers.value(), cancel, &problem);
        if (!problem.isEmpty())
            return Fail::failure(problem);
    }
    if (picture.isNull())
        picture = decodedYCbCr(opened.handle.get());
    if (picture.isNull())
        picture = decodedRgb(opened.handle.get(), &problem);
    if (picture.isNull())
        return Fail::failure(problem);
    picture.setColorSpace(colourSpaceOf(opened.handle.get()));
    convertToSrgb(picture);
    return picture;
}

#else

QStringList heifExtensions() {
    return {};
}

Result<QSize> checkHeif(const QByteArray&) {
    return Result<QSize>::failure(QCoreApplication::translate(
        "velmira::picture::Heif", "this build of Velmira reads no HEIF pictures"));
}

Result<QImage> decodeHeif(const QByteArray&, const CancelCheck&) {
    return Result<QImage>::failure(QCoreApplication::translate(
        "velmira::picture::Heif", "this build of Velmira reads no HEIF pictures"));
}

#endif

}  // namespace velmira::picture
namespace velmira::picture {

namespace {

qint64 pixelsOf(QSize size) {
    return qint64{size.width()} * size.height();
}

// HEIF pictures (the iPhone's HEIC, and AVIF) by libheif, upright and in sRGB; their cost from
// their boxes, as measured with libheif 1.15 and libde265.
class HeifFormat final : public PictureFormat {
  public:
    QByteArray kind() const override { return "heif"; }
    bool recognises(const QByteArray& bytes, const QByteArray&) const override {
        return isHeif(bytes);
    }
    Result<PictureHeaders> readHeaders(const QByteArray& bytes, const QByteArray&) const override {
        using Fail = Result<PictureHeaders>;
        if (heifExtensions().isEmpty())
            return Fail::failure(QCoreApplication::translate(
                "velmira::picture::PictureCost", "this build of Velmira reads no HEIF pictures"));
        const auto h = readHeifHeaders(bytes);
        if (!h)
            return Fail::failure(h.error());
        if (h->size.width() > kMaxHeifSide || h->size.height() > kMaxHeifSide)
            return Fail::failure(tooLargeText(h->size));
        PictureHeaders headers;
        headers.size = h->size;  // upright: libheif turns it itself
        return headers;
    }
    // A grid of 8-bit tiles to be reduced is read tile by tile: one tile decoded at a time (4.5
    // bytes a pixel), and sums for each reduced pixel. Else an 8-bit picture without alpha,
    // averaged straight from its planes, takes about 4.4 bytes a pixel while it is decoded
    // whole (the decoder's frames and libheif's copy of them), a grid about 3 (its tiles
    // decoded one by one into the picture's planes); twice that above 8 bits. A picture with
    // alpha or of more bits is made RGB(A) by libheif besides, and scaled from a 32-bit copy.
    Result<ReadCost> cost(const QByteArray& bytes, const PictureHeaders& headers,
                          QSize readAt) const override {
        const HeifHeaders h = readHeifHeaders(bytes).value();
        ReadCost cost;
        if (h.readByTiles() && readAt != headers.size) {
            cost.reduced = true;
            cost.bytes = static_cast<qint64>(4.5 * static_cast<double>(pixelsOf(h.tile))) +
                         12 * pixelsOf(readAt);
            return cost;
        }
        const double sample = h.bits > 8 ? 2 : 1;
        double perPixel = (h.grid ? 3.0 : 4.5) * sample;
        if (h.alpha)
            perPixel += 1.5 * sample;
        if (h.alpha || h.bits > 8)
            perPixel += (h.alpha ? 4 : 3) + 4;
        cost.bytes = static_cast<qint64>(perPixel * static_cast<double>(pixelsOf(headers.size)));
        return cost;
    }
    Result<QImage> read(const QByteArray& bytes, const PictureHeaders&, QSize,
                        const CancelCheck& cancel) const override {
        return decodeHeif(bytes, cancel);
    }
};

}  // namespace

const PictureFormat& heifFormat() {
    static const HeifFormat format;
    return format;
}

}  // namespace velmira::picture
