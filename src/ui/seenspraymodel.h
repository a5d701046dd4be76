#pragma once

#include "game/seen.h"

#include <QAbstractListModel>
#include <QCache>
#include <QImage>
#include <QPixmap>
#include <QSet>
#include <QThreadPool>

#include <atomic>
#include <vector>

namespace velmira {

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

// What a screen reader names a seen spray by: its mods, where the first one's cache holds it and
// its size (the grid shows only the size).
QString seenSprayName(const SeenSpray& spray);

// A spray's picture as the grid draws it: in a box of `side`, over a checker that shows what is
// see-through, made smaller when larger than the box, its pixels kept sharp.
QImage seenIcon(const QImage& picture, int side);

}  // namespace velmira
