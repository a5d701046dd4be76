#include "heiflib.h"

#include "picture/heif.h"
#include "picture/readpicture.h"

#include <vector>

namespace velmira::picture::heif {

namespace {

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

}  // namespace

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

}  // namespace velmira::picture::heif
