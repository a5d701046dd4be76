#include "testenv.h"

#include <QCoreApplication>
#include <QtEndian>

namespace velmira::test {

QString binaryFolder() { return QDir::toNativeSeparators(QCoreApplication::applicationDirPath()); }

namespace {
void put32(QByteArray& b, quint32 v) {
    char c[4];
    qToLittleEndian(v, c);
    b.append(c, 4);
}
void put16(QByteArray& b, quint16 v) {
    char c[2];
    qToLittleEndian(v, c);
    b.append(c, 2);
}
}  // namespace

QByteArray bitmap8(int width, int height, int colours) {
    const int stride = (width + 3) & ~3;
    const quint32 pixelsAt = 14 + 40 + 4 * 256;
    QByteArray b("BM");
    put32(b, pixelsAt + static_cast<quint32>(stride * height));
    put32(b, 0);
    put32(b, pixelsAt);
    put32(b, 40);
    put32(b, static_cast<quint32>(width));
    put32(b, static_cast<quint32>(height));
    put16(b, 1);
    put16(b, 8);
    put32(b, 0);
    put32(b, static_cast<quint32>(stride * height));
    put32(b, 2835);
    put32(b, 2835);
    put32(b, 256);
    put32(b, 0);
    for (int i = 0; i < 256; ++i) {
        // B G R reserved; distinct greys and tints
        b.append(static_cast<char>(i));
        b.append(static_cast<char>(255 - i));
        b.append(static_cast<char>((i * 7) & 0xff));
        b.append('\0');
    }
    for (int row = height - 1; row >= 0; --row) {  // bottom-up
        QByteArray line(stride, '\0');
        for (int x = 0; x < width; ++x)
            line[x] = static_cast<char>((x + row) % colours);
        b.append(line);
    }
    return b;
}

}  // namespace velmira::test
