#pragma once

#include "game/seen.h"

#include <QAbstractListModel>
#include <QCache>
#include <QDialog>
#include <QPixmap>
#include <QThreadPool>

#include <atomic>
#include <functional>

class QComboBox;
class QLabel;
class QListView;
class QPushButton;

namespace velmira {

class LoadedWindows;
class Prompts;

// The sprays seen in games as a grid: each drawn as the game draws it, with its size; the
// pictures are made when a row is first drawn and only a bounded number are kept.
class SeenSprayModel : public QAbstractListModel {
    Q_OBJECT
  public:
    // The side of the box each picture is drawn in.
    static constexpr int kIconSide = 96;
    explicit SeenSprayModel(QObject* parent = nullptr);
    // Shows the sprays of this mod (all of them for an empty name) among those seen.
    void setSprays(const SeenSprays* sprays, const QString& mod);
    // The sprays added to the list since it was last shown.
    void spraysAdded();
    const SeenSpray* sprayAt(int row) const;
    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

  private:
    bool shows(const SeenSpray& spray) const;
    QPixmap iconOf(const SeenSpray& spray) const;

    const SeenSprays* m_sprays = nullptr;
    QString m_mod;
    std::vector<std::size_t> m_rows;  // indices into the sprays seen
    std::size_t m_looked = 0;         // how many of them were looked at
    mutable QCache<QString, QPixmap> m_icons;
};

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
    // Until every cache has been read and shown (for tests and benchmarks).
    void waitForLoading();
    int shownCount() const;
    const SeenSpray* chosen() const;
    void saveToLibrary();
    void saveAsPicture();

    // Where "Save as Picture..." writes: a file for one spray, a folder for several (empty:
    // cancelled). A file dialog unless replaced (tests).
    std::function<QString(const QString& suggested, bool folder)> askPictureTarget;

  signals:
    // A cache was read and its sprays shown.
    void cacheShown();

  private:
    void cacheRead(const SeenCache& cache, quint64 generation);
    void modChosen();
    void updateButtons();
    QList<const SeenSpray*> chosenSprays() const;

    QString m_gameFolder;
    QStringList m_mods;
    std::function<QString()> m_folder;
    std::function<void(const QString&)> m_saved;
    Prompts& m_prompts;
    LoadedWindows& m_windows;

    SeenSprays m_seen;
    QStringList m_problems;
    int m_pending = 0;
    QThreadPool m_pool;
    std::atomic<quint64> m_generation{0};

    QComboBox* m_modChooser = nullptr;
    QListView* m_grid = nullptr;
    SeenSprayModel* m_model = nullptr;
    QLabel* m_status = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_savePicture = nullptr;
};

}  // namespace velmira
