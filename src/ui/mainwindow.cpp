#include "mainwindow.h"

#include "core/context.h"
#include "core/errorreport.h"
#include "core/state.h"
#include "core/version.h"
#include "core/windows.h"
#include "game/cache.h"
#include "game/steam.h"
#include "install/assign.h"
#include "install/create.h"
#include "install/held.h"
#include "install/protect.h"
#include "library/categories.h"
#include "library/maker.h"
#include "library/sprays.h"
#include "platform/desktop.h"
#include "platform/files.h"
#include "platform/language.h"
#include "platform/prompts.h"
#include "platform/settings.h"
#include "ui/aboutdialog.h"
#include "ui/categorycombo.h"
#include "ui/folderlabel.h"
#include "ui/geometry.h"
#include "ui/keys.h"
#include "ui/locationsdialog.h"
#include "ui/makerdialog.h"
#include "ui/modlist.h"
#include "ui/previewwidget.h"
#include "ui/programpictures.h"
#include "ui/progressbar.h"
#include "ui/seendialog.h"
#include "ui/spraylist.h"

#include <QActionGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QEvent>
#include <QFontMetrics>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QThreadPool>

namespace velmira {

namespace {
// The window's designed size and the places of the controls that grow for a longer caption.
constexpr int kClientWidth = 5295;
constexpr int kClientHeight = 4350;
constexpr TwipsRect kRefreshAt{1080, 2280, 975, 255};
constexpr TwipsRect kShowPreviewAt{3480, 2280, 1335, 195};
constexpr TwipsRect kApplyAt{3360, 2640, 1575, 375};
constexpr TwipsRect kClearAt{3360, 3120, 1575, 375};
constexpr TwipsRect kCreateAt{3360, 3720, 1575, 495};
}  // namespace

MainWindow::MainWindow(AppState& state, const Services& services, LoadedWindows& windows,
                       QWidget* parent)
    : QMainWindow(parent),
      m_state(state),
      m_services(services),
      m_windows(windows),
      m_makerCheck(std::make_unique<QThreadPool>()) {
    m_makerCheck->setMaxThreadCount(1);
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Velmira v" VELMIRA_DISPLAY_VERSION));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    buildControls();
    buildMenus();
    buildLanguageMenu();
    retranslateUi();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    m_controls.reset(new MainControls{*m_listMods, *m_comboCats, *m_fileBMPs, *m_olePicture,
                                      *m_lblBMPDir, *m_pBar});
    m_services.errors.setMainWindowCloser([this] { unload(); });
    m_windows.loaded(this);
}

MainWindow::~MainWindow() {
    m_makerCheck.reset();
    m_services.errors.setMainWindowCloser({});
    m_windows.unloaded(this);
}

void MainWindow::buildControls() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(fromTwips(kClientWidth), fromTwips(kClientHeight));
    setCentralWidget(client);

    m_cmdOpenBMPDir = new QPushButton(client);
    m_cmdOpenBMPDir->setObjectName(QStringLiteral("cmdOpenBMPDir"));
    m_cmdOpenBMPDir->setIcon(
        programPicture(QStringLiteral(":/velmira/folder.bmp"), qRgb(128, 0, 0)));
    placeTwips(m_cmdOpenBMPDir, 240, 60, 375, 255);

    m_lblBMPDir = new FolderLabel(client);
    m_lblBMPDir->setObjectName(QStringLiteral("lblBMPDir"));
    placeTwips(m_lblBMPDir, 720, 120, 4335, 255);

    m_comboCats = new CategoryCombo(client);
    m_comboCats->setObjectName(QStringLiteral("comboCats"));
    placeTwips(m_comboCats, 240, 360, 2655, 315);

    m_fileBMPs = new SprayFileList(client);
    m_fileBMPs->setObjectName(QStringLiteral("fileBMPs"));
    placeTwips(m_fileBMPs, 240, 720, 2655, 1455);

    m_cmdRefresh = new QPushButton(client);
    m_cmdRefresh->setObjectName(QStringLiteral("cmdRefresh"));
    // Placed with its caption (retranslateUi), as the buttons and the check box on the right are.

    m_listMods = new ModListWidget(client);
    m_listMods->setObjectName(QStringLiteral("listMods"));
    // The first-run hint: two rows, their texts set with the others' (retranslateUi).
    m_listMods->addItem(QString());
    m_listMods->addItem(QString());
    m_listMods->setTag(kEmptyTag);
    placeTwips(m_listMods, 240, 2640, 2655, 1425);

    m_pBar = new SprayProgressBar(client);
    m_pBar->setObjectName(QStringLiteral("PBar"));
    m_pBar->setRange(0, 100);
    m_pBar->setValue(0);
    m_pBar->setTextVisible(false);
    m_pBar->setFocusPolicy(Qt::NoFocus);
    placeTwips(m_pBar, 240, 4140, 2655, 135);

    m_olePicture = new PreviewWidget(client);
    m_olePicture->setObjectName(QStringLiteral("OLEpicture"));
    placeTwips(m_olePicture, 3240, 360, 1815, 1815);

    m_checkShowPreview = new QCheckBox(client);
    m_checkShowPreview->setObjectName(QStringLiteral("checkShowPreview"));

    m_cmdApply = new QPushButton(client);
    m_cmdApply->setObjectName(QStringLiteral("cmdApply"));

    m_cmdClear = new QPushButton(client);
    m_cmdClear->setObjectName(QStringLiteral("cmdClear"));

    m_cmdCreate = new QPushButton(client);
    m_cmdCreate->setObjectName(QStringLiteral("cmdCreate"));

    for (QPushButton* button :
         {m_cmdOpenBMPDir, m_cmdRefresh, m_cmdApply, m_cmdClear, m_cmdCreate}) {
        button->setAutoDefault(false);
        button->setFocusPolicy(Qt::StrongFocus);
    }
    m_checkShowPreview->setFocusPolicy(Qt::StrongFocus);

    setTabOrder(m_listMods, m_fileBMPs);
    setTabOrder(m_fileBMPs, m_cmdApply);
    setTabOrder(m_cmdApply, m_olePicture);
    setTabOrder(m_olePicture, m_cmdCreate);
    setTabOrder(m_cmdCreate, m_cmdClear);
    setTabOrder(m_cmdClear, m_cmdRefresh);
    setTabOrder(m_cmdRefresh, m_comboCats);
    setTabOrder(m_comboCats, m_checkShowPreview);
    setTabOrder(m_checkShowPreview, m_cmdOpenBMPDir);
    m_listMods->setFocus();
    enterPressesFocusedButton(this);

    connect(m_cmdRefresh, &QPushButton::clicked, this, [this] { cmdRefresh_Click(); });
    connect(m_cmdOpenBMPDir, &QPushButton::clicked, this, [this] { cmdOpenBMPDir_Click(); });
    connect(m_cmdApply, &QPushButton::clicked, this, [this] { cmdApply_Click(); });
    connect(m_cmdClear, &QPushButton::clicked, this, [this] { cmdClear_Click(); });
    connect(m_cmdCreate, &QPushButton::clicked, this, [this] { cmdCreate_Click(); });
    connect(m_checkShowPreview, &QCheckBox::clicked, this, [this] { checkShowPreview_Click(); });
    m_comboCats->setChosenHandler([this] { comboCats_Click(); });
    m_fileBMPs->setChosenHandler([this] { fileBMPs_Click(); });
    m_fileBMPs->setDropHandler([this](const QStringList& paths) {
        addDroppedSprays(m_state, *m_controls, paths, m_services.prompts);
    });
    m_fileBMPs->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_fileBMPs, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        QListWidgetItem* item = m_fileBMPs->itemAt(at);
        if (!item)
            item = m_fileBMPs->currentItem();
        if (!item)
            return;
        if (!item->isSelected())
            m_fileBMPs->choose(item->text());
        QMenu menu(this);
        QAction* make = menu.addAction(tr("&Make Spray…", "spray list menu"));
        make->setObjectName(QStringLiteral("mnuListMake"));
        connect(make, &QAction::triggered, this, [this] { mnuFileMake_Click(); });
        menu.exec(m_fileBMPs->viewport()->mapToGlobal(at));
    });
    m_olePicture->setDropHandler([this](const QString& path) { openMaker(path); });
}

void MainWindow::changeEvent(QEvent* event) {
    // A larger desktop font lays the window out again as a longer language does.
    if (event->type() == QEvent::LanguageChange || event->type() == QEvent::FontChange)
        retranslateUi();
    // What each mod holds is told in the language in force.
    if (event->type() == QEvent::LanguageChange && m_state.Mods.size() > 0)
        showHeldSprays(m_state, m_controls->mods, m_services.settings);
    QMainWindow::changeEvent(event);
}

void MainWindow::retranslateUi() {
    m_cmdOpenBMPDir->setToolTip(tr("Open the spray folder"));
    // The controls without a caption of their own, named for a screen reader.
    m_cmdOpenBMPDir->setAccessibleName(tr("Open the spray folder"));
    m_comboCats->setAccessibleName(tr("Category"));
    m_comboCats->lineEdit()->setAccessibleName(tr("Category"));
    m_fileBMPs->setAccessibleName(tr("Sprays in the category"));
    m_listMods->setAccessibleName(tr("Mods"));
    m_olePicture->setAccessibleName(tr("Spray preview"));
    m_cmdRefresh->setText(tr("Refresh"));
    m_checkShowPreview->setText(tr("Show Preview"));
    m_cmdApply->setText(tr("Apply to Selected"));
    m_cmdClear->setText(tr("Clear Selected"));
    m_cmdCreate->setText(tr("Create Sprays"));
    // The caption stays readable where the desktop's font or the language is wider than the
    // layout assumes.
    placeTwips(m_checkShowPreview, kShowPreviewAt);
    m_checkShowPreview->resize(
        std::max(m_checkShowPreview->width(), m_checkShowPreview->sizeHint().width()),
        std::max(m_checkShowPreview->height(), m_checkShowPreview->sizeHint().height()));
    // A button whose caption is longer than the layout assumes widens: Refresh about its centre,
    // the right-hand column to the right; the window grows to hold them.
    placeTwips(m_cmdRefresh, kRefreshAt);
    placeTwips(m_cmdApply, kApplyAt);
    placeTwips(m_cmdClear, kClearAt);
    placeTwips(m_cmdCreate, kCreateAt);
    for (QPushButton* button : {m_cmdRefresh, m_cmdApply, m_cmdClear, m_cmdCreate}) {
        const int left = button->x();
        widenToCaption(button);
        if (button != m_cmdRefresh)
            button->move(left, button->y());
    }
    QWidget* client = centralWidget();
    client->setFixedSize(std::max(fromTwips(kClientWidth), client->childrenRect().right() + 1),
                         fromTwips(kClientHeight));
    retranslateHint();

    const auto setMenu = [this](const char* name, const QString& title) {
        if (auto* menu = menuBar()->findChild<QMenu*>(QLatin1String(name)))
            menu->setTitle(title);
    };
    const auto setAction = [this](const char* name, const QString& text,
                                  const QString& toolTip = QString()) {
        if (auto* action = findChild<QAction*>(QLatin1String(name))) {
            action->setText(text);
            if (!toolTip.isEmpty())
                action->setToolTip(toolTip);
        }
    };
    setMenu("mnuFile", tr("&File", "menu bar"));
    setAction("mnuFileLoc", tr("&File Locations...", "File menu"));
    setAction("mnuFileExit", tr("E&xit", "File menu"));
    setAction("mnuFileMake", tr("&Make Spray…", "File menu"),
              tr("Frame the chosen picture into a spray, see it as the game draws it, and save "
                 "it to the library"));
    setAction("mnuFileSeen", tr("Sprays Seen in &Games…", "File menu"),
              tr("Browse the sprays the game kept from servers, and keep the ones you like"));
    setAction("mnuFileProtect", tr("&Protect Sprays from the Game", "File menu"),
              tr("Leave each installed tempdecal.wad read-only, so that the game's Options "
                 "screen cannot replace your spray"));
    setAction("mnuFileClearCache", tr("&Clear Cached Sprays…", "File menu"));
    setAction("mnuFileCheck", tr("Chec&k Sprays…", "File menu"),
              tr("See for each mod whether others will see your spray, and you theirs, "
                 "and put right what can safely be"));
    m_mnuLanguage->setTitle(tr("&Language", "File menu"));
    setAction("mnuLanguageSystem", tr("As the System"));
    setMenu("mnuHelp", tr("&Help", "menu bar"));
    setAction("mnuHelpContents", tr("&Contents...", "Help menu"));
    setAction("mnuHelpViewReadMe", tr("&View ReadMe.txt ...", "Help menu"));
    setAction("mnuHelpAbout", tr("&About VELMR ...", "Help menu"));
}

// The first-run hint, while the list still shows it. Its rows stay whole at any desktop font
// and in any language: where the wider row does not fit the list, both rows get one smaller
// font rather than a scroll bar.
void MainWindow::retranslateHint() {
    if (m_listMods->count() != 2 || m_listMods->item(0)->text() != m_hint.value(0) ||
        m_listMods->item(1)->text() != m_hint.value(1))
        return;
    m_hint = QStringList{tr("Click on the help menu if you have"), tr("not used VELMR before.")};
    QFont font = m_listMods->font();
    const int room = m_listMods->width() - 2 * m_listMods->frameWidth() - 16;
    int widest = 0;
    for (int row = 0; row < 2; ++row) {
        m_listMods->item(row)->setText(m_hint.at(row));
        widest = std::max(widest, QFontMetrics(font).horizontalAdvance(m_hint.at(row)));
    }
    if (widest > room) {
        if (font.pointSizeF() > 0)
            font.setPointSizeF(std::max(6.0, font.pointSizeF() * room / widest));
        else
            font.setPixelSize(std::max(8, font.pixelSize() * room / widest));
    }
    for (int row = 0; row < 2; ++row)
        m_listMods->item(row)->setFont(font);
}

void MainWindow::Form_Load() {
    m_services.errors.run("frmMain.Form_Load()", AfterReport::CloseMainWindow, [&](Procedure& p) {
        SettingsStore& settings = m_services.settings;
        p.step(1);
        m_state.HalfLifeDir = settings.read(Setting::FileLocations, Setting::HLDir, QString());
        // No folder stored: an installed game found in the Steam libraries (Half-Life, else
        // Sven Co-op) is used for this run and shown in File Locations; it is stored only when
        // the player confirms it there.
        if (m_state.HalfLifeDir.isEmpty() && !m_services.steamRoots.isEmpty())
            m_state.HalfLifeDir = findSteamGames(m_services.steamRoots).value(0);
        p.step(3);
        m_state.SprayRootDir = settings.read(Setting::FileLocations, Setting::BMPDir, QString());
        p.step(4);
        m_state.CurrentSprayDir = m_state.SprayRootDir;
        p.step(5);
        m_state.ShowPreviewFlag = settings.read(Setting::Preferences, Setting::ShowPreview,
                                                Setting::False) == Setting::True;
        m_state.ProtectSprays = settings.read(Setting::Preferences, Setting::ProtectSprays,
                                              Setting::False) == Setting::True;
        m_mnuFileProtect->setChecked(m_state.ProtectSprays);
        p.step(6);
        if (m_state.ShowPreviewFlag)
            setShowPreviewChecked(true);
        p.step(7);
        cmdRefresh_Click();
    });
}

void MainWindow::setShowPreviewChecked(bool checked) {
    if (m_checkShowPreview->isChecked() == checked)
        return;
    m_checkShowPreview->setChecked(checked);
    checkShowPreview_Click();
}

void MainWindow::unload() {
    if (!m_unloaded)
        close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!m_unloaded) {
        m_unloaded = true;
        m_services.errors.modal([this] { Form_Unload(); });
    }
    event->accept();
}

void MainWindow::Form_Unload() {
    m_services.errors.run("frmMain.Form_Unload()", AfterReport::CloseMainWindow, [&](Procedure& p) {
        p.step(1);
        const auto last = static_cast<qint16>(m_windows.count() - 1);
        for (qint16 i = last; i >= 1; --i) {
            p.step(2);
            if (QWidget* window = m_windows.at(i))
                window->close();
        }
        p.step(3);
        m_services.settings.write(Setting::Preferences, Setting::ShowPreview,
                                  m_state.ShowPreviewFlag ? Setting::True : Setting::False);
    });
}

void MainWindow::cmdRefresh_Click() {
    refreshLibrary(m_state, *m_controls, m_services.prompts, m_services.errors);
    showHeldSprays(m_state, m_controls->mods, m_services.settings);
}

void MainWindow::comboCats_Click() {
    chooseCategory(m_state, *m_controls, m_services.prompts, m_services.errors);
}

void MainWindow::fileBMPs_Click() {
    chooseSprayFile(m_state, *m_controls, m_services.errors);
}

void MainWindow::checkShowPreview_Click() {
    setPreviewShown(m_state, *m_controls, m_checkShowPreview->isChecked(), m_services.errors);
}

void MainWindow::cmdOpenBMPDir_Click() {
    openSprayFolder(m_state, m_services.desktop, m_services.errors);
}

void MainWindow::cmdApply_Click() {
    applyToSelected(m_state, *m_controls, m_services.prompts, m_services.errors);
}

void MainWindow::cmdClear_Click() {
    clearSelected(m_state, *m_controls, m_services.prompts, m_services.errors);
}

void MainWindow::cmdCreate_Click() {
    createSprays(m_state, *m_controls, m_services);
    showHeldSprays(m_state, m_controls->mods, m_services.settings);
}

void MainWindow::mnuFileProtect_Click() {
    m_services.errors.run(
        "frmMain.mnuFileProtect_Click()", AfterReport::CloseMainWindow, [&](Procedure&) {
            m_state.ProtectSprays = m_mnuFileProtect->isChecked();
            m_services.settings.write(Setting::Preferences, Setting::ProtectSprays,
                                      m_state.ProtectSprays ? Setting::True : Setting::False);
            // The choice holds at once for every spray Velmira installed, not only the next.
            const QString told = protectionMessage(
                applyProtection(m_state, m_services.settings, m_state.ProtectSprays),
                m_state.ProtectSprays);
            if (!told.isEmpty())
                m_services.prompts.show(Message{told, QStringLiteral("Velmira"),
                                                Message::Icon::Information, Message::Buttons::Ok});
        });
}

void MainWindow::mnuFileClearCache_Click() {
    clearCachedSprays(m_state, *m_controls, m_services);
}

void MainWindow::mnuFileExit_Click() {
    m_services.errors.run("frmMain.mnuFileExit_Click()", AfterReport::CloseMainWindow,
                          [&](Procedure& p) {
                              p.step(1);
                              unload();
                          });
}

void MainWindow::mnuHelpContents_Click() {
    // Help has no error report: a failure is told by its own description.
    try {
        m_services.help.showContents();
    } catch (const VelmiraError& error) {
        m_services.prompts.show(Message{error.failure().description, QStringLiteral("Velmira"),
                                        Message::Icon::None, Message::Buttons::Ok});
    }
}

void MainWindow::mnuHelpViewReadMe_Click() {
    m_services.errors.run(
        "frmMain.mnuHelpViewReadMe_Click()", AfterReport::CloseMainWindow, [&](Procedure& p) {
            p.step(1);
            p.step(2);
            const QString readMe = joinPath(m_services.programFolder, QStringLiteral("ReadMe.txt"));
            if (fileExists(readMe)) {
                p.step(3);
                m_services.errors.recordSystemError(m_services.desktop.open(readMe));
            } else {
                p.step(4);
                m_services.prompts.show(Message{tr("Could not find ReadMe.txt!"),
                                                tr("File Not Found!"), Message::Icon::Critical,
                                                Message::Buttons::Ok});
            }
        });
}

}  // namespace velmira
