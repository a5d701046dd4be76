// Sprays Seen in Games kept: the game's bytes saved unchanged under free names, pictures as
// the game draws them, and only while the cache still holds the spray listed.

#include "game/seen.h"
#include "helpers/seentest.h"
#include "library/preview.h"
#include "library/seensave.h"
#include "ui/seendialog.h"

#include <QDateTime>
#include <QDir>
#include <QListView>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <thread>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace velmira;
using namespace velmira::test;

namespace {

// `count` distinct 16 x 16 sprays: two pixels carry each one's number.
std::vector<HpkEntry> manySprays(int count) {
    std::vector<HpkEntry> entries;
    for (int i = 0; i < count; ++i) {
        QByteArray spray = sprayWad(16, 16, 0);
        spray[12 + 40] = static_cast<char>(i % 200);
        spray[12 + 41] = static_cast<char>(i / 200);
        entries.push_back(HpkEntry{spray});
    }
    return entries;
}

// The window's message, its lines apart.
QStringList linesOf(const Message& message) {
    return message.text.split(QChar(13));
}

// Keeping a spray copies the game's bytes unchanged under a free name, never over a file; a
// picture is the spray as the game draws it; the caches are never changed.
TEST_F(SeenTest, KeptSpraysAreTheGamesBytesAndPicturesAreAsTheGameDrawsThem) {
    const QByteArray cache = readFile(hl + SEP + QStringLiteral("cstrike/custom.hpk"));
    const QDateTime written =
        QFileInfo(hl + SEP + QStringLiteral("cstrike/custom.hpk")).lastModified();
    env.scratch.write(QStringLiteral("Sprays/cstrike seen 2.wad"), "the player's");
    const auto dialog = open();
    dialog->saveToLibrary();
    dialog->waitForSaving();
    auto* grid = dialog->findChild<QListView*>(QStringLiteral("gridSeen"));
    QTest::keyClick(grid, Qt::Key_Return);
    dialog->waitForSaving();
    EXPECT_EQ(saved, QStringList({"cstrike seen 1.wad", "cstrike seen 3.wad"}));
    EXPECT_EQ(libraryFile(QStringLiteral("cstrike seen 1.wad")), shared) << "byte for byte";
    EXPECT_EQ(libraryFile(QStringLiteral("cstrike seen 3.wad")), shared);
    EXPECT_EQ(libraryFile(QStringLiteral("cstrike seen 2.wad")), QByteArray("the player's"));
    // Several at once.
    grid->selectAll();
    saved.clear();
    dialog->findChild<QPushButton*>(QStringLiteral("cmdSeenSave"))->click();
    dialog->waitForSaving();
    EXPECT_EQ(saved, QStringList({"valve seen 1.wad"})) << "told of the last one";
    EXPECT_EQ(libraryFile(QStringLiteral("cstrike seen 5.wad")), wide);
    EXPECT_EQ(libraryFile(QStringLiteral("valve seen 1.wad")), own);
    // As pictures: one to the file the player names, several to free names in a folder.
    const QString one = env.scratch.path(QStringLiteral("one.png"));
    const QString pictures = env.scratch.mkdir(QStringLiteral("pictures"));
    QString suggested;
    dialog->askPictureTarget = [&](const QString& offered, bool folder) {
        suggested = offered;
        return folder ? pictures : one;
    };
    grid->clearSelection();
    grid->setCurrentIndex(grid->model()->index(0, 0));
    dialog->saveAsPicture();
    dialog->waitForSaving();
    EXPECT_EQ(QImage(one).convertToFormat(QImage::Format_ARGB32),
              sprayPictureOfWad(shared).convertToFormat(QImage::Format_ARGB32));
    EXPECT_TRUE(suggested.endsWith(SEP + QStringLiteral("cstrike seen.png")))
        << "named after the first mod that holds it: " << suggested.toStdString();
    grid->selectAll();
    dialog->saveAsPicture();
    dialog->waitForSaving();
    EXPECT_EQ(QDir(pictures).entryList(QDir::Files),
              QStringList({"cstrike seen 1.png", "cstrike seen 2.png", "valve seen 1.png"}));
    EXPECT_EQ(QImage(pictures + SEP + QStringLiteral("valve seen 1.png")).size(), QSize(32, 32));
    EXPECT_TRUE(env.prompts.shown.empty());
    // A picture that cannot be written is named with the reason; nothing is said to be saved.
    dialog->askPictureTarget = [&](const QString&, bool) {
        return env.scratch.path(QStringLiteral("no such folder/one.png"));
    };
    grid->clearSelection();
    dialog->saveAsPicture();
    dialog->waitForSaving();
    ASSERT_EQ(env.prompts.shown.size(), 1u);
    EXPECT_TRUE(
        env.prompts.shown[0].text.startsWith(QStringLiteral("Could not save these pictures:")))
        << env.prompts.shown[0].text.toStdString();
    // With nothing chosen, nothing is asked.
    int asked = 0;
    dialog->askPictureTarget = [&](const QString&, bool) {
        ++asked;
        return pictures;
    };
    grid->clearSelection();
    grid->setCurrentIndex(QModelIndex());
    dialog->saveAsPicture();
    dialog->waitForSaving();
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(readFile(hl + SEP + QStringLiteral("cstrike/custom.hpk")), cache);
    EXPECT_EQ(QFileInfo(hl + SEP + QStringLiteral("cstrike/custom.hpk")).lastModified(), written);
}

}  // namespace

// A spray is read again from its cache when it is kept, and kept only if it is still the spray
// listed: a cache changed, cut short, gone, or swapped for something else meanwhile is named
// and nothing is saved from it, while a spray another mod's cache still holds is saved from
// there. A cache swapped for a link to the same bytes is the same spray.
TEST_F(SeenTest, ASprayIsKeptOnlyIfItsCacheStillHoldsIt) {
    const QString cstrike = hl + SEP + QStringLiteral("cstrike/custom.hpk");
    const QString other =
        env.scratch.write(QStringLiteral("other.hpk"), hpkOf({{shared}, {sprayWad(128, 96, 5)}}));
    const QString same = env.scratch.write(QStringLiteral("same.hpk"), readFile(cstrike));
    const auto replaceWith = [&](const std::function<void()>& change) {
        QFile::remove(cstrike);
        change();
    };
    const struct {
        const char* what;
        std::function<void()> change;
        const char* reason;  // empty: still the same sprays
    } cases[] = {
        {"another spray in its place",
         [&] {
             env.scratch.write(QStringLiteral("Half-Life/cstrike/custom.hpk"),
                               hpkOf({{wide}, {shared}}));
         },
         "another spray lies there now"},
        {"cut short by a byte",
         [&] {
             env.scratch.write(QStringLiteral("Half-Life/cstrike/custom.hpk"),
                               readFile(same).left(12 + shared.size() + wide.size() - 1));
         },
         "it is shorter now"},
        {"gone", [] {}, "it is gone"},
#ifndef Q_OS_WIN
        // Windows makes shortcut files of links: these are POSIX's.
        {"a link to another cache", [&] { QFile::link(other, cstrike); },
         "another spray lies there now"},
        {"a link to a folder", [&] { QFile::link(library, cstrike); }, "it is no longer a file"},
        {"a FIFO", [&] { ::mkfifo(QFile::encodeName(cstrike).constData(), 0600); },
         "it is no longer a file"},
        {"a link to the same bytes", [&] { QFile::link(same, cstrike); }, ""},
#endif
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(cstrike);
        env.scratch.write(QStringLiteral("Half-Life/cstrike/custom.hpk"), readFile(same));
        SeenSprays seen;
        seen.add(readSeenCache(hl, QStringLiteral("cstrike")));
        seen.add(readSeenCache(hl, QStringLiteral("valve")));
        ASSERT_EQ(seen.all().size(), 3u);
        replaceWith(c.change);
        const Scratch into;
        const SeenSaveOutcome outcome = saveSeenSprays(seen.all(), into.path(), SeenSaveAs::Spray);
        // `shared` is in valve's cache too, `wide` only in cstrike's, `own` only in valve's.
        EXPECT_EQ(readFile(into.path(QStringLiteral("cstrike seen 1.wad"))), shared);
        EXPECT_EQ(readFile(into.path(QStringLiteral("valve seen 1.wad"))), own);
        if (QByteArray(c.reason).isEmpty()) {
            EXPECT_EQ(outcome.saved, 3);
            EXPECT_EQ(readFile(into.path(QStringLiteral("cstrike seen 2.wad"))), wide);
            EXPECT_TRUE(outcome.failed.isEmpty());
            continue;
        }
        EXPECT_EQ(outcome.saved, 2);
        EXPECT_FALSE(QFileInfo::exists(into.path(QStringLiteral("cstrike seen 2.wad"))));
        EXPECT_EQ(outcome.failed,
                  QStringList(QStringLiteral("The cache of cstrike changed since the window read "
                                             "it (%1): press Refresh.")
                                  .arg(QLatin1String(c.reason))));
        EXPECT_FALSE(outcome.stopped);
    }
}

// In the window: the spray whose cache changed is named in a short message, the one still held
// elsewhere is kept; its picture is not written either, the file named with the reason.
TEST_F(SeenTest, TheWindowSaysWhichCacheChanged) {
    const auto dialog = open();
    auto* grid = dialog->findChild<QListView*>(QStringLiteral("gridSeen"));
    grid->selectAll();
    env.scratch.write(QStringLiteral("Half-Life/cstrike/custom.hpk"), hpkOf({{own}}));
    dialog->saveToLibrary();
    EXPECT_TRUE(dialog->saving());
    EXPECT_FALSE(dialog->findChild<QPushButton*>(QStringLiteral("cmdSeenSave"))->isEnabled())
        << "one batch at a time";
    dialog->waitForSaving();
    EXPECT_FALSE(dialog->saving());
    EXPECT_TRUE(dialog->findChild<QPushButton*>(QStringLiteral("cmdSeenSave"))->isEnabled());
    EXPECT_EQ(saved, QStringList({"valve seen 1.wad"}));
    EXPECT_EQ(libraryFile(QStringLiteral("cstrike seen 1.wad")), shared) << "from valve's cache";
    ASSERT_EQ(env.prompts.shown.size(), 1u);
    EXPECT_EQ(linesOf(env.prompts.shown[0]),
              QStringList({QStringLiteral("Could not save the spray in ") + library,
                           "The cache of cstrike changed since the window read it (it is shorter "
                           "now): press Refresh."}));
    const QString one = env.scratch.path(QStringLiteral("one.png"));
    dialog->askPictureTarget = [&](const QString&, bool) { return one; };
    grid->clearSelection();
    grid->setCurrentIndex(grid->model()->index(1, 0));  // wide: only cstrike held it
    dialog->saveAsPicture();
    dialog->waitForSaving();
    EXPECT_FALSE(QFileInfo::exists(one));
    ASSERT_EQ(env.prompts.shown.size(), 2u);
    EXPECT_EQ(linesOf(env.prompts.shown[1]),
              QStringList({"Could not save these pictures:",
                           one + ": The cache of cstrike changed since the window read it (it is "
                                 "shorter now): press Refresh."}));
}

// Saving thousands of sprays runs off the window's thread with its progress; Cancel stops it
// before the next spray, keeps those saved and says how many; the failure message names the
// first ten and counts the rest.
TEST_F(SeenTest, CancellingASaveKeepsWhatWasSavedAndSaysSo) {
    env.scratch.write(QStringLiteral("Half-Life/cstrike/custom.hpk"), hpkOf(manySprays(2000)));
    auto dialog = open();
    ASSERT_EQ(dialog->shownCount(), 2002);
    auto* grid = dialog->findChild<QListView*>(QStringLiteral("gridSeen"));
    grid->selectAll();
    int progressed = 0;
    dialog->saveToLibrary();
    auto* progress = dialog->findChild<QProgressDialog*>(QStringLiteral("dlgSeenSaving"));
    ASSERT_NE(progress, nullptr);
    EXPECT_EQ(progress->maximum(), 2002);
    // Cancel once the saving is under way.
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (progress && progress->value() > 0) {
            progressed = progress->value();
            emit progress->canceled();  // as its Cancel button does
            progress = nullptr;
        }
    });
    poll.start(5);
    dialog->waitForSaving();
    ASSERT_GT(progressed, 0);
    const int kept = static_cast<int>(QDir(library).entryList(QDir::Files).size());
    EXPECT_GE(kept, progressed);
    EXPECT_LT(kept, 2002) << "stopped before the end";
    ASSERT_EQ(env.prompts.shown.size(), 1u);
    EXPECT_EQ(env.prompts.shown[0].icon, Message::Icon::Information);
    EXPECT_EQ(
        linesOf(env.prompts.shown[0]),
        QStringList(
            {QStringLiteral("Stopped: %1 of the 2002 were saved, the rest were not.").arg(kept),
             library}));
    ASSERT_FALSE(saved.isEmpty()) << "the last one saved is listed";
    EXPECT_TRUE(QFileInfo::exists(library + SEP + saved.last()));
    // The cache gone before saving: ten named, the rest counted.
    env.prompts.shown.clear();
    QFile::remove(hl + SEP + QStringLiteral("cstrike/custom.hpk"));
    QFile::remove(hl + SEP + QStringLiteral("valve/custom.hpk"));
    dialog->saveToLibrary();
    dialog->waitForSaving();
    ASSERT_EQ(env.prompts.shown.size(), 1u);
    const QStringList lines = linesOf(env.prompts.shown[0]);
    ASSERT_EQ(lines.size(), 12);
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("The cache of cstrike changed")));
    EXPECT_EQ(lines[11], QStringLiteral("and 1992 more"));
}

// The batch itself: stopped before the spray after the cancel, a folder that cannot be written
// into is one failure, and pictures go to free names beside the player's files.
TEST_F(SeenTest, TheBatchStopsWhereCancelledAndFailsOnceForItsFolder) {
    SeenSprays seen;
    seen.add(readSeenCache(hl, QStringLiteral("cstrike")));
    seen.add(readSeenCache(hl, QStringLiteral("valve")));
    for (const int stopAfter : {0, 1, 2, 3}) {
        const Scratch into;
        std::vector<int> told;
        const auto outcome = saveSeenSprays(
            seen.all(), into.path(), SeenSaveAs::Picture,
            [&] { return static_cast<int>(told.size()) >= stopAfter; },
            [&](int done) { told.push_back(done); });
        EXPECT_EQ(outcome.saved, stopAfter);
        EXPECT_EQ(outcome.stopped, stopAfter < 3) << stopAfter;
        EXPECT_EQ(QDir(into.path()).entryList(QDir::Files).size(), stopAfter);
        for (std::size_t i = 0; i < told.size(); ++i)
            EXPECT_EQ(told[i], static_cast<int>(i) + 1);
    }
    const auto outcome =
        saveSeenSprays(seen.all(), env.scratch.path(QStringLiteral("none")), SeenSaveAs::Spray);
    EXPECT_EQ(outcome.saved, 0);
    EXPECT_EQ(outcome.failed.size(), 1) << "one failure for the folder, not one a spray";
}

// Reading a spray again takes exactly its bytes, from a spray's place in a cache only.
TEST(SprayCacheReadAgain, ReadsExactlyTheSprayFromARegularFile) {
    Scratch scratch;
    const QByteArray spray = sprayWad(32, 32, 3);
    const QByteArray bytes = hpkOf({{spray}});
    const QString path = scratch.write(QStringLiteral("custom.hpk"), bytes);
    const qint64 end = bytes.size();
    const struct {
        qint64 offset, length;
        const char* error;  // empty: read
    } cases[] = {
        {12, spray.size(), ""},
        {12, 512, ""},
        {11, 512, "no spray of the cache lies there"},
        {12, 511, "no spray of the cache lies there"},
        {12, 256 * 1024 + 1, "no spray of the cache lies there"},
        {end - 512, 512, ""},
        {end - 511, 512, "it is shorter now"},
    };
    for (const auto& c : cases) {
        const auto read = wad::readSprayAgain(path, {QString(), c.offset, c.length});
        EXPECT_EQ(read ? QString() : read.error(), QLatin1String(c.error)) << c.offset;
        if (read) {
            EXPECT_EQ(read.value(), bytes.mid(c.offset, c.length));
        }
    }
    EXPECT_EQ(
        wad::readSprayAgain(scratch.path(QStringLiteral("none")), {QString(), 12, 600}).error(),
        QStringLiteral("it is gone"));
}

#ifndef Q_OS_WIN
// Another program replacing the cache again and again while its sprays are kept: every file
// kept is a spray as listed, byte for byte, and every one not kept is named with its cache.
TEST_F(SeenTest, ACacheReplacedOverAndOverWhileSavingNeverGivesAnotherSpray) {
    const std::vector<HpkEntry> listed = manySprays(300);
    std::vector<HpkEntry> others = manySprays(301);
    others.erase(others.begin());  // the same places, each holding the next one's spray
    const QString cache =
        env.scratch.write(QStringLiteral("Half-Life/cstrike/custom.hpk"), hpkOf(listed));
    const QString a = env.scratch.write(QStringLiteral("a.hpk"), hpkOf(listed));
    const QString b = env.scratch.write(QStringLiteral("b.hpk"), hpkOf(others));
    SeenSprays seen;
    seen.add(readSeenCache(hl, QStringLiteral("cstrike")));
    ASSERT_EQ(seen.all().size(), 300u);
    std::atomic<bool> stop{false};
    std::atomic<int> swaps{0};
    std::thread swapper([&] {
        const QByteArray to = QFile::encodeName(cache);
        for (int i = 0; !stop; ++i) {
            const QByteArray from = QFile::encodeName(i % 2 ? a : b) + ".link";
            ::unlink(from.constData());
            if (::symlink(QFile::encodeName(i % 2 ? a : b).constData(), from.constData()) == 0 &&
                ::rename(from.constData(), to.constData()) == 0)
                ++swaps;
        }
    });
    while (swaps < 5)  // the swapping under way before the saving starts
        QThread::yieldCurrentThread();
    const SeenSaveOutcome outcome = saveSeenSprays(seen.all(), library, SeenSaveAs::Spray);
    stop = true;
    swapper.join();
    QSet<QByteArray> sprays;
    for (const HpkEntry& entry : listed)
        sprays.insert(entry.data);
    const QStringList files = QDir(library).entryList(QDir::Files);
    EXPECT_EQ(files.size(), outcome.saved);
    for (const QString& file : files)
        EXPECT_TRUE(sprays.contains(libraryFile(file))) << file.toStdString();
    EXPECT_EQ(outcome.saved + outcome.failed.size(), 300);
    for (const QString& line : outcome.failed)
        EXPECT_TRUE(
            line.startsWith(QStringLiteral("The cache of cstrike changed since the window "
                                           "read it (another spray lies there now)")))
            << line.toStdString();
}
#endif
