#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

namespace velmira {

// The program's loaded windows, in the order they were loaded; the main window comes first.
class LoadedWindows {
  public:
    void loaded(QWidget* window) { m_windows.append(window); }
    void unloaded(QWidget* window) { m_windows.removeAll(window); }
    int count() const { return static_cast<int>(m_windows.size()); }
    QWidget* at(int index) const { return m_windows.value(index); }

  private:
    QList<QPointer<QWidget>> m_windows;
};

}  // namespace velmira
