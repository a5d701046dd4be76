#include "heiflib.h"

#include "picture/colourprofile.h"
#include "picture/heif.h"

#include <QCoreApplication>

#include <algorithm>

namespace velmira::picture::heif {

QString reasonOf(const heif_error& error) {
    return QCoreApplication::translate("velmira::picture::Heif",
                                       "the HEIF picture cannot be read: %1")
        .arg(QString::fromUtf8(error.message ? error.message : "unknown error"));
}

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

YCbCrMatrix storedMatrix(const heif_image_handle* handle) {
    return matrixOf(fileNclx(handle).get());
}

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

QImage transformedBy(QImage image, const std::vector<int>& transforms) {
    for (const int step : transforms) {
        if (step > 0)
            image = image.transformed(QTransform().rotate(-90.0 * step));
        else
            image = image.mirrored(step == -1, step == -2);
    }
    return image;
}

}  // namespace velmira::picture::heif
