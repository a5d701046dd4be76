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
        {"a progressive JPEG of 20,000 x 20,000", jpegClaiming(20000, 20000), "jpg",
         QStringLiteral("20000 \u00d7 20000")},
    };
    if (readsWebpItself())
        bombs.push_back({"an animated WebP whose first frame is 9000 x 9000 lossless",
                         test::animatedWebp(QSize(9000, 9000), 1, QSize(9000, 9000)), "webp",
                         QStringLiteral("9000 \u00d7 9000")});
    for (const Bomb& b : bombs) {
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
