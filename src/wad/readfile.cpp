#include "readfile.h"

#include <QFile>
#include <QFileInfo>

namespace velmira::wad {

bool isRegularFile(const QString& path) {
    // QFileInfo follows links; a link to a device or a FIFO is not a file.
    const QFileInfo info(path);
    return !path.isEmpty() && info.isFile();
}

Result<QByteArray> readRegularFile(const QString& path, qint64 maxBytes) {
    using Fail = Result<QByteArray>;
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        return Fail::failure(QStringLiteral("%1 does not exist").arg(path));
    if (!info.isFile())
        return Fail::failure(QStringLiteral("%1 is not a regular file").arg(path));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Fail::failure(QStringLiteral("cannot open %1: %2").arg(path, file.errorString()));
    // Bounded by what is read, never by what the file says its size is.
    QByteArray bytes;
    char buffer[64 * 1024];
    for (;;) {
        const qint64 got = file.read(buffer, sizeof buffer);
        if (got < 0)
            return Fail::failure(
                QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
        if (got == 0)
            break;
        if (bytes.size() + got > maxBytes)
            return Fail::failure(
                QStringLiteral("%1 is larger than %2 bytes").arg(path).arg(maxBytes));
        bytes.append(buffer, static_cast<qsizetype>(got));
    }
    return bytes;
}

}  // namespace velmira::wad
