// Prints, for every file under the folders given, a hash of the picture the door reads from it
// (its size and its ARGB32 pixels) or the reason it is refused: run by the build before a change
// to the readers and by the build after it, the two lists show every picture read differently.

#include "picture/readpicture.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDirIterator>
#include <QImage>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList files;
    for (const QString& folder : app.arguments().mid(1)) {
        QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            files << it.next();
    }
    files.sort();
    for (const QString& file : files) {
        const auto image = velmira::picture::readPicture(file);
        QByteArray line;
        if (image) {
            const QImage argb = image->convertToFormat(QImage::Format_ARGB32);
            QCryptographicHash hash(QCryptographicHash::Sha256);
            for (int y = 0; y < argb.height(); ++y)
                hash.addData(QByteArrayView(reinterpret_cast<const char*>(argb.constScanLine(y)),
                                            4 * qsizetype{argb.width()}));
            line = QByteArray::number(argb.width()) + "x" + QByteArray::number(argb.height()) +
                   " " + hash.result().toHex().left(16);
        } else {
            line = "refused";
        }
        std::printf("%s %s\n", qPrintable(file.section(QLatin1String("/tests/fixtures/"), 1)),
                    line.constData());
    }
    return 0;
}
