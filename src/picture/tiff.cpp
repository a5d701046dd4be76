#include "tiff.h"

#include "picture/colourprofile.h"
#include "picture/exif.h"
#include "picture/pictureformat.h"
#include "picture/qtreader.h"
#include "picture/reducedsums.h"

#include <QColorSpace>
#include <QCoreApplication>
#include <QFloat16>

#ifdef VELMIRA_HAVE_TIFF
#include <tiffio.h>
#endif

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

namespace velmira::picture {

namespace {

QString damaged(const QString& why = QString()) {
    return why.isEmpty() ? QCoreApplication::translate("velmira::picture::Tiff",
                                                       "the TIFF picture is damaged")
                         : QCoreApplication::translate("velmira::picture::Tiff",
                                                       "the TIFF picture is damaged: %1")
                               .arg(why);
}

}  // namespace

#ifdef VELMIRA_HAVE_TIFF

namespace {

// The most libtiff allocates at once for one picture (a strip's or a tile's data): more is a
// damaged or hostile file.
constexpr tmsize_t kMaxTiffAllocation = 64 * 1024 * 1024;

// The file's bytes as libtiff reads them, and the first thing it found wrong.
struct Memory {
    const QByteArray* bytes = nullptr;
    qint64 at = 0;
    QString error;
};

tmsize_t readBytes(thandle_t handle, void* to, tmsize_t count) {
    auto* memory = static_cast<Memory*>(handle);
    const qint64 left = std::max<qint64>(0, memory->bytes->size() - memory->at);
    const qint64 taken = std::clamp<qint64>(count, 0, left);
    if (taken > 0)
        std::memcpy(to, memory->bytes->constData() + memory->at, static_cast<std::size_t>(taken));
    memory->at += taken;
    return static_cast<tmsize_t>(taken);
}

tmsize_t writeNothing(thandle_t, void*, tmsize_t) {
    return 0;
}

toff_t seekTo(thandle_t handle, toff_t offset, int whence) {
    auto* memory = static_cast<Memory*>(handle);
    const qint64 from = whence == SEEK_CUR   ? memory->at
                        : whence == SEEK_END ? memory->bytes->size()
                                             : 0;
    if (offset > static_cast<toff_t>(INT64_MAX) - static_cast<toff_t>(from))
        return static_cast<toff_t>(-1);
    memory->at = from + static_cast<qint64>(offset);
    return static_cast<toff_t>(memory->at);
}

int closeNothing(thandle_t) {
    return 0;
}

toff_t sizeOf(thandle_t handle) {
    return static_cast<toff_t>(static_cast<Memory*>(handle)->bytes->size());
}

int mapNothing(thandle_t, void**, toff_t*) {
    return 0;
}

void unmapNothing(thandle_t, void*, toff_t) {}

int keepError(TIFF*, void* user, const char*, const char* format, va_list arguments) {
    auto* memory = static_cast<Memory*>(user);
    if (memory->error.isEmpty()) {
        char text[256];
        std::vsnprintf(text, sizeof text, format, arguments);
        memory->error = QString::fromUtf8(text);
    }
    return 1;
}

int ignoreWarning(TIFF*, void*, const char*, const char*, va_list) {
    return 1;
}

struct CloseTiff {
    void operator()(TIFF* tiff) const { TIFFClose(tiff); }
};
using TiffHandle = std::unique_ptr<TIFF, CloseTiff>;

// The file opened at its first picture, its messages kept in `memory` (never printed).
TiffHandle openTiff(Memory& memory) {
    TIFFOpenOptions* options = TIFFOpenOptionsAlloc();
    if (!options)
        return nullptr;
    TIFFOpenOptionsSetMaxSingleMemAlloc(options, kMaxTiffAllocation);
    TIFFOpenOptionsSetErrorHandlerExtR(options, keepError, &memory);
    TIFFOpenOptionsSetWarningHandlerExtR(options, ignoreWarning, &memory);
    // "m": libtiff never maps the bytes (it would read them as writable).
    TiffHandle tiff(TIFFClientOpenExt("picture", "rm", &memory, readBytes, writeNothing, seekTo,
                                      closeNothing, sizeOf, mapNothing, unmapNothing, options));
    TIFFOpenOptionsFree(options);
    return tiff;
}

// How a picture's pixels are laid out, where it is of a kind read here.
struct Layout {
    QSize size;
    int colours = 0;         // 1 (grey) or 3 (RGB); 0: not a kind read here
    int samples = 0;         // a pixel's samples, its alpha (or an unused extra) included
    int bytesPerSample = 1;  // 1 or 2; 2 or 4 for floating-point samples
    bool floating = false;   // samples of 0.0 to 1.0, as renderers and HDR editors write
    bool alpha = false;      // the sample after the colours is its opacity
    bool premultiplied = false;
    bool minIsWhite = false;  // grey stored with 0 as white
    qint64 pieceBytes = 0;
};

Layout layoutOf(TIFF* tiff) {
    Layout layout;
    uint32_t width = 0, height = 0;
    uint16_t bits = 0, samples = 0, planar = 0, format = 0, compression = 0, photometric = 0;
    TIFFGetField(tiff, TIFFTAG_IMAGEWIDTH, &width);
    TIFFGetField(tiff, TIFFTAG_IMAGELENGTH, &height);
    if (width == 0 || height == 0 || width > INT_MAX || height > INT_MAX)
        return layout;
    layout.size = QSize(static_cast<int>(width), static_cast<int>(height));
    TIFFGetFieldDefaulted(tiff, TIFFTAG_BITSPERSAMPLE, &bits);
    TIFFGetFieldDefaulted(tiff, TIFFTAG_SAMPLESPERPIXEL, &samples);
    TIFFGetFieldDefaulted(tiff, TIFFTAG_PLANARCONFIG, &planar);
    TIFFGetFieldDefaulted(tiff, TIFFTAG_SAMPLEFORMAT, &format);
    TIFFGetFieldDefaulted(tiff, TIFFTAG_COMPRESSION, &compression);
    if (!TIFFGetField(tiff, TIFFTAG_PHOTOMETRIC, &photometric))
        return layout;
    const int colours =
        photometric == PHOTOMETRIC_RGB                                                   ? 3
        : photometric == PHOTOMETRIC_MINISBLACK || photometric == PHOTOMETRIC_MINISWHITE ? 1
                                                                                         : 0;
    const bool floating = format == SAMPLEFORMAT_IEEEFP && (bits == 16 || bits == 32);
    if (colours == 0 || (!floating && ((bits != 8 && bits != 16) || format != SAMPLEFORMAT_UINT)) ||
        planar != PLANARCONFIG_CONTIG || samples < colours || samples > colours + 1 ||
        !TIFFIsCODECConfigured(compression))
        return layout;
    layout.samples = samples;
    layout.bytesPerSample = bits / 8;
    layout.floating = floating;
    layout.minIsWhite = photometric == PHOTOMETRIC_MINISWHITE;
    if (samples > colours) {
        uint16_t extras = 0;
        uint16_t* kinds = nullptr;
        TIFFGetFieldDefaulted(tiff, TIFFTAG_EXTRASAMPLES, &extras, &kinds);
        // An RGB picture's fourth sample that says nothing of itself is its opacity,
        // premultiplied, as libtiff's own RGBA reader takes it.
        int kind = extras > 0 && kinds ? kinds[0] : EXTRASAMPLE_UNSPECIFIED;
        if (kind == EXTRASAMPLE_UNSPECIFIED && colours == 3)
            kind = EXTRASAMPLE_ASSOCALPHA;
        layout.alpha = kind == EXTRASAMPLE_ASSOCALPHA || kind == EXTRASAMPLE_UNASSALPHA;
        layout.premultiplied = kind == EXTRASAMPLE_ASSOCALPHA;
    }
    layout.pieceBytes = static_cast<qint64>(std::min<uint64_t>(
        TIFFIsTiled(tiff) ? TIFFTileSize64(tiff) : TIFFScanlineSize64(tiff), INT64_MAX));
    if (layout.pieceBytes <= 0 || layout.pieceBytes > kMaxTiffAllocation)
        return layout;
    layout.colours = colours;
    return layout;
}

}  // namespace

bool readsTiffItself() {
    return true;
}

Result<TiffHeaders> readTiffHeaders(const QByteArray& bytes) {
    Memory memory;
    memory.bytes = &bytes;
    const TiffHandle tiff = openTiff(memory);
    if (!tiff)
        return Result<TiffHeaders>::failure(damaged(memory.error));
    const Layout layout = layoutOf(tiff.get());
    if (layout.size.isEmpty())
        return Result<TiffHeaders>::failure(damaged(memory.error));
    TiffHeaders headers;
    headers.size = layout.size;
    headers.readsItself = layout.colours != 0;
    headers.pieceBytes = layout.pieceBytes;
    return headers;
}

Result<QImage> decodeTiffReduced(const QByteArray& bytes, QSize target, const CancelCheck& cancel) {
    using Fail = Result<QImage>;
    Memory memory;
    memory.bytes = &bytes;
    const TiffHandle tiff = openTiff(memory);
    if (!tiff)
        return Fail::failure(damaged(memory.error));
    const Layout layout = layoutOf(tiff.get());
    if (layout.colours == 0 || target.isEmpty() || target.width() > layout.size.width() ||
        target.height() > layout.size.height())
        return Fail::failure(damaged(memory.error));
    ReducedSums reduced(layout.size, target);
    const qint64 pixelBytes = qint64{layout.samples} * layout.bytesPerSample;
    const auto eight = [&](const uchar* pixel, int sample) -> quint32 {
        if (layout.floating) {
            // In the machine's order too; anything outside 0 to 1 (or not a number) clamped.
            float value = 0;
            if (layout.bytesPerSample == 4) {
                std::memcpy(&value, pixel + 4 * sample, 4);
            } else {
                qfloat16 half;
                std::memcpy(&half, pixel + 2 * sample, 2);
                value = static_cast<float>(half);
            }
            return value > 0 ? static_cast<quint32>(std::min(value, 1.0f) * 255.0f + 0.5f) : 0;
        }
        if (layout.bytesPerSample == 1)
            return pixel[sample];
        quint16 value = 0;  // libtiff hands 16-bit samples over in the machine's order
        std::memcpy(&value, pixel + 2 * sample, 2);
        return value >> 8;
    };
    const std::vector<quint32> columnOf = reduced.columnTable();
    const auto add = [&](const uchar* pixel, quint32* row, qint64 x) {
        quint32 r = eight(pixel, 0);
        quint32 g = r, b = r;
        if (layout.colours == 3) {
            g = eight(pixel, 1);
            b = eight(pixel, 2);
        } else if (layout.minIsWhite) {
            r = g = b = 255 - r;
        }
        const quint32 a = layout.alpha ? eight(pixel, layout.colours) : 255;
        if (layout.premultiplied && a < 255) {
            const auto unmultiplied = [a](quint32 c) {
                return a == 0 ? 0u : std::min<quint32>(255, c * 255 / a);
            };
            r = unmultiplied(r);
            g = unmultiplied(g);
            b = unmultiplied(b);
        }
        ReducedSums::addTo(row, columnOf[static_cast<std::size_t>(x)], r, g, b, a);
    };
    const int width = layout.size.width();
    const int height = layout.size.height();
    std::vector<uchar> piece(static_cast<std::size_t>(layout.pieceBytes));
    const auto cutShort = [&]() {
        return Fail::failure(memory.error.isEmpty()
                                 ? QCoreApplication::translate("velmira::picture::Tiff",
                                                               "the TIFF picture is cut short")
                                 : damaged(memory.error));
    };
    if (TIFFIsTiled(tiff.get())) {
        uint32_t tileWidth = 0, tileHeight = 0;
        TIFFGetField(tiff.get(), TIFFTAG_TILEWIDTH, &tileWidth);
        TIFFGetField(tiff.get(), TIFFTAG_TILELENGTH, &tileHeight);
        const auto rowBytes =
            static_cast<qint64>(std::min<uint64_t>(TIFFTileRowSize64(tiff.get()), INT64_MAX));
        if (tileWidth == 0 || tileHeight == 0 || rowBytes < pixelBytes * tileWidth ||
            rowBytes * tileHeight > layout.pieceBytes)
            return Fail::failure(damaged(memory.error));
        for (qint64 top = 0; top < height; top += tileHeight) {
            for (qint64 left = 0; left < width; left += tileWidth) {
                if (TIFFReadTile(tiff.get(), piece.data(), static_cast<uint32_t>(left),
                                 static_cast<uint32_t>(top), 0, 0) < 0)
                    return cutShort();
                const qint64 rows = std::min<qint64>(tileHeight, height - top);
                const qint64 columns = std::min<qint64>(tileWidth, width - left);
                for (qint64 row = 0; row < rows; ++row) {
                    const uchar* line = piece.data() + row * rowBytes;
                    quint32* sums = reduced.rowOf(top + row);
                    for (qint64 column = 0; column < columns; ++column)
                        add(line + column * pixelBytes, sums, left + column);
                }
            }
            if (isCancelled(cancel))
                return Fail::failure(kCancelledText);
        }
    } else {
        if (pixelBytes * width > layout.pieceBytes)
            return Fail::failure(damaged(memory.error));
        for (int y = 0; y < height; ++y) {
            if (TIFFReadScanline(tiff.get(), piece.data(), static_cast<uint32_t>(y), 0) < 0)
                return cutShort();
            quint32* sums = reduced.rowOf(y);
            const uchar* line = piece.data();
            if (layout.colours == 3 && layout.bytesPerSample == 1 && !layout.alpha &&
                !layout.floating) {
                // The common 8-bit RGB picture, without a sample looked at twice.
                for (int x = 0; x < width; ++x, line += pixelBytes)
                    ReducedSums::addTo(sums, columnOf[static_cast<std::size_t>(x)], line[0],
                                       line[1], line[2], 255);
            } else {
                for (int x = 0; x < width; ++x)
                    add(line + x * pixelBytes, sums, x);
            }
            if (y % 64 == 63 && isCancelled(cancel))
                return Fail::failure(kCancelledText);
        }
    }
    QImage picture = reduced.picture(layout.alpha);
    uint32_t iccBytes = 0;
    const void* icc = nullptr;
    if (layout.colours == 3 && TIFFGetField(tiff.get(), TIFFTAG_ICCPROFILE, &iccBytes, &icc) &&
        icc) {
        const QByteArray profile(static_cast<const char*>(icc), static_cast<qsizetype>(iccBytes));
        if (profileFits(iccModelOf(profile), false))
            picture.setColorSpace(QColorSpace::fromIccProfile(profile));
    }
    uint16_t orientation = ORIENTATION_TOPLEFT;
    TIFFGetFieldDefaulted(tiff.get(), TIFFTAG_ORIENTATION, &orientation);
    return orientedBy(std::move(picture), orientation);
}

#else

bool readsTiffItself() {
    return false;
}

Result<TiffHeaders> readTiffHeaders(const QByteArray&) {
    return Result<TiffHeaders>::failure(damaged());
}

Result<QImage> decodeTiffReduced(const QByteArray&, QSize, const CancelCheck&) {
    return Result<QImage>::failure(damaged());
}

#endif

}  // namespace velmira::picture

namespace velmira::picture {

namespace {

// TIFF pictures: those of the kinds scanners, editors and renderers write by libtiff a row or a
// tile at a time straight into the reduced picture (turned by its orientation tag itself); any
// other (CMYK, paletted, planes apart) by Qt's reader, whole.
class TiffFormat final : public PictureFormat {
  public:
    QByteArray kind() const override { return "tiff"; }
    bool recognises(const QByteArray& bytes, const QByteArray&) const override {
        return bytes.startsWith("II*") || bytes.startsWith(QByteArray("MM\x00*", 4));
    }
    Result<PictureHeaders> readHeaders(const QByteArray& bytes, const QByteArray&) const override {
        PictureHeaders headers;
        if (readsTiffItself()) {
            const auto tiff = readTiffHeaders(bytes);
            if (!tiff)
                return Result<PictureHeaders>::failure(tiff.error());
            headers.size = tiff->size;
        } else {
            headers.size = qtHeaders(bytes, kind()).size;
        }
        if (headers.size.isEmpty())
            return Result<PictureHeaders>::failure(damaged());
        return headers;
    }
    Result<ReadCost> cost(const QByteArray& bytes, const PictureHeaders& headers,
                          QSize readAt) const override {
        const qint64 reduced = qint64{readAt.width()} * readAt.height();
        ReadCost cost;
        if (const auto tiff = readTiffHeaders(bytes); tiff && tiff->readsItself) {
            // libtiff's copy of a strip's or tile's compressed bytes, the piece it decodes
            // into, and the sums for each reduced pixel and the reduced picture made of them.
            if (qint64{headers.size.width()} * headers.size.height() > kMaxTiffReadPixels)
                return Result<ReadCost>::failure(tooLargeText(headers.size));
            cost.reduced = readAt != headers.size;
            cost.bytes = bytes.size() + 2 * tiff->pieceBytes + 20 * reduced;
            return cost;
        }
        // Qt's reader decodes the whole picture at its own depth and converts it with a copy
        // as large, as measured.
        cost.byQt = true;
        const QtHeaders qt = qtHeaders(bytes, kind());
        cost.bytes = qtReadCost(
            2 * qint64{qt.bytesPerPixel} * headers.size.width() * headers.size.height(), readAt);
        return cost;
    }
    Result<QImage> read(const QByteArray& bytes, const PictureHeaders& headers, QSize readAt,
                        const CancelCheck& cancel) const override {
        if (const auto tiff = readTiffHeaders(bytes); tiff && tiff->readsItself)
            return decodeTiffReduced(bytes, readAt, cancel);
        return readByQt(bytes, kind(), headers.size, readAt, cancel,
                        QCoreApplication::translate("velmira::picture::Tiff",
                                                    "the TIFF picture is damaged: %1"));
    }
};

}  // namespace

const PictureFormat& tiffFormat() {
    static const TiffFormat format;
    return format;
}

}  // namespace velmira::picture
