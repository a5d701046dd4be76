#include <QApplication>
#include <QGuiApplication>

#include <benchmark/benchmark.h>

namespace velmira::bench {
// Writes a benchmark's picture in a process of its own, so that making it counts in no
// benchmark's memory: `--make-picture KIND PATH`.
int makePicture(const QString& kind, const QString& path);
}  // namespace velmira::bench

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 4 && QByteArray(argv[1]) == "--make-picture") {
        QGuiApplication app(argc, argv);
        return velmira::bench::makePicture(QString::fromLocal8Bit(argv[2]),
                                           QString::fromLocal8Bit(argv[3]));
    }
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(velmira);
    ::benchmark::Initialize(&argc, argv);
    ::benchmark::RunSpecifiedBenchmarks();
    ::benchmark::Shutdown();
    return 0;
}
