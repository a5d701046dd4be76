// The main window's menus: File, Help and the Language submenu, and choosing a language.

#include "mainwindow.h"

#include "core/context.h"
#include "core/errorreport.h"
#include "core/state.h"
#include "platform/language.h"
#include "platform/settings.h"

#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

namespace velmira {

void MainWindow::buildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction* loc = file->addAction(QStringLiteral("&File Locations..."));
    loc->setObjectName(QStringLiteral("mnuFileLoc"));
    QAction* exitAction = file->addAction(QStringLiteral("E&xit"));
    exitAction->setObjectName(QStringLiteral("mnuFileExit"));
    file->addSeparator();
    QAction* make = file->addAction(QStringLiteral("&Make Spray\u2026"));
    make->setObjectName(QStringLiteral("mnuFileMake"));
    make->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    make->setToolTip(
        QStringLiteral("Frame the chosen picture into a spray, see it as the game "
                       "draws it, and save it to the library"));
    QAction* seen = file->addAction(QStringLiteral("Sprays Seen in &Games\u2026"));
    seen->setObjectName(QStringLiteral("mnuFileSeen"));
    seen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    seen->setToolTip(
        QStringLiteral("Browse the sprays the game kept from servers, and keep the ones you "
                       "like"));
    m_mnuFileProtect = file->addAction(QStringLiteral("&Protect Sprays from the Game"));
    m_mnuFileProtect->setObjectName(QStringLiteral("mnuFileProtect"));
    m_mnuFileProtect->setCheckable(true);
    m_mnuFileProtect->setToolTip(
        QStringLiteral("Leave each installed tempdecal.wad read-only, so that the game's "
                       "Options screen cannot replace your spray"));
    QAction* clearCache = file->addAction(QStringLiteral("&Clear Cached Sprays\u2026"));
    clearCache->setObjectName(QStringLiteral("mnuFileClearCache"));
    QAction* check = file->addAction(tr("Chec&k Sprays\u2026", "File menu"));
    check->setObjectName(QStringLiteral("mnuFileCheck"));
    check->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    check->setToolTip(
        tr("See for each mod whether others will see your spray, and you theirs, "
           "and put right what can safely be"));
    file->setToolTipsVisible(true);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    QAction* contents = help->addAction(QStringLiteral("&Contents..."));
    contents->setObjectName(QStringLiteral("mnuHelpContents"));
    QAction* readMe = help->addAction(QStringLiteral("&View ReadMe.txt ..."));
    readMe->setObjectName(QStringLiteral("mnuHelpViewReadMe"));
    QAction* about = help->addAction(QStringLiteral("&About VELMR ..."));
    about->setObjectName(QStringLiteral("mnuHelpAbout"));

    connect(loc, &QAction::triggered, this, [this] { mnuFileLoc_Click(); });
    connect(exitAction, &QAction::triggered, this, [this] { mnuFileExit_Click(); });
    connect(m_mnuFileProtect, &QAction::triggered, this, [this] { mnuFileProtect_Click(); });
    connect(clearCache, &QAction::triggered, this, [this] { mnuFileClearCache_Click(); });
    connect(make, &QAction::triggered, this, [this] { mnuFileMake_Click(); });
    connect(seen, &QAction::triggered, this, [this] { mnuFileSeen_Click(); });
    connect(check, &QAction::triggered, this, [this] { mnuFileCheck_Click(); });
    // The shortcut works wherever the focus is in the window.
    addAction(make);
    addAction(check);
    connect(contents, &QAction::triggered, this, [this] { mnuHelpContents_Click(); });
    connect(readMe, &QAction::triggered, this, [this] { mnuHelpViewReadMe_Click(); });
    connect(about, &QAction::triggered, this, [this] { mnuHelpAbout_Click(); });
}

// The "Language" submenu, the File menu's last: each language by its own name, and the system's.
void MainWindow::buildLanguageMenu() {
    QMenu* file = menuBar()->findChild<QMenu*>(QStringLiteral("mnuFile"));
    file->addSeparator();
    m_mnuLanguage = file->addMenu(QString());
    m_mnuLanguage->setObjectName(QStringLiteral("mnuFileLanguage"));
    m_mnuLanguage->menuAction()->setObjectName(QStringLiteral("mnuFileLanguage"));
    auto* group = new QActionGroup(m_mnuLanguage);
    group->setExclusive(true);
    const QString chosen =
        m_services.language ? m_services.language->chosen() : storedLanguage(m_services.settings);
    const auto add = [&](const QString& code, const QString& name, const QString& objectName) {
        QAction* action = m_mnuLanguage->addAction(name);
        action->setObjectName(objectName);
        action->setCheckable(true);
        action->setChecked(code == chosen);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, code] { mnuFileLanguage_Click(code); });
    };
    for (const Language& language : offeredLanguages())
        add(language.code, language.name, QStringLiteral("mnuLanguage_") + language.code);
    m_mnuLanguage->addSeparator();
    add(QString(), QString(), QStringLiteral("mnuLanguageSystem"));
}

void MainWindow::mnuFileLanguage_Click(const QString& code) {
    // A choice that cannot be saved is told, and the language stays as it was.
    m_services.errors.run(
        "frmMain.mnuFileLanguage_Click()", AfterReport::Return, [&](Procedure& p) {
            p.step(1);
            if (m_services.language)
                m_services.language->choose(code);
            else if (code.isEmpty())
                m_services.settings.remove(Setting::Preferences, Setting::Language);
            else
                m_services.settings.write(Setting::Preferences, Setting::Language, code);
        });
    // The menu shows the choice that holds.
    const QString chosen =
        m_services.language ? m_services.language->chosen() : storedLanguage(m_services.settings);
    const QString name = chosen.isEmpty() ? QStringLiteral("mnuLanguageSystem")
                                          : QStringLiteral("mnuLanguage_") + chosen;
    if (auto* item = m_mnuLanguage->findChild<QAction*>(name))
        item->setChecked(true);
}

}  // namespace velmira
