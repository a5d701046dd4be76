// Start-up to the first shown main window, and Refresh over a large library.

#include "game/mods.h"
#include "game/steam.h"
#include "helpers/testenv.h"
#include "install/held.h"
#include "platform/files.h"
#include "ui/mainwindow.h"

#include <QDir>
#include <QTest>

#include <benchmark/benchmark.h>

using namespace velmira;
using namespace velmira::test;

namespace {

void StartupToShownWindow(benchmark::State& state) {
    for (auto _ : state) {
        TestEnv env;  // an empty configuration
        MainWindow window(env.state, env.services, env.windows);
        window.Form_Load();
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            state.SkipWithError("the window was never shown");
        window.close();
    }
}
BENCHMARK(StartupToShownWindow)->Unit(benchmark::kMillisecond);

// A spray library of 2,000 sprays at its root and 200 categories, and a Half-Life folder of
// 300 sub-folders of which 60 are mods.
struct BigTree {
    Scratch scratch;
    QString sprays = scratch.mkdir(QStringLiteral("sprays"));
    QString hl = scratch.mkdir(QStringLiteral("hl"));
    BigTree() {
        for (int i = 0; i < 2000; ++i)
            scratch.write(QStringLiteral("sprays/spray%1.%2")
                              .arg(i)
                              .arg(i % 3 ? QStringLiteral("bmp") : QStringLiteral("wad")),
                          "x");
        for (int i = 0; i < 200; ++i)
            scratch.mkdir(QStringLiteral("sprays/category %1").arg(i));
        for (int i = 0; i < 300; ++i)
            scratch.mkdir(QStringLiteral("hl/folder%1").arg(i) +
                          (i % 5 == 0 ? QStringLiteral("/dlls") : QString()));
    }
};

BigTree& bigTree() {
    static BigTree tree;
    return tree;
}

void RefreshLargeLibrary(benchmark::State& state) {
    BigTree& tree = bigTree();
    TestEnv env;
    env.settings.write(QStringLiteral("File Locations"), QStringLiteral("HLDir"), tree.hl);
    env.settings.write(QStringLiteral("File Locations"), QStringLiteral("BMPDir"), tree.sprays);
    MainWindow window(env.state, env.services, env.windows);
    window.Form_Load();
    if (window.controls().mods.count() != 60 || window.controls().categories.count() != 201)
        state.SkipWithError("the tree was not listed as expected");
    for (auto _ : state)
        window.cmdRefresh_Click();
}
BENCHMARK(RefreshLargeLibrary)->Unit(benchmark::kMillisecond);

// What Refresh adds to show what 60 mods hold: each tempdecal.wad read, fingerprinted and drawn
// for its tooltip (goal: under 20 ms).
void HeldSpraysOf60Mods(benchmark::State& state) {
    TestEnv env;
    const QString hl = env.scratch.mkdir(QStringLiteral("hl"));
    const QByteArray spray = sprayWad(112, 128);
    for (int i = 0; i < 60; ++i) {
        const QString mod = QStringLiteral("mod%1").arg(i, 2, 10, QLatin1Char('0'));
        env.scratch.mkdir(QStringLiteral("hl/") + mod + QStringLiteral("/dlls"));
        env.scratch.write(QStringLiteral("hl/") + mod + QStringLiteral("/tempdecal.wad"), spray);
        if (i % 2)
            env.settings.write(kInstalledSection, mod, sprayHash(spray));
    }
    env.settings.write(QStringLiteral("File Locations"), QStringLiteral("HLDir"), hl);
    MainWindow window(env.state, env.services, env.windows);
    window.Form_Load();
    if (window.controls().mods.count() != 60)
        state.SkipWithError("the mods were not listed");
    for (auto _ : state)
        showHeldSprays(env.state, window.controls().mods, env.settings);
}
BENCHMARK(HeldSpraysOf60Mods)->Unit(benchmark::kMillisecond);

// The bare file-system work Refresh needs: list the spray folder's files and sub-folders, list
// the Half-Life folder and test each sub-folder's "dlls".
void BareFileSystemWork(benchmark::State& state) {
    BigTree& tree = bigTree();
    for (auto _ : state) {
        QDir sprays(tree.sprays);
        benchmark::DoNotOptimize(
            sprays.entryList({QStringLiteral("*.bmp"), QStringLiteral("*.wad")}, QDir::Files));
        benchmark::DoNotOptimize(sprays.entryList(QDir::Dirs | QDir::NoDotAndDotDot));
        int mods = 0;
        for (const QString& name : QDir(tree.hl).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            mods += folderExists(tree.hl + QDir::separator() + name + QDir::separator() +
                                 QStringLiteral("dlls"));
        benchmark::DoNotOptimize(mods);
    }
}
BENCHMARK(BareFileSystemWork)->Unit(benchmark::kMillisecond);

// Finding the game among 20 Steam library folders, the game in the last (goal: under 10 ms).
void FindGameAmong20SteamLibraries(benchmark::State& state) {
    Scratch home;
    home.mkdir(QStringLiteral(".local/share/Steam/steamapps"));
    QByteArray vdf = "\"libraryfolders\"\n{\n";
    for (int i = 0; i < 20; ++i) {
        home.mkdir(QStringLiteral("Library%1/steamapps/common").arg(i));
        vdf += "\t\"" + QByteArray::number(i) + "\"\n\t{\n\t\t\"path\"\t\t\"" +
               home.path(QStringLiteral("Library%1").arg(i)).toUtf8() + "\"\n\t}\n";
        if (i == 19)
            home.write(QStringLiteral("Library19/steamapps/common/Half-Life/hl.exe"), "MZ");
    }
    vdf += "}\n";
    home.write(QStringLiteral(".local/share/Steam/steamapps/libraryfolders.vdf"), vdf);
    const QStringList roots = steamRoots(home.path());
    for (auto _ : state) {
        if (findSteamHalfLife(roots).isEmpty())
            state.SkipWithError("the game was not found");
    }
}
BENCHMARK(FindGameAmong20SteamLibraries)->Unit(benchmark::kMillisecond);

// A 1 MB library list naming 56,355 libraries, none with the game (goal: under 100 ms).
void SearchA56355LibraryList(benchmark::State& state) {
    Scratch home;
    home.mkdir(QStringLiteral(".local/share/Steam/steamapps"));
    QByteArray vdf = "\"libraryfolders\"\n{\n";
    for (int i = 0; i < 56355; ++i)
        vdf += "\"path\" \"/l" + QByteArray::number(i) + "\"\n";
    vdf += "}\n";
    home.write(QStringLiteral(".local/share/Steam/steamapps/libraryfolders.vdf"), vdf);
    const QStringList roots = steamRoots(home.path());
    for (auto _ : state)
        benchmark::DoNotOptimize(findSteamHalfLife(roots));
}
BENCHMARK(SearchA56355LibraryList)->Unit(benchmark::kMillisecond);

}  // namespace
