#include "helpers/testenv.h"
#include "picture/bmp.h"
#include "picture/colourprofile.h"
#include "picture/exif.h"
#include "picture/heif.h"
#include "picture/picturecost.h"
#include "picture/pngstream.h"
#include "picture/readfile.h"
#include "picture/readpicture.h"

#include <QBuffer>
#include <QColorSpace>
#include <QDeadlineTimer>
#include <QDir>
#include <QImageWriter>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>
#include <QtEndian>

#include <array>
#include <atomic>
#include <thread>

#include <gtest/gtest.h>

#ifndef Q_OS_WIN
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace velmira::picture;
using namespace velmira::test;

namespace {

void put32(QByteArray& b, qsizetype at, quint32 v) {
    qToLittleEndian(v, b.data() + at);
}
void put16(QByteArray& b, qsizetype at, quint16 v) {
    qToLittleEndian(v, b.data() + at);
}

// A bitmap with the 40-byte header, a palette of `colours` entries (entry i = (i, 2i, 3i)) and
// the given pixel bytes (compressed or not) right after the palette.
QByteArray bmp(int bits, quint32 compression, int width, int height, const QByteArray& pixels,
               quint32 coloursUsed = 0, int colours = 256) {
    QByteArray b(14 + 40, '\0');
    b[0] = 'B';
    b[1] = 'M';
    put32(b, 14, 40);
    put32(b, 18, static_cast<quint32>(width));
    put32(b, 22, static_cast<quint32>(height));
    put16(b, 26, 1);
    put16(b, 28, static_cast<quint16>(bits));
    put32(b, 30, compression);
    put32(b, 46, coloursUsed);
    for (int i = 0; i < colours; ++i) {
        b.append(static_cast<char>((3 * i) & 0xff));
        b.append(static_cast<char>((2 * i) & 0xff));
        b.append(static_cast<char>(i & 0xff));
        b.append('\0');
    }
    put32(b, 10, static_cast<quint32>(b.size()));
    b.append(pixels);
    put32(b, 2, static_cast<quint32>(b.size()));
    return b;
}

QByteArray bytes(std::initializer_list<int> values) {
    QByteArray out;
    for (int v : values)
        out.append(static_cast<char>(v));
    return out;
}

// The indices of a decoded picture, top row first.
std::vector<int> indices(const QImage& image) {
    std::vector<int> out;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            out.push_back(image.constScanLine(y)[x]);
    return out;
}

TEST(PalettedBitmap, Rle8RunsLiteralsAndSkippedPixelsAreExact) {
    // 4 x 3, bottom row first: a run of 7s; a literal 1 2 3 then an early end of line; a move
    // right by 2 and up by 0, then one 9; end of bitmap.
    const QByteArray rle = bytes({4, 7, 0, 0,                // row 2 (bottom): 7 7 7 7
                                  0, 3, 1, 2, 3, 0, 0, 0,    // row 1: 1 2 3, then skipped
                                  0, 2, 2, 0, 1, 9, 0, 1});  // row 0: skipped, skipped, 9
    const QByteArray file = bmp(8, 1, 4, 3, rle);
    const auto image = decodePalettedBmp(file);
    ASSERT_TRUE(image) << image.error().toStdString();
    EXPECT_EQ(indices(image.value()), std::vector<int>({0, 0, 9, 0, 1, 2, 3, 0, 7, 7, 7, 7}));
    EXPECT_EQ(image->colorTable().size(), 256);
    EXPECT_EQ(image->colorTable()[5], qRgb(5, 10, 15));
    EXPECT_EQ(image->text(kBitsKey), QStringLiteral("8"));
    // The same file compiles to the same bytes every time.
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(decodePalettedBmp(file)->constBits()[0], 0);
    // Runs and literals longer than the row: what falls past its end is not drawn.
    const auto past = decodePalettedBmp(bmp(8, 1, 4, 2,
                                            bytes({255, 5, 0, 0,                      // bottom row
                                                   0, 6, 1, 2, 3, 4, 6, 8, 0, 1})));  // top row
    ASSERT_TRUE(past) << past.error().toStdString();
    EXPECT_EQ(indices(past.value()), std::vector<int>({1, 2, 3, 4, 5, 5, 5, 5}));
}

TEST(PalettedBitmap, Rle4AlternatesNibblesAndPadsLiterals) {
    const QByteArray rle =
        bytes({8, 0x12, 0, 0,  // bottom: 1 2 1 2 1 2 1 2
                               // middle: a literal 3 4 5 6 7 (padded to 4 bytes), then 3 x 11
               0, 5, 0x34, 0x56, 0x70, 0, 3, 0xbb, 0, 0, 0, 3, 0x89, 0xa0, 0,
               1});  // top: 8 9 10, rest skipped
    const auto image = decodePalettedBmp(bmp(4, 2, 8, 3, rle, 16, 16));
    ASSERT_TRUE(image) << image.error().toStdString();
    EXPECT_EQ(indices(image.value()), std::vector<int>({8, 9,  10, 0,  0, 0, 0, 0, 3, 4, 5, 6,
                                                        7, 11, 11, 11, 1, 2, 1, 2, 1, 2, 1, 2}));
    EXPECT_EQ(image->colorTable().size(), 16);
}

TEST(PalettedBitmap, CutShortFilesOfEveryKindAreRefused) {
    const QByteArray rle = bytes({4, 7, 0, 0, 4, 8, 0, 0, 4, 9, 0, 1});
    const QByteArray whole = bmp(8, 1, 4, 3, rle);
    ASSERT_TRUE(decodePalettedBmp(whole));
    EXPECT_FALSE(decodePalettedBmp(whole.left(whole.size() - 5))) << "RLE8 ends before its rows";
    // Data that ends exactly at the end of the file, with no end-of-bitmap code, is whole.
    EXPECT_TRUE(decodePalettedBmp(bmp(8, 1, 4, 2, bytes({4, 7, 0, 0, 4, 8, 0, 0}))))
        << "ends with its last row's end";
    EXPECT_TRUE(decodePalettedBmp(bmp(8, 1, 4, 2, bytes({4, 7, 0, 0, 0, 2, 0, 5}))))
        << "ends with a move past the top";
    EXPECT_FALSE(decodePalettedBmp(bmp(8, 1, 4, 2, bytes({4, 7, 0, 0, 0, 2, 0}))))
        << "a move cut short";
    const QByteArray literal = bmp(8, 1, 8, 1, bytes({0, 8, 1, 2, 3, 4, 5, 6, 7, 8, 0, 1}));
    ASSERT_TRUE(decodePalettedBmp(literal));
    EXPECT_FALSE(decodePalettedBmp(literal.left(literal.size() - 6))) << "a literal cut short";

    // The 12-byte core header: palette of 3-byte entries.
    QByteArray core(14 + 12, '\0');
    core[0] = 'B';
    core[1] = 'M';
    put32(core, 14, 12);
    put16(core, 18, 16);
    put16(core, 20, 16);
    put16(core, 22, 1);
    put16(core, 24, 8);
    core.append(QByteArray(256 * 3, '\x11'));
    put32(core, 10, static_cast<quint32>(core.size()));
    core.append(QByteArray(16 * 16, '\x05'));
    const auto read = decodePalettedBmp(core);
    ASSERT_TRUE(read) << read.error().toStdString();
    EXPECT_EQ(read->pixelIndex(3, 3), 5);
    EXPECT_EQ(read->colorTable()[5], qRgb(0x11, 0x11, 0x11));
    EXPECT_FALSE(decodePalettedBmp(core.left(core.size() - 16))) << "core header, rows missing";

    const QByteArray truecolour = bitmapOfDepth(24, 16, 16, [](int, int) { return qRgb(1, 2, 3); });
    EXPECT_FALSE(bmpCutShort(truecolour));
    EXPECT_TRUE(bmpCutShort(truecolour.left(truecolour.size() - 20)));
    EXPECT_FALSE(decodePicture(truecolour.left(truecolour.size() - 20)));
}

TEST(PalettedBitmap, AColourCountAboveTheMaximumMeansTheMaximum) {
    QByteArray pixels(16 * 16, '\x02');
    const auto image = decodePalettedBmp(bmp(8, 0, 16, 16, pixels, 300));
    ASSERT_TRUE(image) << image.error().toStdString();
    EXPECT_EQ(image->colorTable()[2], qRgb(2, 4, 6));
    const auto fewer = decodePalettedBmp(bmp(8, 0, 16, 16, pixels, 4, 4));
    ASSERT_TRUE(fewer);
    EXPECT_EQ(fewer->colorTable()[200], qRgb(0, 0, 0)) << "unlisted entries are black";
}

TEST(PalettedBitmap, TopDownRowsAndOneBitPixelsReadInPlace) {
    QByteArray rows;
    rows.append(bytes({0x80, 0, 0, 0}));  // top row: 1 0 0 ...
    rows.append(bytes({0x01, 0, 0, 0}));  // second row: ... 0 1 at x = 7
    const auto image = decodePalettedBmp(bmp(1, 0, 8, -2, rows, 2, 2));
    ASSERT_TRUE(image) << image.error().toStdString();
    EXPECT_EQ(image->pixelIndex(0, 0), 1);
    EXPECT_EQ(image->pixelIndex(7, 1), 1);
    EXPECT_EQ(image->pixelIndex(7, 0), 0);
}

TEST(PalettedBitmap, SurvivesEveryTruncationAndByteFlip) {
    const QByteArray good =
        bmp(8, 1, 6, 4, bytes({3, 1, 0, 4, 1, 2, 3, 4, 0, 0, 0, 2, 1, 1, 2, 5, 0, 1}));
    for (qsizetype cut = 0; cut < good.size(); ++cut)
        (void)decodePalettedBmp(good.left(cut));
    for (qsizetype at = 0; at < good.size(); ++at) {
        for (int flip : {0x01, 0x80, 0xff}) {
            QByteArray bad = good;
            bad[at] = static_cast<char>(bad[at] ^ flip);
            (void)decodePalettedBmp(bad);
        }
    }
}

#ifndef Q_OS_WIN
TEST(RegularFiles, DevicesFifosAndLinksToThemAreRefusedWithoutReading) {
    Scratch scratch;
    const QString fifo = scratch.path(QStringLiteral("pipe.bmp"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString zero = scratch.path(QStringLiteral("zero.wad"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), zero));
    const QString fifoLink = scratch.path(QStringLiteral("pipe-link.wad"));
    ASSERT_TRUE(QFile::link(fifo, fifoLink));
    for (const QString& path : {fifo, zero, fifoLink, scratch.path()}) {
        const auto read = readRegularFile(path, 1 << 20);
        ASSERT_FALSE(read) << path.toStdString();
        EXPECT_TRUE(read.error().endsWith(QStringLiteral("is not a regular file")));
        EXPECT_FALSE(readPicture(path));
    }
    const QString big = scratch.write(QStringLiteral("big.bmp"), QByteArray(5000, 'x'));
    EXPECT_FALSE(readRegularFile(big, 4999));
    EXPECT_TRUE(readRegularFile(big, 5000));
}

// A shared folder where another user renames a FIFO and a file back and forth under one name.
TEST(RegularFiles, ANameSwappedBetweenAFileAndAFifoNeverBlocksARead) {
    Scratch scratch;
    const QByteArray name = QFile::encodeName(scratch.path(QStringLiteral("swap.bmp")));
    const QByteArray file =
        QFile::encodeName(scratch.write(QStringLiteral("file.bmp"), QByteArray(100, 'x')));
    const QByteArray fifo = QFile::encodeName(scratch.path(QStringLiteral("fifo.bmp")));
    ASSERT_EQ(mkfifo(fifo.constData(), 0600), 0);
    constexpr int kReads = 3000;
    std::atomic<bool> stop{false};
    std::atomic<int> reads{0};
    std::thread swapper([&] {
        while (!stop) {
            for (const QByteArray& other : {file, fifo}) {
                ::rename(other.constData(), name.constData());
                ::rename(name.constData(), other.constData());
            }
        }
    });
    std::thread reader([&] {
        for (int i = 0; i < kReads; ++i, ++reads)
            (void)readRegularFile(QFile::decodeName(name), 1 << 20);
    });
    QDeadlineTimer deadline(30000);
    while (reads < kReads && !deadline.hasExpired())
        QThread::msleep(10);
    const int done = reads;
    stop = true;
    swapper.join();
    // A read stuck in opening the FIFO is let go, so that the test ends either way.
    while (reads < kReads) {
        for (const QByteArray& path : {name, fifo}) {
            const int writer = ::open(path.constData(), O_WRONLY | O_NONBLOCK);
            if (writer >= 0)
                ::close(writer);
        }
        QThread::msleep(1);
    }
    reader.join();
    EXPECT_EQ(done, kReads) << "a read blocked on the FIFO";
}
#endif

TEST(PictureKinds, DecidedByContentElseByNameAndRefusedWhenCutShort) {
    // An uncompressed 3 x 2 TGA (no signature), bottom row first.
    QByteArray tga(18, '\0');
    tga[2] = 2;
    tga[12] = 3;
    tga[14] = 2;
    tga[16] = 24;
    tga.append(QByteArray(3 * 2 * 3, '\x40'));
    // The same picture run-length encoded, rows top-down: a run of 4 grey, 2 literal pixels.
    QByteArray rleTga = tga.left(18);
    rleTga[2] = 10;
    rleTga[17] = 0x20;
    rleTga.append(bytes({0x83, 0x40, 0x40, 0x40, 0x01, 1, 2, 3, 4, 5, 6}));
    QImage photo(64, 48, QImage::Format_RGB32);
    photo.fill(qRgb(200, 30, 60));
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(photo.save(&buffer, "JPEG"));
    QByteArray png;
    QBuffer pngBuffer(&png);
    ASSERT_TRUE(photo.save(&pngBuffer, "PNG"));
    // A picture bomb: the header claims 50,000 x 50,000 pixels (its checksum made right).
    QByteArray bomb = png;
    qToBigEndian<quint32>(50000, bomb.data() + 16);
    qToBigEndian<quint32>(50000, bomb.data() + 20);
    const auto crc32 = [](const QByteArray& data) {
        quint32 crc = 0xffffffffu;
        for (const char byte : data) {
            crc ^= static_cast<uchar>(byte);
            for (int bit = 0; bit < 8; ++bit)
                crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
        }
        return ~crc;
    };
    qToBigEndian<quint32>(crc32(bomb.mid(12, 17)), bomb.data() + 29);
    // A 20-megapixel photo is read at a reduced size; this one's pixels are missing.
    QByteArray large = png;
    qToBigEndian<quint32>(5000, large.data() + 16);
    qToBigEndian<quint32>(4000, large.data() + 20);
    qToBigEndian<quint32>(crc32(large.mid(12, 17)), large.data() + 29);
    // The smallest whole GIF: 1 x 1, a two-colour table, one frame, the trailer.
    const QByteArray gif(
        "GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\xff\xff\x00\x00\x00"
        ",\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x44\x01\x00;",
        35);
    QByteArray hugeFrame = gif;
    hugeFrame[24] = hugeFrame[25] = hugeFrame[26] = hugeFrame[27] = '\xff';
    const struct {
        const char* what;
        QByteArray bytes;
        QByteArray name;
        bool read;
        // Whether the quick check, which reads headers only, refuses it too (a run-length
        // picture's runs and a PNG's pixels are not read).
        bool headersTell = true;
    } cases[] = {
        {"a TGA by its name", tga, "tga", true},
        {"a TGA named as something else", tga, "png", false},
        {"a cut-short TGA", tga.left(tga.size() - 1), "tga", false},
        {"a run-length TGA", rleTga, "TGA", true},
        {"a run-length TGA cut short", rleTga.left(rleTga.size() - 2), "tga", false, false},
        {"a whole JPEG, whatever its name", jpeg, "gif", true},
        {"a cut-short JPEG", jpeg.left(jpeg.size() * 2 / 3), "jpg", false},
        {"a JPEG missing its end marker", jpeg.left(jpeg.size() - 2), "jpg", false},
        {"a whole PNG", png, "png", true},
        {"a PNG cut short", png.left(png.size() / 2), "png", false},
        {"a PNG without its end chunk", png.left(png.size() - 12), "png", false},
        {"a PNG claiming 50,000 x 50,000 pixels", bomb, "png", false},
        {"a PNG claiming 5,000 x 4,000 pixels", large, "png", false, false},
        {"a paletted bitmap", bitmap8(16, 16), "bmp", true},
        {"a paletted bitmap cut short", bitmap8(16, 16).left(600), "bmp", false},
        {"a paletted bitmap missing its last rows", bitmap8(16, 16).left(1078 + 100), "bmp", false},
        {"a whole GIF", gif, "gif", true},
        {"a GIF without its trailer", gif.left(gif.size() - 1), "gif", false},
        {"a GIF whose image data is cut", gif.left(gif.size() - 4), "gif", false},
        {"a GIF frame claiming 65535 x 65535", hugeFrame, "gif", false},
    };
    // Colour-mapped: a two-entry map starting at entry 1, then 8-bit indices.
    QByteArray mapped = tga.left(18);
    mapped[1] = 1;
    mapped[2] = 1;
    mapped[3] = 1;  // the map's first entry
    mapped[5] = 2;  // two entries
    mapped[7] = 24;
    mapped[16] = 8;
    mapped.append(bytes({10, 20, 30, 1, 2, 3, 2, 1, 1, 1, 1, 1}));
    const auto colours = decodePicture(mapped, "tga");
    ASSERT_TRUE(colours) << colours.error().toStdString();
    EXPECT_EQ(colours->pixel(0, 1), qRgb(3, 2, 1)) << "bottom row first";
    EXPECT_EQ(colours->pixel(1, 1), qRgb(30, 20, 10));
    EXPECT_FALSE(decodePicture(mapped.left(20), "tga")) << "the map cut short";
    for (const auto& c : cases) {
        const auto image = decodePicture(c.bytes, c.name);
        EXPECT_EQ(bool(image), c.read) << c.what;
        // The quick check before the spray maker opens refuses the same files.
        EXPECT_EQ(bool(checkPicture(c.bytes, c.name)), c.read || !c.headersTell) << c.what;
        if (image && c.name.toLower() == "tga") {
            EXPECT_EQ(image->size(), QSize(3, 2)) << c.what;
            EXPECT_EQ(image->pixel(0, 0), qRgb(0x40, 0x40, 0x40)) << c.what;
            if (c.bytes == rleTga) {
                EXPECT_EQ(image->pixel(2, 1), qRgb(6, 5, 4)) << "stored blue first";
            }
        }
        if (!image) {
            EXPECT_FALSE(image.error().isEmpty()) << c.what;
        }
    }
}

}  // namespace

namespace {

// A picture whose left half is blue and right half red, in a format Qt writes.
QByteArray halvesIn(QSize size, const char* format, QImage::Format stored = QImage::Format_RGB32,
                    int alpha = 255) {
    QImage picture(size, QImage::Format_ARGB32);
    picture.fill(qRgba(220, 30, 20, alpha));
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        std::fill(line, line + size.width() / 2, qRgba(20, 30, 220, alpha));
    }
    QByteArray encoded;
    QBuffer buffer(&encoded);
    buffer.open(QIODevice::WriteOnly);
    picture.convertToFormat(stored).save(&buffer, format);
    return encoded;
}

// A little-endian TIFF of one picture: its directory's entries (tag, type: 3 a short, 4 a long;
// one value each, kDataAt where the data after the directory is meant) and that data.
constexpr quint32 kDataAt = 0xffffffffu;
QByteArray handMadeTiff(const std::vector<std::array<quint32, 3>>& entries,
                        const QByteArray& data) {
    QByteArray tiff = QByteArray("II*\0", 4) + QByteArray(6, '\0');
    put32(tiff, 4, 8);
    put16(tiff, 8, static_cast<quint16>(entries.size()));
    const auto dataAt = static_cast<quint32>(8 + 2 + 12 * entries.size() + 4);
    for (const auto& e : entries) {
        QByteArray entry(12, '\0');
        put16(entry, 0, static_cast<quint16>(e[0]));
        put16(entry, 2, static_cast<quint16>(e[1]));
        put32(entry, 4, 1);
        const quint32 value = e[2] == kDataAt ? dataAt : e[2];
        if (e[1] == 3)
            put16(entry, 8, static_cast<quint16>(value));
        else
            put32(entry, 8, value);
        tiff += entry;
    }
    return tiff + QByteArray(4, '\0') + data;
}

// A lossless WebP of headers only, of any size.
QByteArray losslessWebpClaiming(int width, int height) {
    QByteArray webp = QByteArray("RIFF") + QByteArray(4, '\0') + "WEBPVP8L" + QByteArray(4, '\0');
    QByteArray vp8l = bytes({0x2f}) + QByteArray(4, '\0') + QByteArray(200, '\0');
    put32(vp8l, 1, static_cast<quint32>(width - 1) | (static_cast<quint32>(height - 1) << 14));
    put32(webp, 16, static_cast<quint32>(vp8l.size()));
    webp += vp8l;
    put32(webp, 4, static_cast<quint32>(webp.size() - 8));
    return webp;
}

// A lossy WebP of headers only (a key frame's), of any size; with an alpha plane, an extended
// file.
QByteArray lossyWebpClaiming(int width, int height, bool alpha = false) {
    QByteArray frame = bytes({0x50, 0x01, 0x00, 0x9d, 0x01, 0x2a});
    frame += QByteArray(4, '\0') + QByteArray(100, '\0');
    put16(frame, 6, static_cast<quint16>(width));
    put16(frame, 8, static_cast<quint16>(height));
    QByteArray webp = QByteArray("RIFF") + QByteArray(4, '\0') + "WEBP";
    if (alpha) {
        // An extended file: its alpha flag and canvas, and an alpha plane's chunk.
        webp += QByteArray("VP8X") + bytes({10, 0, 0, 0, 0x10, 0, 0, 0});
        for (const int side : {width - 1, height - 1})
            webp += bytes({side & 0xff, (side >> 8) & 0xff, (side >> 16) & 0xff});
        webp += QByteArray("ALPH") + bytes({2, 0, 0, 0, 0, 0});
    }
    webp += QByteArray("VP8 ") + QByteArray(4, '\0');
    put32(webp, webp.size() - 4, static_cast<quint32>(frame.size()));
    webp += frame;
    put32(webp, 4, static_cast<quint32>(webp.size() - 8));
    return webp;
}

}  // namespace

// A photo of any size is read at a reduced size of the same shape, never refused for its size,
// and a tiny file claiming a huge picture costs no full-size copy; the quick check before the
// spray maker opens reads only the headers and tells the full size.
TEST(PictureKinds, LargePicturesAreReadAtAReducedSizeOfTheSameShape) {
    // An RLE8 bitmap of 8192 x 8192 in 1,080 bytes: one end-of-picture code.
    QByteArray bomb = bitmap8(8192, 8192, 256).left(54 + 1024);
    bomb[30] = 1;
    bomb.append(QByteArray("\x00\x01", 2));
    bomb[54] = 40;  // palette entry 0, the colour of every pixel: blue, green, red
    bomb[55] = 80;
    bomb[56] = 120;
    // A run-length TGA of 65535 x 256: runs of 128 grey pixels.
    QByteArray wide(18, '\0');
    wide[2] = 10;
    qToLittleEndian<quint16>(65535, wide.data() + 12);
    qToLittleEndian<quint16>(256, wide.data() + 14);
    wide[16] = 24;
    for (qint64 left = qint64{65535} * 256; left > 0; left -= 128)
        wide.append(bytes({0x80 | static_cast<int>(std::min<qint64>(left, 128) - 1), 90, 90, 90}));
    const struct {
        const char* what;
        QByteArray bytes;
        QSize full;
        bool halves;
        int alpha = 255;
    } cases[] = {
        {"a 2400 x 1800 JPEG", halvesIn(QSize(2400, 1800), "JPEG"), QSize(2400, 1800), true},
        {"a 2400 x 1800 PNG", halvesIn(QSize(2400, 1800), "PNG"), QSize(2400, 1800), true},
        // TIFF and WebP through libtiff and libwebp (Debian's; on Windows, built from Debian's
        // sources), a row or a tile at a time.
        {"a 1800 x 2400 TIFF", halvesIn(QSize(1800, 2400), "TIFF"), QSize(1800, 2400), true},
        {"a 16-bit 2100 x 2100 TIFF", halvesIn(QSize(2100, 2100), "TIFF", QImage::Format_RGBX64),
         QSize(2100, 2100), true},
        {"a 2400 x 1800 WebP", halvesIn(QSize(2400, 1800), "WEBP"), QSize(2400, 1800), true},
        {"a see-through 2100 x 2100 TIFF",
         halvesIn(QSize(2100, 2100), "TIFF", QImage::Format_ARGB32, 128), QSize(2100, 2100), true,
         128},
        {"a 1 KB RLE8 bitmap of 8192 x 8192", bomb, QSize(8192, 8192), false},
        {"a run-length TGA of 65535 x 256", wide, QSize(65535, 256), false},
    };
    for (const auto& c : cases) {
        const auto checked = checkPicture(c.bytes, "tga");
        ASSERT_TRUE(checked) << c.what << ": " << checked.error().toStdString();
        EXPECT_EQ(checked.value(), c.full) << c.what;
        const auto image = decodePicture(c.bytes, "tga");
        ASSERT_TRUE(image) << c.what << ": " << image.error().toStdString();
        EXPECT_EQ(image->size(), readSize(c.full)) << c.what;
        EXPECT_LE(qint64{image->width()} * image->height(), kMaxReadPixels) << c.what;
        EXPECT_NEAR(double(image->width()) / image->height(),
                    double(c.full.width()) / c.full.height(),
                    2.0 / std::min(image->width(), image->height()) *
                        std::max(1.0, double(c.full.width()) / c.full.height()))
            << c.what << ": the shape is kept";
        if (c.bytes == bomb) {
            EXPECT_EQ(image->pixel(100, 100), qRgb(120, 80, 40)) << "each pixel the average";
        }
        if (c.bytes == wide) {
            EXPECT_EQ(image->pixel(100, 100), qRgb(90, 90, 90)) << "each pixel the average";
        }
        if (c.halves) {
            const QRgb left = image->pixel(4, image->height() / 2);
            const QRgb right = image->pixel(image->width() - 5, image->height() / 2);
            EXPECT_GT(qBlue(left), 180) << c.what;
            EXPECT_GT(qRed(right), 180) << c.what;
            EXPECT_EQ(qAlpha(image->pixel(0, 0)), c.alpha) << c.what << ": the first block too";
        }
    }
    EXPECT_EQ(readSize(QSize(8192, 6144)), QSize(2364, 1773));
    EXPECT_EQ(readSize(QSize(2048, 2048)), QSize(2048, 2048)) << "at the limit: as it is";
    EXPECT_EQ(readSize(QSize(100000, 1)), QSize(100000, 1));
}

// WebP and TIFF pictures of each layout their writers use are read with their own colours and
// opacity: 8 and 16 bits, grey (either way round), straight and premultiplied alpha, strips and
// tiles (the last ones cut by the picture's edge), turned by the orientation tag; one cut short,
// damaged or whose reading is cancelled is refused, never filled in.
TEST(PictureKinds, WebpAndTiffOfEachLayoutKeepTheirColours) {
    QImage colours(16, 8, QImage::Format_ARGB32);
    colours.fill(qRgba(200, 100, 50, 255));
    for (int y = 0; y < 8; ++y)
        for (int x = 8; x < 16; ++x)
            colours.setPixel(x, y, qRgba(20, 40, 220, y == 0 ? 0 : 128));
    const auto written = [](const QImage& image, const char* format, int quality = -1,
                            QImageIOHandler::Transformations turn =
                                QImageIOHandler::TransformationNone) {
        QByteArray out;
        QBuffer buffer(&out);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, format);
        writer.setQuality(quality);
        writer.setTransformation(turn);
        EXPECT_TRUE(writer.write(image)) << format;
        return out;
    };
    const QRgb left = qRgba(200, 100, 50, 255), right = qRgba(20, 40, 220, 128);
    const QRgb greyLeft = colours.convertToFormat(QImage::Format_Grayscale16).pixel(0, 0);
    // 20 x 10 in one tile of 32 x 16, pixel (x, y) = (10x, 20y, 77).
    QByteArray tile(32 * 16 * 3, '\0');
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 32; ++x) {
            tile[(y * 32 + x) * 3] = static_cast<char>(x * 10);
            tile[(y * 32 + x) * 3 + 1] = static_cast<char>(y * 20);
            tile[(y * 32 + x) * 3 + 2] = 77;
        }
    const QByteArray tiled = handMadeTiff({{256, 4, 20},
                                           {257, 4, 10},
                                           {258, 3, 8},
                                           {259, 3, 1},
                                           {262, 3, 2},
                                           {277, 3, 3},
                                           {322, 4, 32},
                                           {323, 4, 16},
                                           {324, 4, kDataAt},
                                           {325, 4, 32 * 16 * 3}},
                                          tile);
    // 4 x 2 grey, 0 white; turned a quarter clockwise by its tag when `turned`.
    const auto whiteIsZero = [](quint32 orientation, int keep) {
        return handMadeTiff({{256, 4, 4},
                             {257, 4, 2},
                             {258, 3, 8},
                             {259, 3, 1},
                             {262, 3, 0},
                             {273, 4, kDataAt},
                             {274, 3, orientation},
                             {277, 3, 1},
                             {278, 4, 2},
                             {279, 4, 8}},
                            bytes({0, 255, 100, 50, 10, 20, 30, 40}).left(keep));
    };
    const struct {
        const char* what;
        QByteArray bytes;
        QSize size;
        std::vector<std::tuple<QPoint, QRgb, int>> probes;  // where, what, give or take
    } cases[] = {
        {"an 8-bit TIFF, straight alpha",
         written(colours, "TIFF"),
         QSize(16, 8),
         {{QPoint(0, 0), left, 0}, {QPoint(15, 7), right, 1}, {QPoint(15, 0), 0, 0}}},
        {"an 8-bit TIFF, premultiplied alpha",
         written(colours.convertToFormat(QImage::Format_ARGB32_Premultiplied), "TIFF"),
         QSize(16, 8),
         {{QPoint(0, 0), left, 0}, {QPoint(15, 7), right, 2}, {QPoint(15, 0), 0, 0}}},
        {"a 16-bit TIFF",
         written(colours.convertToFormat(QImage::Format_RGBX64), "TIFF"),
         QSize(16, 8),
         {{QPoint(3, 3), left, 0}, {QPoint(12, 3), qRgb(20, 40, 220), 0}}},
        {"a 16-bit grey TIFF",
         written(colours.convertToFormat(QImage::Format_Grayscale16), "TIFF"),
         QSize(16, 8),
         {{QPoint(0, 0), greyLeft, 1}}},
        {"a TIFF turned a quarter",
         written(colours, "TIFF", -1, QImageIOHandler::TransformationRotate90),
         QSize(8, 16),
         {{QPoint(0, 0), left, 0}, {QPoint(0, 15), right, 1}, {QPoint(7, 15), 0, 0}}},
        {"a tiled TIFF",
         tiled,
         QSize(20, 10),
         {{QPoint(0, 0), qRgb(0, 0, 77), 0}, {QPoint(19, 9), qRgb(190, 180, 77), 0}}},
        {"an RGBA TIFF that does not say what its fourth sample is",
         handMadeTiff({{256, 4, 2},
                       {257, 4, 1},
                       {258, 3, 8},
                       {259, 3, 1},
                       {262, 3, 2},
                       {273, 4, kDataAt},
                       {277, 3, 4},
                       {278, 4, 1},
                       {279, 4, 8}},
                      bytes({100, 50, 0, 255, 0, 0, 0, 0})),
         QSize(2, 1),
         {{QPoint(0, 0), qRgb(100, 50, 0), 0}, {QPoint(1, 0), 0, 0}}},
        {"a grey TIFF, 0 white",
         whiteIsZero(1, 8),
         QSize(4, 2),
         {{QPoint(0, 0), qRgb(255, 255, 255), 0}, {QPoint(3, 0), qRgb(205, 205, 205), 0}}},
        {"a grey TIFF, 0 white, turned",
         whiteIsZero(6, 8),
         QSize(2, 4),
         {{QPoint(1, 0), qRgb(255, 255, 255), 0}, {QPoint(0, 0), qRgb(245, 245, 245), 0}}},
        {"a lossless WebP",
         written(colours, "WEBP", 100),
         QSize(16, 8),
         {{QPoint(0, 0), left, 0}, {QPoint(15, 7), right, 0}}},
        {"a lossy WebP",
         written(colours.convertToFormat(QImage::Format_RGB32), "WEBP", 90),
         QSize(16, 8),
         {{QPoint(2, 4), left, 12}}},
    };
    const auto near = [](QRgb a, QRgb b, int by) {
        return std::abs(qRed(a) - qRed(b)) <= by && std::abs(qGreen(a) - qGreen(b)) <= by &&
               std::abs(qBlue(a) - qBlue(b)) <= by && std::abs(qAlpha(a) - qAlpha(b)) <= by;
    };
    for (const auto& c : cases) {
        const auto image = decodePicture(c.bytes);
        ASSERT_TRUE(image) << c.what << ": " << image.error().toStdString();
        EXPECT_EQ(image->size(), c.size) << c.what;
        for (const auto& [at, colour, by] : c.probes) {
            const QRgb got = image->pixel(at);
            EXPECT_TRUE(near(got, colour, by)) << c.what << " at " << at.x() << "," << at.y()
                                               << ": " << std::hex << got << " for " << colour;
        }
    }
    // A colour profile of its own is converted to sRGB.
    QImage wide = colours.convertToFormat(QImage::Format_RGB32);
    wide.setColorSpace(QColorSpace(QColorSpace::DisplayP3));
    const auto p3 = decodePicture(written(wide, "WEBP", 100));
    ASSERT_TRUE(p3) << p3.error().toStdString();
    EXPECT_TRUE(
        near(p3->pixel(0, 0), wide.convertedToColorSpace(QColorSpace::SRgb).pixel(0, 0), 1));
    EXPECT_FALSE(near(p3->pixel(0, 0), left, 6)) << "converted";
    // Refused: cut short, damaged, cancelled while it is read.
    const QByteArray lossless = written(colours, "WEBP", 100);
    // Asked before the reader starts, then by the reader: after its first row of tiles, or
    // its first 64 rows.
    int tiledChecks = 0, stripChecks = 0;
    const struct {
        const char* what;
        QByteArray bytes;
        velmira::CancelCheck cancel;
    } refused[] = {
        {"a TIFF cut short", whiteIsZero(1, 6), {}},
        {"a WebP cut short", lossless.left(lossless.size() - 6), {}},
        {"a WebP of headers only", lossyWebpClaiming(64, 64), {}},
        {"a tiled TIFF, cancelled", tiled, [&] { return ++tiledChecks > 1; }},
        {"a TIFF of 100 rows, cancelled", halvesIn(QSize(40, 100), "TIFF"),
         [&] { return ++stripChecks > 1; }},
    };
    for (const auto& r : refused) {
        const auto image = decodePicture(r.bytes, {}, r.cancel);
        ASSERT_FALSE(image) << r.what;
        EXPECT_FALSE(image.error().isEmpty()) << r.what;
    }
    const QByteArray noDirectory = QByteArray("II*\0", 4) + bytes({0, 1, 0, 0});
    EXPECT_TRUE(
        checkPicture(noDirectory).error().startsWith(QStringLiteral("the TIFF picture is damaged")))
        << checkPicture(noDirectory).error().toStdString();
    EXPECT_EQ(tiledChecks, 2) << "stopped at the reader's first check";
    EXPECT_EQ(stripChecks, 2) << "stopped at the reader's first check";
}

// A phone's photo is read as every viewer shows it: turned by its orientation tag (each of the
// eight), and in sRGB, the colours the game draws, when it carries a profile of its own.
TEST(PictureKinds, PhotosAreReadUprightAndInSrgb) {
    // 40 x 20, a colour in each corner: red, green / blue, white.
    QImage stored(40, 20, QImage::Format_RGB32);
    stored.fill(Qt::black);
    {
        QPainter painter(&stored);
        painter.fillRect(0, 0, 10, 10, Qt::red);
        painter.fillRect(30, 0, 10, 10, Qt::green);
        painter.fillRect(0, 10, 10, 10, Qt::blue);
        painter.fillRect(30, 10, 10, 10, Qt::white);
    }
    QByteArray jpeg;
    {
        QBuffer buffer(&jpeg);
        buffer.open(QIODevice::WriteOnly);
        ASSERT_TRUE(stored.save(&buffer, "JPEG", 95));
    }
    // WebP through Qt's plugin (Debian's; on Windows, built from Debian's sources).
    QByteArray webp;
    {
        QBuffer buffer(&webp);
        buffer.open(QIODevice::WriteOnly);
        ASSERT_TRUE(stored.save(&buffer, "WEBP", 100));
    }
    const auto appendLe32 = [](QByteArray& out, quint32 value) {
        char le[4];
        qToLittleEndian(value, le);
        out.append(le, 4);
    };
    const QRgb red = qRgb(255, 0, 0), green = qRgb(0, 255, 0), blue = qRgb(0, 0, 255),
               white = qRgb(255, 255, 255);
    const struct {
        int orientation;
        QSize size;
        QRgb topLeft, topRight;
    } tags[] = {
        {1, QSize(40, 20), red, green},   {2, QSize(40, 20), green, red},
        {3, QSize(40, 20), white, blue},  {4, QSize(40, 20), blue, white},
        {5, QSize(20, 40), red, blue},    {6, QSize(20, 40), blue, red},
        {7, QSize(20, 40), white, green}, {8, QSize(20, 40), green, white},
    };
    const auto near = [](QRgb a, QRgb b) {
        return std::abs(qRed(a) - qRed(b)) < 60 && std::abs(qGreen(a) - qGreen(b)) < 60 &&
               std::abs(qBlue(a) - qBlue(b)) < 60;
    };
    // A WebP holding an Exif chunk: an extended file (VP8X, its Exif flag set), the picture,
    // then, where asked, a chunk of 3 bytes, then the EXIF chunk.
    const auto webpWithExif = [&](const QByteArray& tiff, bool oddChunkFirst) {
        QByteArray extended("VP8X", 4);
        const char header[10] = {0x08, 0, 0, 0, 39, 0, 0, 19, 0, 0};  // Exif; 40 x 20
        appendLe32(extended, 10);
        extended.append(header, 10);
        extended += webp.mid(12);
        if (oddChunkFirst) {
            extended += QByteArray("ODDS", 4);
            appendLe32(extended, 3);
            extended += QByteArray("abc\0", 4);
        }
        extended += QByteArray("EXIF", 4);
        appendLe32(extended, static_cast<quint32>(tiff.size()));
        extended += tiff;
        QByteArray file("RIFF", 4);
        appendLe32(file, static_cast<quint32>(4 + extended.size()));
        return file + QByteArray("WEBP", 4) + extended;
    };
    for (const auto& t : tags) {
        // An Exif segment right after the start of the picture: two tags, the picture's width
        // (40), then the orientation, as cameras put them in order.
        // clang-format off
        QByteArray exif = bytes({
            0xff, 0xe1, 0, 46, 'E', 'x', 'i', 'f', 0, 0, 'M', 'M', 0, 42, 0, 0, 0, 8, 0, 2,
            0x01, 0x00, 0, 3, 0, 0, 0, 1, 0, 40, 0, 0,
            0x01, 0x12, 0, 3, 0, 0, 0, 1, 0, t.orientation, 0, 0,
            0, 0, 0, 0});
        // clang-format on
        // The same tag in a WebP: half of them with the "Exif\0\0" header some writers keep in
        // the chunk, the other half after a chunk of odd size (and its padding byte).
        const QByteArray tiff = t.orientation % 2 ? exif.mid(10) : exif.mid(4);
        const QByteArray taggedWebp = webpWithExif(tiff, t.orientation % 2 == 0);
        for (const auto& [kind, tagged] : {std::pair{"jpeg", jpeg.left(2) + exif + jpeg.mid(2)},
                                           std::pair{"webp", taggedWebp}}) {
            const auto image = decodePicture(tagged, "jpg");
            ASSERT_TRUE(image) << kind << t.orientation << ": " << image.error().toStdString();
            EXPECT_EQ(image->size(), t.size) << kind << t.orientation;
            const QRgb topLeft = image->pixel(2, 2);
            const QRgb topRight = image->pixel(image->width() - 3, 2);
            EXPECT_TRUE(near(topLeft, t.topLeft))
                << kind << t.orientation << " " << std::hex << topLeft;
            EXPECT_TRUE(near(topRight, t.topRight))
                << kind << t.orientation << " " << std::hex << topRight;
        }
    }
    // Only the tags the directory counts are read: an orientation beyond them is not one.
    {
        // clang-format off
        const QByteArray uncounted = bytes({
            'M', 'M', 0, 42, 0, 0, 0, 8, 0, 1,
            0x01, 0x00, 0, 3, 0, 0, 0, 1, 0, 40, 0, 0,
            0x01, 0x12, 0, 3, 0, 0, 0, 1, 0, 6, 0, 0,
            0, 0, 0, 0});
        // clang-format on
        const auto image = decodePicture(webpWithExif(uncounted, false), "webp");
        ASSERT_TRUE(image) << image.error().toStdString();
        EXPECT_EQ(image->size(), QSize(40, 20));
    }
    // A wide-gamut photo keeps its colours: the same numbers mean a more saturated colour in
    // Display P3, so in sRGB its red is stronger and its blue weaker.
    QImage wide(16, 16, QImage::Format_RGB32);
    wide.fill(qRgb(200, 100, 50));
    QImage plain = wide;
    wide.setColorSpace(QColorSpace(QColorSpace::DisplayP3));
    for (const QImage* picture : {&wide, &plain}) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        ASSERT_TRUE(picture->save(&buffer, "PNG"));
        const auto read = decodePicture(png, "png");
        ASSERT_TRUE(read);
        const QRgb colour = read->pixel(8, 8);
        if (picture == &plain) {
            EXPECT_EQ(colour | 0xff000000u, qRgb(200, 100, 50)) << "no profile: taken as sRGB";
        } else {
            EXPECT_GE(qRed(colour), 210) << std::hex << colour;
            EXPECT_LE(qBlue(colour), 40) << std::hex << colour;
        }
    }
}

// An iPhone's HEIC photo is listed, read and previewed like any picture, where this build reads
// HEIF. The files are made by libheif's own encoder (tests/fixtures/heif/make.sh), so that the
// Windows suite reads the same ones.
TEST(PictureKinds, HeicPhotosAreReadWhereTheBuildReadsHeif) {
    if (heifExtensions().isEmpty())
        GTEST_SKIP() << "this build reads no HEIF pictures";
    const auto fixture = [](const char* name) {
        QFile file(QStringLiteral(VELMIRA_SOURCE_DIR "/tests/fixtures/heif/") +
                   QLatin1String(name));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        return file.readAll();
    };
    const QByteArray bytes = fixture("blue-red.heic");
    EXPECT_TRUE(isHeif(bytes));
    EXPECT_TRUE(heifExtensions().contains(QStringLiteral("heic")));
    EXPECT_TRUE(heifExtensions().contains(QStringLiteral("heif")));
    const auto checked = checkPicture(bytes, "heic");
    ASSERT_TRUE(checked) << checked.error().toStdString();
    EXPECT_EQ(checked.value(), QSize(400, 200));
    // Upright as the file says: its rotation and mirroring applied, its size the turned one.
    const bool blue = true, red = false;
    const struct {
        const char* name;
        QSize size;
        bool firstIsBlue;  // the left side, or the top one of a turned picture
    } turns[] = {
        {"blue-red.heic", QSize(400, 200), blue},
        {"turned.heic", QSize(200, 400), red},  // 90 degrees anticlockwise: the left side below
        {"mirrored.heic", QSize(400, 200), red},
    };
    for (const auto& t : turns) {
        const QByteArray file = fixture(t.name);
        const auto size = checkPicture(file, "heic");
        ASSERT_TRUE(size) << t.name << ": " << size.error().toStdString();
        EXPECT_EQ(size.value(), t.size) << t.name << ": the quick check gives the upright size";
        const auto image = decodePicture(file, "jpg");  // by what it holds, not its name
        ASSERT_TRUE(image) << t.name << ": " << image.error().toStdString();
        ASSERT_EQ(image->size(), t.size) << t.name;
        const QRgb first = image->pixel(10, 10);
        const QRgb last = image->pixel(image->width() - 10, image->height() - 10);
        EXPECT_EQ(qBlue(first) > 180 && qRed(first) < 60, t.firstIsBlue) << t.name;
        EXPECT_EQ(qRed(last) > 180 && qBlue(last) < 60, t.firstIsBlue) << t.name;
    }
    // The profile's matrix, range and primaries, and an alpha channel, are what the picture
    // says: the same colours come back (in sRGB), see-through where it was. The source's halves
    // are (30, 60, 200) and (220, 30, 20); meant as Display P3, the red is stronger in sRGB.
    const struct {
        const char* name;
        QRgb left, right;  // each channel within 8
        bool clearLeft;
    } colours[] = {
        {"colours-601-full.heic", qRgb(30, 60, 200), qRgb(220, 30, 20), false},
        {"colours-709-limited.heic", qRgb(30, 60, 200), qRgb(220, 30, 20), false},
        {"colours-p3-nclx.heic", qRgb(19, 61, 208), qRgb(241, 0, 0), false},
        {"colours-p3-icc.heic", qRgb(8, 58, 209), qRgb(241, 0, 0), false},  // gamma 2.2
        {"colours-10bit.heic", qRgb(30, 60, 200), qRgb(220, 30, 20), false},
        {"clear-left.heic", qRgb(0, 0, 0), qRgb(220, 30, 20), true},
    };
    const auto near = [](QRgb a, QRgb b) {
        return std::abs(qRed(a) - qRed(b)) <= 8 && std::abs(qGreen(a) - qGreen(b)) <= 8 &&
               std::abs(qBlue(a) - qBlue(b)) <= 8;
    };
    for (const auto& c : colours) {
        const auto read = decodePicture(fixture(c.name), "heic");
        ASSERT_TRUE(read) << c.name << ": " << read.error().toStdString();
        ASSERT_EQ(read->size(), QSize(64, 32)) << c.name;
        // Taken at the corners: the first and last rows and columns are read as well.
        const QRgb left = read->pixel(0, 31), right = read->pixel(63, 0);
        EXPECT_TRUE(near(right, c.right)) << c.name << " " << std::hex << right;
        EXPECT_EQ(qAlpha(left) == 0, c.clearLeft) << c.name;
        if (!c.clearLeft) {
            EXPECT_TRUE(near(left, c.left)) << c.name << " " << std::hex << left;
        }
    }
    // A photo of more than four megapixels is read at a reduced size, each quarter where it was
    // to the last row and column.
    const auto quarters = decodePicture(fixture("quarters-4mp.heic"), "heic");
    ASSERT_TRUE(quarters) << quarters.error().toStdString();
    ASSERT_EQ(quarters->size(), readSize(QSize(2400, 1800)));
    ASSERT_LT(quarters->width(), 2400);
    const int w = quarters->width(), h = quarters->height();
    const struct {
        QPoint at;
        QRgb colour;
    } parts[] = {
        {{0, 0}, qRgb(200, 40, 40)},          {{w * 3 / 8, h * 3 / 8}, qRgb(200, 40, 40)},
        {{w - 1, 0}, qRgb(40, 200, 40)},      {{w * 5 / 8, h * 3 / 8}, qRgb(40, 200, 40)},
        {{0, h - 1}, qRgb(40, 40, 200)},      {{w * 3 / 8, h * 5 / 8}, qRgb(40, 40, 200)},
        {{w - 1, h - 1}, qRgb(220, 220, 40)}, {{w * 5 / 8, h * 5 / 8}, qRgb(220, 220, 40)},
    };
    for (const auto& part : parts) {
        const QRgb got = quarters->pixel(part.at);
        EXPECT_TRUE(near(got, part.colour))
            << part.at.x() << "," << part.at.y() << " " << std::hex << got;
    }
    // Cut short or damaged, it is refused with the reason, never read past its end.
    for (const QByteArray& broken : {bytes.left(bytes.size() / 2), bytes.left(40)}) {
        const auto refused = decodePicture(broken, "heic");
        EXPECT_FALSE(refused);
        EXPECT_FALSE(checkPicture(broken, "heic") && broken.size() < 100)
            << "the quick check refuses a file too short to hold a picture";
        if (!refused) {
            EXPECT_FALSE(refused.error().isEmpty());
        }
    }
}

// ---- The one door for picture reads: what a picture costs, from its headers alone ----

namespace {

quint32 crc32Of(const QByteArray& data) {
    quint32 crc = 0xffffffffu;
    for (const char c : data) {
        crc ^= static_cast<uchar>(c);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

QByteArray be32(quint32 v) {
    QByteArray b(4, '\0');
    qToBigEndian(v, b.data());
    return b;
}
QByteArray be16(quint16 v) {
    QByteArray b(2, '\0');
    qToBigEndian(v, b.data());
    return b;
}

QByteArray pngChunk(const QByteArray& kind, const QByteArray& data) {
    return be32(static_cast<quint32>(data.size())) + kind + data + be32(crc32Of(kind + data));
}

// A PNG of headers only: its IHDR (RGB, of `depth` bits a channel) and its end.
QByteArray pngClaiming(quint32 width, quint32 height, int depth) {
    return QByteArray("\x89PNG\r\n\x1a\n", 8) +
           pngChunk("IHDR", be32(width) + be32(height) + bytes({depth, 2, 0, 0, 0})) +
           pngChunk("IDAT", QByteArray()) + pngChunk("IEND", QByteArray());
}

QByteArray isoBox(const char* kind, const QByteArray& payload) {
    return be32(static_cast<quint32>(8 + payload.size())) + QByteArray(kind) + payload;
}
QByteArray fullBox(const char* kind, int version, const QByteArray& payload) {
    return isoBox(kind, bytes({version, 0, 0, 0}) + payload);
}

// A HEIF file's boxes for a grid (item 1) of `tiles` tiles (items 2...) of 160 x 160, the
// grid `size`, each tile's four bytes of "coded data" located by a version-0 iloc; `extra` goes
// with the grid's properties.
QByteArray heifGridClaiming(QSize size, int tiles, const QByteArray& extra = {}) {
    QByteArray infe = fullBox("infe", 2, be16(1) + be16(0) + "grid" + QByteArray(1, '\0'));
    QByteArray refs = be16(1) + be16(static_cast<quint16>(tiles));
    QByteArray ipma;
    for (int i = 0; i < tiles; ++i) {
        const auto id = static_cast<quint16>(2 + i);
        infe += fullBox("infe", 2, be16(id) + be16(0) + "hvc1" + QByteArray(1, '\0'));
        refs += be16(id);
        ipma += be16(id) + bytes({2, 0x81, 0x83});  // the tile's size and its configuration
    }
    const int extras = extra.isEmpty() ? 0 : 1;
    ipma = be32(static_cast<quint32>(tiles + 1)) + be16(1) + bytes({1 + extras, 0x02}) +
           (extras ? bytes({0x04}) : QByteArray()) + ipma;
    const QByteArray ipco =
        isoBox("ipco", fullBox("ispe", 0, be32(160) + be32(160)) +
                           fullBox("ispe", 0,
                                   be32(static_cast<quint32>(size.width())) +
                                       be32(static_cast<quint32>(size.height()))) +
                           isoBox("hvcC", QByteArray(23, '\0')) + extra);
    const QByteArray ftyp = isoBox("ftyp", QByteArray("heic") + QByteArray(4, '\0') + "mif1heic");
    const auto meta = [&](quint32 data) {
        QByteArray iloc = bytes({0x44, 0x00}) + be16(static_cast<quint16>(tiles));
        for (int i = 0; i < tiles; ++i)
            iloc += be16(static_cast<quint16>(2 + i)) + be16(0) + be16(1) +
                    be32(data + 4 * static_cast<quint32>(i)) + be32(4);
        return fullBox("meta", 0,
                       fullBox("hdlr", 0, QByteArray(4, '\0') + "pict" + QByteArray(13, '\0')) +
                           fullBox("pitm", 0, be16(1)) + fullBox("iloc", 0, iloc) +
                           fullBox("iinf", 0, be16(static_cast<quint16>(tiles + 1)) + infe) +
                           fullBox("iref", 0, isoBox("dimg", refs)) +
                           isoBox("iprp", ipco + fullBox("ipma", 0, ipma)));
    };
    const auto data = static_cast<quint32>(ftyp.size() + meta(0).size() + 8);
    return ftyp + meta(data) + isoBox("mdat", QByteArray(4 * tiles, '\7'));
}

// A PNG of headers only, of any colour type, depth, compression, filter method and interlace.
QByteArray pngWith(int depth, int type, int compression = 0, int filter = 0, int interlace = 0) {
    return QByteArray("\x89PNG\r\n\x1a\n", 8) +
           pngChunk("IHDR",
                    be32(4) + be32(4) + bytes({depth, type, compression, filter, interlace})) +
           pngChunk("IDAT", QByteArray()) + pngChunk("IEND", QByteArray());
}

}  // namespace

// A file of about a kilobyte claiming a gigapixel picture, of each kind, is refused from its
// headers with the reason, before anything is decoded: the quick check and the read say the same.
TEST(PictureBudget, ASmallFileClaimingGigapixelsIsRefusedFromItsHeaders) {
    // A JPEG's frame header of 65000 x 65000, one quantisation table, a scan and its end.
    QByteArray jpeg = bytes({0xff, 0xd8, 0xff, 0xdb, 0x00, 0x43, 0x00}) + QByteArray(64, '\1');
    jpeg += bytes({0xff, 0xc0, 0x00, 0x11, 8}) + be16(65000) + be16(65000) +
            bytes({3, 1, 0x22, 0, 2, 0x11, 0, 3, 0x11, 0});
    jpeg += bytes({0xff, 0xda, 0x00, 0x0c, 3, 1, 0, 2, 0, 3, 0, 0, 63, 0, 0, 0xff, 0xd9});
    // A GIF whose screen is 65535 x 65535, one frame of a pixel.
    QByteArray gif = QByteArray("GIF89a") + bytes({0xff, 0xff, 0xff, 0xff, 0, 0, 0});
    gif += bytes({0x2c, 0, 0, 0, 0, 1, 0, 1, 0, 0, 2, 2, 0x4c, 0x01, 0, 0x3b});
    // A small one is read at its screen's size, which Qt's reader fills whole.
    QByteArray screen = QByteArray("GIF89a") + bytes({0x2c, 0x01, 0x14, 0x00, 0, 0, 0});
    screen += gif.mid(13);
    const auto screenSize = checkPicture(screen);
    ASSERT_TRUE(screenSize) << screenSize.error().toStdString();
    EXPECT_EQ(screenSize.value(), QSize(300, 20));
    // A lossless WebP whose header says 16384 x 16384.
    const QByteArray webp = losslessWebpClaiming(16384, 16384);
    // A TIFF of 60000 x 60000 grey pixels, its one strip 10 bytes.
    const QByteArray tiff = handMadeTiff({{256, 4, 60000},
                                          {257, 4, 60000},
                                          {258, 3, 8},
                                          {259, 3, 1},
                                          {262, 3, 1},
                                          {273, 4, kDataAt},
                                          {278, 4, 60000},
                                          {279, 4, 10}},
                                         QByteArray(10, '\0'));
    // A run-length TGA of 65535 x 65535: one run.
    QByteArray tga(18, '\0');
    tga[2] = 10;
    qToLittleEndian<quint16>(65535, tga.data() + 12);
    qToLittleEndian<quint16>(65535, tga.data() + 14);
    tga[16] = 24;
    tga += bytes({0xff, 90, 90, 90});
    // An RLE8 bitmap of 20000 x 20000: one end-of-picture code.
    QByteArray rle = bitmap8(8, 8, 256).left(54 + 1024) + bytes({0, 1});
    rle[30] = 1;
    put32(rle, 18, 20000);
    put32(rle, 22, 20000);
    const struct {
        const char* what;
        QByteArray bytes;
        const char* name;
    } cases[] = {
        {"an 8-bit PNG of 100,000 x 100,000", pngClaiming(100000, 100000, 8), "png"},
        {"a 16-bit PNG of 100,000 x 100,000", pngClaiming(100000, 100000, 16), "png"},
        {"a JPEG of 65000 x 65000", jpeg, "jpg"},
        {"a GIF of 65535 x 65535", gif, "gif"},
        {"a WebP of 16384 x 16384", webp, "webp"},
        {"a TIFF of 60000 x 60000", tiff, "tif"},
        {"a TGA of 65535 x 65535", tga, "tga"},
        {"an RLE8 bitmap of 20000 x 20000", rle, "bmp"},
        {"a HEIF grid of 16000 x 16000", heifGridClaiming(QSize(16000, 16000), 2), "heic"},
        {"a HEIF grid of 20000 x 100", heifGridClaiming(QSize(20000, 100), 2), "heic"},
    };
    for (const auto& c : cases) {
        EXPECT_LE(c.bytes.size(), 1200) << c.what;
        const auto checked = checkPicture(c.bytes, c.name);
        EXPECT_FALSE(checked) << c.what << ": passed the check at " << checked->width() << "x"
                              << checked->height();
        const auto read = decodePicture(c.bytes, c.name);
        ASSERT_FALSE(read) << c.what;
        EXPECT_FALSE(read.error().isEmpty()) << c.what;
        if (checked)
            continue;
        EXPECT_EQ(read.error(), checked.error()) << c.what << ": the check and the read agree";
    }
}

// What each kind costs is what its reader really holds: Qt's PNG reader decodes an 8-bit PNG
// row by row straight into the reduced picture but a 16-bit one whole at 8 bytes a pixel (so
// such a PNG is read by our own reader when it is to be reduced); a
// HEIF grid costs less a pixel than one picture decoded whole, and more above 8 bits.
TEST(PictureBudget, EachKindIsCostedAsItsReaderDecodesIt) {
    const auto plan8 = planPictureRead(pngClaiming(8000, 8000, 8));
    ASSERT_TRUE(plan8) << plan8.error().toStdString();
    EXPECT_TRUE(plan8->reduced);
    EXPECT_EQ(plan8->readAt, readSize(QSize(8000, 8000)));
    EXPECT_LT(plan8->cost, qint64{64} << 20);
    // A 16-bit PNG to be reduced is read by our own reader, never whole; one of the read size
    // is read whole by Qt, at 8 bytes a pixel.
    const auto plan16 = planPictureRead(pngClaiming(8000, 8000, 16));
    ASSERT_TRUE(plan16) << plan16.error().toStdString();
    EXPECT_TRUE(plan16->reduced);
    EXPECT_FALSE(plan16->byQt);
    EXPECT_LT(plan16->cost, qint64{128} << 20);
    const auto whole16 = planPictureRead(pngClaiming(2048, 2048, 16));
    ASSERT_TRUE(whole16) << whole16.error().toStdString();
    EXPECT_FALSE(whole16->reduced);
    EXPECT_TRUE(whole16->byQt);
    EXPECT_GE(whole16->cost, qint64{8} * 2048 * 2048);
    EXPECT_TRUE(plan8->byQt) << "Qt reads an 8-bit PNG reduced itself";
    // At the budget's edge: the largest a picture of four bytes a pixel may be.
    const struct {
        qint64 perPixel;
        QSize size;
        bool fits;
    } edges[] = {
        {4, QSize(7000, 8000), true},    // 224 MB, and its reduced copy
        {4, QSize(8000, 8000), false},   // 256 MB and more
        {8, QSize(5000, 5000), true},    // 200 MB
        {8, QSize(6000, 6000), false},   // 288 MB
        {1, QSize(12000, 12000), true},  // a paletted bitmap's byte a pixel
    };
    for (const auto& e : edges) {
        const auto plan = planFor("png", e.size, static_cast<double>(e.perPixel), 0);
        EXPECT_EQ(static_cast<bool>(plan), e.fits) << e.perPixel << " " << e.size.width();
        if (plan) {
            EXPECT_LE(plan->cost, kPictureReadBudget);
        }
    }
    // A still WebP is read by libwebp straight at its reduced size, a lossless one held whole
    // at 4 bytes a pixel while it is decoded; a TIFF of the kinds editors write by libtiff a row
    // at a time, one of another kind (its planes apart) by Qt's reader, whole.
    const auto lossy = planPictureRead(lossyWebpClaiming(8192, 8192));
    ASSERT_TRUE(lossy) << lossy.error().toStdString();
    EXPECT_FALSE(lossy->byQt);
    EXPECT_TRUE(lossy->reduced);
    EXPECT_LT(lossy->cost, qint64{64} << 20);
    const auto seeThrough = planPictureRead(lossyWebpClaiming(8192, 8192, true));
    ASSERT_TRUE(seeThrough) << seeThrough.error().toStdString();
    EXPECT_GE(seeThrough->cost, qint64{8192} * 8192) << "its alpha plane, whole";
    const auto lossless = planPictureRead(losslessWebpClaiming(4096, 4096));
    ASSERT_TRUE(lossless) << lossless.error().toStdString();
    EXPECT_FALSE(lossless->byQt);
    EXPECT_GE(lossless->cost, qint64{4} * 4096 * 4096);
    EXPECT_FALSE(planPictureRead(losslessWebpClaiming(8192, 8192)));
    const auto deepTiff = [](quint32 planes) {
        return handMadeTiff({{256, 4, 8192},
                             {257, 4, 8192},
                             {258, 3, 16},
                             {259, 3, 1},
                             {262, 3, 2},
                             {273, 4, kDataAt},
                             {277, 3, 3},
                             {278, 4, 8192},
                             {279, 4, 16},
                             {284, 3, planes}},
                            QByteArray(16, '\0'));
    };
    const auto tiff = planPictureRead(deepTiff(1));
    ASSERT_TRUE(tiff) << tiff.error().toStdString();
    EXPECT_FALSE(tiff->byQt);
    EXPECT_EQ(tiff->readAt, readSize(QSize(8192, 8192)));
    EXPECT_LT(tiff->cost, qint64{128} << 20);
    EXPECT_GE(tiff->cost, qint64{16} * tiff->readAt.width() * tiff->readAt.height())
        << "the sums for each reduced pixel";
    EXPECT_FALSE(planPictureRead(deepTiff(2))) << "whole at 8 bytes a pixel: 512 MB";
    if (heifExtensions().isEmpty())
        return;
    // A phone's 48-megapixel grid is read; the same picture at 10 bits, or in one piece at
    // 12 bits, is refused.
    const auto phone = planPictureRead(heifGridClaiming(QSize(8064, 6048), 2));
    ASSERT_TRUE(phone) << phone.error().toStdString();
    EXPECT_EQ(phone->size, QSize(8064, 6048));
    const QByteArray tenBits = fullBox("pixi", 0, bytes({3, 10, 10, 10}));
    EXPECT_FALSE(planPictureRead(heifGridClaiming(QSize(8064, 6048), 2, tenBits)));
    EXPECT_TRUE(planPictureRead(heifGridClaiming(QSize(4032, 3024), 2, tenBits)));
}

// A HEIF file's boxes are read without libheif: the primary picture's size (upright), its bits,
// its grid and tiles, its alpha and its profile's colour model; anything cut short is refused
// and nothing past the file's end is read.
TEST(PictureBudget, HeifHeadersComeFromTheBoxesAlone) {
    const auto fixture = [](const char* name) {
        QFile file(QStringLiteral(VELMIRA_SOURCE_DIR "/tests/fixtures/heif/") +
                   QLatin1String(name));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        return file.readAll();
    };
    const struct {
        const char* name;
        QSize size;
        int bits;
        bool alpha;
        QByteArray icc;
        bool grid;  // of one tile
        std::vector<int> transforms;
    } files[] = {
        {"blue-red.heic", QSize(400, 200), 8, false, {}, false, {}},
        {"turned.heic", QSize(200, 400), 8, false, {}, false, {1}},
        {"mirrored.heic", QSize(400, 200), 8, false, {}, false, {-1}},
        {"colours-10bit.heic", QSize(64, 32), 10, false, {}, true, {}},
        {"clear-left.heic", QSize(64, 32), 8, true, {}, true, {}},
        {"colours-p3-icc.heic", QSize(64, 32), 8, false, "RGB ", true, {}},
        {"grid-quarters-turned.heic", QSize(100, 120), 8, false, {}, true, {1}},
    };
    for (const auto& f : files) {
        const auto h = readHeifHeaders(fixture(f.name));
        ASSERT_TRUE(h) << f.name << ": " << h.error().toStdString();
        EXPECT_EQ(h->size, f.size) << f.name;
        EXPECT_EQ(h->bits, f.bits) << f.name;
        EXPECT_EQ(h->alpha, f.alpha) << f.name;
        EXPECT_EQ(h->grid, f.grid) << f.name;
        EXPECT_EQ(h->tiles, f.grid ? (h->size.width() == 64 ? 1 : 4) : 0) << f.name;
        EXPECT_EQ(h->transforms, f.transforms) << f.name;
        EXPECT_EQ(h->iccModel, f.icc) << f.name;
    }
    const QByteArray grid = heifGridClaiming(QSize(320, 160), 2);
    const auto g = readHeifHeaders(grid);
    ASSERT_TRUE(g) << g.error().toStdString();
    EXPECT_TRUE(g->grid);
    EXPECT_EQ(g->tiles, 2);
    EXPECT_EQ(g->tile, QSize(160, 160));
    EXPECT_EQ(g->size, QSize(320, 160));
    // Read tile by tile: each tile's data located (a version-0 iloc), and the configuration
    // box taken whole and no more.
    EXPECT_TRUE(g->readByTiles());
    ASSERT_EQ(g->tileData.size(), 2u);
    EXPECT_EQ(g->tileData[1].first, g->tileData[0].first + 4);
    EXPECT_EQ(g->tileData[1].second, 4);
    EXPECT_EQ(g->tileKind, "hvc1");
    EXPECT_EQ(g->tileConfig.mid(4, 4), "hvcC");
    EXPECT_EQ(qFromBigEndian<quint32>(g->tileConfig.constData()),
              static_cast<quint32>(g->tileConfig.size()));
    EXPECT_EQ(g->tileConfig.size(), 8 + 23);
    EXPECT_FALSE(readHeifHeaders(heifGridClaiming(QSize(480, 160), 2))->readByTiles())
        << "fewer tiles than the size needs: read whole";
    // Every cut of the file is refused or read as far as it goes, never past its end (the
    // sanitizer build catches a read beyond), and the size is never taken from a cut box.
    for (qsizetype cut = 0; cut < grid.size(); ++cut) {
        const auto h = readHeifHeaders(grid.left(cut));
        if (h) {
            EXPECT_FALSE(h->size.isEmpty()) << cut;
        }
    }
    EXPECT_FALSE(readHeifHeaders(grid.left(grid.size() - 16 - 1)))
        << "the meta box cut short: its properties are not read";
}

// The Exif block's bounds: an entry ending exactly at the block's end is read, one a byte past
// it is not; the orientation in the 512th entry is found, in the 513th it is not looked for.
TEST(PictureBudget, ExifEntriesAreReadToTheBlocksEndAndNoFurther) {
    // Little- or big-endian, the first directory at 8, `before` entries of another tag, then
    // the orientation (6: turned a quarter).
    const auto exif = [](bool big, int before) {
        const auto u16 = [big](int v) {
            return big ? bytes({v >> 8, v & 0xff}) : bytes({v & 0xff, v >> 8});
        };
        QByteArray block = QByteArray(big ? "MM" : "II") + u16(42) +
                           (big ? bytes({0, 0, 0, 8}) : bytes({8, 0, 0, 0})) + u16(before + 1);
        for (int i = 0; i < before; ++i)
            block += u16(0x010f) + u16(2) + QByteArray(8, '\0');
        block += u16(0x0112) + u16(3) + (big ? bytes({0, 0, 0, 1}) : bytes({1, 0, 0, 0})) + u16(6);
        return block;
    };
    const QByteArray whole = exif(false, 0);  // the value's two bytes end the block
    const struct {
        const char* what;
        QByteArray block;
        int orientation;
    } cases[] = {
        {"little-endian", whole, 6},
        {"big-endian", exif(true, 0), 6},
        {"with the Exif prefix", QByteArray("Exif\0\0", 6) + whole, 6},
        {"the value one byte past the end", whole.left(whole.size() - 1), 1},
        {"the value two bytes past the end", whole.left(whole.size() - 2), 1},
        {"the 512th entry", exif(false, kMaxExifEntries - 1), 6},
        {"the 513th entry", exif(false, kMaxExifEntries), 1},
        {"the directory past the end", whole.left(8), 1},
        {"no byte order", QByteArray("XX") + whole.mid(2), 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(exifOrientation(c.block), c.orientation) << c.what;
    // In a WebP: after a chunk of odd size (padded), and an EXIF chunk claiming more than is
    // there (what is there is read).
    QByteArray webp = QByteArray("RIFF") + QByteArray(4, '\0') + "WEBP" + "ICCP" +
                      bytes({3, 0, 0, 0, 1, 2, 3, 0}) + "EXIF";
    webp += bytes({static_cast<int>(whole.size()), 0, 0, 0}) + whole;
    EXPECT_EQ(webpOrientation(webp), 6);
    QByteArray overlong = webp;
    overlong[webp.size() - whole.size() - 3] = 0x7f;  // a size of many megabytes
    EXPECT_EQ(webpOrientation(overlong), 6);
    EXPECT_EQ(webpOrientation(webp.left(webp.size() - 1)), 1);
}

// libheif's planes and profiles: the colour planes must cover the picture (half its size,
// rounded up); the decoded picture's own nclx profile wins over the file's; a profile whose
// colour model is not the picture's is ignored.
TEST(PictureBudget, PlanesAndProfilesAreTakenOnlyWhereTheyFit) {
    const struct {
        QSize luma, cb, cr;
        bool fit;
    } planes[] = {
        {QSize(3, 3), QSize(2, 2), QSize(2, 2), true},
        {QSize(4, 4), QSize(2, 2), QSize(2, 2), true},
        {QSize(3, 3), QSize(1, 2), QSize(2, 2), false},
        {QSize(3, 3), QSize(2, 1), QSize(2, 2), false},
        {QSize(3, 3), QSize(2, 2), QSize(1, 2), false},
        {QSize(3, 3), QSize(2, 2), QSize(2, 1), false},
        {QSize(0, 3), QSize(2, 2), QSize(2, 2), false},
        {QSize(3, 0), QSize(2, 2), QSize(2, 2), false},
        {QSize(1, 1), QSize(1, 1), QSize(1, 1), true},
    };
    for (const auto& p : planes)
        EXPECT_EQ(planesFit(p.luma, p.cb, p.cr), p.fit)
            << p.luma.width() << "x" << p.luma.height() << " " << p.cb.width() << "x"
            << p.cb.height() << " " << p.cr.width() << "x" << p.cr.height();
    EXPECT_EQ(planesProfile(true, true), PlanesProfile::Decoded);
    EXPECT_EQ(planesProfile(true, false), PlanesProfile::Decoded);
    EXPECT_EQ(planesProfile(false, true), PlanesProfile::File);
    EXPECT_EQ(planesProfile(false, false), PlanesProfile::None);
    QByteArray icc(128, '\0');
    icc.replace(16, 4, "GRAY");
    EXPECT_EQ(iccModelOf(icc), "GRAY");
    EXPECT_EQ(iccModelOf(icc.left(19)), QByteArray());
    const struct {
        QByteArray model;
        bool grey, fits;
    } profiles[] = {
        {"RGB ", false, true}, {"GRAY", false, false}, {"CMYK", false, false},
        {"GRAY", true, true},  {"RGB ", true, false},  {"", false, true},
    };
    for (const auto& p : profiles)
        EXPECT_EQ(profileFits(p.model, p.grey), p.fits) << p.model.constData() << p.grey;
}

// The PNG reader Qt's whole decode is replaced by (16 bits a channel, or interlaced): every
// colour type and depth, plain and Adam7, in stored, fixed and dynamic blocks, reads as Qt reads
// it (16-bit samples within one step); a large 16-bit PNG is read at its reduced size; damage is
// refused with the reason.
TEST(PictureBudget, PngsQtWouldDecodeWholeAreReadStraightIntoTheReducedPicture) {
    const QDir fixtures(QStringLiteral(VELMIRA_SOURCE_DIR "/tests/fixtures/png"));
    const QStringList names = fixtures.entryList({QStringLiteral("*.png")}, QDir::Files);
    ASSERT_GE(names.size(), 14);
    for (const QString& name : names) {
        QFile file(fixtures.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray png = file.readAll();
        const QImage qt = QImage::fromData(png).convertToFormat(QImage::Format_ARGB32);
        const auto ours = decodePngReduced(png, qt.size());
        ASSERT_TRUE(ours) << name.toStdString() << ": " << ours.error().toStdString();
        const QImage read = ours->convertToFormat(QImage::Format_ARGB32);
        int worst = 0;
        for (int y = 0; y < qt.height(); ++y)
            for (int x = 0; x < qt.width(); ++x) {
                const QRgb a = qt.pixel(x, y), b = read.pixel(x, y);
                if (qAlpha(a) == 0 && qAlpha(b) == 0)
                    continue;
                worst =
                    std::max({worst, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                              std::abs(qBlue(a) - qBlue(b)), std::abs(qAlpha(a) - qAlpha(b))});
            }
        EXPECT_LE(worst, 1) << name.toStdString();
        // Cut anywhere in its data, or a row's filter unknown, it is refused, never read past.
        EXPECT_FALSE(decodePngReduced(png.left(png.size() - 20), qt.size())) << name.toStdString();
    }
    // A 16-bit PNG of 2400 x 1800 (what Qt would hold at 8 bytes a pixel) through the one door.
    QImage deep(2400, 1800, QImage::Format_RGBX64);
    deep.fill(QColor(220, 30, 20));
    for (int y = 0; y < deep.height(); ++y) {
        auto* line = reinterpret_cast<QRgba64*>(deep.scanLine(y));
        std::fill(line, line + 1200, QRgba64::fromRgba(20, 30, 220, 255));
    }
    QByteArray encoded;
    QBuffer buffer(&encoded);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(deep.save(&buffer, "PNG"));
    ASSERT_EQ(static_cast<uchar>(encoded[24]), 16);
    const auto plan = planPictureRead(encoded);
    ASSERT_TRUE(plan) << plan.error().toStdString();
    EXPECT_FALSE(plan->byQt);
    const auto image = decodePicture(encoded);
    ASSERT_TRUE(image) << image.error().toStdString();
    EXPECT_EQ(image->size(), readSize(QSize(2400, 1800)));
    EXPECT_EQ(image->pixel(4, 900), qRgb(20, 30, 220));
    EXPECT_EQ(image->pixel(image->width() - 5, 900), qRgb(220, 30, 20));
    // A picture wider than rows may be (the fuzzer's find: a table as long as the picture was
    // wide), or of more pixels than are gone through, is refused before anything is held.
    EXPECT_FALSE(decodePngReduced(pngClaiming(0x4d4d0025, 23, 16), QSize(1000, 1)));
    EXPECT_FALSE(decodePngReduced(pngClaiming(20000, 20000, 8), QSize(1000, 1000)));
    // Headers no PNG may have: each refused before a byte is inflated.
    const struct {
        const char* what;
        QByteArray png;
    } invalid[] = {
        {"palette of 16 bits", pngWith(16, 3)},
        {"RGB of 4 bits", pngWith(4, 2)},
        {"grey of 3 bits", pngWith(3, 0)},
        {"colour type 5", pngWith(8, 5)},
        {"compression method 1", pngWith(8, 2, 1)},
        {"filter method 1", pngWith(8, 2, 0, 1)},
        {"interlace method 2", pngWith(8, 2, 0, 0, 2)},
    };
    for (const auto& c : invalid) {
        const auto read = decodePngReduced(c.png, QSize(1, 1));
        ASSERT_FALSE(read) << c.what;
        EXPECT_EQ(read.error(), QStringLiteral("the PNG picture is damaged")) << c.what;
    }
    EXPECT_TRUE(decodePngReduced(pngWith(8, 2), QSize(1, 1))
                    .error()
                    .contains(QStringLiteral("compressed data")))
        << "valid headers: only the missing data is refused";
    // A row whose filter is not one of the five.
    QFile plain(fixtures.filePath(QStringLiteral("rgb16-stored.png")));
    ASSERT_TRUE(plain.open(QIODevice::ReadOnly));
    QByteArray badFilter = plain.readAll();
    const qsizetype idat = badFilter.indexOf("IDAT");
    badFilter[idat + 4 + 2 + 5] = 5;  // the zlib header, a stored block's header, the filter
    const auto refused = decodePngReduced(badFilter, QSize(37, 23));
    ASSERT_FALSE(refused);
    EXPECT_TRUE(refused.error().contains(QStringLiteral("damaged")))
        << refused.error().toStdString();
}

// A grid of 8-bit tiles is read tile by tile straight into the reduced picture, each tile where
// it lies (those cut by the picture's edge too), turned as the grid says; planned so, a phone's
// 48-megapixel grid and a file naming one tile 10,000 times cost a few tiles, not the picture.
TEST(PictureBudget, HeifGridsAreReadTileByTile) {
    if (heifExtensions().isEmpty())
        GTEST_SKIP() << "this build reads no HEIF pictures";
    const auto fixture = [](const char* name) {
        QFile file(QStringLiteral(VELMIRA_SOURCE_DIR "/tests/fixtures/heif/") +
                   QLatin1String(name));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        return file.readAll();
    };
    const QRgb red = qRgb(200, 40, 40), green = qRgb(40, 200, 40), blue = qRgb(40, 40, 200),
               yellow = qRgb(220, 220, 40);
    const struct {
        const char* name;
        QSize size;
        QRgb corners[4];  // top left, top right, bottom left, bottom right
    } grids[] = {
        {"grid-quarters.heic", QSize(120, 100), {red, green, blue, yellow}},
        {"grid-quarters-turned.heic", QSize(100, 120), {green, yellow, red, blue}},
    };
    for (const auto& g : grids) {
        const QByteArray bytes = fixture(g.name);
        const auto headers = readHeifHeaders(bytes);
        ASSERT_TRUE(headers) << g.name;
        EXPECT_TRUE(headers->readByTiles()) << g.name;
        EXPECT_EQ(headers->tileData.size(), 4u) << g.name;
        const auto image = decodePicture(bytes, "heic");
        ASSERT_TRUE(image) << g.name << ": " << image.error().toStdString();
        ASSERT_EQ(image->size(), g.size) << g.name;
        const int w = g.size.width(), h = g.size.height();
        const QPoint at[4] = {{2, 2}, {w - 3, 2}, {2, h - 3}, {w - 3, h - 3}};
        for (int i = 0; i < 4; ++i) {
            const QRgb got = image->pixel(at[i]);
            EXPECT_LE(std::abs(qRed(got) - qRed(g.corners[i])) +
                          std::abs(qGreen(got) - qGreen(g.corners[i])) +
                          std::abs(qBlue(got) - qBlue(g.corners[i])),
                      6)
                << g.name << " corner " << i << " " << std::hex << got;
        }
    }
    // Planned tile by tile: the cost of a few tiles and the reduced picture, whatever the size.
    const QByteArray big = fixture("grid-quarters.heic");
    const auto plan = planPictureRead(big);
    ASSERT_TRUE(plan) << plan.error().toStdString();
    EXPECT_FALSE(plan->reduced) << "a small grid is read at its own size";
    // Its tiles' coded data must lie within the file: one cut short is not read by tiles.
    const auto cut = readHeifHeaders(big.left(big.size() - 10));  // past the 8-byte descriptor
    if (cut) {
        EXPECT_FALSE(cut->readByTiles());
    }
}
