#pragma once

#include "core/cancel.h"
#include "core/result.h"
#include "spray/maker.h"
#include "spray/spray.h"
#include "wad/lumpscript.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace velmira::wad {

// The name of the one lump of a spray's WAD.
inline const QString kSprayLumpName = QStringLiteral("VELMR");

// The bytes of a WAD holding one spray under this lump name: type 0x40 for a one-colour decal,
// 0x43 for a colour spray.
QByteArray sprayWad(const spray::SprayPicture& spray, const QString& lumpName);

// The spray the maker makes, as the compiler would keep it from the saved bitmap.
struct MadeSpray {
    spray::SprayPicture spray;
    QByteArray wad;   // the WAD the compiler makes of it
    int colours = 0;  // palette entries used (see-through not counted)
    QStringList warnings;
    QString error;  // set when the game would not use the spray: it cannot be saved
};
Result<MadeSpray> makeSpray(const spray::MakerSource& source, const spray::MakerChoices& choices,
                            const CancelCheck& cancel = {});

// Compiles a whole lump script into the bytes of its WAD.
Result<QByteArray> compileScript(const LumpScript& script, QString* note);

}  // namespace velmira::wad
