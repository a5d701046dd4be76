#include "pngstream.h"

#include "picture/colourprofile.h"
#include "picture/inflate.h"
#include "picture/reducedsums.h"

#include <QColorSpace>
#include <QCoreApplication>
#include <QtEndian>

#include <array>
#include <vector>

namespace velmira::picture {

QString inflateStream(const QByteArray& zlib,
                      const std::function<bool(const uchar* bytes, qint64 count)>& sink) {
    Inflater inflater;
    QString problem =
        inflater.feed(reinterpret_cast<const uchar*>(zlib.constData()), zlib.size(), sink);
    if (problem.isEmpty() && !inflater.ended() && !inflater.stopped())
        problem = Inflater::cutShort();
    return problem;
}

namespace {

QString damagedText() {
    return QCoreApplication::translate("velmira::picture::Png", "the PNG picture is damaged");
}

QString cutShortText() {
    return QCoreApplication::translate("velmira::picture::Png", "the PNG picture is cut short");
}

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

// Undoes a row's filter in place against the row above; false for a filter that is none of
// the five.
bool unfilter(uchar* line, const uchar* above, qint64 count, int step, int filter) {
    switch (filter) {
        case 0:
            return true;
        case 1:
            for (qint64 i = step; i < count; ++i)
                line[i] = static_cast<uchar>(line[i] + line[i - step]);
            return true;
        case 2:
            for (qint64 i = 0; i < count; ++i)
                line[i] = static_cast<uchar>(line[i] + above[i]);
            return true;
        case 3:
            for (qint64 i = 0; i < count; ++i) {
                const int a = i >= step ? line[i - step] : 0;
                line[i] = static_cast<uchar>(line[i] + (a + above[i]) / 2);
            }
            return true;
        case 4:
            for (qint64 i = 0; i < count; ++i) {
                const int a = i >= step ? line[i - step] : 0;
                const int c = i >= step ? above[i - step] : 0;
                line[i] = static_cast<uchar>(line[i] + paeth(a, above[i], c));
            }
            return true;
        default:
            return false;
    }
}

// What IHDR, PLTE, tRNS and the colour chunks say, and where the IDAT chunks lie.
struct PngChunks {
    QByteArray header, palette, opacity, icc;
    bool srgb = false;
    quint32 gamma = 0;
    std::vector<std::pair<qint64, qint64>> data;  // each IDAT's offset and length
};

Result<PngChunks> chunksOf(const QByteArray& bytes) {
    PngChunks c;
    for (qint64 at = 8; at + 12 <= bytes.size();) {
        const quint32 length = qFromBigEndian<quint32>(bytes.constData() + at);
        const QByteArray kind = bytes.mid(at + 4, 4);
        if (length > static_cast<quint64>(bytes.size() - at - 12))
            return Result<PngChunks>::failure(cutShortText());
        if (kind == "IHDR")
            c.header = bytes.mid(at + 8, length);
        else if (kind == "PLTE")
            c.palette = bytes.mid(at + 8, length);
        else if (kind == "tRNS")
            c.opacity = bytes.mid(at + 8, length);
        else if (kind == "IDAT")
            c.data.emplace_back(at + 8, length);
        else if (kind == "sRGB")
            c.srgb = true;
        else if (kind == "gAMA" && length == 4)
            c.gamma = qFromBigEndian<quint32>(bytes.constData() + at + 8);
        else if (kind == "iCCP") {
            const QByteArray body = bytes.mid(at + 8, length);
            const qsizetype name = body.indexOf('\0');
            if (name >= 0 && name + 2 <= body.size())
                c.icc = body.mid(name + 2);
        } else if (kind == "IEND")
            break;
        at += 12 + length;
    }
    return c;
}

// Its colour profile, where it has one that fits a colour picture; then sRGB, or a gamma.
void setProfile(QImage& picture, const PngChunks& c, bool grey) {
    if (!c.icc.isEmpty() && !grey) {
        QByteArray profile;
        const QString failed = inflateStream(c.icc, [&](const uchar* out, qint64 count) {
            profile.append(reinterpret_cast<const char*>(out), count);
            return profile.size() <= 16 * 1024 * 1024;
        });
        if (failed.isEmpty() && profileFits(iccModelOf(profile), false))
            picture.setColorSpace(QColorSpace::fromIccProfile(profile));
    } else if (c.srgb) {
        picture.setColorSpace(QColorSpace(QColorSpace::SRgb));
    } else if (c.gamma > 0 && !grey) {
        picture.setColorSpace(
            QColorSpace(QColorSpace::Primaries::SRgb, 100000.0f / static_cast<float>(c.gamma)));
    }
}

}  // namespace

Result<QImage> decodePngReduced(const QByteArray& bytes, QSize target, const CancelCheck& cancel) {
    using Fail = Result<QImage>;
    if (!bytes.startsWith("\x89PNG\r\n\x1a\n") || bytes.size() < 33)
        return Fail::failure(damagedText());
    const auto chunks = chunksOf(bytes);
    if (!chunks)
        return Fail::failure(chunks.error());
    const PngChunks& c = chunks.value();
    if (c.header.size() != 13)
        return Fail::failure(damagedText());
    const quint32 width = qFromBigEndian<quint32>(c.header.constData());
    const quint32 height = qFromBigEndian<quint32>(c.header.constData() + 4);
    const int depth = static_cast<uchar>(c.header[8]);
    const int type = static_cast<uchar>(c.header[9]);
    const bool interlaced = c.header[12] != 0;
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
        !depthFits || c.header[10] != 0 || c.header[11] != 0 ||
        static_cast<uchar>(c.header[12]) > 1 || target.isEmpty() ||
        target.width() > static_cast<int>(width) || target.height() > static_cast<int>(height))
        return Fail::failure(damagedText());
    if (type == 3 && (c.palette.isEmpty() || c.palette.size() % 3 != 0))
        return Fail::failure(damagedText());
    // What the caller's plan allows at most: pixels to go through, and two rows held.
    if (qint64{width} * height > kMaxPngStreamPixels || qint64{width} * 8 > kMaxPngStreamPixels / 8)
        return Fail::failure(
            QCoreApplication::translate("velmira::picture::Png",
                                        "the picture is %1 \u00d7 %2 pixels, more than can be read")
                .arg(width)
                .arg(height));

    const QSize size(static_cast<int>(width), static_cast<int>(height));
    ReducedSums reduced(size, target);
    // Which reduced column each column adds to: a table as long as the picture is wide, within
    // the bound above.
    const std::vector<quint32> columnOf = reduced.columnTable();
    const int bitsPerPixel = channels * depth;
    const int filterStep = std::max(1, bitsPerPixel / 8);
    const int maximum = (1 << std::min(depth, 8)) - 1;
    std::array<QRgb, 256> colours{};
    for (int i = 0; i < 256 && type == 3; ++i) {
        const qsizetype at = qsizetype{i} * 3;
        colours[static_cast<std::size_t>(i)] =
            at + 2 < c.palette.size()
                ? qRgba(static_cast<uchar>(c.palette[at]), static_cast<uchar>(c.palette[at + 1]),
                        static_cast<uchar>(c.palette[at + 2]),
                        i < c.opacity.size() ? static_cast<uchar>(c.opacity[i]) : 255)
                : qRgb(0, 0, 0);
    }
    // A grey or RGB picture's one see-through colour, at its full depth.
    const auto keyed = [&](int channel) {
        return c.opacity.size() >= 2 * (channel + 1)
                   ? qFromBigEndian<quint16>(c.opacity.constData() + 2 * channel)
                   : -1;
    };
    const bool hasKey =
        (type == 0 && c.opacity.size() >= 2) || (type == 2 && c.opacity.size() >= 6);
    const bool alpha = type == 4 || type == 6 || !c.opacity.isEmpty();

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
    // A sample's most significant 8 bits are all the reduced picture keeps.
    const auto sample = [&](const uchar* line, qint64 index) -> int {
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
        if (!unfilter(line, previous.data() + 1, rowBytes, filterStep, row[0])) {
            problem = damagedText();
            return false;
        }
        const Pass p = interlaced ? kAdam7[pass] : Pass{0, 0, 1, 1};
        const int y = p.y + rowInPass * p.dy;
        quint32* sums =
            reduced.sums.data() + reduced.rows.of(y) * static_cast<std::size_t>(target.width()) * 4;
        const auto add = [&](int x, int r, int g, int b, int a) {
            quint32* at = sums + std::size_t{columnOf[static_cast<std::size_t>(x)]} * 4;
            const auto weight = static_cast<quint32>(a);
            at[0] += static_cast<quint32>(r) * weight;
            at[1] += static_cast<quint32>(g) * weight;
            at[2] += static_cast<quint32>(b) * weight;
            at[3] += weight;
        };
        if (depth == 16 && type == 2 && !hasKey) {
            // The common deep picture, without a sample read twice.
            for (int i = 0, x = p.x; i < passWidth; ++i, x += p.dx)
                add(x, line[6 * i], line[6 * i + 2], line[6 * i + 4], 255);
        } else if (depth == 16 && type == 6) {
            for (int i = 0, x = p.x; i < passWidth; ++i, x += p.dx)
                add(x, line[8 * i], line[8 * i + 2], line[8 * i + 4], line[8 * i + 6]);
        } else {
            for (int i = 0, x = p.x; i < passWidth; ++i, x += p.dx) {
                const qint64 first = qint64{i} * channels;
                if (type == 3) {
                    const QRgb colour = colours[static_cast<std::size_t>(sample(line, first))];
                    add(x, qRed(colour), qGreen(colour), qBlue(colour), qAlpha(colour));
                } else if (type == 0 || type == 4) {
                    const int grey = sample(line, first);
                    const int a = type == 4 ? eight(sample(line, first + 1))
                                            : (hasKey && grey == keyed(0) ? 0 : 255);
                    add(x, eight(grey), eight(grey), eight(grey), a);
                } else {
                    const int r = sample(line, first), g = sample(line, first + 1),
                              b = sample(line, first + 2);
                    const int a =
                        type == 6
                            ? eight(sample(line, first + 3))
                            : (hasKey && r == keyed(0) && g == keyed(1) && b == keyed(2) ? 0 : 255);
                    add(x, eight(r), eight(g), eight(b), a);
                }
            }
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
    const Inflater::Sink sink = [&](const uchar* out, qint64 count) {
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
    };
    // Each IDAT chunk inflated where it lies in the file, never gathered into one.
    Inflater inflater;
    QString inflated;
    for (const auto& [at, length] : c.data) {
        inflated =
            inflater.feed(reinterpret_cast<const uchar*>(bytes.constData()) + at, length, sink);
        if (!inflated.isEmpty() || inflater.ended() || inflater.stopped())
            break;
    }
    if (inflated.isEmpty() && !inflater.ended() && !inflater.stopped())
        inflated = Inflater::cutShort();
    if (!problem.isEmpty())
        return Fail::failure(problem);
    if (!inflated.isEmpty() && pass < passes)
        return Fail::failure(
            QCoreApplication::translate("velmira::picture::Png", "the PNG picture is damaged: %1")
                .arg(inflated));
    if (pass < passes)
        return Fail::failure(cutShortText());
    QImage picture = reduced.picture(alpha);
    setProfile(picture, c, type == 0 || type == 4);
    return picture;
}

}  // namespace velmira::picture
