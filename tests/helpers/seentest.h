#pragma once

// What the tests of Sprays Seen in Games share: a game folder whose mods' caches hold sprays
// seen on servers, and the window opened over it.

#include "helpers/separator.h"
#include "helpers/testenv.h"
#include "ui/seendialog.h"

#include <QByteArray>
#include <QFile>
#include <QStringList>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace velmira::test {

// A spray whose top-left 24 x 24 pixels are see-through (index 255).
inline QByteArray withClearCorner(QByteArray wad) {
    const int width = 64, pixels = 12 + 40;  // the WAD's header, then the lump's
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 24; ++x)
            wad[pixels + y * width + x] = static_cast<char>(255);
    return wad;
}

// A game folder whose mods' caches hold sprays seen on servers: cstrike and valve share one,
// dmc has no cache, tfc's is cut short (the game writing it).
class SeenTest : public ::testing::Test {
  protected:
    TestEnv env;
    QString hl = env.scratch.mkdir(QStringLiteral("Half-Life"));
    QString library = env.scratch.mkdir(QStringLiteral("Sprays"));
    const QByteArray shared = withClearCorner(sprayWad(64, 64, 1));
    const QByteArray wide = sprayWad(128, 96, 2);
    const QByteArray own = sprayWad(32, 32, 3);
    QStringList saved;

    void SetUp() override {
        env.scratch.write(QStringLiteral("Half-Life/cstrike/custom.hpk"),
                          hpkOf({{shared}, {wide}}));
        env.scratch.write(QStringLiteral("Half-Life/valve/custom.hpk"), hpkOf({{own}, {shared}}));
        env.scratch.mkdir(QStringLiteral("Half-Life/dmc"));
        env.scratch.write(QStringLiteral("Half-Life/tfc/custom.hpk"), hpkOf({{own}}).left(40));
    }
    std::unique_ptr<SeenDialog> open() {
        auto dialog = std::make_unique<SeenDialog>(
            hl, QStringList({"cstrike", "dmc", "tfc", "valve"}), [this] { return library; },
            [this](const QString& name) { saved << name; }, env.prompts, env.windows);
        dialog->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
        dialog->waitForLoading();
        return dialog;
    }
    QByteArray libraryFile(const QString& name) { return readFile(library + SEP + name); }
    static QByteArray readFile(const QString& path) {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }
};

}  // namespace velmira::test
