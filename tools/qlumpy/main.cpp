// qlumpy: the lump compiler. Reads a lump script, cuts each miptex lump from its bitmap and
// writes the WAD the script names. On any problem it says why on one line and writes nothing.
//
//   qlumpy [--many-lumps] SCRIPT
//
// A spray file holds exactly one lump, so a script with more is refused unless --many-lumps
// says that a WAD of several lumps is wanted.

#include "core/plural.h"
#include "picture/readfile.h"
#include "platform/offeredlanguages.h"
#include "platform/openfolder.h"
#include "wad/compile.h"
#include "wad/lumpscript.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>
#include <QTranslator>

#include <cstdio>
#include <optional>

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#include <QCoreApplication>
#else
#include <unistd.h>
#endif

namespace {

constexpr qint64 kMaxScriptSize = 1 << 20;

// The compiler's own stderr. The image libraries under Qt's readers print their complaints on
// stderr themselves; those go to the null device, and the compiler says what went wrong on
// its one line.
FILE* g_errors = stderr;

void silenceLibraries() {
    const int own = dup(fileno(stderr));
    if (own < 0)
        return;
    if (FILE* kept = fdopen(own, "w")) {
        g_errors = kept;
#ifdef Q_OS_WIN
        (void)std::freopen("NUL", "w", stderr);
#else
        (void)std::freopen("/dev/null", "w", stderr);
#endif
    }
}

int fail(const QString& message) {
    std::fprintf(g_errors, "qlumpy: %s\n", qPrintable(message));
    std::fflush(g_errors);
    return 1;
}

void quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

// The WAD is written only to a new file or over a regular file: never through a link, into a
// device or over a folder.
QString destinationProblem(const QString& path) {
    const QFileInfo info(path);
    if (info.isSymLink())
        return QCoreApplication::translate("qlumpy",
                                           "%1 is a link; the WAD is not written through it")
            .arg(path);
    if (info.exists() && !info.isFile())
        return QCoreApplication::translate("qlumpy", "%1 is not a regular file").arg(path);
    return QString();
}

}  // namespace

int main(int argc, char* argv[]) {
    qInstallMessageHandler(quiet);
    silenceLibraries();
    // The compiler speaks the language of its environment (the desktop's, or LANGUAGE and LANG),
    // found as the program finds the system's. The program reads nothing of what it says: it
    // judges a run by its exit code and its WAD alone. English, the source texts, needs no
    // application object, and the compiler starts once per spray, so that every millisecond of
    // start-up counts in a pass over many mods; another language needs one to install its texts.
    QTranslator translation;
    std::optional<QCoreApplication> application;
    const QString language = velmira::systemLanguage(QLocale::system().uiLanguages());
    if (language != QLatin1String("en") &&
        translation.load(velmira::programTranslation(language))) {
        application.emplace(argc, argv);
        QCoreApplication::installTranslator(&translation);
    }
#ifdef Q_OS_WIN
    // Without one, Qt looks for its picture plugins (JPEG, GIF, WebP, TIFF) only where Qt was
    // built: they are in the imageformats folder beside the program.
    wchar_t self[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, self, MAX_PATH);
    if (length > 0 && length < MAX_PATH)
        QCoreApplication::addLibraryPath(
            QFileInfo(QString::fromWCharArray(self, static_cast<qsizetype>(length)))
                .absolutePath());
#endif
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    const bool manyLumps = args.removeAll(QStringLiteral("--many-lumps")) > 0;
    if (args.size() != 1)
        return fail(QCoreApplication::translate("qlumpy", "usage: qlumpy [--many-lumps] SCRIPT"));

    const auto text = velmira::picture::readRegularFile(args[0], kMaxScriptSize);
    if (!text)
        return fail(
            QCoreApplication::translate("qlumpy", "cannot read the script: %1").arg(text.error()));
    const auto script = velmira::wad::parseLumpScript(text.value());
    if (!script)
        return fail(QCoreApplication::translate("qlumpy", "%1: %2", "the script and what is wrong")
                        .arg(args[0], script.error()));
    if (script->lumps.size() > 1 && !manyLumps)
        return fail(velmira::translatedCount("qlumpy",
                                             QT_TRANSLATE_N_NOOP("qlumpy",
                                                                 "%1: the script names %n lumps; "
                                                                 "a spray holds one"),
                                             qint64(script->lumps.size()))
                        .arg(args[0]));
    const QString problem = destinationProblem(script->destination);
    if (!problem.isEmpty())
        return fail(QCoreApplication::translate("qlumpy", "cannot write %1").arg(problem));

    QString note;
    const auto wad = velmira::wad::compileScript(script.value(), &note);
    if (!wad)
        return fail(wad.error());

    // Written in full beside the destination, then renamed over it inside its folder: a link
    // put at the destination is replaced, never written through.
    const QFileInfo destination(script->destination);
    QString reason;
    const auto folder = velmira::OpenFolder::open(destination.absolutePath(), &reason);
    if (!folder.isOpen() || !folder.replace(destination.fileName(), wad.value(), &reason))
        return fail(QCoreApplication::translate("qlumpy", "cannot write %1: %2")
                        .arg(script->destination,
                             reason.isEmpty()
                                 ? QCoreApplication::translate("qlumpy", "the disk may be full")
                                 : reason));
    std::printf("qlumpy: %s: %s\n", qPrintable(script->destination), qPrintable(note));
    return 0;
}
