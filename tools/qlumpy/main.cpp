// qlumpy: the lump compiler. Reads a lump script, cuts each miptex lump from its bitmap and
// writes the WAD the script names. On any problem it says why on one line and writes nothing.

#include "wad/compile.h"
#include "wad/lumpscript.h"

#include <QFile>
#include <QSaveFile>

#include <cstdio>

namespace {

constexpr qint64 kMaxScriptSize = 1 << 20;

int fail(const QString& message) {
    std::fprintf(stderr, "qlumpy: %s\n", qPrintable(message));
    return 1;
}

}  // namespace

int main(int argc, char* argv[]) {
    // No application object: the compiler starts once per spray, and every millisecond of
    // start-up counts in a pass over many mods.
    QStringList args;
    for (int i = 0; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    if (args.size() != 2)
        return fail(QStringLiteral("usage: qlumpy SCRIPT"));

    QFile scriptFile(args[1]);
    if (!scriptFile.open(QIODevice::ReadOnly))
        return fail(
            QStringLiteral("cannot open the script %1: %2").arg(args[1], scriptFile.errorString()));
    if (scriptFile.size() > kMaxScriptSize)
        return fail(QStringLiteral("the script %1 is too large").arg(args[1]));
    const auto script = velmira::wad::parseLumpScript(scriptFile.readAll());
    if (!script)
        return fail(QStringLiteral("%1: %2").arg(args[1], script.error()));

    QString note;
    const auto wad = velmira::wad::compileScript(script.value(), &note);
    if (!wad)
        return fail(wad.error());

    QSaveFile out(script->destination);
    if (!out.open(QIODevice::WriteOnly) || out.write(wad.value()) != wad->size() || !out.commit())
        return fail(
            QStringLiteral("cannot write %1: %2").arg(script->destination, out.errorString()));
    std::printf("qlumpy: %s: %s\n", qPrintable(script->destination), qPrintable(note));
    return 0;
}
