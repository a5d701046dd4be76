#include "maker.h"

#include "spray/convert.h"

#include <QCoreApplication>
#include <QPainter>
#include <QSet>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <deque>

namespace velmira::spray {

namespace {

// Levels are halved until both sides are at most this.
constexpr int kSmallestLevelSide = 512;
// The pixel limits of the size choices.
constexpr int kClassicArea = 12288;
constexpr int kEveryServerSide = 64;
// The fewest spray pixels across that Fit leaves a picture.
constexpr double kThinnestSide = 1.5;
// A picture with more distinct colours than this in a sample looks like a photo.
constexpr int kPhotoColours = 1024;

int ceilTo16(int value) {
    return (value + kSprayGrain - 1) / kSprayGrain * kSprayGrain;
}

// How far apart two colours are: the largest difference of one channel.
int distance(QRgb a, QRgb b) {
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b))});
}

}  // namespace

MakerSource::MakerSource(const QImage& picture, const CancelCheck& cancel) {
    if (picture.isNull())
        return;
    QImage full = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    m_hasAlpha = false;
    if (picture.hasAlphaChannel()) {
        for (int y = 0; y < full.height() && !m_hasAlpha; ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(full.constScanLine(y));
            for (int x = 0; x < full.width(); ++x)
                if (qAlpha(line[x]) < 255) {
                    m_hasAlpha = true;
                    break;
                }
        }
    }
    // A sample of at most 64 x 64 points tells a photo from drawn art.
    QSet<QRgb> colours;
    const int stepX = std::max(1, full.width() / 64);
    const int stepY = std::max(1, full.height() / 64);
    for (int y = 0; y < full.height(); y += stepY)
        for (int x = 0; x < full.width(); x += stepX)
            colours.insert(full.pixel(x, y));
    m_photo = colours.size() > kPhotoColours;
    m_levels.push_back(full);
    while (m_levels.back().width() > kSmallestLevelSide ||
           m_levels.back().height() > kSmallestLevelSide) {
        if (isCancelled(cancel)) {
            m_levels.clear();
            return;
        }
        const QImage& last = m_levels.back();
        m_levels.push_back(last.scaled(std::max(1, last.width() / 2),
                                       std::max(1, last.height() / 2), Qt::IgnoreAspectRatio,
                                       Qt::SmoothTransformation));
    }
}

const QImage& MakerSource::levelFor(double zoom, double* levelScale) const {
    // The smallest copy still at least as large as the spray needs it.
    for (auto level = m_levels.rbegin(); level != m_levels.rend(); ++level) {
        const double scale = static_cast<double>(level->width()) / m_levels.front().width();
        if (scale >= zoom) {
            *levelScale = scale;
            return *level;
        }
    }
    *levelScale = 1.0;
    return m_levels.front();
}

QSize turnedSize(QSize picture, int quarterTurns) {
    return (quarterTurns % 2) ? picture.transposed() : picture;
}

QSize makerSpraySize(const MakerChoices& choices, QSize turned) {
    if (choices.size == SizeChoice::Free) {
        const int w =
            std::clamp(ceilTo16(std::max(1, choices.freeSize.width())), kSprayGrain, kSprayMaxSide);
        int h = std::clamp(ceilTo16(std::max(1, choices.freeSize.height())), kSprayGrain,
                           kSprayMaxSide);
        // The nearest allowed size: the height gives way where the area is too large.
        while (w * h > kSprayMaxArea && h > kSprayGrain)
            h -= kSprayGrain;
        return QSize(w, h);
    }
    const int maxArea = choices.size == SizeChoice::Classic ? kClassicArea : kSprayMaxArea;
    const int maxSide = choices.size == SizeChoice::EveryServer ? kEveryServerSide : kSprayMaxSide;
    const QSize cap = choices.enlarge ? QSize(maxSide, maxSide)
                                      : QSize(std::min(maxSide, ceilTo16(turned.width())),
                                              std::min(maxSide, ceilTo16(turned.height())));
    return spraySizeWithin(turned, maxArea, cap);
}

double fitZoom(QSize turned, QSize spray, bool enlarge) {
    if (turned.isEmpty())
        return 1.0;
    const double whole = std::min(static_cast<double>(spray.width()) / turned.width(),
                                  static_cast<double>(spray.height()) / turned.height());
    // A picture far thinner than the frame's shape would shrink to less than a pixel across
    // and vanish: its thin side keeps one and a half spray pixels (so that, however it falls on
    // the pixels, one is mostly covered), scaled up if it must be.
    const double thinnest = kThinnestSide / std::min(turned.width(), turned.height());
    if (whole < thinnest)
        return thinnest;
    return enlarge ? whole : std::min(whole, 1.0);
}

double fillZoom(QSize turned, QSize spray, bool enlarge) {
    if (turned.isEmpty())
        return 1.0;
    const double zoom = std::max(static_cast<double>(spray.width()) / turned.width(),
                                 static_cast<double>(spray.height()) / turned.height());
    return enlarge ? zoom : std::min(zoom, 1.0);
}

QImage framedPicture(const MakerSource& source, const MakerChoices& choices, QSize spray) {
    QImage canvas(spray, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(choices.fill ? QColor::fromRgb(*choices.fill) : QColor(Qt::transparent));
    if (source.isNull())
        return canvas.convertToFormat(QImage::Format_ARGB32);
    double levelScale = 1.0;
    const double zoom = std::max(choices.zoom, 1e-6);
    const QImage& level = source.levelFor(zoom, &levelScale);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, !choices.sharp);
    painter.translate(spray.width() / 2.0, spray.height() / 2.0);
    painter.rotate(90.0 * choices.quarterTurns);
    painter.scale(choices.mirrored ? -zoom : zoom, zoom);
    painter.translate(-choices.centre);
    painter.scale(1.0 / levelScale, 1.0 / levelScale);
    // Unless the picture's own transparency counts, the picture is solid: what it leaves see-
    // through is drawn over white.
    if (choices.seeThrough != SeeThrough::OwnAlpha && source.hasAlpha())
        painter.fillRect(QRectF(QPointF(0, 0), level.size()), Qt::white);
    painter.drawImage(QPointF(0, 0), level);
    painter.end();
    return canvas.convertToFormat(QImage::Format_ARGB32);
}

void applySeeThrough(QImage& framed, const MakerChoices& choices) {
    const int w = framed.width();
    const int h = framed.height();
    const auto at = [&](int x, int y) -> QRgb& {
        return reinterpret_cast<QRgb*>(framed.scanLine(y))[x];
    };
    // Opacity is all or nothing in a colour spray.
    const int cutoff = choices.seeThrough == SeeThrough::OwnAlpha ? choices.alphaCutoff : 128;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            QRgb& pixel = at(x, y);
            pixel = qAlpha(pixel) < std::max(1, cutoff) ? 0u : (pixel | 0xff000000u);
        }
    const bool keyed = choices.seeThrough == SeeThrough::Colour ||
                       choices.seeThrough == SeeThrough::ColourFromEdge;
    const auto matches = [&](QRgb pixel, int tolerance) {
        return qAlpha(pixel) != 0 && distance(pixel, choices.key) <= tolerance;
    };
    if (choices.seeThrough == SeeThrough::Colour) {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if (matches(at(x, y), choices.tolerance))
                    at(x, y) = 0;
    } else if (choices.seeThrough == SeeThrough::ColourFromEdge) {
        // A flood from the frame's edge and from what is already see-through, through the
        // picked colour only.
        std::deque<QPoint> open;
        const auto reach = [&](int x, int y) {
            if (x >= 0 && y >= 0 && x < w && y < h && matches(at(x, y), choices.tolerance)) {
                at(x, y) = 0;
                open.emplace_back(x, y);
            }
        };
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const bool edge = x == 0 || y == 0 || x == w - 1 || y == h - 1;
                const bool besideClear = (x > 0 && qAlpha(at(x - 1, y)) == 0) ||
                                         (y > 0 && qAlpha(at(x, y - 1)) == 0) ||
                                         (x + 1 < w && qAlpha(at(x + 1, y)) == 0) ||
                                         (y + 1 < h && qAlpha(at(x, y + 1)) == 0);
                if (edge || besideClear)
                    reach(x, y);
            }
        while (!open.empty()) {
            const QPoint p = open.front();
            open.pop_front();
            reach(p.x() - 1, p.y());
            reach(p.x() + 1, p.y());
            reach(p.x(), p.y() - 1);
            reach(p.x(), p.y() + 1);
        }
    }
    if (!choices.removeFringe)
        return;
    // The fringe: solid pixels beside see-through ones, whose colour blends the picture with
    // what was around it. Near the picked colour they go; the rest take the colour of the solid
    // pixels further in.
    const QImage before = framed.copy();
    const auto was = [&](int x, int y) {
        return reinterpret_cast<const QRgb*>(before.constScanLine(y))[x];
    };
    const auto onFringe = [&](int x, int y) {
        if (qAlpha(was(x, y)) == 0)
            return false;
        for (const QPoint d : {QPoint(-1, 0), QPoint(1, 0), QPoint(0, -1), QPoint(0, 1)}) {
            const int nx = x + d.x();
            const int ny = y + d.y();
            if (nx >= 0 && ny >= 0 && nx < w && ny < h && qAlpha(was(nx, ny)) == 0)
                return true;
        }
        return false;
    };
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (!onFringe(x, y))
                continue;
            if (keyed && matches(was(x, y), std::min(255, 2 * choices.tolerance + 16))) {
                at(x, y) = 0;
                continue;
            }
            int r = 0, g = 0, b = 0, n = 0;
            for (int dy = -2; dy <= 2; ++dy)
                for (int dx = -2; dx <= 2; ++dx) {
                    const int nx = x + dx;
                    const int ny = y + dy;
                    if (nx < 0 || ny < 0 || nx >= w || ny >= h || qAlpha(was(nx, ny)) == 0 ||
                        onFringe(nx, ny))
                        continue;
                    r += qRed(was(nx, ny));
                    g += qGreen(was(nx, ny));
                    b += qBlue(was(nx, ny));
                    ++n;
                }
            if (n > 0)
                at(x, y) = qRgb(r / n, g / n, b / n);
        }
}

namespace {

// A one-colour decal: each pixel's index is its opacity, from the picture's own transparency
// where that counts, else from how dark it is; drawn in the ink colour (entry 255).
IndexedPicture oneColourPicture(const QImage& framed, const QImage& raw,
                                const MakerChoices& choices, bool ownAlpha) {
    IndexedPicture picture;
    picture.width = framed.width();
    picture.height = framed.height();
    picture.pixels.resize(static_cast<qsizetype>(picture.width) * picture.height);
    for (int y = 0; y < picture.height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(framed.constScanLine(y));
        const auto* rawLine = reinterpret_cast<const QRgb*>(raw.constScanLine(y));
        for (int x = 0; x < picture.width; ++x) {
            int opacity = 0;
            if (qAlpha(line[x]) != 0)
                opacity = ownAlpha ? qAlpha(rawLine[x]) : 255 - qGray(line[x]);
            picture.pixels[static_cast<qsizetype>(y) * picture.width + x] =
                static_cast<char>(std::clamp(opacity, 0, 255));
        }
    }
    for (int i = 0; i < kTransparentIndex; ++i)
        picture.palette[static_cast<std::size_t>(i)] = qRgb(i, i, i);
    // Pure blue in entry 255 would make it a colour spray.
    const QRgb ink = choices.ink | 0xff000000u;
    picture.palette[kTransparentIndex] = ink == kPureBlue ? kNearlyPureBlue : ink;
    return picture;
}

int coloursUsed(const IndexedPicture& picture, bool oneColour) {
    std::array<bool, 256> used{};
    for (char index : picture.pixels)
        used[static_cast<uchar>(index)] = true;
    const int last = oneColour ? 256 : kTransparentIndex;
    return static_cast<int>(std::count(used.begin(), used.begin() + last, true));
}

}  // namespace

Result<FramedSpray> makeFramedSpray(const MakerSource& source, const MakerChoices& choices,
                                    const CancelCheck& cancel) {
    using Fail = Result<FramedSpray>;
    if (source.isNull())
        return Fail::failure(
            QCoreApplication::translate("velmira::spray::Maker", "the picture is empty"));
    const QSize turned = turnedSize(source.size(), choices.quarterTurns);
    const QSize size = makerSpraySize(choices, turned);
    QImage framed = framedPicture(source, choices, size);
    const QImage raw = framed.copy();
    if (isCancelled(cancel))
        return Fail::failure(kCancelledText);
    applySeeThrough(framed, choices);
    if (isCancelled(cancel))
        return Fail::failure(kCancelledText);

    FramedSpray made;
    if (choices.oneColour) {
        made.spray = SprayPicture{
            oneColourPicture(framed, raw, choices,
                             choices.seeThrough == SeeThrough::OwnAlpha && source.hasAlpha()),
            QCoreApplication::translate("velmira::spray::Maker", "one-colour decal"), true};
    } else {
        auto reduced = quantize(framed, 128, choices.dither ? 1.0f : 0.0f);
        if (!reduced)
            return Fail::failure(reduced.error());
        made.spray = SprayPicture{
            reduced.value(), QCoreApplication::translate("velmira::spray::Maker", "colour spray"),
            false};
    }
    made.colours = coloursUsed(made.spray.picture, choices.oneColour);
    if (size.width() > kEveryServerSide || size.height() > kEveryServerSide)
        made.warnings << QCoreApplication::translate(
            "velmira::spray::Maker", "Servers that keep sprays to 64 × 64 will not show this");
    if (choices.sharp && source.looksLikePhoto())
        made.warnings << QCoreApplication::translate("velmira::spray::Maker",
                                                     "Sharp scaling of a photo looks blocky");
    return made;
}

QByteArray sprayBitmap(const IndexedPicture& picture) {
    constexpr int kFileHeader = 14;
    constexpr int kInfoHeader = 40;
    constexpr int kPaletteBytes = 256 * 4;
    const int stride = (picture.width + 3) / 4 * 4;
    const int pixelsAt = kFileHeader + kInfoHeader + kPaletteBytes;
    QByteArray bytes(pixelsAt + stride * picture.height, '\0');
    char* data = bytes.data();
    const auto u16 = [&](int at, int value) {
        qToLittleEndian(static_cast<quint16>(value), data + at);
    };
    const auto u32 = [&](int at, qint64 value) {
        qToLittleEndian(static_cast<quint32>(value), data + at);
    };
    data[0] = 'B';
    data[1] = 'M';
    u32(2, bytes.size());
    u32(10, pixelsAt);
    u32(14, kInfoHeader);
    u32(18, picture.width);
    u32(22, picture.height);  // positive: rows bottom-up
    u16(26, 1);
    u16(28, 8);
    u32(34, stride * picture.height);
    u32(38, 2835);  // 72 dots an inch
    u32(42, 2835);
    u32(46, 256);
    for (int i = 0; i < 256; ++i) {
        const QRgb colour = picture.palette[static_cast<std::size_t>(i)];
        char* entry = data + kFileHeader + kInfoHeader + 4 * i;
        entry[0] = static_cast<char>(qBlue(colour));
        entry[1] = static_cast<char>(qGreen(colour));
        entry[2] = static_cast<char>(qRed(colour));
    }
    for (int y = 0; y < picture.height; ++y)
        std::copy_n(picture.pixels.constData() + static_cast<qsizetype>(y) * picture.width,
                    picture.width, data + pixelsAt + (picture.height - 1 - y) * stride);
    return bytes;
}

}  // namespace velmira::spray
