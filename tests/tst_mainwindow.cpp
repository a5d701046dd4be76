#include "helpers/testenv.h"
#include "ui/categorycombo.h"
#include "ui/mainwindow.h"
#include "ui/modlist.h"
#include "ui/spraylist.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>

#include <QCoreApplication>
#include <QFontMetrics>
#include <QScrollBar>

#include <gtest/gtest.h>

using namespace velmira;
using namespace velmira::test;

namespace {

class MainWindowTest : public ::testing::Test {
  protected:
    TestEnv env;
    std::unique_ptr<MainWindow> window;

    void open() {
        window = std::make_unique<MainWindow>(env.state, env.services, env.windows);
        window->Form_Load();
    }
    void store(const QString& section, const QString& key, const QString& value) {
        env.settings.write(section, key, value);
    }
    QString stored(const QString& section, const QString& key) {
        return env.settings.read(section, key, QStringLiteral("<absent>"));
    }
    template <class T>
    T* control(const char* name) {
        T* found = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
};

TEST_F(MainWindowTest, HasTheCaptionSizeAndEveryNamedControl) {
    open();
    EXPECT_EQ(window->objectName(), QStringLiteral("frmMain"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Velmira v0.4.1"));
    EXPECT_EQ(window->centralWidget()->size(), QSize(353, 290));
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(window->windowFlags() & Qt::WindowMinimizeButtonHint);
    for (const char* name :
         {"cmdOpenBMPDir", "lblBMPDir", "comboCats", "fileBMPs", "cmdRefresh", "listMods", "PBar",
          "OLEpicture", "checkShowPreview", "cmdApply", "cmdClear", "cmdCreate"})
        EXPECT_NE(window->findChild<QWidget*>(QString::fromLatin1(name)), nullptr) << name;
    EXPECT_EQ(control<QWidget>("listMods")->geometry(), QRect(16, 176, 177, 95));
    EXPECT_EQ(control<QWidget>("cmdCreate")->geometry(), QRect(224, 248, 105, 33));
    EXPECT_EQ(control<QPushButton>("cmdApply")->text(), QStringLiteral("Apply to Selected"));
    EXPECT_EQ(control<QCheckBox>("checkShowPreview")->text(), QStringLiteral("Show Preview"));
}

TEST_F(MainWindowTest, MenusCarryTheirCaptionsInOrder) {
    open();
    QStringList captions;
    for (QAction* top : window->menuBar()->actions()) {
        captions << top->text();
        for (QAction* item : top->menu()->actions())
            captions << item->objectName() + QLatin1Char('=') + item->text();
    }
    EXPECT_EQ(
        captions,
        QStringList({"&File", "mnuFileLoc=&File Locations...", "mnuFileExit=E&xit", "=",
                     "mnuFileMake=&Make Spray\u2026", "mnuFileSeen=Sprays Seen in &Games\u2026",
                     "mnuFileProtect=&Protect Sprays from the Game",
                     "mnuFileClearCache=&Clear Cached Sprays\u2026",
                     "mnuFileCheck=Chec&k Sprays\u2026", "=", "mnuFileLanguage=&Language", "&Help",
                     "mnuHelpContents=&Contents...", "mnuHelpViewReadMe=&View ReadMe.txt ...",
                     "mnuHelpAbout=&About VELMR ..."}));
}

TEST_F(MainWindowTest, FocusOrderFollowsTheTable) {
    open();
    QStringList order;
    QWidget* w = control<QWidget>("listMods");
    for (int i = 0; i < 10; ++i) {
        order << w->objectName();
        do
            w = w->nextInFocusChain();
        while (w->focusPolicy() == Qt::NoFocus || w->objectName().isEmpty() ||
               !w->isVisibleTo(window.get()) || w->objectName().startsWith(QLatin1String("qt_")));
    }
    EXPECT_EQ(order, QStringList({"listMods", "fileBMPs", "cmdApply", "OLEpicture", "cmdCreate",
                                  "cmdClear", "cmdRefresh", "comboCats", "checkShowPreview",
                                  "cmdOpenBMPDir"}));
}

TEST_F(MainWindowTest, FirstRunKeepsTheHintRowsAndTheEmptyTag) {
    open();
    auto* mods = control<ModListWidget>("listMods");
    ASSERT_EQ(mods->count(), 2);
    EXPECT_EQ(mods->text(0), QStringLiteral("Click on the help menu if you have"));
    EXPECT_EQ(mods->text(1), QStringLiteral("not used VELMR before."));
    EXPECT_EQ(mods->tag(), QStringLiteral("Empty"));
    EXPECT_EQ(env.state.HalfLifeDir, QString());
    EXPECT_FALSE(env.state.ShowPreviewFlag);
    EXPECT_FALSE(control<QCheckBox>("checkShowPreview")->isChecked());
    EXPECT_EQ(control<QLabel>("lblBMPDir")->text(),
              QStringLiteral("Please set your Spray folder."));
    EXPECT_TRUE(env.prompts.shown.empty());
    // Both hint rows fit the list at the desktop's font: no scroll bar, nothing cut off.
    window->show();
    QCoreApplication::processEvents();
    EXPECT_FALSE(mods->horizontalScrollBar()->isVisible());
    const int room = mods->viewport()->width();
    for (int row = 0; row < 2; ++row) {
        EXPECT_LE(QFontMetrics(mods->item(row)->font()).horizontalAdvance(mods->text(row)), room)
            << row;
    }
    // At a large desktop font, in points or in pixels, the rows shrink together, to one size.
    const QFont desktop = QApplication::font();
    for (const bool points : {true, false}) {
        QFont large = desktop;
        if (points)
            large.setPointSizeF(desktop.pointSizeF() * 2);
        else
            large.setPixelSize(QFontMetrics(desktop).height() * 2);
        QApplication::setFont(large);
        window.reset();
        open();
        QApplication::setFont(desktop);
        mods = control<ModListWidget>("listMods");
        const QFont shrunk = mods->item(0)->font();
        if (points)
            EXPECT_LT(shrunk.pointSizeF(), large.pointSizeF());
        else
            EXPECT_LT(shrunk.pixelSize(), large.pixelSize());
        EXPECT_EQ(shrunk, mods->item(1)->font()) << points;
    }
    // At a small font the rows fit and keep it: they are never made larger.
    QFont small = desktop;
    small.setPointSizeF(desktop.pointSizeF() / 2);
    QApplication::setFont(small);
    window.reset();
    open();
    QApplication::setFont(desktop);
    mods = control<ModListWidget>("listMods");
    const QVariant own = mods->item(0)->data(Qt::FontRole);
    EXPECT_TRUE(!own.isValid() || own.value<QFont>().pointSizeF() <= small.pointSizeF());
}

TEST_F(MainWindowTest, LoadReadsTheThreeSettings) {
    const QString hl = env.scratch.mkdir(QStringLiteral("hl"));
    const QString sprays = env.scratch.mkdir(QStringLiteral("sprays"));
    store(QStringLiteral("File Locations"), QStringLiteral("HLDir"), hl);
    store(QStringLiteral("File Locations"), QStringLiteral("BMPDir"), sprays);
    store(QStringLiteral("Preferences"), QStringLiteral("ShowPreview"), QStringLiteral("True"));
    open();
    EXPECT_EQ(env.state.HalfLifeDir, hl);
    EXPECT_EQ(env.state.SprayRootDir, sprays);
    EXPECT_TRUE(env.state.ShowPreviewFlag);
    EXPECT_TRUE(control<QCheckBox>("checkShowPreview")->isChecked());
    EXPECT_EQ(env.state.CurrentSprayDir, sprays + QDir::separator()) << "Refresh chose <Favorites>";
}

TEST_F(MainWindowTest, OnlyTheExactWordTrueTurnsThePreviewOn) {
    for (const char* value : {"true", "TRUE", "1", " True", "True "}) {
        TestEnv local;
        local.settings.write(QStringLiteral("Preferences"), QStringLiteral("ShowPreview"),
                             QString::fromLatin1(value));
        MainWindow w(local.state, local.services, local.windows);
        w.Form_Load();
        EXPECT_FALSE(local.state.ShowPreviewFlag) << value;
        w.close();
        EXPECT_EQ(local.settings.read(QStringLiteral("Preferences"), QStringLiteral("ShowPreview"),
                                      QString()),
                  QStringLiteral("False"))
            << value;
    }
}

TEST_F(MainWindowTest, SettingTheBoxFromCodeRunsItsHandler) {
    open();
    env.state.SelectedSprayKind = QStringLiteral("stale");
    window->setShowPreviewChecked(true);
    EXPECT_TRUE(env.state.ShowPreviewFlag);
    EXPECT_EQ(env.state.SelectedSprayKind, QString()) << "the handler went on to the file list's";
    window->setShowPreviewChecked(false);
    EXPECT_FALSE(env.state.ShowPreviewFlag);
}

TEST_F(MainWindowTest, ClosingWritesThePreferenceEveryTimeAndNeverTheFolders) {
    open();
    window->close();
    EXPECT_EQ(stored(QStringLiteral("Preferences"), QStringLiteral("ShowPreview")),
              QStringLiteral("False"));
    EXPECT_EQ(stored(QStringLiteral("File Locations"), QStringLiteral("HLDir")),
              QStringLiteral("<absent>"));
    EXPECT_EQ(stored(QStringLiteral("File Locations"), QStringLiteral("BMPDir")),
              QStringLiteral("<absent>"));
    EXPECT_TRUE(window->isUnloaded());

    TestEnv second;
    second.settings.write(QStringLiteral("Preferences"), QStringLiteral("ShowPreview"),
                          QStringLiteral("True"));
    MainWindow w(second.state, second.services, second.windows);
    w.Form_Load();
    w.close();
    EXPECT_EQ(second.settings.read(QStringLiteral("Preferences"), QStringLiteral("ShowPreview"),
                                   QString()),
              QStringLiteral("True"));
}

// A window that notes when it is closed.
class NotingWindow : public QWidget {
  public:
    NotingWindow(QString name, QStringList& log) : m_name(std::move(name)), m_log(log) {}

  protected:
    void closeEvent(QCloseEvent*) override { m_log << m_name; }

  private:
    QString m_name;
    QStringList& m_log;
};

TEST_F(MainWindowTest, ClosingUnloadsTheOtherWindowsMostRecentFirst) {
    open();
    QStringList log;
    NotingWindow first(QStringLiteral("first"), log);
    NotingWindow second(QStringLiteral("second"), log);
    env.windows.loaded(&first);
    env.windows.loaded(&second);
    window->close();
    EXPECT_EQ(log, QStringList({"second", "first"}));
}

TEST_F(MainWindowTest, AnErrorReportInAHandlerClosesTheWindowAndSavesThePreference) {
    // A mod row without a table entry cannot take a spray: failure 9 at step 5 of Apply.
    const QString sprays = env.scratch.mkdir(QStringLiteral("sprays"));
    env.scratch.write(QStringLiteral("sprays/logo.bmp"), bitmap8(16, 16));
    open();
    auto* mods = control<ModListWidget>("listMods");
    mods->clear();
    mods->addSorted(QStringLiteral("valve"));
    mods->setTag(QString());
    mods->item(0)->setSelected(true);
    auto* files = control<SprayFileList>("fileBMPs");
    files->setFolder(sprays);
    files->setCurrentRow(0);
    window->cmdApply_Click();
    ASSERT_EQ(env.prompts.shown.size(), 1u);
    EXPECT_EQ(env.prompts.shown[0].title, QStringLiteral("Subscript out of range"));
    EXPECT_TRUE(
        env.prompts.shown[0].text.endsWith(QStringLiteral("Sub: frmMain.cmdApply_Click()-5")));
    EXPECT_TRUE(window->isUnloaded());
    EXPECT_EQ(stored(QStringLiteral("Preferences"), QStringLiteral("ShowPreview")),
              QStringLiteral("False"));
}

TEST(SortedRows, SortWithoutRegardToCaseAndKeepEqualsInArrivalOrder) {
    ModListWidget list;
    for (const char* name : {"Zeta", "alpha", "Beta", "beta", "_under", "10", "2"})
        list.addSorted(QString::fromLatin1(name));
    QStringList rows;
    for (int i = 0; i < list.count(); ++i)
        rows << list.text(i);
    EXPECT_EQ(rows, QStringList({"10", "2", "_under", "alpha", "Beta", "beta", "Zeta"}));
}

TEST(SortedRows, CategoryListKeepsFavoritesFirstWhateverSortsBeforeIt) {
    CategoryCombo combo;
    combo.addPinned(QStringLiteral("<Favorites>"));
    for (const char* name : {"Zeta", "alpha", "!bang", "<Favorites>", "Beta"})
        combo.addSorted(QString::fromLatin1(name));
    QStringList rows;
    for (int i = 0; i < combo.count(); ++i)
        rows << combo.itemText(i);
    EXPECT_EQ(rows, QStringList({"<Favorites>", "!bang", "<Favorites>", "alpha", "Beta", "Zeta"}));
}

}  // namespace
