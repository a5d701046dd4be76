#include "framingview.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace velmira {

namespace {
// How much of the framing view the frame takes.
constexpr double kFrameShare = 0.6;
}  // namespace

FramingView::FramingView(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(240, 200);
    retranslate();
}

void FramingView::retranslate() {
    setAccessibleName(tr("Picture under the spray's frame"));
    setToolTip(
        tr("Drag to move the picture, turn the wheel to zoom; the arrow keys move it by one "
           "pixel, with Shift by ten"));
    setAccessibleDescription(toolTip());
}

void FramingView::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void FramingView::setSource(std::shared_ptr<const spray::MakerSource> source) {
    m_source = std::move(source);
    update();
}

void FramingView::setChoices(const spray::MakerChoices& choices, QSize spray) {
    m_choices = choices;
    m_spray = spray;
    update();
}

void FramingView::setPicking(bool picking) {
    m_picking = picking;
    setCursor(picking ? Qt::CrossCursor : Qt::OpenHandCursor);
}

double FramingView::viewScale() const {
    if (m_spray.isEmpty())
        return 1.0;
    return kFrameShare * std::min(static_cast<double>(width()) / m_spray.width(),
                                  static_cast<double>(height()) / m_spray.height());
}

QTransform FramingView::pictureToView() const {
    const double zoom = std::max(m_choices.zoom, 1e-6) * viewScale();
    QTransform transform;
    transform.translate(width() / 2.0, height() / 2.0);
    transform.rotate(90.0 * m_choices.quarterTurns);
    transform.scale(m_choices.mirrored ? -zoom : zoom, zoom);
    transform.translate(-m_choices.centre.x(), -m_choices.centre.y());
    return transform;
}

void FramingView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(96, 96, 96));
    if (!m_source || m_source->isNull()) {
        painter.setPen(Qt::white);
        painter.drawText(rect(), Qt::AlignCenter, tr("Reading the picture…"));
        return;
    }
    double levelScale = 1.0;
    const QImage& level =
        m_source->levelFor(std::max(m_choices.zoom, 1e-6) * viewScale(), &levelScale);
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, !m_choices.sharp);
    painter.setTransform(pictureToView());
    painter.scale(1.0 / levelScale, 1.0 / levelScale);
    painter.drawImage(QPointF(0, 0), level);
    painter.restore();
    // Outside the frame the picture is dimmed.
    const double scale = viewScale();
    const QRectF frame(width() / 2.0 - m_spray.width() * scale / 2.0,
                       height() / 2.0 - m_spray.height() * scale / 2.0, m_spray.width() * scale,
                       m_spray.height() * scale);
    QPainterPath outside;
    outside.addRect(rect());
    outside.addRect(frame);
    painter.fillPath(outside, QColor(0, 0, 0, 140));
    painter.setPen(QPen(hasFocus() ? palette().color(QPalette::Highlight) : QColor(Qt::white), 1,
                        Qt::DashLine));
    painter.drawRect(frame.adjusted(-0.5, -0.5, 0.5, 0.5));
}

void FramingView::mousePressEvent(QMouseEvent* event) {
    m_last = event->position().toPoint();
    if (!m_picking || !m_source || m_source->isNull())
        return;
    const QPointF at = pictureToView().inverted().map(event->position());
    const QPoint pixel(static_cast<int>(std::floor(at.x())), static_cast<int>(std::floor(at.y())));
    if (m_source->full().rect().contains(pixel))
        emit picked(m_source->full().pixel(pixel));
}

void FramingView::mouseMoveEvent(QMouseEvent* event) {
    if (m_picking || !(event->buttons() & Qt::LeftButton))
        return;
    const QPoint now = event->position().toPoint();
    const QPointF delta = now - m_last;
    m_last = now;
    // The picture follows the mouse: its point under the frame's centre moves the other way.
    const QTransform linear(pictureToView().m11(), pictureToView().m12(), pictureToView().m21(),
                            pictureToView().m22(), 0, 0);
    emit moved(-linear.inverted().map(delta));
}

void FramingView::wheelEvent(QWheelEvent* event) {
    const int steps = event->angleDelta().y() / 120;
    if (steps != 0)
        emit zoomed(steps);
}

void FramingView::keyPressEvent(QKeyEvent* event) {
    QPointF step;
    switch (event->key()) {
        case Qt::Key_Left:
            step = QPointF(-1, 0);
            break;
        case Qt::Key_Right:
            step = QPointF(1, 0);
            break;
        case Qt::Key_Up:
            step = QPointF(0, -1);
            break;
        case Qt::Key_Down:
            step = QPointF(0, 1);
            break;
        case Qt::Key_Plus:
        case Qt::Key_Equal:
            emit zoomed(1);
            return;
        case Qt::Key_Minus:
            emit zoomed(-1);
            return;
        default:
            QWidget::keyPressEvent(event);
            return;
    }
    if (event->modifiers() & Qt::ShiftModifier)
        step *= 10;
    // One spray pixel: the picture moves with the key.
    const double zoom = std::max(m_choices.zoom, 1e-6);
    QTransform linear;
    linear.rotate(90.0 * m_choices.quarterTurns);
    linear.scale(m_choices.mirrored ? -zoom : zoom, zoom);
    emit moved(-linear.inverted().map(step));
}

}  // namespace velmira
