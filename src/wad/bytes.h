#pragma once

#include <QByteArray>
#include <QtEndian>

#include <optional>

namespace velmira::wad {

// Little-endian reads that check their bounds first.
inline std::optional<quint32> readU32(const QByteArray& bytes, qint64 offset) {
    if (offset < 0 || offset > bytes.size() - 4)
        return std::nullopt;
    return qFromLittleEndian<quint32>(bytes.constData() + offset);
}

inline std::optional<quint16> readU16(const QByteArray& bytes, qint64 offset) {
    if (offset < 0 || offset > bytes.size() - 2)
        return std::nullopt;
    return qFromLittleEndian<quint16>(bytes.constData() + offset);
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

}  // namespace velmira::wad
