// Feeds any bytes to the readers of the game's config files, as each engine reads them, and runs
// them as a start of the game would (a file that execs itself and others).
#include "game/configrun.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const qsizetype nul = bytes.indexOf('\0');
    const qsizetype end = nul < 0 ? bytes.size() : nul;
    for (const velmira::ConfigEngine engine :
         {velmira::ConfigEngine::GoldSrc, velmira::ConfigEngine::Xash}) {
        int line = 1;
        for (const velmira::ConfigCommand& command : velmira::parseConfig(bytes, engine)) {
            // A value lies inside what the engine reads, and lines only go forward.
            if ((command.setsValue() && (command.valueAt < 0 || command.valueLength < 0 ||
                                         command.valueAt + command.valueLength > end)) ||
                command.line < line)
                __builtin_trap();
            line = command.line;
            (void)velmira::settingIsOn(command.value(), engine);
        }
    }
    // Every name a file execs holds the same bytes: loops end, whatever the bytes say.
    velmira::ConfigFiles files({QStringLiteral("mod")}, [&](const QString&, const QString&) {
        velmira::ConfigFileRead file;
        file.present = true;
        file.bytes = bytes;
        return file;
    });
    for (const velmira::ConfigOrder order :
         {velmira::ConfigOrder::GoldSrcWindows, velmira::ConfigOrder::Xash})
        (void)velmira::runConfig(files, order);
    return 0;
}
