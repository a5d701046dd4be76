#pragma once

#include "game/seen.h"
#include "library/seensave.h"
#include "ui/seenspraymodel.h"

#include <QDialog>
#include <QThreadPool>

#include <atomic>
#include <functional>

class QComboBox;
class QProgressDialog;
class QLabel;
class QListView;
class QPushButton;

namespace velmira {

class LoadedWindows;
class Prompts;

// "Sprays Seen in Games...": the sprays the game kept from servers in every mod's cache,
// read off the window's thread (the first shown before all are read), kept in the library or
// saved as pictures. The caches are only read, never changed or locked.
class SeenDialog : public QDialog {
    Q_OBJECT
  public:
    // `folder` gives the library folder a kept spray goes to (the category chosen in the main
    // window); `saved` is told the name of the last one kept.
    SeenDialog(QString gameFolder, QStringList mods, std::function<QString()> folder,
               std::function<void(const QString&)> saved, Prompts& prompts, LoadedWindows& windows,
               QWidget* parent = nullptr);
    ~SeenDialog() override;

    // Reads every cache again.
    void refresh();
    // Until every cache has been read and shown and the pictures the grid asked for are made
    // (for tests and benchmarks).
    void waitForLoading();
    // Until the sprays being saved are saved (for tests and benchmarks).
    void waitForSaving();
    bool saving() const { return m_progress != nullptr; }
    int shownCount() const;
    const SeenSpray* chosen() const;
    void saveToLibrary();
    void saveAsPicture();

    // Where "Save as Picture..." writes: a file for one spray, a folder for several (empty:
    // cancelled). A file dialog unless replaced (tests).
    std::function<QString(const QString& suggested, bool folder)> askPictureTarget;
    // Reads one mod's cache (off the window's thread): readSeenCache unless replaced (tests).
    std::function<SeenCache(const QString& mod, const CancelCheck& cancel)> readCache;

  signals:
    // A cache was read and its sprays shown.
    void cacheShown();
    // A batch of sprays was saved, in full or until cancelled.
    void savingDone();

  private:
    using SaveWork = std::function<SeenSaveOutcome(const CancelCheck& cancel,
                                                   const std::function<void(int)>& progress)>;
    void cacheRead(const SeenCache& cache, quint64 generation);
    // Runs a batch of saving off the window's thread, with its progress and a Cancel button.
    void startSaving(int count, std::function<QString()> label, SaveWork work,
                     std::function<void(const SeenSaveOutcome&)> done);
    void savingFinished(const SeenSaveOutcome& outcome,
                        const std::function<void(const SeenSaveOutcome&)>& done);
    void changeEvent(QEvent* event) override;
    void retranslateUi();
    // The line under the grid: reading, how many sprays were seen, the caches not read.
    void showStatus();
    void modChosen();
    void updateButtons();
    QList<const SeenSpray*> chosenSprays() const;
    std::vector<SeenSpray> chosenCopies() const;

    QString m_gameFolder;
    QStringList m_mods;
    std::function<QString()> m_folder;
    std::function<void(const QString&)> m_saved;
    Prompts& m_prompts;
    LoadedWindows& m_windows;

    SeenSprays m_seen;
    QStringList m_problems;
    int m_pending = 0;
    bool m_read = false;  // a cache was read since the last refresh
    QThreadPool m_pool;
    std::atomic<quint64> m_generation{0};

    QThreadPool m_savePool;
    std::atomic<bool> m_stopSaving{false};
    QProgressDialog* m_progress = nullptr;
    std::function<QString()> m_progressLabel;  // in the language in force

    QLabel* m_modLabel = nullptr;
    QComboBox* m_modChooser = nullptr;
    QListView* m_grid = nullptr;
    SeenSprayModel* m_model = nullptr;
    QLabel* m_status = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_savePicture = nullptr;
    QPushButton* m_refresh = nullptr;
};

}  // namespace velmira
