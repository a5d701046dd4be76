// Installing where others have a hand: Xash3D's logos folder, whose pictures may be the
// player's own, and links in a game folder shared with another user, never written through.

#include "helpers/createsprays.h"
#include "helpers/testenv.h"
#include "install/held.h"
#include "platform/files.h"
#include "platform/openfolder.h"

#include <QAction>
#include <QDir>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#ifndef Q_OS_WIN
#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace velmira;
using namespace velmira::test;

namespace {

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

}  // namespace
