// Saving into the library: a long picture name shortened to fit, a failure message's first
// ten lines, and a shared folder whose links no save ever follows.

#include "helpers/testenv.h"
#include "library/maker.h"
#include "library/seensave.h"
#include "library/sprays.h"
#include "platform/files.h"

#include <QDir>

#include <gtest/gtest.h>

#include <functional>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif

using namespace velmira;
using namespace velmira::test;

namespace velmira {
namespace {

// A picture's name of 250 bytes or more still gives a spray: the name is shortened to fit the
// folder, never by half a character, and " spray" stays on it.
TEST(SprayNames, ALongNameIsShortenedToFitWithoutCuttingACharacter) {
    Scratch scratch;
    const QString folder = scratch.mkdir(QStringLiteral("Sprays"));
    const auto length = [](const QString& name) {
#ifdef Q_OS_WIN
        return name.size();
#else
        return QFile::encodeName(name).size();
#endif
    };
    QString faces;
    for (int i = 0; i < 70; ++i)
        faces += QString::fromUtf8("\xf0\x9f\x98\x80");  // four bytes, two UTF-16 units
    const struct {
        const char* what;
        QString picture;
    } cases[] = {
        {"a short name", QStringLiteral("logo.png")},
        {"250 letters", QString(250, QLatin1Char('a')) + QStringLiteral(".png")},
#ifndef Q_OS_WIN
        {"126 two-byte letters", QString(126, QChar(0xe9)) + QStringLiteral(".png")},
        {"70 four-byte faces", faces + QStringLiteral(".jpg")},
#endif
    };
    for (const auto& c : cases) {
        const QString wanted = madeSprayName(c.picture);
        for (const char* ending : {" spray.bmp", " spray (2).bmp"}) {
            QString reason;
            const QString name = saveNewSpray("spray", folder, wanted, &reason);
            ASSERT_FALSE(name.isEmpty()) << c.what << ": " << reason.toStdString();
            EXPECT_LE(length(name), kMaxFileNameLength) << c.what;
            EXPECT_TRUE(name.endsWith(QLatin1String(ending))) << c.what << name.toStdString();
            EXPECT_TRUE(name.startsWith(c.picture.left(4))) << c.what;
            EXPECT_FALSE(name.contains(QChar::ReplacementCharacter)) << c.what;
            EXPECT_TRUE(name.isValidUtf16()) << c.what << ": whole characters only";
            QFile saved(folder + QDir::separator() + name);
            ASSERT_TRUE(saved.open(QIODevice::ReadOnly)) << c.what;
            EXPECT_EQ(saved.readAll(), QByteArray("spray"));
        }
    }
    EXPECT_EQ(madeSprayName(QStringLiteral("logo.png")), QStringLiteral("logo spray.bmp"));
    EXPECT_EQ(nameThatFits(QString(300, QLatin1Char('b')) + QStringLiteral(".wad")).right(4),
              QStringLiteral(".wad"));
}

}  // namespace
}  // namespace velmira

// A failure message for thousands of files names the first ten and counts the rest.
TEST(FailureLines, TheFirstTenAreNamedAndTheRestCounted) {
    QStringList lines;
    for (int i = 1; i <= 12; ++i)
        lines << QString::number(i);
    const struct {
        int count;
        QStringList shown;
    } cases[] = {{10, lines.mid(0, 10)},
                 {11, lines.mid(0, 10) + QStringList{QStringLiteral("and 1 more")}},
                 {12, lines.mid(0, 10) + QStringList{QStringLiteral("and 2 more")}}};
    for (const auto& c : cases)
        EXPECT_EQ(firstLinesOf(lines.mid(0, c.count)), c.shown) << c.count;
}

#ifndef Q_OS_WIN
// A library folder shared with another user (group-writable, no sticky bit), who swaps each
// file that appears for a link to one of the player's private files and plants links at the
// names the program will want next. Whatever is saved, and however often, the private file
// keeps its bytes and its mode.
TEST(SharedLibraryFolder, NoSaveEverReachesAFileBehindALink) {
    const QByteArray spray = sprayWad(16, 16);
    const struct {
        const char* what;
        QStringList planted;
        std::function<QString(const QString& folder, QString* reason)> save;
    } cases[] = {
        {"a new spray",
         {"logo spray (2).bmp", "logo spray (3).bmp"},
         [&](const QString& folder, QString* reason) {
             return saveNewSpray(spray, folder, QStringLiteral("logo spray.bmp"), reason);
         }},
        {"seen sprays, several at once",
         {"valve seen 2.wad", "valve seen 3.wad"},
         [&](const QString& folder, QString* reason) {
             SeenSaver saver(folder);
             saver.saveSpray(spray, QStringLiteral("valve"), reason);
             return saver.saveSpray(spray, QStringLiteral("valve"), reason);
         }},
        {"seen pictures, several at once",
         {"valve seen 2.png", "valve seen 3.png"},
         [&](const QString& folder, QString* reason) {
             SeenSaver saver(folder);
             saver.savePicture(spray, QStringLiteral("valve"), reason);
             return saver.savePicture(spray, QStringLiteral("valve"), reason);
         }},
        {"one picture at the path chosen",
         {"chosen.png"},
         [&](const QString& folder, QString* reason) {
             const QString path = joinPath(folder, QStringLiteral("chosen.png"));
             return saveSprayPicture(spray, path, reason) ? path : QString();
         }},
    };
    for (const auto& c : cases) {
        Scratch scratch;
        const QString folder = scratch.mkdir(QStringLiteral("Sprays"));
        ASSERT_EQ(::chmod(QFile::encodeName(folder).constData(), 02777), 0);
        const QString secret = scratch.write(QStringLiteral("private"), "the player's own");
        ASSERT_EQ(::chmod(QFile::encodeName(secret).constData(), 0600), 0);
        int saved = 0;
        {
            const LinkSwapper other(folder, secret, c.planted);
            for (int run = 0; run < 300; ++run) {
                QString reason;
                if (!c.save(folder, &reason).isEmpty())
                    ++saved;
            }
            EXPECT_GT(other.swaps(), 0) << c.what;
        }
        struct stat info;
        ASSERT_EQ(::stat(QFile::encodeName(secret).constData(), &info), 0);
        EXPECT_EQ(info.st_mode & 07777, 0600u) << c.what << ": the private file's mode";
        QFile held(secret);
        ASSERT_TRUE(held.open(QIODevice::ReadOnly));
        EXPECT_EQ(held.readAll(), QByteArray("the player's own")) << c.what;
        EXPECT_GT(saved, 0) << c.what;
    }
}
#endif
