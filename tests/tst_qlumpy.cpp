#include "helpers/enginecheck.h"
#include "helpers/testenv.h"

#include <QProcess>

#include <gtest/gtest.h>

using namespace velmira::test;

namespace {

struct Outcome {
    int exitCode = -1;
    QString out, err;
};

// Runs the real compiler on a script in a scratch folder.
class QlumpyTest : public ::testing::Test {
protected:
    Scratch scratch;

    Outcome compile(const QByteArray& script) {
        const QString file = scratch.write(QStringLiteral("script.ls"), script);
        QProcess p;
        p.start(QStringLiteral(VELMIRA_QLUMPY), {file});
        EXPECT_TRUE(p.waitForFinished(30000));
        return Outcome{p.exitCode(), QString::fromLocal8Bit(p.readAllStandardOutput()),
                   QString::fromLocal8Bit(p.readAllStandardError())};
    }
    QByteArray scriptFor(const QString& bitmap, const QString& wad) {
        return ("$DEST    \"" + wad + "\"\r\n\r\n$loadbmp    \"" + bitmap + "\"\r\nVELMR  miptex -1 -1 -1 -1\r\n\r\n")
            .toLocal8Bit();
    }
    QByteArray read(const QString& path) {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }
};

TEST_F(QlumpyTest, CompilesAValid8BitBitmapPixelForPixel) {
    const QString bmp = scratch.write(QStringLiteral("logo.bmp"), bitmap8(112, 128, 200));
    const QString wad = scratch.path(QStringLiteral("out.wad"));
    const Outcome run = compile(scriptFor(bmp, wad));
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const EngineView view = engineRead(read(wad));
    ASSERT_EQ(view.problem, QString());
    EXPECT_EQ(view.width, 112u);
    EXPECT_EQ(view.height, 128u);
    EXPECT_TRUE(entry255IsPureBlue(view));
    // Rows come out top to bottom with the bitmap's own indices.
    EXPECT_EQ(static_cast<uchar>(view.mip[0][0]), 0);
    EXPECT_EQ(static_cast<uchar>(view.mip[0][1 * 112 + 5]), 6);
    EXPECT_EQ(static_cast<uchar>(view.palette[3 * 7 + 0]), (7 * 7) & 0xff) << "the colour table is kept";
    EXPECT_TRUE(run.out.contains(QStringLiteral("kept")));
}

TEST_F(QlumpyTest, RefusesSizesTheGameWouldNotUseAndWritesNothing) {
    for (const QSize size : {QSize(120, 128), QSize(128, 128), QSize(272, 16), QSize(16, 8)}) {
        const QString bmp = scratch.write(QStringLiteral("odd.bmp"), bitmap8(size.width(), size.height()));
        const QString wad = scratch.path(QStringLiteral("odd.wad"));
        const Outcome run = compile(scriptFor(bmp, wad));
        EXPECT_NE(run.exitCode, 0) << size.width() << "x" << size.height();
        EXPECT_FALSE(QFileInfo::exists(wad));
        EXPECT_EQ(run.err.count(QLatin1Char('\n')), 1) << run.err.toStdString();
    }
}

TEST_F(QlumpyTest, RefusesBrokenInputWithOneLineAndNoFile) {
    const QString fixtures = QStringLiteral(VELMIRA_SOURCE_DIR "/tests/fixtures/bmp/");
    for (const char* name : {"truncated.bmp", "lying_pixel_offset.bmp", "huge_dimensions.bmp", "zero_size.bmp",
                             "not_a_bitmap.bmp", "missing.bmp"}) {
        const QString wad = scratch.path(QStringLiteral("broken-%1.wad").arg(QString::fromLatin1(name)));
        const Outcome run = compile(scriptFor(fixtures + QString::fromLatin1(name), wad));
        EXPECT_NE(run.exitCode, 0) << name;
        EXPECT_FALSE(QFileInfo::exists(wad)) << name;
        EXPECT_EQ(run.err.count(QLatin1Char('\n')), 1) << name << run.err.toStdString();
    }
    const Outcome noDest = compile("$loadbmp \"x.bmp\"\nA miptex -1 -1 -1 -1\n");
    EXPECT_NE(noDest.exitCode, 0);
    EXPECT_TRUE(noDest.err.contains(QStringLiteral("$DEST")));
}

TEST_F(QlumpyTest, AFailedCompileLeavesAnEarlierWadWhole) {
    const QString wad = scratch.write(QStringLiteral("keep.wad"), "earlier contents");
    const QString bmp = scratch.write(QStringLiteral("bad.bmp"), bitmap8(20, 20));
    EXPECT_NE(compile(scriptFor(bmp, wad)).exitCode, 0);
    EXPECT_EQ(read(wad), QByteArray("earlier contents"));
}

TEST_F(QlumpyTest, CutsALumpFromPartOfTheBitmap) {
    const QString bmp = scratch.write(QStringLiteral("sheet.bmp"), bitmap8(64, 32, 256));
    const QString wad = scratch.path(QStringLiteral("part.wad"));
    const Outcome run = compile(("$DEST \"" + wad + "\"\n$loadbmp \"" + bmp + "\"\nPART miptex 16 0 32 32\n").toLocal8Bit());
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const EngineView view = engineRead(read(wad));
    ASSERT_EQ(view.problem, QString());
    EXPECT_EQ(view.width, 32u);
    EXPECT_EQ(static_cast<uchar>(view.mip[0][0]), 16) << "x = 16 of the top row";
}

}  // namespace
