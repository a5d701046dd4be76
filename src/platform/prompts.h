#pragma once

#include "core/prompts.h"

#include <QString>

class QWidget;

namespace velmira {

// Turns the program's CR line separators into line breaks for display.
QString displayText(const QString& text);

class MessageBoxPrompts : public Prompts {
  public:
    explicit MessageBoxPrompts(QWidget* owner = nullptr) : m_owner(owner) {}
    void setOwner(QWidget* owner) { m_owner = owner; }
    Answer show(const Message& message) override;
    void beep() override;

  private:
    QWidget* m_owner;
};

}  // namespace velmira
