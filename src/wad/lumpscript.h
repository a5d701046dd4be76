#pragma once

#include "core/result.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace velmira::wad {

// One lump line: NAME miptex x y w h (x = -1 takes the whole bitmap).
struct LumpLine {
    QString name;
    QString type;
    int x = -1;
    int y = -1;
    int width = -1;
    int height = -1;
    QString bitmap;  // the $loadbmp in force for this lump
};

struct LumpScript {
    QString destination;
    std::vector<LumpLine> lumps;
};

// Reads a lump script. Survives any bytes; a script without $DEST, without a bitmap before its
// first lump, with an unterminated quote, a bad number or a name of 16 characters or more fails
// with a reason.
Result<LumpScript> parseLumpScript(const QByteArray& text);

}  // namespace velmira::wad
