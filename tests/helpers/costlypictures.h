#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>

#include <vector>

namespace velmira::test {

// Pictures that cost much to read from little bytes, made here as they are needed (never
// whole in memory where they are large): what the picture budget is measured against.

// A 16-bit RGB PNG of smooth colours, Adam7-interlaced or not.
QByteArray deepPng(QSize size, bool interlaced = false);
// A deflate-compressed TIFF: RGBA of 32-bit floating-point samples, or 8-bit RGB.
QByteArray floatTiff(QSize size);
QByteArray rgbTiff(QSize size);
// A lossy still WebP (empty where the tests were built without libwebp).
QByteArray lossyWebp(QSize size);
// An animated WebP of `frames` lossless frames of `frame` size on a canvas of `canvas` size.
QByteArray animatedWebp(QSize canvas, int frames, QSize frame);
// A GIF of one small frame on a screen of `screen` size.
QByteArray bigScreenGif(QSize screen);
// A progressive JPEG.
QByteArray progressiveJpeg(QSize size);
// A 24-bit bitmap.
QByteArray rgbBitmap(QSize size);

struct CostlyPicture {
    QString name;
    QByteArray bytes;
    QByteArray extension;  // what the file is named with
};

// The pictures the suite measures (small enough to keep it fast), and the bench's larger ones.
std::vector<CostlyPicture> suiteCostlyPictures();
std::vector<CostlyPicture> benchCostlyPictures();

// Runs the peak helper on a file in a child process: the plan and what reading really took.
struct MeasuredRead {
    bool ran = false;
    bool read = false;
    QString refusal;     // why the door refused it
    qint64 planned = 0;  // the plan's cost
    qint64 peak = 0;     // the kernel's high-water mark, less what the process held before
    qint64 millis = 0;
    QSize size;  // what was read
};
MeasuredRead measureRead(const QString& helper, const QString& file);

}  // namespace velmira::test
