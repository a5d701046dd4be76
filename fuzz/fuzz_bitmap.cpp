// Feeds any bytes to the compiler as a bitmap: reading, fitting, colour reduction and the WAD.
#include "picture/readpicture.h"
#include "picture/tga.h"
#include "spray/maker.h"
#include "spray/spray.h"
#include "wad/compile.h"
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
    (void)velmira::picture::decodeTga(
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    // The spray maker's quick check must refuse whatever the reader refuses.
    const auto checked = velmira::picture::checkPicture(bytes, "bmp");
    const auto image = velmira::picture::readPicture(path);
    if (!image)
        return 0;
    if (!checked)
        __builtin_trap();
    // The spray maker's picture work, framed off-centre and see-through by a colour.
    if (image->width() <= 512 && image->height() <= 512) {
        const velmira::spray::MakerSource source(image.value());
        velmira::spray::MakerChoices choices;
        choices.zoom = 0.75;
        choices.centre = QPointF(image->width() / 3.0, image->height() / 2.0);
        choices.quarterTurns = static_cast<int>(size % 4);
        choices.seeThrough = static_cast<velmira::spray::SeeThrough>(size % 4);
        choices.removeFringe = true;
        choices.oneColour = size % 3 == 0;
        const auto made = velmira::wad::makeSpray(source, choices);
        if (made && made->error.isEmpty() && !velmira::wad::checkSprayFile(made->wad))
            __builtin_trap();  // a spray the maker lets be saved must be one the game uses
    }
    const QString lumpName = QStringLiteral("VELMR");
    const auto spray = velmira::spray::makeSprayPicture(image.value(), std::nullopt, size % 2 == 0);
    if (spray) {
        const QByteArray wad = velmira::wad::encodeWad({velmira::wad::Lump{
            lumpName, 0x43, velmira::wad::encodeMipTexture(spray->picture, lumpName)}});
        if (!velmira::wad::checkSprayFile(wad))
            __builtin_trap();  // the compiler must never write a WAD the engine refuses
    }
    return 0;
}
