// Velmira's start-up: the services, the main window, and the event loop.

#include "core/context.h"
#include "core/errorreport.h"
#include "core/state.h"
#include "core/windows.h"
#include "game/running.h"
#include "game/steam.h"
#include "platform/desktop.h"
#include "platform/files.h"
#include "platform/language.h"
#include "platform/process.h"
#include "platform/prompts.h"
#include "platform/settings.h"
#include "ui/geometry.h"
#include "ui/mainwindow.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QLocale>
#include <QTranslator>

int main(int argc, char* argv[]) {
    Q_INIT_RESOURCE(velmira);
#ifdef Q_OS_WIN
    // Qt 6.4's GDI font engine draws no text in line edits under Wine; DirectWrite, Qt's own
    // choice from 6.8 on, does. A platform the user names is kept.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "windows:fontengine=directwrite");
#endif
    QApplication app(argc, argv);
    // The windows are laid out in fixed pixels for a small dialog font.
    QFont font = QApplication::font();
    font.setPointSizeF(8.0);
    QApplication::setFont(font);
    QApplication::setOrganizationName(QStringLiteral("Velmira"));
    QApplication::setApplicationName(QStringLiteral("Velmira"));
    QIcon icon;
    for (const char* size : {"16", "32", "48"})
        icon.addFile(QStringLiteral(":/velmira/icon%1.png").arg(QLatin1String(size)));
    QApplication::setWindowIcon(icon);

    using namespace velmira;
    const QString programFolder = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
    QtSettingsStore settings;
    MessageBoxPrompts prompts;
    QtDesktop desktop;
    // The player's language before the first window: the stored choice, else the system's.
    LanguageSwitch language(settings, QLocale::system().uiLanguages(),
                            LanguageSwitch::defaultQtFolders(programFolder));
    // The help opens in the language in force at the time, English where it has no page.
    HtmlHelpViewer help(
        programFolder, [&language] { return language.current(); }, desktop, prompts);
    QtProcessRunner runner;
    ImmediateExit exit;
    ErrorReporter errors(prompts, exit);
    Services services{settings, prompts, desktop, help, runner, errors, programFolder};
    language.start();
    services.language = &language;
    // A developer's switch: VELMIRA_TRANSLATION names a .qm file whose texts are shown before
    // the language's until another is chosen from the menu (scripts/pseudo-translation.sh makes
    // one that shows up every text without a translation call). A file that does not load is
    // ignored.
    QTranslator extra;
    if (const QString file = qEnvironmentVariable("VELMIRA_TRANSLATION");
        !file.isEmpty() && extra.load(file))
        QCoreApplication::installTranslator(&extra);
    services.steamRoots = steamRoots(QDir::homePath());
    services.gameRunning = gameRunningFrom;
    AppState state;
    LoadedWindows windows;

    // Start-up failures are ignored: without a main window the program simply ends.
    auto window = std::make_unique<MainWindow>(state, services, windows);
    prompts.setOwner(window.get());
    window->Form_Load();
    if (window->isUnloaded())
        return 0;
    window->adjustSize();
    centreOnScreen(window.get());
    window->show();
    return QApplication::exec();
}
