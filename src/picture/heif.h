#pragma once

#include "core/cancel.h"
#include "core/result.h"

#include <QByteArray>
#include <QImage>
#include <QStringList>

#include <utility>
#include <vector>

namespace velmira::wad {

// HEIF pictures: the iPhone's HEIC, and AVIF where the library decodes it. Read with libheif
// where the program was built with it; a build without it reads none and lists none.

// The extensions of the HEIF pictures this build reads (lower case; empty without libheif).
QStringList heifExtensions();

// Whether the bytes begin as a HEIF file does (its "ftyp" box names a HEIF brand).
bool isHeif(const QByteArray& bytes);

// What a HEIF file's boxes say of its primary picture, read without decoding anything or
// handing the file to libheif: what reading it will cost is known from these.
struct HeifHeaders {
    QSize size;           // upright
    int bits = 8;         // the most bits a channel has
    bool alpha = false;   // a picture of its opacity goes with it
    bool grid = false;    // joined from tiles
    int tiles = 0;        // a grid's cells
    QSize tile;           // a grid tile's size
    QByteArray iccModel;  // the colour profile's colour model ("RGB ", "GRAY"), if it has one
    QSize stored;         // as stored, before it is turned
    std::vector<quint32> tileIds;  // a grid's tiles, row by row
    // What decodes one tile on its own: the tiles' decoder configuration (the whole hvcC or av1C
    // box), their kind ("hvc1", "av01") and where each one's coded data lies.
    QByteArray tileConfig;
    QByteArray tileKind;
    std::vector<std::pair<qint64, qint64>> tileData;
    // How it is turned and mirrored, in order: 1 to 3 quarter turns anticlockwise, or -1
    // (left and right swapped) or -2 (top and bottom swapped).
    std::vector<int> transforms;
    // Whether it is read tile by tile into the reduced picture, never whole: a grid of 8-bit
    // tiles without alpha, as many as its size needs.
    bool readByTiles() const;
};
Result<HeifHeaders> readHeifHeaders(const QByteArray& bytes);

// Whether decoded planes hold what is read from them: a picture of at least one pixel, and
// colour planes of at least half its width and height, rounded up (4:2:0; an RGB picture's
// planes are all of its size).
bool planesFit(QSize luma, QSize cb, QSize cr);

// Which nclx profile says how libheif's decoded planes make colours: the decoded picture's
// own where it has one (a newer libheif converts the planes and says so), else the file's.
enum class PlanesProfile { Decoded, File, None };
PlanesProfile planesProfile(bool decodedHasNclx, bool fileHasNclx);

// The primary picture's size, upright, from the file's boxes (nothing is decoded), or why it
// cannot be read.
Result<QSize> checkHeif(const QByteArray& bytes);

// The primary picture of a HEIF file, upright (its rotation and mirroring applied), converted
// to sRGB from its colour profile, and at most kMaxReadPixels (a larger one is made smaller
// as soon as it is decoded). Refused with the reason when it cannot be read.
Result<QImage> decodeHeif(const QByteArray& bytes, const CancelCheck& cancel = {});

}  // namespace velmira::wad
