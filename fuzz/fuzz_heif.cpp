// Feeds any bytes to the HEIF reader (libheif behind it) and its quick check.
#include "picture/heif.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    (void)velmira::picture::checkHeif(bytes);
    (void)velmira::picture::decodeHeif(bytes);
    return 0;
}
