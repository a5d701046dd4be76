// A bare Qt window titled "bare window": what start-up costs before any of Velmira's own work,
// for comparing start-up times (scripts/check-windows-packages.sh).
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare window"));
    window.resize(353, 290);
    window.show();
    return QApplication::exec();
}
