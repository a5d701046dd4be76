// While the game runs from the folder: how it is seen, Create Sprays asking first, and Clear
// Cached Sprays, which moves each chosen mod's cache aside.

#include "game/running.h"
#include "helpers/createsprays.h"
#include "helpers/testenv.h"

#include <QAction>
#include <QDir>
#include <QProcess>
#include <QThread>

#include <gtest/gtest.h>

using namespace velmira;
using namespace velmira::test;

namespace {

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

}  // namespace
