#pragma once

// Every window a player meets, opened with something in it, for the tests of what every player
// can use: the keyboard alone, a screen reader, a dark theme, a larger font.

#include "helpers/testenv.h"
#include "ui/aboutdialog.h"
#include "ui/locationsdialog.h"
#include "ui/mainwindow.h"
#include "ui/makerdialog.h"
#include "ui/seendialog.h"

#include <QApplication>
#include <QImage>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace velmira::test {

inline void settleWindow(QWidget* window) {
    window->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window)) << qPrintable(window->objectName());
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QCoreApplication::processEvents();
    }
}

// Closes whatever modal window a button opens (a colour chooser), so that the test goes on.
class ModalCloser : public QObject {
  public:
    ModalCloser() {
        m_timer.setInterval(20);
        QObject::connect(&m_timer, &QTimer::timeout, [] {
            if (QWidget* modal = QApplication::activeModalWidget())
                modal->close();
        });
        m_timer.start();
    }

  private:
    QTimer m_timer;
};

// Every window the tests look at, with something in it: a library with sprays, a game with two
// sprays of one size seen on servers, a picture to make a spray of.
class AccessTest : public ::testing::Test {
  protected:
    TestEnv env;
    QString hl = env.scratch.mkdir(QStringLiteral("Half-Life"));
    QString library = env.scratch.mkdir(QStringLiteral("Sprays"));
    QString picture;
    std::unique_ptr<MainWindow> main;
    std::unique_ptr<LocationsDialog> locations;
    std::unique_ptr<AboutDialog> about;
    std::unique_ptr<MakerDialog> maker;
    std::unique_ptr<SeenDialog> seen;

    void SetUp() override {
        env.scratch.write(QStringLiteral("Half-Life/hl.exe"), "MZ");
        env.scratch.mkdir(QStringLiteral("Half-Life/valve/dlls"));
        env.scratch.mkdir(QStringLiteral("Half-Life/cstrike/dlls"));
        env.scratch.write(QStringLiteral("Half-Life/cstrike/custom.hpk"),
                          hpkOf({{sprayWad(64, 64, 1)}, {sprayWad(64, 64, 2)}}));
        env.scratch.write(QStringLiteral("Sprays/a.bmp"), bitmap8(64, 64));
        env.scratch.write(QStringLiteral("Sprays/b.bmp"), bitmap8(32, 32));
        QImage blue(80, 60, QImage::Format_RGB32);
        blue.fill(qRgb(30, 120, 200));
        picture = env.scratch.path(QStringLiteral("picture.png"));
        ASSERT_TRUE(blue.save(picture, "PNG"));
        env.settings.write(QStringLiteral("File Locations"), QStringLiteral("HLDir"), hl);
        env.settings.write(QStringLiteral("File Locations"), QStringLiteral("BMPDir"), library);
        main = std::make_unique<MainWindow>(env.state, env.services, env.windows);
        main->Form_Load();
        settleWindow(main.get());
    }

    MainWindow* openMain() {
        settleWindow(main.get());
        return main.get();
    }
    LocationsDialog* openLocations() {
        locations = std::make_unique<LocationsDialog>(env.state, main->controls(), env.services,
                                                      env.windows, main.get());
        settleWindow(locations.get());
        return locations.get();
    }
    AboutDialog* openAbout() {
        about = std::make_unique<AboutDialog>(env.errors, env.windows);
        settleWindow(about.get());
        return about.get();
    }
    MakerDialog* openMaker(const QString& from = QString()) {
        maker = std::make_unique<MakerDialog>(from.isEmpty() ? picture : from, library, env.prompts,
                                              env.windows, [](const QString&) {});
        maker->waitForSpray();
        settleWindow(maker.get());
        return maker.get();
    }
    SeenDialog* openSeen() {
        seen = std::make_unique<SeenDialog>(
            hl, QStringList{QStringLiteral("cstrike"), QStringLiteral("valve")},
            [this] { return library; }, [](const QString&) {}, env.prompts, env.windows);
        seen->askPictureTarget = [](const QString&, bool) { return QString(); };
        seen->waitForLoading();
        settleWindow(seen.get());
        return seen.get();
    }

    struct Window {
        const char* name;
        QWidget* (*open)(AccessTest*);
    };
    static std::vector<Window> windows() {
        return {{"main window", [](AccessTest* t) -> QWidget* { return t->openMain(); }},
                {"File Locations", [](AccessTest* t) -> QWidget* { return t->openLocations(); }},
                {"About", [](AccessTest* t) -> QWidget* { return t->openAbout(); }},
                {"Make Spray", [](AccessTest* t) -> QWidget* { return t->openMaker(); }},
                {"Sprays Seen", [](AccessTest* t) -> QWidget* { return t->openSeen(); }}};
    }
};

}  // namespace velmira::test
