#pragma once

#include "spray/maker.h"
#include "ui/framingview.h"
#include "ui/sprayview.h"
#include "wad/compile.h"

#include <QDialog>
#include <QImage>
#include <QThreadPool>
#include <QWidget>

#include <atomic>
#include <functional>
#include <memory>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSlider;
class QSpinBox;

namespace velmira {

class LoadedWindows;
class MakerControls;
class Prompts;

// "Make Spray...": frames a picture into a spray, shows it live as the game will draw it, and
// saves it as an 8-bit bitmap in the chosen category. The work is done off the window's
// thread; a newer change replaces an older one.
class MakerDialog : public QDialog {
    Q_OBJECT
  public:
    // `saved` is told the name a spray was saved under.
    MakerDialog(const QString& picturePath, const QString& folder, Prompts& prompts,
                LoadedWindows& windows, std::function<void(const QString&)> saved,
                QWidget* parent = nullptr);
    ~MakerDialog() override;

    const spray::MakerChoices& choices() const { return m_choices; }
    // The live spray once the worker has made the latest choices (for tests and benchmarks).
    void waitForSpray();
    bool hasSpray() const { return m_made != nullptr; }
    const wad::MadeSpray* made() const { return m_made.get(); }
    void save();
    // Chooses the spray's size, as the size list does.
    void chooseSize(spray::SizeChoice size);

  signals:
    // The live spray was made for the latest choices.
    void sprayShown();

  protected:
    // A new language: every text of the window is set anew.
    void changeEvent(QEvent* event) override;

  private:
    void buildControls();
    void showFacts();
    void showWarningColour();
    // Sets a text now, and again at each change of language.
    template <class Set>
    void translated(Set set) {
        set();
        m_texts.emplace_back(std::move(set));
    }
    void sourceLoaded(std::shared_ptr<const spray::MakerSource> source, const QString& error);
    void sizeChanged();
    void fit();
    void fill();
    void changed();
    void showMade(std::shared_ptr<const wad::MadeSpray> made, quint64 generation);
    void setZoom(double zoom);
    double zoomOfSlider(int value) const;
    int sliderOfZoom(double zoom) const;
    QSize spraySize() const;
    void useKey(QRgb colour);

    QString m_picturePath;
    QString m_folder;
    Prompts& m_prompts;
    LoadedWindows& m_windows;
    std::function<void(const QString&)> m_saved;

    std::shared_ptr<const spray::MakerSource> m_source;
    spray::MakerChoices m_choices;
    std::shared_ptr<const wad::MadeSpray> m_made;
    std::vector<std::function<void()>> m_texts;
    QThreadPool m_pool;
    std::atomic<quint64> m_latest{0};

    MakerControls* m_panel = nullptr;
    FramingView* m_framing = nullptr;
    SprayView* m_sprayView = nullptr;
    QSlider* m_zoom = nullptr;
    QComboBox* m_around = nullptr;
    QComboBox* m_size = nullptr;
    QSpinBox* m_width = nullptr;
    QSpinBox* m_height = nullptr;
    QCheckBox* m_enlarge = nullptr;
    QComboBox* m_seeThrough = nullptr;
    QSlider* m_cutoff = nullptr;
    QPushButton* m_pick = nullptr;
    QPushButton* m_key = nullptr;
    bool m_keyChosen = false;  // a see-through colour was picked or chosen
    QSlider* m_tolerance = nullptr;
    QCheckBox* m_fringe = nullptr;
    QComboBox* m_scaling = nullptr;
    QCheckBox* m_dither = nullptr;
    QCheckBox* m_oneColour = nullptr;
    QPushButton* m_ink = nullptr;
    QComboBox* m_background = nullptr;
    QLabel* m_facts = nullptr;
    QLabel* m_warnings = nullptr;
    QPushButton* m_save = nullptr;
};

}  // namespace velmira
