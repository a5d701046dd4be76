#pragma once

#include "core/controls.h"

#include <QDialog>
#include <QMainWindow>
#include <QPointer>
#include <QStringList>

#include <functional>
#include <memory>

class QCheckBox;
class QPushButton;
class QAction;
class QMenu;
class QThreadPool;

namespace velmira {

struct AppState;
struct Services;
class LoadedWindows;
class ModListWidget;
class CategoryCombo;
class SprayFileList;
class PreviewWidget;
class FolderLabel;
class SprayProgressBar;

// The main window: the spray library above, the mods and the action buttons below. Its
// handlers read the controls, call the procedures that do the work and show what they return.
class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    MainWindow(AppState& state, const Services& services, LoadedWindows& windows,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    // Loads the window: the settings into the state, then Refresh.
    void Form_Load();
    // Closes the window as its close box does (the unload handler runs once).
    void unload();
    bool isUnloaded() const { return m_unloaded; }

    void cmdRefresh_Click();
    void comboCats_Click();
    void fileBMPs_Click();
    void checkShowPreview_Click();
    void cmdOpenBMPDir_Click();
    void cmdApply_Click();
    void cmdClear_Click();
    void cmdCreate_Click();
    void mnuFileLoc_Click();
    void mnuFileExit_Click();
    void mnuFileProtect_Click();
    void mnuFileClearCache_Click();
    void mnuFileMake_Click();
    void mnuFileSeen_Click();
    void mnuFileCheck_Click();
    QWidget* checkWindow() const { return m_check; }
    // Opens the spray maker on a picture, saving into the chosen category. The picture is
    // checked off the window's thread first; then the maker opens, or the reason it cannot is
    // shown, and `opened` is told which (the maker, or null). A later call supersedes a check
    // still running.
    void openMaker(const QString& picture, std::function<void(QDialog*)> opened = {});
    // Waits for the check of the picture the maker is being opened on, and opens it or shows why
    // not.
    void waitForMakerCheck();
    QWidget* maker() const { return m_maker; }
    void mnuHelpContents_Click();
    void mnuHelpViewReadMe_Click();
    void mnuHelpAbout_Click();
    // Keeps the language chosen in the "Language" menu (empty: as the system) and applies it.
    void mnuFileLanguage_Click(const QString& code);

    // Sets the "Show Preview" box from code, which runs its handler as a click does.
    void setShowPreviewChecked(bool checked);

    MainControls& controls() { return *m_controls; }

  protected:
    void closeEvent(QCloseEvent* event) override;
    // A new language: every text of the window is set anew.
    void changeEvent(QEvent* event) override;

  private:
    void Form_Unload();
    void buildControls();
    void buildMenus();
    void buildLanguageMenu();
    // Sets every text of the window in the language in force.
    void retranslateUi();
    void retranslateHint();
    void openCheckedMaker(const QString& picture, const QString& folder, const QString& problem,
                          const std::function<void(QDialog*)>& opened);

    AppState& m_state;
    const Services& m_services;
    LoadedWindows& m_windows;

    QPushButton* m_cmdOpenBMPDir = nullptr;
    FolderLabel* m_lblBMPDir = nullptr;
    CategoryCombo* m_comboCats = nullptr;
    SprayFileList* m_fileBMPs = nullptr;
    QPushButton* m_cmdRefresh = nullptr;
    ModListWidget* m_listMods = nullptr;
    SprayProgressBar* m_pBar = nullptr;
    PreviewWidget* m_olePicture = nullptr;
    QCheckBox* m_checkShowPreview = nullptr;
    QPushButton* m_cmdApply = nullptr;
    QPushButton* m_cmdClear = nullptr;
    QPushButton* m_cmdCreate = nullptr;
    QAction* m_mnuFileProtect = nullptr;
    QMenu* m_mnuLanguage = nullptr;
    // The first-run hint's rows as last set (empty before the first).
    QStringList m_hint = {QString(), QString()};
    QPointer<QDialog> m_maker;
    QPointer<QDialog> m_seen;
    QPointer<QDialog> m_check;
    std::unique_ptr<MainControls> m_controls;
    bool m_unloaded = false;
    // The check of the picture the maker is to open on; the latest one counts. Destroyed first,
    // waiting for a check still running.
    quint64 m_makerCheckGeneration = 0;
    std::unique_ptr<QThreadPool> m_makerCheck;
};

}  // namespace velmira
