#pragma once

#include "core/controls.h"

#include <QComboBox>

#include <functional>

namespace velmira {

// The category list: "<Favorites>" pinned first, the categories sorted after it. A choice by
// the user or a selection from code runs the chosen-handler. Each row shows its category's name
// in the player's language and answers text() with the stored name.
class CategoryCombo : public QComboBox, public CategoryRows {
    Q_OBJECT
  public:
    explicit CategoryCombo(QWidget* parent = nullptr);
    void setChosenHandler(std::function<void()> handler) { m_chosen = std::move(handler); }
    void clear() override;
    void addPinned(const QString& text) override;
    void addSorted(const QString& text) override;
    int count() const override { return QComboBox::count(); }
    int selected() const override { return currentIndex(); }
    void select(int row) override;
    QString text() const override;

  protected:
    void changeEvent(QEvent* event) override;

  private:
    int m_pinned = 0;
    std::function<void()> m_chosen;
};

}  // namespace velmira
