#include "keys.h"

#include <QKeyEvent>
#include <QPushButton>

namespace velmira {

namespace {
// One per window, parented to it, watching each of its push buttons.
class EnterOnButton : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            return false;
        // With a modifier it stays the window's (Ctrl+Enter and the like).
        if (key->modifiers() & ~Qt::KeypadModifier)
            return false;
        auto* button = qobject_cast<QPushButton*>(watched);
        if (!button || !button->hasFocus() || !button->isEnabled())
            return false;
        button->click();
        return true;
    }
};
}  // namespace

void enterPressesFocusedButton(QWidget* window) {
    auto* filter = new EnterOnButton(window);
    for (QPushButton* button : window->findChildren<QPushButton*>())
        button->installEventFilter(filter);
}

}  // namespace velmira
