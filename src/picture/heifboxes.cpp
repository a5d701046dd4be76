#include "heifboxes.h"

#include <QCoreApplication>
#include <QHash>
#include <QtEndian>

#include <vector>

namespace velmira::picture {

bool isHeif(const QByteArray& bytes) {
    if (bytes.size() < 12 || bytes.mid(4, 4) != "ftyp")
        return false;
    const QByteArray brand = bytes.mid(8, 4);
    for (const char* heif :
         {"heic", "heix", "hevc", "hevx", "heim", "heis", "mif1", "msf1", "avif", "avis"})
        if (brand == heif)
            return true;
    return false;
}

namespace {

// A box of an ISO base media file: its kind and where its contents lie.
struct Box {
    qint64 at = 0;  // its header
    QByteArray kind;
    qint64 start = 0;  // the contents, after the header
    qint64 end = 0;
};

quint32 be32(const QByteArray& bytes, qint64 at) {
    return qFromBigEndian<quint32>(bytes.constData() + at);
}

// The boxes lying between `start` and `end`; stops at the first that does not fit.
std::vector<Box> boxesIn(const QByteArray& bytes, qint64 start, qint64 end) {
    std::vector<Box> boxes;
    qint64 at = start;
    while (at + 8 <= end) {
        qint64 size = be32(bytes, at);
        qint64 header = 8;
        if (size == 1) {
            if (at + 16 > end)
                break;
            const quint64 large = qFromBigEndian<quint64>(bytes.constData() + at + 8);
            if (large > static_cast<quint64>(end - at))
                break;
            size = static_cast<qint64>(large);
            header = 16;
        } else if (size == 0) {
            size = end - at;
        }
        if (size < header || size > end - at)
            break;
        boxes.push_back(Box{at, bytes.mid(at + 4, 4), at + header, at + size});
        at += size;
    }
    return boxes;
}

const Box* find(const std::vector<Box>& boxes, const char* kind) {
    for (const Box& box : boxes)
        if (box.kind == kind)
            return &box;
    return nullptr;
}

// Reads whole numbers of 1, 2 or 4 bytes from a box's contents, never past its end.
struct Reader {
    const QByteArray& bytes;
    qint64 at;
    qint64 end;
    bool ok = true;
    quint32 take(int width) {
        if (!ok || at + width > end) {
            ok = false;
            return 0;
        }
        quint32 value = 0;
        for (int i = 0; i < width; ++i)
            value = (value << 8) | static_cast<uchar>(bytes[at + i]);
        at += width;
        return value;
    }
};

// Where each of these items' data lies in the file (an offset and a length), from the iloc box:
// only data in one piece within the file; empty where any item's is not.
std::vector<std::pair<qint64, qint64>> dataOf(const QByteArray& bytes, const Box* iloc,
                                              const std::vector<quint32>& items) {
    if (!iloc || iloc->start + 6 > iloc->end)
        return {};
    const int version = static_cast<uchar>(bytes[iloc->start]);
    Reader r{bytes, iloc->start + 4, iloc->end};
    const quint32 sizes = r.take(1), more = r.take(1);
    const int offsetSize = static_cast<int>(sizes >> 4), lengthSize = static_cast<int>(sizes & 15);
    const int baseSize = static_cast<int>(more >> 4);
    const int indexSize = (version == 1 || version == 2) ? static_cast<int>(more & 15) : 0;
    const auto sized = [](int n) { return n == 0 || n == 4 || n == 8; };
    if (!sized(offsetSize) || !sized(lengthSize) || !sized(baseSize) || !sized(indexSize))
        return {};
    const auto take = [&](int n) -> quint64 {
        return n == 8 ? (quint64{r.take(4)} << 32) | r.take(4) : n == 4 ? r.take(4) : 0;
    };
    QHash<quint32, std::pair<qint64, qint64>> found;
    const quint32 count = r.take(version < 2 ? 2 : 4);
    for (quint32 i = 0; i < count && r.ok; ++i) {
        const quint32 id = r.take(version < 2 ? 2 : 4);
        const quint32 method = (version == 1 || version == 2) ? (r.take(2) & 15) : 0;
        r.take(2);  // data reference
        const quint64 base = take(baseSize);
        const quint32 extents = r.take(2);
        quint64 offset = 0, length = 0;
        for (quint32 e = 0; e < extents && r.ok; ++e) {
            take(indexSize);
            offset = take(offsetSize);
            length = take(lengthSize);
        }
        const quint64 start = base + offset;
        if (r.ok && method == 0 && extents == 1 && length > 0 &&
            start <= static_cast<quint64>(bytes.size()) &&
            length <= static_cast<quint64>(bytes.size()) - start)
            found.insert(id, {static_cast<qint64>(start), static_cast<qint64>(length)});
    }
    std::vector<std::pair<qint64, qint64>> located;
    for (const quint32 id : items) {
        if (!found.contains(id))
            return {};
        located.push_back(found.value(id));
    }
    return located;
}

}  // namespace

bool HeifHeaders::readByTiles() const {
    if (!grid || alpha || bits != 8 || tile.isEmpty() || stored.isEmpty() ||
        tileData.size() != tileIds.size() || tileConfig.isEmpty())
        return false;
    const qint64 columns = (qint64{stored.width()} + tile.width() - 1) / tile.width();
    const qint64 rows = (qint64{stored.height()} + tile.height() - 1) / tile.height();
    return columns * rows == static_cast<qint64>(tileIds.size());
}

Result<HeifHeaders> readHeifHeaders(const QByteArray& bytes) {
    using Fail = Result<HeifHeaders>;
    const QString damaged =
        QCoreApplication::translate("velmira::picture::Heif", "the HEIF picture is damaged");
    if (!isHeif(bytes))
        return Fail::failure(
            QCoreApplication::translate("velmira::picture::Heif", "it is not a HEIF picture"));
    const std::vector<Box> top = boxesIn(bytes, 0, bytes.size());
    const Box* meta = find(top, "meta");
    if (!meta || meta->start + 4 > meta->end)
        return Fail::failure(damaged);
    const std::vector<Box> inner = boxesIn(bytes, meta->start + 4, meta->end);
    const Box* pitm = find(inner, "pitm");
    const Box* iinf = find(inner, "iinf");
    const Box* iprp = find(inner, "iprp");
    if (!pitm || !iinf || !iprp)
        return Fail::failure(damaged);
    const auto version = [&](const Box& box) {
        return box.start < box.end ? static_cast<uchar>(bytes[box.start]) : 0;
    };

    Reader primaryReader{bytes, pitm->start + 4, pitm->end};
    const quint32 primary = primaryReader.take(version(*pitm) == 0 ? 2 : 4);
    if (!primaryReader.ok)
        return Fail::failure(damaged);

    // The items' kinds: only the primary's and its tiles' matter.
    QHash<quint32, QByteArray> kinds;
    const qint64 entriesAt = iinf->start + 4 + (version(*iinf) == 0 ? 2 : 4);
    for (const Box& infe : boxesIn(bytes, entriesAt, iinf->end)) {
        if (infe.kind != "infe" || version(infe) < 2)
            continue;
        Reader item{bytes, infe.start + 4, infe.end};
        const quint32 id = item.take(version(infe) == 2 ? 2 : 4);
        item.take(2);  // protection
        item.take(4);  // the item's kind
        if (item.ok)
            kinds.insert(id, bytes.mid(item.at - 4, 4));
    }
    if (!kinds.contains(primary))
        return Fail::failure(damaged);

    // What the primary picture is made of, and whether a picture of its alpha goes with it.
    HeifHeaders headers;
    std::vector<quint32> tiles;
    if (const Box* iref = find(inner, "iref")) {
        const int idWidth = version(*iref) == 0 ? 2 : 4;
        for (const Box& reference : boxesIn(bytes, iref->start + 4, iref->end)) {
            Reader r{bytes, reference.start, reference.end};
            const quint32 from = r.take(idWidth);
            const quint32 count = r.take(2);
            for (quint32 i = 0; i < count && r.ok; ++i) {
                const quint32 to = r.take(idWidth);
                if (!r.ok)
                    break;
                if (reference.kind == "dimg" && from == primary)
                    tiles.push_back(to);
                if (reference.kind == "auxl" && to == primary)
                    headers.alpha = true;
            }
        }
    }

    // The properties each item has (ipco's boxes, counted from 1).
    const std::vector<Box> iprpBoxes = boxesIn(bytes, iprp->start, iprp->end);
    const Box* ipco = find(iprpBoxes, "ipco");
    const Box* ipma = find(iprpBoxes, "ipma");
    if (!ipco || !ipma)
        return Fail::failure(damaged);
    const std::vector<Box> properties = boxesIn(bytes, ipco->start, ipco->end);
    const quint32 firstTile = tiles.empty() ? primary : tiles.front();
    std::vector<const Box*> ofPrimary, ofTile;
    QHash<quint32, const Box*> configOf;  // each item's decoder configuration
    {
        const int flags =
            ipma->start + 4 <= ipma->end ? static_cast<uchar>(bytes[ipma->start + 3]) : 0;
        Reader r{bytes, ipma->start + 4, ipma->end};
        const quint32 entries = r.take(4);
        for (quint32 e = 0; e < entries && r.ok; ++e) {
            const quint32 id = r.take(version(*ipma) < 1 ? 2 : 4);
            const quint32 count = r.take(1);
            for (quint32 i = 0; i < count && r.ok; ++i) {
                const quint32 index = (flags & 1) ? (r.take(2) & 0x7fff) : (r.take(1) & 0x7f);
                if (!r.ok || index == 0 || index > properties.size())
                    continue;
                const Box* property = &properties[index - 1];
                if (id == primary)
                    ofPrimary.push_back(property);
                if (id == firstTile)
                    ofTile.push_back(property);
                if (property->kind == "hvcC" || property->kind == "av1C")
                    configOf.insert(id, property);
            }
        }
        if (!r.ok)
            return Fail::failure(damaged);
    }

    const auto sizeOf = [&](const std::vector<const Box*>& of) {
        for (const Box* p : of) {
            if (p->kind != "ispe")
                continue;
            Reader r{bytes, p->start + 4, p->end};
            const quint32 width = r.take(4), height = r.take(4);
            if (r.ok && width > 0 && height > 0 && width <= 0x7fffffff && height <= 0x7fffffff)
                return QSize(static_cast<int>(width), static_cast<int>(height));
        }
        return QSize();
    };
    const auto bitsOf = [&](const std::vector<const Box*>& of) {
        int bits = 0;
        for (const Box* p : of) {
            if (p->kind == "pixi") {
                Reader r{bytes, p->start + 4, p->end};
                const quint32 channels = r.take(1);
                for (quint32 c = 0; c < channels && r.ok; ++c)
                    bits = std::max(bits, static_cast<int>(r.take(1)));
            } else if (p->kind == "hvcC" && p->start + 18 <= p->end) {
                bits = std::max(bits, 8 + (static_cast<uchar>(bytes[p->start + 17]) & 7));
            } else if (p->kind == "av1C" && p->start + 3 <= p->end) {
                const auto flags = static_cast<uchar>(bytes[p->start + 2]);
                bits = std::max(bits, (flags & 0x40) ? ((flags & 0x20) ? 12 : 10) : 8);
            }
        }
        return bits;
    };

    headers.size = sizeOf(ofPrimary);
    if (headers.size.isEmpty())
        return Fail::failure(QCoreApplication::translate("velmira::picture::Heif",
                                                         "the HEIF picture's size is not valid"));
    headers.bits = std::max({8, bitsOf(ofPrimary), bitsOf(ofTile)});
    headers.stored = headers.size;
    headers.grid = kinds.value(primary) == "grid";
    if (headers.grid) {
        headers.tiles = static_cast<int>(std::min<std::size_t>(tiles.size(), 1 << 30));
        headers.tile = sizeOf(ofTile);
        headers.tileIds = tiles;
        // What reading it tile by tile takes: one decoder configuration for every tile, and
        // each tile's coded data in one piece within the file.
        const Box* config = configOf.value(firstTile);
        bool same = config != nullptr;
        for (const quint32 id : tiles)
            same = same && configOf.value(id) == config;
        const auto located = dataOf(bytes, find(inner, "iloc"), tiles);
        if (same && located.size() == tiles.size()) {
            headers.tileConfig = bytes.mid(config->at, config->end - config->at);
            headers.tileKind = kinds.value(firstTile);
            headers.tileData = located;
        }
    }
    for (const Box* p : ofPrimary) {
        if (p->kind == "irot" && p->start < p->end) {
            const int turns = static_cast<uchar>(bytes[p->start]) & 3;
            if (turns & 1)
                headers.size.transpose();
            if (turns != 0)
                headers.transforms.push_back(turns);
        }
        if (p->kind == "imir" && p->start < p->end)
            headers.transforms.push_back((static_cast<uchar>(bytes[p->start]) & 1) ? -1 : -2);
        if (p->kind == "colr" && p->start + 4 <= p->end) {
            const QByteArray type = bytes.mid(p->start, 4);
            if ((type == "prof" || type == "rICC") && p->start + 4 + 20 <= p->end)
                headers.iccModel = bytes.mid(p->start + 4 + 16, 4);
        }
    }
    return headers;
}

}  // namespace velmira::picture
