#pragma once

#include <QtGlobal>

// Offsets and sizes of the WAD3 format.
namespace velmira::wad::WadLayout {
constexpr qint64 HeaderSize = 12;
constexpr qint64 MagicOffset = 0;
constexpr qint64 LumpCountOffset = 4;
constexpr qint64 DirectoryOffsetOffset = 8;

constexpr qint64 DirEntrySize = 32;
constexpr qint64 EntryPositionOffset = 0;
constexpr qint64 EntryDiskSizeOffset = 4;
constexpr qint64 EntrySizeOffset = 8;
constexpr qint64 EntryTypeOffset = 12;
constexpr qint64 EntryCompressionOffset = 13;
constexpr qint64 EntryNameOffset = 16;
constexpr qint64 NameSize = 16;

constexpr quint8 TypeMipTexture = 0x43;  // a colour spray
constexpr quint8 TypeDecal = 0x40;       // a one-colour decal, as the game writes its logos
}  // namespace velmira::wad::WadLayout

// Offsets and sizes of a mip texture lump.
namespace velmira::wad::MipLayout {
constexpr qint64 NameOffset = 0;
constexpr qint64 NameSize = 16;
constexpr qint64 WidthOffset = 16;
constexpr qint64 HeightOffset = 20;
constexpr qint64 MipOffsetsOffset = 24;
constexpr qint64 HeaderSize = 40;
constexpr int MipLevels = 4;
constexpr qint64 PaletteCountSize = 2;
constexpr qint64 PaletteSize = 768;
constexpr int PaletteColours = 256;
}  // namespace velmira::wad::MipLayout

// Offsets and sizes of the game's cache of sprays seen on servers (custom.hpk).
namespace velmira::wad::HpkLayout {
constexpr qint64 HeaderSize = 12;
constexpr qint64 VersionOffset = 4;
constexpr qint64 DirectoryOffsetOffset = 8;
constexpr quint32 Version = 1;
constexpr qint64 CountSize = 4;
constexpr qint64 MaxEntries = 32768;
constexpr qint64 EntrySize = 144;
constexpr qint64 NameSize = 64;
constexpr qint64 TypeOffset = 64;
constexpr qint64 DataOffsetOffset = 136;
constexpr qint64 DataLengthOffset = 140;
constexpr quint32 TypeDecal = 3;  // a player's spray
// What the engines store: the smallest entry one keeps, and the largest either does.
constexpr qint64 MinData = 512;
constexpr qint64 MaxData = 256 * 1024;
}  // namespace velmira::wad::HpkLayout
