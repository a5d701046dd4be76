#include "helpers/testenv.h"
#include "library/categories.h"
#include "library/maker.h"
#include "library/preview.h"
#include "library/seensave.h"
#include "library/sprays.h"
#include "picture/heif.h"
#include "picture/readpicture.h"
#include "platform/files.h"
#include "platform/language.h"
#include "spray/maker.h"
#include "ui/categorycombo.h"
#include "ui/mainwindow.h"
#include "ui/makerdialog.h"
#include "ui/palettecolours.h"
#include "ui/previewwidget.h"
#include "ui/spraylist.h"
#include "wad/compile.h"
#include "wad/wad.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDropEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QUrl>
#include <QWheelEvent>

#include <gtest/gtest.h>

#ifndef Q_OS_WIN
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace velmira;
using namespace velmira::test;

namespace {

const QChar SEP = QDir::separator();

// The main window over a spray library and a Half-Life folder built by the test.
class LibraryTest : public ::testing::Test {
  protected:
    TestEnv env;
    QString sprays = env.scratch.mkdir(QStringLiteral("Spray Library"));
    QString hl = env.scratch.mkdir(QStringLiteral("Half-Life"));
    std::unique_ptr<MainWindow> window;

    void SetUp() override {
        env.scratch.write(QStringLiteral("Spray Library/logo.bmp"), bitmap8(32, 16));
        env.scratch.write(QStringLiteral("Spray Library/Clan.Wad"), "WAD3");
        env.scratch.write(QStringLiteral("Spray Library/readme.txt"), "x");
        env.scratch.mkdir(QStringLiteral("Spray Library/folder.bmp"));
        for (const char* c : {"Zeta", "alpha", "Beta"})
            env.scratch.mkdir(QStringLiteral("Spray Library/") + QString::fromLatin1(c));
        env.scratch.mkdir(QStringLiteral("Spray Library/Beta/Old"));
        env.scratch.write(QStringLiteral("Spray Library/Beta/b.BMP"), bitmap8(16, 16));
        env.scratch.mkdir(QStringLiteral("Half-Life/valve/dlls"));
    }
    void open(bool withFolders = true) {
        if (withFolders) {
            env.settings.write(QStringLiteral("File Locations"), QStringLiteral("HLDir"), hl);
            env.settings.write(QStringLiteral("File Locations"), QStringLiteral("BMPDir"), sprays);
        }
        window = std::make_unique<MainWindow>(env.state, env.services, env.windows);
        window->Form_Load();
    }
    CategoryCombo* cats() { return window->findChild<CategoryCombo*>(QStringLiteral("comboCats")); }
    SprayFileList* files() { return window->findChild<SprayFileList*>(QStringLiteral("fileBMPs")); }
    // The preview once the worker has shown the latest choice.
    PreviewWidget* preview() {
        auto* shown = window->findChild<PreviewWidget*>(QStringLiteral("OLEpicture"));
        shown->waitForConversion();
        return shown;
    }
    QString label() { return window->findChild<QLabel*>(QStringLiteral("lblBMPDir"))->text(); }
    QStringList fileRows() {
        QStringList out;
        for (int i = 0; i < files()->count(); ++i)
            out << files()->item(i)->text();
        return out;
    }
    QStringList catRows() {
        QStringList out;
        for (int i = 0; i < cats()->count(); ++i)
            out << cats()->itemText(i);
        return out;
    }
    void chooseFile(const QString& name) {
        const auto found = files()->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << qPrintable(name);
        files()->setCurrentItem(found[0]);
    }
};

TEST_F(LibraryTest, StartShowsTheLibraryWithFavoritesChosen) {
    open();
    EXPECT_EQ(label(), sprays);
    EXPECT_EQ(catRows(), QStringList({"<Favorites>", "alpha", "Beta", "folder.bmp", "Zeta"}));
    EXPECT_EQ(cats()->currentIndex(), 0);
    EXPECT_EQ(env.state.CurrentSprayDir, sprays + SEP);
    EXPECT_EQ(fileRows(), QStringList({"Clan.Wad", "logo.bmp"}))
        << "either pattern, any case, files only";
    EXPECT_EQ(files()->currentRow(), -1);
    EXPECT_TRUE(env.prompts.shown.empty());
}

TEST_F(LibraryTest, ChoosingACategoryShowsItsFolderOnly) {
    open();
    cats()->setCurrentIndex(2);
    emit cats()->activated(2);
    EXPECT_EQ(env.state.CurrentSprayDir, sprays + SEP + QStringLiteral("Beta"));
    EXPECT_EQ(fileRows(), QStringList({"b.BMP"}));
    EXPECT_EQ(label(), sprays) << "the label still shows the spray folder";
}

TEST_F(LibraryTest, AVanishedCategoryWarnsAndKeepsTheFileList) {
    open();
    QDir(sprays + SEP + QStringLiteral("Zeta")).removeRecursively();
    cats()->setCurrentIndex(4);
    emit cats()->activated(4);
    ASSERT_EQ(env.prompts.shown.size(), 1u);
    EXPECT_EQ(env.prompts.shown[0].text,
              QStringLiteral("WARNING: Folder does not exist:\r") + sprays + SEP +
                  QStringLiteral("Zeta\r\rTry hitting refresh or varify your spray folder."));
    EXPECT_EQ(env.prompts.shown[0].icon, Message::Icon::Critical);
    EXPECT_EQ(fileRows(), QStringList({"Clan.Wad", "logo.bmp"}));
    EXPECT_EQ(env.state.CurrentSprayDir, sprays + SEP + QStringLiteral("Zeta"));
}

#ifndef Q_OS_WIN
TEST_F(LibraryTest, SprayFilesWhoseNamesAreNotTextAreToldOfOnce) {
    const QByteArray bad = QFile::encodeName(sprays) + "/bad\xff.bmp";
    ASSERT_EQ(::close(::open(bad.constData(), O_CREAT | O_WRONLY, 0644)), 0);
    open();
    ASSERT_EQ(env.prompts.shown.size(), 1u);
    EXPECT_TRUE(env.prompts.shown[0].text.contains(QStringLiteral("bad\uFFFD.bmp")))
        << env.prompts.shown[0].text.toStdString();
    EXPECT_TRUE(
        env.prompts.shown[0].text.startsWith(QStringLiteral("These spray files in ") + sprays));
    EXPECT_EQ(fileRows(), QStringList({"Clan.Wad", "logo.bmp"}));
    QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("cmdRefresh")),
                      Qt::LeftButton);
    EXPECT_EQ(env.prompts.shown.size(), 1u) << "once a run";
    ::unlink(bad.constData());
    // One that appears later is told of by Refresh.
    const QByteArray later = QFile::encodeName(sprays) + "/alpha/later\xfe.wad";
    ASSERT_EQ(::close(::open(later.constData(), O_CREAT | O_WRONLY, 0644)), 0);
    cats()->setCurrentIndex(1);
    emit cats()->activated(1);
    ASSERT_EQ(env.prompts.shown.size(), 2u);
    EXPECT_TRUE(env.prompts.shown[1].text.contains(QStringLiteral("later\uFFFD.wad")));
    cats()->setCurrentIndex(0);
    emit cats()->activated(0);
    const QByteArray fresh = QFile::encodeName(sprays) + "/fresh\xfe.bmp";
    ASSERT_EQ(::close(::open(fresh.constData(), O_CREAT | O_WRONLY, 0644)), 0);
    env.state.ToldUnlistable.clear();
    QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("cmdRefresh")),
                      Qt::LeftButton);
    ASSERT_EQ(env.prompts.shown.size(), 3u) << "Refresh tells of the folder it lists";
    EXPECT_TRUE(env.prompts.shown[2].text.contains(QStringLiteral("fresh\uFFFD.bmp")));
    ::unlink(later.constData());
    ::unlink(fresh.constData());
}
#endif

TEST_F(LibraryTest, RefreshRereadsEverythingAndForgetsTheCategory) {
    open();
    cats()->setCurrentIndex(1);
    emit cats()->activated(1);
    env.scratch.mkdir(QStringLiteral("Spray Library/New"));
    env.scratch.write(QStringLiteral("Spray Library/fresh.wad"), "WAD3");
    env.scratch.mkdir(QStringLiteral("Half-Life/cstrike/dlls"));
    QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("cmdRefresh")),
                      Qt::LeftButton);
    EXPECT_EQ(catRows(),
              QStringList({"<Favorites>", "alpha", "Beta", "folder.bmp", "New", "Zeta"}));
    EXPECT_EQ(cats()->currentIndex(), 0);
    EXPECT_EQ(fileRows(), QStringList({"Clan.Wad", "fresh.wad", "logo.bmp"}));
    EXPECT_EQ(window->controls().mods.count(), 2);
}

TEST_F(LibraryTest, MissingSprayFolderIsToldInTheLabelOnly) {
    env.settings.write(QStringLiteral("File Locations"), QStringLiteral("BMPDir"),
                       sprays + QStringLiteral("-gone"));
    env.settings.write(QStringLiteral("File Locations"), QStringLiteral("HLDir"), hl);
    open(false);
    EXPECT_EQ(label(), QStringLiteral("Invalid spray folder!"));
    EXPECT_EQ(cats()->count(), 0);
    EXPECT_EQ(window->controls().mods.text(0), QStringLiteral("valve"))
        << "mods are listed all the same";
    EXPECT_TRUE(env.prompts.shown.empty());
}

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

TEST_F(LibraryTest, TakingTheFocusChoosesNoFileAndTheArrowKeysChooseFromTheTop) {
    open();
    env.state.SelectedSprayKind = QStringLiteral("unchanged");
    QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(files(), &focusIn);
    EXPECT_EQ(files()->selected(), -1);
    EXPECT_EQ(files()->fileName(), QString());
    EXPECT_EQ(env.state.SelectedSprayKind, QStringLiteral("unchanged"));
    // The list's focus cue goes with its whole border, not just the row that became current.
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    struct Painted : QObject {
        QRegion region;
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Paint)
                region += static_cast<QPaintEvent*>(event)->region();
            return false;
        }
    } painted;
    files()->setFocus();
    QTest::qWait(50);
    files()->viewport()->installEventFilter(&painted);
    QTest::keyClick(files(), Qt::Key_Down);
    QApplication::processEvents();
    EXPECT_EQ(files()->fileName(), QStringLiteral("Clan.Wad"));
    EXPECT_EQ(env.state.SelectedSprayKind, QStringLiteral("WAD"));
    EXPECT_TRUE((QRegion(files()->viewport()->rect()) - painted.region).isEmpty());
    // With no row current, the list's own cue goes when the focus leaves.
    files()->setCurrentRow(-1, QItemSelectionModel::NoUpdate);
    QTest::qWait(20);
    painted.region = QRegion();
    window->findChild<QPushButton*>(QStringLiteral("cmdRefresh"))->setFocus();
    QTest::qWait(20);
    EXPECT_TRUE((QRegion(files()->viewport()->rect()) - painted.region).isEmpty());
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

TEST_F(LibraryTest, TheFolderButtonOpensTheSprayFolderItselfWithoutAWord) {
    open();
    cats()->setCurrentIndex(2);
    emit cats()->activated(2);
    QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("cmdOpenBMPDir")),
                      Qt::LeftButton);
    EXPECT_EQ(env.desktop.opened, QStringList({sprays}));
    env.state.SprayRootDir.clear();
    window->cmdOpenBMPDir_Click();
    EXPECT_EQ(env.desktop.opened.last(), QString());
    EXPECT_TRUE(env.prompts.shown.empty());
}

TEST(SprayFileListWidget, ListsBothPatternsInAnyCaseAndRefusesAMissingFolder) {
    Scratch scratch;
    for (const char* name : {"b.BMP", "a.bmp", "C.wAd", "x.bmpx", "y.wad.txt", "noext"})
        scratch.write(QStringLiteral("f/") + QString::fromLatin1(name), "x");
    SprayFileList list;
    int handled = 0;
    list.setChosenHandler([&] { ++handled; });
    list.setFolder(scratch.path(QStringLiteral("f")));
    QStringList rows;
    for (int i = 0; i < list.count(); ++i)
        rows << list.item(i)->text();
    EXPECT_EQ(rows, QStringList({"a.bmp", "b.BMP", "C.wAd"}));
    EXPECT_EQ(handled, 0) << "setting the folder from code runs no handler";
    try {
        list.setFolder(scratch.path(QStringLiteral("gone")));
        ADD_FAILURE() << "a missing folder must fail";
    } catch (const VelmiraError& error) {
        EXPECT_EQ(error.number(), 76);
    }
    EXPECT_EQ(list.folder(), scratch.path(QStringLiteral("f")));
}

#ifndef Q_OS_WIN
TEST(SprayFileListWidget, ListsRegularFilesOnlyAndCategoriesOnlyFolders) {
    Scratch scratch;
    scratch.write(QStringLiteral("f/real.bmp"), "x");
    scratch.mkdir(QStringLiteral("f/Clan"));
    QFile::link(QStringLiteral("/dev/zero"), scratch.path(QStringLiteral("f/zero.wad")));
    QFile::link(scratch.path(QStringLiteral("nowhere")),
                scratch.path(QStringLiteral("f/broken.bmp")));
    QFile::link(scratch.path(QStringLiteral("nowhere")), scratch.path(QStringLiteral("f/Broken")));
    mkfifo(QFile::encodeName(scratch.path(QStringLiteral("f/pipe.bmp"))).constData(), 0600);
    mkfifo(QFile::encodeName(scratch.path(QStringLiteral("f/Pipe"))).constData(), 0600);
    scratch.write(QStringLiteral("f/B.bmp"), "x");
    scratch.write(QStringLiteral("f/a.bmp"), "x");
    scratch.write(QStringLiteral("f/.hidden.bmp"), "x");
    scratch.write(QStringLiteral("f/xbmp"), "x");
    QFile::link(scratch.path(QStringLiteral("f/real.bmp")),
                scratch.path(QStringLiteral("f/linked.WAD")));
    EXPECT_EQ(sprayFilesIn(scratch.path(QStringLiteral("f"))),
              QStringList({"a.bmp", "B.bmp", "linked.WAD", "real.bmp"}));

    TestEnv env;
    AppState state;
    state.SprayRootDir = scratch.path(QStringLiteral("f"));
    struct Rows : CategoryRows {
        QStringList rows;
        void clear() override { rows.clear(); }
        void addPinned(const QString& t) override { rows << t; }
        void addSorted(const QString& t) override { rows << t; }
        int count() const override { return static_cast<int>(rows.size()); }
        int selected() const override { return 0; }
        void select(int) override {}
        QString text() const override { return rows.value(0); }
    } categories;
    ListCats(state, categories, env.errors);
    EXPECT_EQ(categories.rows, QStringList({"<Favorites>", "Clan"}));
}
#endif

TEST_F(LibraryTest, TheChosenFileCannotBeUnchosenAndTheFolderShowsAsNamed) {
    // As rich text this name would show as "h<b>x"; "<" and ">" cannot be in Windows names.
    const QString odd = env.scratch.mkdir(QStringLiteral("h&lt;b&gt;x"));
    env.scratch.write(QStringLiteral("h&lt;b&gt;x/a.bmp"), bitmap8(16, 16));
    env.settings.write(QStringLiteral("File Locations"), QStringLiteral("BMPDir"), odd);
    open(false);
    auto* label = window->findChild<QLabel*>(QStringLiteral("lblBMPDir"));
    EXPECT_EQ(label->textFormat(), Qt::PlainText);
    EXPECT_EQ(label->text(), odd);
    chooseFile(QStringLiteral("a.bmp"));
    ASSERT_EQ(files()->fileName(), QStringLiteral("a.bmp"));
    const QRect row = files()->visualItemRect(files()->item(0));
    QTest::mouseClick(files()->viewport(), Qt::LeftButton, Qt::ControlModifier, row.center());
    EXPECT_EQ(files()->fileName(), QStringLiteral("a.bmp")) << "Ctrl+click keeps the choice";
    QTest::keyClick(files(), Qt::Key_Space, Qt::ControlModifier);
    EXPECT_EQ(files()->fileName(), QStringLiteral("a.bmp")) << "so does Ctrl+Space";
    const QPoint blank(row.center().x(), files()->viewport()->height() - 3);
    ASSERT_FALSE(files()->indexAt(blank).isValid());
    QTest::mouseClick(files()->viewport(), Qt::LeftButton, Qt::NoModifier, blank);
    EXPECT_EQ(files()->fileName(), QStringLiteral("a.bmp")) << "a click where there is no row";
}

TEST(SprayFileListWidget, ListsEveryPictureKindQtReadsHere) {
    Scratch scratch;
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(qRgb(200, 40, 10));
    ASSERT_TRUE(picture.save(scratch.path(QStringLiteral("p.PNG")), "PNG"));
    ASSERT_TRUE(picture.save(scratch.path(QStringLiteral("j.jpeg")), "JPEG"));
    scratch.write(QStringLiteral("notes.txt"), "x");
    scratch.write(QStringLiteral("g.gif"), "GIF89a");
    const QStringList listed = sprayFilesIn(scratch.path());
    EXPECT_TRUE(listed.contains(QStringLiteral("p.PNG")));
    EXPECT_TRUE(listed.contains(QStringLiteral("j.jpeg")));
    EXPECT_TRUE(listed.contains(QStringLiteral("g.gif")));
    EXPECT_FALSE(listed.contains(QStringLiteral("notes.txt")));
    EXPECT_EQ(sprayKindOf(QStringLiteral("p.PNG")), QStringLiteral("PNG"));
    // TGA pictures are read by our own reader, everywhere; WebP and TIFF through Qt's
    // image-format plugins (on Windows, built from Debian's sources).
    const QStringList kinds{QStringLiteral("t.tga"), QStringLiteral("k.JPG"),
                            QStringLiteral("b.Bmp"), QStringLiteral("w.webp"),
                            QStringLiteral("f.tif"), QStringLiteral("f.tiff")};
    for (const QString& name : kinds)
        scratch.write(name, "x");
    const QStringList all = sprayFilesIn(scratch.path());
    for (const QString& name : kinds)
        EXPECT_TRUE(all.contains(name)) << name.toStdString();
    const SprayPreview shown = previewOf(scratch.path(QStringLiteral("p.PNG")));
    EXPECT_FALSE(shown.image.isNull());
    EXPECT_TRUE(shown.note.contains(QStringLiteral(", 1 colours"))) << shown.note.toStdString();
    // A phone's HEIC photo, where this build reads HEIF: listed, previewed and framed in the
    // maker upright (stored on its side with a turn in its properties).
    if (picture::heifExtensions().isEmpty()) {
        EXPECT_FALSE(sprayExtensions().contains(QStringLiteral("heic")));
        return;
    }
    const QString heic = scratch.path(QStringLiteral("phone.HEIC"));
    ASSERT_TRUE(
        QFile::copy(QStringLiteral(VELMIRA_SOURCE_DIR "/tests/fixtures/heif/turned.heic"), heic));
    EXPECT_TRUE(sprayFilesIn(scratch.path()).contains(QStringLiteral("phone.HEIC")));
    const SprayPreview photo = previewOf(heic);
    ASSERT_FALSE(photo.image.isNull()) << photo.note.toStdString();
    EXPECT_GT(photo.image.height(), photo.image.width());
    EXPECT_EQ(makerPictureProblem(heic), QString());
    QString error;
    const auto source = loadMakerSource(heic, &error);
    ASSERT_TRUE(source) << error.toStdString();
    EXPECT_EQ(source->size(), QSize(200, 400));
}

// Linux and Windows list the same kinds of picture: the suite runs on both against this one
// list (HEIF's three where the build reads HEIF).
TEST(SprayFileListWidget, EveryBuildListsTheSamePictureKinds) {
    QStringList expected{QStringLiteral("bmp"), QStringLiteral("wad"),  QStringLiteral("tga"),
                         QStringLiteral("png"), QStringLiteral("jpg"),  QStringLiteral("jpeg"),
                         QStringLiteral("gif"), QStringLiteral("webp"), QStringLiteral("tif"),
                         QStringLiteral("tiff")};
    if (!picture::heifExtensions().isEmpty())
        expected << QStringLiteral("heic") << QStringLiteral("heif") << QStringLiteral("avif");
    EXPECT_EQ(sprayExtensions(), expected) << sprayExtensions().join(u' ').toStdString();
}

TEST_F(LibraryTest, DroppedPicturesJoinTheChosenCategoryWithoutReplacingAnything) {
    open();
    window->setShowPreviewChecked(true);
    Scratch elsewhere;
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(qRgb(10, 200, 40));
    const QString png = elsewhere.path(QStringLiteral("new one.png"));
    ASSERT_TRUE(picture.save(png, "PNG"));
    const QString logo = elsewhere.write(QStringLiteral("logo.bmp"), bitmap8(16, 16));
    const QString text = elsewhere.write(QStringLiteral("readme.txt"), "x");
    const QString folder = elsewhere.mkdir(QStringLiteral("a folder"));
    const auto drop = [&](const QStringList& paths) {
        const QStringList before = fileRows();
        QMimeData data;
        QList<QUrl> urls;
        for (const QString& path : paths)
            urls << QUrl::fromLocalFile(path);
        data.setUrls(urls);
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(files()->viewport(), &enter);
        EXPECT_TRUE(enter.isAccepted());
#ifdef Q_OS_WIN
        // Qt on Windows delivers a drop only within a drag its own drag manager runs.
        files()->dropFiles(paths);
#else
        QDropEvent event(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(files()->viewport(), &event);
        EXPECT_TRUE(event.isAccepted());
        // The drop returns before anything is copied; the copying follows.
        EXPECT_EQ(fileRows(), before) << "nothing copied inside the drop event";
        QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
#endif
    };
    drop({logo, png, text, folder});
    EXPECT_EQ(fileRows(), QStringList({"Clan.Wad", "logo (2).bmp", "logo.bmp", "new one.png"}));
    EXPECT_EQ(files()->fileName(), QStringLiteral("logo (2).bmp")) << "the first copied is chosen";
    EXPECT_EQ(env.state.SelectedSprayKind, QStringLiteral("BMP"));
    EXPECT_FALSE(preview()->picture().isNull());
    EXPECT_EQ(QFile(sprays + SEP + QStringLiteral("logo.bmp")).size(), bitmap8(32, 16).size())
        << "the file already there is untouched";
    ASSERT_EQ(env.prompts.shown.size(), 1u);
    EXPECT_EQ(env.prompts.shown[0].text,
              QStringLiteral("Only pictures and WAD files join the spray library; these were not "
                             "added:\rreadme.txt\ra folder"));
    EXPECT_TRUE(QDir(sprays)
                    .entryList({QStringLiteral(".velmira-copy-*")}, QDir::Files | QDir::Hidden)
                    .isEmpty());
    // Into the chosen category, and again under the next free name.
    cats()->setCurrentIndex(2);
    emit cats()->activated(2);
    drop({png});
    drop({png});
    EXPECT_TRUE(QFileInfo::exists(sprays + SEP + cats()->currentText() + SEP +
                                  QStringLiteral("new one (2).png")));
    // Files too large for the compiler are refused, all of them named in one message.
    env.prompts.shown.clear();
    QStringList huge;
    for (const char* name : {"huge1.png", "huge2.png", "huge3.png"}) {
        QFile big(elsewhere.path(QString::fromLatin1(name)));
        ASSERT_TRUE(big.open(QIODevice::WriteOnly));
        ASSERT_TRUE(big.resize(65 * 1024 * 1024));  // sparse: no disk is used
        huge << QDir::toNativeSeparators(big.fileName());
    }
    drop(huge);
    ASSERT_EQ(env.prompts.shown.size(), 1u);
    for (const QString& path : huge)
        EXPECT_TRUE(
            env.prompts.shown[0].text.contains(path + QStringLiteral(": it is larger than")))
            << env.prompts.shown[0].text.toStdString();
#ifndef Q_OS_WIN
    // A file of the system's says it is empty and never ends: the copy stops at what a picture
    // may be, and says so.
    env.prompts.shown.clear();
    const QString endless = elsewhere.path(QStringLiteral("endless.png"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/proc/self/pagemap"), endless));
    drop({endless});
    ASSERT_EQ(env.prompts.shown.size(), 1u);
    EXPECT_TRUE(env.prompts.shown[0].text.contains(QStringLiteral("is larger than 67108864 bytes")))
        << env.prompts.shown[0].text.toStdString();
    EXPECT_FALSE(env.prompts.shown[0].text.contains(QStringLiteral("Unknown error")));
#endif
    // A link from a web page is no file: the list neither takes nor copies it.
    QMimeData web;
    web.setUrls({QUrl(QStringLiteral("https://example.com/a.png"))});
    QDragEnterEvent offered(QPoint(10, 10), Qt::CopyAction, &web, Qt::LeftButton, Qt::NoModifier);
    offered.ignore();
    QApplication::sendEvent(files()->viewport(), &offered);
    EXPECT_FALSE(offered.isAccepted());
#ifndef Q_OS_WIN
    QDropEvent webDrop(QPointF(10, 10), Qt::CopyAction, &web, Qt::LeftButton, Qt::NoModifier);
    webDrop.ignore();
    QApplication::sendEvent(files()->viewport(), &webDrop);
    EXPECT_FALSE(webDrop.isAccepted());
#endif
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

TEST(SprayKind, IsTheLastExtensionInCapitals) {
    EXPECT_EQ(sprayKindOf(QStringLiteral("logo.bmp")), QStringLiteral("BMP"));
    EXPECT_EQ(sprayKindOf(QStringLiteral("Clan.Wad")), QStringLiteral("WAD"));
    EXPECT_EQ(sprayKindOf(QStringLiteral("a.b.wad")), QStringLiteral("WAD"));
    EXPECT_EQ(sprayKindOf(QStringLiteral("noext")), QString());
    EXPECT_EQ(sprayKindOf(QString()), QString());
}

}  // namespace

// The framing view draws the picture (from a smaller copy when zoomed out) under a frame of the
// spray's shape; outside the frame it is dimmed.
TEST(FramingViewWidget, DrawsThePictureUnderTheFrame) {
    QImage picture(1280, 800, QImage::Format_RGB32);
    picture.fill(Qt::white);
    auto source = std::make_shared<const spray::MakerSource>(picture);
    spray::MakerChoices choices;
    choices.centre = QPointF(640, 400);
    choices.zoom = 0.1;  // the 128 x 80 frame covered
    FramingView view;
    view.resize(320, 280);
    view.setSource(source);
    view.setChoices(choices, QSize(128, 80));
    const QImage shown = view.grab().toImage();
    // 1.5 view pixels a spray pixel: the frame runs from (64, 80) to (256, 200).
    EXPECT_GT(qGray(shown.pixel(160, 84)), 200) << "inside the frame, the picture";
    EXPECT_GT(qGray(shown.pixel(68, 140)), 200);
    EXPECT_LT(qGray(shown.pixel(160, 74)), 100) << "outside, dimmed";
    EXPECT_LT(qGray(shown.pixel(60, 140)), 100);
    // A view wider than the frame's shape: its height sets the scale (1.5), the frame runs from
    // (144, 40) to (336, 160).
    view.resize(480, 200);
    const QImage low = view.grab().toImage();
    EXPECT_GT(qGray(low.pixel(240, 44)), 200) << "inside";
    EXPECT_LT(qGray(low.pixel(240, 34)), 100) << "above the frame";
    EXPECT_LT(qGray(low.pixel(139, 100)), 100) << "left of the frame";
    view.resize(320, 280);
    // Pixel exact: a picture the frame's size at zoom 1 begins where the frame does.
    QImage small(128, 80, QImage::Format_RGB32);
    small.fill(Qt::white);
    view.setSource(std::make_shared<const spray::MakerSource>(small));
    spray::MakerChoices exact;
    exact.centre = QPointF(64, 40);
    exact.zoom = 1.0;
    view.setChoices(exact, QSize(128, 80));
    const QImage edge = view.grab().toImage();
    EXPECT_GT(qGray(edge.pixel(65, 140)), 200) << "the picture's first column";
    EXPECT_GT(qGray(edge.pixel(160, 81)), 200) << "its first row";
    view.setSource(source);
    view.setChoices(choices, QSize(128, 80));

    // Dragging, the arrow keys and the wheel say how the picture moved; picking says a colour.
    QPointF moved;
    int zoomed = 0;
    QRgb picked = 0;
    QObject::connect(&view, &FramingView::moved, [&](QPointF delta) { moved += delta; });
    QObject::connect(&view, &FramingView::zoomed, [&](int steps) { zoomed += steps; });
    QObject::connect(&view, &FramingView::picked, [&](QRgb colour) { picked = colour; });
    QTest::mousePress(&view, Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
    QMouseEvent drag(QEvent::MouseMove, QPointF(115, 100), view.mapToGlobal(QPointF(115, 100)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&view, &drag);
    QTest::mouseRelease(&view, Qt::LeftButton, Qt::NoModifier, QPoint(115, 100));
    EXPECT_NEAR(moved.x(), -100.0, 0.01) << "15 view pixels at 0.15 a picture pixel";
    EXPECT_NEAR(moved.y(), 0.0, 0.01);
    EXPECT_EQ(picked, 0u) << "a drag picks nothing";
    QMouseEvent rightDrag(QEvent::MouseMove, QPointF(130, 100), view.mapToGlobal(QPointF(130, 100)),
                          Qt::NoButton, Qt::RightButton, Qt::NoModifier);
    QApplication::sendEvent(&view, &rightDrag);
    EXPECT_NEAR(moved.x(), -100.0, 0.01) << "only the left button drags";
    moved = QPointF();
    QTest::keyClick(&view, Qt::Key_Right);
    EXPECT_NEAR(moved.x(), -10.0, 0.01) << "one spray pixel is ten picture pixels";
    QTest::keyClick(&view, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_NEAR(moved.y(), -100.0, 0.01) << "ten with Shift";
    moved = QPointF();
    QTest::keyClick(&view, Qt::Key_Up);
    QTest::keyClick(&view, Qt::Key_Left);
    QTest::keyClick(&view, Qt::Key_Left);
    EXPECT_NEAR(moved.y(), 10.0, 0.01) << "up: the picture moves up, its point below comes in";
    EXPECT_NEAR(moved.x(), 20.0, 0.01);
    QTest::keyClick(&view, Qt::Key_Plus);
    QWheelEvent wheel(QPointF(10, 10), view.mapToGlobal(QPointF(10, 10)), QPoint(), QPoint(0, -240),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&view, &wheel);
    EXPECT_EQ(zoomed, 1 - 2);
    view.setPicking(true);
    moved = QPointF();
    QTest::mouseClick(&view, Qt::LeftButton, Qt::NoModifier, QPoint(160, 140));
    EXPECT_EQ(picked, qRgb(255, 255, 255));
    EXPECT_EQ(moved, QPointF()) << "picking moves nothing";
}

// The spray at its own size and twice that, side by side, as large as the view allows: made
// smaller together when the view is too small for both.
TEST(SprayViewWidget, DrawsTheSprayAtOneAndTwiceItsSize) {
    QImage spray(64, 64, QImage::Format_ARGB32);
    spray.fill(qRgb(200, 0, 0));
    SprayView view;
    view.setBackground(SprayView::Background::DarkWall);
    view.setSpray(spray);
    const struct {
        QSize view;
        double fit;  // how large the spray is drawn
    } sizes[] = {{QSize(300, 200), 1.0}, {QSize(200, 200), (200.0 - 24) / 192}};
    for (const auto& s : sizes) {
        view.resize(s.view);
        const QImage shown = view.grab().toImage();
        const int first = static_cast<int>(64 * s.fit);
        EXPECT_EQ(shown.pixel(8 + first - 2, 8 + first / 2), qRgb(200, 0, 0)) << s.view.width();
        EXPECT_EQ(shown.pixel(8 + first + 3, 8 + first / 2), qRgb(58, 56, 53))
            << s.view.width() << ": the gap between the two";
        EXPECT_EQ(shown.pixel(16 + first + 2 * first - 3, 8 + first), qRgb(200, 0, 0))
            << s.view.width() << ": twice the size";
        EXPECT_EQ(shown.pixel(16 + 3 * first + 3, 8 + first), qRgb(58, 56, 53)) << s.view.width();
    }
    // Over the checker, what is see-through shows white and light grey squares of 8 pixels.
    view.setBackground(SprayView::Background::Checker);
    const QImage checker = view.grab().toImage();
    EXPECT_EQ(checker.pixel(3, 3), qRgb(255, 255, 255));
    EXPECT_EQ(checker.pixel(11, 3), qRgb(204, 204, 204));
    EXPECT_EQ(checker.pixel(3, 11), qRgb(204, 204, 204));
    EXPECT_EQ(checker.pixel(19, 3), qRgb(255, 255, 255));
}

// The maker's refusals speak the language in force, their title too, and read as before in
// English: no picture chosen, a spray chosen, a picture that cannot be read.
TEST_F(LibraryTest, TheMakersRefusalsSpeakTheLanguageInForce) {
    env.scratch.write(QStringLiteral("Spray Library/cut.png"), "not a picture");
    LanguageSwitch language(env.settings, {QStringLiteral("en-US")}, {});
    open();
    auto* make = window->findChild<QAction*>(QStringLiteral("mnuFileMake"));
    const struct {
        const char* language;
        const char* title;
        const char* none;
        const char* spray;
        const char* unreadable;  // the start, the reader's reason follows
    } rows[] = {
        {"ru", "Сделать спрей", "Сначала выберите картинку в списке спреев.",
         "Окно «Сделать спрей» делает спреи из картинок, а Clan.Wad — уже спрей.",
         "Не удаётся сделать спрей из "},
        {"zh_CN", "制作喷漆", "请先在喷漆列表中选择一张图片。",
         "“制作喷漆”用图片制作喷漆；Clan.Wad 已经是喷漆了。", "无法用 "},
        {"en", "Make Spray", "Choose a picture in the spray list first.",
         "The spray maker makes sprays from pictures; Clan.Wad is already a spray.",
         "Cannot make a spray of "},
    };
    for (const auto& row : rows) {
        language.choose(QString::fromLatin1(row.language));
        env.prompts.shown.clear();
        files()->clearSelection();
        make->trigger();
        window->waitForMakerCheck();
        chooseFile(QStringLiteral("Clan.Wad"));
        make->trigger();
        window->waitForMakerCheck();
        chooseFile(QStringLiteral("cut.png"));
        make->trigger();
        window->waitForMakerCheck();
        ASSERT_EQ(env.prompts.shown.size(), 3u) << row.language;
        EXPECT_EQ(env.prompts.shown[0].text, QString::fromUtf8(row.none));
        EXPECT_EQ(env.prompts.shown[1].text, QString::fromUtf8(row.spray));
        const QString unreadable = env.prompts.shown[2].text;
        EXPECT_TRUE(unreadable.startsWith(QString::fromUtf8(row.unreadable)) &&
                    unreadable.contains(QStringLiteral("cut.png")))
            << unreadable.toStdString();
        for (const Message& shown : env.prompts.shown)
            EXPECT_EQ(shown.title, QString::fromUtf8(row.title)) << row.language;
    }
    // Without a spray folder the maker is not opened: it would have nowhere to save.
    env.state.CurrentSprayDir = env.scratch.path(QStringLiteral("gone"));
    env.state.SprayRootDir = env.state.CurrentSprayDir;
    chooseFile(QStringLiteral("logo.bmp"));
    for (const char* code : {"de", "en"}) {
        language.choose(QString::fromLatin1(code));
        make->trigger();
        window->waitForMakerCheck();
    }
    ASSERT_EQ(env.prompts.shown.size(), 5u);
    EXPECT_EQ(
        env.prompts.shown[3].text,
        QStringLiteral("Lege zuerst deinen Spray-Ordner fest: „Spray machen“ speichert dorthin."));
    EXPECT_EQ(env.prompts.shown[4].text,
              QStringLiteral("Set your spray folder first: the spray maker saves into it."));
    EXPECT_EQ(window->findChild<MakerDialog*>(QStringLiteral("frmMaker")), nullptr);
}

// The maker opens on the chosen picture only, saves a new bitmap into the category (chosen in
// the list at once, never over a file), writes nothing on Escape, and goes with the main window.
TEST_F(LibraryTest, TheSprayMakerSavesANewSprayAndNeverReplacesOne) {
    QImage photo(300, 200, QImage::Format_RGB32);
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 300; ++x)
            photo.setPixel(x, y, qRgb(x % 256, y, 90));
    ASSERT_TRUE(photo.save(sprays + SEP + QStringLiteral("photo.png"), "PNG"));
    QFile png(sprays + SEP + QStringLiteral("photo.png"));
    ASSERT_TRUE(png.open(QIODevice::ReadOnly));
    env.scratch.write(QStringLiteral("Spray Library/cut.png"), png.read(200));
    open();
    auto* make = window->findChild<QAction*>(QStringLiteral("mnuFileMake"));
    const auto maker = [&] { return window->findChild<MakerDialog*>(QStringLiteral("frmMaker")); };
    make->trigger();
    window->waitForMakerCheck();
    chooseFile(QStringLiteral("Clan.Wad"));
    make->trigger();
    window->waitForMakerCheck();
    chooseFile(QStringLiteral("cut.png"));
    make->trigger();
    window->waitForMakerCheck();
    ASSERT_EQ(env.prompts.shown.size(), 3u);
    EXPECT_EQ(env.prompts.shown[0].text,
              QStringLiteral("Choose a picture in the spray list first."));
    EXPECT_TRUE(env.prompts.shown[1].text.endsWith(QStringLiteral("is already a spray.")));
    EXPECT_TRUE(env.prompts.shown[2].text.startsWith(QStringLiteral("Cannot make a spray of ")));
    EXPECT_EQ(maker(), nullptr) << "a picture that cannot be read opens no maker";
    // The picture is checked off the window's thread; a later one supersedes a check still
    // running, whose picture then neither opens a maker nor says why it cannot.
    window->openMaker(sprays + SEP + QStringLiteral("cut.png"));
    window->openMaker(sprays + SEP + QStringLiteral("photo.png"));
    EXPECT_EQ(maker(), nullptr) << "opened once the picture is checked";
    window->waitForMakerCheck();
    EXPECT_EQ(env.prompts.shown.size(), 3u);
    ASSERT_NE(maker(), nullptr);
    maker()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    chooseFile(QStringLiteral("photo.png"));
    make->trigger();
    window->waitForMakerCheck();
    ASSERT_NE(maker(), nullptr);
    maker()->waitForSpray();
    ASSERT_TRUE(maker()->hasSpray());
    EXPECT_EQ(QSize(maker()->made()->spray.picture.width, maker()->made()->spray.picture.height),
              QSize(144, 96));
    EXPECT_EQ(maker()->choices().centre, QPointF(150, 100)) << "the picture's centre";
    EXPECT_EQ(maker()->findChild<QSlider*>(QStringLiteral("tolerance"))->value(),
              maker()->choices().tolerance);
    EXPECT_EQ(maker()->choices().seeThrough, spray::SeeThrough::None) << "it has no transparency";
    // Every control remakes the live spray.
    QSignalSpy remade(maker(), &MakerDialog::sprayShown);
    const auto control = [&](const char* name) {
        return maker()->findChild<QWidget*>(QString::fromLatin1(name));
    };
    for (const char* box : {"fringe", "dither", "oneColour", "enlarge"}) {
        const int before = static_cast<int>(remade.size());
        qobject_cast<QCheckBox*>(control(box))->toggle();
        maker()->waitForSpray();
        EXPECT_GT(remade.size(), before) << box;
    }
    for (const char* combo : {"scaling", "seeThrough", "size"}) {
        const int before = static_cast<int>(remade.size());
        auto* list = qobject_cast<QComboBox*>(control(combo));
        list->setCurrentIndex(1);
        emit list->activated(1);
        maker()->waitForSpray();
        EXPECT_GT(remade.size(), before) << combo;
    }
    EXPECT_TRUE(qobject_cast<QLabel*>(control("warnings"))
                    ->text()
                    .contains(QStringLiteral("Sharp scaling of a photo looks blocky")))
        << "sharp scaling chosen for this photo";
    EXPECT_FALSE(qobject_cast<QLabel*>(control("warnings"))->text().startsWith(QLatin1Char('\n')))
        << "no empty line above the warnings";
    for (const char* button : {"rotate", "mirror", "fill", "fit"}) {
        const int before = static_cast<int>(remade.size());
        qobject_cast<QPushButton*>(control(button))->click();
        maker()->waitForSpray();
        EXPECT_GT(remade.size(), before) << button;
    }
    for (const char* slider : {"tolerance", "cutoff"}) {
        const int before = static_cast<int>(remade.size());
        auto* bar = qobject_cast<QSlider*>(control(slider));
        bar->setValue(bar->value() + 5);
        maker()->waitForSpray();
        EXPECT_GT(remade.size(), before) << slider;
    }
    qobject_cast<QSlider*>(control("cutoff"))->setValue(100);
    EXPECT_EQ(maker()->choices().alphaCutoff, 255) << "100 % is fully solid only";
    EXPECT_FALSE(control("dither")->isEnabled()) << "a one-colour logo is not dithered";
    // A colour picked from the picture makes it see-through from the edge.
    qobject_cast<QComboBox*>(control("seeThrough"))->setCurrentIndex(0);
    emit qobject_cast<QComboBox*>(control("seeThrough"))->activated(0);
    emit maker()->findChild<FramingView*>()->picked(qRgb(1, 2, 3));
    EXPECT_EQ(maker()->choices().seeThrough, spray::SeeThrough::ColourFromEdge);
    EXPECT_EQ(maker()->choices().key, qRgb(1, 2, 3));
    // Width and height take input only when the size is chosen freely.
    EXPECT_FALSE(control("width")->isEnabled());
    auto* sizes = qobject_cast<QComboBox*>(control("size"));
    sizes->setCurrentIndex(3);
    emit sizes->activated(3);
    EXPECT_TRUE(control("width")->isEnabled());
    EXPECT_TRUE(control("height")->isEnabled());
    // The live spray follows: a one-colour logo, turned upright with its frame.
    maker()->waitForSpray();
    ASSERT_TRUE(maker()->hasSpray());
    EXPECT_TRUE(maker()->made()->spray.oneColour);
    EXPECT_LT(maker()->made()->spray.picture.width, maker()->made()->spray.picture.height);
    // What the player sees: the picture under the frame, the spray at 1x and 2x.
    maker()->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(maker()));
    const QImage framing = control("framing")->grab().toImage();
    EXPECT_NE(framing.pixel(framing.width() / 2, framing.height() / 2), qRgb(96, 96, 96))
        << "the picture is drawn under the frame";
    const QImage view = control("sprayView")->grab().toImage();
    const QImage& spray = maker()->findChild<SprayView*>()->spray();
    ASSERT_FALSE(spray.isNull());
    const QRgb shown = view.pixel(8 + spray.width() / 4, 8 + spray.height() / 4);
    EXPECT_NE(shown, qRgb(255, 255, 255)) << "the spray is drawn over the checker";
    EXPECT_NE(shown, qRgb(204, 204, 204));
    maker()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    chooseFile(QStringLiteral("photo.png"));
    make->trigger();
    window->waitForMakerCheck();
    maker()->waitForSpray();
    // The zoom slider stands where the zoom is: one step down zooms out a little.
    auto* zoom = maker()->findChild<QSlider*>(QStringLiteral("zoom"));
    const double fitted = maker()->choices().zoom;
    zoom->setValue(zoom->value() - 1);
    EXPECT_LT(maker()->choices().zoom, fitted);
    EXPECT_GT(maker()->choices().zoom, fitted * 0.99);
    QTest::keyClick(maker(), Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(maker(), nullptr);
    EXPECT_EQ(fileRows().filter(QStringLiteral("spray")), QStringList()) << "Escape writes nothing";

    for (const char* expected : {"photo spray.bmp", "photo spray (2).bmp"}) {
        chooseFile(QStringLiteral("photo.png"));
        make->trigger();
        window->waitForMakerCheck();
        maker()->waitForSpray();
        QTest::keyClick(maker()->findChild<FramingView*>(QStringLiteral("framing")),
                        Qt::Key_Return);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(files()->fileName(), QLatin1String(expected)) << "listed and chosen";
    }
    const QString saved = sprays + SEP + QStringLiteral("photo spray.bmp");
    const auto bitmap = picture::readPicture(saved);
    ASSERT_TRUE(bitmap) << bitmap.error().toStdString();
    EXPECT_EQ(bitmap->format(), QImage::Format_Indexed8);
    EXPECT_EQ(bitmap->size(), QSize(144, 96));

#ifndef Q_OS_WIN
    // A picture dropped on the preview opens the maker on it.
    ASSERT_EQ(maker(), nullptr) << "saving closed it";
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(sprays + SEP + QStringLiteral("photo.png"))});
    auto* previewArea = window->findChild<PreviewWidget*>(QStringLiteral("OLEpicture"));
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(previewArea, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton,
                    Qt::NoModifier);
    drop.setDropAction(Qt::MoveAction);  // as a file manager may ask
    QApplication::sendEvent(previewArea, &drop);
    EXPECT_EQ(drop.dropAction(), Qt::CopyAction) << "the player's picture is never moved";
    EXPECT_TRUE(drop.isAccepted()) << "the file manager is told the drop was taken";
    EXPECT_EQ(maker(), nullptr) << "opened after the drop returns";
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
    window->waitForMakerCheck();
    ASSERT_NE(maker(), nullptr);
    maker()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
#endif
    // The list's context menu opens it on the picture under the mouse.
    const QRect row = files()->visualItemRect(
        files()->findItems(QStringLiteral("photo.png"), Qt::MatchExactly)[0]);
    QTimer choose;
    QObject::connect(&choose, &QTimer::timeout, [] {
        if (QMenu* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            menu->actions().first()->trigger();
            menu->close();
        }
    });
    choose.start(10);
    emit files()->customContextMenuRequested(row.center());
    choose.stop();
    window->waitForMakerCheck();
    ASSERT_NE(maker(), nullptr);
    EXPECT_EQ(files()->fileName(), QStringLiteral("photo.png"));
    const std::size_t told = env.prompts.shown.size();
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(maker(), nullptr) << "closed with the main window";
    EXPECT_EQ(env.prompts.shown.size(), told) << "without a question";
    EXPECT_EQ(fileRows().filter(QStringLiteral("spray")).size(), 2);
}

namespace velmira {
namespace {

// A picture's name of 250 bytes or more still gives a spray: the name is shortened to fit the
// folder, never by half a character, and " spray" stays on it.
TEST(SprayNames, ALongNameIsShortenedToFitWithoutCuttingACharacter) {
    Scratch scratch;
    const QString folder = scratch.mkdir(QStringLiteral("Sprays"));
    const auto length = [](const QString& name) {
#ifdef Q_OS_WIN
        return name.size();
#else
        return QFile::encodeName(name).size();
#endif
    };
    QString faces;
    for (int i = 0; i < 70; ++i)
        faces += QString::fromUtf8("\xf0\x9f\x98\x80");  // four bytes, two UTF-16 units
    const struct {
        const char* what;
        QString picture;
    } cases[] = {
        {"a short name", QStringLiteral("logo.png")},
        {"250 letters", QString(250, QLatin1Char('a')) + QStringLiteral(".png")},
#ifndef Q_OS_WIN
        {"126 two-byte letters", QString(126, QChar(0xe9)) + QStringLiteral(".png")},
        {"70 four-byte faces", faces + QStringLiteral(".jpg")},
#endif
    };
    for (const auto& c : cases) {
        const QString wanted = madeSprayName(c.picture);
        for (const char* ending : {" spray.bmp", " spray (2).bmp"}) {
            QString reason;
            const QString name = saveNewSpray("spray", folder, wanted, &reason);
            ASSERT_FALSE(name.isEmpty()) << c.what << ": " << reason.toStdString();
            EXPECT_LE(length(name), kMaxFileNameLength) << c.what;
            EXPECT_TRUE(name.endsWith(QLatin1String(ending))) << c.what << name.toStdString();
            EXPECT_TRUE(name.startsWith(c.picture.left(4))) << c.what;
            EXPECT_FALSE(name.contains(QChar::ReplacementCharacter)) << c.what;
            EXPECT_TRUE(name.isValidUtf16()) << c.what << ": whole characters only";
            QFile saved(folder + QDir::separator() + name);
            ASSERT_TRUE(saved.open(QIODevice::ReadOnly)) << c.what;
            EXPECT_EQ(saved.readAll(), QByteArray("spray"));
        }
    }
    EXPECT_EQ(madeSprayName(QStringLiteral("logo.png")), QStringLiteral("logo spray.bmp"));
    EXPECT_EQ(nameThatFits(QString(300, QLatin1Char('b')) + QStringLiteral(".wad")).right(4),
              QStringLiteral(".wad"));
}

// The maker's controls show what applies: the size boxes the size in use, the cut-off only for
// the picture's own transparency, picking and tolerance only for a colour; a colour kind chosen
// before any colour starts from the picture's top-left corner.
// A picture of one colour with a square of another, saved as a PNG for the spray maker.
QString squareOn(const TestEnv& env, QSize size, QRgb around, QRect square, QRgb inside) {
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(around);
    QPainter(&picture).fillRect(square, inside);
    const QString path = env.scratch.path(QStringLiteral("picture.png"));
    picture.save(path, "PNG");
    return path;
}

TEST(MakerControls, ShowWhatAppliesAndAColourStartsFromTheCorner) {
    TestEnv env;
    const QString path =
        squareOn(env, QSize(300, 200), qRgb(0, 200, 0), QRect(100, 50, 100, 100), qRgb(200, 0, 0));
    {
        // The very corner a shade apart from the rest of the background.
        QImage cornered(path);
        cornered.setPixel(0, 0, qRgb(0, 190, 0));
        cornered.save(path, "PNG");
    }
    MakerDialog maker(path, env.scratch.mkdir(QStringLiteral("out")), env.prompts, env.windows, {});
    maker.waitForSpray();
    ASSERT_TRUE(maker.hasSpray());
    const auto control = [&](const char* name) {
        return maker.findChild<QWidget*>(QString::fromLatin1(name));
    };
    EXPECT_EQ(qobject_cast<QSpinBox*>(control("width"))->value(), 144);
    EXPECT_EQ(qobject_cast<QSpinBox*>(control("height"))->value(), 96);
    EXPECT_FALSE(control("width")->isEnabled());
    const auto choose = [&](int kind) {
        auto* list = qobject_cast<QComboBox*>(control("seeThrough"));
        list->setCurrentIndex(kind);
        emit list->activated(kind);
        maker.waitForSpray();
    };
    const struct {
        int kind;
        bool cutoff, keyed;
    } kinds[] = {{0, false, false}, {1, true, false}, {2, false, true}, {3, false, true}};
    for (const auto& k : kinds) {
        choose(k.kind);
        EXPECT_EQ(control("cutoff")->isEnabled(), k.cutoff) << k.kind;
        EXPECT_EQ(control("tolerance")->isEnabled(), k.keyed) << k.kind;
        EXPECT_EQ(control("pick")->isEnabled(), k.keyed) << k.kind;
        EXPECT_EQ(control("key")->isEnabled(), k.keyed) << k.kind;
    }
    EXPECT_EQ(maker.choices().key, qRgb(0, 190, 0)) << "the top-left corner's colour";
    EXPECT_EQ(control("key")->toolTip(), QStringLiteral("#00be00"));
    EXPECT_EQ(
        qobject_cast<QPushButton*>(control("key"))->icon().pixmap(14, 14).toImage().pixel(7, 7),
        qRgb(0, 190, 0))
        << "the button shows the colour";
    const spray::IndexedPicture& spray = maker.made()->spray.picture;
    EXPECT_EQ(spray.at(2, 2), spray::kTransparentIndex) << "the green background is see-through";
    EXPECT_NE(spray.at(72, 48), spray::kTransparentIndex) << "the red square is not";
    // A colour chosen by the player stays when the kind changes.
    emit maker.findChild<FramingView*>()->picked(qRgb(200, 0, 0));
    choose(2);
    EXPECT_EQ(maker.choices().key, qRgb(200, 0, 0));
    // The size in use follows a turn.
    qobject_cast<QPushButton*>(control("rotate"))->click();
    maker.waitForSpray();
    EXPECT_EQ(qobject_cast<QSpinBox*>(control("width"))->value(), 96);
    EXPECT_EQ(qobject_cast<QSpinBox*>(control("height"))->value(), 144);
    // Chosen freely, the boxes keep what the player typed, though the spray is the nearest
    // allowed size.
    auto* sizes = qobject_cast<QComboBox*>(control("size"));
    sizes->setCurrentIndex(3);
    emit sizes->activated(3);
    auto* width = qobject_cast<QSpinBox*>(control("width"));
    auto* height = qobject_cast<QSpinBox*>(control("height"));
    width->setValue(256);
    height->setValue(256);
    emit height->editingFinished();
    maker.waitForSpray();
    EXPECT_EQ(maker.made()->spray.picture.width * maker.made()->spray.picture.height, 256 * 48);
    EXPECT_EQ(width->value(), 256);
    EXPECT_EQ(height->value(), 256);
    // Return saves the spray (Save is the default button).
    const QString out = env.scratch.path(QStringLiteral("out"));
    maker.show();
    QTest::keyClick(&maker, Qt::Key_Return);
    EXPECT_EQ(QDir(out).entryList(QDir::Files).size(), 1) << "saved with Return";
    // A picture of which nothing would show says why, in red, and cannot be saved.
    QImage clear(64, 64, QImage::Format_ARGB32);
    clear.fill(Qt::transparent);
    const QString clearPath = env.scratch.path(QStringLiteral("clear.png"));
    ASSERT_TRUE(clear.save(clearPath, "PNG"));
    MakerDialog empty(clearPath, env.scratch.path(QStringLiteral("out")), env.prompts, env.windows,
                      {});
    empty.waitForSpray();
    const auto* warnings = empty.findChild<QLabel*>(QStringLiteral("warnings"));
    EXPECT_TRUE(warnings->text().startsWith(QStringLiteral("Nothing of the picture shows")))
        << warnings->text().toStdString();
    EXPECT_EQ(warnings->palette().color(QPalette::WindowText), problemColour(empty.palette()));
    EXPECT_FALSE(empty.findChild<QPushButton*>(QStringLiteral("save"))->isEnabled());
}

// A spray made for an older choice that arrives after a newer choice was made is dropped: never
// shown, never saved.
TEST(MakerControls, ASprayForAnOlderChoiceArrivingLateIsNeverShown) {
    TestEnv env;
    MakerDialog maker(
        squareOn(env, QSize(64, 32), qRgb(0, 0, 200), QRect(0, 0, 32, 32), qRgb(200, 0, 0)),
        env.scratch.mkdir(QStringLiteral("out")), env.prompts, env.windows, {});
    maker.waitForSpray();
    QSignalSpy shown(&maker, &MakerDialog::sprayShown);
    auto* mirror = maker.findChild<QPushButton*>(QStringLiteral("mirror"));
    // Each spray is made, and its result waits, before the window takes its next event.
    mirror->click();
    QThread::msleep(400);
    mirror->click();
    QThread::msleep(400);
    QCoreApplication::sendPostedEvents(&maker, QEvent::MetaCall);
    maker.waitForSpray();
    EXPECT_EQ(shown.size(), 1) << "only the spray of the latest choice is shown";
    ASSERT_TRUE(maker.hasSpray());
    EXPECT_FALSE(maker.choices().mirrored);
    const spray::IndexedPicture& spray = maker.made()->spray.picture;
    EXPECT_GT(qRed(spray.palette[static_cast<std::size_t>(spray.at(2, 8))]), 150)
        << "red on the left, as the latest (unmirrored) choice has it";
    // Saved at once after a change, the spray saved is the one of that change.
    mirror->click();
    maker.save();
    const auto savedSpray = picture::readPicture(env.scratch.path(QStringLiteral("out")) + SEP +
                                                 QStringLiteral("picture spray.bmp"));
    ASSERT_TRUE(savedSpray) << savedSpray.error().toStdString();
    EXPECT_GT(qBlue(savedSpray->pixel(2, 8)), 150) << "blue on the left: mirrored";
}

}  // namespace
}  // namespace velmira

// A failure message for thousands of files names the first ten and counts the rest.
TEST(FailureLines, TheFirstTenAreNamedAndTheRestCounted) {
    QStringList lines;
    for (int i = 1; i <= 12; ++i)
        lines << QString::number(i);
    const struct {
        int count;
        QStringList shown;
    } cases[] = {{10, lines.mid(0, 10)},
                 {11, lines.mid(0, 10) + QStringList{QStringLiteral("and 1 more")}},
                 {12, lines.mid(0, 10) + QStringList{QStringLiteral("and 2 more")}}};
    for (const auto& c : cases)
        EXPECT_EQ(firstLinesOf(lines.mid(0, c.count)), c.shown) << c.count;
}

#ifndef Q_OS_WIN
// A library folder shared with another user (group-writable, no sticky bit), who swaps each
// file that appears for a link to one of the player's private files and plants links at the
// names the program will want next. Whatever is saved, and however often, the private file
// keeps its bytes and its mode.
TEST(SharedLibraryFolder, NoSaveEverReachesAFileBehindALink) {
    const QByteArray spray = sprayWad(16, 16);
    const struct {
        const char* what;
        QStringList planted;
        std::function<QString(const QString& folder, QString* reason)> save;
    } cases[] = {
        {"a new spray",
         {"logo spray (2).bmp", "logo spray (3).bmp"},
         [&](const QString& folder, QString* reason) {
             return saveNewSpray(spray, folder, QStringLiteral("logo spray.bmp"), reason);
         }},
        {"seen sprays, several at once",
         {"valve seen 2.wad", "valve seen 3.wad"},
         [&](const QString& folder, QString* reason) {
             SeenSaver saver(folder);
             saver.saveSpray(spray, QStringLiteral("valve"), reason);
             return saver.saveSpray(spray, QStringLiteral("valve"), reason);
         }},
        {"seen pictures, several at once",
         {"valve seen 2.png", "valve seen 3.png"},
         [&](const QString& folder, QString* reason) {
             SeenSaver saver(folder);
             saver.savePicture(spray, QStringLiteral("valve"), reason);
             return saver.savePicture(spray, QStringLiteral("valve"), reason);
         }},
        {"one picture at the path chosen",
         {"chosen.png"},
         [&](const QString& folder, QString* reason) {
             const QString path = joinPath(folder, QStringLiteral("chosen.png"));
             return saveSprayPicture(spray, path, reason) ? path : QString();
         }},
    };
    for (const auto& c : cases) {
        Scratch scratch;
        const QString folder = scratch.mkdir(QStringLiteral("Sprays"));
        ASSERT_EQ(::chmod(QFile::encodeName(folder).constData(), 02777), 0);
        const QString secret = scratch.write(QStringLiteral("private"), "the player's own");
        ASSERT_EQ(::chmod(QFile::encodeName(secret).constData(), 0600), 0);
        int saved = 0;
        {
            const LinkSwapper other(folder, secret, c.planted);
            for (int run = 0; run < 300; ++run) {
                QString reason;
                if (!c.save(folder, &reason).isEmpty())
                    ++saved;
            }
            EXPECT_GT(other.swaps(), 0) << c.what;
        }
        struct stat info;
        ASSERT_EQ(::stat(QFile::encodeName(secret).constData(), &info), 0);
        EXPECT_EQ(info.st_mode & 07777, 0600u) << c.what << ": the private file's mode";
        QFile held(secret);
        ASSERT_TRUE(held.open(QIODevice::ReadOnly));
        EXPECT_EQ(held.readAll(), QByteArray("the player's own")) << c.what;
        EXPECT_GT(saved, 0) << c.what;
    }
}
#endif
