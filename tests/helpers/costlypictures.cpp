#include "helpers/costlypictures.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <QProcess>
#include <QtEndian>

#include <zlib.h>

#ifdef VELMIRA_TEST_WEBP
#include <webp/encode.h>
#endif

#include <array>
#include <cstring>
#include <functional>
#include <vector>

namespace velmira::test {

namespace {

QByteArray be32(quint32 v) {
    QByteArray out(4, '\0');
    qToBigEndian(v, out.data());
    return out;
}

QByteArray le(quint32 v, int bytes) {
    QByteArray out;
    for (int i = 0; i < bytes; ++i)
        out.append(static_cast<char>((v >> (8 * i)) & 0xff));
    return out;
}

QByteArray pngChunk(const char* kind, const QByteArray& body) {
    QByteArray typed = QByteArray(kind) + body;
    const auto crc = static_cast<quint32>(crc32(
        0, reinterpret_cast<const Bytef*>(typed.constData()), static_cast<uInt>(typed.size())));
    return be32(static_cast<quint32>(body.size())) + typed + be32(crc);
}

// Compresses what `next` hands out, a piece at a time, into one zlib stream.
QByteArray deflated(const std::function<bool(QByteArray&)>& next) {
    z_stream stream{};
    deflateInit(&stream, 1);
    QByteArray out, piece;
    std::vector<uchar> buffer(1 << 16);
    bool more = true;
    while (more) {
        piece.clear();
        more = next(piece);
        stream.next_in = reinterpret_cast<Bytef*>(piece.data());
        stream.avail_in = static_cast<uInt>(piece.size());
        int status = Z_OK;
        do {
            stream.next_out = buffer.data();
            stream.avail_out = static_cast<uInt>(buffer.size());
            status = deflate(&stream, more ? Z_NO_FLUSH : Z_FINISH);
            out.append(reinterpret_cast<const char*>(buffer.data()),
                       static_cast<qsizetype>(buffer.size() - stream.avail_out));
        } while (stream.avail_out == 0 || (!more && status != Z_STREAM_END));
    }
    deflateEnd(&stream);
    return out;
}

// A smooth colour that repeats every 256 columns, so that large pictures compress well.
std::array<quint16, 3> colourAt(qint64 x, qint64 y) {
    return {static_cast<quint16>((x % 256) * 257), static_cast<quint16>((y / 64 % 256) * 257),
            static_cast<quint16>(40000)};
}

}  // namespace

QByteArray deepPng(QSize size, bool interlaced) {
    struct Pass {
        int x, y, dx, dy;
    };
    const std::vector<Pass> passes =
        interlaced ? std::vector<Pass>{{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4},
                                       {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}}
                   : std::vector<Pass>{{0, 0, 1, 1}};
    std::size_t pass = 0;
    qint64 y = 0;
    const QByteArray data = deflated([&](QByteArray& piece) {
        while (pass < passes.size()) {
            const Pass p = passes[pass];
            const qint64 py = p.y + y * p.dy;
            if (py >= size.height() || p.x >= size.width()) {
                ++pass;
                y = 0;
                continue;
            }
            piece.append('\0');
            for (qint64 x = p.x; x < size.width(); x += p.dx)
                for (const quint16 v : colourAt(x, py)) {
                    piece.append(static_cast<char>(v >> 8));
                    piece.append(static_cast<char>(v & 0xff));
                }
            ++y;
            return true;
        }
        return false;
    });
    QByteArray header =
        be32(static_cast<quint32>(size.width())) + be32(static_cast<quint32>(size.height()));
    header += QByteArray("\x10\x02\x00\x00", 4);
    header += static_cast<char>(interlaced ? 1 : 0);
    QByteArray png("\x89PNG\r\n\x1a\n");
    png += pngChunk("IHDR", header);
    for (qsizetype at = 0; at < data.size(); at += 1 << 20)
        png += pngChunk("IDAT", data.mid(at, 1 << 20));
    return png + pngChunk("IEND", {});
}

namespace {

// A little-endian TIFF of deflate-compressed strips of 16 rows, each row made by `row`.
QByteArray tiffOf(QSize size, int samples, int bits, int sampleFormat,
                  const std::function<void(int y, QByteArray& row)>& row) {
    constexpr int kRows = 16;
    QByteArray file("II*\0\0\0\0\0", 8);
    std::vector<quint32> offsets, counts;
    for (int top = 0; top < size.height(); top += kRows) {
        QByteArray raw;
        for (int y = top; y < std::min(size.height(), top + kRows); ++y)
            row(y, raw);
        uLongf length = compressBound(static_cast<uLong>(raw.size()));
        QByteArray packed(static_cast<qsizetype>(length), '\0');
        compress2(reinterpret_cast<Bytef*>(packed.data()), &length,
                  reinterpret_cast<const Bytef*>(raw.constData()), static_cast<uLong>(raw.size()),
                  1);
        offsets.push_back(static_cast<quint32>(file.size()));
        counts.push_back(static_cast<quint32>(length));
        file += packed.left(static_cast<qsizetype>(length));
        if (file.size() % 2)
            file += '\0';
    }
    const auto array = [&](const std::vector<quint32>& values) {
        const auto at = static_cast<quint32>(file.size());
        for (const quint32 v : values)
            file += le(v, 4);
        return at;
    };
    const quint32 offsetsAt = array(offsets), countsAt = array(counts);
    const auto at = static_cast<quint32>(file.size());
    for (int i = 0; i < samples; ++i)
        file += le(static_cast<quint32>(bits), 2);
    const quint32 bitsAt = at;
    const auto formatAt = static_cast<quint32>(file.size());
    for (int i = 0; i < samples; ++i)
        file += le(static_cast<quint32>(sampleFormat), 2);
    struct Entry {
        quint16 tag, type;
        quint32 count, value;
    };
    std::vector<Entry> entries = {
        {256, 4, 1, static_cast<quint32>(size.width())},
        {257, 4, 1, static_cast<quint32>(size.height())},
        {258, 3, static_cast<quint32>(samples), samples > 2 ? bitsAt : static_cast<quint32>(bits)},
        {259, 3, 1, 8},
        {262, 3, 1, 2},
        {273, 4, static_cast<quint32>(offsets.size()), offsetsAt},
        {277, 3, 1, static_cast<quint32>(samples)},
        {278, 4, 1, kRows},
        {279, 4, static_cast<quint32>(counts.size()), countsAt},
    };
    if (offsets.size() == 1) {
        entries[5].value = offsets[0];
        entries[8].value = counts[0];
    }
    if (samples == 4)
        entries.push_back({338, 3, 1, 2});
    entries.push_back({339, 3, static_cast<quint32>(samples),
                       samples > 2 ? formatAt : static_cast<quint32>(sampleFormat)});
    if (file.size() % 2)
        file += '\0';
    qToLittleEndian(static_cast<quint32>(file.size()), file.data() + 4);
    file += le(static_cast<quint32>(entries.size()), 2);
    for (const Entry& e : entries)
        file += le(e.tag, 2) + le(e.type, 2) + le(e.count, 4) + le(e.value, 4);
    return file + le(0, 4);
}

}  // namespace

QByteArray floatTiff(QSize size) {
    return tiffOf(size, 4, 32, 3, [&](int y, QByteArray& row) {
        for (int x = 0; x < size.width(); ++x) {
            const auto c = colourAt(x, y);
            for (const float v : {c[0] / 65535.0f, c[1] / 65535.0f, c[2] / 65535.0f, 1.0f}) {
                char b[4];
                std::memcpy(b, &v, 4);
                row.append(b, 4);
            }
        }
    });
}

QByteArray rgbTiff(QSize size) {
    return tiffOf(size, 3, 8, 1, [&](int y, QByteArray& row) {
        for (int x = 0; x < size.width(); ++x)
            for (const quint16 v : colourAt(x, y))
                row.append(static_cast<char>(v >> 8));
    });
}

QByteArray lossyWebp(QSize size) {
#ifdef VELMIRA_TEST_WEBP
    std::vector<uint8_t> rgb(static_cast<std::size_t>(qint64{size.width()} * size.height() * 3));
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x) {
            const auto c = colourAt(x, y);
            uint8_t* p = rgb.data() + (qint64{y} * size.width() + x) * 3;
            p[0] = static_cast<uint8_t>(c[0] >> 8);
            p[1] = static_cast<uint8_t>(c[1] >> 8);
            p[2] = static_cast<uint8_t>(c[2] >> 8);
        }
    uint8_t* out = nullptr;
    const std::size_t length =
        WebPEncodeRGB(rgb.data(), size.width(), size.height(), size.width() * 3, 50, &out);
    const QByteArray webp(reinterpret_cast<const char*>(out), static_cast<qsizetype>(length));
    WebPFree(out);
    return webp;
#else
    Q_UNUSED(size);
    return {};
#endif
}

QByteArray animatedWebp(QSize canvas, int frames, QSize frame) {
#ifdef VELMIRA_TEST_WEBP
    std::vector<uint8_t> rgba(static_cast<std::size_t>(qint64{frame.width()} * frame.height() * 4),
                              200);
    uint8_t* out = nullptr;
    const std::size_t length =
        WebPEncodeLosslessRGBA(rgba.data(), frame.width(), frame.height(), frame.width() * 4, &out);
    const QByteArray still(reinterpret_cast<const char*>(out), static_cast<qsizetype>(length));
    WebPFree(out);
    const QByteArray own = still.mid(12);  // the VP8L chunk
    QByteArray body = "WEBP";
    body += "VP8X" + le(10, 4) + le(0x12, 4) + le(static_cast<quint32>(canvas.width() - 1), 3) +
            le(static_cast<quint32>(canvas.height() - 1), 3);
    body += "ANIM" + le(6, 4) + le(0, 4) + le(0, 2);
    for (int i = 0; i < frames; ++i) {
        const auto x = static_cast<quint32>((i * 64) % std::max(1, canvas.width() - frame.width()));
        const QByteArray payload = le(x / 2, 3) + le(0, 3) +
                                   le(static_cast<quint32>(frame.width() - 1), 3) +
                                   le(static_cast<quint32>(frame.height() - 1), 3) + le(100, 3) +
                                   QByteArray(1, '\0') + own;
        body += "ANMF" + le(static_cast<quint32>(payload.size()), 4) + payload;
        if (payload.size() % 2)
            body += '\0';
    }
    return "RIFF" + le(static_cast<quint32>(body.size()), 4) + body;
#else
    Q_UNUSED(canvas);
    Q_UNUSED(frames);
    Q_UNUSED(frame);
    return {};
#endif
}

QByteArray bigScreenGif(QSize screen) {
    QByteArray gif("GIF89a");
    gif +=
        le(static_cast<quint32>(screen.width()), 2) + le(static_cast<quint32>(screen.height()), 2);
    gif += QByteArray("\xf7\x00\x00", 3);  // a global table of 256 colours
    for (int i = 0; i < 256; ++i)
        gif += QByteArray(3, static_cast<char>(i));
    gif += QByteArray("\x2c", 1) + le(0, 2) + le(0, 2) + le(16, 2) + le(16, 2) + '\0';
    // 256 pixels as literal 9-bit codes, a clear code before every 250 of them.
    gif += '\x08';
    QByteArray codes;
    quint32 bits = 0;
    int count = 0;
    const auto put = [&](quint32 code) {
        bits |= code << count;
        count += 9;
        while (count >= 8) {
            codes += static_cast<char>(bits & 0xff);
            bits >>= 8;
            count -= 8;
        }
    };
    for (int i = 0; i < 256; ++i) {
        if (i % 250 == 0)
            put(256);
        put(static_cast<quint32>(i));
    }
    put(257);
    if (count > 0)
        codes += static_cast<char>(bits & 0xff);
    for (qsizetype at = 0; at < codes.size(); at += 255) {
        const QByteArray block = codes.mid(at, 255);
        gif += static_cast<char>(block.size()) + block;
    }
    return gif + QByteArray("\x00\x3b", 2);
}

namespace {

QByteArray saved(const QImage& image, const char* kind, bool progressive = false) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, kind);
    writer.setProgressiveScanWrite(progressive);
    writer.write(image);
    return bytes;
}

QImage smooth(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const auto c = colourAt(x, y);
            line[x] = qRgb(c[0] >> 8, c[1] >> 8, c[2] >> 8);
        }
    }
    return image;
}

}  // namespace

QByteArray progressiveJpeg(QSize size) {
    return saved(smooth(size), "jpeg", true);
}

QByteArray rgbBitmap(QSize size) {
    return saved(smooth(size), "bmp");
}

std::vector<CostlyPicture> suiteCostlyPictures() {
    std::vector<CostlyPicture> pictures = {
        {QStringLiteral("float RGBA TIFF 1800\u00b2"), floatTiff(QSize(1800, 1800)), "tif"},
        {QStringLiteral("16-bit PNG 3000\u00b2"), deepPng(QSize(3000, 3000)), "png"},
        {QStringLiteral("16-bit interlaced PNG 2500\u00b2"), deepPng(QSize(2500, 2500), true),
         "png"},
        {QStringLiteral("8-bit TIFF 3000\u00b2"), rgbTiff(QSize(3000, 3000)), "tif"},
        {QStringLiteral("GIF screen 3000\u00b2"), bigScreenGif(QSize(3000, 3000)), "gif"},
        {QStringLiteral("progressive JPEG 2600\u00b2"), progressiveJpeg(QSize(2600, 2600)), "jpg"},
        {QStringLiteral("bitmap 2500\u00b2"), rgbBitmap(QSize(2500, 2500)), "bmp"},
    };
#ifdef VELMIRA_TEST_WEBP
    pictures.push_back({QStringLiteral("animated WebP 3000\u00b2, 500 frames"),
                        animatedWebp(QSize(3000, 3000), 500, QSize(16, 16)), "webp"});
    pictures.push_back(
        {QStringLiteral("lossy WebP 2500\u00b2"), lossyWebp(QSize(2500, 2500)), "webp"});
#endif
    return pictures;
}

std::vector<CostlyPicture> benchCostlyPictures() {
    std::vector<CostlyPicture> pictures = {
        {QStringLiteral("float RGBA TIFF 3600\u00b2"), floatTiff(QSize(3600, 3600)), "tif"},
        {QStringLiteral("16-bit PNG 1 \u00d7 60,000,000"), deepPng(QSize(1, 60000000)), "png"},
        {QStringLiteral("16-bit PNG 8000\u00b2"), deepPng(QSize(8000, 8000)), "png"},
        {QStringLiteral("16-bit PNG 16384\u00b2"), deepPng(QSize(16384, 16384)), "png"},
        {QStringLiteral("16-bit interlaced PNG 16384\u00b2"), deepPng(QSize(16384, 16384), true),
         "png"},
        {QStringLiteral("8-bit TIFF 8192\u00b2"), rgbTiff(QSize(8192, 8192)), "tif"},
        {QStringLiteral("8-bit TIFF 16384\u00b2"), rgbTiff(QSize(16384, 16384)), "tif"},
        {QStringLiteral("GIF screen 8000\u00b2"), bigScreenGif(QSize(8000, 8000)), "gif"},
        {QStringLiteral("progressive JPEG 6000\u00b2"), progressiveJpeg(QSize(6000, 6000)), "jpg"},
    };
#ifdef VELMIRA_TEST_WEBP
    for (const int side : {4000, 5500, 6000, 8000})
        pictures.push_back(
            {QStringLiteral("animated WebP of %1 \u00d7 %1, 10,000 frames of 16 \u00d7 16")
                 .arg(side),
             animatedWebp(QSize(side, side), 10000, QSize(16, 16)), "webp"});
    pictures.push_back(
        {QStringLiteral("lossy WebP 8192\u00b2"), lossyWebp(QSize(8192, 8192)), "webp"});
#endif
    return pictures;
}

MeasuredRead measureRead(const QString& helper, const QString& file) {
    QProcess process;
    process.start(helper, {file});
    MeasuredRead measured;
    if (!process.waitForFinished(600000) || process.exitCode() != 0)
        return measured;
    measured.ran = true;
    for (const QByteArray& line : process.readAllStandardOutput().split('\n')) {
        const QByteArray key = line.split(' ').first();
        const QByteArray value = line.mid(key.size() + 1);
        if (key == "planned")
            measured.planned = value.toLongLong();
        else if (key == "peak")
            measured.peak = value.toLongLong();
        else if (key == "millis")
            measured.millis = value.toLongLong();
        else if (key == "read") {
            measured.read = true;
            const QList<QByteArray> sides = value.split('x');
            measured.size = QSize(sides.value(0).toInt(), sides.value(1).toInt());
        } else if (key == "refused")
            measured.refusal = QString::fromUtf8(value);
    }
    return measured;
}

}  // namespace velmira::test
