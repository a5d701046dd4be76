#pragma once

#include "core/controls.h"

#include <QListWidget>
#include <QStringList>

#include <functional>

namespace velmira {

// The spray file list: the files of one folder matching "*.bmp;*.wad", any case.
class SprayFileList : public QListWidget, public SprayFiles {
    Q_OBJECT
  public:
    explicit SprayFileList(QWidget* parent = nullptr);
    void setChosenHandler(std::function<void()> handler) { m_chosen = std::move(handler); }
    // Files dropped on the list from a file manager: their local paths.
    void setDropHandler(std::function<void(const QStringList&)> handler) {
        m_dropped = std::move(handler);
    }
    // Hands files dropped on the list to the drop handler.
    void dropFiles(const QStringList& paths) {
        if (m_dropped && !paths.isEmpty())
            m_dropped(paths);
    }
    void setFolder(const QString& folder) override;
    void choose(const QString& name) override;
    QString folder() const override { return m_folder; }
    void reread() override;
    int selected() const override;
    QString fileName() const override;

  protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;

  private:
    QString m_folder;
    std::function<void()> m_chosen;
    std::function<void(const QStringList&)> m_dropped;
};

}  // namespace velmira
