#pragma once

#include "core/controls.h"

#include <QLabel>

namespace velmira {

// Shows a folder or a message as plain text: a folder named like markup shows as it is named.
class FolderLabel : public QLabel, public TextLabel {
    Q_OBJECT
  public:
    explicit FolderLabel(QWidget* parent = nullptr) : QLabel(parent) {
        setTextFormat(Qt::PlainText);
    }
    void setCaption(const QString& text) override;
};

}  // namespace velmira
