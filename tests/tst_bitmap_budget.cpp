// The one door for picture reads: what a picture costs, from its headers alone; and the PNGs
// Qt would decode whole, read by our own reader straight into the reduced picture.

#include "helpers/picturebytes.h"
#include "helpers/testenv.h"
#include "picture/heif.h"
#include "picture/picturecost.h"
#include "picture/pngstream.h"
#include "picture/readpicture.h"

#include <QBuffer>
#include <QDir>
#include <QtEndian>

#include <gtest/gtest.h>

using namespace velmira::picture;
using namespace velmira::test;

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

QByteArray pngChunk(const QByteArray& kind, const QByteArray& data) {
    return be32(static_cast<quint32>(data.size())) + kind + data + be32(crc32Of(kind + data));
}

// A PNG of headers only: its IHDR (RGB, of `depth` bits a channel) and its end.
QByteArray pngClaiming(quint32 width, quint32 height, int depth) {
    return QByteArray("\x89PNG\r\n\x1a\n", 8) +
           pngChunk("IHDR", be32(width) + be32(height) + bytes({depth, 2, 0, 0, 0})) +
           pngChunk("IDAT", QByteArray()) + pngChunk("IEND", QByteArray());
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

// The PNG reader Qt's whole decode is replaced by (16 bits a channel, or interlaced): every
// colour type and depth, plain and Adam7, in stored, fixed and dynamic blocks, reads as Qt reads
// it (16-bit samples within one step); a large 16-bit PNG is read at its reduced size; damage is
// refused with the reason.
TEST(PictureBudget, PngsQtWouldDecodeWholeAreReadStraightIntoTheReducedPicture) {
    const QDir fixtures(QStringLiteral(VELMIRA_SOURCE_DIR "/tests/fixtures/png"));
    const QStringList names = fixtures.entryList({QStringLiteral("*.png")}, QDir::Files);
    ASSERT_GE(names.size(), 14);
    for (const QString& name : names) {
        if (name == QLatin1String("rgb16-colour-key.png"))
            continue;  // Qt reads it wrong: checked against its own colours below
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
    // 16-bit RGB with a see-through colour, read through the one door: the key's pixels clear,
    // the others their own colour.
    QFile keyed(fixtures.filePath(QStringLiteral("rgb16-colour-key.png")));
    ASSERT_TRUE(keyed.open(QIODevice::ReadOnly));
    const auto clear = decodePicture(keyed.readAll());
    ASSERT_TRUE(clear) << clear.error().toStdString();
    EXPECT_EQ(qAlpha(clear->pixel(0, 0)), 0);
    EXPECT_EQ(clear->pixel(1, 0), qRgb(0x12, 0x22, 0x0f));
    EXPECT_EQ(clear->pixel(1, 1), qRgb(0x12, 0x22, 0x10));
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
    // Sound chunks (every checksum right) whose data no deflate stream begins with.
    QFile damaged(
        QStringLiteral(VELMIRA_SOURCE_DIR "/tests/fixtures/png-damaged/deflate-damaged.png"));
    ASSERT_TRUE(damaged.open(QIODevice::ReadOnly));
    const auto notDeflate = decodePngReduced(damaged.readAll(), QSize(32, 32));
    ASSERT_FALSE(notDeflate);
    EXPECT_TRUE(notDeflate.error().contains(QStringLiteral("damaged")))
        << notDeflate.error().toStdString();
}
