// Feeds any bytes to the parsers that walk a picture's own structures before anything is
// decoded: the Exif block's first directory, a WebP's chunks and a HEIF file's boxes; and the
// inflater and row reader of the PNGs Qt would decode whole.
#include "picture/exif.h"
#include "picture/heif.h"
#include "picture/pngstream.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // A copy of exactly the bytes given: a read one past their end is caught.
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    (void)velmira::picture::exifOrientation(bytes);
    (void)velmira::picture::webpOrientation(bytes);
    (void)velmira::picture::readHeifHeaders(bytes);
    (void)velmira::picture::inflateStream(bytes, [](const uchar*, qint64) { return true; });
    (void)velmira::picture::decodePngReduced(bytes, QSize(7, 5));
    return 0;
}
