#include "game/running.h"
#include "helpers/enginecheck.h"
#include "helpers/testenv.h"
#include "install/compiler.h"
#include "install/held.h"
#include "platform/files.h"
#include "platform/openfolder.h"
#include "ui/categorycombo.h"
#include "ui/mainwindow.h"
#include "ui/modlist.h"
#include "ui/spraylist.h"

#include <QAction>
#include <QDeadlineTimer>
#include <QProcess>
#include <QProgressBar>
#include <QThread>

#include <QPushButton>
#include <QTest>
#include <atomic>
#include <cerrno>
#include <optional>
#include <thread>

#ifndef Q_OS_WIN
#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <gtest/gtest.h>

using namespace velmira;
using namespace velmira::test;

namespace {

const QChar SEP = QDir::separator();

void installProgram(const QString& from, const QString& folder) {
    const QString to = joinPath(folder, compilerFileName());
    QFile::remove(to);
    ASSERT_TRUE(QFile::copy(from, to));
    QFile::setPermissions(to, QFile::permissions(to) | QFileDevice::ExeOwner);
}

void useFakeCompiler(const TestEnv& env, const QByteArray& mode) {
    installProgram(QStringLiteral(VELMIRA_FAKE_COMPILER), env.services.programFolder);
    env.scratch.write(QStringLiteral("program/mode"), mode);
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

QStringList tempFilesIn(const QString& folder) {
    return QDir(folder).entryList({QStringLiteral("rad*")}, QDir::Files);
}

TEST(Makels, WritesTheFiveLineScriptByteForByte) {
    TestEnv env;
    const QString bmp = env.scratch.write(QStringLiteral("Spray Dir/my logo.bmp"), bitmap8(16, 16));
    const QString work = env.scratch.mkdir(QStringLiteral("Work Folder"));
    const LumpPaths paths = Makels(bmp, work, env.errors);
    ASSERT_FALSE(paths.ScriptPath.isEmpty());
    EXPECT_TRUE(paths.ScriptPath.startsWith(work + SEP));
    EXPECT_TRUE(paths.WadPath.startsWith(work + SEP));
    EXPECT_FALSE(QFileInfo::exists(paths.WadPath));
    const QString wadName = QFileInfo(paths.WadPath).fileName();
    EXPECT_EQ(readFile(paths.ScriptPath),
              ("$DEST    \"" + shortPath(work) + SEP + wadName + "\"\r\n\r\n$loadbmp    \"" +
               shortPath(bmp) + "\"\r\nVELMR  miptex -1 -1 -1 -1\r\n\r\n")
                  .toLocal8Bit());
    const LumpPaths again = Makels(bmp, work, env.errors);
    EXPECT_NE(again.ScriptPath, paths.ScriptPath);
    EXPECT_NE(again.WadPath, paths.WadPath);
    EXPECT_NE(again.ScriptPath, again.WadPath);
}

TEST(WorkFolder, IsMadeInTheProgramFolderUnlessItCannotServe) {
    TestEnv env;
    EXPECT_EQ(workFolderFor(env.services.programFolder), env.services.programFolder);
    const QString runtime = env.scratch.mkdir(QStringLiteral("runtime"));
    const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
    EXPECT_EQ(workFolderFor(env.scratch.path(QStringLiteral("no such folder"))), runtime)
        << "the user's own runtime folder";
#ifndef Q_OS_WIN
    const QString quoted = env.scratch.mkdir(QStringLiteral("a \"quoted\" folder"));
    EXPECT_EQ(workFolderFor(quoted), runtime) << "a quote cannot stand in the script";
#endif
    qunsetenv("XDG_RUNTIME_DIR");
    EXPECT_EQ(workFolderFor(env.scratch.path(QStringLiteral("no such folder"))),
              QDir::toNativeSeparators(QDir::tempPath()));
    qputenv("XDG_RUNTIME_DIR", saved);
}

// TMP/TEMP (Windows) or TMPDIR naming a folder that is not there, or one whose name the
// script cannot hold: the work folder still has a folder, and it is always named.
TEST(WorkFolder, FallsBackToTheSystemsTemporaryFolderAndNamesIt) {
    TestEnv env;
    // The variables as they were come back however the test ends.
    struct Variables {
        const std::vector<const char*> names{"TMPDIR", "TMP", "TEMP", "XDG_RUNTIME_DIR"};
        std::vector<std::optional<QString>> saved;
        Variables() {
            for (const char* name : names)
                saved.push_back(qEnvironmentVariableIsSet(name)
                                    ? std::optional<QString>(qEnvironmentVariable(name))
                                    : std::nullopt);
        }
        ~Variables() {
            for (std::size_t i = 0; i < names.size(); ++i) {
                if (saved[i])
                    set(names[i], *saved[i]);
                else
                    qunsetenv(names[i]);
            }
        }
        static void set(const char* name, const QString& value) {
#ifdef Q_OS_WIN
            // Wide, so that a name outside the code page arrives whole.
            _wputenv_s(QString::fromLatin1(name).toStdWString().c_str(),
                       value.toStdWString().c_str());
#else
            qputenv(name, QFile::encodeName(value));
#endif
        }
        void pointAllAt(const QString& folder) const {
            for (const char* name : names)
                set(name, folder);
        }
    } variables;
    variables.pointAllAt(env.scratch.path(QStringLiteral("missing")));
    const QString fallback = workFolderFor(env.scratch.path(QStringLiteral("no such folder")));
    EXPECT_TRUE(QFileInfo(fallback).isDir()) << fallback.toStdString();
    {
        const WorkFolder work(env.scratch.path(QStringLiteral("no such folder")));
        EXPECT_FALSE(work.path().isEmpty()) << work.problem().toStdString();
    }
    // A profile whose name is outside the system's code page: its short form serves.
    const QString foreign = env.scratch.mkdir(QString::fromUtf8("temp \xce\xa9\xe6\x97\xa5"));
    variables.pointAllAt(foreign);
    const QString chosen = workFolderFor(env.scratch.path(QStringLiteral("no such folder")));
#ifdef Q_OS_WIN
    EXPECT_EQ(chosen, QDir::toNativeSeparators(foreign));
    const WorkFolder work(env.scratch.path(QStringLiteral("no such folder")));
    ASSERT_FALSE(work.path().isEmpty()) << work.problem().toStdString();
    EXPECT_TRUE(safeInScript(shortPath(work.path()))) << shortPath(work.path()).toStdString();
#else
    EXPECT_EQ(chosen, safeInScript(foreign) ? foreign : fallback);
#endif
}

TEST(WorkFolder, IsPrivateNewForEachPassAndGoesAwayWithItsFiles) {
    TestEnv env;
    QString first;
    {
        const WorkFolder work(env.services.programFolder);
        first = work.path();
        ASSERT_FALSE(first.isEmpty()) << work.problem().toStdString();
        EXPECT_EQ(QFileInfo(first).absolutePath(),
                  QDir::fromNativeSeparators(env.services.programFolder));
#ifndef Q_OS_WIN
        const auto others = QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                            QFileDevice::ExeGroup | QFileDevice::ReadOther |
                            QFileDevice::WriteOther | QFileDevice::ExeOther;
        EXPECT_EQ(QFileInfo(first).permissions() & others, QFileDevice::Permissions())
            << "nobody but the owner may look in or plant files";
#endif
        const WorkFolder second(env.services.programFolder);
        EXPECT_NE(second.path(), first);
        QFile left(QDir(first).filePath(QStringLiteral("left.tmp")));
        ASSERT_TRUE(left.open(QIODevice::WriteOnly));
    }
    EXPECT_FALSE(QFileInfo::exists(first)) << "removed with what was left in it";
}

TEST(Makels, AMissingBitmapIsReportedAtStep7AfterTheFirstLines) {
    TestEnv env;
    int closed = 0;
    env.errors.setMainWindowCloser([&] { ++closed; });
    const QString work = env.scratch.mkdir(QStringLiteral("work"));
    const LumpPaths paths = Makels(env.scratch.path(QStringLiteral("gone.bmp")), work, env.errors);
    EXPECT_TRUE(paths.ScriptPath.isEmpty());
    ASSERT_EQ(env.prompts.shown.size(), 1u);
    EXPECT_TRUE(env.prompts.shown[0].text.endsWith(QStringLiteral("Sub: frmMain.Makels()-7")));
    EXPECT_EQ(env.prompts.shown[0].title, QStringLiteral("File not found"));
    EXPECT_EQ(closed, 1);
    const QStringList left = tempFilesIn(work);
    ASSERT_EQ(left.size(), 1);
    EXPECT_TRUE(readFile(joinPath(work, left[0])).endsWith("\"\r\n\r\n"))
        << "line 1 and the empty line 2";
}

TEST(ProcessRunner, AFailedStartRecordsTheSystemsErrorCode) {
    TestEnv env;
    const RunResult missing = env.runner.run(env.scratch.path(QStringLiteral("no such program")),
                                             {QStringLiteral("x")}, 5000);
    EXPECT_FALSE(missing.started);
#ifdef Q_OS_WIN
    EXPECT_EQ(missing.systemError, 2) << "ERROR_FILE_NOT_FOUND";
#else
    EXPECT_EQ(missing.systemError, ENOENT);
    const QString plain = env.scratch.write(QStringLiteral("not a program"), "text");
    const RunResult notProgram = env.runner.run(plain, {}, 5000);
    EXPECT_FALSE(notProgram.started);
    EXPECT_EQ(notProgram.systemError, EACCES);
#endif
}

TEST(MakeWad, AnswersQlumpyMissingWithoutWritingAnything) {
    TestEnv env;
    const QString bmp = env.scratch.write(QStringLiteral("a.bmp"), bitmap8(16, 16));
    env.scratch.write(QStringLiteral("hl/") + compilerFileName(), "elsewhere");
    const WorkFolder work(env.services.programFolder);
    EXPECT_EQ(MakeWad(bmp, env.services, work.path()), QStringLiteral("Qlumpy Missing"));
    EXPECT_TRUE(QDir(work.path()).isEmpty());
}

TEST(MakeWad, RunsTheCompilerOnTheScriptAndDeletesTheScript) {
    TestEnv env;
    useFakeCompiler(env, "record");
    const QString bmp = env.scratch.write(QStringLiteral("a.bmp"), bitmap8(16, 16));
    const WorkFolder work(env.services.programFolder);
    const QString wad = MakeWad(bmp, env.services, work.path());
    EXPECT_TRUE(wad.startsWith(work.path() + SEP));
    const QStringList args =
        QString::fromUtf8(readFile(env.scratch.path(QStringLiteral("program/args.txt"))))
            .split('\n');
    ASSERT_EQ(args.size(), 1) << "one argument, passed as it is";
    EXPECT_TRUE(args[0].startsWith(shortPath(work.path()) + SEP + QStringLiteral("rad")))
        << "the script by its short path";
    EXPECT_FALSE(QFileInfo::exists(args[0])) << "the script is deleted";
    EXPECT_TRUE(QDir(work.path()).isEmpty());
}

TEST(MakeWad, AHangingCompilerIsKilledAndLeavesNoWad) {
    TestEnv env;
    env.services.compileTimeoutMs = 300;
    useFakeCompiler(env, "hang");
    const QString bmp = env.scratch.write(QStringLiteral("a.bmp"), bitmap8(16, 16));
    const WorkFolder work(env.services.programFolder);
    const QString wad = MakeWad(bmp, env.services, work.path());
    EXPECT_FALSE(wad.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(wad));
    EXPECT_TRUE(QDir(work.path()).isEmpty());
    EXPECT_EQ(env.exit.ended, 0);
}

TEST(MakeWad, APathThatWouldBreakTheScriptIsCompiledFromAPlainCopy) {
#ifdef Q_OS_WIN
    GTEST_SKIP() << "such names cannot exist here";
#else
    TestEnv env;
    installProgram(QStringLiteral(VELMIRA_QLUMPY), env.services.programFolder);
    // Larger than one read of the copy, so that a copy cut short would not compile.
    const QString bmp = env.scratch.write(QStringLiteral("say \"hi\"\nnow.bmp"), bitmap8(256, 256));
    const WorkFolder work(env.services.programFolder);
    const QString wad = MakeWad(bmp, env.services, work.path());
    EXPECT_EQ(engineRead(readFile(wad)).problem, QString()) << "the copy compiled";
    QFile::remove(wad);
    EXPECT_TRUE(QDir(work.path()).isEmpty()) << "script and copy are gone";
#endif
}

#ifdef Q_OS_WIN
TEST(MakeWad, OnWindowsTheScriptNamesShortPathsAndTheCompilerIsTheExe) {
    EXPECT_EQ(compilerFileName(), QStringLiteral("qlumpy.exe"));
    TestEnv env;
    installProgram(QStringLiteral(VELMIRA_QLUMPY), env.services.programFolder);
    const QString bmp = env.scratch.write(QStringLiteral("Spray D\u00e9p\u00f4t/my l\u00f6go.bmp"),
                                          bitmap8(32, 32));
    EXPECT_FALSE(shortPath(bmp).contains(QLatin1Char(' '))) << shortPath(bmp).toStdString();
    EXPECT_TRUE(bmp.contains(QLatin1Char('\\')));
    const WorkFolder work(env.services.programFolder);
    const LumpPaths paths = Makels(bmp, work.path(), env.errors);
    QFile script(paths.ScriptPath);
    ASSERT_TRUE(script.open(QIODevice::ReadOnly));
    EXPECT_TRUE(script.readAll().contains(shortPath(bmp).toLocal8Bit()));
    script.close();
    const QString wad = MakeWad(bmp, env.services, work.path());
    EXPECT_EQ(engineRead(readFile(wad)).problem, QString()) << "compiled through its short path";
    EXPECT_TRUE(wad.contains(QLatin1Char('\\')) && !wad.contains(QLatin1Char('/')));
}
#endif

// Apply, Clear and Create Sprays in the window over a Half-Life tree and a spray library.
class CreateSpraysTest : public ::testing::Test {
  protected:
    TestEnv env;
    QString hl = env.scratch.mkdir(QStringLiteral("Half-Life"));
    QString sprays = env.scratch.mkdir(QStringLiteral("Sprays"));
    std::unique_ptr<MainWindow> window;
    const QByteArray teamWad = sprayWad(64, 64);

    void SetUp() override {
        env.scratch.write(QStringLiteral("Half-Life/hl.exe"), "MZ");
        for (const char* mod : {"cstrike", "dmc", "tfc", "valve"})
            env.scratch.mkdir(QStringLiteral("Half-Life/") + QString::fromLatin1(mod) +
                              QStringLiteral("/dlls"));
        env.scratch.write(QStringLiteral("Sprays/logo.bmp"), bitmap8(112, 128));
        env.scratch.write(QStringLiteral("Sprays/bad.bmp"), "not a bitmap at all");
        env.scratch.write(QStringLiteral("Sprays/Clan/team.wad"), teamWad);
        env.settings.write(QStringLiteral("File Locations"), QStringLiteral("HLDir"), hl);
        env.settings.write(QStringLiteral("File Locations"), QStringLiteral("BMPDir"), sprays);
        installProgram(QStringLiteral(VELMIRA_QLUMPY), env.services.programFolder);
        window = std::make_unique<MainWindow>(env.state, env.services, env.windows);
        window->Form_Load();
    }
    ModListWidget* mods() { return window->findChild<ModListWidget*>(QStringLiteral("listMods")); }
    QProgressBar* bar() { return window->findChild<QProgressBar*>(QStringLiteral("PBar")); }
    void selectMods(std::initializer_list<int> rows) {
        mods()->clearSelection();
        for (int r : rows)
            mods()->item(r)->setSelected(true);
    }
    void chooseCategory(int index) {
        auto* cats = window->findChild<CategoryCombo*>(QStringLiteral("comboCats"));
        cats->setCurrentIndex(index);
        emit cats->activated(index);
    }
    void chooseFile(const QString& name) {
        auto* files = window->findChild<SprayFileList*>(QStringLiteral("fileBMPs"));
        files->setCurrentItem(files->findItems(name, Qt::MatchExactly).value(0));
    }
    void apply(std::initializer_list<int> rows, int category, const QString& file) {
        chooseCategory(category);
        chooseFile(file);
        selectMods(rows);
        QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("cmdApply")),
                          Qt::LeftButton);
    }
    void create() {
        QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("cmdCreate")),
                          Qt::LeftButton);
    }
    QString installed(const QString& mod) {
        return hl + SEP + mod + SEP + QStringLiteral("pldecal.wad");
    }
};

TEST_F(CreateSpraysTest, ApplyWritesTheEntryAndTheRowText) {
    apply({0, 3}, 0, QStringLiteral("logo.bmp"));
    EXPECT_EQ(mods()->text(0), QStringLiteral("cstrike -- logo.bmp"));
    EXPECT_EQ(mods()->text(1), QStringLiteral("dmc"));
    EXPECT_EQ(mods()->text(3), QStringLiteral("valve -- logo.bmp"));
    const ModEntry& e = env.state.Mods.at(3);
    EXPECT_EQ(e.SprayFile, QStringLiteral("logo.bmp"));
    EXPECT_EQ(e.SprayCategory, QStringLiteral("<Favorites>"));
    EXPECT_EQ(e.SprayFolder, sprays + SEP);
    EXPECT_EQ(e.SprayKind, QStringLiteral("BMP"));
    apply({3}, 1, QStringLiteral("team.wad"));
    EXPECT_EQ(mods()->text(3), QStringLiteral("valve -- team.wad"));
    EXPECT_EQ(env.state.Mods.at(3).SprayFolder, sprays + SEP + QStringLiteral("Clan"));
    EXPECT_EQ(env.state.Mods.at(0).SprayFile, QStringLiteral("logo.bmp"))
        << "unselected rows keep theirs";
}

TEST_F(CreateSpraysTest, ApplyWithoutAChosenFileOrOnHintRowsBeeps) {
    selectMods({0});
    window->cmdApply_Click();
    EXPECT_EQ(env.prompts.beeps, 1);
    EXPECT_EQ(mods()->text(0), QStringLiteral("cstrike"));
    mods()->clearSelection();
    window->cmdClear_Click();
    EXPECT_EQ(env.prompts.beeps, 1) << "no rows selected: nothing, no beep";
    mods()->setTag(QStringLiteral("Empty"));
    window->cmdClear_Click();
    EXPECT_EQ(env.prompts.beeps, 2);
    chooseFile(QStringLiteral("logo.bmp"));
    selectMods({0});
    window->cmdApply_Click();
    EXPECT_EQ(env.prompts.beeps, 3) << "nothing is applied to an empty list";
    EXPECT_TRUE(env.state.Mods.at(0).SprayFile.isEmpty());
    EXPECT_EQ(mods()->text(0), QStringLiteral("cstrike"));
}

TEST_F(CreateSpraysTest, ClearTakesTheSprayAway) {
    apply({1, 2}, 0, QStringLiteral("logo.bmp"));
    selectMods({1});
    window->cmdClear_Click();
    EXPECT_EQ(mods()->text(1), QStringLiteral("dmc"));
    EXPECT_TRUE(env.state.Mods.at(1).SprayFile.isEmpty());
    EXPECT_TRUE(env.state.Mods.at(1).SprayFolder.isEmpty());
    EXPECT_TRUE(env.state.Mods.at(1).SprayCategory.isEmpty());
    EXPECT_TRUE(env.state.Mods.at(1).SprayKind.isEmpty());
    EXPECT_EQ(env.state.Mods.at(1).ModFolder, QStringLiteral("dmc")) << "the mod stays";
    EXPECT_EQ(mods()->text(2), QStringLiteral("tfc -- logo.bmp"));
}

TEST_F(CreateSpraysTest, CreateInstallsBitmapsAndWadsAndCleansUp) {
    env.scratch.write(QStringLiteral("Half-Life/valve/pldecal.wad"), "old spray");
    apply({0, 3}, 0, QStringLiteral("logo.bmp"));
    apply({2}, 1, QStringLiteral("team.wad"));
    create();
    EXPECT_EQ(env.prompts.texts(), QStringList({"Spray(s) Created!"}));
    EXPECT_EQ(env.prompts.shown.back().title, QStringLiteral("Velmira"));
    EXPECT_EQ(env.prompts.shown.back().icon, Message::Icon::Information);
    EXPECT_EQ(engineRead(readFile(installed(QStringLiteral("cstrike")))).problem, QString());
    EXPECT_EQ(readFile(installed(QStringLiteral("valve"))),
              readFile(installed(QStringLiteral("cstrike"))));
    EXPECT_EQ(readFile(installed(QStringLiteral("tfc"))), teamWad);
    for (const char* mod : {"cstrike", "tfc", "valve"})
        EXPECT_EQ(
            readFile(hl + SEP + QString::fromLatin1(mod) + SEP + QStringLiteral("tempdecal.wad")),
            readFile(installed(QString::fromLatin1(mod))))
            << "today's game reads the same spray";
    EXPECT_FALSE(QFileInfo::exists(installed(QStringLiteral("dmc"))));
    EXPECT_FALSE(QFileInfo::exists(hl + SEP + QStringLiteral("dmc") + SEP +
                                   QStringLiteral("tempdecal.wad")));
    EXPECT_TRUE(tempFilesIn(env.services.programFolder).isEmpty());
    EXPECT_EQ(bar()->value(), bar()->maximum());
    EXPECT_EQ(bar()->maximum(), 4);
}

TEST_F(CreateSpraysTest, NothingAssignedStillFillsTheBarAndSaysCreated) {
    create();
    EXPECT_EQ(env.prompts.texts(), QStringList({"Spray(s) Created!"}));
    EXPECT_EQ(bar()->value(), 4);
    for (const char* mod : {"cstrike", "dmc", "tfc", "valve"})
        EXPECT_FALSE(QFileInfo::exists(installed(QString::fromLatin1(mod))));
}

TEST_F(CreateSpraysTest, WithNoModRowsTheBarRunsToOneAndIsFull) {
    QDir(hl).removeRecursively();
    env.scratch.write(QStringLiteral("Half-Life/hl.exe"), "MZ");
    window->cmdRefresh_Click();
    ASSERT_EQ(mods()->count(), 0);
    create();
    EXPECT_EQ(bar()->minimum(), 0);
    EXPECT_EQ(bar()->maximum(), 1);
    EXPECT_EQ(bar()->value(), 1);
    EXPECT_EQ(env.prompts.texts(), QStringList({"Spray(s) Created!"}));
}

TEST_F(CreateSpraysTest, AFolderCheckThatSaysNoStopsSilently) {
    apply({0}, 0, QStringLiteral("logo.bmp"));
    QFile::remove(hl + SEP + QStringLiteral("hl.exe"));
    env.prompts.answers = {Answer::No};
    create();
    EXPECT_EQ(env.prompts.shown.size(), 1u) << "only the folder check's question";
    EXPECT_FALSE(QFileInfo::exists(installed(QStringLiteral("cstrike"))));
}

TEST_F(CreateSpraysTest, AMissingCompilerStopsAfterTheWadsBeforeIt) {
    QFile::remove(joinPath(env.services.programFolder, compilerFileName()));
    apply({0}, 1, QStringLiteral("team.wad"));
    apply({1, 2}, 0, QStringLiteral("logo.bmp"));
    create();
    ASSERT_EQ(env.prompts.texts(), QStringList({"Could not find Qlumpy.exe!"}));
    EXPECT_EQ(env.prompts.shown[0].title, QStringLiteral("Error creating spray!"));
    EXPECT_EQ(env.prompts.shown[0].icon, Message::Icon::Critical);
    EXPECT_TRUE(QFileInfo::exists(installed(QStringLiteral("cstrike"))));
    EXPECT_FALSE(QFileInfo::exists(installed(QStringLiteral("dmc"))));
    EXPECT_EQ(bar()->value(), 1);
}

TEST_F(CreateSpraysTest, ABitmapThatDoesNotCompileNamesItsPathAndStops) {
    apply({0}, 0, QStringLiteral("bad.bmp"));
    apply({1}, 0, QStringLiteral("logo.bmp"));
    create();
    ASSERT_EQ(env.prompts.shown.size(), 1u);
    EXPECT_EQ(env.prompts.shown[0].text,
              QStringLiteral("Error compiling. Check BMP format and dimentions.\rFile: ") + sprays +
                  SEP + SEP + QStringLiteral("bad.bmp"));
    EXPECT_EQ(env.prompts.shown[0].title, QStringLiteral("Error creating spray!"));
    EXPECT_FALSE(QFileInfo::exists(installed(QStringLiteral("dmc"))));
    EXPECT_FALSE(window->isUnloaded());
}

TEST_F(CreateSpraysTest, CompilersThatCrashOrWriteNothingFailAsNotCompiled) {
    for (const QByteArray mode : {"crash", "nothing"}) {
        env.prompts.shown.clear();
        useFakeCompiler(env, mode);
        apply({0}, 0, QStringLiteral("logo.bmp"));
        create();
        ASSERT_EQ(env.prompts.shown.size(), 1u) << mode.constData();
        EXPECT_TRUE(env.prompts.shown[0].text.startsWith(QStringLiteral("Error compiling.")))
            << mode.constData();
        EXPECT_TRUE(tempFilesIn(env.services.programFolder).isEmpty());
    }
}

TEST_F(CreateSpraysTest, AVanishedSprayIsNamedAndTheWindowStays) {
    apply({0}, 1, QStringLiteral("team.wad"));
    apply({1}, 0, QStringLiteral("logo.bmp"));
    QFile::remove(sprays + SEP + QStringLiteral("Clan") + SEP + QStringLiteral("team.wad"));
    create();
    ASSERT_EQ(env.prompts.shown.size(), 1u);
    EXPECT_EQ(env.prompts.shown[0].text, QStringLiteral("Could not find ") + sprays + SEP +
                                             QStringLiteral("Clan") + SEP +
                                             QStringLiteral("team.wad"));
    EXPECT_EQ(env.prompts.shown[0].title, QStringLiteral("File not found"));
    QFile::remove(sprays + SEP + QStringLiteral("logo.bmp"));
    selectMods({0});
    window->cmdClear_Click();
    create();
    EXPECT_EQ(env.prompts.shown.back().text,
              QStringLiteral("Could not find ") + sprays + SEP + SEP + QStringLiteral("logo.bmp"));
    EXPECT_FALSE(window->isUnloaded());
}

TEST_F(CreateSpraysTest, AModFolderGoneIsAnErrorReportAndAnEarlierSprayStaysWhole) {
    env.scratch.write(QStringLiteral("Half-Life/dmc/pldecal.wad"), "kept");
    apply({1, 2}, 1, QStringLiteral("team.wad"));
    QDir(hl + SEP + QStringLiteral("tfc")).removeRecursively();
    create();
    ASSERT_EQ(env.prompts.shown.size(), 1u);
    EXPECT_TRUE(
        env.prompts.shown[0].text.contains(QStringLiteral("Sub: frmMain.cmdCreate_Click()-13")));
    EXPECT_TRUE(window->isUnloaded());
    EXPECT_EQ(readFile(installed(QStringLiteral("dmc"))), teamWad);
}

TEST_F(CreateSpraysTest, AFailedCompileInstallsNothing) {
    env.scratch.write(QStringLiteral("program/good.wad"), sprayWad(32, 32));
    env.scratch.write(QStringLiteral("Half-Life/cstrike/pldecal.wad"), "old");
    apply({0}, 0, QStringLiteral("logo.bmp"));
    for (const QByteArray mode : {"exit3", "half", "garbage", "crash"}) {
        env.prompts.shown.clear();
        useFakeCompiler(env, mode);
        create();
        ASSERT_EQ(env.prompts.shown.size(), 1u) << mode.constData();
        EXPECT_TRUE(env.prompts.shown[0].text.startsWith(
            QStringLiteral("Error compiling. Check BMP format and dimentions.\rFile: ")))
            << mode.constData();
        EXPECT_EQ(readFile(installed(QStringLiteral("cstrike"))), QByteArray("old"))
            << mode.constData();
        EXPECT_FALSE(QFileInfo::exists(hl + SEP + QStringLiteral("cstrike") + SEP +
                                       QStringLiteral("tempdecal.wad")));
        EXPECT_TRUE(QDir(env.services.programFolder)
                        .entryList({QStringLiteral("velmira-*")}, QDir::AllEntries | QDir::Hidden)
                        .isEmpty())
            << "the work folder is gone";
    }
    EXPECT_FALSE(window->isUnloaded());
}

TEST_F(CreateSpraysTest, AReadyMadeWadTheGameWouldRefuseIsNamedAndNotInstalled) {
    QByteArray broken = teamWad;
    broken[12 + 28] = static_cast<char>(broken[12 + 28] + 1);  // mip 1 one byte off
    const QString team = env.scratch.write(QStringLiteral("Sprays/Clan/team.wad"), broken);
    apply({0}, 1, QStringLiteral("team.wad"));
    apply({1}, 0, QStringLiteral("logo.bmp"));
    create();
    ASSERT_EQ(env.prompts.shown.size(), 1u);
    EXPECT_TRUE(env.prompts.shown[0].text.startsWith(
        QStringLiteral("The game would not use this spray, so it was not installed:\r") + team))
        << env.prompts.shown[0].text.toStdString();
    EXPECT_EQ(env.prompts.shown[0].title, QStringLiteral("Error creating spray!"));
    EXPECT_FALSE(QFileInfo::exists(installed(QStringLiteral("cstrike"))));
    EXPECT_FALSE(QFileInfo::exists(installed(QStringLiteral("dmc")))) << "the pass ends there";
    EXPECT_FALSE(window->isUnloaded());
}

TEST_F(CreateSpraysTest, EachPictureIsCompiledOnceAndEveryModGetsTheSameBytes) {
    const QByteArray good = sprayWad(48, 48, 7);
    env.scratch.write(QStringLiteral("program/good.wad"), good);
    useFakeCompiler(env, "good");
    apply({0, 1, 3}, 0, QStringLiteral("logo.bmp"));
    apply({2}, 1, QStringLiteral("team.wad"));
    create();
    EXPECT_EQ(env.prompts.texts(), QStringList({"Spray(s) Created!"}));
    EXPECT_EQ(readFile(env.scratch.path(QStringLiteral("program/runs.txt"))), QByteArray("run\n"));
    for (const char* mod : {"cstrike", "dmc", "valve"})
        EXPECT_EQ(readFile(installed(QString::fromLatin1(mod))), good) << mod;
    EXPECT_EQ(readFile(installed(QStringLiteral("tfc"))), teamWad);
    EXPECT_EQ(bar()->value(), 4);
}

TEST_F(CreateSpraysTest, AReadOnlyTempdecalIsReplacedAndStaysReadOnly) {
    const QString temp = env.scratch.write(QStringLiteral("Half-Life/tfc/tempdecal.wad"), "mine");
    QFile::setPermissions(temp, QFileDevice::ReadOwner | QFileDevice::ReadUser |
                                    QFileDevice::ReadGroup | QFileDevice::ReadOther);
    apply({2}, 1, QStringLiteral("team.wad"));
    create();
    EXPECT_EQ(env.prompts.texts(), QStringList({"Spray(s) Created!"}));
    EXPECT_EQ(readFile(temp), teamWad);
    EXPECT_EQ(readFile(installed(QStringLiteral("tfc"))), teamWad);
    EXPECT_FALSE(QFileInfo(temp).permissions() & QFileDevice::WriteOwner) << "still read-only";
    EXPECT_EQ(QDir(hl + SEP + QStringLiteral("tfc")).entryList(QDir::Files).size(), 2)
        << "no staged or kept-aside files are left";
    EXPECT_FALSE(
        QFileInfo::exists(hl + SEP + QStringLiteral("tfc") + SEP + QStringLiteral("logos")))
        << "logos pictures are for Xash3D FWGS only";
}

// Protected, each installed tempdecal.wad is left read-only; unprotected again, those Velmira
// installed become writable while a read-only one of the player's own stays so. The mod list
// shows what each mod holds now, and marks one replaced since.
TEST_F(CreateSpraysTest, ProtectedSpraysStayReadOnlyAndAReplacedOneIsMarked) {
    const auto writable = [&](const char* mod, const char* file) {
        return bool(QFileInfo(hl + SEP + QString::fromLatin1(mod) + SEP + QString::fromLatin1(file))
                        .permissions() &
                    QFileDevice::WriteOwner);
    };
    const QString own = env.scratch.write(QStringLiteral("Half-Life/valve/tempdecal.wad"), "own");
    QFile::setPermissions(own, QFileDevice::ReadOwner | QFileDevice::ReadOther);
    auto* protect = window->findChild<QAction*>(QStringLiteral("mnuFileProtect"));
    protect->trigger();
    EXPECT_EQ(env.settings.read(QStringLiteral("Preferences"), QStringLiteral("ProtectSprays"),
                                QString()),
              QStringLiteral("True"));
    apply({1, 2}, 1, QStringLiteral("team.wad"));
    create();
    EXPECT_FALSE(writable("dmc", "tempdecal.wad")) << "protected";
    EXPECT_TRUE(writable("dmc", "pldecal.wad")) << "only the file today's game rewrites";
    EXPECT_EQ(env.settings.read(QStringLiteral("Installed"), QStringLiteral("dmc"), QString()),
              sprayHash(teamWad));
    EXPECT_FALSE(mods()->isMarkedReplaced(1));
    EXPECT_TRUE(mods()->heldTip(1).contains(QStringLiteral("Velmira installed here")));
    EXPECT_TRUE(mods()->heldTip(1).contains(QStringLiteral("<img src=\"data:image/png")));

    protect->trigger();
    apply({1, 3}, 1, QStringLiteral("team.wad"));
    create();
    EXPECT_TRUE(writable("dmc", "tempdecal.wad")) << "Velmira's own protection is lifted";
    EXPECT_FALSE(writable("valve", "tempdecal.wad")) << "the player's own is kept";
    EXPECT_EQ(readFile(own), teamWad);

    // The game's Options screen writes another logo: Refresh marks the row, text unchanged.
    env.scratch.write(QStringLiteral("Half-Life/dmc/tempdecal.wad"), sprayWad(32, 32));
    QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("cmdRefresh")),
                      Qt::LeftButton);
    EXPECT_TRUE(mods()->isMarkedReplaced(1));
    EXPECT_FALSE(mods()->item(1)->icon().isNull());
    EXPECT_EQ(mods()->visualItemRect(mods()->item(1)).height(),
              mods()->visualItemRect(mods()->item(2)).height())
        << "the mark makes its row no taller than the others";
    EXPECT_EQ(mods()->text(1), QStringLiteral("dmc"));
    EXPECT_TRUE(mods()->heldTip(1).contains(QStringLiteral("Replaced since")));
    EXPECT_FALSE(mods()->isMarkedReplaced(2)) << "tfc still holds what Velmira installed";
    EXPECT_FALSE(mods()->isMarkedReplaced(0)) << "nothing was ever installed in cstrike";
    env.scratch.write(QStringLiteral("Half-Life/cstrike/tempdecal.wad"), "not a spray");
    env.scratch.write(QStringLiteral("Half-Life/valve/tempdecal.wad"), QByteArray(300 * 1024, 'x'));
    QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("cmdRefresh")),
                      Qt::LeftButton);
    EXPECT_TRUE(
        mods()->heldTip(0).contains(QStringLiteral("did not install. The game cannot show it.")));
    EXPECT_TRUE(mods()->heldTip(3).contains(QStringLiteral("cannot be read")))
        << mods()->heldTip(3).toStdString();
}

// Ticking or unticking the protection holds at once for every spray Velmira installed, told in
// one message; the player's own files, and a link put in place of one, are left as they are.
TEST_F(CreateSpraysTest, TheProtectionChoiceHoldsAtOnceForVelmirasOwnSpraysOnly) {
    const auto writable = [&](const QString& path) {
        return bool(QFileInfo(path).permissions() & QFileDevice::WriteOwner);
    };
    const auto temp = [&](const char* mod) {
        return hl + SEP + QString::fromLatin1(mod) + SEP + QStringLiteral("tempdecal.wad");
    };
    auto* protect = window->findChild<QAction*>(QStringLiteral("mnuFileProtect"));
    protect->trigger();
    apply({1, 2}, 1, QStringLiteral("team.wad"));
    create();
    ASSERT_FALSE(writable(temp("dmc")));
    // The player's own read-only spray in valve, and in tfc a spray that replaced Velmira's.
    const QString own = env.scratch.write(QStringLiteral("Half-Life/valve/tempdecal.wad"), "own");
    QFile::setPermissions(own, QFileDevice::ReadOwner | QFileDevice::ReadOther);
    QFile::remove(temp("tfc"));
    env.scratch.write(QStringLiteral("Half-Life/tfc/tempdecal.wad"), sprayWad(32, 32));
    QFile::setPermissions(temp("tfc"), QFileDevice::ReadOwner | QFileDevice::ReadOther);
#ifndef Q_OS_WIN
    // In cstrike another user put a link to one of the player's files, with Velmira's spray.
    const QString privateFile = env.scratch.write(QStringLiteral("private.wad"), teamWad);
    QFile::setPermissions(privateFile, QFileDevice::ReadOwner);
    ASSERT_TRUE(QFile::link(privateFile, temp("cstrike")));
    env.settings.write(kInstalledSection, QStringLiteral("cstrike"), sprayHash(teamWad));
#endif
    env.prompts.shown.clear();
    protect->trigger();
    EXPECT_TRUE(writable(temp("dmc"))) << "Velmira's own is writable again at once";
    EXPECT_FALSE(writable(temp("tfc"))) << "what replaced it is not Velmira's";
    EXPECT_FALSE(writable(own)) << "the player's own stays read-only";
    ASSERT_EQ(
        env.prompts.texts(),
        QStringList({QStringLiteral("The sprays Velmira installed can be replaced by the game "
                                    "again in:\rdmc")}));
#ifndef Q_OS_WIN
    EXPECT_EQ(QFileInfo(privateFile).permissions() & QFileDevice::WriteOwner, 0)
        << "the link was not followed";
#endif
    env.prompts.shown.clear();
    protect->trigger();
    EXPECT_FALSE(writable(temp("dmc")));
    EXPECT_EQ(env.prompts.texts(),
              QStringList({QStringLiteral("The sprays Velmira installed are now read-only, so that "
                                          "the game cannot replace them, in:\rdmc")}));
    env.prompts.shown.clear();
    protect->trigger();
    protect->trigger();
    EXPECT_EQ(env.prompts.texts().size(), 2) << "each change is told";
    // Nothing of Velmira's changes: nothing is said.
    QFile(temp("dmc")).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    ASSERT_TRUE(QFile::remove(temp("dmc")));
    env.prompts.shown.clear();
    protect->trigger();
    EXPECT_TRUE(env.prompts.texts().isEmpty());
    ASSERT_FALSE(protect->isChecked());
    // Unprotected, installing over the player's own read-only spray in tfc (though Velmira once
    // installed one there) leaves the new file read-only, as the player had it.
    apply({2}, 1, QStringLiteral("team.wad"));
    create();
    EXPECT_EQ(readFile(temp("tfc")), teamWad);
    EXPECT_FALSE(writable(temp("tfc")));
}

// Xash3D FWGS makes the spray from a picture in logos/. Velmira's own picture there is known by
// what it holds, never by its name: the player's pictures are never written over, whatever their
// names, and the record is kept where no mod's name can reach it.
TEST_F(CreateSpraysTest, AXashFolderGetsTheSprayAsALogoPictureNeverOverThePlayers) {
    env.scratch.write(QStringLiteral("Half-Life/xash3d.exe"), "MZ");
    const QString mine = env.scratch.write(QStringLiteral("Half-Life/tfc/logos/team.png"), "mine");
    const QString logos = hl + SEP + QStringLiteral("tfc") + SEP + QStringLiteral("logos");
    const QString second = logos + SEP + QStringLiteral("team (2).png");
    // An earlier release's record: a path, under the key a mod named "tfc.logo" keeps its spray.
    env.settings.write(kInstalledSection, QStringLiteral("tfc.logo"), second);
    env.settings.write(kInstalledSection, QStringLiteral("valve.logo"), sprayHash(teamWad));
    apply({2}, 1, QStringLiteral("team.wad"));
    create();
    create();
    EXPECT_EQ(env.prompts.texts(), QStringList({"Spray(s) Created!", "Spray(s) Created!"}));
    EXPECT_EQ(readFile(mine), QByteArray("mine"));
    EXPECT_EQ(QDir(logos).entryList(QDir::Files | QDir::Hidden),
              QStringList({"team (2).png", "team.png"}))
        << "the second pass keeps its own picture; nothing staged is left";
    EXPECT_EQ(QImage(second).size(), QSize(64, 64));
    EXPECT_EQ(env.settings.read(kInstalledSection, QStringLiteral("tfc.logo"), QStringLiteral("-")),
              QStringLiteral("-"))
        << "the old record is taken away";
    EXPECT_EQ(env.settings.read(kInstalledSection, QStringLiteral("valve.logo"), QString()),
              sprayHash(teamWad))
        << "a mod's own spray record stays";
    EXPECT_EQ(env.settings.read(kLogosSection, QStringLiteral("tfc"), QString()),
              sprayHash(readFile(second)));

    // The spray changes: the picture Velmira wrote is replaced in place. A mod named
    // "tfc.logo" keeps its own record meanwhile (a fingerprint, not a path).
    env.settings.write(kInstalledSection, QStringLiteral("tfc.logo"), sprayHash(teamWad));
    env.scratch.write(QStringLiteral("Sprays/Clan/team.wad"), sprayWad(32, 32));
    create();
    EXPECT_EQ(env.settings.read(kInstalledSection, QStringLiteral("tfc.logo"), QString()),
              sprayHash(teamWad));
    EXPECT_EQ(QDir(logos).entryList(QDir::Files | QDir::Hidden),
              QStringList({"team (2).png", "team.png"}));
    EXPECT_EQ(QImage(second).size(), QSize(32, 32));

    // The player copies a picture of their own over it: kept, the spray takes the next name.
    QFile::remove(second);
    env.scratch.write(QStringLiteral("Half-Life/tfc/logos/team (2).png"), "the player's");
    create();
    EXPECT_EQ(readFile(second), QByteArray("the player's"));
    EXPECT_EQ(QDir(logos).entryList(QDir::Files | QDir::Hidden),
              QStringList({"team (2).png", "team (3).png", "team.png"}));
    // Without a record (an earlier release kept none), a picture holding exactly the spray's
    // picture is Velmira's own: no new one is added.
    env.settings.remove(kLogosSection, QStringLiteral("tfc"));
    create();
    EXPECT_EQ(QDir(logos).entryList(QDir::Files | QDir::Hidden),
              QStringList({"team (2).png", "team (3).png", "team.png"}));
    EXPECT_EQ(env.prompts.texts().size(), 5);
}

#ifndef Q_OS_WIN
// In a shared game folder another user may put a link where logos was: it is refused and named,
// and nothing is written where it leads, even when it is swapped in while the install runs.
TEST_F(CreateSpraysTest, ALinkForTheLogosFolderIsRefusedAndNeverWrittenThrough) {
    env.scratch.write(QStringLiteral("Half-Life/xash3d.exe"), "MZ");
    const QString privateFolder = env.scratch.mkdir(QStringLiteral("private"));
    const QString picture = env.scratch.write(QStringLiteral("private/team.png"), "private");
    const QString logos = hl + SEP + QStringLiteral("tfc") + SEP + QStringLiteral("logos");
    ASSERT_TRUE(QFile::link(privateFolder, logos));
    // Shared: the group may write in the mod's folder.
    ASSERT_EQ(::chmod(QFile::encodeName(hl + SEP + QStringLiteral("tfc")).constData(), 0775), 0);
    apply({2}, 1, QStringLiteral("team.wad"));
    create();
    ASSERT_EQ(env.prompts.texts().size(), 1);
    EXPECT_EQ(env.prompts.texts()[0],
              QStringLiteral("Could not use the folder ") + logos + QChar(13) +
                  QStringLiteral("it is a link that another user could have put there, which "
                                 "Velmira does not follow"));
    EXPECT_EQ(QDir(privateFolder).entryList(QDir::Files | QDir::Hidden), QStringList({"team.png"}));

    QFile::remove(logos);
    const QByteArray link = QFile::encodeName(logos);
    const QByteArray aside = QFile::encodeName(logos + QStringLiteral(".aside"));
    const QByteArray target = QFile::encodeName(privateFolder);
    ::mkdir(link.constData(), 0755);
    std::atomic<bool> stop{false};
    std::thread attacker([&] {
        while (!stop) {
            ::rename(link.constData(), aside.constData());
            ::symlink(target.constData(), link.constData());
            ::unlink(link.constData());
            ::rename(aside.constData(), link.constData());
        }
    });
    for (int pass = 0; pass < 40; ++pass)
        create();
    stop = true;
    attacker.join();
    EXPECT_EQ(QDir(privateFolder).entryList(QDir::Files | QDir::Hidden), QStringList({"team.png"}));
    EXPECT_EQ(readFile(picture), QByteArray("private"));
}
#endif

#ifndef Q_OS_WIN
// A mod the player keeps on another disk, linked into the game folder: installed and protected
// through the link. Where another user could have put the link (a shared game folder), the mod
// fails with the reason, named.
TEST_F(CreateSpraysTest, ThePlayersOwnLinkedModIsInstalledThroughAndNoOneElses) {
    const QString disk = env.scratch.mkdir(QStringLiteral("disk"));
    ASSERT_TRUE(
        QDir().rename(hl + SEP + QStringLiteral("tfc"), disk + SEP + QStringLiteral("tfc")));
    ASSERT_TRUE(QFile::link(disk + SEP + QStringLiteral("tfc"), hl + SEP + QStringLiteral("tfc")));
    apply({2}, 1, QStringLiteral("team.wad"));
    create();
    EXPECT_EQ(env.prompts.texts(), QStringList({QStringLiteral("Spray(s) Created!")}));
    const QString spray =
        disk + SEP + QStringLiteral("tfc") + SEP + QStringLiteral("tempdecal.wad");
    EXPECT_EQ(readFile(spray), teamWad);
    window->findChild<QAction*>(QStringLiteral("mnuFileProtect"))->trigger();
    EXPECT_FALSE(QFileInfo(spray).permissions() & QFileDevice::WriteOwner) << "protected";
    env.prompts.shown.clear();
    ASSERT_EQ(::chmod(QFile::encodeName(hl).constData(), 0775), 0);
    create();
    window->findChild<QAction*>(QStringLiteral("mnuFileProtect"))->trigger();
    ASSERT_EQ(env.prompts.texts().size(), 2);
    for (const QString& text : env.prompts.texts()) {
        EXPECT_TRUE(text.contains(QStringLiteral("tfc")));
        EXPECT_TRUE(text.contains(QStringLiteral("another user could have put")))
            << qPrintable(text);
    }
}
#endif

// With the game running from the folder, "Create Sprays" asks first; No changes nothing.
TEST_F(CreateSpraysTest, WhileTheGameRunsCreateAsksFirst) {
    QString asked;
    env.services.gameRunning = [&](const QString& folder) {
        asked = folder;
        return true;
    };
    apply({2}, 1, QStringLiteral("team.wad"));
    env.prompts.answers = {Answer::No};
    create();
    EXPECT_EQ(asked, hl);
    ASSERT_EQ(env.prompts.shown.size(), 1u);
    EXPECT_TRUE(env.prompts.shown[0].text.startsWith(QStringLiteral("The game is running from ")));
    EXPECT_EQ(env.prompts.shown[0].buttons, Message::Buttons::YesNo);
    EXPECT_FALSE(QFileInfo::exists(installed(QStringLiteral("tfc"))));
    env.prompts.answers = {Answer::Yes};
    create();
    EXPECT_EQ(readFile(installed(QStringLiteral("tfc"))), teamWad);
    env.services.gameRunning = {};
}

// The selected mods' caches are moved aside after the player says OK, an older moved-aside
// cache replaced; one that is not a plain file is left alone and named; none while the game runs.
TEST_F(CreateSpraysTest, ClearCachedSpraysMovesEachAsideAfterOk) {
    const QString cs = env.scratch.write(QStringLiteral("Half-Life/cstrike/custom.hpk"), "cs");
    env.scratch.write(QStringLiteral("Half-Life/cstrike/custom.hpk.old"), "older");
    env.scratch.write(QStringLiteral("Half-Life/dmc/custom.hpk"), "dmc");
    env.scratch.mkdir(QStringLiteral("Half-Life/tfc/custom.hpk"));
    env.scratch.write(QStringLiteral("Half-Life/gearbox/custom.hpk"), "not selected");
    env.scratch.mkdir(QStringLiteral("Half-Life/dmc/custom.hpk.old"));
    auto* clear = window->findChild<QAction*>(QStringLiteral("mnuFileClearCache"));
    selectMods({});
    clear->trigger();
    ASSERT_EQ(env.prompts.shown.size(), 1u);
    EXPECT_TRUE(env.prompts.shown[0].text.startsWith(QStringLiteral("Select the mods")));
    selectMods({2});  // tfc's cache is a folder: named once, nothing else said
    clear->trigger();
    ASSERT_EQ(env.prompts.shown.size(), 2u);
    EXPECT_TRUE(env.prompts.shown[1].text.startsWith(QStringLiteral("These cache files")));

    selectMods({0, 1, 2, 3});  // valve has no cache: it is not named
    env.prompts.shown.clear();
    env.prompts.answers = {Answer::Cancel};
    clear->trigger();
    ASSERT_EQ(env.prompts.shown.size(), 2u);
    EXPECT_EQ(env.prompts.shown[0].text, QStringLiteral("These cache files were left alone:\r") +
                                             hl + SEP + QStringLiteral("tfc") + SEP +
                                             QStringLiteral("custom.hpk: it is not a file"));
    EXPECT_EQ(env.prompts.shown[1].buttons, Message::Buttons::OkCancel);
    EXPECT_TRUE(env.prompts.shown[1].text.contains(cs + QStringLiteral(" (")));
    EXPECT_FALSE(env.prompts.shown[1].text.contains(QStringLiteral("valve")));
    EXPECT_FALSE(env.prompts.shown[1].text.contains(QStringLiteral("gearbox")));
    EXPECT_EQ(readFile(cs), QByteArray("cs")) << "Cancel moves nothing";

    env.prompts.answers = {Answer::Ok};
    env.prompts.shown.clear();
    clear->trigger();
    EXPECT_FALSE(QFileInfo::exists(cs));
    EXPECT_EQ(readFile(cs + QStringLiteral(".old")), QByteArray("cs"));
    // dmc's older moved-aside cache is a folder: its cache stays, and is named.
    ASSERT_EQ(env.prompts.shown.size(), 3u);
    EXPECT_EQ(env.prompts.shown[2].text, QStringLiteral("Could not clear these cached sprays:\r") +
                                             hl + SEP + QStringLiteral("dmc") + SEP +
                                             QStringLiteral("custom.hpk: ") + hl + SEP +
                                             QStringLiteral("dmc") + SEP +
                                             QStringLiteral("custom.hpk.old is in the way "
                                                            "and is not a file"));
    QDir(hl + SEP + QStringLiteral("dmc") + SEP + QStringLiteral("custom.hpk.old"))
        .removeRecursively();
    env.prompts.shown.clear();
    clear->trigger();
    EXPECT_EQ(env.prompts.shown.size(), 2u) << "no failure to tell";
    EXPECT_EQ(readFile(hl + SEP + QStringLiteral("dmc") + SEP + QStringLiteral("custom.hpk.old")),
              QByteArray("dmc"));
    EXPECT_TRUE(
        QFileInfo(hl + SEP + QStringLiteral("tfc") + SEP + QStringLiteral("custom.hpk")).isDir());

    env.scratch.write(QStringLiteral("Half-Life/dmc/custom.hpk"), "again");
    env.services.gameRunning = [](const QString&) { return true; };
    env.prompts.shown.clear();
    clear->trigger();
    env.services.gameRunning = {};
    ASSERT_EQ(env.prompts.shown.size(), 1u);
    EXPECT_TRUE(env.prompts.shown[0].text.startsWith(QStringLiteral("The game is running")));
    EXPECT_EQ(readFile(hl + SEP + QStringLiteral("dmc") + SEP + QStringLiteral("custom.hpk")),
              QByteArray("again"));
#ifndef Q_OS_WIN
    // A cache that is a link is named, and neither it nor what it leads to is moved.
    const QString target = env.scratch.write(QStringLiteral("elsewhere.hpk"), "elsewhere");
    ASSERT_TRUE(QFile::link(target, hl + SEP + QStringLiteral("valve/custom.hpk")));
    selectMods({3});
    env.prompts.shown.clear();
    clear->trigger();
    ASSERT_EQ(env.prompts.shown.size(), 1u);
    EXPECT_TRUE(env.prompts.shown[0].text.endsWith(QStringLiteral("custom.hpk: it is a link")));
    EXPECT_TRUE(QFileInfo(hl + SEP + QStringLiteral("valve/custom.hpk")).isSymLink());
    EXPECT_EQ(readFile(target), QByteArray("elsewhere"));
#endif
}

// A game is running from a folder while a process runs one of the folder's launchers.
TEST(GameRunning, IsSeenByTheLauncherInTheFolderAndNoOther) {
    TestEnv env;
    const QString game = env.scratch.mkdir(QStringLiteral("Sven Co-op"));
    const QString other = env.scratch.mkdir(QStringLiteral("Half-Life"));
#ifdef Q_OS_WIN
    const QString launcher = game + SEP + QStringLiteral("svencoop.exe");
#else
    const QString launcher = game + SEP + QStringLiteral("svencoop_linux");
#endif
    ASSERT_TRUE(QFile::copy(QStringLiteral(VELMIRA_FAKE_COMPILER), launcher));
    QFile::setPermissions(launcher, QFile::permissions(launcher) | QFileDevice::ExeOwner);
    env.scratch.write(QStringLiteral("Sven Co-op/mode"), "hang");
    EXPECT_FALSE(gameRunningFrom(game));
    // Another program of the folder is no game.
    const QString tool = game + SEP + QStringLiteral("tool.exe");
    ASSERT_TRUE(QFile::copy(launcher, tool));
    QProcess toolRun;
    toolRun.start(tool, {QStringLiteral("script.ls")});
    ASSERT_TRUE(toolRun.waitForStarted());
    QThread::msleep(100);
    EXPECT_FALSE(gameRunningFrom(game));
    toolRun.kill();
    toolRun.waitForFinished();
    QProcess process;
    process.start(launcher, {QStringLiteral("script.ls")});
    ASSERT_TRUE(process.waitForStarted());
    bool seen = false;
    for (int i = 0; i < 100 && !seen; ++i) {
        seen = gameRunningFrom(game);
        if (!seen)
            QThread::msleep(20);
    }
    EXPECT_TRUE(seen);
    EXPECT_FALSE(gameRunningFrom(other));
    process.kill();
    process.waitForFinished();
    EXPECT_FALSE(gameRunningFrom(game));
#ifndef Q_OS_WIN
    // Under Wine the game's first argument names it, however long the whole command line is.
    QProcess wine;
    wine.setWorkingDirectory(game);
    wine.start(QStringLiteral("/bin/bash"),
               {QStringLiteral("-c"), QStringLiteral("exec -a \"$0\" sleep 30 \"$1\""),
                QStringLiteral("Z:\\games\\Sven Co-op\\svencoop.exe"),
                QString(70 * 1024, QLatin1Char('x'))});
    ASSERT_TRUE(wine.waitForStarted());
    seen = false;
    for (int i = 0; i < 100 && !seen; ++i) {
        seen = gameRunningFrom(game);
        if (!seen)
            QThread::msleep(20);
    }
    EXPECT_TRUE(seen) << "a command line of 70 KB";
    wine.kill();
    wine.waitForFinished();
#endif
}

TEST_F(CreateSpraysTest, AnInstallThatCannotFinishLeavesBothOldFilesAndTheWindowOpen) {
    const QString pl = env.scratch.write(QStringLiteral("Half-Life/tfc/pldecal.wad"), "old pl");
    env.scratch.write(QStringLiteral("Half-Life/tfc/tempdecal.wad/inside"), "a folder");
    apply({2}, 1, QStringLiteral("team.wad"));
    create();
    ASSERT_EQ(env.prompts.shown.size(), 1u);
    EXPECT_TRUE(env.prompts.shown[0].text.startsWith(
        QStringLiteral("Could not install the spray in ") + hl + SEP + QStringLiteral("tfc\r")))
        << env.prompts.shown[0].text.toStdString();
    EXPECT_EQ(readFile(pl), QByteArray("old pl")) << "the pair ends as it began";
    EXPECT_EQ(QDir(hl + SEP + QStringLiteral("tfc")).entryList(QDir::Files),
              QStringList({"pldecal.wad"}));
    EXPECT_FALSE(window->isUnloaded());
}

#ifndef Q_OS_WIN
// A mod folder shared with another user, who swaps each new file beside the sprays for a link
// to one of the player's private files while the pair is being installed.
TEST(ReplaceTogether, AFileSwappedForALinkInASharedFolderNeverReachesTheLinkedFile) {
    Scratch scratch;
    const QString mod = scratch.mkdir(QStringLiteral("Half-Life/valve"));
    ASSERT_EQ(::chmod(QFile::encodeName(mod).constData(), 02777), 0);
    const QString secret = scratch.write(QStringLiteral("private"), "the player's own");
    ASSERT_EQ(::chmod(QFile::encodeName(secret).constData(), 0600), 0);
    const QString tempdecal = joinPath(mod, QStringLiteral("tempdecal.wad"));
    scratch.write(QStringLiteral("Half-Life/valve/tempdecal.wad"), "old");
    const QStringList pair = {joinPath(mod, QStringLiteral("pldecal.wad")), tempdecal};
    QString reason;
    const OpenFolder valve = OpenFolder::open(mod, &reason);

    std::atomic<bool> stop{false};
    std::atomic<int> swaps{0};
    std::thread attacker([&] {
        const QByteArray folder = QFile::encodeName(mod);
        const QByteArray target = QFile::encodeName(secret);
        while (!stop) {
            DIR* dir = ::opendir(folder.constData());
            while (const dirent* entry = dir ? ::readdir(dir) : nullptr) {
                const QByteArray name(entry->d_name);
                if (!name.contains(".wad."))
                    continue;
                const QByteArray path = folder + '/' + name;
                if (::unlink(path.constData()) == 0 &&
                    ::symlink(target.constData(), path.constData()) == 0)
                    ++swaps;
            }
            if (dir)
                ::closedir(dir);
        }
    });
    int installed = 0;
    for (int pass = 0; pass < 300 && !HasFailure(); ++pass) {
        if (!valve
                 .replaceTogether({QStringLiteral("pldecal.wad"), QStringLiteral("tempdecal.wad")},
                                  "new spray")
                 .isEmpty())
            continue;
        ++installed;
        // Told installed: both names hold the new file itself, not a link.
        for (const QString& path : pair) {
            EXPECT_FALSE(QFileInfo(path).isSymLink()) << path.toStdString();
            EXPECT_EQ(readFile(path), QByteArray("new spray"));
        }
    }
    stop = true;
    attacker.join();
    struct stat info;
    ASSERT_EQ(::stat(QFile::encodeName(secret).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0600u) << "the private file's mode is untouched";
    EXPECT_EQ(readFile(secret), QByteArray("the player's own"));
    EXPECT_GT(swaps.load(), 0);
    EXPECT_GT(installed, 0);
}
#endif

#ifndef Q_OS_WIN
// A game folder shared with another user, who swaps the mod folder for a link to one of the
// player's private folders, back and forth in one step each, while the player installs: the
// private folder never gets a file, and its spray is never replaced.
TEST_F(CreateSpraysTest, AModFolderSwappedForALinkIsNeverInstalledThrough) {
    env.scratch.write(QStringLiteral("Half-Life/xash3d.exe"), "MZ");
    ASSERT_EQ(::chmod(QFile::encodeName(hl).constData(), 02777), 0);
    const QString secret = env.scratch.write(QStringLiteral("private/tempdecal.wad"), "mine");
    const QString link = hl + SEP + QStringLiteral("tfc.link");
    ASSERT_TRUE(QFile::link(QFileInfo(secret).absolutePath(), link));
    apply({2}, 1, QStringLiteral("team.wad"));
    std::atomic<bool> stop{false};
    std::atomic<int> swaps{0};
    std::thread other([&] {
        const QByteArray mod = QFile::encodeName(hl + SEP + QStringLiteral("tfc"));
        const QByteArray linked = QFile::encodeName(link);
        while (!stop)
            if (::renameat2(AT_FDCWD, mod.constData(), AT_FDCWD, linked.constData(),
                            RENAME_EXCHANGE) == 0)
                ++swaps;
    });
    for (int run = 0; run < 150; ++run)
        create();
    stop = true;
    other.join();
    EXPECT_GT(swaps.load(), 0);
    EXPECT_EQ(QDir(QFileInfo(secret).absolutePath())
                  .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList({"tempdecal.wad"}));
    EXPECT_EQ(readFile(secret), QByteArray("mine"));
    EXPECT_FALSE(window->isUnloaded());
}
#endif

#ifndef Q_OS_WIN
TEST_F(CreateSpraysTest, AHungCompilerIsEndedTogetherWithWhatItStarted) {
    // Long enough for the compiler to have started its child on a busy machine.
    env.services.compileTimeoutMs = 2000;
    useFakeCompiler(env, "spawn");
    apply({0}, 0, QStringLiteral("logo.bmp"));
    create();
    const QByteArray pid = readFile(env.scratch.path(QStringLiteral("program/child.pid")));
    ASSERT_FALSE(pid.isEmpty());
    // The kill is delivered asynchronously: the child is gone, or a zombie waiting for a parent
    // that reaps it, within moments.
    const QString statPath =
        QStringLiteral("/proc/") + QString::fromLatin1(pid) + QStringLiteral("/stat");
    const auto ended = [&] {
        const QByteArray stat = readFile(statPath);
        const qsizetype close = stat.lastIndexOf(')');
        return stat.isEmpty() || (close > 0 && stat.mid(close + 2, 1) == "Z");
    };
    QDeadlineTimer deadline(5000);
    while (!ended() && !deadline.hasExpired())
        QThread::msleep(5);
    EXPECT_TRUE(ended()) << readFile(statPath).constData();
    EXPECT_TRUE(env.prompts.shown.back().text.startsWith(QStringLiteral("Error compiling.")));
}
#endif

}  // namespace
