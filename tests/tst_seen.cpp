#include "game/seen.h"
#include "helpers/testenv.h"
#include "library/preview.h"
#include "ui/mainwindow.h"
#include "ui/seendialog.h"
#include "ui/widgets.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace velmira;
using namespace velmira::test;

namespace {

const QChar SEP = QDir::separator();

// A spray whose top-left 24 x 24 pixels are see-through (index 255).
QByteArray withClearCorner(QByteArray wad) {
    const int width = 64, pixels = 12 + 40;  // the WAD's header, then the lump's
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 24; ++x)
            wad[pixels + y * width + x] = static_cast<char>(255);
    return wad;
}

// A game folder whose mods' caches hold sprays seen on servers: cstrike and valve share one,
// dmc has no cache, tfc's is cut short (the game writing it).
class SeenTest : public ::testing::Test {
  protected:
    TestEnv env;
    QString hl = env.scratch.mkdir(QStringLiteral("Half-Life"));
    QString library = env.scratch.mkdir(QStringLiteral("Sprays"));
    const QByteArray shared = withClearCorner(sprayWad(64, 64, 1));
    const QByteArray wide = sprayWad(128, 96, 2);
    const QByteArray own = sprayWad(32, 32, 3);
    QStringList saved;

    void SetUp() override {
        env.scratch.write(QStringLiteral("Half-Life/cstrike/custom.hpk"),
                          hpkOf({{shared}, {wide}}));
        env.scratch.write(QStringLiteral("Half-Life/valve/custom.hpk"), hpkOf({{own}, {shared}}));
        env.scratch.mkdir(QStringLiteral("Half-Life/dmc"));
        env.scratch.write(QStringLiteral("Half-Life/tfc/custom.hpk"), hpkOf({{own}}).left(40));
    }
    std::unique_ptr<SeenDialog> open() {
        auto dialog = std::make_unique<SeenDialog>(
            hl, QStringList({"cstrike", "dmc", "tfc", "valve"}), [this] { return library; },
            [this](const QString& name) { saved << name; }, env.prompts, env.windows);
        dialog->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
        dialog->waitForLoading();
        return dialog;
    }
    QByteArray libraryFile(const QString& name) { return readFile(library + SEP + name); }
    static QByteArray readFile(const QString& path) {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }
};

// Each spray is shown once, naming every mod whose cache holds it, with its size and whether
// every server takes it; the first is chosen; a cache that cannot be read is named with a way
// out; the mod chooser shows one mod's sprays.
TEST_F(SeenTest, ShowsEachSprayOnceWithItsModsAndTheFirstChosen) {
    const auto dialog = open();
    ASSERT_EQ(dialog->shownCount(), 3);
    ASSERT_NE(dialog->chosen(), nullptr);
    EXPECT_EQ(dialog->chosen()->data(), shared) << "the first read is chosen";
    auto* grid = dialog->findChild<QListView*>(QStringLiteral("gridSeen"));
    EXPECT_EQ(QApplication::focusWidget(), grid) << "the keyboard in the grid";
    const auto tip = [&](int row) {
        return grid->model()->index(row, 0).data(Qt::ToolTipRole).toString();
    };
    EXPECT_EQ(tip(0), QStringLiteral("Seen in cstrike, valve\n64 \u00d7 64 pixels, %1 bytes\n"
                                     "Every server takes it")
                          .arg(shared.size()));
    EXPECT_TRUE(tip(1).startsWith(QStringLiteral("Seen in cstrike\n128 \u00d7 96 pixels")));
    EXPECT_TRUE(tip(1).endsWith(QStringLiteral("will not show it")));
    EXPECT_EQ(grid->model()->index(1, 0).data().toString(), QStringLiteral("128 \u00d7 96"));
    const QPixmap icon = grid->model()->index(0, 0).data(Qt::DecorationRole).value<QPixmap>();
    EXPECT_EQ(icon.size(), QSize(SeenSprayModel::kIconSide, SeenSprayModel::kIconSide));
    const QImage drawn = icon.toImage();
    const QImage game = sprayPictureOfWad(shared).convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(drawn.pixel(16 + 25, 16 + 7), game.pixel(25, 7)) << "pixel for pixel, centred";
    // See-through, the checker shows: white and light grey squares of 8 pixels.
    ASSERT_EQ(qAlpha(game.pixel(3, 3)), 0);
    int checkered = 0;
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 24; ++x)
            checkered += drawn.pixel(16 + x, 16 + y) ==
                         ((x / 8 + y / 8) % 2 ? qRgb(204, 204, 204) : qRgb(255, 255, 255));
    EXPECT_EQ(checkered, 24 * 24);
    const QString status = dialog->findChild<QLabel*>(QStringLiteral("lblSeenStatus"))->text();
    EXPECT_TRUE(status.contains(QStringLiteral("3 sprays seen."))) << status.toStdString();
    EXPECT_TRUE(status.contains(QStringLiteral("tfc: "))) << status.toStdString();
    EXPECT_FALSE(status.contains(QStringLiteral("dmc"))) << "a mod without a cache is no problem";
    EXPECT_TRUE(status.contains(QStringLiteral("press Refresh")));
    // Read again, the grid's model keeps to the rules views rely on.
    QAbstractItemModelTester tester(grid->model(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    dialog->refresh();
    dialog->waitForLoading();
    EXPECT_EQ(grid->model()->rowCount(), 3);
    auto* mods = dialog->findChild<QComboBox*>(QStringLiteral("cboSeenMods"));
    EXPECT_EQ(mods->itemText(0), QStringLiteral("All mods"));
    const struct {
        const char* mod;
        int shown;
        QByteArray first;  // the spray chosen: the mod's first
    } filters[] = {
        {"valve", 2, shared}, {"dmc", 0, {}}, {"cstrike", 2, shared}, {"All mods", 3, shared}};
    grid->setCurrentIndex(grid->model()->index(2, 0));
    for (const auto& f : filters) {
        mods->setCurrentText(QString::fromLatin1(f.mod));
        EXPECT_EQ(dialog->shownCount(), f.shown) << f.mod;
        EXPECT_EQ(dialog->chosen() ? dialog->chosen()->data() : QByteArray(), f.first) << f.mod;
    }
    // A game folder without mods says there is nothing yet, rather than reading for ever.
    SeenDialog none(hl, {}, nullptr, nullptr, env.prompts, env.windows);
    EXPECT_TRUE(none.findChild<QLabel*>(QStringLiteral("lblSeenStatus"))
                    ->text()
                    .startsWith(QStringLiteral("No sprays seen in games yet")));
    // A game whose caches hold one spray has it chosen too.
    env.scratch.write(QStringLiteral("Half-Life/solo/custom.hpk"), hpkOf({{wide}}));
    SeenDialog solo(hl, {QStringLiteral("solo")}, nullptr, nullptr, env.prompts, env.windows);
    solo.waitForLoading();
    ASSERT_NE(solo.chosen(), nullptr);
    EXPECT_EQ(solo.chosen()->data(), wide);
    // The game finishes writing tfc's cache: Refresh reads it.
    env.scratch.write(QStringLiteral("Half-Life/tfc/custom.hpk"), hpkOf({{own}}));
    dialog->findChild<QPushButton*>(QStringLiteral("cmdSeenRefresh"))->click();
    dialog->waitForLoading();
    EXPECT_EQ(dialog->shownCount(), 3);
    EXPECT_FALSE(dialog->findChild<QLabel*>(QStringLiteral("lblSeenStatus"))
                     ->text()
                     .contains(QStringLiteral("tfc: ")));
}

// Keeping a spray copies the game's bytes unchanged under a free name, never over a file; a
// picture is the spray as the game draws it; the caches are never changed.
TEST_F(SeenTest, KeptSpraysAreTheGamesBytesAndPicturesAreAsTheGameDrawsThem) {
    const QByteArray cache = readFile(hl + SEP + QStringLiteral("cstrike/custom.hpk"));
    const QDateTime written =
        QFileInfo(hl + SEP + QStringLiteral("cstrike/custom.hpk")).lastModified();
    env.scratch.write(QStringLiteral("Sprays/cstrike seen 2.wad"), "the player's");
    const auto dialog = open();
    dialog->saveToLibrary();
    auto* grid = dialog->findChild<QListView*>(QStringLiteral("gridSeen"));
    QTest::keyClick(grid, Qt::Key_Return);
    EXPECT_EQ(saved, QStringList({"cstrike seen 1.wad", "cstrike seen 3.wad"}));
    EXPECT_EQ(libraryFile(QStringLiteral("cstrike seen 1.wad")), shared) << "byte for byte";
    EXPECT_EQ(libraryFile(QStringLiteral("cstrike seen 3.wad")), shared);
    EXPECT_EQ(libraryFile(QStringLiteral("cstrike seen 2.wad")), QByteArray("the player's"));
    // Several at once.
    grid->selectAll();
    saved.clear();
    dialog->findChild<QPushButton*>(QStringLiteral("cmdSeenSave"))->click();
    EXPECT_EQ(saved, QStringList({"valve seen 1.wad"})) << "told of the last one";
    EXPECT_EQ(libraryFile(QStringLiteral("cstrike seen 5.wad")), wide);
    EXPECT_EQ(libraryFile(QStringLiteral("valve seen 1.wad")), own);
    // As pictures: one to the file the player names, several to free names in a folder.
    const QString one = env.scratch.path(QStringLiteral("one.png"));
    const QString pictures = env.scratch.mkdir(QStringLiteral("pictures"));
    QString suggested;
    dialog->askPictureTarget = [&](const QString& offered, bool folder) {
        suggested = offered;
        return folder ? pictures : one;
    };
    grid->clearSelection();
    grid->setCurrentIndex(grid->model()->index(0, 0));
    dialog->saveAsPicture();
    EXPECT_EQ(QImage(one).convertToFormat(QImage::Format_ARGB32),
              sprayPictureOfWad(shared).convertToFormat(QImage::Format_ARGB32));
    EXPECT_TRUE(suggested.endsWith(SEP + QStringLiteral("cstrike seen.png")))
        << "named after the first mod that holds it: " << suggested.toStdString();
    grid->selectAll();
    dialog->saveAsPicture();
    EXPECT_EQ(QDir(pictures).entryList(QDir::Files),
              QStringList({"cstrike seen 1.png", "cstrike seen 2.png", "valve seen 1.png"}));
    EXPECT_EQ(QImage(pictures + SEP + QStringLiteral("valve seen 1.png")).size(), QSize(32, 32));
    EXPECT_TRUE(env.prompts.shown.empty());
    // A picture that cannot be written is named with the reason; nothing is said to be saved.
    dialog->askPictureTarget = [&](const QString&, bool) {
        return env.scratch.path(QStringLiteral("no such folder/one.png"));
    };
    grid->clearSelection();
    dialog->saveAsPicture();
    ASSERT_EQ(env.prompts.shown.size(), 1u);
    EXPECT_TRUE(
        env.prompts.shown[0].text.startsWith(QStringLiteral("Could not save these pictures:")))
        << env.prompts.shown[0].text.toStdString();
    // With nothing chosen, nothing is asked.
    int asked = 0;
    dialog->askPictureTarget = [&](const QString&, bool) {
        ++asked;
        return pictures;
    };
    grid->clearSelection();
    grid->setCurrentIndex(QModelIndex());
    dialog->saveAsPicture();
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(readFile(hl + SEP + QStringLiteral("cstrike/custom.hpk")), cache);
    EXPECT_EQ(QFileInfo(hl + SEP + QStringLiteral("cstrike/custom.hpk")).lastModified(), written);
}

// Each cache adds only the sprays not seen yet; every server takes a spray of 64 x 64 at most.
TEST_F(SeenTest, EachSprayIsAddedOnceAndEveryServerTakesUpTo64) {
    SeenSprays seen;
    EXPECT_EQ(seen.add(readSeenCache(hl, QStringLiteral("cstrike"))), 2);
    EXPECT_EQ(seen.add(readSeenCache(hl, QStringLiteral("valve"))), 1) << "one more mod, one new";
    EXPECT_EQ(seen.add(readSeenCache(hl, QStringLiteral("dmc"))), 0) << "no cache";
    EXPECT_EQ(seen.all().size(), 3u);
    for (const auto& [size, takes] :
         {std::pair{QSize(64, 64), true}, std::pair{QSize(16, 64), true},
          std::pair{QSize(65, 64), false}, std::pair{QSize(64, 65), false}})
        EXPECT_EQ(everyServerTakes(size), takes) << size.width() << "x" << size.height();
}

// File > "Sprays Seen in Games..." (Ctrl+G) opens one window beside the main window; a kept
// spray is listed and chosen in the main window's list; closing while it reads ends at once.
TEST_F(SeenTest, TheMainWindowOpensItAndListsAKeptSpray) {
    env.scratch.mkdir(QStringLiteral("Half-Life/cstrike/dlls"));
    env.scratch.mkdir(QStringLiteral("Half-Life/valve/dlls"));
    env.scratch.write(QStringLiteral("Half-Life/hl.exe"), "MZ");
    env.settings.write(QStringLiteral("File Locations"), QStringLiteral("HLDir"), hl);
    env.settings.write(QStringLiteral("File Locations"), QStringLiteral("BMPDir"), library);
    MainWindow window(env.state, env.services, env.windows);
    window.Form_Load();
    auto* action = window.findChild<QAction*>(QStringLiteral("mnuFileSeen"));
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_G));
    action->trigger();
    action->trigger();
    ASSERT_EQ(window.findChildren<SeenDialog*>().size(), 1) << "one window, raised again";
    auto* seen = window.findChild<SeenDialog*>();
    EXPECT_FALSE(seen->isModal());
    seen->waitForLoading();
    EXPECT_EQ(seen->shownCount(), 3);
    seen->saveToLibrary();
    auto* files = window.findChild<SprayFileList*>(QStringLiteral("fileBMPs"));
    EXPECT_EQ(files->fileName(), QStringLiteral("cstrike seen 1.wad"));
    seen->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.findChildren<SeenDialog*>().isEmpty());
    // Closed at once while reading: nothing shown afterwards, nothing left running.
    auto dialog = std::make_unique<SeenDialog>(
        hl, QStringList({"cstrike", "valve"}), [this] { return library; }, nullptr, env.prompts,
        env.windows);
    dialog.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
}

}  // namespace
