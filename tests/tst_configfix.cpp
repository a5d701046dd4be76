// Turning a setting on in the files the game runs: every line against the player changed, and
// only its value; checked again as the next start and the game's own quit would run.
#include "game/gameconfig.h"
#include "game/spraycheck.h"
#include "helpers/testenv.h"
#include "platform/openfolder.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace velmira;
using namespace velmira::test;

namespace {

const QChar SEP = QDir::separator();

// Reading ------------------------------------------------------------------------------------

TEST(ConfigRead, AFolderAFileOver256KBAndAMissingFileAreToldApart) {
    Scratch scratch;
    const QString game = scratch.mkdir(QStringLiteral("game"));
    scratch.mkdir(QStringLiteral("game/mod/config.cfg"));
    QByteArray huge(10 * 1024 * 1024, ' ');
    huge.append("cl_allowupload 0\n");
    scratch.write(QStringLiteral("game/mod/autoexec.cfg"), huge);
    QString reason;
    const OpenFolder opened = OpenFolder::open(game, &reason);
    const ModConfigFolders folders(opened, QStringLiteral("mod"));
    ASSERT_TRUE(folders.isOpen());
    ConfigFiles files = folders.files();
    const ConfigRun run = runConfig(files, ConfigOrder::GoldSrcLinux);
    ASSERT_EQ(run.unread.size(), 2u);
    EXPECT_TRUE(run.unread[0]->problem.contains(QStringLiteral("not a plain file")));
    EXPECT_TRUE(run.unread[1]->problem.contains(QStringLiteral("256 KB")));
    EXPECT_EQ(files.find(QStringLiteral("userconfig.cfg")), nullptr);
    EXPECT_EQ(finalSetting(run, "cl_allowupload", "1").value, QByteArray("1"))
        << "what was refused sets nothing";
}

TEST(ConfigRead, TheSearchPathFollowsTheFallbackFolders) {
    Scratch scratch;
    const QString game = scratch.mkdir(QStringLiteral("game"));
    scratch.write(QStringLiteral("game/czero/liblist.gam"),
                  "game \"CZ\"\nfallback_dir \"cstrike\"\n");
    scratch.write(QStringLiteral("game/cstrike/liblist.gam"), "fallback_dir \"czero\"\n");
    scratch.write(QStringLiteral("game/loop/liblist.gam"), "fallback_dir \"../etc\"\n");
    QString reason;
    const OpenFolder opened = OpenFolder::open(game, &reason);
    EXPECT_EQ(modSearchPath(opened, QStringLiteral("czero")),
              QStringList({"czero", "cstrike", "valve"}))
        << "a fallback naming a folder already on the path ends it";
    EXPECT_EQ(modSearchPath(opened, QStringLiteral("loop")), QStringList({"loop", "valve"}))
        << "never a folder outside the game's";
}

TEST(ConfigRead, XashReadsUserconfigDFromTheModFolder) {
    Scratch scratch;
    const QString game = scratch.mkdir(QStringLiteral("game"));
    scratch.write(QStringLiteral("game/mod/userconfig.d/b.cfg"), "cl_allowupload 0\n");
    scratch.write(QStringLiteral("game/mod/userconfig.d/a.cfg"), "cl_allowupload 1\n");
    QString reason;
    const OpenFolder opened = OpenFolder::open(game, &reason);
    ConfigFiles files = ModConfigFolders(opened, QStringLiteral("mod")).files();
    const ConfigRun run = runConfig(files, ConfigOrder::Xash);
    const FinalSetting final = finalSetting(run, "cl_allowupload", "1");
    ASSERT_NE(final.set, nullptr);
    EXPECT_EQ(final.value, QByteArray("0"));
    EXPECT_EQ(final.set->file->shownName(), QStringLiteral("mod/userconfig.d/b.cfg"));
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
        QFile file(game + SEP + name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
    }
    QByteArray readMod(const QString& name) const {
        return read(QStringLiteral("cstrike/") + name);
    }
    void write(const QString& name, const QByteArray& bytes) {
        scratch.write(QStringLiteral("game/") + name, bytes);
    }
};

TEST_F(ConfigFixTest, OnlyTheOneValueChangesAndTheFileAsItWasIsKept) {
    // Windows line ends, a byte outside ASCII, the setting quoted and among other commands.
    const QByteArray before =
        "// written by the game\r\nname \"Pl\xe4yer\"\r\nbind \"t\" \"impulse 201\"; "
        "cl_allowupload \"0\"; echo x\r\ncl_allowdownload \"1\"\r\n";
    write(QStringLiteral("cstrike/config.cfg"), before);
    const ConfigChange change =
        turnSettingOn(game, QStringLiteral("cstrike"), "cl_allowupload", gameRunning);
    EXPECT_TRUE(change.changed) << qPrintable(change.text);
    EXPECT_TRUE(change.holds) << qPrintable(change.text);
    QByteArray expected = before;
    expected.replace("cl_allowupload \"0\"", "cl_allowupload \"1\"");
    EXPECT_EQ(readMod(QStringLiteral("config.cfg")), expected);
    EXPECT_EQ(readMod(QStringLiteral("config.cfg.velmira-backup")), before);
    EXPECT_EQ(change.places, QStringList{QStringLiteral("cstrike/config.cfg line 3")});
    EXPECT_TRUE(change.text.contains(QStringLiteral("config.cfg.velmira-backup")));
}

// The saved config.cfg of a quit and an autoexec.cfg both turning it off: changing only the
// last would be undone by the Windows client's second run of config.cfg.
TEST_F(ConfigFixTest, EveryLineAgainstThePlayerIsChangedAndTheResultHoldsAtEveryStart) {
    write(QStringLiteral("valve/valve.rc"), "exec config.cfg\nexec autoexec.cfg\n");
    write(QStringLiteral("cstrike/config.cfg"), "cl_allowupload \"0\"\nexec userconfig.cfg\n");
    write(QStringLiteral("cstrike/autoexec.cfg"), "exec net.cfg\nfps_max 100");
    write(QStringLiteral("cstrike/net.cfg"), "cl_allowupload:0\n");
    write(QStringLiteral("valve/userconfig.cfg"), "cl_allowupload 0.0 // no\n");
    const ConfigChange change =
        turnSettingOn(game, QStringLiteral("cstrike"), "cl_allowupload", gameRunning);
    EXPECT_TRUE(change.changed && change.holds) << qPrintable(change.text);
    EXPECT_EQ(readMod(QStringLiteral("config.cfg")),
              QByteArray("cl_allowupload \"1\"\nexec userconfig.cfg\n"));
    EXPECT_EQ(readMod(QStringLiteral("net.cfg")), QByteArray("cl_allowupload 1 0\n"))
        << "':' was the value; the new one stands apart as a word";
    EXPECT_EQ(read(QStringLiteral("valve/userconfig.cfg")), QByteArray("cl_allowupload 1 // no\n"))
        << "the file the mod runs from valve, where it has none of its own";
    EXPECT_EQ(read(QStringLiteral("valve/userconfig.cfg.velmira-backup")),
              QByteArray("cl_allowupload 0.0 // no\n"));
    EXPECT_EQ(readMod(QStringLiteral("autoexec.cfg")), QByteArray("exec net.cfg\nfps_max 100"));
    EXPECT_EQ(change.places.size(), 3) << qPrintable(change.places.join(", "));
    // Run again as the next start of either client, and after the game's quit, would.
    QString reason;
    const OpenFolder opened = OpenFolder::open(game, &reason);
    QString why;
    EXPECT_TRUE(settingHolds(ModConfigFolders(opened, QStringLiteral("cstrike")),
                             WantedSetting{"cl_allowupload", "1", "1"}, ordersOf(false), &why))
        << qPrintable(why);
}

TEST_F(ConfigFixTest, AValueTheEngineReadsAsOnIsLeftAloneAndAnOffOneIsNot) {
    write(QStringLiteral("cstrike/config.cfg"), "cl_allowupload +1\ncl_allowdownload nan\n");
    EXPECT_FALSE(
        turnSettingOn(game, QStringLiteral("cstrike"), "cl_allowupload", gameRunning).changed);
    EXPECT_FALSE(
        turnSettingOn(game, QStringLiteral("cstrike"), "cl_allowdownload", gameRunning).changed);
    // Xash3D reads no number in "+1".
    const ConfigChange xash = applySettingFix(SprayFix::TurnUploadsOn, game,
                                              QStringLiteral("cstrike"), true, gameRunning);
    EXPECT_TRUE(xash.changed && xash.holds) << qPrintable(xash.text);
    EXPECT_EQ(readMod(QStringLiteral("config.cfg")),
              QByteArray("cl_allowupload 1\ncl_allowdownload nan\n"));
}

TEST_F(ConfigFixTest, DownloadsAndDecalsTurnOnEverySettingTheyNeed) {
    write(QStringLiteral("cstrike/config.cfg"),
          "cl_download_ingame \"0\"\nmp_decals \"0\"\nr_decals 0.5\n");
    ConfigChange change = applySettingFix(SprayFix::TurnDownloadsOn, game,
                                          QStringLiteral("cstrike"), false, gameRunning);
    EXPECT_TRUE(change.changed && change.holds) << qPrintable(change.text);
    change = applySettingFix(SprayFix::TurnDecalsOn, game, QStringLiteral("cstrike"), false,
                             gameRunning);
    EXPECT_TRUE(change.changed && change.holds) << qPrintable(change.text);
    EXPECT_EQ(readMod(QStringLiteral("config.cfg")),
              QByteArray("cl_download_ingame \"1\"\nmp_decals \"300\"\nr_decals 4096\n"))
        << "a count below 1 draws no decal: it goes back to the game's own number";
    change = applySettingFix(SprayFix::TurnDecalsOn, game, QStringLiteral("cstrike"), false,
                             gameRunning);
    EXPECT_FALSE(change.changed);
    EXPECT_TRUE(change.alreadyOn);
}

TEST_F(ConfigFixTest, RefusedWhileTheGameRunsAndNothingToDoWhenOn) {
    write(QStringLiteral("cstrike/config.cfg"), "cl_allowupload 0\n");
    running = true;
    ConfigChange change =
        turnSettingOn(game, QStringLiteral("cstrike"), "cl_allowupload", gameRunning);
    EXPECT_FALSE(change.changed);
    EXPECT_TRUE(change.text.startsWith(QStringLiteral("Quit the game first")));
    EXPECT_EQ(readMod(QStringLiteral("config.cfg")), QByteArray("cl_allowupload 0\n"));
    EXPECT_EQ(readMod(QStringLiteral("config.cfg.velmira-backup")), QByteArray("(none)"));
    running = false;
    EXPECT_TRUE(
        turnSettingOn(game, QStringLiteral("cstrike"), "cl_allowupload", gameRunning).changed);
    change = turnSettingOn(game, QStringLiteral("cstrike"), "cl_allowupload", gameRunning);
    EXPECT_FALSE(change.changed) << "already on";
    EXPECT_EQ(readMod(QStringLiteral("config.cfg.velmira-backup")),
              QByteArray("cl_allowupload 0\n"))
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

}  // namespace
