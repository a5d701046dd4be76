// Compiling a large true-colour bitmap, and the colour error of the reduction to 255 colours
// against Qt's own conversion to 8 bits on the same pictures.

#include "helpers/testenv.h"
#include "picture/readpicture.h"
#include "spray/convert.h"
#include "spray/spray.h"
#include "wad/wad.h"

#include <QImage>
#include <QPainter>
#include <QRadialGradient>

#include <benchmark/benchmark.h>

#include <cmath>

using namespace velmira;
using namespace velmira::test;

namespace {

QRgb photo(int x, int y) {
    return qRgb((x * 255) / 512, (y * 255) / 512,
                static_cast<int>(127 + 127 * std::sin((x + 2 * y) / 40.0)));
}

void CompileTrueColour512x512EndToEnd(benchmark::State& state) {
    Scratch scratch;
    const QString bmp =
        scratch.write(QStringLiteral("photo.bmp"), bitmapOfDepth(24, 512, 512, photo));
    const QString lumpName = QStringLiteral("VELMR");
    for (auto _ : state) {
        const auto image = picture::readPicture(bmp);
        const auto spray = spray::makeSprayPicture(image.value(), std::nullopt, false);
        if (!spray)
            state.SkipWithError("the bitmap did not compile");
        benchmark::DoNotOptimize(wad::encodeWad(
            {wad::Lump{lumpName, 0x43, wad::encodeMipTexture(spray->picture, lumpName)}}));
    }
}
BENCHMARK(CompileTrueColour512x512EndToEnd)->Unit(benchmark::kMillisecond);

// CIE76 colour difference of two sRGB colours.
double deltaE(QRgb a, QRgb b) {
    const auto lab = [](QRgb c, double* L, double* A, double* B) {
        const auto lin = [](int v) {
            const double s = v / 255.0;
            return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
        };
        const double r = lin(qRed(c)), g = lin(qGreen(c)), bl = lin(qBlue(c));
        const double X = (0.4124 * r + 0.3576 * g + 0.1805 * bl) / 0.95047;
        const double Y = 0.2126 * r + 0.7152 * g + 0.0722 * bl;
        const double Z = (0.0193 * r + 0.1192 * g + 0.9505 * bl) / 1.08883;
        const auto f = [](double t) {
            return t > 0.008856 ? std::cbrt(t) : 7.787 * t + 16.0 / 116.0;
        };
        *L = 116 * f(Y) - 16;
        *A = 500 * (f(X) - f(Y));
        *B = 200 * (f(Y) - f(Z));
    };
    double l1, a1, b1, l2, a2, b2;
    lab(a, &l1, &a1, &b1);
    lab(b, &l2, &a2, &b2);
    return std::sqrt((l1 - l2) * (l1 - l2) + (a1 - a2) * (a1 - a2) + (b1 - b2) * (b1 - b2));
}

// Test pictures: smooth gradients, a photo-like blend and a drawing with hard edges.
std::vector<QImage> pictures() {
    std::vector<QImage> out;
    QImage smooth(112, 128, QImage::Format_RGB32);
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 112; ++x)
            smooth.setPixel(x, y, photo(x * 4, y * 4));
    out.push_back(smooth);
    QImage radial(128, 112, QImage::Format_RGB32);
    {
        QPainter p(&radial);
        QRadialGradient g(64, 56, 70);
        g.setColorAt(0, QColor(255, 240, 200));
        g.setColorAt(0.5, QColor(200, 60, 90));
        g.setColorAt(1, QColor(20, 30, 80));
        p.fillRect(radial.rect(), g);
        p.setBrush(QColor(30, 160, 70));
        p.drawEllipse(20, 20, 40, 30);
    }
    out.push_back(radial);
    return out;
}

double meanDeltaE(const QImage& source, const QImage& reduced) {
    double sum = 0;
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x)
            sum += deltaE(source.pixel(x, y), reduced.pixel(x, y));
    return sum / (source.width() * source.height());
}

QImage fromIndexed(const spray::IndexedPicture& p) {
    QImage image(p.width, p.height, QImage::Format_RGB32);
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x)
            image.setPixel(x, y, p.palette[p.at(x, y)]);
    return image;
}

void ColourErrorImagequant(benchmark::State& state) {
    double error = 0;
    for (auto _ : state) {
        error = 0;
        for (const QImage& picture : pictures())
            error += meanDeltaE(picture, fromIndexed(spray::quantize(picture, 1).value()));
    }
    state.counters["meanDeltaE"] = error / 2;
}
BENCHMARK(ColourErrorImagequant)->Unit(benchmark::kMillisecond)->Iterations(3);

void ColourErrorQtConversion(benchmark::State& state) {
    double error = 0;
    for (auto _ : state) {
        error = 0;
        for (const QImage& picture : pictures())
            error += meanDeltaE(picture, picture.convertToFormat(QImage::Format_Indexed8)
                                             .convertToFormat(QImage::Format_RGB32));
    }
    state.counters["meanDeltaE"] = error / 2;
}
BENCHMARK(ColourErrorQtConversion)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
