#include "game/folders.h"
#include "game/mods.h"
#include "helpers/testenv.h"
#include "platform/openfolder.h"
#include "ui/modlist.h"

#include <gtest/gtest.h>

#ifndef Q_OS_WIN
#include <fcntl.h>
#include <sys/stat.h>
#endif

using namespace velmira;
using namespace velmira::test;

namespace {

const QString kHlMissing = QStringLiteral("WARNING: Half-Life folder does not exist!");
const QString kSprayMissing = QStringLiteral("WARNING: Spray folder does not exist!");

class CheckDirectoriesTest : public ::testing::Test {
  protected:
    Scratch scratch;
    ScriptedPrompts prompts;
    RecordingExit exit;
    ErrorReporter errors{prompts, exit};
    QString hl = scratch.mkdir(QStringLiteral("Half-Life"));
    QString sprays = scratch.mkdir(QStringLiteral("My Sprays"));

    FolderVerdict check(const QString& h, const QString& s) {
        return CheckDirectories(h, s, prompts, errors);
    }
};

TEST_F(CheckDirectoriesTest, BothMissingWarnsForHalfLifeFirstThenSprays) {
    const FolderVerdict v =
        check(scratch.path(QStringLiteral("nohl")), scratch.path(QStringLiteral("nosprays")));
    EXPECT_FALSE(v.hlOK);
    EXPECT_FALSE(v.sprayOK);
    EXPECT_EQ(prompts.texts(), QStringList({kHlMissing, kSprayMissing}));
    for (const Message& m : prompts.shown) {
        EXPECT_EQ(m.icon, Message::Icon::Critical);
        EXPECT_EQ(m.title, QString());
        EXPECT_EQ(m.buttons, Message::Buttons::Ok);
    }
}

TEST_F(CheckDirectoriesTest, BothValidSaysNothing) {
    scratch.write(QStringLiteral("Half-Life/hl.exe"), "MZ");
    const FolderVerdict v = check(hl, sprays);
    EXPECT_TRUE(v.hlOK);
    EXPECT_TRUE(v.sprayOK);
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(CheckDirectoriesTest, WithoutTheGameTheUserMayForceTheFolder) {
    prompts.answers = {Answer::No};
    FolderVerdict v = check(hl, sprays);
    EXPECT_FALSE(v.hlOK);
    EXPECT_TRUE(v.sprayOK) << "the spray folder is still judged";
    ASSERT_EQ(prompts.shown.size(), 1u);
    const Message& q = prompts.shown[0];
    EXPECT_EQ(q.buttons, Message::Buttons::YesNo);
    EXPECT_EQ(q.icon, Message::Icon::None);
    EXPECT_EQ(
        q.text,
        QStringLiteral("WARNING: Cannot find Half-Life in that folder!\rYou might just have some "
                       "different version I don't know about.\rDo you want to force VELMR to use "
                       "the path you entered?"));
    prompts.answers = {Answer::Yes};
    v = check(hl, scratch.path(QStringLiteral("gone")));
    EXPECT_TRUE(v.hlOK);
    EXPECT_FALSE(v.sprayOK);
    EXPECT_EQ(prompts.shown.back().text, kSprayMissing);
}

// Half-Life, Sven Co-op and Xash3D FWGS keep their mods alike: each launcher makes the folder a
// game folder. On Windows only the Windows launchers count; a Linux one alone is asked about.
TEST_F(CheckDirectoriesTest, EveryGamesLauncherCountsAsTheGame) {
    const struct {
        const char* launcher;
        bool game;
        bool xash;
    } rows[] = {
        {"svencoop.exe", true, false}, {"xash3d.exe", true, true},
#ifdef Q_OS_LINUX
        {"hl_linux", true, false},     {"svencoop_linux", true, false}, {"xash3d", true, true},
#else
        {"hl_linux", false, false},    {"xash3d", false, true},
#endif
        {"hl.dll", false, false},
    };
    for (const auto& row : rows) {
        const QString folder = scratch.mkdir(QStringLiteral("game for ") + row.launcher);
        scratch.write(QStringLiteral("game for ") + row.launcher + QLatin1Char('/') + row.launcher,
                      "\x7f"
                      "ELF");
        prompts.shown.clear();
        prompts.answers = {Answer::No};
        EXPECT_EQ(check(folder, sprays).hlOK, row.game) << row.launcher;
        EXPECT_EQ(prompts.shown.size(), row.game ? 0u : 1u) << row.launcher;
        EXPECT_EQ(isXashFolder(folder), row.xash) << row.launcher;
    }
}

#ifdef Q_OS_WIN
TEST_F(CheckDirectoriesTest, WindowsPathsOfEveryShapeWorkOrAreToldClearly) {
    scratch.write(QStringLiteral("Half-Life/hl.exe"), "MZ");
    // A drive letter, and a folder of more than 260 characters.
    EXPECT_TRUE(check(hl, sprays).hlOK);
    QString deep = sprays;
    for (int i = 0; deep.size() < 300; ++i)
        deep += QStringLiteral("\\a long folder name %1").arg(i);
    ASSERT_TRUE(QDir().mkpath(deep));
    EXPECT_TRUE(check(hl, deep).sprayOK) << "past 260 characters";
    EXPECT_TRUE(prompts.shown.empty());
    // A share that is not there, and names with a trailing dot or space: a clear warning or the
    // folder itself, never a crash.
    prompts.answers = {Answer::No};
    const FolderVerdict unc = check(QStringLiteral("\\\\nosuchserver\\share\\Half-Life"), sprays);
    EXPECT_FALSE(unc.hlOK);
    ASSERT_FALSE(prompts.shown.empty());
    EXPECT_EQ(prompts.shown.front().text, kHlMissing);
    prompts.shown.clear();
    for (const QString& odd : {hl + QStringLiteral("."), hl + QStringLiteral(" ")}) {
        const FolderVerdict verdict = check(odd, sprays);
        EXPECT_TRUE(verdict.hlOK || !prompts.shown.empty()) << odd.toStdString();
        prompts.shown.clear();
    }
}
#endif

TEST_F(CheckDirectoriesTest, AFolderNamedHlExeIsNotTheGame) {
    scratch.mkdir(QStringLiteral("Half-Life/hl.exe"));
    prompts.answers = {Answer::No};
    EXPECT_FALSE(check(hl, sprays).hlOK);
    EXPECT_EQ(prompts.shown.size(), 1u);
}

TEST_F(CheckDirectoriesTest, EmptyTextsAreTheRootFolder) {
    prompts.answers = {Answer::No};
    const FolderVerdict v = check(QString(), QString());
    EXPECT_TRUE(v.sprayOK);
    EXPECT_FALSE(v.hlOK);
    EXPECT_EQ(prompts.shown.size(), 1u) << "the root exists; only the game question is asked";
}

// The mod list as a plain widget, filled by the real procedure.
class ModDiscoveryTest : public ::testing::Test {
  protected:
    TestEnv env;
    ModListWidget list;
    QString hl = env.scratch.mkdir(QStringLiteral("Half Life ünï"));

    void SetUp() override {
        list.addItem(QStringLiteral("hint 1"));
        list.addItem(QStringLiteral("hint 2"));
        list.setTag(QStringLiteral("Empty"));
        env.state.HalfLifeDir = hl;
    }
    void mod(const QString& name) {
        env.scratch.mkdir(QStringLiteral("Half Life ünï/") + name + QStringLiteral("/dlls"));
    }
    QStringList rows() const {
        QStringList out;
        for (int i = 0; i < list.count(); ++i)
            out << list.text(i);
        return out;
    }
    void listMods() { ListModDirectories(env.state, list, env.errors); }
};

TEST_F(ModDiscoveryTest, ListsModsSortedAndGivesEachRowItsEntry) {
    for (const char* name : {"valve", "cstrike", "Zeta mod", "alpha", "Beta", ".hidden"})
        mod(QString::fromUtf8(name));
    env.scratch.mkdir(QStringLiteral("Half Life ünï/nodlls/maps"));
    listMods();
    EXPECT_EQ(rows(), QStringList({".hidden", "alpha", "Beta", "cstrike", "valve", "Zeta mod"}));
    ASSERT_EQ(env.state.Mods.size(), 6);
    for (int i = 0; i < list.count(); ++i)
        EXPECT_EQ(env.state.Mods.at(i).ModFolder, list.text(i));
    EXPECT_EQ(list.tag(), QString());
}

TEST_F(ModDiscoveryTest, ExcludedNamesAreExactAndCaseSensitive) {
#ifdef Q_OS_WIN
    // Folder names differ only in case on one Windows file system: no lower-case twins here.
    for (const char* name : {"auth", "Logos", "GLDRV", "auth2", "valve"})
#else
    for (const char* name : {"logos", "gldrv", "auth", "Logos", "GLDRV", "auth2", "valve"})
#endif
        mod(QString::fromLatin1(name));
    listMods();
    EXPECT_EQ(rows(), QStringList({"auth2", "GLDRV", "Logos", "valve"}));
}

TEST_F(ModDiscoveryTest, AFileNamedDllsIsNotAModMarker) {
    env.scratch.write(QStringLiteral("Half Life ünï/fake/dlls"), "not a folder");
    mod(QStringLiteral("real"));
    listMods();
    EXPECT_EQ(rows(), QStringList({"real"}));
}

TEST_F(ModDiscoveryTest, AMissingOrEmptyFolderLeavesListAndTableAlone) {
    env.state.HalfLifeDir = env.scratch.path(QStringLiteral("nowhere"));
    listMods();
    env.state.HalfLifeDir.clear();
    listMods();
    EXPECT_EQ(rows(), QStringList({"hint 1", "hint 2"}));
    EXPECT_EQ(list.tag(), QStringLiteral("Empty"));
    EXPECT_EQ(env.state.Mods.size(), 0);
    EXPECT_TRUE(env.prompts.shown.empty());
}

TEST_F(ModDiscoveryTest, NoModAtAllEmptiesTheListAndMarksItEmpty) {
    env.scratch.mkdir(QStringLiteral("Half Life ünï/logos/dlls"));
    listMods();
    EXPECT_TRUE(rows().isEmpty());
    EXPECT_EQ(list.tag(), QStringLiteral("Empty"));
}

TEST_F(ModDiscoveryTest, MoreThanFiftyOneModsAreAllListedAndRecorded) {
    for (int i = 0; i < 120; ++i)
        mod(QStringLiteral("mod%1").arg(i, 3, 10, QLatin1Char('0')));
    listMods();
    EXPECT_EQ(list.count(), 120);
    EXPECT_EQ(env.state.Mods.size(), 120);
    EXPECT_EQ(env.state.Mods.at(119).ModFolder, QStringLiteral("mod119"));
    EXPECT_EQ(env.exit.ended, 0);
    EXPECT_TRUE(env.prompts.shown.empty());
}

TEST_F(ModDiscoveryTest, ANewListingDropsEarlierAssignments) {
    mod(QStringLiteral("valve"));
    mod(QStringLiteral("cstrike"));
    listMods();
    env.state.Mods.at(1).SprayFile = QStringLiteral("logo.bmp");
    list.setText(1, QStringLiteral("valve -- logo.bmp"));
    mod(QStringLiteral("bshift"));
    listMods();
    EXPECT_EQ(rows(), QStringList({"bshift", "cstrike", "valve"}));
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(env.state.Mods.at(i).SprayFile.isEmpty()) << i;
}

}  // namespace

namespace {

// A folder held open: files made, read and replaced only inside it, never through a link or
// anything but a plain file, and a failed replace leaves nothing behind.
TEST(OpenFolderUnit, WorksInsideTheFolderOnlyAndNeverThroughALink) {
    velmira::test::Scratch scratch;
    const QString root = scratch.mkdir(QStringLiteral("game"));
    scratch.write(QStringLiteral("game/big.png"), QByteArray(2000, 'b'));
    scratch.write(QStringLiteral("game/full/inside"), "x");
    QString reason;
    const OpenFolder folder = OpenFolder::open(root, &reason);
    ASSERT_TRUE(folder.isOpen()) << reason.toStdString();
    EXPECT_FALSE(OpenFolder::open(scratch.path(QStringLiteral("none")), &reason).isOpen());
    EXPECT_FALSE(reason.isEmpty());

    EXPECT_EQ(folder.writeNew(QStringLiteral("a.png"), "new", &reason), OpenFolder::Written::Done);
    EXPECT_EQ(folder.writeNew(QStringLiteral("a.png"), "other", &reason),
              OpenFolder::Written::Taken)
        << "never over a file";
    EXPECT_EQ(folder.readFile(QStringLiteral("a.png"), 100), std::optional<QByteArray>("new"));
    EXPECT_EQ(folder.readFile(QStringLiteral("big.png"), 1999), std::nullopt) << "too large";
    EXPECT_EQ(folder.readFile(QStringLiteral("big.png"), 2000)->size(), 2000);
    EXPECT_EQ(folder.readFile(QStringLiteral("full"), 100), std::nullopt) << "a folder";
    EXPECT_EQ(folder.kindOf(QStringLiteral("full")), OpenFolder::Kind::Folder);
    EXPECT_EQ(folder.kindOf(QStringLiteral("a.png")), OpenFolder::Kind::File);
    EXPECT_EQ(folder.kindOf(QStringLiteral("gone")), OpenFolder::Kind::Missing);
    ASSERT_TRUE(folder.replace(QStringLiteral("a.png"), "replaced", &reason))
        << reason.toStdString();
    EXPECT_EQ(folder.readFile(QStringLiteral("a.png"), 100), std::optional<QByteArray>("replaced"));
    EXPECT_FALSE(folder.replace(QStringLiteral("full"), "over a folder", &reason));
    EXPECT_FALSE(reason.isEmpty());
    EXPECT_EQ(QDir(root).entryList(QDir::Files | QDir::Hidden), QStringList({"a.png", "big.png"}))
        << "nothing staged is left";
    // Names that would leave the folder, or cut short at a NUL, are refused.
    for (const QString& name :
         {QStringLiteral("../out.png"), QStringLiteral(".."), QStringLiteral(""),
          QStringLiteral("a") + QChar(0) + QStringLiteral("b"), QString(300, QLatin1Char('a'))}) {
        EXPECT_EQ(folder.writeNew(name, "x", &reason), OpenFolder::Written::Failed)
            << name.toStdString();
        EXPECT_FALSE(folder.child(name, true, &reason).isOpen()) << name.toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(scratch.path(QStringLiteral("out.png"))));
    EXPECT_FALSE(QFileInfo::exists(root + QDir::separator() + QStringLiteral("a")));
    const OpenFolder made = folder.child(QStringLiteral("logos"), true, &reason);
    ASSERT_TRUE(made.isOpen()) << reason.toStdString();
    EXPECT_EQ(made.path(), root + QDir::separator() + QStringLiteral("logos"));
    EXPECT_TRUE(folder.child(QStringLiteral("logos"), false, &reason).isOpen()) << "again";
    EXPECT_FALSE(folder.child(QStringLiteral("missing"), false, &reason).isOpen());
    EXPECT_FALSE(folder.child(QStringLiteral("big.png"), true, &reason).isOpen());
    EXPECT_EQ(reason, QStringLiteral("it is not a folder"));
#ifndef Q_OS_WIN
    const QString elsewhere = scratch.mkdir(QStringLiteral("private"));
    scratch.write(QStringLiteral("private/secret.png"), "secret");
    ASSERT_TRUE(QFile::link(elsewhere, root + QStringLiteral("/linked")));
    ASSERT_TRUE(QFile::link(elsewhere + QStringLiteral("/secret.png"),
                            root + QStringLiteral("/secret.png")));
    // A link in a folder another user may write could be theirs: never followed. In a folder
    // only the player writes, the player made it: followed.
    const auto folderMode = [&](QFileDevice::Permissions extra) {
        QFile(root).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                   QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                                   QFileDevice::ExeGroup | extra);
    };
    folderMode(QFileDevice::WriteGroup);
    EXPECT_FALSE(folder.child(QStringLiteral("linked"), false, &reason).isOpen());
    EXPECT_TRUE(reason.contains(QStringLiteral("another user"))) << qPrintable(reason);
    folderMode({});
    const OpenFolder followed = folder.child(QStringLiteral("linked"), false, &reason);
    ASSERT_TRUE(followed.isOpen()) << qPrintable(reason);
    EXPECT_EQ(followed.readFile(QStringLiteral("secret.png"), 100), QByteArray("secret"));
    EXPECT_EQ(folder.kindOf(QStringLiteral("secret.png")), OpenFolder::Kind::Link);
    EXPECT_EQ(folder.readFile(QStringLiteral("secret.png"), 100), std::nullopt);
    EXPECT_EQ(folder.writeNew(QStringLiteral("secret.png"), "x", &reason),
              OpenFolder::Written::Taken);
    ASSERT_TRUE(folder.replace(QStringLiteral("secret.png"), "ours", &reason));
    EXPECT_EQ(folder.kindOf(QStringLiteral("secret.png")), OpenFolder::Kind::File)
        << "the link itself was replaced";
    QFile secret(elsewhere + QStringLiteral("/secret.png"));
    ASSERT_TRUE(secret.open(QIODevice::ReadOnly));
    EXPECT_EQ(secret.readAll(), QByteArray("secret")) << "nothing written where it led";
    // Setting a file's mode leaves nothing open behind, whatever the file turns out to be; a
    // folder moved from closes nothing of anyone else's (standard input stays open).
    const auto openFiles = [] { return QDir(QStringLiteral("/proc/self/fd")).count(); };
    const auto before = openFiles();
    for (bool ours : {true, false}) {
        for (int i = 0; i < 5; ++i)
            folder.setWritableIfOurs(
                QStringLiteral("a.png"), i % 2 == 0, 100, [&](const QByteArray&) { return ours; },
                &reason);
    }
    EXPECT_EQ(openFiles(), before);
    const bool input = ::fcntl(0, F_GETFD) != -1;
    {
        OpenFolder moved = OpenFolder::open(root, &reason);
        const OpenFolder taken(std::move(moved));
        OpenFolder assigned = OpenFolder::open(root, &reason);
        assigned = OpenFolder::open(root, &reason);
    }
    EXPECT_EQ(::fcntl(0, F_GETFD) != -1, input);
    EXPECT_EQ(openFiles(), before);
    ASSERT_EQ(::mkfifo(QFile::encodeName(root + QStringLiteral("/pipe.png")).constData(), 0600), 0);
    EXPECT_EQ(folder.readFile(QStringLiteral("pipe.png"), 100), std::nullopt) << "never blocks";
    EXPECT_EQ(folder.kindOf(QStringLiteral("pipe.png")), OpenFolder::Kind::Other);
#endif
}

#ifndef Q_OS_WIN
// New files take the first free name, a link counting as taken, with their mode set before they
// have a name; a set replaced together keeps or changes its write protection as asked, and
// ends all new or all as it was; nothing staged or held open is left behind.
TEST(OpenFolderUnit, NamesModesAndSetsOfFilesInsideTheFolder) {
    velmira::test::Scratch scratch;
    const QString root = scratch.mkdir(QStringLiteral("library"));
    scratch.write(QStringLiteral("library/n1.wad"), "taken");
    ASSERT_TRUE(
        QFile::link(scratch.path(QStringLiteral("nowhere")), root + QStringLiteral("/n2.wad")));
    QString reason;
    const OpenFolder folder = OpenFolder::open(root, &reason);
    const auto openFiles = [] { return QDir(QStringLiteral("/proc/self/fd")).count(); };
    const auto before = openFiles();
    const auto nameFor = [](int n) { return QStringLiteral("n%1.wad").arg(n); };
    const auto modeOf = [&](const QString& name) {
        struct stat info;
        return ::lstat(QFile::encodeName(root + QLatin1Char('/') + name).constData(), &info) == 0
                   ? info.st_mode & 07777
                   : 0u;
    };
    const mode_t mask = ::umask(077);
    int next = 0;
    EXPECT_EQ(folder.writeUnderFreeName("spray", nameFor, 1, 3, &reason, &next,
                                        QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                            QFileDevice::ReadGroup | QFileDevice::ReadOther),
              QStringLiteral("n3.wad"));
    EXPECT_EQ(next, 4);
    EXPECT_EQ(modeOf(QStringLiteral("n3.wad")), 0644u) << "as asked, whatever the mask";
    EXPECT_EQ(folder.writeUnderFreeName("spray", nameFor, 4, 1, &reason), QStringLiteral("n4.wad"));
    EXPECT_EQ(modeOf(QStringLiteral("n4.wad")), 0600u) << "as the mask leaves it";
    ::umask(mask);
    reason.clear();
    EXPECT_TRUE(folder.writeUnderFreeName("spray", nameFor, 1, 4, &reason, &next).isEmpty());
    EXPECT_EQ(reason, QStringLiteral("every name for it is taken"));
    EXPECT_EQ(next, 4) << "only a name used moves the count on";
    // A name the system refuses is a failure with its reason, not a name taken.
    reason.clear();
    EXPECT_TRUE(folder
                    .writeUnderFreeName(
                        "spray", [](int) { return QString(300, QLatin1Char('a')); }, 1, 4, &reason)
                    .isEmpty());
    EXPECT_FALSE(reason.isEmpty());
    EXPECT_NE(reason, QStringLiteral("every name for it is taken"));

    // A set of two: the read-only one stays so, or is made writable or read-only as asked.
    scratch.write(QStringLiteral("library/a.wad"), "old a");
    scratch.write(QStringLiteral("library/b.wad"), "old b");
    ::chmod(QFile::encodeName(root + QStringLiteral("/b.wad")).constData(), 0444);
    const QStringList pair{QStringLiteral("a.wad"), QStringLiteral("b.wad")};
    const struct {
        WriteProtection protection;
        mode_t a, b;
    } cases[] = {{WriteProtection::AsBefore, 0644, 0444},
                 {WriteProtection::Writable, 0644, 0644},
                 {WriteProtection::ReadOnly, 0644, 0444},
                 {WriteProtection::AsBefore, 0644, 0444}};
    for (const auto& c : cases) {
        EXPECT_EQ(folder.replaceTogether(pair, "new", {WriteProtection::AsBefore, c.protection}),
                  QString());
        EXPECT_EQ(modeOf(QStringLiteral("a.wad")), c.a);
        EXPECT_EQ(modeOf(QStringLiteral("b.wad")), c.b);
    }
    EXPECT_EQ(folder.readFile(QStringLiteral("b.wad"), 10), std::optional<QByteArray>("new"));
    // A folder at the second name: neither file changes.
    scratch.write(QStringLiteral("library/c.wad/inside"), "x");
    EXPECT_NE(folder.replaceTogether({QStringLiteral("a.wad"), QStringLiteral("c.wad")}, "newer"),
              QString());
    EXPECT_EQ(folder.readFile(QStringLiteral("a.wad"), 10), std::optional<QByteArray>("new"));

    // A plain file is renamed over another; nothing else is moved or moved over.
    EXPECT_EQ(folder.renamePlainFile(QStringLiteral("a.wad"), QStringLiteral("b.wad")), QString());
    EXPECT_EQ(folder.kindOf(QStringLiteral("a.wad")), OpenFolder::Kind::Missing);
    EXPECT_NE(folder.renamePlainFile(QStringLiteral("b.wad"), QStringLiteral("c.wad")), QString());
    EXPECT_NE(folder.renamePlainFile(QStringLiteral("n2.wad"), QStringLiteral("d.wad")), QString());
    EXPECT_EQ(folder.kindOf(QStringLiteral("b.wad")), OpenFolder::Kind::File);

    EXPECT_EQ(
        QDir(root).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot | QDir::System),
        QStringList({"b.wad", "c.wad", "n1.wad", "n2.wad", "n3.wad", "n4.wad"}))
        << "nothing staged is left";
    EXPECT_EQ(openFiles(), before);
}
#endif

}  // namespace
