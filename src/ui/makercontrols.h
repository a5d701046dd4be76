#pragma once

#include <QCoreApplication>
#include <QRgb>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <vector>

class QCheckBox;
class QComboBox;
class QPushButton;
class QSlider;
class QSpinBox;

namespace velmira {

// The steps of the zoom slider, from the smallest zoom to the largest.
constexpr int kZoomSteps = 1000;

// The spray maker's choices as controls: framing, size, see-through and colour, each in its
// group with its labels and texts (in the language in force). What a choice does is the maker
// window's.
class MakerControls : public QWidget {
    // The texts are the maker window's, as they were before the controls had a unit of their
    // own: one context for the translators.
    Q_DECLARE_TR_FUNCTIONS(velmira::MakerDialog)
  public:
    explicit MakerControls(QWidget* parent = nullptr);

    QSlider* zoom = nullptr;
    QPushButton* fit = nullptr;
    QPushButton* fill = nullptr;
    QPushButton* rotate = nullptr;
    QPushButton* mirror = nullptr;
    QComboBox* around = nullptr;
    QComboBox* size = nullptr;
    QSpinBox* width = nullptr;
    QSpinBox* height = nullptr;
    QCheckBox* enlarge = nullptr;
    QComboBox* seeThrough = nullptr;
    QSlider* cutoff = nullptr;
    QPushButton* pick = nullptr;
    QPushButton* key = nullptr;
    QSlider* tolerance = nullptr;
    QCheckBox* fringe = nullptr;
    QComboBox* scaling = nullptr;
    QCheckBox* dither = nullptr;
    QCheckBox* oneColour = nullptr;
    QPushButton* ink = nullptr;

  protected:
    // A new language: every text of the controls is set anew.
    void changeEvent(QEvent* event) override;

  private:
    // Sets a text now, and again at each change of language.
    template <class Set>
    void translated(Set set) {
        set();
        m_texts.emplace_back(std::move(set));
    }
    std::vector<std::function<void()>> m_texts;
};

// Shows a colour on a button, and says it in its tooltip and to a screen reader.
void setSwatch(QPushButton* button, QRgb colour);

// A list's rows, made at the first call and named anew at the next.
void setItemTexts(QComboBox* combo, const QStringList& texts);

}  // namespace velmira
