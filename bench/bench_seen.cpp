// Sprays Seen in Games on many mods' caches: what the window costs while it reads 60 caches of
// 4 MB, and while it keeps 4,000 sprays in the library. Each reports the process's peak
// resident memory during the run (peak_mb, reset before it) and the window's longest hold
// (hold_ms: the longest time the event loop did not turn, measured by a timer of 0 ms).

#include "helpers/testenv.h"
#include "holdmeter.h"
#include "library/seensave.h"
#include "ui/seendialog.h"

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QListView>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>

using namespace velmira;
using namespace velmira::test;
using namespace velmira::bench;

namespace {

constexpr int kMods = 60;
constexpr int kSpraysPerCache = 200;  // distinct 112 x 128 sprays of about 20 KB: 4 MB a cache
constexpr int kLargeCaches = 6;
constexpr int kSpraysPerLargeCache = 2850;  // 57 MB a cache

// `mods` mods, each with a cache of `sprays` sprays none of the others holds; written once.
QString cachesOf(int mods, int sprays) {
    const QString game =
        QDir::tempPath() + QStringLiteral("/velmira-bench/seen-%1x%2").arg(mods).arg(sprays);
    for (int m = 0; m < mods; ++m) {
        const QString folder = game + QStringLiteral("/mod%1").arg(m, 2, 10, QLatin1Char('0'));
        const QString path = folder + QStringLiteral("/custom.hpk");
        if (QFileInfo::exists(path))
            continue;
        QDir().mkpath(folder);
        std::vector<HpkEntry> entries;
        entries.reserve(static_cast<std::size_t>(sprays));
        for (int i = 0; i < sprays; ++i) {
            // Each spray its own: three pixels carry its number and its mod's.
            QByteArray spray = sprayWad(112, 128, 0);
            spray[12 + 40] = static_cast<char>(i % 200);
            spray[12 + 41] = static_cast<char>(i / 200);
            spray[12 + 42] = static_cast<char>(m);
            entries.push_back(HpkEntry{spray});
        }
        const QByteArray bytes = hpkOf(entries);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return QString();
    }
    return game;
}

// 60 mods, each with a 4 MB cache.
QString sixtyCaches() {
    return cachesOf(kMods, kSpraysPerCache);
}

QStringList modsOf(int count) {
    QStringList mods;
    for (int m = 0; m < count; ++m)
        mods << QStringLiteral("mod%1").arg(m, 2, 10, QLatin1Char('0'));
    return mods;
}

// From the request until every cache is read and shown, and the grid drawn with its pictures
// (goals: peak under 150 MB, no hold over 100 ms).
void listCaches(benchmark::State& state, int mods, int sprays) {
    const QString game = cachesOf(mods, sprays);
    if (game.isEmpty()) {
        state.SkipWithError("the caches were not written");
        return;
    }
    ScriptedPrompts prompts;
    LoadedWindows windows;
    double peak = 0;
    qint64 hold = 0;
    double holdCpu = 0;
    int shown = 0;
    for (auto _ : state) {
        resetPeak();
        HoldMeter meter;
        std::unique_ptr<SeenDialog> dialog;
        int read = 0;
        QTimer::singleShot(0, [&] {
            dialog = std::make_unique<SeenDialog>(
                game, modsOf(mods), [] { return QString(); }, nullptr, prompts, windows);
            QObject::connect(dialog.get(), &SeenDialog::cacheShown, [&] { ++read; });
            dialog->resize(900, 700);
            dialog->show();
        });
        if (!runUntil([&] { return read >= mods; }))
            state.SkipWithError("the caches were not all read");
        // The pictures the grid shows arrive after.
        runUntil([] { return false; }, 1);
        hold = std::max(hold, meter.longest());
        holdCpu = std::max(holdCpu, meter.longestCpu());
        benchmark::DoNotOptimize(dialog->grab());
        shown = dialog->shownCount();
        peak = std::max(peak, peakMegabytes());
        dialog.reset();
    }
    state.counters["sprays"] = shown;
    state.counters["peak_mb"] = peak;
    state.counters["hold_ms"] = static_cast<double>(hold);
    state.counters["hold_cpu_ms"] = holdCpu;
}
void SeenSixtyCachesOf4Mb(benchmark::State& state) {
    listCaches(state, kMods, kSpraysPerCache);
}
BENCHMARK(SeenSixtyCachesOf4Mb)->Unit(benchmark::kMillisecond)->Iterations(3);

// Six mods with a 57 MB cache each, as Xash3D lets them grow (goal: peak under 150 MB).
void SeenSixCachesOf57Mb(benchmark::State& state) {
    listCaches(state, kLargeCaches, kSpraysPerLargeCache);
}
BENCHMARK(SeenSixCachesOf57Mb)->Unit(benchmark::kMillisecond)->Iterations(2);

// "Save to Library" of 4,000 chosen sprays (20 caches' worth) into an empty category, from the
// click until the last is saved.
void SeenSave4000ToLibrary(benchmark::State& state) {
    const QString game = sixtyCaches();
    ScriptedPrompts prompts;
    LoadedWindows windows;
    double peak = 0;
    qint64 hold = 0;
    double holdCpu = 0;
    for (auto _ : state) {
        state.PauseTiming();
        Scratch library;
        bool saved = false;
        SeenDialog dialog(
            game, modsOf(20), [&] { return library.path(); }, [&](const QString&) { saved = true; },
            prompts, windows);
        dialog.show();
        dialog.waitForLoading();
        if (dialog.shownCount() != 4000)
            state.SkipWithError("not 4,000 sprays");
        dialog.findChild<QListView*>(QStringLiteral("gridSeen"))->selectAll();
        state.ResumeTiming();
        resetPeak();
        HoldMeter meter;
        QTimer::singleShot(0, [&] { dialog.saveToLibrary(); });
        if (!runUntil([&] { return saved; }))
            state.SkipWithError("the sprays were not saved");
        hold = std::max(hold, meter.longest());
        holdCpu = std::max(holdCpu, meter.longestCpu());
        peak = std::max(peak, peakMegabytes());
        state.PauseTiming();
        if (QDir(library.path()).entryList(QDir::Files).size() != 4000)
            state.SkipWithError("not 4,000 files");
        state.ResumeTiming();
    }
    state.counters["peak_mb"] = peak;
    state.counters["hold_ms"] = static_cast<double>(hold);
    state.counters["hold_cpu_ms"] = holdCpu;
}
BENCHMARK(SeenSave4000ToLibrary)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace

namespace {

// The same 4,000 sprays saved by the worker's own loop, without the window: each read again
// from its cache, checked by its hash and written under a free name.
void SeenSave4000Alone(benchmark::State& state) {
    const QString game = sixtyCaches();
    SeenSprays seen;
    for (const QString& mod : modsOf(20))
        seen.add(readSeenCache(game, mod));
    if (seen.all().size() != 4000)
        state.SkipWithError("not 4,000 sprays");
    for (auto _ : state) {
        state.PauseTiming();
        Scratch library;
        state.ResumeTiming();
        const SeenSaveOutcome outcome =
            saveSeenSprays(seen.all(), library.path(), SeenSaveAs::Spray);
        if (outcome.saved != 4000)
            state.SkipWithError("not 4,000 saved");
    }
}
BENCHMARK(SeenSave4000Alone)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace
