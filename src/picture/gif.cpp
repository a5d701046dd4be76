// GIF pictures, read by Qt's reader: its first frame, on a canvas of the whole screen the file
// names.

#include "picture/pictureformat.h"
#include "picture/qtreader.h"

#include <QCoreApplication>

namespace velmira::picture {

namespace {

// Skips a GIF's data sub-blocks from `at`; false when they run past the end.
bool skipBlocks(const QByteArray& bytes, qint64& at) {
    for (;;) {
        if (at >= bytes.size())
            return false;
        const int length = static_cast<uchar>(bytes[at]);
        at += 1 + length;
        if (length == 0)
            return true;
    }
}

// The GIF's layout: the screen's size and flags, and each image descriptor's fields, by offset.
namespace GifLayout {
constexpr qint64 ScreenWidth = 6;
constexpr qint64 ScreenHeight = 8;
constexpr qint64 ScreenFlags = 10;
constexpr qint64 ScreenSize = 13;
constexpr qint64 DescriptorSize = 10;
constexpr uchar Extension = 0x21;
constexpr uchar Descriptor = 0x2c;
constexpr uchar Trailer = 0x3b;
}  // namespace GifLayout

class GifFormat final : public PictureFormat {
  public:
    QByteArray kind() const override { return "gif"; }
    bool recognises(const QByteArray& bytes, const QByteArray&) const override {
        return bytes.startsWith("GIF87a") || bytes.startsWith("GIF89a");
    }
    // Walked to its trailer: Qt's reader hands back what it could read of a cut-short file,
    // the rest filled in.
    Result<PictureHeaders> readHeaders(const QByteArray& bytes, const QByteArray&) const override {
        using namespace GifLayout;
        using Fail = Result<PictureHeaders>;
        const auto u16 = [&](qint64 at) {
            return static_cast<uchar>(bytes[at]) | (static_cast<uchar>(bytes[at + 1]) << 8);
        };
        if (bytes.size() < ScreenSize)
            return Fail::failure(QCoreApplication::translate("velmira::picture::PictureCost",
                                                             "the GIF picture is cut short"));
        PictureHeaders headers;
        headers.size = QSize(u16(ScreenWidth), u16(ScreenHeight));
        const auto tableSize = [](uchar flags) {
            return (flags & 0x80) ? 3 * (qint64{2} << (flags & 7)) : 0;
        };
        int frames = 0;
        qint64 at = ScreenSize + tableSize(static_cast<uchar>(bytes[ScreenFlags]));
        for (;;) {
            if (at >= bytes.size())
                return Fail::failure(QCoreApplication::translate("velmira::picture::PictureCost",
                                                                 "the GIF picture is cut short"));
            const uchar block = static_cast<uchar>(bytes[at]);
            if (block == Trailer)
                break;
            if (block == Extension) {
                at += 2;
            } else if (block == Descriptor) {
                if (at + DescriptorSize > bytes.size())
                    return Fail::failure(QCoreApplication::translate(
                        "velmira::picture::PictureCost", "the GIF picture is cut short"));
                const QSize frame(u16(at + 5), u16(at + 7));
                if (u16(at + 1) + frame.width() > headers.size.width() ||
                    u16(at + 3) + frame.height() > headers.size.height())
                    return Fail::failure(QCoreApplication::translate(
                        "velmira::picture::PictureCost",
                        "a frame of the GIF picture lies outside the picture"));
                ++frames;
                at += DescriptorSize + tableSize(static_cast<uchar>(bytes[at + 9])) + 1;
            } else {
                return Fail::failure(QCoreApplication::translate("velmira::picture::PictureCost",
                                                                 "the GIF picture is damaged"));
            }
            if (!skipBlocks(bytes, at))
                return Fail::failure(QCoreApplication::translate("velmira::picture::PictureCost",
                                                                 "the GIF picture is cut short"));
        }
        if (headers.size.isEmpty())
            return Fail::failure(QCoreApplication::translate("velmira::picture::PictureCost",
                                                             "the picture's size is not known"));
        headers.animated = frames > 1;
        return headers;
    }
    Result<ReadCost> cost(const QByteArray&, const PictureHeaders& headers,
                          QSize readAt) const override {
        // Qt's reader draws the frame onto a canvas of the screen's size and keeps it to draw
        // the next frame onto; the picture handed back shares it until it is averaged down.
        ReadCost cost;
        cost.byQt = true;
        cost.bytes = qtReadCost(8 * qint64{headers.size.width()} * headers.size.height(), readAt);
        return cost;
    }
    Result<QImage> read(const QByteArray& bytes, const PictureHeaders& headers, QSize readAt,
                        const CancelCheck& cancel) const override {
        return readByQt(bytes, kind(), headers.size, readAt, cancel,
                        QCoreApplication::translate("velmira::picture::PictureCost",
                                                    "the GIF picture is damaged"));
    }
};

}  // namespace

const PictureFormat& gifFormat() {
    static const GifFormat format;
    return format;
}

}  // namespace velmira::picture
