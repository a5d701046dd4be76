// Feeds any bytes to the reader of the game's cache of sprays seen on servers, and each spray
// it offers to the WAD reader and the picture the window draws.
#include "wad/hpk.h"
#include "wad/wad.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto cache = velmira::wad::readSprayCache(bytes);
    if (cache)
        for (const auto& spray : cache->sprays) {
            const auto lumps = velmira::wad::readWad(velmira::wad::sprayIn(bytes, spray), 1);
            if (lumps && !lumps->empty())
                (void)velmira::wad::readMipTexture(lumps->front().data);
        }
    return 0;
}
