#include "compile.h"

#include "picture/readpicture.h"
#include "wad/layout.h"
#include "wad/wad.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>

#include <algorithm>
#include <vector>

namespace velmira::wad {

using namespace velmira::picture;
using namespace velmira::spray;

namespace {

// Whether every pixel of the spray is see-through: index 255 of a colour spray, opacity 0 of a
// one-colour decal.
bool showsNothing(const SprayPicture& spray) {
    const char clear = spray.oneColour ? '\0' : static_cast<char>(kTransparentIndex);
    return std::all_of(spray.picture.pixels.begin(), spray.picture.pixels.end(),
                       [clear](char index) { return index == clear; });
}

// The part of its bitmap a lump line names; none for the whole bitmap.
std::optional<QRect> areaOf(const LumpLine& line) {
    if (line.x == -1)
        return std::nullopt;
    return QRect(line.x, line.y, line.width, line.height);
}

// The type byte and entry 255 say the same: 0x40 one-colour, 0x43 colour.
Lump sprayLump(const SprayPicture& spray, const QString& lumpName) {
    return Lump{lumpName, spray.oneColour ? WadLayout::TypeDecal : WadLayout::TypeMipTexture,
                encodeMipTexture(spray.picture, lumpName)};
}
}  // namespace

QByteArray sprayWad(const SprayPicture& spray, const QString& lumpName) {
    return encodeWad({sprayLump(spray, lumpName)});
}

Result<MadeSpray> makeSpray(const MakerSource& source, const MakerChoices& choices,
                            const CancelCheck& cancel) {
    const auto framed = makeFramedSpray(source, choices, cancel);
    if (!framed)
        return Result<MadeSpray>::failure(framed.error());
    MadeSpray made{framed->spray,
                   sprayWad(framed->spray, kSprayLumpName),
                   framed->colours,
                   framed->warnings,
                   {}};
    if (const auto check = checkSprayFile(made.wad); !check)
        made.error = QCoreApplication::translate("velmira::wad::Maker",
                                                 "The game would not use this spray: %1")
                         .arg(check.error());
    else if (showsNothing(made.spray))
        made.error = QCoreApplication::translate(
            "velmira::wad::Maker",
            "Nothing of the picture shows: every pixel of this spray is see-through. Bring the "
            "picture into the frame, or make less of it see-through.");
    return made;
}

Result<QByteArray> compileScript(const LumpScript& script, QString* note) {
    std::vector<Lump> lumps;
    QStringList notes;
    for (const LumpLine& line : script.lumps) {
        const auto bitmap = readPicture(line.bitmap);
        if (!bitmap)
            return Result<QByteArray>::failure(bitmap.error());
        const bool transparentBlue = QFileInfo(line.bitmap).fileName().startsWith(QLatin1Char('{'));
        const auto spray = makeSprayPicture(bitmap.value(), areaOf(line), transparentBlue);
        if (!spray)
            return Result<QByteArray>::failure(
                QCoreApplication::translate("velmira::wad::Maker", "%1: %2",
                                            "the bitmap and what is wrong")
                    .arg(QFileInfo(line.bitmap).fileName(), spray.error()));
        notes << QStringLiteral("%1: %2").arg(line.name, spray->note);
        lumps.push_back(sprayLump(spray.value(), line.name));
    }
    if (note)
        *note = notes.join(QStringLiteral("; "));
    return encodeWad(lumps);
}

}  // namespace velmira::wad
