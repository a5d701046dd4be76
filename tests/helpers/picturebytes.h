#pragma once

// Pictures written byte by byte for the tests of the picture readers: numbers in either byte
// order, TIFF directories, WebP and HEIF headers claiming any size.

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <initializer_list>
#include <vector>

namespace velmira::test {

inline void put32(QByteArray& b, qsizetype at, quint32 v) {
    qToLittleEndian(v, b.data() + at);
}
inline void put16(QByteArray& b, qsizetype at, quint16 v) {
    qToLittleEndian(v, b.data() + at);
}

inline QByteArray bytes(std::initializer_list<int> values) {
    QByteArray out;
    for (int v : values)
        out.append(static_cast<char>(v));
    return out;
}

// A picture whose left half is blue and right half red, in a format Qt writes.
inline QByteArray halvesIn(QSize size, const char* format,
                           QImage::Format stored = QImage::Format_RGB32, int alpha = 255) {
    QImage picture(size, QImage::Format_ARGB32);
    picture.fill(qRgba(220, 30, 20, alpha));
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        std::fill(line, line + size.width() / 2, qRgba(20, 30, 220, alpha));
    }
    QByteArray encoded;
    QBuffer buffer(&encoded);
    buffer.open(QIODevice::WriteOnly);
    picture.convertToFormat(stored).save(&buffer, format);
    return encoded;
}

// A little-endian TIFF of one picture: its directory's entries (tag, type: 3 a short, 4 a long;
// one value each, kDataAt where the data after the directory is meant) and that data.
inline constexpr quint32 kDataAt = 0xffffffffu;
inline QByteArray handMadeTiff(const std::vector<std::array<quint32, 3>>& entries,
                               const QByteArray& data) {
    QByteArray tiff = QByteArray("II*\0", 4) + QByteArray(6, '\0');
    put32(tiff, 4, 8);
    put16(tiff, 8, static_cast<quint16>(entries.size()));
    const auto dataAt = static_cast<quint32>(8 + 2 + 12 * entries.size() + 4);
    for (const auto& e : entries) {
        QByteArray entry(12, '\0');
        put16(entry, 0, static_cast<quint16>(e[0]));
        put16(entry, 2, static_cast<quint16>(e[1]));
        put32(entry, 4, 1);
        const quint32 value = e[2] == kDataAt ? dataAt : e[2];
        if (e[1] == 3)
            put16(entry, 8, static_cast<quint16>(value));
        else
            put32(entry, 8, value);
        tiff += entry;
    }
    return tiff + QByteArray(4, '\0') + data;
}

// A lossy WebP of headers only (a key frame's), of any size; with an alpha plane, an extended
// file.
inline QByteArray lossyWebpClaiming(int width, int height, bool alpha = false) {
    QByteArray frame = bytes({0x50, 0x01, 0x00, 0x9d, 0x01, 0x2a});
    frame += QByteArray(4, '\0') + QByteArray(100, '\0');
    put16(frame, 6, static_cast<quint16>(width));
    put16(frame, 8, static_cast<quint16>(height));
    QByteArray webp = QByteArray("RIFF") + QByteArray(4, '\0') + "WEBP";
    if (alpha) {
        // An extended file: its alpha flag and canvas, and an alpha plane's chunk.
        webp += QByteArray("VP8X") + bytes({10, 0, 0, 0, 0x10, 0, 0, 0});
        for (const int side : {width - 1, height - 1})
            webp += bytes({side & 0xff, (side >> 8) & 0xff, (side >> 16) & 0xff});
        webp += QByteArray("ALPH") + bytes({2, 0, 0, 0, 0, 0});
    }
    webp += QByteArray("VP8 ") + QByteArray(4, '\0');
    put32(webp, webp.size() - 4, static_cast<quint32>(frame.size()));
    webp += frame;
    put32(webp, 4, static_cast<quint32>(webp.size() - 8));
    return webp;
}

inline QByteArray be32(quint32 v) {
    QByteArray b(4, '\0');
    qToBigEndian(v, b.data());
    return b;
}
inline QByteArray be16(quint16 v) {
    QByteArray b(2, '\0');
    qToBigEndian(v, b.data());
    return b;
}

inline QByteArray isoBox(const char* kind, const QByteArray& payload) {
    return be32(static_cast<quint32>(8 + payload.size())) + QByteArray(kind) + payload;
}
inline QByteArray fullBox(const char* kind, int version, const QByteArray& payload) {
    return isoBox(kind, bytes({version, 0, 0, 0}) + payload);
}

// A HEIF file's boxes for a grid (item 1) of `tiles` tiles (items 2...) of 160 x 160, the
// grid `size`, each tile's four bytes of "coded data" located by a version-0 iloc; `extra` goes
// with the grid's properties.
inline QByteArray heifGridClaiming(QSize size, int tiles, const QByteArray& extra = {}) {
    QByteArray infe = fullBox("infe", 2, be16(1) + be16(0) + "grid" + QByteArray(1, '\0'));
    QByteArray refs = be16(1) + be16(static_cast<quint16>(tiles));
    QByteArray ipma;
    for (int i = 0; i < tiles; ++i) {
        const auto id = static_cast<quint16>(2 + i);
        infe += fullBox("infe", 2, be16(id) + be16(0) + "hvc1" + QByteArray(1, '\0'));
        refs += be16(id);
        ipma += be16(id) + bytes({2, 0x81, 0x83});  // the tile's size and its configuration
    }
    const int extras = extra.isEmpty() ? 0 : 1;
    ipma = be32(static_cast<quint32>(tiles + 1)) + be16(1) + bytes({1 + extras, 0x02}) +
           (extras ? bytes({0x04}) : QByteArray()) + ipma;
    const QByteArray ipco =
        isoBox("ipco", fullBox("ispe", 0, be32(160) + be32(160)) +
                           fullBox("ispe", 0,
                                   be32(static_cast<quint32>(size.width())) +
                                       be32(static_cast<quint32>(size.height()))) +
                           isoBox("hvcC", QByteArray(23, '\0')) + extra);
    const QByteArray ftyp = isoBox("ftyp", QByteArray("heic") + QByteArray(4, '\0') + "mif1heic");
    const auto meta = [&](quint32 data) {
        QByteArray iloc = bytes({0x44, 0x00}) + be16(static_cast<quint16>(tiles));
        for (int i = 0; i < tiles; ++i)
            iloc += be16(static_cast<quint16>(2 + i)) + be16(0) + be16(1) +
                    be32(data + 4 * static_cast<quint32>(i)) + be32(4);
        return fullBox("meta", 0,
                       fullBox("hdlr", 0, QByteArray(4, '\0') + "pict" + QByteArray(13, '\0')) +
                           fullBox("pitm", 0, be16(1)) + fullBox("iloc", 0, iloc) +
                           fullBox("iinf", 0, be16(static_cast<quint16>(tiles + 1)) + infe) +
                           fullBox("iref", 0, isoBox("dimg", refs)) +
                           isoBox("iprp", ipco + fullBox("ipma", 0, ipma)));
    };
    const auto data = static_cast<quint32>(ftyp.size() + meta(0).size() + 8);
    return ftyp + meta(data) + isoBox("mdat", QByteArray(4 * tiles, '\7'));
}

}  // namespace velmira::test
