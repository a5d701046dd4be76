// Feeds any bytes to the reader of Steam's library list.
#include "game/steam.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QStringList folders = velmira::parseLibraryFolders(bytes);
    if (folders.size() > bytes.size())
        __builtin_trap();  // every folder comes from at least one byte of the list
    return 0;
}
