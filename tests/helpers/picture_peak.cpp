// Reads one picture through the door and prints the plan's cost, the kernel's high-water mark
// of this process's memory (less what it held before the file was read) and the time: the
// measure of a plan, taken in a process of its own so that nothing else counts.
//   picture_peak FILE

#include "picture/picturecost.h"
#include "picture/readfile.h"
#include "picture/readpicture.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>

namespace {

// A line of /proc/self/status, in bytes.
qint64 statusBytes(const char* key) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(qsizetype(qstrlen(key))).trimmed().split(' ').first().toLongLong() *
                   1024;
    return -1;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2)
        return 2;
    const QString path = QString::fromLocal8Bit(argv[1]);
    // Every reader loaded and warmed first, on a picture of each kind too small to count.
    for (const char* kind : {"png", "jpeg", "gif", "webp", "tiff", "bmp"}) {
        QImage tiny(2, 2, QImage::Format_RGB32);
        tiny.fill(Qt::red);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        if (tiny.save(&buffer, kind))
            (void)velmira::picture::decodePicture(bytes);
    }
    const qint64 before = statusBytes("VmRSS:");
    QElapsedTimer timer;
    timer.start();
    const auto bytes =
        velmira::picture::readRegularFile(path, velmira::picture::kMaxPictureFileSize);
    if (!bytes)
        return 3;
    const QByteArray extension = QFileInfo(path).suffix().toLatin1();
    const auto plan = velmira::picture::planPictureRead(bytes.value(), extension);
    const auto image = velmira::picture::decodePicture(bytes.value(), extension);
    const qint64 millis = timer.elapsed();
    const qint64 peak = statusBytes("VmHWM:") - before;
    std::printf("planned %lld\npeak %lld\nmillis %lld\n", plan ? plan->cost : 0LL,
                static_cast<long long>(peak), static_cast<long long>(millis));
    if (image)
        std::printf("read %dx%d\n", image->width(), image->height());
    else
        std::printf("refused %s\n", qPrintable(image.error()));
    return 0;
}
