#pragma once

#include <QByteArray>
#include <QtEndian>

#include <optional>

namespace velmira {

// Little-endian reads that check their bounds first. Byte by byte through at(): through the
// pointer an empty array hands out (one shared byte) the compiler cannot tie the check to the
// read, and GCC 14 at -O3 warns of a read past that byte.
inline std::optional<quint32> readU32(const QByteArray& bytes, qint64 offset) {
    if (offset < 0 || offset > bytes.size() - 4)
        return std::nullopt;
    quint32 value = 0;
    for (qint64 i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<uchar>(bytes.at(offset + i));
    return value;
}

inline std::optional<quint16> readU16(const QByteArray& bytes, qint64 offset) {
    if (offset < 0 || offset > bytes.size() - 2)
        return std::nullopt;
    return static_cast<quint16>(static_cast<uchar>(bytes.at(offset)) |
                                static_cast<uchar>(bytes.at(offset + 1)) << 8);
}

inline void appendU32(QByteArray& out, quint32 value) {
    char buffer[4];
    qToLittleEndian(value, buffer);
    out.append(buffer, 4);
}

inline void appendU16(QByteArray& out, quint16 value) {
    char buffer[2];
    qToLittleEndian(value, buffer);
    out.append(buffer, 2);
}

inline qint64 pad4(qint64 size) {
    return (size + 3) & ~qint64{3};
}

}  // namespace velmira
