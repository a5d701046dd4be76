#pragma once

#include "game/spraycheck.h"

#include <QDialog>
#include <QThreadPool>

#include <atomic>
#include <functional>
#include <map>
#include <vector>

class QLabel;
class QPushButton;
class QTableWidget;

namespace velmira {

class CheckDetails;
class LoadedWindows;
class Prompts;

// What the check window asks of the rest of the program.
struct SprayCheckActions {
    // The mods to check, as listed now (called on the window's thread).
    std::function<std::vector<SprayCheckInput>()> inputs;
    // Whether the game runs from the game folder now.
    std::function<bool()> gameRunning;
    // Protects the sprays Velmira installed, as "Protect Sprays from the Game" does.
    std::function<void()> protect;
    // Opens the spray maker for the mod's spray with the every-server size chosen, then calls
    // `told` (maybe later: the picture is checked first) with what to tell the player when it
    // cannot (empty: opened).
    std::function<void(const QString& mod, const std::function<void(const QString&)>& told)>
        makeEveryServerSize;
    // Puts text on the clipboard (the report).
    std::function<void(const QString&)> copy;
};

// "Check Sprays...": a row for each mod, a column for each check with its state in a word or
// two; below, the chosen mod's checks in full sentences with the fixes that are safe beside its
// problems. The checks run off the window's thread and run again after each fix.
class CheckSpraysDialog : public QDialog {
    Q_OBJECT
  public:
    CheckSpraysDialog(SprayCheckActions actions, Prompts& prompts, LoadedWindows& windows,
                      QWidget* parent = nullptr);
    ~CheckSpraysDialog() override;

    // Checks every mod again.
    void checkAgain();
    // Until the latest checks are shown (tests and benchmarks).
    void waitForChecks();
    int rowCount() const { return static_cast<int>(m_checks.size()); }
    const ModSprayCheck& checkOf(int row) const { return m_checks.at(static_cast<size_t>(row)); }
    // Applies a fix to the chosen row's mod, says what it did, and checks again.
    void applyFix(SprayFix fix);
    // The report of the checks shown, as Copy Report puts it on the clipboard.
    QString report() const;

  signals:
    // The latest checks are shown.
    void checksShown();

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void retranslate();
    void showChecks(const std::vector<ModSprayCheck>& checks, quint64 generation);
    void updateFixes();
    SprayFix fixOfCell(int row, int column) const;
    void tell(const QString& text);

    SprayCheckActions m_actions;
    Prompts& m_prompts;
    LoadedWindows& m_windows;
    std::vector<SprayCheckInput> m_inputs;
    std::vector<ModSprayCheck> m_checks;
    QString m_told;  // what the last fix did
    QThreadPool m_pool;
    std::atomic<quint64> m_generation{0};
    bool m_checking = false;
    bool m_fixing = false;  // a config file is being changed

    QTableWidget* m_table = nullptr;
    CheckDetails* m_details = nullptr;
    QLabel* m_status = nullptr;
    QLabel* m_server = nullptr;
    std::map<SprayFix, QPushButton*> m_fixButtons;
    QPushButton* m_again = nullptr;
    QPushButton* m_copy = nullptr;
    QPushButton* m_close = nullptr;
};

}  // namespace velmira
