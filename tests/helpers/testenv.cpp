#include "testenv.h"

#include <QCryptographicHash>
#include <QtEndian>

#include "wad/wad.h"

#include <QCoreApplication>

#ifndef Q_OS_WIN
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>
#endif
#include <QtEndian>

namespace velmira::test {

QString binaryFolder() {
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
}

namespace {
void put32(QByteArray& b, quint32 v) {
    char c[4];
    qToLittleEndian(v, c);
    b.append(c, 4);
}
void put16(QByteArray& b, quint16 v) {
    char c[2];
    qToLittleEndian(v, c);
    b.append(c, 2);
}
}  // namespace

QByteArray bitmapOfDepth(int bits, int width, int height,
                         const std::function<QRgb(int, int)>& pattern) {
    const bool alpha = bits == 32;
    const quint32 infoSize = alpha ? 108 : 40;
    const int colours = bits <= 8 ? (1 << bits) : 0;
    const int stride = ((width * bits + 31) / 32) * 4;
    // The palette of a paletted bitmap: the pattern's colours, in order of first use.
    QVector<QRgb> palette;
    QByteArray pixels;
    for (int row = height - 1; row >= 0; --row) {
        QByteArray line(stride, '\0');
        for (int x = 0; x < width; ++x) {
            const QRgb c = pattern(x, row);
            if (bits <= 8) {
                qsizetype index = palette.indexOf(c);
                if (index < 0) {
                    index = palette.size() < colours ? palette.size() : 0;
                    if (palette.size() < colours)
                        palette << c;
                }
                const int bit = x * bits;
                line[bit / 8] = static_cast<char>(line[bit / 8] | (index << (8 - bits - bit % 8)));
            } else {
                const int at = x * (bits / 8);
                line[at] = static_cast<char>(qBlue(c));
                line[at + 1] = static_cast<char>(qGreen(c));
                line[at + 2] = static_cast<char>(qRed(c));
                if (alpha)
                    line[at + 3] = static_cast<char>(qAlpha(c));
            }
        }
        pixels.append(line);
    }
    palette.resize(colours);
    const quint32 pixelsAt = 14 + infoSize + 4 * static_cast<quint32>(colours);
    QByteArray b("BM");
    put32(b, pixelsAt + static_cast<quint32>(pixels.size()));
    put32(b, 0);
    put32(b, pixelsAt);
    put32(b, infoSize);
    put32(b, static_cast<quint32>(width));
    put32(b, static_cast<quint32>(height));
    put16(b, 1);
    put16(b, static_cast<quint16>(bits));
    put32(b, alpha ? 3 : 0);
    put32(b, static_cast<quint32>(pixels.size()));
    put32(b, 2835);
    put32(b, 2835);
    put32(b, static_cast<quint32>(colours));
    put32(b, 0);
    if (alpha) {
        put32(b, 0x00ff0000);
        put32(b, 0x0000ff00);
        put32(b, 0x000000ff);
        put32(b, 0xff000000);
        b.append(QByteArray(108 - 56, '\0'));
    }
    for (QRgb c : palette) {
        b.append(static_cast<char>(qBlue(c)));
        b.append(static_cast<char>(qGreen(c)));
        b.append(static_cast<char>(qRed(c)));
        b.append('\0');
    }
    b.append(pixels);
    return b;
}

QByteArray bitmap8(int width, int height, int colours) {
    const int stride = (width + 3) & ~3;
    const quint32 pixelsAt = 14 + 40 + 4 * 256;
    QByteArray b("BM");
    put32(b, pixelsAt + static_cast<quint32>(stride * height));
    put32(b, 0);
    put32(b, pixelsAt);
    put32(b, 40);
    put32(b, static_cast<quint32>(width));
    put32(b, static_cast<quint32>(height));
    put16(b, 1);
    put16(b, 8);
    put32(b, 0);
    put32(b, static_cast<quint32>(stride * height));
    put32(b, 2835);
    put32(b, 2835);
    put32(b, 256);
    put32(b, 0);
    for (int i = 0; i < 256; ++i) {
        // B G R reserved; distinct greys and tints
        b.append(static_cast<char>(i));
        b.append(static_cast<char>(255 - i));
        b.append(static_cast<char>((i * 7) & 0xff));
        b.append('\0');
    }
    for (int row = height - 1; row >= 0; --row) {  // bottom-up
        QByteArray line(stride, '\0');
        for (int x = 0; x < width; ++x)
            line[x] = static_cast<char>((x + row) % colours);
        b.append(line);
    }
    return b;
}

QByteArray sprayWad(int width, int height, int seed) {
    spray::IndexedPicture picture;
    picture.width = width;
    picture.height = height;
    picture.pixels.resize(static_cast<qsizetype>(width) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.pixels[static_cast<qsizetype>(y) * width + x] =
                static_cast<char>((x + y + seed) % 200);
    for (int i = 0; i < 256; ++i)
        picture.palette[static_cast<std::size_t>(i)] = qRgb(i, 255 - i, (i * 7) % 256);
    picture.palette[255] = spray::kPureBlue;
    return wad::encodeWad({wad::Lump{QStringLiteral("{LOGO"), 0x43,
                                     wad::encodeMipTexture(picture, QStringLiteral("{LOGO"))}});
}

QByteArray hpkOf(const std::vector<HpkEntry>& entries) {
    QByteArray cache("HPAK");
    const auto u32 = [](QByteArray& out, quint32 value) {
        char bytes[4];
        qToLittleEndian(value, bytes);
        out.append(bytes, 4);
    };
    u32(cache, 1);
    u32(cache, 0);  // the directory's offset, set below
    QByteArray directory;
    u32(directory, static_cast<quint32>(entries.size()));
    for (const HpkEntry& entry : entries) {
        QByteArray record = entry.name.left(63);
        record.resize(64, '\0');
        u32(record, entry.type);
        u32(record, 0);                                        // index
        u32(record, static_cast<quint32>(entry.data.size()));  // download size
        record.append('\x04');                                 // flags: custom
        record.append(QCryptographicHash::hash(entry.data, QCryptographicHash::Md5));
        record.append('\0');                      // player
        record.append(QByteArray(32 + 2, '\0'));  // reserved, padding
        u32(record, 0xdeadbeef);
        u32(record, 0xdeadbeef);
        u32(record, static_cast<quint32>(entry.offset >= 0 ? entry.offset : cache.size()));
        u32(record, static_cast<quint32>(entry.length >= 0 ? entry.length : entry.data.size()));
        directory += record;
        if (entry.offset < 0)
            cache += entry.data;
    }
    qToLittleEndian(static_cast<quint32>(cache.size()), cache.data() + 8);
    return cache + directory;
}

#ifndef Q_OS_WIN
LinkSwapper::LinkSwapper(const QString& folder, const QString& target, QStringList planted) {
    m_thread = std::thread([this, dir = QFile::encodeName(folder), to = QFile::encodeName(target),
                            names = std::move(planted)] {
        while (!m_stop) {
            for (const QString& name : names) {
                const QByteArray path = dir + '/' + QFile::encodeName(name);
                if (::symlink(to.constData(), path.constData()) == 0)
                    ++m_swaps;
            }
            DIR* listing = ::opendir(dir.constData());
            while (const dirent* entry = listing ? ::readdir(listing) : nullptr) {
                const QByteArray path = dir + '/' + QByteArray(entry->d_name);
                struct stat info;
                if (::lstat(path.constData(), &info) == 0 && S_ISREG(info.st_mode) &&
                    ::unlink(path.constData()) == 0 &&
                    ::symlink(to.constData(), path.constData()) == 0)
                    ++m_swaps;
            }
            if (listing)
                ::closedir(listing);
        }
    });
}

LinkSwapper::~LinkSwapper() {
    m_stop = true;
    m_thread.join();
}
#endif

}  // namespace velmira::test
