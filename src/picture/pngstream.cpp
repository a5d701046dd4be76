#include "pngstream.h"

#include "picture/colourprofile.h"
#include "picture/reducedsums.h"

#include <QColorSpace>
#include <QCoreApplication>
#include <QtEndian>

#include <array>
#include <vector>

namespace velmira::picture {

namespace {

// A canonical Huffman code: how many codes of each length, and the symbols in code order.
struct Huffman {
    std::array<short, 16> count{};
    std::array<short, 320> symbol{};
};

// Builds a code from its symbols' lengths; false where the lengths over-subscribe it.
bool build(Huffman& h, const short* lengths, int n) {
    h.count.fill(0);
    for (int i = 0; i < n; ++i)
        ++h.count[static_cast<std::size_t>(lengths[i])];
    if (h.count[0] == n)
        return true;  // no codes: any use of it fails
    int left = 1;
    for (std::size_t len = 1; len < 16; ++len) {
        left <<= 1;
        left -= h.count[len];
        if (left < 0)
            return false;
    }
    std::array<short, 16> offsets{};
    for (std::size_t len = 1; len < 15; ++len)
        offsets[len + 1] = static_cast<short>(offsets[len] + h.count[len]);
    for (int i = 0; i < n; ++i)
        if (lengths[i] != 0)
            h.symbol[static_cast<std::size_t>(offsets[static_cast<std::size_t>(lengths[i])]++)] =
                static_cast<short>(i);
    return true;
}

constexpr std::array<short, 29> kLengthBase = {3,  4,  5,  6,   7,   8,   9,   10,  11, 13,
                                               15, 17, 19, 23,  27,  31,  35,  43,  51, 59,
                                               67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::array<short, 29> kLengthExtra = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                                2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr std::array<int, 30> kDistanceBase = {
    1,   2,   3,   4,   5,   7,    9,    13,   17,   25,   33,   49,   65,    97,    129,
    193, 257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr std::array<short, 30> kDistanceExtra = {0, 0, 0,  0,  1,  1,  2,  2,  3,  3,
                                                  4, 4, 5,  5,  6,  6,  7,  7,  8,  8,
                                                  9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

// Inflates raw deflate blocks into a 32 KB window, handing each full window (and the rest at
// the end) to the sink.
class Inflater {
  public:
    Inflater(const uchar* in, qint64 size, const std::function<bool(const uchar*, qint64)>& sink)
        : m_in(in), m_size(size), m_sink(sink), m_window(kWindow) {}

    QString run() {
        bool last = false;
        while (!last) {
            last = bits(1) != 0;
            const quint32 type = bits(2);
            bool ok = false;
            if (m_short)
                break;
            if (type == 0)
                ok = stored();
            else if (type == 1)
                ok = fixedBlock();
            else if (type == 2)
                ok = dynamicBlock();
            if (m_stopped)
                return QString();
            if (m_short)
                break;
            if (!ok)
                return QCoreApplication::translate("velmira::picture::Png",
                                                   "the compressed data is damaged");
        }
        if (m_short)
            return QCoreApplication::translate("velmira::picture::Png",
                                               "the compressed data is cut short");
        flush();
        return QString();
    }

  private:
    static constexpr qint64 kWindow = 32768;

    quint32 bits(int need) {
        quint64 value = m_bitBuffer;
        while (m_bitCount < need) {
            if (m_at >= m_size) {
                m_short = true;
                return 0;
            }
            value |= quint64{m_in[m_at++]} << m_bitCount;
            m_bitCount += 8;
        }
        m_bitBuffer = value >> need;
        m_bitCount -= need;
        return static_cast<quint32>(value & ((quint64{1} << need) - 1));
    }

    int decode(const Huffman& h) {
        int code = 0, first = 0, index = 0;
        for (std::size_t len = 1; len < 16; ++len) {
            code |= static_cast<int>(bits(1));
            if (m_short)
                return -1;
            const int count = h.count[len];
            if (code - count < first)
                return h.symbol[static_cast<std::size_t>(index + (code - first))];
            index += count;
            first += count;
            first <<= 1;
            code <<= 1;
        }
        return -1;
    }

    void put(uchar byte) {
        m_window[static_cast<std::size_t>(m_out % kWindow)] = byte;
        ++m_out;
        if (m_out % kWindow == 0)
            flush();
    }

    void flush() {
        const qint64 from = m_flushed % kWindow;
        const qint64 count = m_out - m_flushed;
        if (count > 0 && !m_stopped && !m_sink(m_window.data() + from, count))
            m_stopped = true;
        m_flushed = m_out;
    }

    bool stored() {
        m_bitBuffer = 0;
        m_bitCount = 0;
        if (m_at + 4 > m_size) {
            m_short = true;
            return false;
        }
        const quint32 length = m_in[m_at] | (quint32{m_in[m_at + 1]} << 8);
        const quint32 check = m_in[m_at + 2] | (quint32{m_in[m_at + 3]} << 8);
        m_at += 4;
        if (length != (~check & 0xffff))
            return false;
        if (m_at + length > m_size) {
            m_short = true;
            return false;
        }
        for (quint32 i = 0; i < length && !m_stopped; ++i)
            put(m_in[m_at + i]);
        m_at += length;
        return true;
    }

    bool codes(const Huffman& lengths, const Huffman& distances) {
        for (;;) {
            if (m_stopped)
                return true;
            const int symbol = decode(lengths);
            if (symbol < 0)
                return false;
            if (symbol < 256) {
                put(static_cast<uchar>(symbol));
                continue;
            }
            if (symbol == 256)
                return true;
            const auto index = static_cast<std::size_t>(symbol - 257);
            if (index >= kLengthBase.size())
                return false;
            const int length = kLengthBase[index] + static_cast<int>(bits(kLengthExtra[index]));
            const int code = decode(distances);
            if (code < 0 || code >= 30)
                return false;
            const auto d = static_cast<std::size_t>(code);
            const qint64 distance = kDistanceBase[d] + qint64{bits(kDistanceExtra[d])};
            if (m_short || distance > m_out)
                return false;
            for (int i = 0; i < length; ++i)
                put(m_window[static_cast<std::size_t>((m_out - distance) % kWindow)]);
        }
    }

    bool fixedBlock() {
        static const auto tables = [] {
            std::pair<Huffman, Huffman> t;
            std::array<short, 288> lengths{};
            for (std::size_t i = 0; i < 288; ++i)
                lengths[i] = i < 144 ? 8 : i < 256 ? 9 : i < 280 ? 7 : 8;
            build(t.first, lengths.data(), 288);
            std::array<short, 30> distances{};
            distances.fill(5);
            build(t.second, distances.data(), 30);
            return t;
        }();
        return codes(tables.first, tables.second);
    }

    bool dynamicBlock() {
        const int lengthCount = static_cast<int>(bits(5)) + 257;
        const int distanceCount = static_cast<int>(bits(5)) + 1;
        const int codeCount = static_cast<int>(bits(4)) + 4;
        if (m_short || lengthCount > 286 || distanceCount > 30)
            return false;
        static constexpr std::array<int, 19> kOrder = {16, 17, 18, 0, 8,  7, 9,  6, 10, 5,
                                                       11, 4,  12, 3, 13, 2, 14, 1, 15};
        std::array<short, 320> lengths{};
        for (int i = 0; i < codeCount; ++i)
            lengths[static_cast<std::size_t>(kOrder[static_cast<std::size_t>(i)])] =
                static_cast<short>(bits(3));
        Huffman codeCode;
        if (m_short || !build(codeCode, lengths.data(), 19))
            return false;
        lengths.fill(0);
        int index = 0;
        while (index < lengthCount + distanceCount) {
            int symbol = decode(codeCode);
            if (symbol < 0)
                return false;
            if (symbol < 16) {
                lengths[static_cast<std::size_t>(index++)] = static_cast<short>(symbol);
                continue;
            }
            short repeated = 0;
            int times = 0;
            if (symbol == 16) {
                if (index == 0)
                    return false;
                repeated = lengths[static_cast<std::size_t>(index - 1)];
                times = 3 + static_cast<int>(bits(2));
            } else if (symbol == 17) {
                times = 3 + static_cast<int>(bits(3));
            } else {
                times = 11 + static_cast<int>(bits(7));
            }
            if (m_short || index + times > lengthCount + distanceCount)
                return false;
            while (times-- > 0)
                lengths[static_cast<std::size_t>(index++)] = repeated;
        }
        if (lengths[256] == 0)
            return false;
        Huffman lengthCode, distanceCode;
        return build(lengthCode, lengths.data(), lengthCount) &&
               build(distanceCode, lengths.data() + lengthCount, distanceCount) &&
               codes(lengthCode, distanceCode);
    }

    const uchar* m_in;
    qint64 m_size;
    qint64 m_at = 0;
    quint64 m_bitBuffer = 0;
    int m_bitCount = 0;
    bool m_short = false;
    bool m_stopped = false;
    const std::function<bool(const uchar*, qint64)>& m_sink;
    std::vector<uchar> m_window;
    qint64 m_out = 0;
    qint64 m_flushed = 0;
};

}  // namespace

QString inflateStream(const QByteArray& zlib,
                      const std::function<bool(const uchar* bytes, qint64 count)>& sink) {
    if (zlib.size() < 2)
        return QCoreApplication::translate("velmira::picture::Png",
                                           "the compressed data is cut short");
    const auto cmf = static_cast<uchar>(zlib[0]);
    const auto flags = static_cast<uchar>(zlib[1]);
    if ((cmf & 0x0f) != 8 || (cmf >> 4) > 7 || (cmf * 256 + flags) % 31 != 0 || (flags & 0x20))
        return QCoreApplication::translate("velmira::picture::Png",
                                           "the compressed data is damaged");
    Inflater inflater(reinterpret_cast<const uchar*>(zlib.constData()) + 2, zlib.size() - 2, sink);
    return inflater.run();
}

namespace {

// Adam7's seven passes: where each starts and how far apart its pixels lie.
struct Pass {
    int x, y, dx, dy;
};
constexpr std::array<Pass, 7> kAdam7 = {{{0, 0, 8, 8},
                                         {4, 0, 8, 8},
                                         {0, 4, 4, 8},
                                         {2, 0, 4, 4},
                                         {0, 2, 2, 4},
                                         {1, 0, 2, 2},
                                         {0, 1, 1, 2}}};

int paeth(int a, int b, int c) {
    const int p = a + b - c;
    const int pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
    return pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
}

}  // namespace

Result<QImage> decodePngReduced(const QByteArray& bytes, QSize target, const CancelCheck& cancel) {
    using Fail = Result<QImage>;
    const QString damaged =
        QCoreApplication::translate("velmira::picture::Png", "the PNG picture is damaged");
    if (!bytes.startsWith("\x89PNG\r\n\x1a\n") || bytes.size() < 33)
        return Fail::failure(damaged);
    // The chunks: the header, the palette and its opacities, the colour profile, the data.
    QByteArray header, palette, opacity, data, icc;
    bool srgb = false;
    quint32 gamma = 0;
    for (qint64 at = 8; at + 12 <= bytes.size();) {
        const quint32 length = qFromBigEndian<quint32>(bytes.constData() + at);
        const QByteArray kind = bytes.mid(at + 4, 4);
        if (length > static_cast<quint64>(bytes.size() - at - 12))
            return Fail::failure(QCoreApplication::translate("velmira::picture::Png",
                                                             "the PNG picture is cut short"));
        const QByteArray body = bytes.mid(at + 8, length);
        if (kind == "IHDR")
            header = body;
        else if (kind == "PLTE")
            palette = body;
        else if (kind == "tRNS")
            opacity = body;
        else if (kind == "IDAT")
            data += body;
        else if (kind == "sRGB")
            srgb = true;
        else if (kind == "gAMA" && body.size() == 4)
            gamma = qFromBigEndian<quint32>(body.constData());
        else if (kind == "iCCP") {
            const qsizetype name = body.indexOf('\0');
            if (name >= 0 && name + 2 <= body.size())
                icc = body.mid(name + 2);
        } else if (kind == "IEND")
            break;
        at += 12 + length;
    }
    if (header.size() != 13)
        return Fail::failure(damaged);
    const quint32 width = qFromBigEndian<quint32>(header.constData());
    const quint32 height = qFromBigEndian<quint32>(header.constData() + 4);
    const int depth = static_cast<uchar>(header[8]);
    const int type = static_cast<uchar>(header[9]);
    const bool interlaced = header[12] != 0;
    const int channels = type == 0   ? 1
                         : type == 2 ? 3
                         : type == 3 ? 1
                         : type == 4 ? 2
                         : type == 6 ? 4
                                     : 0;
    const bool depthFits =
        type == 0   ? (depth == 1 || depth == 2 || depth == 4 || depth == 8 || depth == 16)
        : type == 3 ? (depth == 1 || depth == 2 || depth == 4 || depth == 8)
                    : (depth == 8 || depth == 16);
    if (width == 0 || height == 0 || width > 0x7fffffff || height > 0x7fffffff || channels == 0 ||
        !depthFits || header[10] != 0 || header[11] != 0 || static_cast<uchar>(header[12]) > 1 ||
        target.isEmpty() || target.width() > static_cast<int>(width) ||
        target.height() > static_cast<int>(height))
        return Fail::failure(damaged);
    if (type == 3 && (palette.isEmpty() || palette.size() % 3 != 0))
        return Fail::failure(damaged);
    // What the caller's plan allows at most: pixels to go through, and two rows held.
    if (qint64{width} * height > kMaxPngStreamPixels || qint64{width} * 8 > kMaxPngStreamPixels / 8)
        return Fail::failure(
            QCoreApplication::translate("velmira::picture::Png",
                                        "the picture is %1 \u00d7 %2 pixels, more than can be read")
                .arg(width)
                .arg(height));

    const QSize size(static_cast<int>(width), static_cast<int>(height));
    ReducedSums reduced(size, target);
    const int bitsPerPixel = channels * depth;
    const int filterStep = std::max(1, bitsPerPixel / 8);
    const int maximum = (1 << std::min(depth, 8)) - 1;
    std::array<QRgb, 256> colours{};
    for (int i = 0; i < 256; ++i) {
        if (type == 3) {
            const qsizetype at = qsizetype{i} * 3;
            colours[static_cast<std::size_t>(i)] =
                at + 2 < palette.size()
                    ? qRgba(static_cast<uchar>(palette[at]), static_cast<uchar>(palette[at + 1]),
                            static_cast<uchar>(palette[at + 2]),
                            i < opacity.size() ? static_cast<uchar>(opacity[i]) : 255)
                    : qRgb(0, 0, 0);
        }
    }
    // A grey or RGB picture's one see-through colour, at its full depth.
    const auto keyed = [&](int channel) {
        return opacity.size() >= 2 * (channel + 1)
                   ? qFromBigEndian<quint16>(opacity.constData() + 2 * channel)
                   : -1;
    };
    const bool hasKey = (type == 0 && opacity.size() >= 2) || (type == 2 && opacity.size() >= 6);
    const bool alpha = type == 4 || type == 6 || !opacity.isEmpty();

    std::vector<uchar> row, previous;
    std::size_t pass = 0;
    int passWidth = 0, passHeight = 0, rowInPass = 0;
    qint64 rowBytes = 0;
    std::size_t filled = 0;
    const auto startPass = [&]() {
        for (; pass < (interlaced ? kAdam7.size() : 1); ++pass) {
            const Pass p = interlaced ? kAdam7[pass] : Pass{0, 0, 1, 1};
            passWidth = static_cast<int>((qint64{size.width()} - p.x + p.dx - 1) / p.dx);
            passHeight = static_cast<int>((qint64{size.height()} - p.y + p.dy - 1) / p.dy);
            if (passWidth > 0 && passHeight > 0)
                break;
        }
        rowBytes = (qint64{passWidth} * bitsPerPixel + 7) / 8;
        row.assign(static_cast<std::size_t>(rowBytes) + 1, 0);
        previous.assign(static_cast<std::size_t>(rowBytes) + 1, 0);
        rowInPass = 0;
        filled = 0;
    };
    startPass();
    QString problem;
    const auto sample = [&](const uchar* line, qint64 index) -> int {
        // The index-th sample of a row, at the picture's depth.
        if (depth == 16)
            return (line[2 * index] << 8) | line[2 * index + 1];
        if (depth == 8)
            return line[index];
        const qint64 bit = index * depth;
        return (line[bit / 8] >> (8 - depth - bit % 8)) & maximum;
    };
    const auto eight = [&](int value) {
        return depth == 16 ? value >> 8 : depth == 8 ? value : value * 255 / maximum;
    };
    const auto rowDone = [&]() -> bool {
        uchar* line = row.data() + 1;
        const uchar* above = previous.data() + 1;
        const int filter = row[0];
        for (qint64 i = 0; i < rowBytes; ++i) {
            const int a = i >= filterStep ? line[i - filterStep] : 0;
            const int b = above[i];
            const int c = i >= filterStep ? above[i - filterStep] : 0;
            int add = 0;
            switch (filter) {
                case 0:
                    break;
                case 1:
                    add = a;
                    break;
                case 2:
                    add = b;
                    break;
                case 3:
                    add = (a + b) / 2;
                    break;
                case 4:
                    add = paeth(a, b, c);
                    break;
                default:
                    problem = damaged;
                    return false;
            }
            line[i] = static_cast<uchar>(line[i] + add);
        }
        const Pass p = interlaced ? kAdam7[pass] : Pass{0, 0, 1, 1};
        const int y = p.y + rowInPass * p.dy;
        for (int i = 0; i < passWidth; ++i) {
            const int x = p.x + i * p.dx;
            const qint64 first = qint64{i} * channels;
            QRgb colour = 0;
            if (type == 3) {
                colour = colours[static_cast<std::size_t>(sample(line, first))];
            } else if (type == 0 || type == 4) {
                const int grey = sample(line, first);
                const int a = type == 4 ? eight(sample(line, first + 1))
                                        : (hasKey && grey == keyed(0) ? 0 : 255);
                colour = qRgba(eight(grey), eight(grey), eight(grey), a);
            } else {
                const int r = sample(line, first), g = sample(line, first + 1),
                          b = sample(line, first + 2);
                const int a =
                    type == 6
                        ? eight(sample(line, first + 3))
                        : (hasKey && r == keyed(0) && g == keyed(1) && b == keyed(2) ? 0 : 255);
                colour = qRgba(eight(r), eight(g), eight(b), a);
            }
            reduced.add(x, y, colour);
        }
        std::swap(row, previous);
        filled = 0;
        if (++rowInPass == passHeight) {
            ++pass;
            startPass();
        }
        return !isCancelled(cancel) || (problem = kCancelledText, false);
    };
    const std::size_t passes = interlaced ? kAdam7.size() : 1;
    const QString inflated = inflateStream(data, [&](const uchar* out, qint64 count) {
        for (qint64 i = 0; i < count;) {
            if (pass >= passes)
                return false;  // everything read: what follows is ignored
            const auto take = static_cast<std::size_t>(
                std::min<qint64>(count - i, static_cast<qint64>(row.size() - filled)));
            std::copy_n(out + i, take, row.data() + filled);
            filled += take;
            i += static_cast<qint64>(take);
            if (filled == row.size() && !rowDone())
                return false;
        }
        return true;
    });
    if (!problem.isEmpty())
        return Fail::failure(problem);
    if (!inflated.isEmpty())
        return Fail::failure(
            QCoreApplication::translate("velmira::picture::Png", "the PNG picture is damaged: %1")
                .arg(inflated));
    if (pass < passes)
        return Fail::failure(
            QCoreApplication::translate("velmira::picture::Png", "the PNG picture is cut short"));
    QImage picture = reduced.picture(alpha);
    // Its colour profile, where it has one that fits a colour picture; then sRGB, or a gamma.
    if (!icc.isEmpty() && type != 0 && type != 4) {
        QByteArray profile;
        const QString failed = inflateStream(icc, [&](const uchar* out, qint64 count) {
            profile.append(reinterpret_cast<const char*>(out), count);
            return profile.size() <= 16 * 1024 * 1024;
        });
        if (failed.isEmpty() && profileFits(iccModelOf(profile), false))
            picture.setColorSpace(QColorSpace::fromIccProfile(profile));
    } else if (srgb) {
        picture.setColorSpace(QColorSpace(QColorSpace::SRgb));
    } else if (gamma > 0 && type != 0 && type != 4) {
        picture.setColorSpace(
            QColorSpace(QColorSpace::Primaries::SRgb, 100000.0f / static_cast<float>(gamma)));
    }
    return picture;
}

}  // namespace velmira::picture
