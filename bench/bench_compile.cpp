// Compiling sprays: one in-process compile, and a whole "Create Sprays" pass against its floor.

#include "helpers/testenv.h"
#include "install/compiler.h"
#include "picture/readpicture.h"
#include "platform/files.h"
#include "spray/spray.h"
#include "ui/mainwindow.h"
#include "ui/modlist.h"
#include "ui/spraylist.h"
#include "wad/wad.h"

#include <QCoreApplication>
#include <QProcess>

#include <benchmark/benchmark.h>

using namespace velmira;
using namespace velmira::test;

namespace {

void CompileOneSpray112x128(benchmark::State& state) {
    Scratch scratch;
    const QString bmp = scratch.write(QStringLiteral("logo.bmp"), bitmap8(112, 128, 256));
    const QString lumpName = QStringLiteral("VELMR");
    for (auto _ : state) {
        const auto image = picture::readPicture(bmp);
        const auto spray = spray::makeSprayPicture(image.value(), std::nullopt, false);
        benchmark::DoNotOptimize(wad::encodeWad(
            {wad::Lump{lumpName, 0x43, wad::encodeMipTexture(spray->picture, lumpName)}}));
    }
}
BENCHMARK(CompileOneSpray112x128)->Unit(benchmark::kMicrosecond);

// An 8192 x 8192 RLE8 bitmap of runs that never end a row, as large as the size limit lets in
// (goal: decoded, and refused or used, in under a second).
void DecodeRunsPastTheRowEnd(benchmark::State& state) {
    QByteArray file = bitmap8(8192, 8192, 256).left(54 + 1024);
    file[30] = 1;  // RLE8
    const qsizetype runs = (picture::kMaxPictureFileSize - file.size()) / 2;
    QByteArray pixels(runs * 2, '\xff');
    file += pixels;
    for (auto _ : state)
        benchmark::DoNotOptimize(picture::decodePicture(file));
}
BENCHMARK(DecodeRunsPastTheRowEnd)->Unit(benchmark::kMillisecond)->Iterations(3);

constexpr int kMods = 51;

// 51 mods, each assigned its own bitmap spray, or all of them the same one.
struct PassFixture {
    TestEnv env;
    QString hl = env.scratch.mkdir(QStringLiteral("hl"));
    QString sprays = env.scratch.mkdir(QStringLiteral("sprays"));
    std::unique_ptr<MainWindow> window;
    explicit PassFixture(bool onePicture) {
        env.scratch.write(QStringLiteral("hl/hl.exe"), "MZ");
        for (int i = 0; i < kMods; ++i) {
            env.scratch.mkdir(QStringLiteral("hl/mod%1/dlls").arg(i, 2, 10, QLatin1Char('0')));
            env.scratch.write(QStringLiteral("sprays/s%1.bmp").arg(i, 2, 10, QLatin1Char('0')),
                              bitmap8(112, 128, 256));
        }
        const QString qlumpy = joinPath(QCoreApplication::applicationDirPath(), compilerFileName());
        QFile::copy(qlumpy, joinPath(env.services.programFolder, compilerFileName()));
        env.settings.write(QStringLiteral("File Locations"), QStringLiteral("HLDir"), hl);
        env.settings.write(QStringLiteral("File Locations"), QStringLiteral("BMPDir"), sprays);
        window = std::make_unique<MainWindow>(env.state, env.services, env.windows);
        window->Form_Load();
        auto* files = window->findChild<SprayFileList*>(QStringLiteral("fileBMPs"));
        auto* mods = window->findChild<ModListWidget*>(QStringLiteral("listMods"));
        for (int i = 0; i < kMods; ++i) {
            files->setCurrentRow(onePicture ? 0 : i);
            mods->clearSelection();
            mods->item(i)->setSelected(true);
            window->cmdApply_Click();
        }
    }
};

void CreateSpraysPass51Mods(benchmark::State& state) {
    PassFixture fixture(false);
    for (auto _ : state) {
        fixture.window->cmdCreate_Click();
        if (fixture.env.prompts.texts().last() != QStringLiteral("Spray(s) Created!"))
            state.SkipWithError("the pass did not succeed");
    }
}
BENCHMARK(CreateSpraysPass51Mods)->Unit(benchmark::kMillisecond);

// One picture for all 51 mods: compiled once, installed 51 times (goal: within 2x the floor).
void CreateSpraysPass51ModsOnePicture(benchmark::State& state) {
    PassFixture fixture(true);
    for (auto _ : state) {
        fixture.window->cmdCreate_Click();
        if (fixture.env.prompts.texts().last() != QStringLiteral("Spray(s) Created!"))
            state.SkipWithError("the pass did not succeed");
    }
}
BENCHMARK(CreateSpraysPass51ModsOnePicture)->Unit(benchmark::kMillisecond);

// The floor of a pass: 51 starts of a trivial program, and copying the same bytes.
void FloorOf51StartsAndCopies(benchmark::State& state) {
    Scratch scratch;
    QByteArray wad(14000, 'w');
    const QString source = scratch.write(QStringLiteral("s.wad"), wad);
    for (int i = 0; i < kMods; ++i)
        scratch.mkdir(QStringLiteral("mod%1").arg(i));
    for (auto _ : state) {
        for (int i = 0; i < kMods; ++i) {
            QProcess p;
            p.start(QStringLiteral("/bin/true"), {});
            p.waitForFinished();
            const QString copy = scratch.path(QStringLiteral("mod%1/pldecal.wad").arg(i));
            QFile::remove(copy);
            QFile::copy(source, copy);
        }
    }
}
BENCHMARK(FloorOf51StartsAndCopies)->Unit(benchmark::kMillisecond);

}  // namespace
