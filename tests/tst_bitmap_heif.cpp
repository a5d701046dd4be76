// HEIF files read as far as their boxes go without libheif, libheif's planes and profiles
// taken only where they fit, and grids read tile by tile.

#include "helpers/picturebytes.h"
#include "helpers/testenv.h"
#include "picture/colourprofile.h"
#include "picture/heif.h"
#include "picture/picturecost.h"
#include "picture/readpicture.h"

#include <QtEndian>

#include <gtest/gtest.h>

using namespace velmira::picture;
using namespace velmira::test;

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
    // Each tile's rows where they lie, brightness and colour: tiles that fade from blue at their
    // top to yellow at their bottom.
    const auto rows = decodePicture(fixture("grid-rows.heic"), "heic");
    ASSERT_TRUE(rows) << rows.error().toStdString();
    ASSERT_TRUE(readHeifHeaders(fixture("grid-rows.heic"))->readByTiles());
    const struct {
        QPoint at;
        QRgb colour;
    } shades[] = {{{5, 2}, qRgb(46, 45, 209)},
                  {{5, 60}, qRgb(221, 211, 36)},
                  {{5, 70}, qRgb(59, 58, 198)},
                  {{100, 97}, qRgb(138, 134, 123)}};
    for (const auto& s : shades) {
        const QRgb got = rows->pixel(s.at);
        EXPECT_LE(std::abs(qRed(got) - qRed(s.colour)) + std::abs(qGreen(got) - qGreen(s.colour)) +
                      std::abs(qBlue(got) - qBlue(s.colour)),
                  24)
            << s.at.x() << "," << s.at.y() << " " << std::hex << got;
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
