// WebP and TIFF pictures of each layout their writers use, read with their own colours and
// opacity, and refused when cut short, damaged or cancelled.

#include "helpers/picturebytes.h"
#include "helpers/testenv.h"
#include "picture/readpicture.h"

#include <QBuffer>
#include <QColorSpace>
#include <QImageWriter>

#include <gtest/gtest.h>

using namespace velmira::picture;
using namespace velmira::test;

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
