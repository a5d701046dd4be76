// Photos as every viewer shows them: upright by their orientation tag, in sRGB, HEIC where the
// build reads HEIF; and the Exif block read to its end and no further.

#include "helpers/picturebytes.h"
#include "helpers/testenv.h"
#include "picture/exif.h"
#include "picture/heif.h"
#include "picture/readpicture.h"

#include <QBuffer>
#include <QColorSpace>
#include <QPainter>
#include <QtEndian>

#include <gtest/gtest.h>

using namespace velmira::picture;
using namespace velmira::test;

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
