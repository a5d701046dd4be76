#include "heif.h"

#include "picture/colourprofile.h"

#include "picture/picturecost.h"
#include "picture/readpicture.h"

#include <QColorSpace>
#include <QCoreApplication>
#include <QHash>
#include <QTransform>
#include <QtEndian>

#include <vector>

#ifdef VELMIRA_HAVE_HEIF
#include <libheif/heif.h>

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
    return QCoreApplication::translate("velmira::picture::Heif",
                                       "the HEIF picture cannot be read: %1")
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
        opened.error =
            QCoreApplication::translate("velmira::picture::Heif", "it is not a HEIF picture");
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

// The colour space the picture's profile names; invalid where it names none, or sRGB, or its
// ICC profile is of another colour model than the picture's red, green and blue (a grey one).
QColorSpace colourSpaceOf(const heif_image_handle* handle) {
    const heif_color_profile_type type = heif_image_handle_get_color_profile_type(handle);
    if (type == heif_color_profile_type_prof || type == heif_color_profile_type_rICC) {
        QByteArray icc(static_cast<qsizetype>(heif_image_handle_get_raw_color_profile_size(handle)),
                       Qt::Uninitialized);
        if (!icc.isEmpty() &&
            heif_image_handle_get_raw_color_profile(handle, icc.data()).code == heif_error_Ok)
            return profileFits(iccModelOf(icc), false) ? QColorSpace::fromIccProfile(icc)
                                                       : QColorSpace();
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

YCbCrMatrix matrixOf(const heif_color_profile_nclx* nclx) {
    YCbCrMatrix matrix;
    if (!nclx)
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
    return matrix;
}

struct NclxFree {
    void operator()(heif_color_profile_nclx* nclx) const { heif_nclx_color_profile_free(nclx); }
};
using Nclx = std::unique_ptr<heif_color_profile_nclx, NclxFree>;

// The nclx profile the file gives its picture; null where it gives none.
Nclx fileNclx(const heif_image_handle* handle) {
    heif_color_profile_nclx* nclx = nullptr;
    const bool ok = heif_image_handle_get_nclx_color_profile(handle, &nclx).code == heif_error_Ok;
    Nclx profile(nclx);
    if (!ok)
        profile.reset();
    return profile;
}

// How the planes as the file stores them make colours: as its own profile says.
YCbCrMatrix storedMatrix(const heif_image_handle* handle) {
    return matrixOf(fileNclx(handle).get());
}

// How the decoded planes make colours: as the decoded picture's own profile says where libheif
// gives it one (a newer libheif hands back planes it has already converted, and says so), as
// the file's says where it gives none (an older one hands them back as stored).
YCbCrMatrix planesMatrix(const heif_image* decoded, const heif_image_handle* handle) {
    heif_color_profile_nclx* own = nullptr;
    const bool decodedHas =
        heif_image_get_nclx_color_profile(decoded, &own).code == heif_error_Ok && own;
    const Nclx ownProfile(own);
    const Nclx fileProfile = fileNclx(handle);
    switch (planesProfile(decodedHas, fileProfile != nullptr)) {
        case PlanesProfile::Decoded:
            return matrixOf(ownProfile.get());
        case PlanesProfile::File:
            return matrixOf(fileProfile.get());
        case PlanesProfile::None:
            break;
    }
    return matrixOf(nullptr);
}

// The colour of a block from the sums of its luma and colour differences, `each` being one
// over the number of its pixels.
QRgb averagedColour(const quint32* sum, float each, const YCbCrMatrix& matrix) {
    const float kr = static_cast<float>(matrix.kr), kb = static_cast<float>(matrix.kb);
    const float kg = 1.0f - kr - kb;
    const auto channel = [](float v) {
        return static_cast<int>(std::clamp(v, 0.0f, 255.0f) + 0.5f);
    };
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
    return qRgb(channel(r), channel(g), channel(b));
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

// A picture turned and mirrored as its headers say, in their order.
QImage transformedBy(QImage image, const std::vector<int>& transforms) {
    for (const int step : transforms) {
        if (step > 0)
            image = image.transformed(QTransform().rotate(-90.0 * step));
        else
            image = image.mirrored(step == -1, step == -2);
    }
    return image;
}

QByteArray bigEndian(quint32 value, int width) {
    QByteArray out;
    for (int i = width - 1; i >= 0; --i)
        out.append(static_cast<char>((value >> (8 * i)) & 0xff));
    return out;
}
QByteArray boxOf(const char* kind, const QByteArray& payload) {
    return bigEndian(static_cast<quint32>(8 + payload.size()), 4) + kind + payload;
}
QByteArray fullBoxOf(const char* kind, int version, const QByteArray& payload) {
    return boxOf(kind, bigEndian(static_cast<quint32>(version) << 24, 4) + payload);
}

// One tile of a grid as a HEIF file of its own: the tiles' decoder configuration and size, and
// the tile's coded data.
QByteArray tileFile(const QByteArray& bytes, const HeifHeaders& headers, std::size_t index) {
    const bool av1 = headers.tileKind == "av01";
    const QByteArray brand = av1 ? "avif" : "heic";
    const QByteArray ftyp = boxOf("ftyp", brand + bigEndian(0, 4) + "mif1" + brand);
    const qint64 offset = headers.tileData[index].first;
    const qint64 length = headers.tileData[index].second;
    const auto meta = [&](qint64 at) {
        const QByteArray iloc = fullBoxOf(
            "iloc", 1,
            QByteArray("\x44\x00", 2) + bigEndian(1, 2) + bigEndian(1, 2) + bigEndian(0, 2) +
                bigEndian(0, 2) + bigEndian(1, 2) + bigEndian(static_cast<quint32>(at), 4) +
                bigEndian(static_cast<quint32>(length), 4));
        const QByteArray infe =
            fullBoxOf("infe", 2, bigEndian(1, 2) + bigEndian(0, 2) + headers.tileKind + '\0');
        const QByteArray ispe =
            fullBoxOf("ispe", 0,
                      bigEndian(static_cast<quint32>(headers.tile.width()), 4) +
                          bigEndian(static_cast<quint32>(headers.tile.height()), 4));
        const QByteArray ipma =
            fullBoxOf("ipma", 0, bigEndian(1, 4) + bigEndian(1, 2) + QByteArray("\x02\x81\x02", 3));
        return fullBoxOf("meta", 0,
                         fullBoxOf("hdlr", 0, QByteArray(4, '\0') + "pict" + QByteArray(13, '\0')) +
                             fullBoxOf("pitm", 0, bigEndian(1, 2)) + iloc +
                             fullBoxOf("iinf", 0, bigEndian(1, 2) + infe) +
                             boxOf("iprp", boxOf("ipco", headers.tileConfig + ispe) + ipma));
    };
    const qint64 at = ftyp.size() + meta(0).size() + 8;
    return ftyp + meta(at) + boxOf("mdat", bytes.mid(offset, length));
}

// A grid of 8-bit 4:2:0 tiles averaged tile by tile into the reduced picture, each tile decoded
// on its own and let go: the whole picture never exists, at any size (a phone's 48-megapixel
// photo, or a small file naming one tile ten thousand times). Null where a tile is not such a
// tile (the picture is then decoded whole), with `problem` set where it cannot be read at all.
QImage averagedTiles(const QByteArray& bytes, const heif_image_handle* grid,
                     const HeifHeaders& headers, const CancelCheck& cancel, QString* problem) {
    const QSize upright = readSize(headers.size);
    const QSize target = headers.size == headers.stored ? upright : upright.transposed();
    const QSize stored = headers.stored, tile = headers.tile;
    const int columns = (stored.width() + tile.width() - 1) / tile.width();
    const ReducedColumns across = reducedColumns(stored.width(), target.width());
    const ReducedColumns down = reducedColumns(stored.height(), target.height());
    std::vector<quint32> sums(static_cast<std::size_t>(qint64{target.width()} * target.height()) *
                              3);
    YCbCrMatrix matrix;
    for (std::size_t i = 0; i < headers.tileIds.size(); ++i) {
        if (isCancelled(cancel)) {
            *problem = kCancelledText;
            return QImage();
        }
        // libheif 1.15 hands out no tile of a grid: each is read as a file of its own.
        const QByteArray file = tileFile(bytes, headers, i);
        const Opened opened = openHeif(file);
        if (!opened.handle)
            return QImage();
        const heif_image_handle* found = opened.handle.get();
        if (heif_image_handle_has_alpha_channel(found) ||
            heif_image_handle_get_luma_bits_per_pixel(found) != 8)
            return QImage();
        heif_decoding_options* options = heif_decoding_options_alloc();
        options->ignore_transformations = 1;  // the grid's own are applied to the whole
        heif_image* decoded = nullptr;
        const heif_error error =
            heif_decode_image(found, &decoded, heif_colorspace_YCbCr, heif_chroma_420, options);
        heif_decoding_options_free(options);
        if (error.code != heif_error_Ok) {
            *problem = reasonOf(error);
            return QImage();
        }
        const std::unique_ptr<heif_image, ImageRelease> image(decoded);
        Planes p;
        p.y = heif_image_get_plane_readonly(decoded, heif_channel_Y, &p.yStride);
        p.cb = heif_image_get_plane_readonly(decoded, heif_channel_Cb, &p.cbStride);
        p.cr = heif_image_get_plane_readonly(decoded, heif_channel_Cr, &p.crStride);
        p.width = heif_image_get_width(decoded, heif_channel_Y);
        p.height = heif_image_get_height(decoded, heif_channel_Y);
        const QSize cb(heif_image_get_width(decoded, heif_channel_Cb),
                       heif_image_get_height(decoded, heif_channel_Cb));
        const QSize cr(heif_image_get_width(decoded, heif_channel_Cr),
                       heif_image_get_height(decoded, heif_channel_Cr));
        if (!p.y || !p.cb || !p.cr ||
            heif_image_get_bits_per_pixel_range(decoded, heif_channel_Y) != 8 ||
            !planesFit(QSize(p.width, p.height), cb, cr) || p.width < tile.width() ||
            p.height < tile.height())
            return QImage();
        // A tile is handed to libheif as a file of its own, without the picture's colour
        // profile: its planes come back as stored, whatever profile a newer libheif gives them.
        if (i == 0)
            matrix = storedMatrix(grid);
        const int left = static_cast<int>(i % static_cast<std::size_t>(columns)) * tile.width();
        const int top = static_cast<int>(i / static_cast<std::size_t>(columns)) * tile.height();
        const int width = std::min(tile.width(), stored.width() - left);
        const int height = std::min(tile.height(), stored.height() - top);
        for (int y = 0; y < height; ++y) {
            const uint8_t* luma = p.y + static_cast<qsizetype>(y) * p.yStride;
            const uint8_t* blue = p.cb + static_cast<qsizetype>(y / 2) * p.cbStride;
            const uint8_t* red = p.cr + static_cast<qsizetype>(y / 2) * p.crStride;
            quint32* row =
                sums.data() + static_cast<std::size_t>(down.of[static_cast<std::size_t>(top + y)]) *
                                  static_cast<std::size_t>(target.width()) * 3;
            for (int x = 0; x < width; ++x) {
                quint32* sum = row + 3 * static_cast<std::size_t>(
                                             across.of[static_cast<std::size_t>(left + x)]);
                sum[0] += luma[x];
                sum[1] += blue[x / 2];
                sum[2] += red[x / 2];
            }
        }
    }
    QImage reduced(target, QImage::Format_RGB32);
    for (int ty = 0; ty < target.height(); ++ty) {
        auto* out = reinterpret_cast<QRgb*>(reduced.scanLine(ty));
        for (int tx = 0; tx < target.width(); ++tx) {
            const float each = 1.0f / static_cast<float>(std::max<quint64>(
                                          1, across.count[static_cast<std::size_t>(tx)] *
                                                 down.count[static_cast<std::size_t>(ty)]));
            const quint32* sum = sums.data() + (static_cast<std::size_t>(ty) *
                                                    static_cast<std::size_t>(target.width()) +
                                                static_cast<std::size_t>(tx)) *
                                                   3;
            out[tx] = averagedColour(sum, each, matrix);
        }
    }
    return transformedBy(std::move(reduced), headers.transforms);
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
