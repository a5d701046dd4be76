#include "game/seen.h"
#include "helpers/testenv.h"
#include "library/preview.h"
#include "library/seensave.h"
#include "platform/language.h"
#include "ui/mainwindow.h"
#include "ui/seendialog.h"
#include "ui/spraylist.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QElapsedTimer>
#include <QLabel>
#include <QListView>
#include <QProgressDialog>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace velmira;
using namespace velmira::test;

namespace {

const QChar SEP = QDir::separator();

// A seen spray's bytes read again from its cache (empty for none).
QByteArray bytesOf(const SeenSpray* spray) {
    if (!spray)
        return QByteArray();
    const auto bytes = readSeenSpray(*spray);
    return bytes ? bytes.value() : QByteArray();
}

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

// The window speaks the language in force and follows a change at once: its title, buttons, the
// mod list's first row, the count of sprays in its plural form and each spray's tip. A cache's
// problem stays in the language it was read in until Refresh. English reads as before.
TEST_F(SeenTest, SpeaksTheLanguageInForceAndFollowsAChange) {
    LanguageSwitch language(env.settings, {QStringLiteral("en-US")}, {});
    language.choose(QStringLiteral("ru"));
    const auto dialog = open();
    auto* status = dialog->findChild<QLabel*>(QStringLiteral("lblSeenStatus"));
    auto* grid = dialog->findChild<QListView*>(QStringLiteral("gridSeen"));
    auto* mods = dialog->findChild<QComboBox*>(QStringLiteral("cboSeenMods"));
    auto* save = dialog->findChild<QPushButton*>(QStringLiteral("cmdSeenSave"));
    auto* picture = dialog->findChild<QPushButton*>(QStringLiteral("cmdSeenPicture"));
    auto* again = dialog->findChild<QPushButton*>(QStringLiteral("cmdSeenRefresh"));
    QLabel* modLabel = nullptr;
    for (QLabel* label : dialog->findChildren<QLabel*>())
        if (label->buddy() == mods)
            modLabel = label;
    ASSERT_TRUE(status && grid && mods && save && picture && again && modLabel);
    const auto tip = [&] { return grid->model()->index(0, 0).data(Qt::ToolTipRole).toString(); };
    const QString tfc = QStringLiteral("\ntfc: ");

    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Спреи, увиденные в играх"));
    EXPECT_EQ(modLabel->text(), QStringLiteral("&Мод:"));
    EXPECT_EQ(mods->itemText(0), QStringLiteral("Все моды"));
    EXPECT_EQ(save->text(), QStringLiteral("&Сохранить в библиотеку"));
    EXPECT_EQ(picture->text(), QStringLiteral("Сохранить как &картинку…"));
    EXPECT_EQ(again->text(), QStringLiteral("&Обновить"));
    EXPECT_EQ(status->text(),
              QStringLiteral("Увидено 3 спрея.\nНе удалось прочитать эти кэши (возможно, игра как "
                             "раз записывает один из них: нажмите «Обновить»):") +
                  tfc + QStringLiteral("каталог кэша лежит за его пределами"));
    EXPECT_TRUE(
        tip().startsWith(QStringLiteral("Увиден в модах: cstrike, valve\n64 × 64 пикселей, ") +
                         QString::number(shared.size()) + QStringLiteral(" байт")))
        << tip().toStdString();
    EXPECT_TRUE(tip().endsWith(QStringLiteral("\nПодходит для любого сервера")));

    language.choose(QStringLiteral("pl"));
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Spraye widziane w grach"));
    EXPECT_TRUE(status->text().startsWith(QStringLiteral("Widziano 3 spraye.\n")))
        << status->text().toStdString();
    EXPECT_TRUE(
        status->text().endsWith(tfc + QStringLiteral("каталог кэша лежит за его пределами")));
    dialog->refresh();
    dialog->waitForLoading();
    EXPECT_TRUE(status->text().endsWith(tfc + QStringLiteral("katalog cache leży poza nim")));

    language.choose(QStringLiteral("en"));
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Sprays Seen in Games"));
    EXPECT_EQ(modLabel->text(), QStringLiteral("&Mod:"));
    EXPECT_EQ(mods->itemText(0), QStringLiteral("All mods"));
    EXPECT_EQ(save->text(), QStringLiteral("&Save to Library"));
    EXPECT_EQ(save->toolTip(),
              QStringLiteral("Copy the chosen sprays, unchanged, into the category "
                             "chosen in the main window"));
    EXPECT_EQ(picture->text(), QStringLiteral("Save as &Picture\u2026"));
    EXPECT_EQ(again->text(), QStringLiteral("&Refresh"));
    dialog->refresh();
    dialog->waitForLoading();
    EXPECT_EQ(status->text(), QStringLiteral("3 sprays seen.\nThese caches could not be read (the "
                                             "game may be writing one: press Refresh):") +
                                  tfc + QStringLiteral("the cache's directory lies outside it"));
    EXPECT_EQ(tip(), QStringLiteral("Seen in cstrike, valve\n64 \u00d7 64 pixels, %1 bytes\n"
                                    "Every server takes it")
                         .arg(shared.size()));
}

// How many sprays were seen, in each language's plural forms: three in Russian and Polish, where
// 21 takes the form of 1 in Russian and not in Polish. English reads as it always has, for 1 too.
struct SeenCount {
    const char* language;
    int count;
    const char* seen;
    const char* saving;
};

class SeenCounts : public ::testing::TestWithParam<SeenCount> {};

TEST_P(SeenCounts, TakeTheLanguagesPluralForms) {
    TestEnv env;
    LanguageSwitch language(env.settings, {QStringLiteral("en-US")}, {});
    language.choose(QString::fromLatin1(GetParam().language));
    const int n = GetParam().count;
    EXPECT_EQ(QCoreApplication::translate("velmira::SeenDialog", "%n sprays seen.", nullptr, n),
              QString::fromUtf8(GetParam().seen));
    EXPECT_EQ(
        QCoreApplication::translate("velmira::SeenDialog", "Saving %n sprays in %1…", nullptr, n)
            .arg(QStringLiteral("/x")),
        QString::fromUtf8(GetParam().saving));
}

INSTANTIATE_TEST_SUITE_P(
    Languages, SeenCounts,
    ::testing::Values(SeenCount{"en", 1, "1 sprays seen.", "Saving 1 sprays in /x…"},
                      SeenCount{"en", 21, "21 sprays seen.", "Saving 21 sprays in /x…"},
                      SeenCount{"ru", 1, "Увиден 1 спрей.", "Сохраняется 1 спрей в /x…"},
                      SeenCount{"ru", 2, "Увидено 2 спрея.", "Сохраняются 2 спрея в /x…"},
                      SeenCount{"ru", 5, "Увидено 5 спреев.", "Сохраняется 5 спреев в /x…"},
                      SeenCount{"ru", 21, "Увиден 21 спрей.", "Сохраняется 21 спрей в /x…"},
                      SeenCount{"pl", 1, "Widziano 1 spray.", "Zapisywanie 1 sprayu w /x…"},
                      SeenCount{"pl", 2, "Widziano 2 spraye.", "Zapisywanie 2 sprayów w /x…"},
                      SeenCount{"pl", 5, "Widziano 5 sprayów.", "Zapisywanie 5 sprayów w /x…"},
                      SeenCount{"pl", 21, "Widziano 21 sprayów.", "Zapisywanie 21 sprayów w /x…"},
                      SeenCount{"zh_CN", 5, "见过 5 个喷漆。", "正在把 5 个喷漆保存到 /x…"},
                      SeenCount{"fr", 1, "1 spray vu.", "Enregistrement de 1 spray dans /x…"}));

// Each spray is shown once, naming every mod whose cache holds it, with its size and whether
// every server takes it; the first is chosen; a cache that cannot be read is named with a way
// out; the mod chooser shows one mod's sprays.
TEST_F(SeenTest, ShowsEachSprayOnceWithItsModsAndTheFirstChosen) {
    const auto dialog = open();
    ASSERT_EQ(dialog->shownCount(), 3);
    ASSERT_NE(dialog->chosen(), nullptr);
    EXPECT_EQ(bytesOf(dialog->chosen()), shared) << "the first read is chosen";
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
    (void)grid->model()->index(0, 0).data(Qt::DecorationRole);
    dialog->waitForLoading();  // the pictures are made off the window's thread
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
        EXPECT_EQ(bytesOf(dialog->chosen()), f.first) << f.mod;
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
    EXPECT_EQ(bytesOf(solo.chosen()), wide);
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
    dialog->waitForSaving();
    auto* grid = dialog->findChild<QListView*>(QStringLiteral("gridSeen"));
    QTest::keyClick(grid, Qt::Key_Return);
    dialog->waitForSaving();
    EXPECT_EQ(saved, QStringList({"cstrike seen 1.wad", "cstrike seen 3.wad"}));
    EXPECT_EQ(libraryFile(QStringLiteral("cstrike seen 1.wad")), shared) << "byte for byte";
    EXPECT_EQ(libraryFile(QStringLiteral("cstrike seen 3.wad")), shared);
    EXPECT_EQ(libraryFile(QStringLiteral("cstrike seen 2.wad")), QByteArray("the player's"));
    // Several at once.
    grid->selectAll();
    saved.clear();
    dialog->findChild<QPushButton*>(QStringLiteral("cmdSeenSave"))->click();
    dialog->waitForSaving();
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
    dialog->waitForSaving();
    EXPECT_EQ(QImage(one).convertToFormat(QImage::Format_ARGB32),
              sprayPictureOfWad(shared).convertToFormat(QImage::Format_ARGB32));
    EXPECT_TRUE(suggested.endsWith(SEP + QStringLiteral("cstrike seen.png")))
        << "named after the first mod that holds it: " << suggested.toStdString();
    grid->selectAll();
    dialog->saveAsPicture();
    dialog->waitForSaving();
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
    dialog->waitForSaving();
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
    dialog->waitForSaving();
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
    seen->waitForSaving();
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

namespace {

// `count` distinct 16 x 16 sprays: two pixels carry each one's number.
std::vector<HpkEntry> manySprays(int count) {
    std::vector<HpkEntry> entries;
    for (int i = 0; i < count; ++i) {
        QByteArray spray = sprayWad(16, 16, 0);
        spray[12 + 40] = static_cast<char>(i % 200);
        spray[12 + 41] = static_cast<char>(i / 200);
        entries.push_back(HpkEntry{spray});
    }
    return entries;
}

// The window's message, its lines apart.
QStringList linesOf(const Message& message) {
    return message.text.split(QChar(13));
}

}  // namespace

// A spray is read again from its cache when it is kept, and kept only if it is still the spray
// listed: a cache changed, cut short, gone, or swapped for something else meanwhile is named
// and nothing is saved from it, while a spray another mod's cache still holds is saved from
// there. A cache swapped for a link to the same bytes is the same spray.
TEST_F(SeenTest, ASprayIsKeptOnlyIfItsCacheStillHoldsIt) {
    const QString cstrike = hl + SEP + QStringLiteral("cstrike/custom.hpk");
    const QString other =
        env.scratch.write(QStringLiteral("other.hpk"), hpkOf({{shared}, {sprayWad(128, 96, 5)}}));
    const QString same = env.scratch.write(QStringLiteral("same.hpk"), readFile(cstrike));
    const auto replaceWith = [&](const std::function<void()>& change) {
        QFile::remove(cstrike);
        change();
    };
    const struct {
        const char* what;
        std::function<void()> change;
        const char* reason;  // empty: still the same sprays
    } cases[] = {
        {"another spray in its place",
         [&] {
             env.scratch.write(QStringLiteral("Half-Life/cstrike/custom.hpk"),
                               hpkOf({{wide}, {shared}}));
         },
         "another spray lies there now"},
        {"cut short by a byte",
         [&] {
             env.scratch.write(QStringLiteral("Half-Life/cstrike/custom.hpk"),
                               readFile(same).left(12 + shared.size() + wide.size() - 1));
         },
         "it is shorter now"},
        {"gone", [] {}, "it is gone"},
#ifndef Q_OS_WIN
        // Windows makes shortcut files of links: these are POSIX's.
        {"a link to another cache", [&] { QFile::link(other, cstrike); },
         "another spray lies there now"},
        {"a link to a folder", [&] { QFile::link(library, cstrike); }, "it is no longer a file"},
        {"a FIFO", [&] { ::mkfifo(QFile::encodeName(cstrike).constData(), 0600); },
         "it is no longer a file"},
        {"a link to the same bytes", [&] { QFile::link(same, cstrike); }, ""},
#endif
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(cstrike);
        env.scratch.write(QStringLiteral("Half-Life/cstrike/custom.hpk"), readFile(same));
        SeenSprays seen;
        seen.add(readSeenCache(hl, QStringLiteral("cstrike")));
        seen.add(readSeenCache(hl, QStringLiteral("valve")));
        ASSERT_EQ(seen.all().size(), 3u);
        replaceWith(c.change);
        const Scratch into;
        const SeenSaveOutcome outcome = saveSeenSprays(seen.all(), into.path(), SeenSaveAs::Spray);
        // `shared` is in valve's cache too, `wide` only in cstrike's, `own` only in valve's.
        EXPECT_EQ(readFile(into.path(QStringLiteral("cstrike seen 1.wad"))), shared);
        EXPECT_EQ(readFile(into.path(QStringLiteral("valve seen 1.wad"))), own);
        if (QByteArray(c.reason).isEmpty()) {
            EXPECT_EQ(outcome.saved, 3);
            EXPECT_EQ(readFile(into.path(QStringLiteral("cstrike seen 2.wad"))), wide);
            EXPECT_TRUE(outcome.failed.isEmpty());
            continue;
        }
        EXPECT_EQ(outcome.saved, 2);
        EXPECT_FALSE(QFileInfo::exists(into.path(QStringLiteral("cstrike seen 2.wad"))));
        EXPECT_EQ(outcome.failed,
                  QStringList(QStringLiteral("The cache of cstrike changed since the window read "
                                             "it (%1): press Refresh.")
                                  .arg(QLatin1String(c.reason))));
        EXPECT_FALSE(outcome.stopped);
    }
}

// In the window: the spray whose cache changed is named in a short message, the one still held
// elsewhere is kept; its picture is not written either, the file named with the reason.
TEST_F(SeenTest, TheWindowSaysWhichCacheChanged) {
    const auto dialog = open();
    auto* grid = dialog->findChild<QListView*>(QStringLiteral("gridSeen"));
    grid->selectAll();
    env.scratch.write(QStringLiteral("Half-Life/cstrike/custom.hpk"), hpkOf({{own}}));
    dialog->saveToLibrary();
    EXPECT_TRUE(dialog->saving());
    EXPECT_FALSE(dialog->findChild<QPushButton*>(QStringLiteral("cmdSeenSave"))->isEnabled())
        << "one batch at a time";
    dialog->waitForSaving();
    EXPECT_FALSE(dialog->saving());
    EXPECT_TRUE(dialog->findChild<QPushButton*>(QStringLiteral("cmdSeenSave"))->isEnabled());
    EXPECT_EQ(saved, QStringList({"valve seen 1.wad"}));
    EXPECT_EQ(libraryFile(QStringLiteral("cstrike seen 1.wad")), shared) << "from valve's cache";
    ASSERT_EQ(env.prompts.shown.size(), 1u);
    EXPECT_EQ(linesOf(env.prompts.shown[0]),
              QStringList({QStringLiteral("Could not save the spray in ") + library,
                           "The cache of cstrike changed since the window read it (it is shorter "
                           "now): press Refresh."}));
    const QString one = env.scratch.path(QStringLiteral("one.png"));
    dialog->askPictureTarget = [&](const QString&, bool) { return one; };
    grid->clearSelection();
    grid->setCurrentIndex(grid->model()->index(1, 0));  // wide: only cstrike held it
    dialog->saveAsPicture();
    dialog->waitForSaving();
    EXPECT_FALSE(QFileInfo::exists(one));
    ASSERT_EQ(env.prompts.shown.size(), 2u);
    EXPECT_EQ(linesOf(env.prompts.shown[1]),
              QStringList({"Could not save these pictures:",
                           one + ": The cache of cstrike changed since the window read it (it is "
                                 "shorter now): press Refresh."}));
}

// The picture of a spray whose cache changed after it was listed is left blank, and not asked
// for again until the sprays are listed anew.
TEST_F(SeenTest, APictureWhoseCacheChangedIsLeftBlank) {
    SeenSprays seen;
    seen.add(readSeenCache(hl, QStringLiteral("cstrike")));
    SeenSprayModel model;
    model.setSprays(&seen, QString());
    ASSERT_EQ(model.rowCount(), 2);
    env.scratch.write(QStringLiteral("Half-Life/cstrike/custom.hpk"), hpkOf({{wide}, {shared}}));
    const auto picture = [&](int row) {
        return model.index(row, 0).data(Qt::DecorationRole).value<QPixmap>().toImage();
    };
    const QImage blank = picture(0);
    EXPECT_EQ(blank.size(), QSize(SeenSprayModel::kIconSide, SeenSprayModel::kIconSide));
    EXPECT_FALSE(model.picturesDone()) << "asked for";
    model.waitForPictures();
    EXPECT_EQ(picture(0), blank);
    EXPECT_EQ(qAlpha(picture(0).pixel(48, 48)), 0) << "nothing drawn";
    EXPECT_TRUE(model.picturesDone()) << "not asked for again";
    // Listed anew, it is asked for again (and drawn once the cache holds it again).
    env.scratch.write(QStringLiteral("Half-Life/cstrike/custom.hpk"), hpkOf({{shared}, {wide}}));
    model.setSprays(&seen, QString());
    (void)picture(0);
    EXPECT_FALSE(model.picturesDone());
    model.waitForPictures();
    EXPECT_EQ(qAlpha(picture(0).pixel(48, 48)), 255);
}

// Saving thousands of sprays runs off the window's thread with its progress; Cancel stops it
// before the next spray, keeps those saved and says how many; the failure message names the
// first ten and counts the rest.
TEST_F(SeenTest, CancellingASaveKeepsWhatWasSavedAndSaysSo) {
    env.scratch.write(QStringLiteral("Half-Life/cstrike/custom.hpk"), hpkOf(manySprays(2000)));
    auto dialog = open();
    ASSERT_EQ(dialog->shownCount(), 2002);
    auto* grid = dialog->findChild<QListView*>(QStringLiteral("gridSeen"));
    grid->selectAll();
    int progressed = 0;
    dialog->saveToLibrary();
    auto* progress = dialog->findChild<QProgressDialog*>(QStringLiteral("dlgSeenSaving"));
    ASSERT_NE(progress, nullptr);
    EXPECT_EQ(progress->maximum(), 2002);
    // Cancel once the saving is under way.
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (progress && progress->value() > 0) {
            progressed = progress->value();
            emit progress->canceled();  // as its Cancel button does
            progress = nullptr;
        }
    });
    poll.start(5);
    dialog->waitForSaving();
    ASSERT_GT(progressed, 0);
    const int kept = static_cast<int>(QDir(library).entryList(QDir::Files).size());
    EXPECT_GE(kept, progressed);
    EXPECT_LT(kept, 2002) << "stopped before the end";
    ASSERT_EQ(env.prompts.shown.size(), 1u);
    EXPECT_EQ(env.prompts.shown[0].icon, Message::Icon::Information);
    EXPECT_EQ(
        linesOf(env.prompts.shown[0]),
        QStringList(
            {QStringLiteral("Stopped: %1 of the 2002 were saved, the rest were not.").arg(kept),
             library}));
    ASSERT_FALSE(saved.isEmpty()) << "the last one saved is listed";
    EXPECT_TRUE(QFileInfo::exists(library + SEP + saved.last()));
    // The cache gone before saving: ten named, the rest counted.
    env.prompts.shown.clear();
    QFile::remove(hl + SEP + QStringLiteral("cstrike/custom.hpk"));
    QFile::remove(hl + SEP + QStringLiteral("valve/custom.hpk"));
    dialog->saveToLibrary();
    dialog->waitForSaving();
    ASSERT_EQ(env.prompts.shown.size(), 1u);
    const QStringList lines = linesOf(env.prompts.shown[0]);
    ASSERT_EQ(lines.size(), 12);
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("The cache of cstrike changed")));
    EXPECT_EQ(lines[11], QStringLiteral("and 1992 more"));
}

// The batch itself: stopped before the spray after the cancel, a folder that cannot be written
// into is one failure, and pictures go to free names beside the player's files.
TEST_F(SeenTest, TheBatchStopsWhereCancelledAndFailsOnceForItsFolder) {
    SeenSprays seen;
    seen.add(readSeenCache(hl, QStringLiteral("cstrike")));
    seen.add(readSeenCache(hl, QStringLiteral("valve")));
    for (const int stopAfter : {0, 1, 2, 3}) {
        const Scratch into;
        std::vector<int> told;
        const auto outcome = saveSeenSprays(
            seen.all(), into.path(), SeenSaveAs::Picture,
            [&] { return static_cast<int>(told.size()) >= stopAfter; },
            [&](int done) { told.push_back(done); });
        EXPECT_EQ(outcome.saved, stopAfter);
        EXPECT_EQ(outcome.stopped, stopAfter < 3) << stopAfter;
        EXPECT_EQ(QDir(into.path()).entryList(QDir::Files).size(), stopAfter);
        for (std::size_t i = 0; i < told.size(); ++i)
            EXPECT_EQ(told[i], static_cast<int>(i) + 1);
    }
    const auto outcome =
        saveSeenSprays(seen.all(), env.scratch.path(QStringLiteral("none")), SeenSaveAs::Spray);
    EXPECT_EQ(outcome.saved, 0);
    EXPECT_EQ(outcome.failed.size(), 1) << "one failure for the folder, not one a spray";
}

// Closing the window while it reads stops the reading at once: no cache after the one being
// read is read. Refresh stops the reading under way and reads every cache once more.
TEST_F(SeenTest, ClosingOrRefreshingStopsTheReadingUnderWay) {
    const QStringList mods = {"cstrike", "dmc", "tfc", "valve"};
    auto dialog = std::make_unique<SeenDialog>(
        hl, mods, [this] { return library; }, nullptr, env.prompts, env.windows);
    dialog->waitForLoading();
    std::atomic<int> read{0};
    std::atomic<bool> blocking{true};
    dialog->readCache = [&](const QString& mod, const CancelCheck& cancel) {
        ++read;
        // The first cache takes until the reading is cancelled.
        QElapsedTimer clock;
        clock.start();
        while (blocking && read == 1 && !cancel() && clock.elapsed() < 5000)
            QThread::msleep(1);
        return readSeenCache(hl, mod, cancel);
    };
    dialog->refresh();
    while (read == 0)
        QThread::msleep(1);
    dialog->refresh();  // the first reading is cancelled; the second reads every cache
    dialog->waitForLoading();
    EXPECT_EQ(read, 1 + mods.size());
    EXPECT_EQ(dialog->shownCount(), 3);
    read = 0;
    dialog->refresh();
    while (read == 0)
        QThread::msleep(1);
    dialog.reset();
    EXPECT_EQ(read, 1) << "closed while reading the first cache";
}

// Waiting for the window reads until the last cache is shown, however long it takes, and the
// pictures the grid shows are made by then.
TEST_F(SeenTest, WaitingForTheWindowWaitsForTheLastCache) {
    auto dialog = open();
    for (const int slow : {0, 3}) {
        dialog->readCache = [&](const QString& mod, const CancelCheck& cancel) {
            if (mod == QStringLiteral("valve") || slow == 0)
                QThread::msleep(static_cast<unsigned long>(50 * slow + 1));
            return readSeenCache(hl, mod, cancel);
        };
        dialog->refresh();
        dialog->waitForLoading();
        EXPECT_EQ(dialog->shownCount(), 3) << "valve's own spray, the last read";
        EXPECT_FALSE(dialog->findChild<QLabel*>(QStringLiteral("lblSeenStatus"))
                         ->text()
                         .contains(QStringLiteral("Reading")));
        EXPECT_TRUE(dialog->findChild<SeenSprayModel*>()->picturesDone());
    }
}

// Reading a spray again takes exactly its bytes, from a spray's place in a cache only.
TEST(SprayCacheReadAgain, ReadsExactlyTheSprayFromARegularFile) {
    Scratch scratch;
    const QByteArray spray = sprayWad(32, 32, 3);
    const QByteArray bytes = hpkOf({{spray}});
    const QString path = scratch.write(QStringLiteral("custom.hpk"), bytes);
    const qint64 end = bytes.size();
    const struct {
        qint64 offset, length;
        const char* error;  // empty: read
    } cases[] = {
        {12, spray.size(), ""},
        {12, 512, ""},
        {11, 512, "no spray of the cache lies there"},
        {12, 511, "no spray of the cache lies there"},
        {12, 256 * 1024 + 1, "no spray of the cache lies there"},
        {end - 512, 512, ""},
        {end - 511, 512, "it is shorter now"},
    };
    for (const auto& c : cases) {
        const auto read = wad::readSprayAgain(path, {QString(), c.offset, c.length});
        EXPECT_EQ(read ? QString() : read.error(), QLatin1String(c.error)) << c.offset;
        if (read) {
            EXPECT_EQ(read.value(), bytes.mid(c.offset, c.length));
        }
    }
    EXPECT_EQ(
        wad::readSprayAgain(scratch.path(QStringLiteral("none")), {QString(), 12, 600}).error(),
        QStringLiteral("it is gone"));
}

#ifndef Q_OS_WIN
// Another program replacing the cache again and again while its sprays are kept: every file
// kept is a spray as listed, byte for byte, and every one not kept is named with its cache.
TEST_F(SeenTest, ACacheReplacedOverAndOverWhileSavingNeverGivesAnotherSpray) {
    const std::vector<HpkEntry> listed = manySprays(300);
    std::vector<HpkEntry> others = manySprays(301);
    others.erase(others.begin());  // the same places, each holding the next one's spray
    const QString cache =
        env.scratch.write(QStringLiteral("Half-Life/cstrike/custom.hpk"), hpkOf(listed));
    const QString a = env.scratch.write(QStringLiteral("a.hpk"), hpkOf(listed));
    const QString b = env.scratch.write(QStringLiteral("b.hpk"), hpkOf(others));
    SeenSprays seen;
    seen.add(readSeenCache(hl, QStringLiteral("cstrike")));
    ASSERT_EQ(seen.all().size(), 300u);
    std::atomic<bool> stop{false};
    std::atomic<int> swaps{0};
    std::thread swapper([&] {
        const QByteArray to = QFile::encodeName(cache);
        for (int i = 0; !stop; ++i) {
            const QByteArray from = QFile::encodeName(i % 2 ? a : b) + ".link";
            ::unlink(from.constData());
            if (::symlink(QFile::encodeName(i % 2 ? a : b).constData(), from.constData()) == 0 &&
                ::rename(from.constData(), to.constData()) == 0)
                ++swaps;
        }
    });
    while (swaps < 5)  // the swapping under way before the saving starts
        QThread::yieldCurrentThread();
    const SeenSaveOutcome outcome = saveSeenSprays(seen.all(), library, SeenSaveAs::Spray);
    stop = true;
    swapper.join();
    QSet<QByteArray> sprays;
    for (const HpkEntry& entry : listed)
        sprays.insert(entry.data);
    const QStringList files = QDir(library).entryList(QDir::Files);
    EXPECT_EQ(files.size(), outcome.saved);
    for (const QString& file : files)
        EXPECT_TRUE(sprays.contains(libraryFile(file))) << file.toStdString();
    EXPECT_EQ(outcome.saved + outcome.failed.size(), 300);
    for (const QString& line : outcome.failed)
        EXPECT_TRUE(
            line.startsWith(QStringLiteral("The cache of cstrike changed since the window "
                                           "read it (another spray lies there now)")))
            << line.toStdString();
}
#endif

// A picture made is told to the grid for its own row only, in a grid showing one mod's sprays
// too; a picture whose spray is not shown (another mod chosen meanwhile) is told to none.
TEST_F(SeenTest, APictureMadeIsToldForItsOwnRow) {
    SeenSprays seen;
    seen.add(readSeenCache(hl, QStringLiteral("cstrike")));  // shared, wide
    seen.add(readSeenCache(hl, QStringLiteral("valve")));    // own (shared seen already)
    SeenSprayModel model;
    model.setSprays(&seen, QStringLiteral("valve"));
    ASSERT_EQ(model.rowCount(), 2);
    QSignalSpy told(&model, &QAbstractItemModel::dataChanged);
    (void)model.index(1, 0).data(Qt::DecorationRole);  // own, the third spray seen
    model.waitForPictures();
    ASSERT_EQ(told.size(), 1);
    EXPECT_EQ(told[0][0].toModelIndex().row(), 1);
    EXPECT_EQ(told[0][1].toModelIndex().row(), 1);
    EXPECT_EQ(told[0][2].value<QList<int>>(), QList<int>({Qt::DecorationRole}));
    EXPECT_EQ(
        qAlpha(model.index(1, 0).data(Qt::DecorationRole).value<QPixmap>().toImage().pixel(48, 48)),
        255);
    // Asked for, then another mod chosen before it is made.
    told.clear();
    (void)model.index(0, 0).data(Qt::DecorationRole);  // shared
    model.setSprays(&seen, QStringLiteral("dmc"));
    model.waitForPictures();
    EXPECT_TRUE(told.isEmpty());
}
