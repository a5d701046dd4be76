#include "palette.h"

#include <array>
#include <cmath>
#include <unordered_map>

namespace velmira::spray {

namespace {

// Palette values raised to the power 2.2, for averaging in linear light.
const std::array<float, 256>& linearTable() {
    static const std::array<float, 256> table = [] {
        std::array<float, 256> t{};
        for (std::size_t i = 0; i < t.size(); ++i)
            t[i] = std::pow(static_cast<float>(i) / 255.0f, 2.2f);
        return t;
    }();
    return table;
}

int toGamma(float linear) {
    const float value = std::pow(std::max(linear, 0.0f), 1.0f / 2.2f) * 255.0f + 0.5f;
    return std::min(255, static_cast<int>(value));
}

}  // namespace

int nearestIndex(const Palette& palette, QRgb colour, int count) {
    int best = 0;
    long bestDistance = -1;
    for (int i = 0; i < count; ++i) {
        const QRgb c = palette[static_cast<std::size_t>(i)];
        const long dr = qRed(c) - qRed(colour);
        const long dg = qGreen(c) - qGreen(colour);
        const long db = qBlue(c) - qBlue(colour);
        const long distance = 2 * dr * dr + 4 * dg * dg + 3 * db * db;
        if (bestDistance < 0 || distance < bestDistance) {
            best = i;
            bestDistance = distance;
            if (distance == 0)
                break;
        }
    }
    return best;
}

QByteArray reduceMip(const IndexedPicture& picture, int level) {
    const int block = 1 << level;
    const int width = picture.width / block;
    const int height = picture.height / block;
    const int cells = block * block;
    QByteArray out(static_cast<qsizetype>(width) * height, '\0');
    if (picture.palette[kTransparentIndex] != kPureBlue) {
        // A one-colour decal: the index is the opacity, and opacities are averaged.
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                int sum = 0;
                for (int dy = 0; dy < block; ++dy)
                    for (int dx = 0; dx < block; ++dx)
                        sum += picture.at(x * block + dx, y * block + dy);
                out[static_cast<qsizetype>(y) * width + x] =
                    static_cast<char>((sum + cells / 2) / cells);
            }
        }
        return out;
    }
    // A colour spray: index 255 is transparent. It is never averaged in and never the answer
    // for a solid cell; a cell 40 % solid or less stays transparent.
    const auto& linear = linearTable();
    std::unordered_map<QRgb, int> nearest;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            float r = 0, g = 0, b = 0;
            int solid = 0;
            for (int dy = 0; dy < block; ++dy) {
                for (int dx = 0; dx < block; ++dx) {
                    const uchar index = picture.at(x * block + dx, y * block + dy);
                    if (index == kTransparentIndex)
                        continue;
                    const QRgb c = picture.palette[index];
                    r += linear[static_cast<std::size_t>(qRed(c))];
                    g += linear[static_cast<std::size_t>(qGreen(c))];
                    b += linear[static_cast<std::size_t>(qBlue(c))];
                    ++solid;
                }
            }
            char& cell = out[static_cast<qsizetype>(y) * width + x];
            if (solid * 10 <= cells * 4) {
                cell = static_cast<char>(kTransparentIndex);
                continue;
            }
            const float n = static_cast<float>(solid);
            const QRgb average = qRgb(toGamma(r / n), toGamma(g / n), toGamma(b / n));
            // Neighbouring blocks often average to the same colour: match each colour once.
            auto found = nearest.find(average);
            if (found == nearest.end())
                found =
                    nearest
                        .emplace(average, nearestIndex(picture.palette, average, kTransparentIndex))
                        .first;
            cell = static_cast<char>(found->second);
        }
    }
    return out;
}

void makeColourSpray(IndexedPicture& picture, bool transparentBlue) {
    std::array<bool, 256> used{};
    for (char index : picture.pixels)
        used[static_cast<uchar>(index)] = true;
    std::array<uchar, 256> remap{};
    for (std::size_t i = 0; i < remap.size(); ++i)
        remap[i] = static_cast<uchar>(i);

    Palette& palette = picture.palette;
    if (palette[kTransparentIndex] != kPureBlue) {
        if (used[kTransparentIndex]) {
            // The colour at 255 moves to a free entry, or to the nearest colour already there.
            const QRgb moved = palette[kTransparentIndex];
            int target = -1;
            for (int i = 0; i < kTransparentIndex && target < 0; ++i)
                if (!used[static_cast<std::size_t>(i)])
                    target = i;
            if (target >= 0)
                palette[static_cast<std::size_t>(target)] = moved;
            else
                target = nearestIndex(palette, moved, kTransparentIndex);
            remap[kTransparentIndex] = static_cast<uchar>(target);
        }
        palette[kTransparentIndex] = kPureBlue;
    }
    if (transparentBlue) {
        for (std::size_t i = 0; i < kTransparentIndex; ++i)
            if (palette[i] == kPureBlue && remap[i] == i)
                remap[i] = kTransparentIndex;
    }
    for (char& index : picture.pixels)
        index = static_cast<char>(remap[static_cast<uchar>(index)]);
    // Pure blue belongs to entry 255 alone: any other entry that holds it is nudged off it, so
    // no solid pixel or averaged mip cell can show the transparent colour.
    for (std::size_t i = 0; i < kTransparentIndex; ++i)
        if (palette[i] == kPureBlue)
            palette[i] = kNearlyPureBlue;
}

}  // namespace velmira::spray
