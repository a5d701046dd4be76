// Installed sprays kept read-only: a read-only tempdecal.wad replaced and kept so, and the
// protection choice, which holds at once for the sprays Velmira installed and no others.

#include "helpers/createsprays.h"
#include "helpers/testenv.h"
#include "install/held.h"

#include <QAction>
#include <QDir>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace velmira;
using namespace velmira::test;

namespace {

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

}  // namespace
