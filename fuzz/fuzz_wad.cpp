// Feeds any bytes to the WAD reader, the mip texture reader and the spray file check.
#include "wad/wad.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto lumps = velmira::wad::readWad(bytes);
    if (lumps)
        for (const auto& lump : lumps.value())
            (void)velmira::wad::readMipTexture(lump.data);
    (void)velmira::wad::readMipTexture(bytes);
    (void)velmira::wad::checkSprayFile(bytes);
    return 0;
}
