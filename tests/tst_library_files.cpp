// Which files the spray list shows: both patterns in any case, regular files only, every kind
// of picture this build reads; and the kind each file is taken for.

#include "helpers/testenv.h"
#include "library/categories.h"
#include "library/maker.h"
#include "library/preview.h"
#include "library/sprays.h"
#include "picture/heif.h"
#include "ui/spraylist.h"

#include <gtest/gtest.h>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif

using namespace velmira;
using namespace velmira::test;

namespace {

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

TEST(SprayKind, IsTheLastExtensionInCapitals) {
    EXPECT_EQ(sprayKindOf(QStringLiteral("logo.bmp")), QStringLiteral("BMP"));
    EXPECT_EQ(sprayKindOf(QStringLiteral("Clan.Wad")), QStringLiteral("WAD"));
    EXPECT_EQ(sprayKindOf(QStringLiteral("a.b.wad")), QStringLiteral("WAD"));
    EXPECT_EQ(sprayKindOf(QStringLiteral("noext")), QString());
    EXPECT_EQ(sprayKindOf(QString()), QString());
}

}  // namespace
