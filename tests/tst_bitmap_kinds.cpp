// Which files are read as pictures, and as what: regular files only, never a device or a
// FIFO; the kind from what a file holds, else its name; one cut short refused; a picture of
// any size read at a reduced size of the same shape.

#include "helpers/picturebytes.h"
#include "helpers/testenv.h"
#include "picture/readfile.h"
#include "picture/readpicture.h"

#include <QBuffer>
#include <QDeadlineTimer>
#include <QThread>
#include <QtEndian>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#ifndef Q_OS_WIN
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace velmira::picture;
using namespace velmira::test;

namespace {

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
