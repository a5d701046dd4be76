#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
#ifndef Q_OS_WIN
    // Offscreen here; the Windows build runs with its own "windows" platform (under Wine on a
    // virtual display: offscreen spins there).
    qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(velmira);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
