#pragma once

// What the tests of compiling and installing sprays share: the lump compiler put where the
// program looks for it (the real one, or a stand-in that hangs, crashes or writes nothing), and
// the main window over a Half-Life tree and a spray library.

#include "helpers/separator.h"
#include "helpers/testenv.h"
#include "install/compiler.h"
#include "platform/files.h"
#include "ui/categorycombo.h"
#include "ui/mainwindow.h"
#include "ui/modlist.h"
#include "ui/spraylist.h"

#include <QDir>
#include <QFile>
#include <QProgressBar>
#include <QPushButton>
#include <QStringList>
#include <QTest>

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>

namespace velmira::test {

inline void installProgram(const QString& from, const QString& folder) {
    const QString to = joinPath(folder, compilerFileName());
    QFile::remove(to);
    ASSERT_TRUE(QFile::copy(from, to));
    QFile::setPermissions(to, QFile::permissions(to) | QFileDevice::ExeOwner);
}

inline void useFakeCompiler(const TestEnv& env, const QByteArray& mode) {
    installProgram(QStringLiteral(VELMIRA_FAKE_COMPILER), env.services.programFolder);
    env.scratch.write(QStringLiteral("program/mode"), mode);
}

inline QByteArray readFile(const QString& path) {
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

inline QStringList tempFilesIn(const QString& folder) {
    return QDir(folder).entryList({QStringLiteral("rad*")}, QDir::Files);
}

// Apply, Clear and Create Sprays in the window over a Half-Life tree and a spray library.
class CreateSpraysTest : public ::testing::Test {
  protected:
    TestEnv env;
    QString hl = env.scratch.mkdir(QStringLiteral("Half-Life"));
    QString sprays = env.scratch.mkdir(QStringLiteral("Sprays"));
    std::unique_ptr<MainWindow> window;
    const QByteArray teamWad = sprayWad(64, 64);

    void SetUp() override {
        env.scratch.write(QStringLiteral("Half-Life/hl.exe"), "MZ");
        for (const char* mod : {"cstrike", "dmc", "tfc", "valve"})
            env.scratch.mkdir(QStringLiteral("Half-Life/") + QString::fromLatin1(mod) +
                              QStringLiteral("/dlls"));
        env.scratch.write(QStringLiteral("Sprays/logo.bmp"), bitmap8(112, 128));
        env.scratch.write(QStringLiteral("Sprays/bad.bmp"), "not a bitmap at all");
        env.scratch.write(QStringLiteral("Sprays/Clan/team.wad"), teamWad);
        env.settings.write(QStringLiteral("File Locations"), QStringLiteral("HLDir"), hl);
        env.settings.write(QStringLiteral("File Locations"), QStringLiteral("BMPDir"), sprays);
        installProgram(QStringLiteral(VELMIRA_QLUMPY), env.services.programFolder);
        window = std::make_unique<MainWindow>(env.state, env.services, env.windows);
        window->Form_Load();
    }
    ModListWidget* mods() { return window->findChild<ModListWidget*>(QStringLiteral("listMods")); }
    QProgressBar* bar() { return window->findChild<QProgressBar*>(QStringLiteral("PBar")); }
    void selectMods(std::initializer_list<int> rows) {
        mods()->clearSelection();
        for (int r : rows)
            mods()->item(r)->setSelected(true);
    }
    void chooseCategory(int index) {
        auto* cats = window->findChild<CategoryCombo*>(QStringLiteral("comboCats"));
        cats->setCurrentIndex(index);
        emit cats->activated(index);
    }
    void chooseFile(const QString& name) {
        auto* files = window->findChild<SprayFileList*>(QStringLiteral("fileBMPs"));
        files->setCurrentItem(files->findItems(name, Qt::MatchExactly).value(0));
    }
    void apply(std::initializer_list<int> rows, int category, const QString& file) {
        chooseCategory(category);
        chooseFile(file);
        selectMods(rows);
        QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("cmdApply")),
                          Qt::LeftButton);
    }
    void create() {
        QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("cmdCreate")),
                          Qt::LeftButton);
    }
    QString installed(const QString& mod) {
        return hl + SEP + mod + SEP + QStringLiteral("pldecal.wad");
    }
};

}  // namespace velmira::test
