// JPEG pictures, read by Qt's reader (libjpeg), which decodes straight at a smaller size.

#include "picture/pictureformat.h"
#include "picture/qtreader.h"

#include <QCoreApplication>
#include <QtEndian>

#include <optional>

namespace velmira::picture {

namespace {

QString cutShort() {
    return QCoreApplication::translate("velmira::picture::PictureCost",
                                       "the JPEG picture is cut short");
}

// A frame header's fields (SOF0 to SOF15 but DHT, JPG and DAC), by offset from its marker.
namespace JpegLayout {
constexpr qint64 Length = 2;
constexpr qint64 Height = 5;
constexpr qint64 Width = 7;
constexpr qint64 Components = 9;
constexpr qint64 FirstComponent = 10;
constexpr qint64 ComponentSize = 3;
}  // namespace JpegLayout

// What the frame header says: the size, and for a progressive picture the coefficients
// libjpeg holds for the whole picture while it decodes (two bytes each, 64 a block).
struct JpegFrame {
    QSize size;
    qint64 coefficientBytes = 0;
};

std::optional<JpegFrame> frameOf(const QByteArray& bytes) {
    using namespace JpegLayout;
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    for (qint64 at = 2; at + 4 <= bytes.size();) {
        if (data[at] != 0xff)
            return std::nullopt;
        const uchar marker = data[at + 1];
        if (marker == 0xff) {  // fill bytes before a marker
            ++at;
            continue;
        }
        const qint64 length = qFromBigEndian<quint16>(data + at + Length);
        const bool frame =
            marker >= 0xc0 && marker <= 0xcf && marker != 0xc4 && marker != 0xc8 && marker != 0xcc;
        if (frame) {
            if (at + FirstComponent > bytes.size())
                return std::nullopt;
            JpegFrame result;
            const int width = qFromBigEndian<quint16>(data + at + Width);
            const int height = qFromBigEndian<quint16>(data + at + Height);
            result.size = QSize(width, height);
            const int components = data[at + Components];
            const bool progressive =
                marker == 0xc2 || marker == 0xc6 || marker == 0xca || marker == 0xce;
            if (!progressive)
                return result;
            int hMax = 1, vMax = 1;
            const qint64 first = at + FirstComponent;
            if (first + components * ComponentSize > bytes.size())
                return std::nullopt;
            for (int c = 0; c < components; ++c) {
                const uchar sampling = data[first + c * ComponentSize + 1];
                hMax = std::max(hMax, sampling >> 4);
                vMax = std::max(vMax, sampling & 15);
            }
            for (int c = 0; c < components; ++c) {
                const uchar sampling = data[first + c * ComponentSize + 1];
                const qint64 across = (qint64{width} * std::max(1, sampling >> 4) / hMax + 7) / 8;
                const qint64 down = (qint64{height} * std::max(1, sampling & 15) / vMax + 7) / 8;
                // Padded to whole MCUs: a block more each way at most.
                result.coefficientBytes += (across + 1) * (down + 1) * 128;
            }
            return result;
        }
        if (marker == 0xda || length < 2)
            return std::nullopt;
        at += 2 + length;
    }
    return std::nullopt;
}

class JpegFormat final : public PictureFormat {
  public:
    QByteArray kind() const override { return "jpeg"; }
    bool recognises(const QByteArray& bytes, const QByteArray&) const override {
        return bytes.startsWith("\xff\xd8\xff");
    }
    Result<PictureHeaders> readHeaders(const QByteArray& bytes, const QByteArray&) const override {
        // The last scan must be followed by the end-of-picture marker (inside the coded data a
        // 0xff byte is never followed by 0xda or 0xd9): Qt's reader fills the rest in grey.
        const qsizetype scan = bytes.lastIndexOf("\xff\xda");
        if (scan < 0 || bytes.indexOf("\xff\xd9", scan) < 0)
            return Result<PictureHeaders>::failure(cutShort());
        PictureHeaders headers;
        const auto frame = frameOf(bytes);
        headers.size = frame ? frame->size : qtHeaders(bytes, kind()).size;
        if (headers.size.isEmpty())
            return Result<PictureHeaders>::failure(QCoreApplication::translate(
                "velmira::picture::PictureCost", "the picture's size is not known"));
        return headers;  // turned by Qt's reader itself
    }
    Result<ReadCost> cost(const QByteArray& bytes, const PictureHeaders& headers,
                          QSize readAt) const override {
        // libjpeg decodes at the smallest of 1/8 .. 8/8 of the size that is not smaller than
        // readAt, in 32 bits a pixel; Qt scales that down with a copy.
        int eighths = 1;
        while (eighths < 8 && (qint64{headers.size.width()} * eighths / 8 < readAt.width() ||
                               qint64{headers.size.height()} * eighths / 8 < readAt.height()))
            ++eighths;
        const qint64 decoded = 4 * ((qint64{headers.size.width()} * eighths + 7) / 8) *
                               ((qint64{headers.size.height()} * eighths + 7) / 8);
        const auto frame = frameOf(bytes);
        ReadCost cost;
        cost.reduced = readAt != headers.size;
        cost.byQt = true;
        cost.bytes = decoded + 4 * qint64{readAt.width()} * readAt.height() +
                     (frame ? frame->coefficientBytes : 0) + 16 * qint64{headers.size.width()};
        return cost;
    }
    Result<QImage> read(const QByteArray& bytes, const PictureHeaders& headers, QSize readAt,
                        const CancelCheck& cancel) const override {
        return readByQt(bytes, kind(), headers.size, readAt, cancel);
    }
};

}  // namespace

const PictureFormat& jpegFormat() {
    static const JpegFormat format;
    return format;
}

}  // namespace velmira::picture
