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

// Reading ------------------------------------------------------------------------------------

struct ReadCase {
    const char* what;
    QByteArray config, userconfig, autoexec;  // "-": no such file
    QByteArray value;                         // what cl_allowupload will be
    QString file;                             // the file that sets it (empty: the default)
    int line;
};

// Named by what the case shows, in the test's name and its failures.
void PrintTo(const ReadCase& c, std::ostream* os) {
    *os << c.what;
}

class ConfigReadTest : public ::testing::TestWithParam<ReadCase> {
  protected:
    Scratch scratch;
};

TEST_P(ConfigReadTest, TheLastSettingTheGameExecutesWins) {
    const ReadCase& c = GetParam();
    const QString mod = scratch.mkdir(QStringLiteral("mod"));
    const std::pair<const char*, QByteArray> files[] = {
        {"config.cfg", c.config}, {"userconfig.cfg", c.userconfig}, {"autoexec.cfg", c.autoexec}};
    for (const auto& [name, bytes] : files)
        if (bytes != "-")
            scratch.write(QStringLiteral("mod/") + QString::fromLatin1(name), bytes);
    QString reason;
    const OpenFolder folder = OpenFolder::open(mod, &reason);
    ASSERT_TRUE(folder.isOpen()) << qPrintable(reason);
    const ConfigSetting setting =
        settingOf(readModConfig(folder), QByteArrayLiteral("cl_allowupload"), "1");
    EXPECT_EQ(setting.value, c.value);
    EXPECT_EQ(setting.file, c.file);
    EXPECT_EQ(setting.command.line, c.line);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ConfigReadTest,
    ::testing::Values(
        ReadCase{"no files: the engine's default", "-", "-", "-", "1", "", 0},
        ReadCase{"quoted, as the game writes it", "name \"x\"\ncl_allowupload \"0\"\n", "-", "-",
                 "0", "config.cfg", 2},
        ReadCase{"unquoted", "cl_allowupload 0", "-", "-", "0", "config.cfg", 1},
        ReadCase{"the last line of a file wins", "cl_allowupload 0\ncl_allowupload 1\n", "-", "-",
                 "1", "config.cfg", 2},
        ReadCase{"userconfig.cfg after config.cfg", "cl_allowupload 1\n", "cl_allowupload 0\n", "-",
                 "0", "userconfig.cfg", 1},
        ReadCase{"autoexec.cfg last of all", "cl_allowupload 0\n", "cl_allowupload 0\n",
                 "\n\ncl_allowupload \"1\"", "1", "autoexec.cfg", 3},
        ReadCase{"a whole-line comment", "cl_allowupload 1\n// cl_allowupload 0\n", "-", "-", "1",
                 "config.cfg", 1},
        ReadCase{"a comment where the value would be: the name alone", "cl_allowupload //0\n", "-",
                 "-", "1", "", 0},
        ReadCase{"a value may start with one /", "cl_allowupload /0\n", "-", "-", "/0",
                 "config.cfg", 1},
        ReadCase{"a comment after the value", "cl_allowupload 0 // off for now\n", "-", "-", "0",
                 "config.cfg", 1},
        ReadCase{"commands split by ;", "bind x y; cl_allowupload 0;echo done\n", "-", "-", "0",
                 "config.cfg", 1},
        ReadCase{"a ; inside quotes splits nothing", "alias a \"cl_allowupload 0; echo\"\n", "-",
                 "-", "1", "", 0},
        ReadCase{"Windows line ends", "a 1\r\nb 2\r\ncl_allowupload \"0\"\r\n", "-", "-", "0",
                 "config.cfg", 3},
        ReadCase{"any case, as the engine compares", "CL_AllowUpload 0\n", "-", "-", "0",
                 "config.cfg", 1},
        ReadCase{"a name alone asks, sets nothing", "cl_allowupload 0\ncl_allowupload\n", "-", "-",
                 "0", "config.cfg", 1},
        ReadCase{"odd bytes tolerated", QByteArray("\xff\xfe\x01junk\"\n\tcl_allowupload\t0", 26),
                 "-", "-", "0", "config.cfg", 2},
        ReadCase{"nothing after a NUL is read, as the engine reads a C string",
                 QByteArray("cl_allowupload 1\n\x00cl_allowupload 0\n", 34), "-", "-", "1",
                 "config.cfg", 1},
        ReadCase{"a ; after a comment starts a command, as in the engine",
                 "// note; cl_allowupload 0\n", "-", "-", "0", "config.cfg", 1},
        ReadCase{"a UTF-8 mark at the start",
                 "\xEF\xBB\xBF"
                 "cl_allowupload 0",
                 "-", "-", "0", "config.cfg", 1},
        ReadCase{"an unclosed quote runs to the line end", "cl_allowupload \"0\n", "-", "-", "0",
                 "config.cfg", 1}));

TEST(ConfigRead, ALinkAndAFileOver256KBAreRefusedWithAReason) {
    Scratch scratch;
    const QString mod = scratch.mkdir(QStringLiteral("mod"));
    scratch.write(QStringLiteral("elsewhere.cfg"), "cl_allowupload 0\n");
    const QString why = placeUnreadable(scratch.path(QStringLiteral("elsewhere.cfg")),
                                        mod + SEP + QStringLiteral("config.cfg"));
    QByteArray huge(10 * 1024 * 1024, ' ');
    huge.append("cl_allowupload 0\n");
    scratch.write(QStringLiteral("mod/autoexec.cfg"), huge);
    QString reason;
    const auto files = readModConfig(OpenFolder::open(mod, &reason));
    ASSERT_EQ(files.size(), 3u);
    EXPECT_TRUE(files[0].present);
    EXPECT_TRUE(files[0].problem.contains(why)) << qPrintable(files[0].problem);
    EXPECT_FALSE(files[1].present);
    EXPECT_TRUE(files[1].problem.isEmpty());
    EXPECT_TRUE(files[2].problem.contains(QStringLiteral("256 KB")))
        << qPrintable(files[2].problem);
    EXPECT_TRUE(files[2].bytes.isEmpty());
    EXPECT_EQ(settingOf(files, "cl_allowupload", "1").value, QByteArray("1"))
        << "what was refused sets nothing";
}

TEST(ConfigRead, TheEngineReadsTheNumberAtTheValuesStart) {
    for (const auto& [value, on] : {std::pair<const char*, bool>{"1", true},
                                    {"0", false},
                                    {"", false},
                                    {"2", true},
                                    {"0.5", true},
                                    {"-1", true},
                                    {" 1", true},
                                    {"0.0", false},
                                    {"00", false},
                                    {"off", false},
                                    {"1abc", true},
                                    {"+0", false},
                                    {"0e5", false}})
        EXPECT_EQ(settingIsOn(value), on) << '"' << value << '"';
}

// Fixing -------------------------------------------------------------------------------------

class ConfigFixTest : public ::testing::Test {
  protected:
    Scratch scratch;
    QString game = scratch.mkdir(QStringLiteral("game"));
    QString mod = scratch.mkdir(QStringLiteral("game/cstrike"));
    bool running = false;
    std::function<bool()> gameRunning = [this] { return running; };

    QByteArray read(const QString& name) const {
        QFile file(mod + SEP + name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
    }
};

TEST_F(ConfigFixTest, OnlyTheOneValueChangesAndTheFileAsItWasIsKept) {
    // Windows line ends, a byte outside ASCII, the setting quoted and among other commands.
    const QByteArray before =
        "// written by the game\r\nname \"Pl\xe4yer\"\r\nbind \"t\" \"impulse 201\"; "
        "cl_allowupload \"0\"; echo x\r\ncl_allowdownload \"1\"\r\n";
    scratch.write(QStringLiteral("game/cstrike/config.cfg"), before);
    const ConfigChange change =
        turnSettingOn(game, QStringLiteral("cstrike"), "cl_allowupload", gameRunning);
    EXPECT_TRUE(change.changed) << qPrintable(change.text);
    QByteArray expected = before;
    expected.replace("cl_allowupload \"0\"", "cl_allowupload \"1\"");
    EXPECT_EQ(read(QStringLiteral("config.cfg")), expected);
    EXPECT_EQ(read(QStringLiteral("config.cfg.velmira-backup")), before);
    EXPECT_TRUE(change.text.contains(QStringLiteral("line 3"))) << qPrintable(change.text);
    EXPECT_TRUE(change.text.contains(QStringLiteral("config.cfg.velmira-backup")));
}

TEST_F(ConfigFixTest, TheFileThatSetsItLastIsTheOneChanged) {
    scratch.write(QStringLiteral("game/cstrike/config.cfg"), "cl_allowdownload \"1\"\n");
    scratch.write(QStringLiteral("game/cstrike/autoexec.cfg"), "cl_allowdownload 0\nfps_max 100");
    const ConfigChange change =
        turnSettingOn(game, QStringLiteral("cstrike"), "cl_allowdownload", gameRunning);
    EXPECT_TRUE(change.changed);
    EXPECT_EQ(read(QStringLiteral("autoexec.cfg")), QByteArray("cl_allowdownload 1\nfps_max 100"))
        << "unquoted stays unquoted, no line end added";
    EXPECT_EQ(read(QStringLiteral("config.cfg")), QByteArray("cl_allowdownload \"1\"\n"));
    EXPECT_EQ(read(QStringLiteral("autoexec.cfg.velmira-backup")),
              QByteArray("cl_allowdownload 0\nfps_max 100"));
    EXPECT_EQ(read(QStringLiteral("config.cfg.velmira-backup")), QByteArray("(none)"));
}

TEST_F(ConfigFixTest, RefusedWhileTheGameRunsAndNothingToDoWhenOn) {
    scratch.write(QStringLiteral("game/cstrike/config.cfg"), "cl_allowupload 0\n");
    running = true;
    ConfigChange change =
        turnSettingOn(game, QStringLiteral("cstrike"), "cl_allowupload", gameRunning);
    EXPECT_FALSE(change.changed);
    EXPECT_TRUE(change.text.startsWith(QStringLiteral("Quit the game first")));
    EXPECT_EQ(read(QStringLiteral("config.cfg")), QByteArray("cl_allowupload 0\n"));
    EXPECT_EQ(read(QStringLiteral("config.cfg.velmira-backup")), QByteArray("(none)"));
    running = false;
    EXPECT_TRUE(
        turnSettingOn(game, QStringLiteral("cstrike"), "cl_allowupload", gameRunning).changed);
    change = turnSettingOn(game, QStringLiteral("cstrike"), "cl_allowupload", gameRunning);
    EXPECT_FALSE(change.changed) << "already on";
    EXPECT_EQ(read(QStringLiteral("config.cfg.velmira-backup")), QByteArray("cl_allowupload 0\n"))
        << "the copy is of the file before the change";
    EXPECT_FALSE(
        turnSettingOn(game, QStringLiteral("nomod"), "cl_allowupload", gameRunning).changed);
}

#ifndef Q_OS_WIN  // links need privileges there
TEST_F(ConfigFixTest, ALinkedConfigIsNeitherFollowedNorReplaced) {
    scratch.write(QStringLiteral("theirs.cfg"), "cl_allowupload 0\n");
    ASSERT_TRUE(QFile::link(scratch.path(QStringLiteral("theirs.cfg")),
                            mod + SEP + QStringLiteral("config.cfg")));
    EXPECT_FALSE(
        turnSettingOn(game, QStringLiteral("cstrike"), "cl_allowupload", gameRunning).changed);
    QFile theirs(scratch.path(QStringLiteral("theirs.cfg")));
    ASSERT_TRUE(theirs.open(QIODevice::ReadOnly));
    EXPECT_EQ(theirs.readAll(), QByteArray("cl_allowupload 0\n"));
}
#endif

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
        env.scratch.write(QStringLiteral("Half-Life/dmc/userconfig.cfg"), "cl_allowdownload 0\n");
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
        return SprayCheckInput{hl, mod, env.settings.read(kInstalledSection, mod, QString()),
                               QString(), false};
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
             {"gearbox", SprayCheck::Cache, S::Problem, SprayFix::ClearCache},
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
    EXPECT_TRUE(cstrike.cell(SprayCheck::Upload).text.contains(QStringLiteral("config.cfg line 1")))
        << qPrintable(cstrike.cell(SprayCheck::Upload).text);
    EXPECT_TRUE(checkModSprays(input(QStringLiteral("gearbox")))
                    .cell(SprayCheck::Cache)
                    .text.contains(QStringLiteral("sprays kept: 600")));
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
        EXPECT_TRUE(tfc.cell(check).text.contains(QStringLiteral("autoexec.cfg")))
            << qPrintable(tfc.cell(check).text);
        EXPECT_EQ(tfc.cell(check).fix, SprayFix::None);
    }
}

TEST_F(SprayCheckTest, XashLogoFormatIsReadFromItsOwnSetting) {
    SprayCheckInput xash = input(QStringLiteral("cstrike"));
    xash.xash = true;
    xash.installedLogo = QStringLiteral("abc");
    EXPECT_EQ(checkModSprays(xash).cell(SprayCheck::XashLogo).state, SprayCheckCell::State::Problem)
        << "the engine's default is bmp";
    env.scratch.write(QStringLiteral("Half-Life/cstrike/config.cfg"), "cl_logoext \"png\"\n");
    EXPECT_EQ(checkModSprays(xash).cell(SprayCheck::XashLogo).state, SprayCheckCell::State::Ok);
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
    QStringList cleared;
    SprayCheckActions actions;
    actions.inputs = [this] {
        std::vector<SprayCheckInput> all;
        for (const char* mod : {"cstrike", "dmc", "gearbox", "ricochet", "tfc", "valve"})
            all.push_back(input(QLatin1String(mod)));
        return all;
    };
    actions.gameRunning = [] { return false; };
    actions.protect = [&] { protectedAll = true; };
    actions.clearCache = [&](const QString& mod) {
        cleared << mod;
        return QStringLiteral("cleared");
    };
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
              QStringLiteral("OK"));
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

    // gearbox: the cache; valve: protect.
    QTest::keyClick(table, Qt::Key_Down);
    button("cmdCheckClearCache")->click();
    dialog.waitForChecks();
    EXPECT_EQ(cleared, QStringList{QStringLiteral("gearbox")});
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
