#pragma once

// The game engine's acceptance rules for a player's spray file, written out again here from
// the format's description, independent of the program's own WAD code.

#include <QByteArray>
#include <QString>
#include <QtEndian>

namespace velmira::test {

struct EngineView {
    QString problem;  // empty when the engine takes the file
    quint32 width = 0, height = 0;
    QByteArray mip[4];
    QByteArray palette;  // 768 bytes
};

inline EngineView engineRead(const QByteArray& f) {
    EngineView v;
    auto u32 = [&](qint64 at) -> qint64 {
        if (at < 0 || at + 4 > f.size())
            return -1;
        return qFromLittleEndian<quint32>(f.constData() + at);
    };
    if (f.size() < 1024 || f.size() > 20480)
        return v.problem = QStringLiteral("size outside 1024..20480"), v;
    if (!f.startsWith("WAD3"))
        return v.problem = QStringLiteral("magic"), v;
    if (u32(4) != 1)
        return v.problem = QStringLiteral("lump count"), v;
    const qint64 dir = u32(8);
    if (dir + 32 != f.size())
        return v.problem = QStringLiteral("directory not last"), v;
    const qint64 pos = u32(dir), disk = u32(dir + 4), size = u32(dir + 8);
    if (size != disk || size < 1 || pos < 12 || pos + size > dir)
        return v.problem = QStringLiteral("lump bounds"), v;
    if (static_cast<quint8>(f[dir + 13]) != 0)
        return v.problem = QStringLiteral("compressed"), v;
    const QByteArray lump = f.mid(pos, size);
    auto l32 = [&](qint64 at) -> qint64 {
        if (at + 4 > lump.size())
            return -1;
        return qFromLittleEndian<quint32>(lump.constData() + at);
    };
    const qint64 w = l32(16), h = l32(20);
    if (w <= 0 || h <= 0 || w > 256 || h > 256)
        return v.problem = QStringLiteral("dimensions"), v;
    const qint64 o0 = l32(24), o1 = l32(28), o2 = l32(32), o3 = l32(36);
    if (o0 != 40 || o1 != o0 + w * h || o2 != o1 + w * h / 4 || o3 != o2 + w * h / 16)
        return v.problem = QStringLiteral("mip offsets"), v;
    const qint64 palAt = 40 + w * h * 85 / 64;
    if (palAt + 2 + 768 > lump.size())
        return v.problem = QStringLiteral("palette outside lump"), v;
    if (qFromLittleEndian<quint16>(lump.constData() + palAt) > 256)
        return v.problem = QStringLiteral("palette count"), v;
    v.width = static_cast<quint32>(w);
    v.height = static_cast<quint32>(h);
    v.mip[0] = lump.mid(o0, w * h);
    v.mip[1] = lump.mid(o1, w * h / 4);
    v.mip[2] = lump.mid(o2, w * h / 16);
    v.mip[3] = lump.mid(o3, w * h / 64);
    v.palette = lump.mid(palAt + 2, 768);
    return v;
}

inline bool entry255IsPureBlue(const EngineView& v) {
    return v.palette.size() == 768 && static_cast<quint8>(v.palette[765]) == 0 &&
           static_cast<quint8>(v.palette[766]) == 0 && static_cast<quint8>(v.palette[767]) == 255;
}

}  // namespace velmira::test
