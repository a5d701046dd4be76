// Stands in for the lump compiler in tests. Its behaviour is chosen by the file "mode" beside
// it; it always writes its arguments to args.txt first.
//   hang     never ends
//   crash    aborts without writing anything
//   nothing  ends at once, writes nothing
//   record   ends at once, writes nothing (the arguments are all a test wants)
//   good     writes good.wad to the destination, adds a line to runs.txt, exits with 0
//   exit3    writes good.wad (beside it) to the script's destination, then exits with 3
//   half     writes half of good.wad to the destination, then aborts
//   garbage  writes 5,000 bytes that start like a WAD, exits with 0
//   spawn    starts a child that records its process id in child.pid and never ends, then hangs
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QThread>

#include <cstdlib>

#ifndef Q_OS_WIN
#include <unistd.h>
#endif

namespace {

QByteArray readAll(const QString& path) {
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
}

// The path between the quotes of the script's $DEST line.
QString destinationOf(const QString& script) {
    for (const QByteArray& line : readAll(script).split('\n')) {
        if (!line.startsWith("$DEST"))
            continue;
        const int open = line.indexOf('"');
        const int close = line.indexOf('"', open + 1);
        return QString::fromLocal8Bit(line.mid(open + 1, close - open - 1));
    }
    return QString();
}

[[noreturn]] void hang() {
    for (;;)
        QThread::sleep(60);
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QDir folder(QCoreApplication::applicationDirPath());
    const QByteArray mode = readAll(folder.filePath(QStringLiteral("mode"))).trimmed();
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    writeAll(folder.filePath(QStringLiteral("args.txt")),
             arguments.join(QLatin1Char('\n')).toUtf8());
    const QString destination = arguments.isEmpty() ? QString() : destinationOf(arguments[0]);
    const QByteArray good = readAll(folder.filePath(QStringLiteral("good.wad")));
    if (mode == "hang")
        hang();
    if (mode == "crash")
        std::abort();
    if (mode == "good") {
        writeAll(destination, good);
        QFile runs(folder.filePath(QStringLiteral("runs.txt")));
        runs.open(QIODevice::Append);
        runs.write("run\n");
        return 0;
    }
    if (mode == "exit3") {
        writeAll(destination, good);
        return 3;
    }
    if (mode == "half") {
        writeAll(destination, good.left(good.size() / 2));
        std::abort();
    }
    if (mode == "garbage") {
        QByteArray bytes("WAD3");
        while (bytes.size() < 5000)
            bytes.append(static_cast<char>(QRandomGenerator::global()->bounded(256)));
        writeAll(destination, bytes);
        return 0;
    }
#ifndef Q_OS_WIN
    if (mode == "spawn") {
        const QString pidFile = folder.filePath(QStringLiteral("child.pid"));
        if (fork() == 0) {
            writeAll(pidFile + QStringLiteral(".part"),
                     QByteArray::number(static_cast<qint64>(getpid())));
            QFile::rename(pidFile + QStringLiteral(".part"), pidFile);
            hang();
        }
        hang();
    }
#endif
    return 0;
}
