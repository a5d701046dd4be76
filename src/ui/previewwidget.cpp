#include "previewwidget.h"

#include "core/failure.h"
#include "library/preview.h"
#include "platform/files.h"
#include "ui/droppedfiles.h"

#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QPainter>
#include <QThread>

namespace velmira {

PreviewWidget::PreviewWidget(QWidget* parent) : QWidget(parent) {
    setAcceptDrops(true);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
    setFocusPolicy(Qt::StrongFocus);
    m_worker.setMaxThreadCount(1);
}

void PreviewWidget::dragEnterEvent(QDragEnterEvent* event) {
    if (m_dropped && droppedFiles(event->mimeData()).size() == 1)
        event->acceptProposedAction();
}

void PreviewWidget::dropEvent(QDropEvent* event) {
    const QStringList paths = droppedFiles(event->mimeData());
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

void PreviewWidget::show(const QImage& picture, const QString& note, int colours) {
    m_picture = picture;
    m_colours = colours;
    setToolTip(note);
    describe();
    update();
}

void PreviewWidget::describe() {
    // What the tooltip says of the picture, said to a screen reader in the language in force.
    setAccessibleDescription(
        m_picture.isNull()
            ? QString()
            : tr("spray preview: %1 × %2, %n colours", nullptr, m_colours)
                  .arg(QString::number(m_picture.width()), QString::number(m_picture.height())));
}

void PreviewWidget::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        describe();
    QWidget::changeEvent(event);
}

void PreviewWidget::clear() {
    ++m_latest;
    show(QImage(), QString(), 0);
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
                    show(preview.image, preview.note, preview.colours);
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

}  // namespace velmira
