#include "helpers/enginecheck.h"
#include "helpers/testenv.h"
#include "picture/heif.h"

#include <QImage>
#include <QProcess>
#include <QtEndian>

#include <cmath>
#include <vector>

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

    // The compiler speaks its environment's language: the tests read its English unless they
    // ask for another.
    Outcome runQlumpy(const QStringList& arguments,
                      const QString& language = QStringLiteral("en")) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("LC_ALL"));
        environment.remove(QStringLiteral("LC_MESSAGES"));
        environment.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
        environment.insert(QStringLiteral("LANGUAGE"), language);
        QProcess p;
        p.setProcessEnvironment(environment);
        p.start(QStringLiteral(VELMIRA_QLUMPY), arguments);
        EXPECT_TRUE(p.waitForFinished(30000));
        return Outcome{p.exitCode(), QString::fromLocal8Bit(p.readAllStandardOutput()),
                       QString::fromLocal8Bit(p.readAllStandardError())};
    }
    Outcome compile(const QByteArray& script, const QString& language = QStringLiteral("en")) {
        return runQlumpy({scratch.write(QStringLiteral("script.ls"), script)}, language);
    }
    QByteArray scriptFor(const QString& bitmap, const QString& wad) {
        return ("$DEST    \"" + wad + "\"\r\n\r\n$loadbmp    \"" + bitmap +
                "\"\r\nVELMR  miptex -1 -1 -1 -1\r\n\r\n")
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
    EXPECT_EQ(static_cast<uchar>(view.palette[3 * 7 + 0]), (7 * 7) & 0xff)
        << "the colour table is kept";
    EXPECT_TRUE(run.out.contains(QStringLiteral("kept")));
}

// A smooth colourful picture, the kind players keep as photos and drawings.
QRgb photo(int x, int y) {
    return qRgb((x * 255) / 300, (y * 255) / 300, ((x + y) * 97) & 0xff);
}

TEST_F(QlumpyTest, EveryBitDepthAndSizeBecomesAValidSprayKeepingItsShape) {
    struct Case {
        int bits, w, h;
    };
    for (const Case c :
         {Case{1, 100, 60}, Case{4, 40, 40}, Case{8, 120, 128}, Case{8, 30, 20}, Case{24, 512, 512},
          Case{24, 300, 100}, Case{32, 64, 256}, Case{24, 1000, 10}, Case{24, 7, 3}}) {
        const QString bmp =
            scratch.write(QStringLiteral("pic.bmp"), bitmapOfDepth(c.bits, c.w, c.h, photo));
        const QString wad =
            scratch.path(QStringLiteral("pic%1-%2x%3.wad").arg(c.bits).arg(c.w).arg(c.h));
        const Outcome run = compile(scriptFor(bmp, wad));
        ASSERT_EQ(run.exitCode, 0) << c.bits << " " << c.w << "x" << c.h << run.err.toStdString();
        const EngineView view = engineRead(read(wad));
        ASSERT_EQ(view.problem, QString());
        EXPECT_TRUE(entry255IsPureBlue(view));
        EXPECT_EQ(view.width % 16, 0u);
        EXPECT_EQ(view.height % 16, 0u);
        EXPECT_LE(view.width * view.height, 14336u);
        EXPECT_LE(view.width, static_cast<quint32>((c.w + 15) / 16 * 16))
            << "never enlarged past the picture";
        EXPECT_LE(view.height, static_cast<quint32>((c.h + 15) / 16 * 16));
        if (view.width < 256 && view.height < 256 && c.w >= 16 && c.h >= 16) {
            const double idealHeight = static_cast<double>(view.width) * c.h / c.w;
            EXPECT_LE(std::abs(idealHeight - view.height), 16.0)
                << c.w << "x" << c.h << " became " << view.width << "x" << view.height;
        }
        EXPECT_FALSE(run.out.trimmed().isEmpty());
        EXPECT_EQ(run.out.count(QLatin1Char('\n')), 1);
    }
}

TEST_F(QlumpyTest, TrueColourIsReducedWithASmallColourError) {
    const QString bmp =
        scratch.write(QStringLiteral("photo.bmp"), bitmapOfDepth(24, 112, 128, photo));
    const QString wad = scratch.path(QStringLiteral("photo.wad"));
    const Outcome run = compile(scriptFor(bmp, wad));
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral("reduced from true colour")));
    const EngineView view = engineRead(read(wad));
    ASSERT_EQ(view.problem, QString());
    ASSERT_EQ(view.width, 112u);
    double squared = 0;
    for (int y = 0; y < 128; ++y) {
        for (int x = 0; x < 112; ++x) {
            const int i = static_cast<uchar>(view.mip[0][y * 112 + x]);
            ASSERT_NE(i, 255) << "no pixel of an opaque picture is transparent";
            const QRgb want = photo(x, y);
            const int dr = static_cast<uchar>(view.palette[3 * i]) - qRed(want);
            const int dg = static_cast<uchar>(view.palette[3 * i + 1]) - qGreen(want);
            const int db = static_cast<uchar>(view.palette[3 * i + 2]) - qBlue(want);
            squared += (dr * dr + dg * dg + db * db) / 3.0;
        }
    }
    const double psnr = 10 * std::log10(255.0 * 255.0 / (squared / (112 * 128)));
    EXPECT_GT(psnr, 30.0);
}

TEST_F(QlumpyTest, SeeThroughPixelsAndBraceBlueBecomeTransparent) {
    const auto halfClear = [](int x, int y) {
        return x < 8 ? qRgba(0, 0, 0, 0) : qRgba(200, (y * 8) & 0xff, 40, 255);
    };
    const QString bmp =
        scratch.write(QStringLiteral("alpha.bmp"), bitmapOfDepth(32, 16, 16, halfClear));
    const QString wad = scratch.path(QStringLiteral("alpha.wad"));
    ASSERT_EQ(compile(scriptFor(bmp, wad)).exitCode, 0);
    EngineView view = engineRead(read(wad));
    ASSERT_EQ(view.problem, QString());
    EXPECT_EQ(static_cast<uchar>(view.mip[0][3]), 255);
    EXPECT_NE(static_cast<uchar>(view.mip[0][12]), 255);

    const auto blueBack = [](int x, int) { return x < 8 ? qRgb(0, 0, 255) : qRgb(250, 250, 0); };
    const QString brace =
        scratch.write(QStringLiteral("{logo.bmp"), bitmapOfDepth(24, 16, 16, blueBack));
    ASSERT_EQ(compile(scriptFor(brace, wad)).exitCode, 0);
    view = engineRead(read(wad));
    EXPECT_EQ(static_cast<uchar>(view.mip[0][0]), 255);
    EXPECT_NE(static_cast<uchar>(view.mip[0][15]), 255);
}

TEST_F(QlumpyTest, RefusesBrokenInputWithOneLineAndNoFile) {
    const QString fixtures = QStringLiteral(VELMIRA_SOURCE_DIR "/tests/fixtures/bmp/");
    for (const char* name : {"truncated.bmp", "lying_pixel_offset.bmp", "huge_dimensions.bmp",
                             "zero_size.bmp", "overflowing_row_size.bmp", "not_a_bitmap.bmp",
                             "missing.bmp", "truncated_rle8.bmp", "huge_gif_frame.gif"}) {
        const QString wad =
            scratch.path(QStringLiteral("broken-%1.wad").arg(QString::fromLatin1(name)));
        const Outcome run = compile(scriptFor(fixtures + QString::fromLatin1(name), wad));
        EXPECT_NE(run.exitCode, 0) << name;
        EXPECT_FALSE(QFileInfo::exists(wad)) << name;
        EXPECT_EQ(run.err.count(QLatin1Char('\n')), 1) << name << run.err.toStdString();
    }
    const Outcome noDest = compile("$loadbmp \"x.bmp\"\nA miptex -1 -1 -1 -1\n");
    EXPECT_NE(noDest.exitCode, 0);
    EXPECT_TRUE(noDest.err.contains(QStringLiteral("$DEST")));
}

TEST_F(QlumpyTest, WritesOnlyToANewOrRegularFileNeverThroughALink) {
    const QString bmp = scratch.write(QStringLiteral("logo.bmp"), bitmap8(32, 32));
#ifndef Q_OS_WIN
    // (Windows has shortcuts, not links, for a user without special rights.)
    const QString victim = scratch.write(QStringLiteral("victim.txt"), "precious");
    const QString link = scratch.path(QStringLiteral("planted.tmp"));
    ASSERT_TRUE(QFile::link(victim, link));
    const Outcome linked = compile(scriptFor(bmp, link));
    EXPECT_NE(linked.exitCode, 0);
    EXPECT_EQ(read(victim), QByteArray("precious"));
    EXPECT_TRUE(linked.err.contains(QStringLiteral("is a link"))) << linked.err.toStdString();
#endif
    const QString folder = scratch.mkdir(QStringLiteral("a folder.wad"));
    EXPECT_NE(compile(scriptFor(bmp, folder)).exitCode, 0);
#ifndef Q_OS_WIN
    const Outcome full = compile(scriptFor(bmp, QStringLiteral("/dev/full")));
    EXPECT_NE(full.exitCode, 0) << "a device is no place for a WAD";
    EXPECT_EQ(full.err.count(QLatin1Char('\n')), 1);
#endif
}

TEST_F(QlumpyTest, ASprayHoldsOneLumpUnlessMoreAreAskedFor) {
    const QString bmp = scratch.write(QStringLiteral("logo.bmp"), bitmap8(64, 64));
    const QString wad = scratch.path(QStringLiteral("two.wad"));
    const QByteArray script = ("$DEST \"" + wad + "\"\n$loadbmp \"" + bmp +
                               "\"\nONE miptex 0 0 32 32\nTWO miptex 32 32 32 32\n")
                                  .toLocal8Bit();
    const Outcome refused = compile(script);
    EXPECT_NE(refused.exitCode, 0);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("2 lumps"))) << refused.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(wad));
    EXPECT_EQ(runQlumpy({QStringLiteral("--many-lumps"), scratch.path(QStringLiteral("script.ls"))})
                  .exitCode,
              0);
    EXPECT_EQ(read(wad).mid(4, 1), QByteArray("\x02"));
}

TEST_F(QlumpyTest, SaysWhyAPictureCannotBeReadOnOneLine) {
    const QString folder = scratch.mkdir(QStringLiteral("folder.bmp"));
    const QString wad = scratch.path(QStringLiteral("out.wad"));
    const Outcome run = compile(scriptFor(folder, wad));
    EXPECT_NE(run.exitCode, 0);
    EXPECT_TRUE(run.err.contains(QStringLiteral("is not a regular file"))) << run.err.toStdString();
    // Qt's readers would warn on stderr about this one; the compiler says one line.
    QByteArray png = "\x89PNG\r\n\x1a\n";
    png += QByteArray(200, 'z');
    const Outcome broken = compile(scriptFor(scratch.write(QStringLiteral("b.png"), png), wad));
    EXPECT_NE(broken.exitCode, 0);
    EXPECT_EQ(broken.err.count(QLatin1Char('\n')), 1) << broken.err.toStdString();
}

TEST_F(QlumpyTest, AOneColourDesignStaysOneColour) {
    // An 8-bit grey ramp with entry 255 in the player's colour: index = opacity.
    QByteArray file = bitmap8(64, 64, 256);
    const qsizetype palette = 14 + 40;
    for (int i = 0; i < 256; ++i) {
        file[palette + 4 * i] = static_cast<char>(i);
        file[palette + 4 * i + 1] = static_cast<char>(i);
        file[palette + 4 * i + 2] = static_cast<char>(i);
    }
    file[palette + 4 * 255] = 0;                            // B
    file[palette + 4 * 255 + 1] = 0x40;                     // G
    file[palette + 4 * 255 + 2] = static_cast<char>(0xe0);  // R
    const QString wad = scratch.path(QStringLiteral("logo.wad"));
    const Outcome run = compile(scriptFor(scratch.write(QStringLiteral("logo.bmp"), file), wad));
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral("one-colour decal"))) << run.out.toStdString();
    const QByteArray bytes = read(wad);
    const EngineView view = engineRead(bytes);
    ASSERT_EQ(view.problem, QString());
    EXPECT_EQ(static_cast<quint8>(bytes[bytes.size() - 32 + 12]), 0x40) << "the type says so too";
    EXPECT_EQ(view.palette.mid(765, 3), QByteArray("\xe0\x40\x00", 3));
    EXPECT_EQ(view.palette.mid(3 * 9, 3), QByteArray("\x09\x09\x09", 3)) << "palette kept";
    EXPECT_EQ(static_cast<uchar>(view.mip[0][1 * 64 + 5]), 6) << "pixels kept";

    // Named as a transparent spray, or with a colour in the palette, it is a colour spray.
    const QString brace = scratch.path(QStringLiteral("brace.wad"));
    const Outcome colour =
        compile(scriptFor(scratch.write(QStringLiteral("{logo.bmp"), file), brace));
    ASSERT_EQ(colour.exitCode, 0);
    EXPECT_TRUE(colour.out.contains(QStringLiteral("colour spray")));
    EXPECT_TRUE(entry255IsPureBlue(engineRead(read(brace))));
    file[palette + 4 * 3] = 1;
    const Outcome tinted =
        compile(scriptFor(scratch.write(QStringLiteral("tinted.bmp"), file), brace));
    ASSERT_EQ(tinted.exitCode, 0);
    const QByteArray tintedWad = read(brace);
    EXPECT_EQ(static_cast<quint8>(tintedWad[tintedWad.size() - 32 + 12]), 0x43);
}

TEST_F(QlumpyTest, ReadsAPictureByItsContentWhateverItsName) {
    QImage picture(300, 200, QImage::Format_RGB32);
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 300; ++x)
            picture.setPixel(x, y, qRgb(x % 256, y, 90));
    const QString named = scratch.path(QStringLiteral("really a png.jpg"));
    ASSERT_TRUE(picture.save(named, "PNG"));
    struct Case {
        QString picture;
        quint32 width, height;
    };
    std::vector<Case> cases{{named, 144, 96}};
    // A phone's HEIC photo stored on its side with a turn in its properties: a portrait spray.
    if (!velmira::picture::heifExtensions().isEmpty()) {
        const QString heic = scratch.path(QStringLiteral("phone photo.HEIC"));
        ASSERT_TRUE(QFile::copy(
            QStringLiteral(VELMIRA_SOURCE_DIR "/tests/fixtures/heif/turned.heic"), heic));
        cases.push_back({heic, 80, 160});
    }
    for (const Case& c : cases) {
        const QString wad = c.picture + QStringLiteral(".wad");
        const Outcome run = compile(scriptFor(c.picture, wad));
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        const EngineView view = engineRead(read(wad));
        EXPECT_EQ(view.problem, QString());
        EXPECT_EQ(view.width, c.width) << c.picture.toStdString();
        EXPECT_EQ(view.height, c.height) << c.picture.toStdString();
    }
}

TEST_F(QlumpyTest, AFailedCompileLeavesAnEarlierWadWhole) {
    const QString wad = scratch.write(QStringLiteral("keep.wad"), "earlier contents");
    const QString bmp = scratch.write(QStringLiteral("bad.bmp"), bitmap8(64, 64).left(400));
    EXPECT_NE(compile(scriptFor(bmp, wad)).exitCode, 0);
    EXPECT_EQ(read(wad), QByteArray("earlier contents"));
}

TEST_F(QlumpyTest, CutsALumpFromPartOfTheBitmap) {
    const QString bmp = scratch.write(QStringLiteral("sheet.bmp"), bitmap8(64, 32, 256));
    const QString wad = scratch.path(QStringLiteral("part.wad"));
    const Outcome run =
        compile(("$DEST \"" + wad + "\"\n$loadbmp \"" + bmp + "\"\nPART miptex 16 0 32 32\n")
                    .toLocal8Bit());
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const EngineView view = engineRead(read(wad));
    ASSERT_EQ(view.problem, QString());
    EXPECT_EQ(view.width, 32u);
    EXPECT_EQ(static_cast<uchar>(view.mip[0][0]), 16) << "x = 16 of the top row";
}

}  // namespace

namespace {
quint32 crc32Of(const QByteArray& data) {
    quint32 crc = 0xffffffffu;
    for (const char c : data) {
        crc ^= static_cast<uchar>(c);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

// A PNG of headers only claiming an RGB picture of this size and depth.
QByteArray pngClaiming(quint32 width, quint32 height, char depth) {
    const auto chunk = [](const QByteArray& kind, const QByteArray& data) {
        QByteArray out(4, '\0');
        qToBigEndian(static_cast<quint32>(data.size()), out.data());
        QByteArray crc(4, '\0');
        qToBigEndian(crc32Of(kind + data), crc.data());
        return out + kind + data + crc;
    };
    QByteArray ihdr(13, '\0');
    qToBigEndian(width, ihdr.data());
    qToBigEndian(height, ihdr.data() + 4);
    ihdr[8] = depth;
    ihdr[9] = 2;
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + chunk("IHDR", ihdr) + chunk("IDAT", {}) +
           chunk("IEND", {});
}
}  // namespace

// A picture that would take more memory than a picture may is refused by the compiler with the
// reason on one line, before anything is decoded, and no WAD is written.
TEST_F(QlumpyTest, RefusesAPictureCostingMoreThanItsBudget) {
    const QString wad = scratch.path(QStringLiteral("out.wad"));
    const QString deep = scratch.write(QStringLiteral("deep.png"), pngClaiming(100000, 100000, 16));
    const Outcome run = compile(scriptFor(deep, wad));
    EXPECT_NE(run.exitCode, 0);
    EXPECT_TRUE(run.err.contains(QStringLiteral("more than can be read"))) << run.err.toStdString();
    EXPECT_EQ(run.err.count(QLatin1Char('\n')), 1) << run.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(wad));
}

#ifndef Q_OS_WIN
// The compiler says why in the language of its environment (LANGUAGE, as a desktop sets it),
// from the program's own translations embedded in it: a picture's refusal, and a count of bytes
// in its plural form. English stays the source text, character for character.
TEST_F(QlumpyTest, SaysWhyInTheEnvironmentsLanguage) {
    const QString gif = scratch.write(QStringLiteral("short.gif"), QByteArray("GIF89a\x01"));
    const QString wad = scratch.path(QStringLiteral("out.wad"));
    QByteArray large = scriptFor(gif, wad);
    large += QByteArray(1 << 20, ' ');
    const QString largeScript = scratch.write(QStringLiteral("large.ls"), large);
    struct Case {
        const char* language;
        QString picture;  // %1: the picture's path
        QString bytes;    // %1: the script's path
    };
    const Case cases[] = {
        {"en", QStringLiteral("cannot read the bitmap %1: the GIF picture is cut short"),
         QStringLiteral("cannot read the script: %1 is larger than 1048576 bytes")},
        {"de_DE",
         QStringLiteral("das Bild %1 kann nicht gelesen werden: das GIF-Bild ist abgeschnitten"),
         QStringLiteral("Skript kann nicht gelesen werden: %1 ist größer als 1048576 Byte")},
        {"ru", QStringLiteral("не удаётся прочитать картинку %1: GIF-картинка обрезана"),
         QStringLiteral("не удаётся прочитать скрипт: файл %1 больше 1048576 байт")},
        {"zh_CN", QStringLiteral("无法读取图片 %1：GIF 图片不完整"),
         QStringLiteral("无法读取脚本：%1 超过了 1048576 字节")},
        {"pl:en", QStringLiteral("nie można odczytać obrazu %1: obraz GIF jest ucięty"),
         QStringLiteral("nie można odczytać skryptu: plik %1 ma więcej niż 1048576 bajtów")},
        // Traditional Chinese is not offered, English is asked for next.
        {"zh_TW:en", QStringLiteral("cannot read the bitmap %1: the GIF picture is cut short"),
         QStringLiteral("cannot read the script: %1 is larger than 1048576 bytes")},
    };
    for (const Case& c : cases) {
        const QString language = QString::fromLatin1(c.language);
        const Outcome picture = compile(scriptFor(gif, wad), language);
        EXPECT_EQ(picture.exitCode, 1) << c.language;
        EXPECT_EQ(picture.err, QStringLiteral("qlumpy: ") + c.picture.arg(gif) + QLatin1Char('\n'))
            << c.language;
        EXPECT_FALSE(QFileInfo::exists(wad)) << c.language;

        const Outcome bytes = runQlumpy({largeScript}, language);
        EXPECT_EQ(bytes.exitCode, 1) << c.language;
        EXPECT_EQ(bytes.err,
                  QStringLiteral("qlumpy: ") + c.bytes.arg(largeScript) + QLatin1Char('\n'))
            << c.language;
    }
}
#endif
