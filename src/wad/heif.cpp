#include "heif.h"

#include "wad/compile.h"

#include <QColorSpace>

#ifdef VELMIRA_HAVE_HEIF
#include <libheif/heif.h>

#include <memory>
#include <thread>
#endif

namespace velmira::wad {

namespace {
// The largest side libheif is let read: what any camera takes, far below what would exhaust
// memory.
constexpr int kMaxHeifSide = 16384;
}  // namespace

bool isHeif(const QByteArray& bytes) {
    if (bytes.size() < 12 || bytes.mid(4, 4) != "ftyp")
        return false;
    const QByteArray brand = bytes.mid(8, 4);
    for (const char* heif :
         {"heic", "heix", "hevc", "hevx", "heim", "heis", "mif1", "msf1", "avif", "avis"})
        if (brand == heif)
            return true;
    return false;
}

#ifdef VELMIRA_HAVE_HEIF

namespace {

struct ContextFree {
    void operator()(heif_context* context) const { heif_context_free(context); }
};
struct HandleRelease {
    void operator()(heif_image_handle* handle) const { heif_image_handle_release(handle); }
};
struct ImageRelease {
    void operator()(heif_image* image) const { heif_image_release(image); }
};
using Context = std::unique_ptr<heif_context, ContextFree>;
using Handle = std::unique_ptr<heif_image_handle, HandleRelease>;

QString reasonOf(const heif_error& error) {
    return QStringLiteral("the HEIF picture cannot be read: %1")
        .arg(QString::fromUtf8(error.message ? error.message : "unknown error"));
}

// The file read from its bytes (never copied: the bytes outlive it) and its primary picture.
struct Opened {
    Context context;
    Handle handle;
    QString error;
};

Opened openHeif(const QByteArray& bytes) {
    Opened opened;
    if (!isHeif(bytes)) {
        opened.error = QStringLiteral("it is not a HEIF picture");
        return opened;
    }
    opened.context.reset(heif_context_alloc());
    heif_context_set_maximum_image_size_limit(opened.context.get(), kMaxHeifSide);
    heif_error error = heif_context_read_from_memory_without_copy(
        opened.context.get(), bytes.constData(), static_cast<size_t>(bytes.size()), nullptr);
    if (error.code != heif_error_Ok) {
        opened.error = reasonOf(error);
        return opened;
    }
    heif_image_handle* handle = nullptr;
    error = heif_context_get_primary_image_handle(opened.context.get(), &handle);
    if (error.code != heif_error_Ok) {
        opened.error = reasonOf(error);
        return opened;
    }
    opened.handle.reset(handle);
    return opened;
}

// The colour space the picture's profile names; invalid where it names none, or sRGB.
QColorSpace colourSpaceOf(const heif_image_handle* handle) {
    const heif_color_profile_type type = heif_image_handle_get_color_profile_type(handle);
    if (type == heif_color_profile_type_prof || type == heif_color_profile_type_rICC) {
        QByteArray icc(static_cast<qsizetype>(heif_image_handle_get_raw_color_profile_size(handle)),
                       Qt::Uninitialized);
        if (!icc.isEmpty() &&
            heif_image_handle_get_raw_color_profile(handle, icc.data()).code == heif_error_Ok)
            return QColorSpace::fromIccProfile(icc);
    }
    heif_color_profile_nclx* nclx = nullptr;
    if (heif_image_handle_get_nclx_color_profile(handle, &nclx).code != heif_error_Ok || !nclx)
        return QColorSpace();
    // Today's phones write Display P3 (SMPTE EG 432-1 primaries).
    const bool p3 = nclx->color_primaries == heif_color_primaries_SMPTE_EG_432_1;
    heif_nclx_color_profile_free(nclx);
    return p3 ? QColorSpace(QColorSpace::DisplayP3) : QColorSpace();
}

// How a picture's luma and colour differences make red, green and blue: the matrix and range
// its profile names (libheif's own default where it names none: BT.601, full range).
struct YCbCrMatrix {
    double kr = 0.299;
    double kb = 0.114;
    bool fullRange = true;
};

YCbCrMatrix matrixOf(const heif_image_handle* handle) {
    YCbCrMatrix matrix;
    heif_color_profile_nclx* nclx = nullptr;
    if (heif_image_handle_get_nclx_color_profile(handle, &nclx).code != heif_error_Ok || !nclx)
        return matrix;
    switch (nclx->matrix_coefficients) {
        case heif_matrix_coefficients_ITU_R_BT_709_5:
            matrix.kr = 0.2126;
            matrix.kb = 0.0722;
            break;
        case heif_matrix_coefficients_ITU_R_BT_2020_2_non_constant_luminance:
            matrix.kr = 0.2627;
            matrix.kb = 0.0593;
            break;
        default:
            break;
    }
    matrix.fullRange = nclx->full_range_flag != 0;
    heif_nclx_color_profile_free(nclx);
    return matrix;
}

// The planes of an 8-bit 4:2:0 picture.
struct Planes {
    const uint8_t* y = nullptr;
    const uint8_t* cb = nullptr;
    const uint8_t* cr = nullptr;
    int yStride = 0, cbStride = 0, crStride = 0;
    int width = 0, height = 0;
};

// Rows [first, last) of the reduced picture, each pixel the average of the block it stands for.
void averageRows(const Planes& p, const ReducedColumns& blocks, const YCbCrMatrix& matrix,
                 QSize target, uchar* pixels, qsizetype bytesPerLine, int first, int last) {
    const int targetWidth = target.width(), targetHeight = target.height();
    const std::vector<int>& columnOf = blocks.of;
    // A block holds at most a few thousand pixels (the picture is reduced to a few megapixels
    // from at most kMaxHeifSide squared): its sums fit 32 bits.
    std::vector<quint32> sums(static_cast<std::size_t>(targetWidth) * 3);
    const float kr = static_cast<float>(matrix.kr), kb = static_cast<float>(matrix.kb);
    const float kg = 1.0f - kr - kb;
    // The first picture row of a reduced row: rows fall into reduced ones as y * target / height.
    const auto firstRow = [&](int ty) {
        return static_cast<int>((qint64{ty} * p.height + targetHeight - 1) / targetHeight);
    };
    const auto channel = [](float v) {
        return static_cast<int>(std::clamp(v, 0.0f, 255.0f) + 0.5f);
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
            float luma = static_cast<float>(sum[0]) * each;
            float cb = static_cast<float>(sum[1]) * each - 128.0f;
            float cr = static_cast<float>(sum[2]) * each - 128.0f;
            if (!matrix.fullRange) {
                luma = (luma - 16.0f) * (255.0f / 219.0f);
                cb *= 255.0f / 224.0f;
                cr *= 255.0f / 224.0f;
            }
            const float r = luma + 2.0f * (1.0f - kr) * cr;
            const float b = luma + 2.0f * (1.0f - kb) * cb;
            const float g = (luma - kr * r - kb * b) / kg;
            out[tx] = qRgb(channel(r), channel(g), channel(b));
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
    if (!p.y || !p.cb || !p.cr ||
        heif_image_get_width(image, heif_channel_Cb) < (p.width + 1) / 2 ||
        heif_image_get_height(image, heif_channel_Cb) < (p.height + 1) / 2)
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
    return averagedYCbCr(decoded, readSize(size), matrixOf(handle));
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
    if (!plane || width <= 0 || height <= 0) {
        *problem = QStringLiteral("the HEIF picture has no pixels");
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
    const Opened opened = openHeif(bytes);
    if (!opened.handle)
        return Result<QSize>::failure(opened.error);
    const QSize size(heif_image_handle_get_width(opened.handle.get()),
                     heif_image_handle_get_height(opened.handle.get()));
    if (size.isEmpty())
        return Result<QSize>::failure(QStringLiteral("the HEIF picture's size is not valid"));
    return size;
}

Result<QImage> decodeHeif(const QByteArray& bytes, const CancelCheck& cancel) {
    using Fail = Result<QImage>;
    const Opened opened = openHeif(bytes);
    if (!opened.handle)
        return Fail::failure(opened.error);
    if (isCancelled(cancel))
        return Fail::failure(kCancelledText);
    QImage picture = decodedYCbCr(opened.handle.get());
    QString problem;
    if (picture.isNull())
        picture = decodedRgb(opened.handle.get(), &problem);
    if (picture.isNull())
        return Fail::failure(problem);
    const QColorSpace space = colourSpaceOf(opened.handle.get());
    if (space.isValid() && space != QColorSpace(QColorSpace::SRgb)) {
        picture.setColorSpace(space);
        picture.convertToColorSpace(QColorSpace::SRgb);
    }
    return picture;
}

#else

QStringList heifExtensions() {
    return {};
}

Result<QSize> checkHeif(const QByteArray&) {
    return Result<QSize>::failure(QStringLiteral("this build of Velmira reads no HEIF pictures"));
}

Result<QImage> decodeHeif(const QByteArray&, const CancelCheck&) {
    return Result<QImage>::failure(QStringLiteral("this build of Velmira reads no HEIF pictures"));
}

#endif

}  // namespace velmira::wad
