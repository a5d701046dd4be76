// The player's files as they were: modes kept, a file another program is writing never torn,
// the player's own links followed and nobody else's.
#include "game/gameconfig.h"
#include "game/spraycheck.h"
#include "helpers/testenv.h"
#include "picture/readfile.h"
#include "platform/openfolder.h"

#include <QFile>
#include <QFileInfo>

#include <atomic>
#include <chrono>
#include <thread>

#ifndef Q_OS_WIN
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <gtest/gtest.h>

using namespace velmira;
using namespace velmira::test;

namespace {

const QString SEP = QDir::separator();

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

class PlayersFilesTest : public ::testing::Test {
  protected:
    Scratch scratch;
    QString game = scratch.mkdir(QStringLiteral("game"));
    QString mod = scratch.mkdir(QStringLiteral("game/cstrike"));
    QString config = mod + SEP + QStringLiteral("config.cfg");
    std::function<bool()> notRunning = [] { return false; };

    ConfigChange fix(const ConfigEditTiming& timing = {std::chrono::milliseconds(20), 3}) {
        return turnSettingOn(game, QStringLiteral("cstrike"), "cl_allowupload", notRunning, timing);
    }
};

}  // namespace

// Only the characters of the value change: its quotes, the blanks inside them, the line end
// (an unclosed quote's CR too) and every other byte stay.
TEST_F(PlayersFilesTest, AFixChangesOnlyTheValuesCharacters) {
    const std::pair<QByteArray, QByteArray> cases[] = {
        {"cl_allowupload 0.0//off\n", "cl_allowupload 1//off\n"},
        {"cl_allowupload no\n", "cl_allowupload 1\n"},
        {"cl_allowupload \"0\r\n", "cl_allowupload \"1\r\n"},
        {"cl_allowupload \" 0.0\"\r\n", "cl_allowupload \" 1\"\r\n"},
        {"cl_allowupload \"off \"\n", "cl_allowupload \"1 \"\n"},
        {"cl_allowupload \"\"\n", "cl_allowupload \"1\"\n"},
        {QByteArray("cl_allowupload 0\n\0junk\n", 23),
         QByteArray("cl_allowupload 1\n\0junk\n", 23)},
    };
    for (const auto& [before, after] : cases) {
        scratch.write(QStringLiteral("game/cstrike/config.cfg"), before);
        EXPECT_TRUE(fix().changed) << before.toStdString();
        EXPECT_EQ(readAll(config), after) << before.toStdString();
    }
}

#ifndef Q_OS_WIN
namespace {
mode_t modeOf(const QString& path) {
    struct stat info;
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & 07777 : 0;
}
void setMode(const QString& path, mode_t mode) {
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), mode), 0);
}
}  // namespace

// A private config stays private, a read-only one read-only, and the copy kept beside it is no
// more open than it.
TEST_F(PlayersFilesTest, TheFixedFileAndItsCopyKeepThePlayersMode) {
    for (const mode_t mode : {mode_t{0600}, mode_t{0640}, mode_t{0444}, mode_t{0664}}) {
        scratch.write(QStringLiteral("game/cstrike/config.cfg"),
                      "rcon_password \"secret\"\ncl_allowupload \"0\"\n");
        setMode(config, mode);
        const ConfigChange change = fix();
        EXPECT_TRUE(change.changed) << qPrintable(change.text);
        EXPECT_EQ(modeOf(config), mode) << std::oct << mode;
        EXPECT_EQ(modeOf(config + QStringLiteral(".velmira-backup")), mode) << std::oct << mode;
        EXPECT_EQ(readAll(config), QByteArray("rcon_password \"secret\"\ncl_allowupload \"1\"\n"));
        setMode(config, 0644);
    }
}

TEST_F(PlayersFilesTest, TheDoorKeepsModesAndAPictureMadeReadOnlyStays) {
    QString reason;
    const OpenFolder folder = OpenFolder::open(mod, &reason);
    const QString picture = scratch.write(QStringLiteral("game/cstrike/seen.png"), "old");
    for (const mode_t mode : {mode_t{0600}, mode_t{0640}, mode_t{0755}}) {
        setMode(picture, mode);
        ASSERT_TRUE(folder.replace(QStringLiteral("seen.png"), "new", &reason,
                                   OpenFolder::ReadOnlyFile::Refuse))
            << qPrintable(reason);
        EXPECT_EQ(modeOf(picture), mode) << std::oct << mode;
    }
    setMode(picture, 0444);
    EXPECT_FALSE(folder.replace(QStringLiteral("seen.png"), "newer", &reason,
                                OpenFolder::ReadOnlyFile::Refuse));
    EXPECT_TRUE(reason.contains(QStringLiteral("read-only"))) << qPrintable(reason);
    EXPECT_EQ(readAll(picture), QByteArray("new"));
    // A copy of a file that cannot be looked at is the owner's only.
    ASSERT_TRUE(
        folder.keepCopy(QStringLiteral("gone.cfg"), QStringLiteral("gone.cfg.copy"), "x", &reason));
    EXPECT_EQ(modeOf(mod + SEP + QStringLiteral("gone.cfg.copy")), mode_t{0600});
}

// The compiler's work folder goes with everything in it, but never through a link inside it.
TEST_F(PlayersFilesTest, AFolderIsRemovedWithoutFollowingALinkInside) {
    const QString kept = scratch.write(QStringLiteral("players/keep.txt"), "keep");
    scratch.write(QStringLiteral("game/work/deep/er/file"), "x");
    ASSERT_TRUE(QFile::link(scratch.path(QStringLiteral("players")),
                            game + QStringLiteral("/work/deep/link")));
    QString reason;
    EXPECT_EQ(OpenFolder::open(game, &reason).removeFolder(QStringLiteral("work")), QString());
    EXPECT_FALSE(QFileInfo::exists(game + QStringLiteral("/work")));
    EXPECT_EQ(readAll(kept), QByteArray("keep"));
    ASSERT_TRUE(
        QFile::link(scratch.path(QStringLiteral("players")), game + QStringLiteral("/work")));
    EXPECT_NE(OpenFolder::open(game, &reason).removeFolder(QStringLiteral("work")), QString());
    EXPECT_EQ(readAll(kept), QByteArray("keep"));
}

namespace {
// Another program rewriting config.cfg in place, by its name, as the game and editors do:
// truncate, the first `head` lines, a pause, the rest. After each round it tells whether the
// name still led to the file it wrote (if not, what it wrote after the replace is lost).
class InPlaceWriter {
  public:
    InPlaceWriter(const QString& path, std::chrono::microseconds pause,
                  std::chrono::microseconds between)
        : m_path(QFile::encodeName(path)), m_thread([this, pause, between] {
              while (!m_stop) {
                  round(pause);
                  std::this_thread::sleep_for(between);
              }
          }) {}
    ~InPlaceWriter() { stop(); }
    void stop() {
        m_stop = true;
        if (m_thread.joinable())
            m_thread.join();
    }
    static QByteArray lines(int from, int to) {
        QByteArray text;
        for (int n = from; n < to; ++n)
            text += n == 0 ? QByteArray("cl_allowupload 0\n")
                           : QByteArrayLiteral("bind \"") + QByteArray::number(n) + "\" \"x\"\n";
        return text;
    }
    int torn() const { return m_torn; }
    int rounds() const { return m_rounds; }

  private:
    void round(std::chrono::microseconds pause) {
        const int fd = ::open(m_path.constData(), O_WRONLY | O_TRUNC | O_CLOEXEC);
        if (fd < 0)
            return;
        const QByteArray head = lines(0, 40);
        const QByteArray rest = lines(40, 200);
        bool whole = ::write(fd, head.constData(), static_cast<size_t>(head.size())) == head.size();
        if (pause.count() > 0)
            std::this_thread::sleep_for(pause);
        whole =
            whole && ::write(fd, rest.constData(), static_cast<size_t>(rest.size())) == rest.size();
        struct stat mine, named;
        if (!whole || ::fstat(fd, &mine) != 0 || ::stat(m_path.constData(), &named) != 0 ||
            mine.st_ino != named.st_ino)
            ++m_torn;
        ::close(fd);
        ++m_rounds;
    }

    QByteArray m_path;
    std::atomic<bool> m_stop{false};
    std::atomic<int> m_torn{0};
    std::atomic<int> m_rounds{0};
    std::thread m_thread;
};
}  // namespace

// A slow writer (a pause of 50 ms inside each rewrite): the fix waits for the file to stay as it
// read it, and refuses with a plain reason while it never does; nothing it writes is lost.
TEST_F(PlayersFilesTest, AFileAnotherProgramIsWritingSlowlyIsNeverReplacedUnderIt) {
    scratch.write(QStringLiteral("game/cstrike/config.cfg"), InPlaceWriter::lines(0, 200));
    InPlaceWriter writer(config, std::chrono::milliseconds(50), std::chrono::milliseconds(1));
    for (int i = 0; i < 3; ++i) {
        const ConfigChange change = fix({std::chrono::milliseconds(120), 3});
        EXPECT_FALSE(change.changed);
        EXPECT_EQ(change.text,
                  QStringLiteral("Another program is writing cstrike/config.cfg; try again "
                                 "when it has finished."));
    }
    writer.stop();
    EXPECT_EQ(writer.torn(), 0);
    EXPECT_EQ(readAll(config), InPlaceWriter::lines(0, 200));
    EXPECT_TRUE(fix().changed) << "once it has finished";
    EXPECT_EQ(readAll(config).count('\n'), 200);
}

// A writer rewriting the file every millisecond, over a thousand fixes.
TEST_F(PlayersFilesTest, AFileRewrittenEveryMillisecondIsNeverTorn) {
    scratch.write(QStringLiteral("game/cstrike/config.cfg"), InPlaceWriter::lines(0, 200));
    InPlaceWriter writer(config, std::chrono::microseconds(0), std::chrono::milliseconds(1));
    int refused = 0;
    for (int i = 0; i < 1000; ++i)
        refused += fix({std::chrono::milliseconds(5), 1}).changed ? 0 : 1;
    writer.stop();
    EXPECT_GT(writer.rounds(), 100);
    EXPECT_EQ(writer.torn(), 0) << "fixes refused: " << refused;
    EXPECT_EQ(readAll(config).count('\n'), 200);
}

// The player's own links, and nobody else's ----------------------------------------------------

namespace {
// A mod kept on another disk, linked into the game folder by the player.
class LinkedModTest : public PlayersFilesTest {
  protected:
    QString disk = scratch.mkdir(QStringLiteral("disk/mymod"));
    QString link = game + SEP + QStringLiteral("mymod");
    void SetUp() override {
        ASSERT_TRUE(QFile::link(disk, link));
        scratch.write(QStringLiteral("disk/mymod/config.cfg"), "cl_allowupload 0\n");
    }
    OpenFolder openMod(QString* reason) const {
        return OpenFolder::open(game, reason).child(QStringLiteral("mymod"), false, reason);
    }
};
}  // namespace

TEST_F(LinkedModTest, ThePlayersOwnLinkIsFollowed) {
    QString reason;
    const OpenFolder folder = openMod(&reason);
    ASSERT_TRUE(folder.isOpen()) << qPrintable(reason);
    EXPECT_EQ(folder.writeNew(QStringLiteral("tempdecal.wad"), "spray", &reason),
              OpenFolder::Written::Done);
    EXPECT_EQ(readAll(disk + SEP + QStringLiteral("tempdecal.wad")), QByteArray("spray"));
    EXPECT_TRUE(turnSettingOn(game, QStringLiteral("mymod"), "cl_allowupload", notRunning,
                              {std::chrono::milliseconds(1), 1})
                    .changed);
    EXPECT_EQ(readAll(disk + SEP + QStringLiteral("config.cfg")), QByteArray("cl_allowupload 1\n"));
    const ModSprayCheck check =
        checkModSprays(SprayCheckInput{game, QStringLiteral("mymod"), {}, {}, false, {}});
    EXPECT_NE(check.cell(SprayCheck::Upload).state, SprayCheckCell::State::Problem)
        << qPrintable(check.cell(SprayCheck::Upload).text);
    // A link to a file is no folder, whoever made it.
    scratch.write(QStringLiteral("disk/file"), "x");
    ASSERT_TRUE(QFile::link(scratch.path(QStringLiteral("disk/file")), game + SEP + "filelink"));
    EXPECT_FALSE(
        OpenFolder::open(game, &reason).child(QStringLiteral("filelink"), false, &reason).isOpen());
    EXPECT_EQ(reason, QStringLiteral("it is a link, not a folder"));
}

// Where another user may write (a shared game folder, a folder on the way), or when the link is
// another user's, the link is refused with the reason; so is a link of the player's that leads
// through another's.
TEST_F(LinkedModTest, ALinkAnotherUserCouldHavePutThereIsRefused) {
    const QString foreign = QStringLiteral("another user could have put there");
    QString reason;
    setMode(game, 0775);
    EXPECT_FALSE(openMod(&reason).isOpen());
    EXPECT_TRUE(reason.contains(foreign)) << qPrintable(reason);
    EXPECT_FALSE(OpenFolder::pathIsPlayers(link, &reason));
    const ConfigChange change = turnSettingOn(game, QStringLiteral("mymod"), "cl_allowupload",
                                              notRunning, {std::chrono::milliseconds(1), 1});
    EXPECT_FALSE(change.changed);
    EXPECT_TRUE(change.text.contains(foreign)) << qPrintable(change.text);
    const ModSprayCheck check =
        checkModSprays(SprayCheckInput{game, QStringLiteral("mymod"), {}, {}, false, {}});
    EXPECT_EQ(check.cell(SprayCheck::Upload).state, SprayCheckCell::State::Problem);
    EXPECT_TRUE(check.cell(SprayCheck::Upload).detail.contains(foreign) ||
                check.cell(SprayCheck::Upload).sentence.contains(foreign))
        << qPrintable(check.cell(SprayCheck::Upload).text);
    setMode(game, 01777);  // sticky: nobody else can rename or remove the player's link
    EXPECT_TRUE(openMod(&reason).isOpen()) << qPrintable(reason);
    setMode(game, 0755);

    // The player's link leads through a link in a folder others may write.
    const QString shared = scratch.mkdir(QStringLiteral("shared"));
    const QString elsewhere = scratch.mkdir(QStringLiteral("elsewhere"));
    ASSERT_TRUE(QFile::link(elsewhere, shared + QStringLiteral("/hop")));
    setMode(shared, 0777);
    ASSERT_TRUE(QFile::link(shared + QStringLiteral("/hop"), game + QStringLiteral("/viahop")));
    EXPECT_FALSE(
        OpenFolder::open(game, &reason).child(QStringLiteral("viahop"), false, &reason).isOpen());
    EXPECT_TRUE(reason.contains(foreign)) << qPrintable(reason);

    // Another user's link in a folder of the player's (only the system can make one).
    if (::geteuid() == 0) {
        ASSERT_EQ(::lchown(QFile::encodeName(link).constData(), 4242, 4242), 0);
        EXPECT_FALSE(openMod(&reason).isOpen());
        EXPECT_TRUE(reason.contains(foreign)) << qPrintable(reason);
    }
}

// A config.cfg that is a link: the player's own is read through (its "0" counts) but not
// replaced, which would break the player's link; another user's is not read at all, and neither
// is said to be on.
TEST_F(LinkedModTest, AConfigThatIsALinkIsReadOnlyWhenThePlayersAndNeverReplaced) {
    const QString shared = scratch.write(QStringLiteral("kept/config.cfg"), "cl_allowupload 0\n");
    const QString modConfig = disk + SEP + QStringLiteral("config.cfg");
    QFile::remove(modConfig);
    ASSERT_TRUE(QFile::link(shared, modConfig));
    const auto upload = [&] {
        return checkModSprays(SprayCheckInput{game, QStringLiteral("mymod"), {}, {}, false, {}})
            .cell(SprayCheck::Upload);
    };
    EXPECT_TRUE(upload().sentence.contains(QStringLiteral("config.cfg line 1")))
        << qPrintable(upload().sentence);
    ConfigChange change = turnSettingOn(game, QStringLiteral("mymod"), "cl_allowupload", notRunning,
                                        {std::chrono::milliseconds(1), 1});
    EXPECT_FALSE(change.changed);
    EXPECT_TRUE(change.text.contains(QStringLiteral("is a link"))) << qPrintable(change.text);
    EXPECT_EQ(QFileInfo(modConfig).isSymLink(), true);
    EXPECT_EQ(readAll(shared), QByteArray("cl_allowupload 0\n"));
    setMode(disk, 0777);
    change = turnSettingOn(game, QStringLiteral("mymod"), "cl_allowupload", notRunning,
                           {std::chrono::milliseconds(1), 1});
    EXPECT_FALSE(change.changed);
    EXPECT_TRUE(change.text.contains(QStringLiteral("another user could have put there")))
        << qPrintable(change.text);
    EXPECT_EQ(upload().state, SprayCheckCell::State::Problem);
    EXPECT_FALSE(upload().sentence.contains(QStringLiteral("line 1")))
        << qPrintable(upload().sentence);
    setMode(disk, 0755);
}

// In a shared library another user's link is no category, and a picture behind another user's
// link is not read; the player's own are.
TEST_F(LinkedModTest, TheLibraryTakesOnlyThePlayersOwnLinks) {
    const QString library = scratch.mkdir(QStringLiteral("Sprays"));
    const QString picture = scratch.write(QStringLiteral("private/me.png"), "private");
    ASSERT_TRUE(QFile::link(scratch.path(QStringLiteral("private")), library + "/Linked"));
    ASSERT_TRUE(QFile::link(picture, library + QStringLiteral("/me.png")));
    QString reason;
    EXPECT_TRUE(OpenFolder::pathIsPlayers(library + QStringLiteral("/Linked"), &reason));
    EXPECT_TRUE(OpenFolder::openLast(library + QStringLiteral("/Linked"), &reason).isOpen());
    EXPECT_TRUE(OpenFolder::openLast(QStringLiteral("/tmp"), &reason).isOpen())
        << "a folder at the top, in the root";
    EXPECT_TRUE(picture::readRegularFile(library + QStringLiteral("/me.png"), 100));
    setMode(library, 0777);
    EXPECT_FALSE(OpenFolder::pathIsPlayers(library + QStringLiteral("/Linked"), &reason));
    EXPECT_FALSE(OpenFolder::openLast(library + QStringLiteral("/Linked"), &reason).isOpen());
    const auto read = picture::readRegularFile(library + QStringLiteral("/me.png"), 100);
    ASSERT_FALSE(read);
    EXPECT_TRUE(read.error().contains(QStringLiteral("another user"))) << qPrintable(read.error());
}
#endif
