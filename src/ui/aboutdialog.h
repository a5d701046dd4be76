#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace velmira {

class ErrorReporter;
class LoadedWindows;

// The version text of the About box: "Version major.minor.revision".
QString aboutVersionText();

// About: the logo, the version, what the program is for, who made it.
class AboutDialog : public QDialog {
    Q_OBJECT
  public:
    AboutDialog(ErrorReporter& errors, LoadedWindows& windows, QWidget* parent = nullptr);
    ~AboutDialog() override;

    void Form_Load();
    void cmdOK_Click();

  private:
    void widenForLongerLines();
    void spaceTallerLines();

    ErrorReporter& m_errors;
    LoadedWindows& m_windows;
    QLabel* m_lblVersion = nullptr;
    QPushButton* m_cmdOK = nullptr;
};

}  // namespace velmira
