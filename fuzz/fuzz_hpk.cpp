// Feeds any bytes to the reader of the game's cache of sprays seen on servers, and each spray
// it offers to the WAD reader and the picture the window draws. The same bytes, as a file, are
// read again at each spray's place (what the window does when it keeps a spray) and at a place
// the input's first bytes choose: what is read again is exactly the spray, or refused.
#include "wad/hpk.h"
#include "wad/wad.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include <sys/mman.h>
#include <unistd.h>

namespace {

// The input as a file that lives in memory only, named by its descriptor.
struct MemoryFile {
    int fd = -1;
    explicit MemoryFile(const QByteArray& bytes) : fd(::memfd_create("custom.hpk", MFD_CLOEXEC)) {
        if (fd >= 0 && ::write(fd, bytes.constData(), static_cast<size_t>(bytes.size())) !=
                           static_cast<ssize_t>(bytes.size())) {
            ::close(fd);
            fd = -1;
        }
    }
    ~MemoryFile() {
        if (fd >= 0)
            ::close(fd);
    }
    QString path() const { return QStringLiteral("/proc/self/fd/%1").arg(fd); }
};

void readAgain(const QString& path, const QByteArray& bytes,
               const velmira::wad::CachedSpray& place) {
    const auto again = velmira::wad::readSprayAgain(path, place);
    if (!again)
        return;
    // Only a place wholly inside the file, of a size a cache keeps, is read, and exactly it.
    if (place.offset < 12 || place.length < 512 || place.length > 256 * 1024 ||
        place.offset + place.length > bytes.size() ||
        again.value() != bytes.mid(place.offset, place.length))
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto cache = velmira::wad::readSprayCache(bytes);
    const MemoryFile file(bytes);
    if (cache)
        for (const auto& spray : cache->sprays) {
            const auto lumps = velmira::wad::readWad(velmira::wad::sprayIn(bytes, spray), 1);
            if (lumps && !lumps->empty())
                (void)velmira::wad::readMipTexture(lumps->front().data);
            // Every spray listed lies inside the file: read again, it is the same bytes.
            if (file.fd < 0)
                continue;
            const auto again = velmira::wad::readSprayAgain(file.path(), spray);
            if (!again || again.value() != velmira::wad::sprayIn(bytes, spray))
                std::abort();
        }
    if (file.fd >= 0 && size >= 8) {
        // A place of any offset and length, as a changed cache could put one.
        const qint64 offset = static_cast<qint64>(data[0] | data[1] << 8 | data[2] << 16);
        const qint64 length = static_cast<qint64>(data[4] | data[5] << 8 | data[6] << 16);
        readAgain(file.path(), bytes, {QString(), offset, length});
    }
    return 0;
}
