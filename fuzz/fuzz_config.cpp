// Feeds any bytes to the reader of the game's config files.
#include "game/gameconfig.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const qsizetype nul = bytes.indexOf('\0');
    const qsizetype end = nul < 0 ? bytes.size() : nul;
    int line = 1;
    for (const velmira::ConfigCommand& command : velmira::parseConfig(bytes)) {
        // A value lies inside what the engine reads, and lines only go forward.
        if (command.valueAt < 0 || command.valueLength < 0 ||
            command.valueAt + command.valueLength > end || command.line < line)
            __builtin_trap();
        line = command.line;
        (void)velmira::settingIsOn(command.value);
    }
    return 0;
}
