#include "game/steam.h"
#include "helpers/testenv.h"
#include "ui/locationsdialog.h"
#include "ui/mainwindow.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSettings>

#include <gtest/gtest.h>

using namespace velmira;
using namespace velmira::test;

namespace {

QByteArray fixture(const char* name) {
    QFile file(QStringLiteral(VELMIRA_SOURCE_DIR "/tests/fixtures/vdf/") + QLatin1String(name));
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

TEST(SteamLibraryList, ReadsTodaysAndTheOlderFormat) {
    EXPECT_EQ(parseLibraryFolders(fixture("libraryfolders.vdf")),
              QStringList({"/home/player/.local/share/Steam", "D:\\SteamLibrary"}));
    EXPECT_EQ(parseLibraryFolders(fixture("old_format.vdf")), QStringList({"E:\\Games\\Steam"}))
        << "numbered values of the outer block; other keys are passed over";
    EXPECT_EQ(parseLibraryFolders("// x \"path\" \"/c\"\n{ \"path\" \"/a \\\"b\\\"\" }"),
              QStringList({"/a \"b\""}))
        << "a comment is passed over; escapes are read";
    EXPECT_EQ(parseLibraryFolders("{ \"path\" \"C:\\\\Games\\\\Steam\" }"),
              QStringList({"C:\\Games\\Steam"}))
        << "a doubled backslash is one";
    EXPECT_EQ(parseLibraryFolders("libraryfolders { 0 { path /bare/path } }"),
              QStringList({"/bare/path"}))
        << "unquoted words";
    EXPECT_TRUE(parseLibraryFolders("\"libraryfolders\" { \"0\" { \"path\"").isEmpty());
    EXPECT_TRUE(parseLibraryFolders("}}}{{\"path\"{\"x\"}").isEmpty());
    EXPECT_EQ(parseLibraryFolders("{ \"path\" \"/a\" } /"), QStringList({"/a"}))
        << "a lone slash at the very end";
}

TEST(SteamLibraryList, SurvivesEveryTruncationAndByteFlip) {
    const QByteArray good = fixture("libraryfolders.vdf");
    for (qsizetype cut = 0; cut < good.size(); ++cut)
        (void)parseLibraryFolders(good.left(cut));
    for (qsizetype at = 0; at < good.size(); at += 3) {
        QByteArray bad = good;
        bad[at] = static_cast<char>(bad[at] ^ 0xa5);
        (void)parseLibraryFolders(bad);
    }
}

// A scratch home with Steam laid out in it.
class SteamHomeTest : public ::testing::Test {
  protected:
    Scratch home;
    QString steam = home.mkdir(QStringLiteral(".local/share/Steam/steamapps"));
    QString library = home.mkdir(QStringLiteral("Games/SteamLibrary/steamapps/common/Half-Life"));

    void listLibraries(const QString& root, const QStringList& folders) {
        QByteArray vdf = "\"libraryfolders\"\n{\n";
        for (int i = 0; i < folders.size(); ++i)
            vdf += "\t\"" + QByteArray::number(i) + "\"\n\t{\n\t\t\"path\"\t\t\"" +
                   QString(folders[i]).replace(QLatin1Char('\\'), QStringLiteral("\\\\")).toUtf8() +
                   "\"\n\t}\n";
        vdf += "}\n";
        home.write(QDir(home.path()).relativeFilePath(root) +
                       QStringLiteral("/steamapps/libraryfolders.vdf"),
                   vdf);
    }
    void installGame(const QString& folder) {
        home.write(QDir(home.path()).relativeFilePath(folder) + QStringLiteral("/hl.exe"), "MZ");
    }
};

TEST_F(SteamHomeTest, FindsTheGameInALibraryTheListNames) {
    const QString root = home.path(QStringLiteral(".local/share/Steam"));
    const QStringList roots{home.path(QStringLiteral(".steam/steam")), root};
    EXPECT_EQ(findSteamHalfLife(roots), QString()) << "no game yet";
    listLibraries(root, {root, home.path(QStringLiteral("Games/SteamLibrary"))});
    EXPECT_EQ(findSteamHalfLife(roots), QString()) << "a folder without the game";
    installGame(library);
    EXPECT_EQ(findSteamHalfLife(roots), library);
    // The Steam folder's own library comes first.
    const QString own = home.mkdir(QStringLiteral(".local/share/Steam/steamapps/common/Half-Life"));
    installGame(own);
    EXPECT_EQ(findSteamHalfLife(roots), own);
    // Sven Co-op is found after Half-Life, by its own launcher.
    const QString sven =
        home.mkdir(QStringLiteral("Games/SteamLibrary/steamapps/common/Sven Co-op"));
    EXPECT_EQ(findSteamGames(roots), QStringList({own}));
    home.write(QStringLiteral("Games/SteamLibrary/steamapps/common/Sven Co-op/svencoop.exe"), "MZ");
    EXPECT_EQ(findSteamGames(roots), QStringList({own, sven}));
    // Without Half-Life, Sven Co-op is a game found, never Half-Life.
    QFile::remove(own + QStringLiteral("/hl.exe"));
    QFile::remove(library + QStringLiteral("/hl.exe"));
    EXPECT_EQ(findSteamGames(roots), QStringList({sven}));
    EXPECT_EQ(findSteamHalfLife(roots), QString());
}

TEST_F(SteamHomeTest, AMissingOrUnreadableSteamFolderIsNoResult) {
    EXPECT_EQ(findSteamHalfLife({home.path(QStringLiteral("nowhere"))}), QString());
    const QString root = home.path(QStringLiteral(".local/share/Steam"));
    home.mkdir(QStringLiteral(".local/share/Steam/steamapps/libraryfolders.vdf"));  // a folder
    installGame(library);
    EXPECT_EQ(findSteamHalfLife({root}), QString());
}

#ifdef Q_OS_WIN
TEST(SteamRoots, OnWindowsAreTheClientsRecordedFolderThenItsUsualOne) {
    QSettings steam(QStringLiteral("HKEY_CURRENT_USER\\Software\\Valve\\Steam"),
                    QSettings::NativeFormat);
    const QVariant saved = steam.value(QStringLiteral("SteamPath"));
    steam.setValue(QStringLiteral("SteamPath"), QStringLiteral("d:/games/steam"));
    steam.sync();
    EXPECT_EQ(steamRoots(QString()),
              QStringList({"d:\\games\\steam", "C:\\Program Files (x86)\\Steam"}));
    if (saved.isValid())
        steam.setValue(QStringLiteral("SteamPath"), saved);
    else
        steam.remove(QStringLiteral("SteamPath"));
}
#else
TEST_F(SteamHomeTest, LooksInEveryPlaceSteamIsInstalledOnLinux) {
    EXPECT_EQ(steamRoots(home.path()),
              QStringList(
                  {home.path(QStringLiteral(".steam/steam")),
                   home.path(QStringLiteral(".local/share/Steam")),
                   home.path(QStringLiteral(".var/app/com.valvesoftware.Steam/.local/share/Steam")),
                   home.path(QStringLiteral(".var/app/com.valvesoftware.Steam/data/Steam"))}));
    const QString flatpak =
        home.mkdir(QStringLiteral(".var/app/com.valvesoftware.Steam/.local/share/Steam/steamapps/"
                                  "common/Half-Life"));
    installGame(flatpak);
    EXPECT_EQ(findSteamHalfLife(steamRoots(home.path())), flatpak);
}
#endif

TEST_F(SteamHomeTest, TheFoundGameIsUsedButNotStoredAndAStoredFolderWins) {
    installGame(library);
    home.mkdir(QStringLiteral("Games/SteamLibrary/steamapps/common/Half-Life/valve/dlls"));
    listLibraries(home.path(QStringLiteral(".local/share/Steam")),
                  {home.path(QStringLiteral("Games/SteamLibrary"))});
    TestEnv env;
    env.services.steamRoots = {home.path(QStringLiteral(".local/share/Steam"))};
    {
        MainWindow window(env.state, env.services, env.windows);
        window.Form_Load();
        EXPECT_EQ(env.state.HalfLifeDir, library);
        EXPECT_EQ(window.controls().mods.text(0), QStringLiteral("valve"));
        EXPECT_EQ(env.settings.read(QStringLiteral("File Locations"), QStringLiteral("HLDir"),
                                    QStringLiteral("<absent>")),
                  QStringLiteral("<absent>"))
            << "nothing is written behind the player's back";
    }
    const QString mine = env.scratch.mkdir(QStringLiteral("My Half-Life"));
    env.settings.write(QStringLiteral("File Locations"), QStringLiteral("HLDir"), mine);
    MainWindow again(env.state, env.services, env.windows);
    again.Form_Load();
    EXPECT_EQ(env.state.HalfLifeDir, mine);
    // With Sven Co-op found too, File Locations offers both; a choice fills the field only.
    {
        LocationsDialog one(env.state, again.controls(), env.services, env.windows, &again);
        EXPECT_EQ(one.findChild<QComboBox*>(QStringLiteral("cboFoundGames")), nullptr)
            << "one game found: nothing to choose";
    }
    const QString sven =
        home.mkdir(QStringLiteral("Games/SteamLibrary/steamapps/common/Sven Co-op"));
    home.write(QStringLiteral("Games/SteamLibrary/steamapps/common/Sven Co-op/svencoop_linux"), "");
    home.write(QStringLiteral("Games/SteamLibrary/steamapps/common/Sven Co-op/svencoop.exe"), "MZ");
    LocationsDialog dialog(env.state, again.controls(), env.services, env.windows, &again);
    auto* found = dialog.findChild<QComboBox*>(QStringLiteral("cboFoundGames"));
    ASSERT_NE(found, nullptr);
    ASSERT_EQ(found->count(), 3);
    EXPECT_EQ(found->currentText(), QStringLiteral("Found in Steam\u2026")) << "a hint first";
    EXPECT_EQ(found->itemText(2), sven);
    found->setCurrentIndex(2);
    emit found->activated(2);
    EXPECT_EQ(dialog.findChild<QLineEdit*>(QStringLiteral("txtHLDir"))->text(), sven);
    EXPECT_EQ(
        env.settings.read(QStringLiteral("File Locations"), QStringLiteral("HLDir"), QString()),
        mine)
        << "nothing stored before OK";
}

}  // namespace
