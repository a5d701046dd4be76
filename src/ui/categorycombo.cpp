#include "categorycombo.h"

#include "core/sorting.h"
#include "library/categories.h"

#include <QEvent>
#include <QSignalBlocker>

namespace velmira {

CategoryCombo::CategoryCombo(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    // Only the user's choice arrives here; code selects through select(), which runs the
    // handler itself.
    connect(this, &QComboBox::activated, this, [this](int) {
        if (m_chosen)
            m_chosen();
    });
}

void CategoryCombo::clear() {
    const QSignalBlocker blocker(this);
    QComboBox::clear();
    m_pinned = 0;
}

void CategoryCombo::addPinned(const QString& text) {
    const QSignalBlocker blocker(this);
    insertItem(m_pinned++, shownCategoryName(text), text);
    setCurrentIndex(-1);
}

void CategoryCombo::addSorted(const QString& text) {
    const QSignalBlocker blocker(this);
    const int row = sortedPosition(m_pinned, count(), text, [this](int r) { return itemText(r); });
    const int current = currentIndex();
    insertItem(row, text);
    setCurrentIndex(current >= row ? current + 1 : current);
}

QString CategoryCombo::text() const {
    // The line can be edited: a name typed over the row's is taken as typed.
    const int row = currentIndex();
    if (row >= 0 && currentText() == itemText(row)) {
        const QVariant stored = itemData(row);
        if (stored.isValid())
            return stored.toString();
    }
    return currentText();
}

void CategoryCombo::changeEvent(QEvent* event) {
    QComboBox::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    const QSignalBlocker blocker(this);
    for (int row = 0; row < m_pinned; ++row)
        setItemText(row, shownCategoryName(itemData(row).toString()));
}

void CategoryCombo::select(int row) {
    {
        const QSignalBlocker blocker(this);
        setCurrentIndex(row);
    }
    if (m_chosen)
        m_chosen();
}

}  // namespace velmira
