#include "makercontrols.h"

#include "spray/maker.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

namespace velmira {

namespace {
// A label for a form row, its access key moving the focus to the field.
QLabel* labelFor(QWidget* field) {
    auto* label = new QLabel(field->parentWidget());
    label->setBuddy(field);
    return label;
}

// What a tooltip says is said to a screen reader too.
void setTip(QWidget* widget, const QString& tip) {
    widget->setToolTip(tip);
    widget->setAccessibleDescription(tip);
}
}  // namespace

void setSwatch(QPushButton* button, QRgb colour) {
    QPixmap swatch(14, 14);
    swatch.fill(QColor(colour));
    button->setIcon(QIcon(swatch));
    setTip(button, QColor(colour).name());
}

void setItemTexts(QComboBox* combo, const QStringList& texts) {
    // The box takes the room of its texts whenever they change (another language), not only
    // those it was first shown with.
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    if (combo->count() == 0) {
        combo->addItems(texts);
        return;
    }
    for (int row = 0; row < texts.size() && row < combo->count(); ++row)
        combo->setItemText(row, texts.at(row));
}

MakerControls::MakerControls(QWidget* parent) : QWidget(parent) {
    // Framing.
    auto* framingBox = new QGroupBox(this);
    translated([=] { framingBox->setTitle(tr("Framing")); });
    auto* framingForm = new QFormLayout(framingBox);
    zoom = new QSlider(Qt::Horizontal, framingBox);
    zoom->setObjectName(QStringLiteral("zoom"));
    zoom->setRange(0, kZoomSteps);
    translated([=] { zoom->setAccessibleName(tr("Zoom")); });
    QLabel* zoomLabel = labelFor(zoom);
    framingForm->addRow(zoomLabel, zoom);
    translated([=] { zoomLabel->setText(tr("&Zoom:")); });
    auto* buttons = new QHBoxLayout;
    fit = new QPushButton(framingBox);
    translated([=] { fit->setText(tr("F&it")); });
    translated([=] { setTip(fit, tr("The whole picture inside the frame")); });
    fill = new QPushButton(framingBox);
    translated([=] { fill->setText(tr("Fi&ll")); });
    translated([=] { setTip(fill, tr("The frame covered by the picture")); });
    rotate = new QPushButton(framingBox);
    translated([=] { rotate->setText(tr("&Rotate 90°")); });
    mirror = new QPushButton(framingBox);
    translated([=] { mirror->setText(tr("&Mirror")); });
    for (QPushButton* button : {fit, fill, rotate, mirror})
        buttons->addWidget(button);
    fit->setObjectName(QStringLiteral("fit"));
    fill->setObjectName(QStringLiteral("fill"));
    rotate->setObjectName(QStringLiteral("rotate"));
    mirror->setObjectName(QStringLiteral("mirror"));
    framingForm->addRow(buttons);
    around = new QComboBox(framingBox);
    around->setObjectName(QStringLiteral("around"));
    translated([=] { setItemTexts(around, {tr("See-through"), tr("A colour…")}); });
    QLabel* aroundLabel = labelFor(around);
    framingForm->addRow(aroundLabel, around);
    translated([=] { aroundLabel->setText(tr("&Around the picture:")); });

    // Size.
    auto* sizeBox = new QGroupBox(this);
    translated([=] { sizeBox->setTitle(tr("Size")); });
    auto* sizeForm = new QFormLayout(sizeBox);
    size = new QComboBox(sizeBox);
    size->setObjectName(QStringLiteral("size"));
    translated([=] {
        setItemTexts(size, {tr("Largest the game takes"), tr("Classic"),
                            tr("Every server (64 × 64 at most)"), tr("Chosen freely")});
    });
    QLabel* sizeLabel = labelFor(size);
    sizeForm->addRow(sizeLabel, size);
    translated([=] { sizeLabel->setText(tr("Siz&e:")); });
    auto* freeRow = new QHBoxLayout;
    width = new QSpinBox(sizeBox);
    height = new QSpinBox(sizeBox);
    for (QSpinBox* box : {width, height}) {
        box->setRange(spray::kSprayGrain, spray::kSprayMaxSide);
        box->setSingleStep(spray::kSprayGrain);
        box->setValue(112);
        box->setEnabled(false);
        freeRow->addWidget(box);
    }
    width->setObjectName(QStringLiteral("width"));
    height->setObjectName(QStringLiteral("height"));
    translated([=] { width->setAccessibleName(tr("Width")); });
    translated([=] { height->setAccessibleName(tr("Height")); });
    auto* freeLabel = new QLabel(sizeBox);
    translated([=] { freeLabel->setText(tr("&Width × height:")); });
    freeLabel->setBuddy(width);
    sizeForm->addRow(freeLabel, freeRow);
    enlarge = new QCheckBox(sizeBox);
    translated([=] { enlarge->setText(tr("Enlar&ge small pictures")); });
    enlarge->setObjectName(QStringLiteral("enlarge"));
    sizeForm->addRow(enlarge);

    // See-through.
    auto* seeBox = new QGroupBox(this);
    translated([=] { seeBox->setTitle(tr("See-through")); });
    auto* seeForm = new QFormLayout(seeBox);
    seeThrough = new QComboBox(seeBox);
    seeThrough->setObjectName(QStringLiteral("seeThrough"));
    translated([=] {
        setItemTexts(seeThrough,
                     {tr("None (solid)"), tr("The picture's own transparency"),
                      tr("A colour, everywhere"), tr("A colour, where it touches the edge")});
    });
    QLabel* seeThroughLabel = labelFor(seeThrough);
    seeForm->addRow(seeThroughLabel, seeThrough);
    translated([=] { seeThroughLabel->setText(tr("W&hat:")); });
    cutoff = new QSlider(Qt::Horizontal, seeBox);
    cutoff->setObjectName(QStringLiteral("cutoff"));
    cutoff->setRange(1, 100);
    cutoff->setValue(50);
    translated([=] { cutoff->setAccessibleName(tr("Cut-off")); });
    QLabel* cutoffLabel = labelFor(cutoff);
    seeForm->addRow(cutoffLabel, cutoff);
    translated([=] { cutoffLabel->setText(tr("&Cut-off:")); });
    auto* colourRow = new QHBoxLayout;
    pick = new QPushButton(seeBox);
    translated([=] { pick->setText(tr("&Pick from the picture")); });
    pick->setObjectName(QStringLiteral("pick"));
    pick->setCheckable(true);
    key = new QPushButton(seeBox);
    translated([=] { key->setText(tr("C&olour…")); });
    key->setObjectName(QStringLiteral("key"));
    colourRow->addWidget(pick);
    colourRow->addWidget(key);
    seeForm->addRow(colourRow);
    tolerance = new QSlider(Qt::Horizontal, seeBox);
    tolerance->setObjectName(QStringLiteral("tolerance"));
    tolerance->setRange(0, 128);
    translated([=] { tolerance->setAccessibleName(tr("Tolerance")); });
    QLabel* toleranceLabel = labelFor(tolerance);
    seeForm->addRow(toleranceLabel, tolerance);
    translated([=] { toleranceLabel->setText(tr("&Tolerance:")); });
    fringe = new QCheckBox(seeBox);
    translated([=] { fringe->setText(tr("Remove the coloured &fringe")); });
    fringe->setObjectName(QStringLiteral("fringe"));
    seeForm->addRow(fringe);

    // Colour.
    auto* colourBox = new QGroupBox(this);
    translated([=] { colourBox->setTitle(tr("Colour")); });
    auto* colourForm = new QFormLayout(colourBox);
    scaling = new QComboBox(colourBox);
    scaling->setObjectName(QStringLiteral("scaling"));
    translated([=] { setItemTexts(scaling, {tr("Smooth"), tr("Sharp (pixel art)")}); });
    QLabel* scalingLabel = labelFor(scaling);
    colourForm->addRow(scalingLabel, scaling);
    translated([=] { scalingLabel->setText(tr("Scali&ng:")); });
    dither = new QCheckBox(colourBox);
    translated([=] { dither->setText(tr("&Dither")); });
    dither->setObjectName(QStringLiteral("dither"));
    dither->setChecked(true);
    colourForm->addRow(dither);
    auto* inkRow = new QHBoxLayout;
    oneColour = new QCheckBox(colourBox);
    translated([=] { oneColour->setText(tr("One-colo&ur logo")); });
    oneColour->setObjectName(QStringLiteral("oneColour"));
    ink = new QPushButton(colourBox);
    translated([=] { ink->setText(tr("In&k…")); });
    ink->setObjectName(QStringLiteral("ink"));
    inkRow->addWidget(oneColour);
    inkRow->addWidget(ink);
    colourForm->addRow(inkRow);

    auto* groups = new QVBoxLayout(this);
    groups->setContentsMargins(0, 0, 0, 0);
    for (QWidget* group : {static_cast<QWidget*>(framingBox), static_cast<QWidget*>(sizeBox),
                           static_cast<QWidget*>(seeBox), static_cast<QWidget*>(colourBox)})
        groups->addWidget(group);
    groups->addStretch();
}

void MakerControls::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        for (const auto& text : m_texts)
            text();
    QWidget::changeEvent(event);
}

}  // namespace velmira
