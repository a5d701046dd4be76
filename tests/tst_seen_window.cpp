// Sprays Seen in Games: the window shows each spray once with the mods that hold it, draws it
// as the game does, reads the caches off its own thread and speaks the language in force.

#include "game/seen.h"
#include "helpers/seentest.h"
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
#include <QElapsedTimer>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QSignalSpy>
#include <QThread>

#include <gtest/gtest.h>

#include <atomic>
#include <memory>

using namespace velmira;
using namespace velmira::test;

namespace {

// A seen spray's bytes read again from its cache (empty for none).
QByteArray bytesOf(const SeenSpray* spray) {
    if (!spray)
        return QByteArray();
    const auto bytes = readSeenSpray(*spray);
    return bytes ? bytes.value() : QByteArray();
}

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
