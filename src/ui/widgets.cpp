#include "widgets.h"

#include "core/failure.h"
#include "core/sorting.h"
#include "library/preview.h"
#include "library/sprays.h"
#include "platform/files.h"
#include "platform/prompts.h"

#include <QApplication>
#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QHelpEvent>
#include <QMimeData>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QThread>
#include <QToolTip>
#include <QUrl>

#include <algorithm>

namespace velmira {

namespace {
// Rows keep the height of a row of text alone: the style gives a row with an icon a margin above
// and below it, which would make a marked mod's row taller than the others.
class TextHeightRows : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const QSize full = QStyledItemDelegate::sizeHint(option, index);
        QStyleOptionViewItem plain = option;
        initStyleOption(&plain, index);
        plain.features &= ~QStyleOptionViewItem::HasDecoration;
        plain.icon = QIcon();
        plain.decorationSize = QSize();
        const QWidget* widget = option.widget;
        const QStyle* style = widget ? widget->style() : QApplication::style();
        return QSize(
            full.width(),
            style->sizeFromContents(QStyle::CT_ItemViewItem, &plain, QSize(), widget).height());
    }
};
}  // namespace

ModListWidget::ModListWidget(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    // The mark of a replaced spray is no taller than the text: every row keeps its height.
    const int side = fontMetrics().ascent();
    setIconSize(QSize(side, side));
    setItemDelegate(new TextHeightRows(this));
}

void ModListWidget::addSorted(const QString& text) {
    const int row = sortedPosition(0, count(), text, [this](int r) { return item(r)->text(); });
    insertItem(row, text);
}

QString ModListWidget::text(int row) const {
    const QListWidgetItem* it = item(row);
    if (!it)
        raiseIndexOutOfRange();
    return it->text();
}

void ModListWidget::setText(int row, const QString& text) {
    QListWidgetItem* it = item(row);
    if (!it)
        raiseIndexOutOfRange();
    it->setText(text);
}

bool ModListWidget::isSelected(int row) const {
    const QListWidgetItem* it = item(row);
    return it && it->isSelected();
}

namespace {
// Marks a row whose spray was replaced since Velmira installed it.
constexpr int kReplacedRole = Qt::UserRole + 1;
// The largest side of the spray drawn in a mod's tooltip.
constexpr int kHeldPictureSide = 64;
}  // namespace

void ModListWidget::setHeld(int row, const QImage& picture, const QString& note, bool replaced) {
    QListWidgetItem* it = item(row);
    if (!it)
        return;
    // The tooltip is made when it is shown: Refresh only reads.
    m_pictures[it] = picture;
    it->setData(Qt::AccessibleDescriptionRole, note);
    it->setData(kReplacedRole, replaced);
    it->setIcon(replaced ? style()->standardIcon(QStyle::SP_MessageBoxWarning) : QIcon());
}

QString ModListWidget::heldTip(int row) const {
    const QListWidgetItem* it = item(row);
    if (!it || it->data(Qt::AccessibleDescriptionRole).toString().isEmpty())
        return QString();
    QString tip = QStringLiteral("<p>") +
                  it->data(Qt::AccessibleDescriptionRole).toString().toHtmlEscaped() +
                  QStringLiteral("</p>");
    const auto found = m_pictures.find(it);
    const QImage picture = found == m_pictures.end() ? QImage() : found->second;
    if (!picture.isNull()) {
        const QImage small =
            picture.width() > kHeldPictureSide || picture.height() > kHeldPictureSide
                ? picture.scaled(kHeldPictureSide, kHeldPictureSide, Qt::KeepAspectRatio,
                                 Qt::SmoothTransformation)
                : picture;
        QByteArray png;
        QBuffer buffer(&png);  // opened by the writer
        small.save(&buffer, "PNG");
        tip += QStringLiteral("<p align=\"center\"><img src=\"data:image/png;base64,") +
               QString::fromLatin1(png.toBase64()) + QStringLiteral("\"></p>");
    }
    return tip;
}

bool ModListWidget::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QModelIndex index = indexAt(help->pos());
        const QString tip = index.isValid() ? heldTip(index.row()) : QString();
        if (tip.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), tip, viewport(), visualRect(index));
        return true;
    }
    return QListWidget::viewportEvent(event);
}

bool ModListWidget::isMarkedReplaced(int row) const {
    const QListWidgetItem* it = item(row);
    return it && it->data(kReplacedRole).toBool();
}

CategoryCombo::CategoryCombo(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    // Only the user's choice arrives here; code selects through select(), which runs the
    // handler itself.
    connect(this, &QComboBox::activated, this, [this](int) {
        if (m_chosen)
            m_chosen();
    });
}

void CategoryCombo::clear() {
    const QSignalBlocker blocker(this);
    QComboBox::clear();
    m_pinned = 0;
}

void CategoryCombo::addPinned(const QString& text) {
    const QSignalBlocker blocker(this);
    insertItem(m_pinned++, text);
    setCurrentIndex(-1);
}

void CategoryCombo::addSorted(const QString& text) {
    const QSignalBlocker blocker(this);
    const int row = sortedPosition(m_pinned, count(), text, [this](int r) { return itemText(r); });
    const int current = currentIndex();
    insertItem(row, text);
    setCurrentIndex(current >= row ? current + 1 : current);
}

void CategoryCombo::select(int row) {
    {
        const QSignalBlocker blocker(this);
        setCurrentIndex(row);
    }
    if (m_chosen)
        m_chosen();
}

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

namespace {
QStringList localFiles(const QMimeData* data) {
    QStringList paths;
    if (data && data->hasUrls())
        for (const QUrl& url : data->urls())
            if (url.isLocalFile())
                paths << QDir::toNativeSeparators(url.toLocalFile());
    return paths;
}
}  // namespace

void SprayFileList::dragEnterEvent(QDragEnterEvent* event) {
    if (m_dropped && !localFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void SprayFileList::dragMoveEvent(QDragMoveEvent* event) {
    if (m_dropped && !localFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void SprayFileList::dropEvent(QDropEvent* event) {
    const QStringList paths = localFiles(event->mimeData());
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

PreviewWidget::PreviewWidget(QWidget* parent) : QWidget(parent) {
    setAcceptDrops(true);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
    setFocusPolicy(Qt::StrongFocus);
    m_worker.setMaxThreadCount(1);
}

void PreviewWidget::dragEnterEvent(QDragEnterEvent* event) {
    if (m_dropped && localFiles(event->mimeData()).size() == 1)
        event->acceptProposedAction();
}

void PreviewWidget::dropEvent(QDropEvent* event) {
    const QStringList paths = localFiles(event->mimeData());
    if (!m_dropped || paths.size() != 1)
        return;
    event->setDropAction(Qt::CopyAction);
    event->accept();
    // The maker opens after the drop has returned, as the list's copying does.
    const QString path = paths.first();
    QMetaObject::invokeMethod(
        this, [this, path] { m_dropped(path); }, Qt::QueuedConnection);
}

PreviewWidget::~PreviewWidget() {
    // Closing cancels the conversion under way instead of waiting for it to finish.
    ++m_latest;
    m_worker.clear();
    m_worker.waitForDone();
}

void PreviewWidget::show(const QImage& picture, const QString& note) {
    m_picture = picture;
    setToolTip(note);
    update();
}

void PreviewWidget::clear() {
    ++m_latest;
    show(QImage(), QString());
}

bool PreviewWidget::load(const QString& path) {
    // Nothing is read on the window's thread: one worker reads and converts, and a newer
    // choice cancels the one under way and drops the ones still waiting.
    const quint64 generation = ++m_latest;
    m_worker.clear();
    m_worker.start([this, path, generation] {
        const auto stale = [this, generation] { return generation != m_latest; };
        if (stale())
            return;
        ++m_conversions;
        const SprayPreview preview = previewOf(path, stale);
        QMetaObject::invokeMethod(
            this,
            [this, preview, generation] {
                // A file that cannot be shown changes nothing.
                if (generation == m_latest && !preview.image.isNull())
                    show(preview.image, preview.note);
            },
            Qt::QueuedConnection);
    });
    return true;
}

void PreviewWidget::waitForConversion() {
    m_worker.waitForDone();
    QCoreApplication::sendPostedEvents(this);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
}

void PreviewWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!m_picture.isNull()) {
        const QSize fitted = m_picture.size().scaled(size(), Qt::KeepAspectRatio);
        const QRect target(QPoint((width() - fitted.width()) / 2, (height() - fitted.height()) / 2),
                           fitted);
        const bool enlarged = fitted.width() >= m_picture.width();
        painter.setRenderHint(QPainter::SmoothPixmapTransform, !enlarged);
        painter.drawImage(target, m_picture);
    }
    // The preview is in the focus order: show where the keyboard is.
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void FolderLabel::setCaption(const QString& text) {
    setText(displayText(text));
}

}  // namespace velmira
