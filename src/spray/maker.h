#pragma once

#include "core/cancel.h"
#include "core/result.h"
#include "spray/indexedpicture.h"
#include "spray/spray.h"

#include <QImage>
#include <QPointF>
#include <QSize>

#include <optional>
#include <vector>

namespace velmira::spray {

// The spray maker's picture work: a picture framed, turned, sized, made see-through where the
// player says and reduced to a spray, by the same conversion the compiler and the preview use.

// The size a spray is made at.
enum class SizeChoice {
    Largest,      // the largest the game takes: at most 14,336 pixels
    Classic,      // at most 12,288 pixels
    EveryServer,  // at most 64 x 64, which servers that keep sprays small still show
    Free,         // the player's own width and height
};

// What becomes see-through (index 255 of a colour spray).
enum class SeeThrough {
    None,            // solid
    OwnAlpha,        // the picture's own transparency, below the cut-off
    Colour,          // a colour picked from the picture, wherever it is
    ColourFromEdge,  // that colour only where it touches the picture's edge (a background)
};

struct MakerChoices {
    // Framing: the picture is mirrored (left to right) and turned by quarter turns clockwise,
    // scaled by `zoom` (spray pixels per picture pixel) and moved so that the picture point
    // `centre` (in the untouched picture's pixels) lies at the spray's centre.
    int quarterTurns = 0;
    bool mirrored = false;
    double zoom = 1.0;
    QPointF centre;
    // The part of the frame the picture does not cover: see-through, or this colour.
    std::optional<QRgb> fill;

    SizeChoice size = SizeChoice::Largest;
    QSize freeSize;        // for SizeChoice::Free
    bool enlarge = false;  // small pictures may be scaled up

    SeeThrough seeThrough = SeeThrough::None;
    int alphaCutoff = 128;  // 0..255: an opacity below it is see-through
    QRgb key = 0;           // the picked colour
    int tolerance = 32;     // 0..255: how far from the picked colour still counts
    bool removeFringe = false;

    bool sharp = false;  // nearest pixel rather than smooth scaling
    bool dither = true;

    bool oneColour = false;    // the game's one-colour kind of decal
    QRgb ink = qRgb(0, 0, 0);  // its colour (entry 255)
};

// The picture at several sizes, each half the one before, so that framing at any zoom scales
// from a copy at most twice the size it needs: made once, when the maker opens.
class MakerSource {
  public:
    explicit MakerSource(const QImage& picture, const CancelCheck& cancel = {});
    QSize size() const { return m_levels.empty() ? QSize() : m_levels.front().size(); }
    bool isNull() const { return m_levels.empty(); }
    // Whether the picture has see-through pixels of its own.
    bool hasAlpha() const { return m_hasAlpha; }
    // Whether the picture looks like a photo (many colours) rather than drawn art.
    bool looksLikePhoto() const { return m_photo; }
    const QImage& full() const { return m_levels.front(); }
    // The copy to scale from at this zoom, and its own scale against the full picture.
    const QImage& levelFor(double zoom, double* levelScale) const;

  private:
    std::vector<QImage> m_levels;
    bool m_hasAlpha = false;
    bool m_photo = false;
};

// The size of the picture once turned.
QSize turnedSize(QSize picture, int quarterTurns);

// The spray size a choice gives for a frame of the turned picture's shape: the largest allowed
// size within the choice's limits nearest to that shape (a free choice: the nearest allowed
// size). Without `enlarge` it is no larger than the picture's own size (rounded up to 16).
QSize makerSpraySize(const MakerChoices& choices, QSize turned);

// The zoom at which the turned picture lies wholly inside a frame of this size ("Fit"), and at
// which it covers the frame ("Fill"); without `enlarge` never above 1.
double fitZoom(QSize turned, QSize spray, bool enlarge);
double fillZoom(QSize turned, QSize spray, bool enlarge);

// The framed picture at the spray's size, true colour with its opacity, before see-through.
QImage framedPicture(const MakerSource& source, const MakerChoices& choices, QSize spray);

// Makes the framed picture see-through as chosen (opacity 0 where see-through), removing the
// coloured fringe that blended edges leave when asked.
void applySeeThrough(QImage& framed, const MakerChoices& choices);

// The framed picture made into a spray as chosen: see-through applied, reduced to a colour
// spray's palette or made a one-colour decal's opacities.
struct FramedSpray {
    SprayPicture spray;
    int colours = 0;  // palette entries used (see-through not counted)
    QStringList warnings;
};
Result<FramedSpray> makeFramedSpray(const MakerSource& source, const MakerChoices& choices,
                                    const CancelCheck& cancel = {});

// The 8-bit bitmap file a spray is saved as: exactly its pixels and palette.
QByteArray sprayBitmap(const IndexedPicture& picture);

}  // namespace velmira::spray
