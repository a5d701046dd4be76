#include "helpers/costlypictures.h"
#include "helpers/testenv.h"
#include "picture/picturecost.h"
#include "picture/pictureformat.h"
#include "picture/readpicture.h"
#include "picture/tiff.h"
#include "picture/webp.h"

#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

using namespace velmira;
using namespace velmira::picture;
using velmira::test::CostlyPicture;

namespace {

QByteArray saved(const QImage& image, const char* kind) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, kind);
    EXPECT_TRUE(writer.write(image)) << kind;
    return bytes;
}

QImage smallPicture() {
    QImage image(24, 16, QImage::Format_RGB32);
    image.fill(qRgb(200, 40, 10));
    return image;
}

// One picture of each kind a unit reads, 24 x 16, as the formats' own writers make it.
struct Sample {
    const char* kind;  // the unit that reads it
    QByteArray bytes;
    QByteArray extension;
};
std::vector<Sample> samples() {
    std::vector<Sample> all = {
        {"bmp", saved(smallPicture(), "bmp"), "bmp"},
        {"png", saved(smallPicture(), "png"), "png"},
        {"jpeg", saved(smallPicture(), "jpeg"), "jpg"},
        {"gif", test::bigScreenGif(QSize(24, 16)), "gif"},
        {"tiff", test::rgbTiff(QSize(24, 16)), "tif"},
        {"tga",
         QByteArray("\0\0\x02\0\0\0\0\0\0\0\0\0\x18\0\x10\0\x18\x20", 18) +
             QByteArray(24 * 16 * 3, '\x40'),
         "tga"},
        {"qt", saved(smallPicture(), "ppm"), "ppm"},
    };
    if (readsWebpItself())
        all.push_back({"webp", test::lossyWebp(QSize(24, 16)), "webp"});
    return all;
}

}  // namespace

// The door asks the formats in turn: exactly one unit knows a picture's bytes (a TGA and any
// other kind Qt reads only by the file's name), and its headers give the size without a pixel
// decoded.
TEST(PictureFormats, ExactlyOneUnitKnowsEachPictureAndReadsItsSizeFromItsHeaders) {
    for (const Sample& s : samples()) {
        // A kind this build has no writer for (Qt for Windows writes no WebP) is not tried.
        if (s.bytes.isEmpty())
            continue;
        int knowing = 0;
        const PictureFormat* found = nullptr;
        for (const PictureFormat* format : pictureFormats())
            if (format->recognises(s.bytes, s.extension) && !found) {
                found = format;
                ++knowing;
            }
        ASSERT_EQ(knowing, 1) << s.kind;
        EXPECT_EQ(found->kind(), QByteArray(s.kind));
        const auto headers = found->readHeaders(s.bytes, s.extension);
        ASSERT_TRUE(headers) << s.kind << ": " << headers.error().toStdString();
        EXPECT_EQ(headers->size, QSize(24, 16)) << s.kind;
        const auto image = decodePicture(s.bytes, s.extension);
        ASSERT_TRUE(image) << s.kind << ": " << image.error().toStdString();
        EXPECT_EQ(image->size(), QSize(24, 16)) << s.kind;
    }
    EXPECT_FALSE(planPictureRead(QByteArray("not a picture at all"), "txt"));
    EXPECT_FALSE(planPictureRead(saved(smallPicture(), "png").mid(1), {}))
        << "a PNG that lost its signature names no kind";
}

// A file cut short anywhere is refused with a reason of our own, never read with the rest
// filled in, and never with a library's bare "Unknown error".
TEST(PictureFormats, ACutShortPictureIsRefusedWithAReasonOfItsOwn) {
    for (const Sample& s : samples()) {
        for (const qsizetype keep : {qsizetype{12}, s.bytes.size() / 2, s.bytes.size() - 3}) {
            const auto image = decodePicture(s.bytes.left(keep), s.extension);
            if (image)  // a few formats end in bytes no reader needs (a GIF's trailer block)
                continue;
            EXPECT_FALSE(image.error().isEmpty()) << s.kind << " " << keep;
            EXPECT_NE(image.error(), QStringLiteral("Unknown error")) << s.kind << " " << keep;
        }
    }
}

namespace {

QByteArray be32(quint32 v) {
    QByteArray out(4, '\0');
    qToBigEndian(v, out.data());
    return out;
}

// A PNG whose header claims a size, with no data behind it.
QByteArray pngClaiming(quint32 width, quint32 height) {
    QByteArray header = be32(width) + be32(height) + QByteArray("\x10\x02\0\0\0", 5);
    const auto chunk = [](const char* kind, const QByteArray& body) {
        return be32(static_cast<quint32>(body.size())) + kind + body + be32(0);
    };
    return QByteArray("\x89PNG\r\n\x1a\n") + chunk("IHDR", header) + chunk("IDAT", {}) +
           chunk("IEND", {});
}

// A GIF's screen made larger than the frame it draws.
QByteArray gifScreen(quint16 width, quint16 height) {
    QByteArray gif = test::bigScreenGif(QSize(16, 16));
    qToLittleEndian(width, gif.data() + 6);
    qToLittleEndian(height, gif.data() + 8);
    return gif;
}

// A JPEG whose frame header claims a size, progressive.
QByteArray jpegClaiming(quint16 width, quint16 height) {
    QByteArray jpeg = test::progressiveJpeg(QSize(16, 16));
    const qsizetype frame = jpeg.indexOf("\xff\xc2");
    qToBigEndian(height, jpeg.data() + frame + 5);
    qToBigEndian(width, jpeg.data() + frame + 7);
    return jpeg;
}

}  // namespace

// A picture that would cost more than the budget is refused from its headers alone, saying its
// size and what it would take against what a picture may take: the kinds that cost most for
// their bytes, each by the unit that knows why.
TEST(PictureFormats, ABombIsRefusedFromItsHeadersWithItsSizeAndTheBudget) {
    struct Bomb {
        const char* what;
        QByteArray bytes;
        QByteArray extension;
        QString size;
    };
    std::vector<Bomb> bombs = {
        {"a 16-bit PNG of 1 x 60,000,000", pngClaiming(1, 60000000), "png",
         QStringLiteral("1 \u00d7 60000000")},
        {"a GIF of a 30,000 x 30,000 screen", gifScreen(30000, 30000), "gif",
         QStringLiteral("30000 \u00d7 30000")},
        {"a progressive JPEG of 16,000 x 16,000", jpegClaiming(16000, 16000), "jpg",
         QStringLiteral("16000 \u00d7 16000")},
    };
    if (readsWebpItself())
        bombs.push_back({"an animated WebP whose first frame is 9000 x 9000 lossless",
                         test::animatedWebp(QSize(9000, 9000), 1, QSize(9000, 9000)), "webp",
                         QStringLiteral("9000 \u00d7 9000")});
    for (const Bomb& b : bombs) {
        if (b.bytes.isEmpty())  // a picture this build cannot make
            continue;
        const auto plan = planPictureRead(b.bytes, b.extension);
        ASSERT_FALSE(plan) << b.what << " planned at " << plan->cost;
        EXPECT_TRUE(plan.error().contains(b.size)) << b.what << ": " << plan.error().toStdString();
        EXPECT_TRUE(plan.error().contains(QStringLiteral("at most 256 MB")))
            << b.what << ": " << plan.error().toStdString();
        EXPECT_FALSE(decodePicture(b.bytes, b.extension)) << b.what;
    }
}

#ifdef Q_OS_LINUX
// The plan holds, measured: each costly picture read through the door in a process of its own
// takes at its peak (the kernel's high-water mark) no more than a tenth over what its plan
// said, and never more than the budget; or it is refused with its size and the budget.
TEST(PictureCost, EveryCostlyPictureIsReadWithinItsPlanOrRefusedWithItsFigures) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    int index = 0;
    for (const CostlyPicture& picture : test::suiteCostlyPictures()) {
        const QString file = folder.filePath(QStringLiteral("costly-%1.%2")
                                                 .arg(index++)
                                                 .arg(QString::fromLatin1(picture.extension)));
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        ASSERT_EQ(out.write(picture.bytes), picture.bytes.size());
        out.close();
        const auto measured = test::measureRead(QStringLiteral(VELMIRA_PICTURE_PEAK), file);
        const std::string name = picture.name.toStdString();
        ASSERT_TRUE(measured.ran) << name;
        if (!measured.read) {
            EXPECT_TRUE(measured.refusal.contains(QStringLiteral("MB")))
                << name << ": " << measured.refusal.toStdString();
            continue;
        }
        EXPECT_LE(measured.peak, measured.planned + measured.planned / 10)
            << name << ": planned " << (measured.planned >> 20) << " MB, took "
            << (measured.peak >> 20) << " MB";
        EXPECT_LE(measured.peak, kPictureReadBudget) << name;
        EXPECT_LE(qint64{measured.size.width()} * measured.size.height(), kMaxReadPixels) << name;
    }
}
#endif

// What the units read that Qt's readers read whole before: a float TIFF by libtiff straight at
// its size, its samples of 0 to 1 made 8 bits; an animated WebP's first frame where it lies on
// an empty canvas; an 8-bit TIFF and a 16-bit PNG as the generator made them.
TEST(PictureFormats, UnusualPicturesAreReadByTheirUnitWithTheColoursTheyHold) {
    const QSize size(300, 200);
    // Column x holds red (x % 256) * 257 of 16 bits, green by row, blue 40000.
    const auto expected = [](int x, int y) { return qRgb(x % 256, (y / 64) % 256, 40000 >> 8); };
    const struct {
        const char* what;
        QByteArray bytes;
        QByteArray extension;
    } cases[] = {
        {"float RGBA TIFF", test::floatTiff(size), "tif"},
        {"8-bit RGB TIFF", test::rgbTiff(size), "tif"},
        {"16-bit PNG", test::deepPng(size), "png"},
        {"16-bit interlaced PNG", test::deepPng(size, true), "png"},
    };
    for (const auto& c : cases) {
        // A picture this build cannot make, or a TIFF where the build reads TIFF by Qt alone.
        if (c.bytes.isEmpty() || (c.extension == "tif" && !readsTiffItself()))
            continue;
        const auto plan = planPictureRead(c.bytes, c.extension);
        ASSERT_TRUE(plan) << c.what << ": " << plan.error().toStdString();
        const auto image = decodePicture(c.bytes, c.extension);
        ASSERT_TRUE(image) << c.what << ": " << image.error().toStdString();
        ASSERT_EQ(image->size(), size) << c.what;
        for (const QPoint at : {QPoint(0, 0), QPoint(130, 70), QPoint(299, 199)}) {
            const QRgb got = image->pixel(at);
            const QRgb want = expected(at.x(), at.y());
            // A float sample of v / 65535 made 8 bits rounds where the high byte truncates.
            EXPECT_LE(std::abs(qRed(got) - qRed(want)), 1) << c.what << " at " << at.x();
            EXPECT_LE(std::abs(qGreen(got) - qGreen(want)), 1) << c.what << " at " << at.x();
            EXPECT_LE(std::abs(qBlue(got) - qBlue(want)), 1) << c.what << " at " << at.x();
        }
    }
    if (!readsWebpItself())
        return;
    // Frames of 16 x 16 of grey 200, the first at the canvas's left edge.
    const QByteArray animated = test::animatedWebp(QSize(3000, 3000), 40, QSize(16, 16));
    if (animated.isEmpty())  // no WebP encoder in this build
        return;
    const auto plan = planPictureRead(animated, "webp");
    ASSERT_TRUE(plan) << plan.error().toStdString();
    EXPECT_TRUE(plan->headers.animated);
    EXPECT_LT(plan->cost, qint64{64} << 20) << "the canvas is never held whole";
    const auto first = decodePicture(animated, "webp");
    ASSERT_TRUE(first) << first.error().toStdString();
    EXPECT_EQ(first->size(), readSize(QSize(3000, 3000)));
    EXPECT_EQ(qAlpha(first->pixel(first->width() - 1, first->height() - 1)), 0)
        << "nothing drawn where the first frame is not";
    EXPECT_EQ(first->pixel(0, 0), qRgba(200, 200, 200, 200));
}

// A GIF of more than one frame is read at its first; its headers say so, and a frame that lies
// outside its screen is refused.
TEST(PictureFormats, AGifsHeadersAreWalkedToItsTrailer) {
    const QByteArray one = test::bigScreenGif(QSize(40, 30));
    const auto still = gifFormat().readHeaders(one, {});
    ASSERT_TRUE(still) << still.error().toStdString();
    EXPECT_FALSE(still->animated);
    EXPECT_EQ(still->size, QSize(40, 30));
    // The same frame once more before the trailer.
    const qsizetype frame = one.indexOf('\x2c', 13 + 3 * 256);
    QByteArray two = one.left(one.size() - 1) + one.mid(frame, one.size() - 1 - frame) + '\x3b';
    const auto animated = gifFormat().readHeaders(two, {});
    ASSERT_TRUE(animated) << animated.error().toStdString();
    EXPECT_TRUE(animated->animated);
    EXPECT_TRUE(decodePicture(two, "gif"));
    QByteArray outside = one;
    qToLittleEndian<quint16>(30, outside.data() + frame + 1);  // its left edge at 30 of 40
    const auto refused = gifFormat().readHeaders(outside, {});
    ASSERT_FALSE(refused);
    EXPECT_TRUE(refused.error().contains(QStringLiteral("outside")));
}

// A progressive JPEG holds every coefficient of the whole picture while it is decoded: its
// cost grows with its size although it is read reduced; a baseline one's does not.
TEST(PictureFormats, AProgressiveJpegIsCostedByItsCoefficients) {
    const QByteArray progressive = jpegClaiming(5000, 5000);
    const auto plan = planPictureRead(progressive, "jpg");
    ASSERT_TRUE(plan) << plan.error().toStdString();
    EXPECT_GE(plan->cost, qint64{5000} * 5000 * 3) << "three planes at two bytes a coefficient";
    QByteArray baseline = progressive;
    baseline[baseline.indexOf("\xff\xc2") + 1] = '\xc0';
    const auto planned = planPictureRead(baseline, "jpg");
    ASSERT_TRUE(planned) << planned.error().toStdString();
    EXPECT_LT(planned->cost, qint64{80} << 20);
}
