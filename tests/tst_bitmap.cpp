#include "helpers/testenv.h"
#include "wad/bitmap.h"
#include "wad/compile.h"
#include "wad/heif.h"
#include "wad/readfile.h"

#include <QBuffer>
#include <QColorSpace>
#include <QDeadlineTimer>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>
#include <QtEndian>

#include <atomic>
#include <thread>

#include <gtest/gtest.h>

#ifndef Q_OS_WIN
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace velmira::wad;
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
    EXPECT_FALSE(decodeBitmap(truecolour.left(truecolour.size() - 20)));
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
        EXPECT_FALSE(readBitmap(path));
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
    const auto colours = decodeBitmap(mapped, "tga");
    ASSERT_TRUE(colours) << colours.error().toStdString();
    EXPECT_EQ(colours->pixel(0, 1), qRgb(3, 2, 1)) << "bottom row first";
    EXPECT_EQ(colours->pixel(1, 1), qRgb(30, 20, 10));
    EXPECT_FALSE(decodeBitmap(mapped.left(20), "tga")) << "the map cut short";
    for (const auto& c : cases) {
        const auto image = decodeBitmap(c.bytes, c.name);
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
QByteArray halvesIn(QSize size, const char* format) {
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(qRgb(220, 30, 20));
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        std::fill(line, line + size.width() / 2, qRgb(20, 30, 220));
    }
    QByteArray encoded;
    QBuffer buffer(&encoded);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, format);
    return encoded;
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
    } cases[] = {
        {"a 2400 x 1800 JPEG", halvesIn(QSize(2400, 1800), "JPEG"), QSize(2400, 1800), true},
        {"a 2400 x 1800 PNG", halvesIn(QSize(2400, 1800), "PNG"), QSize(2400, 1800), true},
        // Through Qt's TIFF plugin (Debian's; on Windows, built from Debian's sources).
        {"a 1800 x 2400 TIFF", halvesIn(QSize(1800, 2400), "TIFF"), QSize(1800, 2400), true},
        {"a 1 KB RLE8 bitmap of 8192 x 8192", bomb, QSize(8192, 8192), false},
        {"a run-length TGA of 65535 x 256", wide, QSize(65535, 256), false},
    };
    for (const auto& c : cases) {
        const auto checked = checkPicture(c.bytes, "tga");
        ASSERT_TRUE(checked) << c.what << ": " << checked.error().toStdString();
        EXPECT_EQ(checked.value(), c.full) << c.what;
        const auto image = decodeBitmap(c.bytes, "tga");
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
        }
    }
    EXPECT_EQ(readSize(QSize(8192, 6144)), QSize(2364, 1773));
    EXPECT_EQ(readSize(QSize(2048, 2048)), QSize(2048, 2048)) << "at the limit: as it is";
    EXPECT_EQ(readSize(QSize(100000, 1)), QSize(100000, 1));
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
            const auto image = decodeBitmap(tagged, "jpg");
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
        const auto image = decodeBitmap(webpWithExif(uncounted, false), "webp");
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
        const auto read = decodeBitmap(png, "png");
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
        const auto image = decodeBitmap(file, "jpg");  // by what it holds, not its name
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
        const auto read = decodeBitmap(fixture(c.name), "heic");
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
    const auto quarters = decodeBitmap(fixture("quarters-4mp.heic"), "heic");
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
        const auto refused = decodeBitmap(broken, "heic");
        EXPECT_FALSE(refused);
        EXPECT_FALSE(checkPicture(broken, "heic") && broken.size() < 100)
            << "the quick check refuses a file too short to hold a picture";
        if (!refused) {
            EXPECT_FALSE(refused.error().isEmpty());
        }
    }
}
