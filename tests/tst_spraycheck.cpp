#include "core/version.h"
#include "game/gameconfig.h"
#include "game/spraycheck.h"
#include "helpers/testenv.h"
#include "install/held.h"
#include "platform/openfolder.h"
#include "ui/checkdialog.h"
#include "ui/mainwindow.h"
#include "ui/makerdialog.h"
#include "ui/spraylist.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

using namespace velmira;
using namespace velmira::test;

namespace {

const QChar SEP = QDir::separator();

// Puts at `path` what Velmira will not read as a config file: a link to `target` where links
// are made without privileges, else (Windows) a folder of that name. The word its reason holds.
QString placeUnreadable(const QString& target, const QString& path) {
    (void)target;
    QDir().mkpath(path);
    return QStringLiteral("not a plain file");
}

// The checks ---------------------------------------------------------------------------------

// A game folder where each check fails once: cstrike uploads off, dmc downloads off, tfc a spray
// too large for every server, valve unprotected and replaced, gearbox a large cache, and ricochet
// missing its spray.
class SprayCheckTest : public ::testing::Test {
  protected:
    TestEnv env;
    QString hl = env.scratch.mkdir(QStringLiteral("Half-Life"));
    const QByteArray small = sprayWad(64, 64, 1);
    const QByteArray large = sprayWad(128, 96, 2);

    void SetUp() override {
        for (const char* mod : {"cstrike", "dmc", "gearbox", "ricochet", "tfc", "valve"})
            env.scratch.mkdir(QStringLiteral("Half-Life/%1/dlls").arg(QLatin1String(mod)));
        env.scratch.write(QStringLiteral("Half-Life/hl.exe"), "MZ");
        for (const char* mod : {"cstrike", "dmc", "gearbox", "valve"})
            writeSpray(QLatin1String(mod), small, true);
        writeSpray(QStringLiteral("tfc"), large, true);
        env.scratch.write(QStringLiteral("Half-Life/cstrike/config.cfg"),
                          "cl_allowupload \"0\"\r\ncl_logofile \"lambda\"\r\n");
        env.scratch.write(QStringLiteral("Half-Life/dmc/config.cfg"),
                          "r_decals 0\nexec userconfig.cfg\n");
        env.scratch.write(QStringLiteral("Half-Life/dmc/userconfig.cfg"), "cl_allowdownload 0\n");
        env.scratch.write(QStringLiteral("Half-Life/ricochet/autoexec.cfg"), "mp_decals 0\n");
        // Over 2 MB: the same spray seen 600 times (the cache keeps each entry).
        const std::vector<HpkEntry> many(600, HpkEntry{small});
        env.scratch.write(QStringLiteral("Half-Life/gearbox/custom.hpk"), hpkOf(many));
        // valve: not the one Velmira installed, and writable.
        env.settings.write(kInstalledSection, QStringLiteral("valve"), sprayHash(large));
        QFile(hl + SEP + QStringLiteral("valve/tempdecal.wad"))
            .setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
    void writeSpray(const QString& mod, const QByteArray& wad, bool readOnly) {
        const QString path =
            env.scratch.write(QStringLiteral("Half-Life/%1/tempdecal.wad").arg(mod), wad);
        env.settings.write(kInstalledSection, mod, sprayHash(wad));
        if (readOnly)
            QFile(path).setPermissions(QFileDevice::ReadOwner | QFileDevice::ReadUser);
    }
    SprayCheckInput input(const QString& mod) {
        return SprayCheckInput{
            hl, mod, env.settings.read(kInstalledSection, mod, QString()), QString(), false, {}};
    }
    SprayCheckCell::State state(const QString& mod, SprayCheck check) {
        return checkModSprays(input(mod)).cell(check).state;
    }
};

TEST_F(SprayCheckTest, EachCheckFailsWhereItsCauseLies) {
    using S = SprayCheckCell::State;
    struct Expected {
        const char* mod;
        SprayCheck check;
        S state;
        SprayFix fix;
    };
    for (const Expected& e : std::initializer_list<Expected>{
             {"cstrike", SprayCheck::Upload, S::Problem, SprayFix::TurnUploadsOn},
             {"cstrike", SprayCheck::Download, S::Ok, SprayFix::None},
             {"cstrike", SprayCheck::Spray, S::Ok, SprayFix::None},
             {"cstrike", SprayCheck::Stays, S::Ok, SprayFix::None},
             {"dmc", SprayCheck::Download, S::Problem, SprayFix::TurnDownloadsOn},
             {"dmc", SprayCheck::Upload, S::Ok, SprayFix::None},
             {"tfc", SprayCheck::EveryServer, S::Problem, SprayFix::EveryServerSize},
             {"cstrike", SprayCheck::EveryServer, S::Ok, SprayFix::None},
             {"valve", SprayCheck::Spray, S::Problem, SprayFix::None},
             {"valve", SprayCheck::Stays, S::Problem, SprayFix::Protect},
             {"gearbox", SprayCheck::Cache, S::Ok, SprayFix::None},
             {"ricochet", SprayCheck::Decals, S::Problem, SprayFix::TurnDecalsOn},
             {"cstrike", SprayCheck::Decals, S::Ok, SprayFix::None},
             {"dmc", SprayCheck::Decals, S::Problem, SprayFix::TurnDecalsOn},
             {"cstrike", SprayCheck::Cache, S::Ok, SprayFix::None},
             {"ricochet", SprayCheck::Spray, S::Problem, SprayFix::None},
             {"ricochet", SprayCheck::EveryServer, S::NotApplicable, SprayFix::None},
             {"cstrike", SprayCheck::XashLogo, S::NotApplicable, SprayFix::None},
         }) {
        const SprayCheckCell cell = checkModSprays(input(QLatin1String(e.mod))).cell(e.check);
        EXPECT_EQ(cell.state, e.state)
            << e.mod << " " << static_cast<int>(e.check) << " " << qPrintable(cell.text);
        EXPECT_EQ(cell.fix, e.fix) << e.mod << " " << static_cast<int>(e.check);
        EXPECT_FALSE(cell.text.contains(QLatin1Char('\n'))) << "one line";
    }
    const ModSprayCheck cstrike = checkModSprays(input(QStringLiteral("cstrike")));
    EXPECT_EQ(cstrike.cell(SprayCheck::Upload).text, QStringLiteral("\u2717 off in config.cfg"));
    EXPECT_TRUE(cstrike.cell(SprayCheck::Upload)
                    .sentence.contains(QStringLiteral("cstrike/config.cfg line 1")))
        << qPrintable(cstrike.cell(SprayCheck::Upload).sentence);
    EXPECT_EQ(cstrike.cell(SprayCheck::Download).text, QStringLiteral("\u2713 on"));
    EXPECT_TRUE(checkModSprays(input(QStringLiteral("gearbox")))
                    .cell(SprayCheck::Cache)
                    .sentence.contains(QStringLiteral("sprays kept: 600")));
}

TEST_F(SprayCheckTest, ASwitchNoFileSetsIsTheDefaultAndAnUnreadFileLeavesItUnchecked) {
    EXPECT_TRUE(checkModSprays(input(QStringLiteral("tfc")))
                    .cell(SprayCheck::Upload)
                    .detail.contains(QStringLiteral("default")));
    env.scratch.write(QStringLiteral("elsewhere.cfg"), "cl_allowupload 1\n");
    placeUnreadable(env.scratch.path(QStringLiteral("elsewhere.cfg")),
                    hl + SEP + QStringLiteral("tfc/autoexec.cfg"));
    const ModSprayCheck tfc = checkModSprays(input(QStringLiteral("tfc")));
    for (SprayCheck check : {SprayCheck::Upload, SprayCheck::Download}) {
        EXPECT_EQ(tfc.cell(check).state, SprayCheckCell::State::Problem);
        // Named once, though both starts checked run it.
        EXPECT_EQ(tfc.cell(check).sentence.count(QStringLiteral("autoexec.cfg")), 1)
            << qPrintable(tfc.cell(check).sentence);
        EXPECT_EQ(tfc.cell(check).fix, SprayFix::None);
    }
}

// The starts a game folder meets, from the programs it holds.
TEST(GameStarts, FollowTheProgramsInTheGameFolder) {
    TestEnv env;
    using O = ConfigOrder;
    const struct {
        const char* files;
        bool xash;
        std::vector<ConfigOrder> orders;
    } cases[] = {
        {"hl.exe", false, {O::GoldSrcWindows}},
        {"hl_linux", false, {O::GoldSrcLinux}},
        {"hl.exe hl_linux", false, {O::GoldSrcWindows, O::GoldSrcLinux}},
        {"", false, {O::GoldSrcWindows, O::GoldSrcLinux}},
        {"hl.exe", true, {O::Xash}},
    };
    for (std::size_t n = 0; n < std::size(cases); ++n) {
        const QString folder = env.scratch.mkdir(QStringLiteral("game%1").arg(n));
        for (const QString& file :
             QString::fromLatin1(cases[n].files).split(QLatin1Char(' '), Qt::SkipEmptyParts))
            env.scratch.write(QStringLiteral("game%1/%2").arg(n).arg(file), "MZ");
        EXPECT_TRUE(gameOrders(folder, cases[n].xash) == cases[n].orders) << cases[n].files;
    }
}

TEST_F(SprayCheckTest, XashLogoFormatIsReadFromItsOwnSetting) {
    SprayCheckInput xash = input(QStringLiteral("cstrike"));
    xash.xash = true;
    xash.installedLogo = QStringLiteral("abc");
    EXPECT_EQ(checkModSprays(xash).cell(SprayCheck::XashLogo).state, SprayCheckCell::State::Problem)
        << "the engine's default is bmp";
    env.scratch.write(QStringLiteral("Half-Life/cstrike/config.cfg"), "cl_logoext \"PNG\"\n");
    EXPECT_EQ(checkModSprays(xash).cell(SprayCheck::XashLogo).text,
              QStringLiteral("\u2717 sends .bmp"))
        << "the engine takes only \"png\" itself";
    env.scratch.write(QStringLiteral("Half-Life/cstrike/config.cfg"), "cl_logoext \"png\"\n");
    EXPECT_EQ(checkModSprays(xash).cell(SprayCheck::XashLogo).text,
              QStringLiteral("\u2717 none chosen"));
    env.scratch.write(QStringLiteral("Half-Life/cstrike/logos/remapped.png"), "someone's");
    EXPECT_EQ(checkModSprays(xash).cell(SprayCheck::XashLogo).text,
              QStringLiteral("\u2717 another logo"));
    const auto& settings = checkModSprays(xash).settings;
    EXPECT_TRUE(std::any_of(settings.begin(), settings.end(), [](const SettingLine& line) {
        return line.name == "cl_logoext" && line.value == "png";
    })) << "the report lists the logo format Xash3D reads";
    xash.installedLogo = sprayHash("someone's");
    EXPECT_EQ(checkModSprays(xash).cell(SprayCheck::XashLogo).state, SprayCheckCell::State::Ok);
    EXPECT_EQ(checkModSprays(xash).cell(SprayCheck::Spray).state,
              SprayCheckCell::State::NotApplicable)
        << "Xash3D builds tempdecal.wad itself";
    xash.installedLogo.clear();
    EXPECT_EQ(checkModSprays(xash).cell(SprayCheck::XashLogo).state,
              SprayCheckCell::State::NotApplicable);
}

TEST_F(SprayCheckTest, AMissingModFolderFailsEveryCheckWithItsReason) {
    const ModSprayCheck check = checkModSprays(input(QStringLiteral("gone")));
    for (const SprayCheckCell& cell : check.cells)
        EXPECT_EQ(cell.state, SprayCheckCell::State::Problem);
}

// The window ---------------------------------------------------------------------------------

TEST_F(SprayCheckTest, TheWindowShowsARowPerModAndAppliesAFixFromTheKeyboard) {
    bool protectedAll = false;
    SprayCheckActions actions;
    actions.inputs = [this] {
        std::vector<SprayCheckInput> all;
        for (const char* mod : {"cstrike", "dmc", "gearbox", "ricochet", "tfc", "valve"})
            all.push_back(input(QLatin1String(mod)));
        return all;
    };
    actions.gameRunning = [] { return false; };
    actions.protect = [&] { protectedAll = true; };
    CheckSpraysDialog dialog(actions, env.prompts, env.windows);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    dialog.waitForChecks();
    auto* table = dialog.findChild<QTableWidget*>(QStringLiteral("tableChecks"));
    ASSERT_NE(table, nullptr);
    ASSERT_EQ(table->rowCount(), 6);
    EXPECT_EQ(table->columnCount(), 1 + kSprayCheckCount);
    EXPECT_EQ(table->item(0, 0)->text(), QStringLiteral("cstrike"));
    EXPECT_EQ(table->horizontalHeaderItem(1)->text(), QStringLiteral("Spray"));
    EXPECT_EQ(table->horizontalHeaderItem(kSprayCheckCount)->text(), QStringLiteral("Xash3D logo"));
    EXPECT_FALSE(dialog.isModal());
    EXPECT_EQ(table->item(1, 1 + static_cast<int>(SprayCheck::Upload))->text(),
              QStringLiteral("\u2713 on"));
    const auto button = [&](const char* name) {
        return dialog.findChild<QPushButton*>(QLatin1String(name));
    };
    // The first row is chosen: its one fix is offered, the others not.
    EXPECT_TRUE(button("cmdCheckUploads")->isEnabled());
    EXPECT_FALSE(button("cmdCheckDownloads")->isEnabled());
    EXPECT_FALSE(button("cmdCheckProtect")->isEnabled());

    // Enter on the problem cell applies its fix; the row is checked again and is then OK.
    table->setFocus();
    table->setCurrentCell(0, 1 + static_cast<int>(SprayCheck::Upload));
    QTest::keyClick(table, Qt::Key_Return);
    dialog.waitForChecks();
    EXPECT_EQ(dialog.checkOf(0).cell(SprayCheck::Upload).state, SprayCheckCell::State::Ok);
    auto* status = dialog.findChild<QLabel*>(QStringLiteral("lblCheckStatus"));
    EXPECT_TRUE(status->text().contains(QStringLiteral("velmira-backup")))
        << qPrintable(status->text());
    EXPECT_EQ(table->currentRow(), 0) << "the chosen row stays chosen";

    // Down to dmc: downloads.
    QTest::keyClick(table, Qt::Key_Down);
    EXPECT_TRUE(button("cmdCheckDownloads")->isEnabled());
    button("cmdCheckDownloads")->click();
    dialog.waitForChecks();
    EXPECT_EQ(dialog.checkOf(1).cell(SprayCheck::Download).state, SprayCheckCell::State::Ok);

    // valve: protect.
    table->setCurrentCell(5, 0);
    ASSERT_TRUE(button("cmdCheckProtect")->isEnabled());
    button("cmdCheckProtect")->click();
    dialog.waitForChecks();
    EXPECT_TRUE(protectedAll);
}

TEST_F(SprayCheckTest, ProblemsStandOutAndNoModsIsSaid) {
    SprayCheckActions actions;
    actions.inputs = [this] { return std::vector<SprayCheckInput>{input("cstrike")}; };
    CheckSpraysDialog dialog(actions, env.prompts, env.windows);
    dialog.waitForChecks();
    auto* table = dialog.findChild<QTableWidget*>(QStringLiteral("tableChecks"));
    EXPECT_TRUE(table->item(0, 1 + static_cast<int>(SprayCheck::Upload))->font().bold());
    EXPECT_FALSE(table->item(0, 1 + static_cast<int>(SprayCheck::Download))->font().bold());
    auto* status = dialog.findChild<QLabel*>(QStringLiteral("lblCheckStatus"));
    EXPECT_EQ(status->text(), QStringLiteral("Mods checked: 1. Problems found: 1."));
    SprayCheckActions none;
    CheckSpraysDialog empty(none, env.prompts, env.windows);
    empty.waitForChecks();
    EXPECT_EQ(empty.rowCount(), 0);
    EXPECT_TRUE(empty.findChild<QLabel*>(QStringLiteral("lblCheckStatus"))
                    ->text()
                    .startsWith(QStringLiteral("No mods to check")));
}

// Tab leaves the grid for the chosen mod's fixes; the details say each check in full; the report
// lists what was read in words every reader shares.
TEST_F(SprayCheckTest, TabLeavesTheGridAndTheReportListsWhatWasRead) {
    QString copied;
    SprayCheckActions actions;
    actions.inputs = [this] {
        return std::vector<SprayCheckInput>{input("cstrike"), input("dmc")};
    };
    actions.copy = [&](const QString& text) { copied = text; };
    CheckSpraysDialog dialog(actions, env.prompts, env.windows);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    dialog.waitForChecks();
    auto* table = dialog.findChild<QTableWidget*>(QStringLiteral("tableChecks"));
    table->setFocus();
    QTest::keyClick(table, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(),
              dialog.findChild<QPushButton*>(QStringLiteral("cmdCheckUploads")));
    auto* details = dialog.findChild<QWidget*>(QStringLiteral("checkDetails"));
    QStringList shown;
    for (const QLabel* label : details->findChildren<QLabel*>())
        if (label->isVisible())
            shown << label->text();
    EXPECT_TRUE(shown.join(' ').contains(QStringLiteral("servers never get your spray")))
        << qPrintable(shown.join(" | "));
    EXPECT_EQ(table->item(0, 1 + static_cast<int>(SprayCheck::Upload))
                  ->data(Qt::AccessibleDescriptionRole)
                  .toString(),
              dialog.checkOf(0).cell(SprayCheck::Upload).sentence);

    QTest::keyClick(&dialog, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    const QStringList lines = copied.split(QLatin1Char('\n'));
    ASSERT_GT(lines.size(), 10) << qPrintable(copied);
    // The version as the caption and About show it.
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("Velmira " VELMIRA_DISPLAY_VERSION " (")))
        << qPrintable(lines[0]);
    EXPECT_TRUE(lines.contains(QStringLiteral("cstrike")));
    EXPECT_TRUE(lines.contains(QStringLiteral("  cl_allowupload 0 (cstrike/config.cfg line 1)")));
    EXPECT_TRUE(lines.contains(QStringLiteral("  cl_allowdownload 0 (dmc/userconfig.cfg line 1)")));
    EXPECT_TRUE(lines.contains(QStringLiteral("  mp_decals 300 (engine default)")));
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](const QString& line) {
        return line.startsWith(
            QStringLiteral("  Others see it: \u2717 off in config.cfg \u2014 "
                           "Uploads are off"));
    })) << qPrintable(copied);
}

TEST_F(SprayCheckTest, FixesAreRefusedWhileTheGameRuns) {
    SprayCheckActions actions;
    actions.inputs = [this] { return std::vector<SprayCheckInput>{input("cstrike")}; };
    actions.gameRunning = [] { return true; };
    bool protectedAll = false;
    actions.protect = [&] { protectedAll = true; };
    CheckSpraysDialog dialog(actions, env.prompts, env.windows);
    dialog.waitForChecks();
    dialog.applyFix(SprayFix::TurnUploadsOn);
    dialog.applyFix(SprayFix::Protect);
    dialog.waitForChecks();
    EXPECT_FALSE(protectedAll);
    EXPECT_EQ(dialog.checkOf(0).cell(SprayCheck::Upload).state, SprayCheckCell::State::Problem);
    EXPECT_FALSE(QFileInfo::exists(hl + SEP + QStringLiteral("cstrike/config.cfg.velmira-backup")));
}

// File > "Check Sprays..." (Ctrl+K) opens one window; its every-server fix opens the maker on
// the spray's picture with the every-server size chosen.
TEST_F(SprayCheckTest, TheMainWindowOpensItAndItsMakerFixChoosesTheSize) {
    const QString library = env.scratch.mkdir(QStringLiteral("Sprays"));
    env.scratch.write(QStringLiteral("Sprays/logo.bmp"), bitmap8(128, 96));
    env.scratch.write(QStringLiteral("Sprays/broken.bmp"), bitmap8(128, 96).left(60));
    env.settings.write(QStringLiteral("File Locations"), QStringLiteral("HLDir"), hl);
    env.settings.write(QStringLiteral("File Locations"), QStringLiteral("BMPDir"), library);
    MainWindow window(env.state, env.services, env.windows);
    window.Form_Load();
    auto* action = window.findChild<QAction*>(QStringLiteral("mnuFileCheck"));
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_K));
    for (QAction* other : window.findChildren<QAction*>()) {
        if (other != action) {
            EXPECT_NE(other->shortcut(), action->shortcut()) << qPrintable(other->objectName());
        }
    }
    action->trigger();
    action->trigger();
    ASSERT_EQ(window.findChildren<CheckSpraysDialog*>().size(), 1) << "one window, raised again";
    auto* check = window.findChild<CheckSpraysDialog*>();
    check->waitForChecks();
    ASSERT_EQ(check->rowCount(), 6);
    auto* table = check->findChild<QTableWidget*>(QStringLiteral("tableChecks"));
    table->setCurrentCell(4, 0);  // tfc
    ASSERT_EQ(check->checkOf(4).mod, QStringLiteral("tfc"));
    check->applyFix(SprayFix::EveryServerSize);
    window.waitForMakerCheck();
    auto* status = check->findChild<QLabel*>(QStringLiteral("lblCheckStatus"));
    EXPECT_TRUE(status->text().startsWith(QStringLiteral("Choose the spray's picture")))
        << "no picture chosen yet";
    auto* files = window.findChild<SprayFileList*>(QStringLiteral("fileBMPs"));
    files->setCurrentItem(
        files->findItems(QStringLiteral("broken.bmp"), Qt::MatchExactly).value(0));
    check->applyFix(SprayFix::EveryServerSize);
    window.waitForMakerCheck();
    EXPECT_TRUE(status->text().startsWith(QStringLiteral("The spray maker could not be opened")))
        << qPrintable(status->text());
    // Without a spray folder the maker does not open either, and the check says so.
    files->setCurrentItem(files->findItems(QStringLiteral("logo.bmp"), Qt::MatchExactly).value(0));
    const QString folder = env.state.CurrentSprayDir, root = env.state.SprayRootDir;
    env.state.CurrentSprayDir = env.state.SprayRootDir = env.scratch.path(QStringLiteral("gone"));
    check->applyFix(SprayFix::EveryServerSize);
    window.waitForMakerCheck();
    EXPECT_TRUE(status->text().startsWith(QStringLiteral("The spray maker could not be opened")) &&
                status->text().contains(QStringLiteral("logo.bmp")))
        << qPrintable(status->text());
    env.state.CurrentSprayDir = folder;
    env.state.SprayRootDir = root;
    files->setCurrentItem(files->findItems(QStringLiteral("logo.bmp"), Qt::MatchExactly).value(0));
    check->applyFix(SprayFix::EveryServerSize);
    window.waitForMakerCheck();
    auto* maker = qobject_cast<MakerDialog*>(window.maker());
    ASSERT_NE(maker, nullptr) << qPrintable(status->text());
    EXPECT_EQ(maker->choices().size, spray::SizeChoice::EveryServer);
    maker->waitForSpray();
    ASSERT_TRUE(maker->hasSpray());
    EXPECT_LE(maker->made()->spray.picture.width, 64);
    EXPECT_LE(maker->made()->spray.picture.height, 64);
    check->close();
}

}  // namespace
