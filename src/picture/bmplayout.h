#pragma once

#include <QtGlobal>

// The few fields of a bitmap's headers that are checked before Qt's reader reads it.
namespace velmira::picture::BmpLayout {
constexpr qint64 PixelOffsetOffset = 10;
constexpr qint64 InfoOffset = 14;
constexpr qint64 CoreHeaderSize = 12;
constexpr qint64 InfoHeaderSize = 40;
}  // namespace velmira::picture::BmpLayout
