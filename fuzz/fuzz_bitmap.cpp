// Feeds any bytes to the compiler as a bitmap: reading, fitting, colour reduction and the WAD.
#include "wad/compile.h"
#include "wad/tga.h"
#include "wad/wad.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("input.bmp"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    file.close();
    // The TGA reader is chosen by name alone (TGA files have no signature).
    (void)velmira::wad::decodeTga(
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    const auto image = velmira::wad::readBitmap(path);
    if (!image)
        return 0;
    velmira::wad::LumpLine line;
    line.name = QStringLiteral("VELMR");
    const auto spray = velmira::wad::makeSprayPicture(image.value(), line, size % 2 == 0);
    if (spray) {
        const QByteArray wad = velmira::wad::encodeWad({velmira::wad::Lump{
            line.name, 0x43, velmira::wad::encodeMipTexture(spray->picture, line.name)}});
        if (!velmira::wad::checkSprayFile(wad))
            __builtin_trap();  // the compiler must never write a WAD the engine refuses
    }
    return 0;
}
