#pragma once

// What the tests of the spray library share: the main window over a library and a game
// folder, and the library's controls in it.

#include "helpers/separator.h"
#include "helpers/testenv.h"
#include "ui/categorycombo.h"
#include "ui/mainwindow.h"
#include "ui/previewwidget.h"
#include "ui/spraylist.h"

#include <QLabel>
#include <QStringList>

#include <gtest/gtest.h>

#include <memory>

namespace velmira::test {

// The main window over a spray library and a Half-Life folder built by the test.
class LibraryTest : public ::testing::Test {
  protected:
    TestEnv env;
    QString sprays = env.scratch.mkdir(QStringLiteral("Spray Library"));
    QString hl = env.scratch.mkdir(QStringLiteral("Half-Life"));
    std::unique_ptr<MainWindow> window;

    void SetUp() override {
        env.scratch.write(QStringLiteral("Spray Library/logo.bmp"), bitmap8(32, 16));
        env.scratch.write(QStringLiteral("Spray Library/Clan.Wad"), "WAD3");
        env.scratch.write(QStringLiteral("Spray Library/readme.txt"), "x");
        env.scratch.mkdir(QStringLiteral("Spray Library/folder.bmp"));
        for (const char* c : {"Zeta", "alpha", "Beta"})
            env.scratch.mkdir(QStringLiteral("Spray Library/") + QString::fromLatin1(c));
        env.scratch.mkdir(QStringLiteral("Spray Library/Beta/Old"));
        env.scratch.write(QStringLiteral("Spray Library/Beta/b.BMP"), bitmap8(16, 16));
        env.scratch.mkdir(QStringLiteral("Half-Life/valve/dlls"));
    }
    void open(bool withFolders = true) {
        if (withFolders) {
            env.settings.write(QStringLiteral("File Locations"), QStringLiteral("HLDir"), hl);
            env.settings.write(QStringLiteral("File Locations"), QStringLiteral("BMPDir"), sprays);
        }
        window = std::make_unique<MainWindow>(env.state, env.services, env.windows);
        window->Form_Load();
    }
    CategoryCombo* cats() { return window->findChild<CategoryCombo*>(QStringLiteral("comboCats")); }
    SprayFileList* files() { return window->findChild<SprayFileList*>(QStringLiteral("fileBMPs")); }
    // The preview once the worker has shown the latest choice.
    PreviewWidget* preview() {
        auto* shown = window->findChild<PreviewWidget*>(QStringLiteral("OLEpicture"));
        shown->waitForConversion();
        return shown;
    }
    QString label() { return window->findChild<QLabel*>(QStringLiteral("lblBMPDir"))->text(); }
    QStringList fileRows() {
        QStringList out;
        for (int i = 0; i < files()->count(); ++i)
            out << files()->item(i)->text();
        return out;
    }
    QStringList catRows() {
        QStringList out;
        for (int i = 0; i < cats()->count(); ++i)
            out << cats()->itemText(i);
        return out;
    }
    void chooseFile(const QString& name) {
        const auto found = files()->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << qPrintable(name);
        files()->setCurrentItem(found[0]);
    }
};

}  // namespace velmira::test
