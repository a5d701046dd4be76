// Paletted bitmaps read to the exact index: RLE8 and RLE4 runs, literals and skipped pixels,
// top-down rows, one-bit pixels, colour counts, and files cut short or damaged.

#include "helpers/picturebytes.h"
#include "helpers/testenv.h"
#include "picture/bmp.h"
#include "picture/readpicture.h"

#include <gtest/gtest.h>

using namespace velmira::picture;
using namespace velmira::test;

namespace {

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

}  // namespace
