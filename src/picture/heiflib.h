#pragma once

// What the HEIF units share of libheif: handles, opening a file, its colour profile and how its
// planes make colours. Only for a build with libheif.

#include "core/cancel.h"
#include "picture/heifboxes.h"

#include <QByteArray>
#include <QColorSpace>
#include <QImage>
#include <QString>

#include <libheif/heif.h>

#include <memory>

namespace velmira::picture::heif {

struct ContextFree {
    void operator()(heif_context* context) const { heif_context_free(context); }
};
struct HandleRelease {
    void operator()(heif_image_handle* handle) const { heif_image_handle_release(handle); }
};
struct ImageRelease {
    void operator()(heif_image* image) const { heif_image_release(image); }
};
using Context = std::unique_ptr<heif_context, ContextFree>;
using Handle = std::unique_ptr<heif_image_handle, HandleRelease>;

// libheif's reason, in a sentence of our own.
QString reasonOf(const heif_error& error);

// The file read from its bytes (never copied: the bytes outlive it) and its primary picture.
struct Opened {
    Context context;
    Handle handle;
    QString error;
};
Opened openHeif(const QByteArray& bytes);

// The colour space the picture's profile names; invalid where it names none, or sRGB, or its
// ICC profile is of another colour model than the picture's red, green and blue (a grey one).
QColorSpace colourSpaceOf(const heif_image_handle* handle);

// How a picture's luma and colour differences make red, green and blue: the matrix and range
// its profile names (libheif's own default where it names none: BT.601, full range).
struct YCbCrMatrix {
    double kr = 0.299;
    double kb = 0.114;
    bool fullRange = true;
};

// How the planes as the file stores them make colours: as its own profile says.
YCbCrMatrix storedMatrix(const heif_image_handle* handle);

// How the decoded planes make colours: as the decoded picture's own profile says where libheif
// gives it one (a newer libheif hands back planes it has already converted, and says so), as
// the file's says where it gives none (an older one hands them back as stored).
YCbCrMatrix planesMatrix(const heif_image* decoded, const heif_image_handle* handle);

// The colour of a block from the sums of its luma and colour differences, `each` being one
// over the number of its pixels.
QRgb averagedColour(const quint32* sum, float each, const YCbCrMatrix& matrix);

// The planes of an 8-bit 4:2:0 picture.
struct Planes {
    const uint8_t* y = nullptr;
    const uint8_t* cb = nullptr;
    const uint8_t* cr = nullptr;
    int yStride = 0, cbStride = 0, crStride = 0;
    int width = 0, height = 0;
};

// A picture turned and mirrored as its headers say, in their order.
QImage transformedBy(QImage image, const std::vector<int>& transforms);

// A grid of 8-bit 4:2:0 tiles averaged tile by tile into the reduced picture, each tile decoded
// on its own and let go: the whole picture never exists, at any size (a phone's 48-megapixel
// photo, or a small file naming one tile ten thousand times). Null where a tile is not such a
// tile (the picture is then decoded whole), with `problem` set where it cannot be read at all.
QImage averagedTiles(const QByteArray& bytes, const heif_image_handle* grid,
                     const HeifHeaders& headers, const CancelCheck& cancel, QString* problem);

}  // namespace velmira::picture::heif
