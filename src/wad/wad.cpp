#include "wad.h"

#include "core/bytes.h"
#include "core/plural.h"
#include "spray/palette.h"
#include "wad/layout.h"

#include <QCoreApplication>
#include <QIODevice>

#include <algorithm>
#include <cstring>

namespace velmira::wad {

using namespace velmira::spray;

namespace {

void appendName(QByteArray& out, const QString& name, qint64 size) {
    QByteArray bytes = name.toLatin1().left(static_cast<qsizetype>(size - 1));
    bytes.append(QByteArray(static_cast<qsizetype>(size) - bytes.size(), '\0'));
    out.append(bytes);
}

QString nameAt(const QByteArray& bytes, qint64 offset, qint64 size) {
    const char* start = bytes.constData() + offset;
    const auto length = static_cast<qsizetype>(strnlen(start, static_cast<size_t>(size)));
    return QString::fromLatin1(start, length);
}

}  // namespace

QByteArray encodeMipTexture(const IndexedPicture& picture, const QString& name) {
    const qint64 area = static_cast<qint64>(picture.width) * picture.height;
    QByteArray out;
    out.reserve(static_cast<qsizetype>(MipLayout::HeaderSize + area * 85 / 64 + 2 + 768 + 4));
    appendName(out, name.toLower(), MipLayout::NameSize);
    appendU32(out, static_cast<quint32>(picture.width));
    appendU32(out, static_cast<quint32>(picture.height));
    qint64 offset = MipLayout::HeaderSize;
    for (int level = 0; level < MipLayout::MipLevels; ++level) {
        appendU32(out, static_cast<quint32>(offset));
        offset += area >> (2 * level);
    }
    out.append(picture.pixels);
    for (int level = 1; level < MipLayout::MipLevels; ++level)
        out.append(reduceMip(picture, level));
    appendU16(out, MipLayout::PaletteColours);
    for (QRgb colour : picture.palette) {
        out.append(static_cast<char>(qRed(colour)));
        out.append(static_cast<char>(qGreen(colour)));
        out.append(static_cast<char>(qBlue(colour)));
    }
    out.append(QByteArray(static_cast<qsizetype>(pad4(out.size()) - out.size()), '\0'));
    return out;
}

QByteArray encodeWad(const std::vector<Lump>& lumps) {
    QByteArray out("WAD3", 4);
    appendU32(out, static_cast<quint32>(lumps.size()));
    appendU32(out, 0);  // the directory's offset, known once the lumps are in
    std::vector<quint32> positions;
    std::vector<quint32> sizes;
    for (const Lump& lump : lumps) {
        positions.push_back(static_cast<quint32>(out.size()));
        out.append(lump.data);
        out.append(
            QByteArray(static_cast<qsizetype>(pad4(lump.data.size()) - lump.data.size()), '\0'));
        sizes.push_back(static_cast<quint32>(out.size()) - positions.back());
    }
    qToLittleEndian(static_cast<quint32>(out.size()),
                    out.data() + WadLayout::DirectoryOffsetOffset);
    for (std::size_t i = 0; i < lumps.size(); ++i) {
        appendU32(out, positions[i]);
        appendU32(out, sizes[i]);
        appendU32(out, sizes[i]);
        out.append(static_cast<char>(lumps[i].type));
        out.append('\0');  // no compression
        appendU16(out, 0);
        appendName(out, lumps[i].name.toUpper(), WadLayout::NameSize);
    }
    return out;
}

bool writeWad(QIODevice& device, const std::vector<Lump>& lumps, QString* errorString) {
    const QByteArray bytes = encodeWad(lumps);
    if (device.write(bytes) != bytes.size()) {
        if (errorString)
            *errorString = device.errorString();
        return false;
    }
    return true;
}

Result<std::vector<Lump>> readWad(const QByteArray& bytes, quint32 maxLumps) {
    using Fail = Result<std::vector<Lump>>;
    if (bytes.size() < WadLayout::HeaderSize)
        return Fail::failure(
            QCoreApplication::translate("velmira::wad::Wad", "the file is too small to be a WAD"));
    if (!bytes.startsWith("WAD3"))
        return Fail::failure(
            QCoreApplication::translate("velmira::wad::Wad", "the file is not a WAD3 file"));
    const quint32 count = *readU32(bytes, WadLayout::LumpCountOffset);
    const quint32 directory = *readU32(bytes, WadLayout::DirectoryOffsetOffset);
    const qint64 size = bytes.size();
    if (directory < WadLayout::HeaderSize || directory > size)
        return Fail::failure(QCoreApplication::translate("velmira::wad::Wad",
                                                         "the directory lies outside the file"));
    if (static_cast<qint64>(count) > (size - directory) / WadLayout::DirEntrySize)
        return Fail::failure(QCoreApplication::translate(
            "velmira::wad::Wad", "the directory runs past the end of the file"));
    std::vector<Lump> lumps;
    const quint32 wanted = std::min(count, maxLumps);
    lumps.reserve(wanted);
    // What the lumps take, added up: never more than the file, however often the directory
    // names one lump.
    qint64 total = 0;
    for (quint32 i = 0; i < wanted; ++i) {
        const qint64 entry = directory + static_cast<qint64>(i) * WadLayout::DirEntrySize;
        const quint32 position = *readU32(bytes, entry + WadLayout::EntryPositionOffset);
        const quint32 diskSize = *readU32(bytes, entry + WadLayout::EntryDiskSizeOffset);
        const quint32 fullSize = *readU32(bytes, entry + WadLayout::EntrySizeOffset);
        const auto compression =
            static_cast<quint8>(bytes[entry + WadLayout::EntryCompressionOffset]);
        if (compression != 0)
            return Fail::failure(
                QCoreApplication::translate("velmira::wad::Wad", "lump %1 is compressed").arg(i));
        if (fullSize > diskSize || position < WadLayout::HeaderSize ||
            static_cast<qint64>(position) + diskSize > size)
            return Fail::failure(
                QCoreApplication::translate("velmira::wad::Wad", "lump %1 lies outside the file")
                    .arg(i));
        total += fullSize;
        if (total > size)
            return Fail::failure(QCoreApplication::translate(
                "velmira::wad::Wad", "the lumps add up to more than the file"));
        Lump lump;
        lump.type = static_cast<quint8>(bytes[entry + WadLayout::EntryTypeOffset]);
        lump.name = nameAt(bytes, entry + WadLayout::EntryNameOffset, WadLayout::NameSize);
        lump.data = bytes.mid(position, fullSize);
        lumps.push_back(std::move(lump));
    }
    return lumps;
}

Result<IndexedPicture> readMipTexture(const QByteArray& lump) {
    using Fail = Result<IndexedPicture>;
    const auto width = readU32(lump, MipLayout::WidthOffset);
    const auto height = readU32(lump, MipLayout::HeightOffset);
    const auto mip0 = readU32(lump, MipLayout::MipOffsetsOffset);
    if (!width || !height || !mip0)
        return Fail::failure(
            QCoreApplication::translate("velmira::wad::Wad", "the picture's header is cut short"));
    if (*width == 0 || *height == 0 || *width > kSprayMaxSide || *height > kSprayMaxSide)
        return Fail::failure(QCoreApplication::translate(
                                 "velmira::wad::Wad", "the picture's size %1 x %2 is not allowed")
                                 .arg(*width)
                                 .arg(*height));
    const qint64 area = static_cast<qint64>(*width) * *height;
    // The palette sits right after the four mip levels.
    const qint64 paletteAt = static_cast<qint64>(*mip0) + area * 85 / 64;
    const auto colours = readU16(lump, paletteAt);
    if (static_cast<qint64>(*mip0) + area > lump.size() || !colours)
        return Fail::failure(QCoreApplication::translate(
            "velmira::wad::Wad", "the picture runs past the end of its lump"));
    if (*colours > MipLayout::PaletteColours ||
        paletteAt + MipLayout::PaletteCountSize + qint64{*colours} * 3 > lump.size())
        return Fail::failure(
            QCoreApplication::translate("velmira::wad::Wad", "the palette is damaged"));
    IndexedPicture picture;
    picture.width = static_cast<int>(*width);
    picture.height = static_cast<int>(*height);
    picture.pixels = lump.mid(static_cast<qsizetype>(*mip0), static_cast<qsizetype>(area));
    picture.palette.fill(qRgb(0, 0, 0));
    const char* rgb = lump.constData() + paletteAt + MipLayout::PaletteCountSize;
    for (int i = 0; i < *colours; ++i)
        picture.palette[static_cast<std::size_t>(i)] =
            qRgb(static_cast<uchar>(rgb[3 * i]), static_cast<uchar>(rgb[3 * i + 1]),
                 static_cast<uchar>(rgb[3 * i + 2]));
    return picture;
}

Result<bool> checkSprayFile(const QByteArray& bytes) {
    using Fail = Result<bool>;
    // The game engine's own checks of a player's spray file, in its order.
    if (bytes.size() < kSprayMinFileSize || bytes.size() > kSprayMaxFileSize)
        return Fail::failure(
            QCoreApplication::translate("velmira::wad::Wad",
                                        "the file's size %1 is outside 1024 to 20480 bytes")
                .arg(bytes.size()));
    if (!bytes.startsWith("WAD3"))
        return Fail::failure(
            QCoreApplication::translate("velmira::wad::Wad", "the file is not a WAD3 file"));
    const qint64 count = *readU32(bytes, WadLayout::LumpCountOffset);
    if (count != 1)
        return Fail::failure(translatedCount(
            "velmira::wad::Wad",
            QT_TRANSLATE_N_NOOP("velmira::wad::Wad", "the file holds %n lumps, not one"), count));
    const qint64 directory = *readU32(bytes, WadLayout::DirectoryOffsetOffset);
    if (directory < 1 || directory + WadLayout::DirEntrySize != bytes.size())
        return Fail::failure(QCoreApplication::translate(
            "velmira::wad::Wad", "the directory is not at the end of the file"));
    const qint64 position = *readU32(bytes, directory + WadLayout::EntryPositionOffset);
    const qint64 diskSize = *readU32(bytes, directory + WadLayout::EntryDiskSizeOffset);
    const qint64 size = *readU32(bytes, directory + WadLayout::EntrySizeOffset);
    if (size != diskSize || size < 1 || position < WadLayout::HeaderSize ||
        position + size > directory)
        return Fail::failure(
            QCoreApplication::translate("velmira::wad::Wad", "the lump's sizes are wrong"));
    const QByteArray lump =
        bytes.mid(static_cast<qsizetype>(position), static_cast<qsizetype>(size));
    const auto width = readU32(lump, MipLayout::WidthOffset);
    const auto height = readU32(lump, MipLayout::HeightOffset);
    if (!width || !height || !readU32(lump, MipLayout::MipOffsetsOffset + 12))
        return Fail::failure(
            QCoreApplication::translate("velmira::wad::Wad", "the picture's header is cut short"));
    if (*width < 1 || *height < 1 || *width > kSprayMaxSide || *height > kSprayMaxSide)
        return Fail::failure(QCoreApplication::translate(
                                 "velmira::wad::Wad", "the picture's size %1 x %2 is not allowed")
                                 .arg(*width)
                                 .arg(*height));
    const qint64 pixels = qint64{*width} * *height;
    const qint64 offset[4] = {*readU32(lump, MipLayout::MipOffsetsOffset),
                              *readU32(lump, MipLayout::MipOffsetsOffset + 4),
                              *readU32(lump, MipLayout::MipOffsetsOffset + 8),
                              *readU32(lump, MipLayout::MipOffsetsOffset + 12)};
    if (offset[1] != offset[0] + pixels || offset[2] != offset[1] + pixels / 4 ||
        offset[3] != offset[2] + pixels / 16)
        return Fail::failure(QCoreApplication::translate(
            "velmira::wad::Wad", "the mip levels' offsets do not follow each other"));
    const qint64 mipBytes = pixels + pixels / 4 + pixels / 16 + pixels / 64;
    // The engine reads the colour count at a fixed place, the colours after offset[0].
    const auto colours = readU16(lump, MipLayout::HeaderSize + mipBytes);
    if (!colours)
        return Fail::failure(
            QCoreApplication::translate("velmira::wad::Wad", "the palette lies outside the lump"));
    if (*colours < 1 || *colours > MipLayout::PaletteColours)
        return Fail::failure(
            QCoreApplication::translate("velmira::wad::Wad",
                                        "the palette's colour count %1 is not 1 to 256")
                .arg(*colours));
    if (offset[0] + mipBytes + MipLayout::PaletteCountSize + 3 * qint64{*colours} > lump.size())
        return Fail::failure(
            QCoreApplication::translate("velmira::wad::Wad", "the palette lies outside the lump"));
    return true;
}

}  // namespace velmira::wad
