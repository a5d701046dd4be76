// Apply, Clear and Create Sprays in the main window: what each writes where, and how a spray
// that cannot be compiled or installed ends the pass and is named.

#include "helpers/createsprays.h"
#include "helpers/enginecheck.h"
#include "helpers/testenv.h"
#include "install/compiler.h"
#include "platform/files.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QThread>

#include <gtest/gtest.h>

using namespace velmira;
using namespace velmira::test;

namespace {

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
