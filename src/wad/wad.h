#pragma once

#include "core/result.h"
#include "spray/indexedpicture.h"

#include <QByteArray>
#include <QString>

#include <limits>
#include <vector>

class QIODevice;

namespace velmira::wad {

struct Lump {
    QString name;
    quint8 type = 0;
    QByteArray data;
};

// Builds a mip texture lump from a picture: mip 0 as given, mips 1 to 3 averaged from it.
QByteArray encodeMipTexture(const spray::IndexedPicture& picture, const QString& name);

// Builds a whole WAD3 file: header, the lumps padded to 4 bytes, the directory at the end.
QByteArray encodeWad(const std::vector<Lump>& lumps);

// Writes a WAD3 to a device; false with errorString filled on a failed write.
bool writeWad(QIODevice& device, const std::vector<Lump>& lumps, QString* errorString);

// Reads a WAD3's directory and its first maxLumps lumps, which together may hold no more bytes
// than the file. Survives any bytes.
Result<std::vector<Lump>> readWad(const QByteArray& bytes,
                                  quint32 maxLumps = std::numeric_limits<quint32>::max());

// Reads mip 0 and the palette of a mip texture lump. Survives any bytes.
Result<spray::IndexedPicture> readMipTexture(const QByteArray& lump);

// Whether a whole file is a spray the game engine takes (one lump, directory last, sizes).
Result<bool> checkSprayFile(const QByteArray& bytes);

}  // namespace velmira::wad
