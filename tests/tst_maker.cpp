#include "helpers/testenv.h"
#include "library/maker.h"
#include "picture/bmp.h"
#include "picture/readpicture.h"
#include "spray/maker.h"
#include "wad/compile.h"
#include "wad/wad.h"

#include <QPainter>
#include <QtEndian>

#include <gtest/gtest.h>

using namespace velmira::picture;
using namespace velmira::spray;
using namespace velmira::wad;

namespace {

// A red disc, its edge blended, on white: a logo on a background.
QImage discOnWhite(int side) {
    QImage picture(side, side, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(200, 0, 0));
    painter.drawEllipse(QRectF(side * 0.2, side * 0.2, side * 0.6, side * 0.6));
    // A white dot inside the disc, which no flood from the edge reaches.
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(side * 0.48, side * 0.48, side * 0.04, side * 0.04));
    return picture;
}

MakerChoices centred(const MakerSource& source, double zoom) {
    MakerChoices choices;
    choices.zoom = zoom;
    choices.centre = QPointF(source.size().width() / 2.0, source.size().height() / 2.0);
    return choices;
}

}  // namespace

TEST(SpraySizes, EachChoiceKeepsItsLimitsAndTheShape) {
    const struct {
        SizeChoice choice;
        QSize picture;
        bool enlarge;
        QSize expected;
    } rows[] = {
        {SizeChoice::Largest, QSize(4000, 3000), false, QSize(128, 96)},
        {SizeChoice::Largest, QSize(3000, 3000), false, QSize(112, 112)},
        {SizeChoice::Classic, QSize(3000, 3000), false, QSize(96, 96)},
        {SizeChoice::Classic, QSize(4000, 3000), false, QSize(128, 96)},  // exactly 12,288
        {SizeChoice::Classic, QSize(1500, 3000), false, QSize(80, 144)},
        {SizeChoice::EveryServer, QSize(4000, 3000), false, QSize(64, 48)},
        {SizeChoice::EveryServer, QSize(3000, 3000), false, QSize(64, 64)},
        {SizeChoice::Largest, QSize(40, 30), false, QSize(48, 32)},  // never scaled up
        {SizeChoice::Largest, QSize(40, 30), true, QSize(128, 96)},
    };
    for (const auto& row : rows) {
        MakerChoices choices;
        choices.size = row.choice;
        choices.enlarge = row.enlarge;
        const QSize size = makerSpraySize(choices, row.picture);
        EXPECT_EQ(size, row.expected) << static_cast<int>(row.choice) << " " << row.picture.width();
        EXPECT_TRUE(spraySizeAllowed(size.width(), size.height()));
    }
    MakerChoices free;
    free.size = SizeChoice::Free;
    free.freeSize = QSize(256, 256);
    EXPECT_EQ(makerSpraySize(free, QSize(10, 10)), QSize(256, 48)) << "the nearest allowed";
    free.freeSize = QSize(112, 128);
    EXPECT_EQ(makerSpraySize(free, QSize(10, 10)), QSize(112, 128)) << "the largest area itself";
    free.freeSize = QSize(33, 200);
    EXPECT_EQ(makerSpraySize(free, QSize(10, 10)), QSize(48, 208));
    EXPECT_EQ(turnedSize(QSize(40, 30), 1), QSize(30, 40));
    EXPECT_DOUBLE_EQ(fitZoom(QSize(400, 200), QSize(128, 96), false), 0.32);
    EXPECT_DOUBLE_EQ(fillZoom(QSize(400, 200), QSize(128, 96), false), 0.48);
    EXPECT_DOUBLE_EQ(fillZoom(QSize(40, 20), QSize(128, 96), false), 1.0) << "never scaled up";
    EXPECT_DOUBLE_EQ(fillZoom(QSize(40, 20), QSize(128, 96), true), 4.8);
    // So thin a picture that fitting it whole would leave less than a pixel across: its thin
    // side keeps one and a half spray pixels, enlarged or not.
    EXPECT_DOUBLE_EQ(fitZoom(QSize(1, 4000), QSize(16, 256), false), 1.5);
    EXPECT_DOUBLE_EQ(fitZoom(QSize(4000, 2), QSize(256, 16), true), 0.75);
    EXPECT_DOUBLE_EQ(fitZoom(QSize(400, 8), QSize(128, 16), false), 0.32) << "thick enough";
}

// A spray in which nothing of the picture shows is said so and cannot be saved; Fit frames even
// a picture one pixel thin so that it shows.
TEST(SprayMaker, ASprayShowingNothingIsRefusedAndFitShowsThinPictures) {
    QImage clear(128, 128, QImage::Format_ARGB32);
    clear.fill(Qt::transparent);
    QImage column(1, 4000, QImage::Format_RGB32);
    column.fill(qRgb(200, 0, 0));
    QImage row(4000, 1, QImage::Format_RGB32);
    row.fill(qRgb(0, 0, 200));
    const struct {
        const char* what;
        QImage picture;
        bool oneColour;
        bool shows;
    } cases[] = {
        {"a 1 x 4000 picture", column, false, true},
        {"a 4000 x 1 picture", row, false, true},
        {"a 4000 x 1 picture as a one-colour logo", row, true, true},
        {"a picture that is see-through everywhere", clear, false, false},
        {"the same as a one-colour logo", clear, true, false},
    };
    for (const auto& c : cases) {
        const MakerSource source(c.picture);
        MakerChoices choices;
        choices.seeThrough = source.hasAlpha() ? SeeThrough::OwnAlpha : SeeThrough::None;
        choices.oneColour = c.oneColour;
        const QSize turned = turnedSize(source.size(), 0);
        choices = centred(source, fitZoom(turned, makerSpraySize(choices, turned), false));
        choices.seeThrough = source.hasAlpha() ? SeeThrough::OwnAlpha : SeeThrough::None;
        choices.oneColour = c.oneColour;
        const auto made = makeSpray(source, choices);
        ASSERT_TRUE(made) << c.what;
        EXPECT_EQ(made->error.isEmpty(), c.shows) << c.what << ": " << made->error.toStdString();
        if (!c.shows) {
            EXPECT_TRUE(made->error.startsWith(QStringLiteral("Nothing of the picture shows")))
                << c.what;
        }
    }
}

// Turning, mirroring and framing move the picture's pixels where the player put them.
TEST(SprayFraming, TurnsMirrorsAndFrames) {
    QImage halves(64, 32, QImage::Format_RGB32);
    halves.fill(Qt::blue);
    QPainter(&halves).fillRect(0, 0, 32, 32, Qt::red);
    const MakerSource source(halves);
    MakerChoices choices = centred(source, 1.0);
    choices.sharp = true;
    const auto pixel = [&](const MakerChoices& c, QSize size, QPoint at) {
        return framedPicture(source, c, size).pixel(at) | 0xff000000u;
    };
    EXPECT_EQ(pixel(choices, QSize(64, 32), QPoint(2, 16)), qRgb(255, 0, 0));
    EXPECT_EQ(pixel(choices, QSize(64, 32), QPoint(31, 16)), qRgb(255, 0, 0)) << "pixel exact";
    EXPECT_EQ(pixel(choices, QSize(64, 32), QPoint(31, 0)), qRgb(255, 0, 0));
    EXPECT_EQ(pixel(choices, QSize(64, 32), QPoint(32, 16)), qRgb(0, 0, 255));
    choices.mirrored = true;
    EXPECT_EQ(pixel(choices, QSize(64, 32), QPoint(2, 16)), qRgb(0, 0, 255));
    choices.mirrored = false;
    choices.quarterTurns = 1;  // clockwise: the left half goes to the top
    EXPECT_EQ(pixel(choices, QSize(32, 64), QPoint(16, 2)), qRgb(255, 0, 0));
    EXPECT_EQ(pixel(choices, QSize(32, 64), QPoint(16, 61)), qRgb(0, 0, 255));
    // Moved so that the picture's right edge is at the centre: the frame's right half is
    // outside the picture, see-through unless a colour fills it.
    choices.quarterTurns = 0;
    choices.centre = QPointF(64, 16);
    EXPECT_EQ(qAlpha(framedPicture(source, choices, QSize(64, 32)).pixel(60, 16)), 0);
    choices.fill = qRgb(0, 255, 0);
    EXPECT_EQ(pixel(choices, QSize(64, 32), QPoint(60, 16)), qRgb(0, 255, 0));
    // A large picture is framed from a smaller copy of it, its shape kept.
    QImage large(1200, 800, QImage::Format_RGB32);
    large.fill(Qt::blue);
    QPainter(&large).fillRect(0, 0, 1200, 400, Qt::red);
    const MakerSource big(large);
    double levelScale = 1.0;
    EXPECT_EQ(big.levelFor(0.1, &levelScale).width(), 300) << "the smallest copy large enough";
    EXPECT_DOUBLE_EQ(levelScale, 0.25);
    MakerChoices small = centred(big, 0.1);
    const QImage framed = framedPicture(big, small, QSize(128, 80));
    EXPECT_EQ(framed.pixel(64, 4) | 0xff000000u, qRgb(255, 0, 0));
    EXPECT_EQ(framed.pixel(64, 75) | 0xff000000u, qRgb(0, 0, 255));
}

TEST(SpraySeeThrough, ColourEverywhereOrFromTheEdgeAndTheFringe) {
    const MakerSource source(discOnWhite(96));
    MakerChoices choices = centred(source, 1.0);
    choices.key = qRgb(255, 255, 255);
    choices.tolerance = 8;
    const auto made = [&](SeeThrough mode, bool fringe) {
        choices.seeThrough = mode;
        choices.removeFringe = fringe;
        QImage framed = framedPicture(source, choices, QSize(96, 96));
        applySeeThrough(framed, choices);
        return framed;
    };
    const QImage everywhere = made(SeeThrough::Colour, false);
    EXPECT_EQ(qAlpha(everywhere.pixel(2, 2)), 0);
    EXPECT_EQ(qAlpha(everywhere.pixel(2, 0)), 0) << "the first row too";
    EXPECT_EQ(qAlpha(everywhere.pixel(48, 48)), 0) << "the white dot inside goes too";
    EXPECT_EQ(qAlpha(everywhere.pixel(35, 48)), 255);
    // The flood goes every way: four white corridors, each open to one edge only, run into a
    // red picture and are see-through to their ends; the red between them is not.
    QImage corridors(96, 96, QImage::Format_RGB32);
    corridors.fill(qRgb(200, 0, 0));
    for (int i = 0; i < 40; ++i)
        for (int w = 46; w < 50; ++w) {
            corridors.setPixel(i, w, qRgb(255, 255, 255));            // from the left
            corridors.setPixel(95 - i, w - 20, qRgb(255, 255, 255));  // from the right
            corridors.setPixel(w, i, qRgb(255, 255, 255));            // from the top
            corridors.setPixel(w - 20, 95 - i, qRgb(255, 255, 255));  // from the bottom
        }
    const MakerSource corridorSource(corridors);
    MakerChoices corridorChoices = centred(corridorSource, 1.0);
    corridorChoices.key = qRgb(255, 255, 255);
    corridorChoices.seeThrough = SeeThrough::ColourFromEdge;
    QImage flooded = framedPicture(corridorSource, corridorChoices, QSize(96, 96));
    applySeeThrough(flooded, corridorChoices);
    for (const QPoint end : {QPoint(39, 47), QPoint(56, 27), QPoint(47, 39), QPoint(27, 56)})
        EXPECT_EQ(qAlpha(flooded.pixel(end)), 0) << end.x() << "," << end.y();
    EXPECT_EQ(qAlpha(flooded.pixel(60, 60)), 255);
    const QImage edge = made(SeeThrough::ColourFromEdge, false);
    EXPECT_EQ(qAlpha(edge.pixel(2, 2)), 0);
    EXPECT_EQ(qAlpha(edge.pixel(48, 48)), 255) << "the flood from the edge stops at the disc";
    // Without the fringe removed, blended pink pixels ring the disc; with it, none is left
    // there (those around the white dot stay: nothing beside them is see-through).
    const auto pinkAtEdge = [](const QImage& image) {
        int pink = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb p = image.pixel(x, y);
                const bool inner = std::abs(x - 48) < 12 && std::abs(y - 48) < 12;
                pink += !inner && qAlpha(p) == 255 && qGreen(p) > 40 && qRed(p) > 220 ? 1 : 0;
            }
        return pink;
    };
    EXPECT_GT(pinkAtEdge(edge), 0);
    const QImage cleaned = made(SeeThrough::ColourFromEdge, true);
    EXPECT_EQ(pinkAtEdge(cleaned), 0);
    const auto clear = [](const QImage& image) {
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                count += qAlpha(image.pixel(x, y)) == 0 ? 1 : 0;
        return count;
    };
    EXPECT_GE(clear(cleaned), clear(edge)) << "removing the fringe makes nothing solid";
    // A background that touches one edge of the frame only is reached from there.
    QImage notch(32, 32, QImage::Format_RGB32);
    notch.fill(qRgb(200, 0, 0));
    {
        QPainter painter(&notch);
        painter.fillRect(28, 12, 4, 8, Qt::white);  // the right edge
        painter.fillRect(0, 20, 4, 6, Qt::white);   // the left edge
        painter.fillRect(10, 28, 6, 4, Qt::white);  // the bottom edge
    }
    const MakerSource notched(notch);
    MakerChoices fromEdge = centred(notched, 1.0);
    fromEdge.seeThrough = SeeThrough::ColourFromEdge;
    fromEdge.key = qRgb(255, 255, 255);
    QImage reached = framedPicture(notched, fromEdge, QSize(32, 32));
    applySeeThrough(reached, fromEdge);
    EXPECT_EQ(qAlpha(reached.pixel(29, 16)), 0);
    EXPECT_EQ(qAlpha(reached.pixel(1, 22)), 0);
    EXPECT_EQ(qAlpha(reached.pixel(12, 29)), 0);
    // Moved down a pixel, the picture leaves the frame's top row clear: a background touching
    // the picture's own top edge is reached from there.
    QImage top(32, 32, QImage::Format_RGB32);
    top.fill(qRgb(200, 0, 0));
    QPainter(&top).fillRect(12, 0, 6, 4, Qt::white);
    const MakerSource topped(top);
    MakerChoices lowered = centred(topped, 1.0);
    lowered.centre -= QPointF(0, 1);
    lowered.seeThrough = SeeThrough::ColourFromEdge;
    lowered.key = qRgb(255, 255, 255);
    lowered.sharp = true;
    QImage fromTop = framedPicture(topped, lowered, QSize(32, 32));
    applySeeThrough(fromTop, lowered);
    EXPECT_EQ(qAlpha(fromTop.pixel(14, 0)), 0) << "outside the picture";
    EXPECT_EQ(qAlpha(fromTop.pixel(14, 2)), 0) << "the notch under it";
    EXPECT_EQ(qAlpha(fromTop.pixel(8, 2)), 255);
    // A tolerance of 0 keys the exact colour; the fringe beside a corner keeps its colour.
    QImage corner(32, 32, QImage::Format_RGB32);
    corner.fill(qRgb(200, 0, 0));
    QPainter(&corner).fillRect(28, 28, 4, 4, Qt::white);
    const MakerSource cornered(corner);
    MakerChoices exact = centred(cornered, 1.0);
    exact.seeThrough = SeeThrough::Colour;
    exact.key = qRgb(255, 255, 255);
    exact.tolerance = 0;
    exact.removeFringe = true;
    QImage keyed = framedPicture(cornered, exact, QSize(32, 32));
    applySeeThrough(keyed, exact);
    EXPECT_EQ(qAlpha(keyed.pixel(30, 30)), 0);
    EXPECT_EQ(keyed.pixel(27, 31), qRgb(200, 0, 0));
    // Keyed, a fringe pixel goes when it is within twice the tolerance and 16 of the colour,
    // and takes the colour further in when it is farther.
    for (const auto& [grey, goes] : {std::pair{231, true}, std::pair{215, false}}) {
        QImage ringed(16, 16, QImage::Format_RGB32);
        ringed.fill(qRgb(200, 0, 0));
        QPainter(&ringed).fillRect(0, 0, 16, 4, Qt::white);
        QPainter(&ringed).fillRect(0, 4, 16, 1, QColor(grey, grey, grey));
        const MakerSource ringedSource(ringed);
        MakerChoices key = centred(ringedSource, 1.0);
        key.seeThrough = SeeThrough::ColourFromEdge;
        key.key = qRgb(255, 255, 255);
        key.tolerance = 8;  // the fringe within 32 goes
        key.removeFringe = true;
        key.sharp = true;
        QImage cleanedRing = framedPicture(ringedSource, key, QSize(16, 16));
        applySeeThrough(cleanedRing, key);
        if (goes) {
            EXPECT_EQ(qAlpha(cleanedRing.pixel(8, 4)), 0) << grey;
        } else {
            EXPECT_EQ(cleanedRing.pixel(8, 4), qRgb(200, 0, 0)) << grey;
        }
    }
    EXPECT_EQ(keyed.pixel(31, 27), qRgb(200, 0, 0));
    // A blended pixel beside a one-pixel hole, on whichever side of it: the see-through pixel
    // is its only see-through neighbour, straight across, and it takes the colour further in.
    // A dark blended pixel is recoloured too: with the picture's own transparency no colour is
    // keyed, so nothing near black is taken away.
    // So is one beside a hole at the picture's edge.
    const struct {
        QPoint hole, side;
        QRgb blended;
    } holes[] = {{QPoint(8, 8), QPoint(1, 0), qRgb(240, 120, 120)},
                 {QPoint(8, 8), QPoint(-1, 0), qRgb(240, 120, 120)},
                 {QPoint(8, 8), QPoint(0, 1), qRgb(240, 120, 120)},
                 {QPoint(8, 8), QPoint(0, -1), qRgb(10, 10, 10)},
                 {QPoint(0, 6), QPoint(1, 0), qRgb(240, 120, 120)},
                 {QPoint(15, 6), QPoint(-1, 0), qRgb(240, 120, 120)},
                 {QPoint(8, 0), QPoint(0, 1), qRgb(240, 120, 120)},
                 {QPoint(8, 15), QPoint(0, -1), qRgb(240, 120, 120)}};
    for (const auto& [hole, side, blended] : holes) {
        QImage holed(16, 16, QImage::Format_ARGB32);
        holed.fill(qRgb(200, 0, 0));
        holed.setPixel(hole, qRgba(0, 0, 0, 0));
        holed.setPixel(hole + side, blended);
        // A pixel at the right edge is no neighbour of a hole at the start of the next row: it
        // keeps its colour.
        holed.setPixel(0, 12, qRgba(0, 0, 0, 0));
        holed.setPixel(15, 11, qRgb(20, 200, 20));
        // Beside that hole, and beside one in the first row, the colour further in is the mean
        // of the solid pixels within two that are no fringe, the first column's and row's too:
        // 14 red and 2 green.
        holed.setPixel(0, 10, qRgb(20, 200, 20));
        holed.setPixel(0, 14, qRgb(20, 200, 20));
        holed.setPixel(13, 0, qRgba(0, 0, 0, 0));
        holed.setPixel(11, 0, qRgb(20, 200, 20));
        holed.setPixel(15, 0, qRgb(20, 200, 20));
        const MakerSource holedSource(holed);
        MakerChoices own = centred(holedSource, 1.0);
        own.seeThrough = SeeThrough::OwnAlpha;
        own.removeFringe = true;
        own.sharp = true;
        QImage cleanedHole = framedPicture(holedSource, own, QSize(16, 16));
        applySeeThrough(cleanedHole, own);
        const std::string where = std::to_string(hole.x()) + "," + std::to_string(hole.y()) + " " +
                                  std::to_string(side.x()) + "," + std::to_string(side.y());
        EXPECT_EQ(qAlpha(cleanedHole.pixel(hole)), 0) << where;
        EXPECT_EQ(cleanedHole.pixel(hole + side), qRgb(200, 0, 0)) << where;
        EXPECT_EQ(cleanedHole.pixel(15, 11), qRgb(20, 200, 20)) << where;
        EXPECT_EQ(cleanedHole.pixel(1, 12), qRgb(177, 25, 2)) << where;
        EXPECT_EQ(cleanedHole.pixel(13, 1), qRgb(177, 25, 2)) << where;
    }
    // The picture's own transparency, cut where the player says.
    QImage fading(32, 32, QImage::Format_ARGB32);
    for (int x = 0; x < 32; ++x)
        for (int y = 0; y < 32; ++y)
            fading.setPixel(x, y, qRgba(0, 0, 0, x * 8));
    const MakerSource faded(fading);
    MakerChoices own = centred(faded, 1.0);
    own.seeThrough = SeeThrough::OwnAlpha;
    own.alphaCutoff = 64;
    QImage cut = framedPicture(faded, own, QSize(32, 32));
    applySeeThrough(cut, own);
    EXPECT_EQ(qAlpha(cut.pixel(7, 5)), 0);
    EXPECT_EQ(qAlpha(cut.pixel(8, 5)), 255);
    // Unless its own transparency counts, a see-through picture is drawn solid.
    own.seeThrough = SeeThrough::None;
    QImage solid = framedPicture(faded, own, QSize(32, 32));
    applySeeThrough(solid, own);
    EXPECT_EQ(qAlpha(solid.pixel(0, 5)), 255);
    EXPECT_TRUE(faded.hasAlpha());
    QImage leftColumn(16, 16, QImage::Format_ARGB32);
    leftColumn.fill(qRgb(1, 2, 3));
    leftColumn.setPixel(0, 7, qRgba(1, 2, 3, 10));
    EXPECT_TRUE(MakerSource(leftColumn).hasAlpha()) << "see-through in the first column only";
    EXPECT_FALSE(source.hasAlpha());
}

// The saved bitmap is what the compiler keeps byte for byte: the maker's WAD is the one the
// compiler makes of it, colour or one-colour.
TEST(SprayMaker, TheSavedBitmapCompilesToTheSameWad) {
    const MakerSource source(discOnWhite(300));
    for (const bool oneColour : {false, true}) {
        MakerChoices choices = centred(source, fitZoom(QSize(300, 300), QSize(112, 112), false));
        choices.seeThrough = SeeThrough::ColourFromEdge;
        choices.key = qRgb(255, 255, 255);
        choices.oneColour = oneColour;
        choices.ink = qRgb(0, 0, 255);  // pure blue ink would make it a colour spray
        const auto made = makeSpray(source, choices);
        ASSERT_TRUE(made) << made.error().toStdString();
        EXPECT_TRUE(made->error.isEmpty());
        EXPECT_EQ(made->spray.oneColour, oneColour);
        EXPECT_EQ(QSize(made->spray.picture.width, made->spray.picture.height), QSize(112, 112));
        const QByteArray bitmap = sprayBitmap(made->spray.picture);
        // The header, field by field, as other programs read it.
        const auto u16 = [&](int at) {
            return qFromLittleEndian<quint16>(bitmap.constData() + at);
        };
        const auto u32 = [&](int at) {
            return qFromLittleEndian<quint32>(bitmap.constData() + at);
        };
        const struct {
            const char* field;
            quint32 value, expected;
        } fields[] = {
            {"signature", u16(0), 0x4d42},
            {"file size", u32(2), static_cast<quint32>(bitmap.size())},
            {"reserved", u32(6), 0},
            {"pixel offset", u32(10), 14 + 40 + 1024},
            {"info header size", u32(14), 40},
            {"width", u32(18), 112},
            {"height (bottom-up)", u32(22), 112},
            {"planes", u16(26), 1},
            {"bits per pixel", u16(28), 8},
            {"compression", u32(30), 0},
            {"pixel bytes", u32(34), 112 * 112},
            {"horizontal resolution", u32(38), 2835},
            {"vertical resolution", u32(42), 2835},
            {"colours used", u32(46), 256},
            {"important colours", u32(50), 0},
        };
        for (const auto& f : fields)
            EXPECT_EQ(f.value, f.expected) << f.field;
        EXPECT_EQ(QImage::fromData(bitmap, "BMP").dotsPerMeterX(), 2835);
        const auto read = decodePicture(bitmap, "bmp");
        ASSERT_TRUE(read) << read.error().toStdString();
        const auto compiled = makeSprayPicture(read.value(), std::nullopt, false);
        ASSERT_TRUE(compiled) << compiled.error().toStdString();
        EXPECT_EQ(compiled->picture.pixels, made->spray.picture.pixels) << oneColour;
        EXPECT_EQ(compiled->picture.palette, made->spray.picture.palette) << oneColour;
        EXPECT_EQ(sprayWad(compiled.value(), kSprayLumpName), made->wad) << oneColour;
        EXPECT_TRUE(checkSprayFile(made->wad));
        EXPECT_EQ(made->spray.picture.at(2, 2), oneColour ? 0 : kTransparentIndex);
        EXPECT_EQ(made->spray.picture.at(56, 0), oneColour ? 0 : kTransparentIndex);
        if (oneColour) {
            // Inside the disc, solid in proportion to how dark the red is.
            EXPECT_NEAR(made->spray.picture.at(40, 56), 255 - qGray(qRgb(200, 0, 0)), 2);
        }
        if (oneColour) {
            EXPECT_EQ(made->spray.picture.palette[kTransparentIndex], kNearlyPureBlue);
        }
    }
}

TEST(SprayMaker, SharpScalingKeepsPixelArtsColoursAndWarnsWhereItShould) {
    QImage art(16, 16, QImage::Format_RGB32);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            art.setPixel(x, y, (x + y) % 2 ? qRgb(250, 250, 0) : qRgb(0, 0, 90));
    const MakerSource source(art);
    MakerChoices choices = centred(source, 4.0);
    choices.enlarge = true;
    choices.size = SizeChoice::EveryServer;
    choices.sharp = true;
    choices.dither = false;
    const auto sharp = makeSpray(source, choices);
    ASSERT_TRUE(sharp);
    EXPECT_EQ(sharp->colours, 2);
    EXPECT_TRUE(sharp->warnings.isEmpty()) << sharp->warnings.join(QLatin1Char(';')).toStdString();
    choices.sharp = false;
    EXPECT_GT(makeSpray(source, choices)->colours, 2) << "smooth scaling blends";
    choices.size = SizeChoice::Largest;
    const auto large = makeSpray(source, choices);
    EXPECT_TRUE(large->warnings.contains(
        QStringLiteral("Servers that keep sprays to 64 \u00d7 64 will not show this")));
    QImage photo(200, 200, QImage::Format_RGB32);
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 200; ++x)
            photo.setPixel(x, y, qRgb(x, y, (x * y) % 256));
    const MakerSource photoSource(photo);
    EXPECT_TRUE(photoSource.looksLikePhoto());
    EXPECT_FALSE(source.looksLikePhoto());
    MakerChoices photoChoices = centred(photoSource, 0.5);
    photoChoices.sharp = true;
    EXPECT_TRUE(makeSpray(photoSource, photoChoices)
                    ->warnings.contains(QStringLiteral("Sharp scaling of a photo looks blocky")));
}

// The picture is planned again each time it is read: one that passed the check before the maker
// opened and was then replaced by one claiming far more pixels is refused by the maker's read
// with the reason, not decoded.
TEST(SprayMaker, APictureReplacedAfterItsCheckIsPlannedAgain) {
    velmira::test::Scratch scratch;
    QImage small(64, 48, QImage::Format_RGB32);
    small.fill(Qt::red);
    const QString path = scratch.path(QStringLiteral("photo.png"));
    ASSERT_TRUE(small.save(path, "PNG"));
    EXPECT_EQ(velmira::makerPictureProblem(path), QString());
    // The same name now a GIF of 30 bytes whose screen is 65535 x 65535 (17 GB decoded).
    const char gif[] =
        "GIF89a\xff\xff\xff\xff\0\0\0"
        "\x2c\0\0\0\0\x01\0\x01\0\0\x02\x02\x4c\x01\0\x3b";
    scratch.write(QStringLiteral("photo.png"), QByteArray(gif, sizeof gif - 1));
    QString error;
    EXPECT_EQ(velmira::loadMakerSource(path, &error), nullptr);
    EXPECT_TRUE(error.contains(QStringLiteral("more than can be read"))) << error.toStdString();
    EXPECT_TRUE(
        velmira::makerPictureProblem(path).contains(QStringLiteral("more than can be read")));
}
