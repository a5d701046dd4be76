#include "spraylist.h"

#include "core/failure.h"
#include "core/sorting.h"
#include "library/sprays.h"
#include "platform/files.h"
#include "ui/droppedfiles.h"

#include <QDragEnterEvent>
#include <QPainter>
#include <QSignalBlocker>

namespace velmira {

SprayFileList::SprayFileList(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Pictures and WAD files dropped from a file manager join the library.
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DropOnly);
    // A file is chosen when it is selected, by mouse or keyboard; the list's current row alone
    // (which Qt sets when the list takes the focus) chooses nothing.
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        if (m_chosen)
            m_chosen();
    });
}

int SprayFileList::selected() const {
    const QList<QListWidgetItem*> items = selectedItems();
    return items.isEmpty() ? -1 : row(items.first());
}

void SprayFileList::focusInEvent(QFocusEvent* event) {
    // Taking the focus must not make a file current unseen: the arrow keys then start from the
    // top, and Apply still sees no file until one is chosen.
    const bool none = currentRow() < 0;
    {
        const QSignalBlocker blocker(this);
        QListWidget::focusInEvent(event);
        if (none && selectedItems().isEmpty())
            setCurrentRow(-1, QItemSelectionModel::NoUpdate);
    }
}

void SprayFileList::paintEvent(QPaintEvent* event) {
    QListWidget::paintEvent(event);
    // With no file chosen there is no current row to carry the focus cue: the list shows it.
    if (hasFocus() && currentRow() < 0) {
        QPainter painter(viewport());
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        painter.drawRect(viewport()->rect().adjusted(0, 0, -1, -1));
    }
}

void SprayFileList::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QListWidget::currentChanged(current, previous);
    // The list's own focus cue comes and goes with the current row: redraw all its edges.
    if (current.isValid() != previous.isValid())
        viewport()->update();
}

void SprayFileList::focusOutEvent(QFocusEvent* event) {
    QListWidget::focusOutEvent(event);
    if (currentRow() < 0)
        viewport()->update();
}

QItemSelectionModel::SelectionFlags SprayFileList::selectionCommand(const QModelIndex& index,
                                                                    const QEvent* event) const {
    // One file is chosen at a time and the user cannot unchoose it: Ctrl+click or Ctrl+Space
    // on the chosen file keeps it chosen.
    // A click where there is no row changes nothing.
    if (!index.isValid() && event &&
        (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease ||
         event->type() == QEvent::MouseMove || event->type() == QEvent::MouseButtonDblClick))
        return QItemSelectionModel::NoUpdate;
    const auto flags = QListWidget::selectionCommand(index, event);
    if (index.isValid() && (flags & (QItemSelectionModel::Deselect | QItemSelectionModel::Toggle)))
        return QItemSelectionModel::ClearAndSelect;
    return flags;
}

void SprayFileList::choose(const QString& name) {
    const QList<QListWidgetItem*> found = findItems(name, Qt::MatchExactly);
    if (found.isEmpty())
        return;
    setCurrentItem(found.first());
    scrollToItem(found.first());
}

void SprayFileList::dragEnterEvent(QDragEnterEvent* event) {
    if (m_dropped && !droppedFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void SprayFileList::dragMoveEvent(QDragMoveEvent* event) {
    if (m_dropped && !droppedFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void SprayFileList::dropEvent(QDropEvent* event) {
    const QStringList paths = droppedFiles(event->mimeData());
    if (!m_dropped || paths.isEmpty())
        return;
    event->setDropAction(Qt::CopyAction);
    event->accept();
    // The copying, and any message about it, happen after the drop has returned: the file
    // manager the files came from does not wait for them.
    QMetaObject::invokeMethod(
        this, [this, paths] { dropFiles(paths); }, Qt::QueuedConnection);
}

void SprayFileList::setFolder(const QString& folder) {
    if (!folderExists(folder))
        raisePathNotFound();
    m_folder = folder;
    reread();
}

void SprayFileList::reread() {
    const QSignalBlocker blocker(this);
    const QStringList names = m_folder.isEmpty() ? QStringList() : sprayFilesIn(m_folder);
    // Refresh reads the same folder several times over: rows already showing it stay.
    bool same = names.size() == QListWidget::count();
    for (int row = 0; same && row < names.size(); ++row)
        same = item(row)->text() == names[row];
    if (!same) {
        QListWidget::clear();
        addItems(names);
    }
    setCurrentRow(-1);
    clearSelection();
}

QString SprayFileList::fileName() const {
    const QList<QListWidgetItem*> items = selectedItems();
    return items.isEmpty() ? QString() : items.first()->text();
}

}  // namespace velmira
