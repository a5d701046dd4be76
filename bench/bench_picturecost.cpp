// The picture budget measured: a table of pictures that cost much to read from little bytes,
// made here, each read through the door in a process of its own (tests' picture_peak), with
// the plan's cost, the kernel's high-water mark of that process and the time.
//   bench_picturecost [--before OTHER_PICTURE_PEAK] [--keep DIR]
// --before runs another build's helper on the same files too (the build before a change), so
// that both are in one table.

#include "helpers/costlypictures.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdio>

namespace {

QString megabytes(qint64 bytes) {
    return QString::number(static_cast<double>(bytes) / (1 << 20), 'f', 1);
}

QString cell(const velmira::test::MeasuredRead& m) {
    if (!m.ran)
        return QStringLiteral("(did not run)");
    const QString outcome = m.read
                                ? QStringLiteral("%1x%2").arg(m.size.width()).arg(m.size.height())
                                : QStringLiteral("refused: %1").arg(m.refusal.left(90));
    return QStringLiteral("plan %1 MB | peak %2 MB | %3 ms | %4")
        .arg(megabytes(m.planned), megabytes(m.peak))
        .arg(m.millis)
        .arg(outcome);
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString before = args.indexOf(QStringLiteral("--before")) > 0
                               ? args.value(args.indexOf(QStringLiteral("--before")) + 1)
                               : QString();
    QTemporaryDir temporary;
    const QString folder = args.indexOf(QStringLiteral("--keep")) > 0
                               ? args.value(args.indexOf(QStringLiteral("--keep")) + 1)
                               : temporary.path();
    QDir().mkpath(folder);
    int index = 0;
    for (const auto& picture : velmira::test::benchCostlyPictures()) {
        if (picture.bytes.isEmpty())
            continue;
        const QString file =
            QDir(folder).filePath(QStringLiteral("costly-%1.%2")
                                      .arg(index++)
                                      .arg(QString::fromLatin1(picture.extension)));
        QFile out(file);
        if (!out.open(QIODevice::WriteOnly) || out.write(picture.bytes) != picture.bytes.size())
            return 1;
        out.close();
        std::printf("%s (%s MB file)\n", qPrintable(picture.name),
                    qPrintable(megabytes(picture.bytes.size())));
        if (!before.isEmpty())
            std::printf("  before: %s\n",
                        qPrintable(cell(velmira::test::measureRead(before, file))));
        std::printf("  now:    %s\n", qPrintable(cell(velmira::test::measureRead(
                                          QStringLiteral(VELMIRA_PICTURE_PEAK), file))));
        std::fflush(stdout);
    }
    return 0;
}
