#include "heif.h"

#include "wad/compile.h"

#include <QColorSpace>

#ifdef VELMIRA_HAVE_HEIF
#include <libheif/heif.h>

#include <memory>
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
    const bool alpha = heif_image_handle_has_alpha_channel(opened.handle.get()) != 0;
    heif_decoding_options* options = heif_decoding_options_alloc();
    options->ignore_transformations = 0;  // rotated and mirrored as the file says
    heif_image* decoded = nullptr;
    const heif_error error = heif_decode_image(
        opened.handle.get(), &decoded, heif_colorspace_RGB,
        alpha ? heif_chroma_interleaved_RGBA : heif_chroma_interleaved_RGB, options);
    heif_decoding_options_free(options);
    if (error.code != heif_error_Ok)
        return Fail::failure(reasonOf(error));
    const std::unique_ptr<heif_image, ImageRelease> image(decoded);
    int stride = 0;
    const uint8_t* plane =
        heif_image_get_plane_readonly(decoded, heif_channel_interleaved, &stride);
    const int width = heif_image_get_width(decoded, heif_channel_interleaved);
    const int height = heif_image_get_height(decoded, heif_channel_interleaved);
    if (!plane || width <= 0 || height <= 0)
        return Fail::failure(QStringLiteral("the HEIF picture has no pixels"));
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
