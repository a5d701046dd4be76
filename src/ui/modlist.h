#pragma once

#include "core/controls.h"

#include <QImage>
#include <QListWidget>

#include <unordered_map>

namespace velmira {

// The mod list: sorted rows with extended selection and a tag text.
class ModListWidget : public QListWidget, public ModRows {
    Q_OBJECT
  public:
    explicit ModListWidget(QWidget* parent = nullptr);
    void clear() override {
        QListWidget::clear();
        m_pictures.clear();
    }
    void addSorted(const QString& text) override;
    int count() const override { return QListWidget::count(); }
    QString text(int row) const override;
    void setText(int row, const QString& text) override;
    bool isSelected(int row) const override;
    QString tag() const override { return m_tag; }
    void setTag(const QString& tag) override { m_tag = tag; }
    void setHeld(int row, const QImage& picture, const QString& note, bool replaced) override;
    // Whether the row is marked as replaced since Velmira installed its spray.
    bool isMarkedReplaced(int row) const;
    // The tooltip of a mod: what it holds now, in words and as the game draws it.
    QString heldTip(int row) const;

  protected:
    bool viewportEvent(QEvent* event) override;

  private:
    QString m_tag;
    // The spray each row's mod holds, for its tooltip (kept beside the items: a picture in an
    // item's data is compared pixel by pixel whenever it is set).
    std::unordered_map<const QListWidgetItem*, QImage> m_pictures;
};

}  // namespace velmira
