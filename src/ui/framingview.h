#pragma once

#include "spray/maker.h"

#include <QWidget>

#include <memory>

namespace velmira {

// The picture under the spray's frame: dragged to move it, the wheel to zoom, the arrow keys
// to move it by one spray pixel (ten with Shift). In picking mode a click picks a colour.
class FramingView : public QWidget {
    Q_OBJECT
  public:
    explicit FramingView(QWidget* parent = nullptr);
    void setSource(std::shared_ptr<const spray::MakerSource> source);
    void setChoices(const spray::MakerChoices& choices, QSize spray);
    void setPicking(bool picking);
    QSize sizeHint() const override { return QSize(320, 280); }

  signals:
    // The picture point under the frame's centre moved by this much (picture pixels).
    void moved(QPointF delta);
    // The wheel turned: steps up (positive) or down.
    void zoomed(int steps);
    void picked(QRgb colour);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    // The tooltip and the name a screen reader says, in the language in force.
    void retranslate();
    // View pixels per spray pixel, and the transform from picture pixels to the view.
    double viewScale() const;
    QTransform pictureToView() const;

    std::shared_ptr<const spray::MakerSource> m_source;
    spray::MakerChoices m_choices;
    QSize m_spray;
    bool m_picking = false;
    QPoint m_last;
};

}  // namespace velmira
