#pragma once

#include "core/result.h"

#include <QByteArray>
#include <QSize>

#include <utility>
#include <vector>

namespace velmira::picture {

// The largest side libheif is let read: what any camera takes, far below what would exhaust
// memory.
constexpr int kMaxHeifSide = 16384;

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

}  // namespace velmira::picture
