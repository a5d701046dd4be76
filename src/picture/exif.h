#pragma once

#include <QByteArray>
#include <QImage>

namespace velmira::picture {

// The orientation an Exif block's first directory gives (1 to 8; 1 when it gives none or the
// block is damaged): the tag phones write to say how a photo stored lying down is to be turned.
// The block may begin with "Exif\0\0"; no entry past the block's end is read, and at most
// kMaxExifEntries entries are looked at.
int exifOrientation(const QByteArray& exif);

// The most directory entries looked at for the orientation.
constexpr int kMaxExifEntries = 512;

// The first chunk of a WebP (a RIFF file) of this kind ("EXIF", "ICCP"), as far as the file
// holds it; empty when it has none.
QByteArray riffChunk(const QByteArray& bytes, const char* fourcc);

// The orientation a WebP file's EXIF chunk gives; 1 when it has none.
int webpOrientation(const QByteArray& bytes);

// A picture turned as its orientation tag (1 to 8) says, as every viewer shows it.
QImage orientedBy(QImage image, int orientation);

}  // namespace velmira::picture
