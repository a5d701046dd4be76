#pragma once

#include "core/controls.h"

#include <QProgressBar>

namespace velmira {

// The progress of creating sprays.
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
