#pragma once

#include <QImage>
#include <QWidget>

namespace velmira {

// The spray as the game draws it, at 1x and 2x, over a checker or a wall.
class SprayView : public QWidget {
    Q_OBJECT
  public:
    enum class Background { Checker, LightWall, DarkWall };
    explicit SprayView(QWidget* parent = nullptr);
    void setSpray(const QImage& spray);
    void setBackground(Background background);
    const QImage& spray() const { return m_spray; }
    QSize sizeHint() const override { return QSize(3 * 256 + 24, 2 * 256 + 16); }
    QSize minimumSizeHint() const override { return QSize(280, 200); }

  protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage m_spray;
    Background m_background = Background::Checker;
};

}  // namespace velmira
