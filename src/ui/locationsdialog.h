#pragma once

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace velmira {

struct AppState;
struct MainControls;
struct Services;
class LoadedWindows;

// File Locations: the Half-Life folder and the spray folder, typed or pasted.
class LocationsDialog : public QDialog {
    Q_OBJECT
  public:
    LocationsDialog(AppState& state, MainControls& controls, const Services& services,
                    LoadedWindows& windows, QWidget* parent = nullptr);
    ~LocationsDialog() override;

    void Form_Load();
    void cmdOK_Click();
    void cmdCancel_Click();

  private:
    void unloadDialog();

    AppState& m_state;
    MainControls& m_controls;
    const Services& m_services;
    LoadedWindows& m_windows;
    QLineEdit* m_txtHLDir = nullptr;
    QComboBox* m_cboFound = nullptr;
    QLineEdit* m_txtBMPDir = nullptr;
    QPushButton* m_cmdOK = nullptr;
    QPushButton* m_cmdCancel = nullptr;
};

}  // namespace velmira
