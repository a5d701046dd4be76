#include "hpk.h"

#include "wad/bytes.h"
#include "wad/layout.h"
#include "wad/wad.h"

namespace velmira::wad {

Result<SprayCache> readSprayCache(const QByteArray& bytes) {
    using Fail = Result<SprayCache>;
    using namespace HpkLayout;
    if (bytes.size() < HeaderSize || !bytes.startsWith("HPAK"))
        return Fail::failure(QStringLiteral("it is not a cache of sprays"));
    if (*readU32(bytes, VersionOffset) != Version)
        return Fail::failure(QStringLiteral("the cache is of a version the game does not write"));
    const qint64 directory = *readU32(bytes, DirectoryOffsetOffset);
    const auto count = readU32(bytes, directory);
    if (directory < HeaderSize || !count)
        return Fail::failure(QStringLiteral("the cache's directory lies outside it"));
    if (*count < 1 || *count > MaxEntries)
        return Fail::failure(QStringLiteral("the cache's directory counts %1 entries").arg(*count));
    // Checked before anything is kept: the whole directory is inside the file.
    const qint64 entries = qint64{*count};
    if (directory + CountSize + entries * EntrySize > bytes.size())
        return Fail::failure(QStringLiteral("the cache is cut short"));
    // What the entries claim, added up, is never more than the file: however the directory
    // repeats or overlaps its entries, reading them costs no more than the file's size.
    qint64 claimed = 0;
    for (qint64 i = 0; i < entries; ++i)
        claimed += *readU32(bytes, directory + CountSize + i * EntrySize + DataLengthOffset);
    if (claimed > bytes.size())
        return Fail::failure(QStringLiteral("the cache's entries add up to more than the file"));
    SprayCache cache;
    cache.bytes = bytes;
    for (qint64 i = 0; i < entries; ++i) {
        const qint64 entry = directory + CountSize + i * EntrySize;
        const qint64 offset = *readU32(bytes, entry + DataOffsetOffset);
        const qint64 length = *readU32(bytes, entry + DataLengthOffset);
        // Between the header and the directory, where the game writes its entries' data.
        const bool inside = offset >= HeaderSize && length >= MinData && length <= MaxData &&
                            offset + length <= directory;
        if (*readU32(bytes, entry + TypeOffset) != TypeDecal || !inside) {
            ++cache.passedOver;
            continue;
        }
        const QByteArray data = QByteArray::fromRawData(bytes.constData() + offset, length);
        if (!checkSprayFile(data)) {
            ++cache.passedOver;
            continue;
        }
        const QByteArray name = bytes.mid(entry, NameSize);
        CachedSpray spray;
        spray.name = QString::fromLatin1(name.left(name.indexOf('\0')));
        spray.offset = offset;
        spray.length = length;
        cache.sprays.push_back(std::move(spray));
    }
    return cache;
}

}  // namespace velmira::wad
