#pragma once

#include "core/controls.h"

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QThreadPool>
#include <QWidget>

#include <atomic>

#include <functional>
#include <unordered_map>
#include <vector>

namespace velmira {

// The mod list: sorted rows with extended selection and a tag text.
class ModListWidget : public QListWidget, public ModRows {
    Q_OBJECT
  public:
    explicit ModListWidget(QWidget* parent = nullptr);
    void clear() override {
        QListWidget::clear();
        m_pictures.clear();
    }
    void addSorted(const QString& text) override;
    int count() const override { return QListWidget::count(); }
    QString text(int row) const override;
    void setText(int row, const QString& text) override;
    bool isSelected(int row) const override;
    QString tag() const override { return m_tag; }
    void setTag(const QString& tag) override { m_tag = tag; }
    void setHeld(int row, const QImage& picture, const QString& note, bool replaced) override;
    // Whether the row is marked as replaced since Velmira installed its spray.
    bool isMarkedReplaced(int row) const;
    // The tooltip of a mod: what it holds now, in words and as the game draws it.
    QString heldTip(int row) const;

  protected:
    bool viewportEvent(QEvent* event) override;

  private:
    QString m_tag;
    // The spray each row's mod holds, for its tooltip (kept beside the items: a picture in an
    // item's data is compared pixel by pixel whenever it is set).
    std::unordered_map<const QListWidgetItem*, QImage> m_pictures;
};

// The category list: "<Favorites>" pinned first, the categories sorted after it. A choice by
// the user or a selection from code runs the chosen-handler.
class CategoryCombo : public QComboBox, public CategoryRows {
    Q_OBJECT
  public:
    explicit CategoryCombo(QWidget* parent = nullptr);
    void setChosenHandler(std::function<void()> handler) { m_chosen = std::move(handler); }
    void clear() override;
    void addPinned(const QString& text) override;
    void addSorted(const QString& text) override;
    int count() const override { return QComboBox::count(); }
    int selected() const override { return currentIndex(); }
    void select(int row) override;
    QString text() const override { return currentText(); }

  private:
    int m_pinned = 0;
    std::function<void()> m_chosen;
};

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

// The preview area: the chosen spray picture fitted into the square, aspect kept, pixels sharp
// when enlarged.
class PreviewWidget : public QWidget, public PreviewArea {
    Q_OBJECT
  public:
    explicit PreviewWidget(QWidget* parent = nullptr);
    ~PreviewWidget() override;
    void clear() override;
    // The file is read, and any picture other than a WAD or an 8-bit spray bitmap converted as
    // the compiler will convert it, on one worker thread, and shown when ready; a later load
    // or clear cancels the work under way and makes its result go unshown.
    bool load(const QString& path) override;
    const QImage& picture() const { return m_picture; }
    // Waits for the work under way and shows the latest (for tests and benchmarks).
    void waitForConversion();
    // How many loads the worker began reading (stale ones it drops unread).
    int conversionsStarted() const { return m_conversions; }

    // A picture dropped on the preview from a file manager: its local path.
    void setDropHandler(std::function<void(const QString&)> handler) {
        m_dropped = std::move(handler);
    }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    std::function<void(const QString&)> m_dropped;
    void show(const QImage& picture, const QString& note);

    QImage m_picture;
    // The latest load's number: a job whose number is older is stale and stops.
    std::atomic<quint64> m_latest{0};
    std::atomic<int> m_conversions{0};
    QThreadPool m_worker;
};

// Shows a folder or a message as plain text: a folder named like markup shows as it is named.
class FolderLabel : public QLabel, public TextLabel {
    Q_OBJECT
  public:
    explicit FolderLabel(QWidget* parent = nullptr) : QLabel(parent) {
        setTextFormat(Qt::PlainText);
    }
    void setCaption(const QString& text) override;
};

class SprayProgressBar : public QProgressBar, public ProgressView {
    Q_OBJECT
  public:
    using QProgressBar::QProgressBar;
    void setRange(int minimum, int maximum) override { QProgressBar::setRange(minimum, maximum); }
    int maximum() const override { return QProgressBar::maximum(); }
    int value() const override { return QProgressBar::value(); }
    void setValue(int value) override { QProgressBar::setValue(value); }
    void repaintNow() override { repaint(); }
};

}  // namespace velmira
