// "Check Sprays...": every check of 60 mods, as the window's worker runs them (goal: under
// 200 ms); the window itself on 60 and on 2,000 mods, with its peak memory (peak_mb) and its
// longest hold (hold_ms, and hold_cpu_ms: the window's thread's own time).

#include "game/spraycheck.h"
#include "helpers/testenv.h"
#include "holdmeter.h"
#include "install/held.h"
#include "ui/checkdialog.h"

#include <benchmark/benchmark.h>

using namespace velmira;
using namespace velmira::test;
using namespace velmira::bench;

namespace {

// A config.cfg as the game writes it: a few hundred binds and settings, Windows line ends.
QByteArray gameConfig(int mod) {
    QByteArray config =
        "// This file is overwritten whenever you change your user settings in "
        "the game.\r\nunbindall\r\n";
    for (int key = 0; key < 120; ++key)
        config += "bind \"k" + QByteArray::number(key) + "\" \"+attack; say hello\"\r\n";
    for (int setting = 0; setting < 250; ++setting)
        config += "setting_" + QByteArray::number(setting) + " \"" +
                  QByteArray::number(setting % 7) + "\"\r\n";
    config += mod % 3 ? "cl_allowupload \"1\"\r\n" : "cl_allowupload \"0\"\r\n";
    config +=
        "cl_allowdownload \"1\"\r\ncl_logofile \"lambda\"\r\ncl_logocolor "
        "\"#Valve_Orange\"\r\nexec userconfig.cfg\r\n";
    return config;
}

void CheckSpraysOf60Mods(benchmark::State& state) {
    TestEnv env;
    const QString hl = env.scratch.mkdir(QStringLiteral("hl"));
    const QByteArray spray = sprayWad(112, 128);
    std::vector<HpkEntry> seen;
    for (int i = 0; i < 20; ++i)
        seen.push_back({sprayWad(64, 64, i)});
    const QByteArray cache = hpkOf(seen);
    std::vector<SprayCheckInput> inputs;
    for (int i = 0; i < 60; ++i) {
        const QString mod = QStringLiteral("mod%1").arg(i, 2, 10, QLatin1Char('0'));
        const QString at = QStringLiteral("hl/") + mod + QLatin1Char('/');
        env.scratch.mkdir(at + QStringLiteral("dlls"));
        env.scratch.write(at + QStringLiteral("tempdecal.wad"), spray);
        env.scratch.write(at + QStringLiteral("config.cfg"), gameConfig(i));
        env.scratch.write(at + QStringLiteral("userconfig.cfg"), "cl_allowdownload 1\n");
        if (i % 2)
            env.scratch.write(at + QStringLiteral("autoexec.cfg"), "fps_max 100; echo hi\n");
        env.scratch.write(at + QStringLiteral("custom.hpk"), cache);
        inputs.push_back(SprayCheckInput{hl, mod, sprayHash(spray), QString(), false, {}});
    }
    int problems = 0;
    for (auto _ : state) {
        for (const SprayCheckInput& input : inputs) {
            const ModSprayCheck check = checkModSprays(input);
            for (const SprayCheckCell& cell : check.cells)
                problems += cell.state == SprayCheckCell::State::Problem;
        }
    }
    benchmark::DoNotOptimize(problems);
    if (checkModSprays(inputs.front()).cell(SprayCheck::Upload).state !=
        SprayCheckCell::State::Problem)
        state.SkipWithError("the first mod's uploads were not found off");
}
BENCHMARK(CheckSpraysOf60Mods)->Unit(benchmark::kMillisecond);

// The window opened on as many mods as the argument says, until every row is shown.
void CheckSpraysWindow(benchmark::State& state) {
    const auto mods = static_cast<int>(state.range(0));
    TestEnv env;
    const QString hl = env.scratch.mkdir(QStringLiteral("hl"));
    const QByteArray spray = sprayWad(112, 128);
    std::vector<SprayCheckInput> inputs;
    for (int i = 0; i < mods; ++i) {
        const QString mod = QStringLiteral("mod%1").arg(i, 4, 10, QLatin1Char('0'));
        const QString at = QStringLiteral("hl/") + mod + QLatin1Char('/');
        env.scratch.mkdir(at + QStringLiteral("dlls"));
        env.scratch.write(at + QStringLiteral("tempdecal.wad"), spray);
        env.scratch.write(at + QStringLiteral("config.cfg"), gameConfig(i));
        inputs.push_back(SprayCheckInput{hl, mod, QString(), QString(), false, {}});
    }
    SprayCheckActions actions;
    actions.inputs = [&] { return inputs; };
    actions.gameRunning = [] { return false; };
    for (auto _ : state) {
        resetPeak();
        HoldMeter hold;
        CheckSpraysDialog dialog(actions, env.prompts, env.windows);
        dialog.show();
        bool shown = false;
        QObject::connect(&dialog, &CheckSpraysDialog::checksShown, [&] { shown = true; });
        if (!runUntil([&] { return shown; }))
            state.SkipWithError("the checks were not shown within two minutes");
        state.counters["hold_ms"] = static_cast<double>(hold.longest());
        state.counters["hold_cpu_ms"] = hold.longestCpu();
        state.counters["peak_mb"] = peakMegabytes();
        if (dialog.rowCount() != mods)
            state.SkipWithError("not every mod was shown");
    }
}
BENCHMARK(CheckSpraysWindow)->Arg(60)->Arg(2000)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
