// Stands in for the lump compiler in tests. Its behaviour is chosen by its own file name's
// folder marker file "mode" beside it: hang, crash, nothing, or record (writes its arguments
// to args.txt and nothing else).
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QThread>

#include <cstdlib>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QDir folder(QCoreApplication::applicationDirPath());
    QFile modeFile(folder.filePath(QStringLiteral("mode")));
    modeFile.open(QIODevice::ReadOnly);
    const QByteArray mode = modeFile.readAll().trimmed();
    QFile args(folder.filePath(QStringLiteral("args.txt")));
    args.open(QIODevice::WriteOnly);
    args.write(QCoreApplication::arguments().mid(1).join(QLatin1Char('\n')).toUtf8());
    args.close();
    if (mode == "hang") {
        for (;;)
            QThread::sleep(60);
    }
    if (mode == "crash")
        std::abort();
    return 0;
}
