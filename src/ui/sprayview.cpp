#include "sprayview.h"

#include <QEvent>
#include <QPainter>

#include <algorithm>

namespace velmira {

SprayView::SprayView(QWidget* parent) : QWidget(parent) {
    setAccessibleName(tr("The spray as the game draws it"));
}

void SprayView::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        setAccessibleName(tr("The spray as the game draws it"));
    QWidget::changeEvent(event);
}

void SprayView::setSpray(const QImage& spray) {
    m_spray = spray;
    update();
}

void SprayView::setBackground(Background background) {
    m_background = background;
    update();
}

void SprayView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (m_background == Background::Checker) {
        for (int y = 0; y < height(); y += 8)
            for (int x = 0; x < width(); x += 8)
                painter.fillRect(x, y, 8, 8,
                                 ((x + y) / 8) % 2 ? QColor(204, 204, 204) : QColor(255, 255, 255));
    } else {
        painter.fillRect(rect(), m_background == Background::LightWall ? QColor(200, 196, 188)
                                                                       : QColor(58, 56, 53));
    }
    if (m_spray.isNull())
        return;
    // 1x and 2x side by side, pixels sharp, as large as the view allows.
    const QSize one = m_spray.size();
    const int gap = 8;
    const double fit =
        std::min(1.0, std::min(static_cast<double>(width() - 3 * gap) / (3.0 * one.width()),
                               static_cast<double>(height() - 2 * gap) / (2.0 * one.height())));
    const QSizeF first(one.width() * fit, one.height() * fit);
    painter.drawImage(QRectF(QPointF(gap, gap), first), m_spray);
    painter.drawImage(QRectF(QPointF(2 * gap + first.width(), gap), first * 2), m_spray);
}

}  // namespace velmira
