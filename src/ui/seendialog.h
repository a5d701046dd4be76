#pragma once

#include "game/seen.h"
#include "library/seensave.h"

#include <QAbstractListModel>
#include <QCache>
#include <QDialog>
#include <QImage>
#include <QPixmap>
#include <QSet>
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

// The sprays seen in games as a grid: each drawn as the game draws it, with its size; the
// pictures are made off the window's thread when a row is first drawn (a blank box until then),
// read again from the caches, and only a bounded number are kept.
class SeenSprayModel : public QAbstractListModel {
    Q_OBJECT
  public:
    // The side of the box each picture is drawn in.
    static constexpr int kIconSide = 96;
    explicit SeenSprayModel(QObject* parent = nullptr);
    ~SeenSprayModel() override;
    // Shows the sprays of this mod (all of them for an empty name) among those seen.
    void setSprays(const SeenSprays* sprays, const QString& mod);
    // The sprays added to the list since it was last shown.
    void spraysAdded();
    const SeenSpray* sprayAt(int row) const;
    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    // Whether no picture is being made.
    bool picturesDone() const { return m_wanted.empty() && m_making.isEmpty(); }
    // Until every picture asked for is made (for tests and benchmarks).
    void waitForPictures();

  private:
    struct Made {
        QByteArray hash;
        QImage icon;  // null: the spray could not be read again
    };
    bool shows(const SeenSpray& spray) const;
    QPixmap iconOf(const SeenSpray& spray) const;
    void makeWanted();
    void pictureMade(const Made& made);

    const SeenSprays* m_sprays = nullptr;
    QString m_mod;
    std::vector<std::size_t> m_rows;  // indices into the sprays seen
    std::size_t m_looked = 0;         // how many of them were looked at
    mutable QCache<QByteArray, QPixmap> m_icons;
    mutable std::vector<SeenSpray> m_wanted;  // asked for, not yet handed to the worker
    mutable QSet<QByteArray> m_making;        // asked for, not yet made
    QSet<QByteArray> m_unreadable;            // whose caches changed: drawn blank
    QPixmap m_blank;
    QThreadPool m_pool;
    std::atomic<bool> m_closing{false};
};

// A spray's picture as the grid draws it: in a box of `side`, over a checker that shows what is
// see-through, made smaller when larger than the box, its pixels kept sharp.
QImage seenIcon(const QImage& picture, int side);

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
