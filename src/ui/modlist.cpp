#include "modlist.h"

#include "core/failure.h"
#include "core/sorting.h"

#include <QApplication>
#include <QBuffer>
#include <QHelpEvent>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QToolTip>

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

}  // namespace velmira
