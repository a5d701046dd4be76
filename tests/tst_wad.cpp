#include "core/bytes.h"
#include "helpers/enginecheck.h"
#include "helpers/testenv.h"
#include "spray/convert.h"
#include "spray/palette.h"
#include "spray/spray.h"
#include "wad/hpk.h"
#include "wad/lumpscript.h"
#include "wad/wad.h"

#include <QBuffer>
#include <QFile>
#include <QtEndian>

#include <gtest/gtest.h>

using namespace velmira;
using namespace velmira::test;
using namespace velmira::spray;
using namespace velmira::wad;

namespace {

QByteArray fixture(const QString& name) {
    QFile f(QStringLiteral(VELMIRA_SOURCE_DIR "/tests/fixtures/") + name);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name.toStdString();
    return f.readAll();
}

IndexedPicture picture(int w, int h, int colours = 16) {
    IndexedPicture p;
    p.width = w;
    p.height = h;
    p.pixels.resize(w * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            p.pixels[y * w + x] = static_cast<char>((x / 4 + y / 4) % colours);
    for (int i = 0; i < 256; ++i)
        p.palette[static_cast<std::size_t>(i)] = qRgb(i, 255 - i, (i * 7) & 0xff);
    return p;
}

QByteArray sprayWad(const IndexedPicture& p) {
    return encodeWad(
        {Lump{QStringLiteral("VELMR"), 0x43, encodeMipTexture(p, QStringLiteral("VELMR"))}});
}

// The checked little-endian reads: a value at the very end is read, one byte further is not,
// and an empty or null array, or a negative offset, reads nothing.
TEST(WadBytes, ReadsLittleEndianValuesOnlyInsideTheArray) {
    const QByteArray six("\x01\x02\x03\x04\xfe\xff", 6);
    const struct {
        QByteArray bytes;
        qint64 offset;
        std::optional<quint32> u32;
        std::optional<quint16> u16;
    } cases[] = {
        {six, 0, 0x04030201u, quint16{0x0201}},
        {six, 2, 0xfffe0403u, quint16{0x0403}},
        {six, 3, std::nullopt, quint16{0xfe04}},
        {six, 4, std::nullopt, quint16{0xfffe}},
        {six, 5, std::nullopt, std::nullopt},
        {six, -1, std::nullopt, std::nullopt},
        {QByteArray(), 0, std::nullopt, std::nullopt},
        {QByteArray(""), 0, std::nullopt, std::nullopt},
        {QByteArray(1, 'x'), 0, std::nullopt, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(readU32(c.bytes, c.offset), c.u32) << c.offset;
        EXPECT_EQ(readU16(c.bytes, c.offset), c.u16) << c.offset;
    }
}

TEST(WadWriter, WritesFilesTheEngineTakesAtEveryAllowedShape) {
    for (const QSize size : {QSize(16, 16), QSize(112, 128), QSize(128, 112), QSize(256, 48),
                             QSize(48, 256), QSize(96, 144)}) {
        const IndexedPicture p = picture(size.width(), size.height());
        const QByteArray file = sprayWad(p);
        const EngineView view = engineRead(file);
        EXPECT_EQ(view.problem, QString()) << size.width() << "x" << size.height();
        EXPECT_EQ(view.mip[0], p.pixels);
        EXPECT_EQ(file.size(),
                  12 + ((40 + size.width() * size.height() * 85 / 64 + 2 + 768 + 3) & ~3) + 32);
    }
}

TEST(WadWriter, NamesTheLumpUpperInTheDirectoryAndLowerInTheTexture) {
    const QByteArray file = sprayWad(picture(16, 16));
    EXPECT_EQ(file.mid(file.size() - 16, 6), QByteArray("VELMR\0", 6));
    EXPECT_EQ(file.mid(12, 6), QByteArray("velmr\0", 6));
    EXPECT_EQ(static_cast<quint8>(file[file.size() - 32 + 12]), 0x43);
}

TEST(WadWriter, MipLevelsAverageBlocksInLinearLight) {
    IndexedPicture p = picture(16, 16);
    p.palette.fill(qRgb(0, 0, 0));
    p.palette[1] = qRgb(255, 255, 255);
    p.palette[2] = qRgb(186, 186, 186);  // ~ half of white in linear light
    p.palette[3] = qRgb(128, 128, 128);  // half of white by value
    p.palette[255] = kPureBlue;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            p.pixels[y * 16 + x] =
                static_cast<char>((x + y) % 2);  // a black and white checkerboard
    const EngineView view = engineRead(sprayWad(p));
    ASSERT_EQ(view.problem, QString());
    for (int level = 1; level < 4; ++level)
        for (char index : view.mip[level])
            EXPECT_EQ(index, 2) << "level " << level;
}

TEST(WadWriter, TransparentCellsStayTransparentInEveryMip) {
    // A picture whose left half is transparent (index 255) and whose right half is solid, with
    // a stripe of 3 transparent texels in 8 (37.5 %) and one of 5 in 8 (62.5 %).
    IndexedPicture p = picture(64, 64);
    for (int i = 0; i < 255; ++i)
        p.palette[static_cast<std::size_t>(i)] = qRgb(i, 0, 255 - i);
    p.palette[20] = kPureBlue;  // a second pure blue, which must never come back opaque
    p.palette[255] = kPureBlue;
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            p.pixels[y * 64 + x] = static_cast<char>(x < 32 ? 255 : 100 + (x + y) % 20);
    makeColourSpray(p, true);
    const EngineView view = engineRead(sprayWad(p));
    ASSERT_EQ(view.problem, QString());
    for (int level = 1; level < 4; ++level) {
        const int side = 64 >> level;
        int clear = 0;
        for (int y = 0; y < side; ++y) {
            for (int x = 0; x < side; ++x) {
                const auto index = static_cast<uchar>(view.mip[level][y * side + x]);
                EXPECT_EQ(index == 255, x < side / 2) << "level " << level << " at " << x;
                clear += index == 255;
            }
        }
        EXPECT_EQ(clear, side * side / 2) << "level " << level;
    }
    for (int i = 0; i < 255; ++i)
        EXPECT_NE(qRgb(static_cast<uchar>(view.palette[3 * i]),
                       static_cast<uchar>(view.palette[3 * i + 1]),
                       static_cast<uchar>(view.palette[3 * i + 2])),
                  kPureBlue)
            << "entry " << i;

    // 40 % or fewer solid texels make a transparent cell; more make a solid one.
    IndexedPicture q = picture(16, 16);
    q.palette[255] = kPureBlue;
    q.palette[7] = qRgb(200, 10, 10);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            q.pixels[y * 16 + x] = static_cast<char>(((y < 8) ? x % 8 < 3 : x % 8 < 4) ? 7 : 255);
    const QByteArray mip3 = reduceMip(q, 3);
    EXPECT_EQ(static_cast<uchar>(mip3[0]), 255) << "37.5 % solid";
    EXPECT_EQ(static_cast<uchar>(mip3[2]), 7) << "50 % solid, in the solid colour";
}

TEST(WadWriter, OneColourMipsAverageTheOpacities) {
    IndexedPicture p = picture(16, 16);
    for (int i = 0; i < 256; ++i)
        p.palette[static_cast<std::size_t>(i)] = qRgb(0, 0, 0);
    p.palette[255] = qRgb(255, 0, 0);
    // Opacity 100 and 200 in a checkerboard, and a ramp down the rows: each cell is the mean.
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            p.pixels[y * 16 + x] = static_cast<char>(x < 8 ? ((x + y) % 2 ? 200 : 100) : y * 10);
    const QByteArray mip1 = reduceMip(p, 1);
    for (int y = 0; y < 8; ++y) {
        EXPECT_EQ(static_cast<uchar>(mip1[y * 8 + 1]), 150) << y;
        EXPECT_EQ(static_cast<uchar>(mip1[y * 8 + 6]), 20 * y + 5) << y;
    }
}

TEST(SprayCheck, IsTheEnginesOwnRules) {
    const QByteArray good = sprayWad(picture(32, 32));
    ASSERT_TRUE(checkSprayFile(good));
    const qsizetype lump = 12;
    const auto withU32 = [&](qsizetype at, quint32 value) {
        QByteArray b = good;
        qToLittleEndian(value, b.data() + at);
        return b;
    };
    const quint32 mip1 = qFromLittleEndian<quint32>(good.constData() + lump + 28);
    EXPECT_FALSE(checkSprayFile(withU32(lump + 28, mip1 + 1))) << "mip 1 one byte off";
    const qsizetype count = lump + 40 + 32 * 32 * 85 / 64;
    QByteArray noColours = good;
    noColours[count] = 0;
    noColours[count + 1] = 0;
    EXPECT_FALSE(checkSprayFile(noColours)) << "a colour count of 0";
    QByteArray fewColours = good;
    fewColours[count] = 16;
    fewColours[count + 1] = 0;
    EXPECT_TRUE(checkSprayFile(fewColours)) << "1 to 256 colours";
    EXPECT_FALSE(checkSprayFile(withU32(4, 2))) << "two lumps";
    EXPECT_FALSE(checkSprayFile(withU32(lump + 16, 257))) << "wider than 256";
    EXPECT_TRUE(checkSprayFile(sprayWad(picture(256, 48)))) << "256 wide";
    EXPECT_TRUE(checkSprayFile(sprayWad(picture(48, 256)))) << "256 high";
    EXPECT_FALSE(checkSprayFile(good + QByteArray(4, '\0'))) << "directory not last";
    EXPECT_FALSE(checkSprayFile(good.left(1000))) << "under 1,024 bytes";
}

TEST(WadWriter, AFailedWriteSaysWhy) {
    QBuffer closed;
    QString error;
    EXPECT_FALSE(writeWad(closed, {Lump{QStringLiteral("A"), 0x43, QByteArray(100, 'x')}}, &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(WadReader, ReadsWhatTheWriterWrote) {
    const IndexedPicture p = picture(32, 48);
    const auto lumps = readWad(sprayWad(p));
    ASSERT_TRUE(lumps) << lumps.error().toStdString();
    ASSERT_EQ(lumps->size(), 1u);
    EXPECT_EQ(lumps->front().name, QStringLiteral("VELMR"));
    const auto back = readMipTexture(lumps->front().data);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->pixels, p.pixels);
    EXPECT_EQ(back->palette, p.palette);
    EXPECT_TRUE(checkSprayFile(sprayWad(p)));
}

class MalformedWad : public ::testing::TestWithParam<const char*> {};

TEST_P(MalformedWad, IsRefusedWithAReason) {
    const QByteArray bytes = fixture(QStringLiteral("wad/") + QString::fromLatin1(GetParam()));
    const auto result = checkSprayFile(bytes);
    EXPECT_FALSE(result);
    EXPECT_FALSE(result.error().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Fixtures, MalformedWad,
                         ::testing::Values("too_small.wad", "bad_magic.wad",
                                           "directory_out_of_bounds.wad", "huge_lump_count.wad",
                                           "entry_out_of_bounds.wad", "compressed_lump.wad",
                                           "huge_dimensions.wad", "zero_width.wad",
                                           "truncated_palette.wad", "palette_count_too_big.wad",
                                           "two_lumps.wad"));

TEST(WadReader, ADirectoryNamingOneLumpAgainAndAgainCostsNoMoreThanTheFile) {
    QByteArray wad = sprayWad(picture(64, 64));
    const qsizetype directory = wad.size() - 32;
    const QByteArray entry = wad.mid(directory);
    for (int i = 1; i < 200; ++i)
        wad.append(entry);
    wad[4] = static_cast<char>(200);
    const auto all = readWad(wad);
    ASSERT_FALSE(all);
    EXPECT_EQ(all.error(), QStringLiteral("the lumps add up to more than the file"));
    const auto first = readWad(wad, 1);
    ASSERT_TRUE(first) << first.error().toStdString();
    EXPECT_EQ(first->size(), 1u);
    EXPECT_TRUE(readMipTexture(first->front().data));
}

TEST(WadReader, SurvivesEveryTruncationAndByteFlipOfAGoodFile) {
    const QByteArray good = sprayWad(picture(16, 32));
    for (qsizetype cut = 0; cut < good.size(); cut += 7)
        (void)checkSprayFile(good.left(cut));
    for (qsizetype at = 0; at < good.size(); at += 3) {
        QByteArray bad = good;
        bad[at] = static_cast<char>(~bad[at]);
        const auto lumps = readWad(bad);
        if (lumps)
            for (const Lump& l : lumps.value())
                (void)readMipTexture(l.data);
    }
}

TEST(PaletteRules, KeepsAPictureWhoseEntry255IsAlreadyBlue) {
    IndexedPicture p = picture(16, 16);
    p.palette[255] = kPureBlue;
    p.pixels[0] = static_cast<char>(255);
    const IndexedPicture before = p;
    makeColourSpray(p, false);
    EXPECT_EQ(p.pixels, before.pixels);
    EXPECT_EQ(p.palette, before.palette);
}

TEST(PaletteRules, SetsBlueWhenEntry255IsUnused) {
    IndexedPicture p = picture(16, 16);
    const IndexedPicture before = p;
    makeColourSpray(p, false);
    EXPECT_EQ(p.palette[255], kPureBlue);
    EXPECT_EQ(p.pixels, before.pixels);
}

TEST(PaletteRules, MovesAUsedColourAt255ToAFreeEntry) {
    IndexedPicture p = picture(16, 16);
    p.pixels[5] = static_cast<char>(255);
    const QRgb moved = p.palette[255];
    makeColourSpray(p, false);
    const auto index = static_cast<uchar>(p.pixels[5]);
    EXPECT_NE(index, 255);
    EXPECT_EQ(p.palette[index], moved) << "the picture looks the same";
    EXPECT_EQ(p.palette[255], kPureBlue);
}

TEST(PaletteRules, UsesTheNearestTwinWhenNoEntryIsFree) {
    IndexedPicture p = picture(16, 16);
    for (int i = 0; i < 256; ++i)
        p.pixels[i] = static_cast<char>(i);
    p.palette[255] = qRgb(10, 200, 30);
    p.palette[17] = qRgb(11, 200, 30);
    makeColourSpray(p, false);
    EXPECT_EQ(static_cast<uchar>(p.pixels[255]), 17);
    EXPECT_EQ(p.palette[255], kPureBlue);
}

TEST(PaletteRules, BraceNamedBitmapsMakeTheirBluePixelsTransparent) {
    IndexedPicture p = picture(16, 16);
    p.palette[3] = kPureBlue;
    p.pixels[0] = 3;
    IndexedPicture plain = p;
    makeColourSpray(p, true);
    EXPECT_EQ(static_cast<uchar>(p.pixels[0]), 255);
    makeColourSpray(plain, false);
    EXPECT_EQ(static_cast<uchar>(plain.pixels[0]), 3) << "without the brace, blue stays a colour";
}

TEST(SpraySize, IsTheLargestAllowedSizeOfTheSameShape) {
    const std::pair<QSize, QSize> table[] = {
        {QSize(112, 128), QSize(112, 128)},  // allowed: kept
        {QSize(512, 512), QSize(112, 112)},  // square stays square
        {QSize(1024, 768), QSize(128, 96)},  //
        {QSize(64, 256), QSize(48, 208)},    // 64 x 224 would squash it
        {QSize(30, 20), QSize(32, 16)},      // small: up to the next multiple of 16 only
        {QSize(7, 3), QSize(16, 16)},        // tiny: the smallest spray
        {QSize(1000, 10), QSize(256, 16)},   // too thin to keep its shape: the largest that fits
        {QSize(128, 128), QSize(112, 112)},  // over the area
    };
    for (const auto& [source, expected] : table)
        EXPECT_EQ(spraySizeFor(source), expected) << source.width() << "x" << source.height();
    // A picture one pixel high or wide is a spray too, scaled up; an empty one is not.
    for (const QSize thin : {QSize(16, 1), QSize(1, 16), QSize(1, 1)}) {
        QImage picture(thin, QImage::Format_RGB32);
        picture.fill(qRgb(10, 200, 30));
        const auto spray = makeSprayPicture(picture, std::nullopt, false);
        ASSERT_TRUE(spray) << thin.width() << "x" << thin.height();
        EXPECT_TRUE(spraySizeAllowed(spray->picture.width, spray->picture.height));
    }
    EXPECT_FALSE(makeSprayPicture(QImage(), std::nullopt, false));
}

TEST(LumpScriptReader, ReadsTheProgramsOwnScript) {
    const auto script = parseLumpScript(fixture(QStringLiteral("script/valid.ls")));
    ASSERT_TRUE(script) << script.error().toStdString();
    EXPECT_EQ(script->destination, QStringLiteral("C:\\TOOLS\\SPRAYK~1\\rad1.tmp"));
    ASSERT_EQ(script->lumps.size(), 1u);
    EXPECT_EQ(script->lumps[0].name, QStringLiteral("VELMR"));
    EXPECT_EQ(script->lumps[0].x, -1);
    EXPECT_EQ(script->lumps[0].bitmap, QStringLiteral("C:\\SPRAYS\\LOGO~1.BMP"));
}

TEST(LumpScriptReader, ReadsAnyWellFormedScript) {
    const auto script = parseLumpScript(
        "$dest out.wad # comment\n$LOADBMP \"one pic.bmp\"\nA miptex 0 0 16 16 ; note\nB MIPTEX 16 "
        "0 32 16\n"
        "$loadbmp two.bmp\nC miptex -1 -1 -1 -1");
    ASSERT_TRUE(script) << script.error().toStdString();
    ASSERT_EQ(script->lumps.size(), 3u);
    EXPECT_EQ(script->lumps[1].width, 32);
    EXPECT_EQ(script->lumps[1].bitmap, QStringLiteral("one pic.bmp"));
    EXPECT_EQ(script->lumps[2].bitmap, QStringLiteral("two.bmp"));
}

class MalformedScript : public ::testing::TestWithParam<const char*> {};

TEST_P(MalformedScript, IsRefusedWithAReason) {
    const auto script =
        parseLumpScript(fixture(QStringLiteral("script/") + QString::fromLatin1(GetParam())));
    EXPECT_FALSE(script);
    EXPECT_FALSE(script.error().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Fixtures, MalformedScript,
                         ::testing::Values("no_dest.ls", "no_loadbmp.ls", "unterminated_quote.ls",
                                           "long_name.ls", "bad_number.ls", "missing_numbers.ls",
                                           "negative_size.ls", "unknown_type.ls",
                                           "dest_without_file.ls", "no_lumps.ls"));

}  // namespace

namespace {

// Reads a cache and says what came of it: the sprays' lengths, or the reason.
struct CacheOutcome {
    bool read = false;
    std::size_t sprays = 0;
    int passedOver = 0;
    QString error;
};

CacheOutcome readCache(const QByteArray& bytes) {
    const auto cache = readSprayCache(bytes);
    if (!cache)
        return CacheOutcome{false, 0, 0, cache.error()};
    return CacheOutcome{true, cache->sprays.size(), cache->passedOver, QString()};
}

}  // namespace

// The game's cache of sprays seen on servers: every decal entry that is a spray the game takes
// is offered, byte for byte; anything else is passed over, and a damaged cache is refused with
// the reason, never read past its end.
TEST(SprayCacheReader, OffersTheSpraysTheGameTakesAndRefusesDamagedCaches) {
    const QByteArray one = velmira::test::sprayWad(64, 64, 1);
    const QByteArray two = velmira::test::sprayWad(32, 96, 2);
    const QByteArray good =
        hpkOf({{one}, {two, 3, "pldecal.wad"}, {one, 2}, {QByteArray(600, 'x')}});
    const auto cache = readSprayCache(good);
    ASSERT_TRUE(cache) << cache.error().toStdString();
    ASSERT_EQ(cache->sprays.size(), 2u);
    EXPECT_EQ(sprayIn(good, cache->sprays[0]), one) << "byte for byte";
    EXPECT_EQ(sprayIn(good, cache->sprays[1]), two);
    EXPECT_EQ(cache->sprays[1].name, QStringLiteral("pldecal.wad"));
    EXPECT_EQ(cache->passedOver, 2) << "a generic resource and a decal that is no spray";

    const auto withCount = [&](quint32 count) {
        QByteArray bytes = good;
        const quint32 directory = qFromLittleEndian<quint32>(bytes.constData() + 8);
        qToLittleEndian(count, bytes.data() + directory);
        return bytes;
    };
    QByteArray outside = good;
    qToLittleEndian<quint32>(static_cast<quint32>(good.size()), outside.data() + 8);
    QByteArray beyond = good;
    qToLittleEndian<quint32>(0xfffffff0u, beyond.data() + 8);
    QByteArray version = good;
    version[4] = 2;
    // 32,768 entries of a few bytes each: none is a spray, all are passed over.
    std::vector<HpkEntry> tiny(32768, HpkEntry{QByteArray("tiny", 4)});
    // Each refused with its own reason (the part of it given here).
    const char* cutShort = "cut short";
    const char* outsideIt = "lies outside it";
    const char* counts = "directory counts";
    const struct {
        const char* what;
        QByteArray bytes;
        bool read;
        std::size_t sprays;
        const char* reason;
    } cases[] = {
        {"a good cache", good, true, 2, ""},
        {"the header cut short", good.left(10), false, 0, "not a cache"},
        {"the directory cut short", good.left(good.size() - 10), false, 0, cutShort},
        {"the directory a byte short", good.left(good.size() - 1), false, 0, cutShort},
        {"a directory outside the file", outside, false, 0, outsideIt},
        {"a directory far beyond the file", beyond, false, 0, outsideIt},
        {"no entries", withCount(0), false, 0, counts},
        {"32,769 entries", withCount(32769), false, 0, counts},
        {"more entries than the directory holds", withCount(5), false, 0, cutShort},
        {"another version", version, false, 0, "version"},
        {"not a cache", QByteArray("PACK") + good.mid(4), false, 0, "not a cache"},
        {"an entry claiming the whole file", hpkOf({{one, 3, "x", 0, 12 + 4 + 144}}), true, 0, ""},
        {"an entry past the end", hpkOf({{one, 3, "x", 12 + one.size(), one.size()}}), false, 0,
         "add up to more"},
        {"entries adding up to more than the file",
         hpkOf({{one}, {one, 3, "x", 12, one.size()}, {one, 3, "x", 12, one.size()}}), false, 0,
         "add up to more"},
        {"32,768 tiny entries", hpkOf(tiny), true, 0, ""},
    };
    for (const auto& c : cases) {
        const CacheOutcome outcome = readCache(c.bytes);
        EXPECT_EQ(outcome.read, c.read) << c.what << ": " << outcome.error.toStdString();
        EXPECT_EQ(outcome.sprays, c.sprays) << c.what;
        EXPECT_TRUE(outcome.error.contains(QLatin1String(c.reason)))
            << c.what << ": " << outcome.error.toStdString();
        if (!c.read) {
            EXPECT_FALSE(outcome.error.isEmpty()) << c.what;
        }
    }
    // Every cut and every flipped byte of a good cache is read or refused, never more.
    for (qsizetype cut = 0; cut < good.size(); cut += 7)
        readCache(good.left(cut));
    for (qsizetype at = 0; at < good.size(); at += 3) {
        QByteArray flipped = good;
        flipped[at] = static_cast<char>(flipped[at] ^ 0x5a);
        readCache(flipped);
    }
}
