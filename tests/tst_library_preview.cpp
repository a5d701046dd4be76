// The preview of the chosen spray: drawn as the game draws it, a picture as the compiler will
// make it, without making the window wait; what cannot be shown is passed over silently.

#include "helpers/librarytest.h"
#include "helpers/testenv.h"
#include "library/preview.h"
#include "spray/maker.h"
#include "ui/mainwindow.h"
#include "ui/previewwidget.h"
#include "wad/wad.h"

#include <QCheckBox>
#include <QTest>

#include <gtest/gtest.h>

using namespace velmira;
using namespace velmira::test;

namespace {

TEST_F(LibraryTest, ThePreviewShowsTheChosenBitmapAndRecordsItsKind) {
    open();
    window->setShowPreviewChecked(true);
    chooseFile(QStringLiteral("logo.bmp"));
    EXPECT_EQ(env.state.SelectedSprayKind, QStringLiteral("BMP"));
    EXPECT_EQ(preview()->picture().size(), QSize(32, 16));
    chooseFile(QStringLiteral("Clan.Wad"));
    EXPECT_EQ(env.state.SelectedSprayKind, QStringLiteral("WAD"));
    EXPECT_TRUE(env.prompts.shown.empty())
        << "a picture that cannot be shown is passed over silently";
}

TEST_F(LibraryTest, WithThePreviewOffOnlyTheKindIsRecorded) {
    open();
    chooseFile(QStringLiteral("logo.bmp"));
    EXPECT_EQ(env.state.SelectedSprayKind, QStringLiteral("BMP"));
    EXPECT_TRUE(preview()->picture().isNull());
    QTest::mouseClick(window->findChild<QCheckBox*>(QStringLiteral("checkShowPreview")),
                      Qt::LeftButton);
    EXPECT_FALSE(preview()->picture().isNull()) << "checking the box shows the chosen file at once";
    QTest::mouseClick(window->findChild<QCheckBox*>(QStringLiteral("checkShowPreview")),
                      Qt::LeftButton);
    EXPECT_TRUE(preview()->picture().isNull());
    EXPECT_FALSE(env.state.ShowPreviewFlag);
}

TEST_F(LibraryTest, RefreshClearsThePreviewAndACategoryChangeKeepsTheKind) {
    open();
    window->setShowPreviewChecked(true);
    chooseFile(QStringLiteral("logo.bmp"));
    cats()->setCurrentIndex(2);
    emit cats()->activated(2);
    EXPECT_EQ(env.state.SelectedSprayKind, QStringLiteral("BMP"));
    EXPECT_FALSE(preview()->picture().isNull());
    window->cmdRefresh_Click();
    EXPECT_TRUE(preview()->picture().isNull());
}

TEST_F(LibraryTest, AWadSprayPreviewsItsPictureWithTransparency) {
    QFile fixture(QStringLiteral(VELMIRA_SOURCE_DIR "/tests/fixtures/wad/valid_16x16.wad"));
    ASSERT_TRUE(fixture.open(QIODevice::ReadOnly));
    QByteArray wad = fixture.readAll();
    // Make the fixture a colour spray: entry 255 pure blue, pixel 255 of mip 0 uses it.
    const qsizetype palette = 12 + 40 + 16 * 16 * 85 / 64 + 2;
    wad[palette + 765] = 0;
    wad[palette + 766] = 0;
    wad[palette + 767] = static_cast<char>(255);
    env.scratch.write(QStringLiteral("Spray Library/colour.wad"), wad);
    env.scratch.write(QStringLiteral("Spray Library/broken.wad"), wad.left(300));
    open();
    window->setShowPreviewChecked(true);
    chooseFile(QStringLiteral("colour.wad"));
    const QImage shown = preview()->picture();
    ASSERT_EQ(shown.size(), QSize(16, 16));
    EXPECT_EQ(qAlpha(shown.pixel(15, 15)), 0) << "index 255 is see-through";
    EXPECT_EQ(qAlpha(shown.pixel(0, 0)), 255);
    chooseFile(QStringLiteral("broken.wad"));
    chooseFile(QStringLiteral("Clan.Wad"));
    EXPECT_EQ(preview()->picture().size(), QSize(16, 16))
        << "a WAD that cannot be shown changes nothing";
    EXPECT_EQ(env.state.SelectedSprayKind, QStringLiteral("WAD"));
    EXPECT_TRUE(env.prompts.shown.empty());
}

// In a WAD or as an 8-bit bitmap of a spray's size (as the spray maker saves it), a spray
// previews as the game draws it.
TEST_F(LibraryTest, AOneColourLogoPreviewsInItsColourWithItsIndexAsOpacity) {
    // The game's own logo: type 0x40, a black palette but for entry 255, a ramp of indices;
    // and the older kind whose palette is a grey ramp.
    for (const bool greyRamp : {false, true})
        for (const char* file : {"tempdecal.wad", "logo.bmp"}) {
            spray::IndexedPicture logo;
            logo.width = 16;
            logo.height = 16;
            logo.pixels.resize(256);
            for (int i = 0; i < 256; ++i) {
                logo.pixels[i] = static_cast<char>(i);
                logo.palette[static_cast<std::size_t>(i)] =
                    greyRamp ? qRgb(i, i, i) : qRgb(0, 0, 0);
            }
            if (!greyRamp)
                logo.palette[255] = qRgb(30, 200, 90);
            const bool isWad = QByteArray(file).endsWith(".wad");
            env.scratch.write(QStringLiteral("Spray Library/") + QString::fromLatin1(file),
                              isWad ? wad::encodeWad({wad::Lump{
                                          QStringLiteral("LOGO"), 0x40,
                                          wad::encodeMipTexture(logo, QStringLiteral("LOGO"))}})
                                    : spray::sprayBitmap(logo));
            open();
            window->setShowPreviewChecked(true);
            chooseFile(QString::fromLatin1(file));
            const QImage shown = preview()->picture().convertToFormat(QImage::Format_ARGB32);
            ASSERT_FALSE(shown.isNull()) << file;
            const QRgb ink = greyRamp ? qRgb(255, 255, 255) : qRgb(30, 200, 90);
            EXPECT_EQ(qAlpha(shown.pixel(0, 0)), 0) << file << ": index 0 is clear";
            EXPECT_EQ(shown.pixel(15, 15), ink) << file << ": index 255 is solid ink";
            EXPECT_EQ(qAlpha(shown.pixel(0, 8)), 128) << file;
            EXPECT_EQ(qRed(shown.pixel(0, 8)), qRed(ink)) << file;
            EXPECT_EQ(preview()->toolTip(), QStringLiteral("16 \u00d7 16, used as it is")) << file;
            QFile::remove(
                env.scratch.path(QStringLiteral("Spray Library/") + QString::fromLatin1(file)));
        }
    // A colour spray bitmap with a see-through background: index 255, pure blue, is clear.
    spray::IndexedPicture spray;
    spray.width = spray.height = 16;
    spray.pixels = QByteArray(256, '\xff');
    spray.pixels[0] = 1;
    spray.palette.fill(qRgb(200, 10, 10));
    spray.palette[255] = spray::kPureBlue;
    env.scratch.write(QStringLiteral("Spray Library/made spray.bmp"), spray::sprayBitmap(spray));
    open();
    window->setShowPreviewChecked(true);
    chooseFile(QStringLiteral("made spray.bmp"));
    const QImage shown = preview()->picture().convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(qAlpha(shown.pixel(8, 8)), 0) << "not a blue box";
    EXPECT_EQ(shown.pixel(0, 0), qRgb(200, 10, 10));
}

TEST_F(LibraryTest, ABrokenBitmapPreviewFailsSilently) {
    env.scratch.write(QStringLiteral("Spray Library/broken.bmp"), bitmap8(32, 32).left(200));
    env.scratch.write(QStringLiteral("Spray Library/text.bmp"), "hello, not a picture");
    open();
    window->setShowPreviewChecked(true);
    chooseFile(QStringLiteral("broken.bmp"));
    chooseFile(QStringLiteral("text.bmp"));
    EXPECT_EQ(env.state.SelectedSprayKind, QStringLiteral("BMP"));
    EXPECT_TRUE(env.prompts.shown.empty());
    EXPECT_FALSE(window->isUnloaded());
}

TEST_F(LibraryTest, ThePreviewShowsTheSprayTheCompilerWillMakeWithoutMakingTheWindowWait) {
    QImage photo(300, 200, QImage::Format_RGB32);
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 300; ++x)
            photo.setPixel(x, y, qRgb(x % 256, y, 120));
    ASSERT_TRUE(photo.save(sprays + SEP + QStringLiteral("photo.png"), "PNG"));
    open();
    window->setShowPreviewChecked(true);
    chooseFile(QStringLiteral("logo.bmp"));
    EXPECT_EQ(preview()->picture().size(), QSize(32, 16)) << "an 8-bit spray is shown at once";
    EXPECT_EQ(preview()->toolTip(), QStringLiteral("32 \u00d7 16, used as it is"));
    chooseFile(QStringLiteral("photo.png"));
    EXPECT_EQ(env.state.SelectedSprayKind, QStringLiteral("PNG"));
    preview()->waitForConversion();
    EXPECT_EQ(preview()->picture().size(), QSize(144, 96)) << "the compiler's own size";
    EXPECT_LE(preview()->picture().colorCount(), 256);
    EXPECT_TRUE(preview()->toolTip().startsWith(QStringLiteral("144 \u00d7 96, ")));
    EXPECT_TRUE(preview()->toolTip().endsWith(QStringLiteral(", scaled from 300 \u00d7 200")))
        << preview()->toolTip().toStdString();
    // A later choice wins over a conversion still under way; the choices between are dropped
    // unread, so one worker never piles up work (holding Down over a folder of photos).
    auto* shown = window->findChild<PreviewWidget*>(QStringLiteral("OLEpicture"));
    const int before = shown->conversionsStarted();
    for (int i = 0; i < 100; ++i)
        shown->load(sprays + SEP +
                    (i % 2 ? QStringLiteral("Clan.Wad") : QStringLiteral("photo.png")));
    chooseFile(QStringLiteral("logo.bmp"));
    EXPECT_EQ(preview()->picture().size(), QSize(32, 16));
    EXPECT_LE(shown->conversionsStarted() - before, 10);
    // A cancelled conversion stops and shows nothing.
    int asked = 0;
    EXPECT_TRUE(previewOf(sprays + SEP + QStringLiteral("photo.png"), [&] {
                    ++asked;
                    return true;
                }).image.isNull());
    EXPECT_EQ(asked, 1) << "asked once, then stopped";
}

}  // namespace
