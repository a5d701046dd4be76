#pragma once

#include "game/spraycheck.h"

#include <QWidget>

#include <map>

class QGridLayout;
class QLabel;
class QPushButton;

namespace velmira {

// Below the check window's grid: the chosen mod's checks in full sentences, a problem's fix
// button beside it. The sentences can be selected and copied.
class CheckDetails : public QWidget {
    Q_OBJECT
  public:
    explicit CheckDetails(QWidget* parent = nullptr);

    // The buttons of the fixes, made once; each is shown beside the problem that offers it.
    void setFixButtons(const std::map<SprayFix, QPushButton*>& buttons);
    // Shows `check` (null: nothing chosen).
    void show(const ModSprayCheck* check);

  private:
    QGridLayout* m_grid = nullptr;
    QLabel* m_heading = nullptr;
    std::map<SprayFix, QPushButton*> m_buttons;
};

}  // namespace velmira
