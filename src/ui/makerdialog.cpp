#include "makerdialog.h"

#include "core/prompts.h"
#include "core/windows.h"
#include "library/maker.h"
#include "library/preview.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace velmira {

namespace {
constexpr int kZoomSteps = 1000;

QString colourText(QRgb colour) {
    return QColor(colour).name();
}

void setSwatch(QPushButton* button, QRgb colour) {
    QPixmap swatch(14, 14);
    swatch.fill(QColor(colour));
    button->setIcon(QIcon(swatch));
    button->setToolTip(colourText(colour));
}
// A label for a form row, its access key moving the focus to the field.
QLabel* labelFor(QWidget* field) {
    auto* label = new QLabel(field->parentWidget());
    label->setBuddy(field);
    return label;
}

// A list's rows, made at the first call and named anew at the next.
void setItemTexts(QComboBox* combo, const QStringList& texts) {
    if (combo->count() == 0) {
        combo->addItems(texts);
        return;
    }
    for (int row = 0; row < texts.size() && row < combo->count(); ++row)
        combo->setItemText(row, texts.at(row));
}
}  // namespace

// The dialog --------------------------------------------------------------------------------------

MakerDialog::MakerDialog(const QString& picturePath, const QString& folder, Prompts& prompts,
                         LoadedWindows& windows, std::function<void(const QString&)> saved,
                         QWidget* parent)
    : QDialog(parent),
      m_picturePath(picturePath),
      m_folder(folder),
      m_prompts(prompts),
      m_windows(windows),
      m_saved(std::move(saved)) {
    setObjectName(QStringLiteral("frmMaker"));
    translated([this, name = QFileInfo(picturePath).fileName()] {
        setWindowTitle(tr("Make Spray - %1").arg(name));
    });
    m_pool.setMaxThreadCount(1);
    buildControls();
    m_windows.loaded(this);
    // The picture is read off the window's thread; the window shows at once.
    const quint64 generation = ++m_latest;
    const QString path = picturePath;
    m_pool.start([this, path, generation] {
        QString error;
        auto source = loadMakerSource(path, &error,
                                      [this, generation] { return m_latest.load() != generation; });
        QMetaObject::invokeMethod(
            this, [this, source, error] { sourceLoaded(source, error); }, Qt::QueuedConnection);
    });
}

MakerDialog::~MakerDialog() {
    ++m_latest;  // whatever runs stops at its next check
    m_pool.clear();
    m_pool.waitForDone();
    m_windows.unloaded(this);
}

void MakerDialog::buildControls() {
    m_framing = new FramingView(this);
    m_framing->setObjectName(QStringLiteral("framing"));
    m_sprayView = new SprayView(this);
    m_sprayView->setObjectName(QStringLiteral("sprayView"));

    // Framing.
    auto* framingBox = new QGroupBox(this);
    translated([=] { framingBox->setTitle(tr("Framing")); });
    auto* framingForm = new QFormLayout(framingBox);
    m_zoom = new QSlider(Qt::Horizontal, framingBox);
    m_zoom->setObjectName(QStringLiteral("zoom"));
    m_zoom->setRange(0, kZoomSteps);
    translated([=] { m_zoom->setAccessibleName(tr("Zoom")); });
    QLabel* zoomLabel = labelFor(m_zoom);
    framingForm->addRow(zoomLabel, m_zoom);
    translated([=] { zoomLabel->setText(tr("&Zoom:")); });
    auto* buttons = new QHBoxLayout;
    auto* fitButton = new QPushButton(framingBox);
    translated([=] { fitButton->setText(tr("F&it")); });
    translated([=] { fitButton->setToolTip(tr("The whole picture inside the frame")); });
    auto* fillButton = new QPushButton(framingBox);
    translated([=] { fillButton->setText(tr("Fi&ll")); });
    translated([=] { fillButton->setToolTip(tr("The frame covered by the picture")); });
    auto* rotate = new QPushButton(framingBox);
    translated([=] { rotate->setText(tr("&Rotate 90°")); });
    auto* mirror = new QPushButton(framingBox);
    translated([=] { mirror->setText(tr("&Mirror")); });
    for (QPushButton* button : {fitButton, fillButton, rotate, mirror}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    fitButton->setObjectName(QStringLiteral("fit"));
    fillButton->setObjectName(QStringLiteral("fill"));
    rotate->setObjectName(QStringLiteral("rotate"));
    mirror->setObjectName(QStringLiteral("mirror"));
    framingForm->addRow(buttons);
    m_around = new QComboBox(framingBox);
    m_around->setObjectName(QStringLiteral("around"));
    translated([=] { setItemTexts(m_around, {tr("See-through"), tr("A colour…")}); });
    QLabel* aroundLabel = labelFor(m_around);
    framingForm->addRow(aroundLabel, m_around);
    translated([=] { aroundLabel->setText(tr("&Around the picture:")); });

    // Size.
    auto* sizeBox = new QGroupBox(this);
    translated([=] { sizeBox->setTitle(tr("Size")); });
    auto* sizeForm = new QFormLayout(sizeBox);
    m_size = new QComboBox(sizeBox);
    m_size->setObjectName(QStringLiteral("size"));
    translated([=] {
        setItemTexts(m_size, {tr("Largest the game takes"), tr("Classic"),
                              tr("Every server (64 × 64 at most)"), tr("Chosen freely")});
    });
    QLabel* sizeLabel = labelFor(m_size);
    sizeForm->addRow(sizeLabel, m_size);
    translated([=] { sizeLabel->setText(tr("&Size:")); });
    auto* freeRow = new QHBoxLayout;
    m_width = new QSpinBox(sizeBox);
    m_height = new QSpinBox(sizeBox);
    for (QSpinBox* box : {m_width, m_height}) {
        box->setRange(spray::kSprayGrain, spray::kSprayMaxSide);
        box->setSingleStep(spray::kSprayGrain);
        box->setValue(112);
        box->setEnabled(false);
        freeRow->addWidget(box);
    }
    m_width->setObjectName(QStringLiteral("width"));
    m_height->setObjectName(QStringLiteral("height"));
    translated([=] { m_width->setAccessibleName(tr("Width")); });
    translated([=] { m_height->setAccessibleName(tr("Height")); });
    auto* freeLabel = new QLabel(sizeBox);
    translated([=] { freeLabel->setText(tr("&Width × height:")); });
    freeLabel->setBuddy(m_width);
    sizeForm->addRow(freeLabel, freeRow);
    m_enlarge = new QCheckBox(sizeBox);
    translated([=] { m_enlarge->setText(tr("&Enlarge small pictures")); });
    m_enlarge->setObjectName(QStringLiteral("enlarge"));
    sizeForm->addRow(m_enlarge);

    // See-through.
    auto* seeBox = new QGroupBox(this);
    translated([=] { seeBox->setTitle(tr("See-through")); });
    auto* seeForm = new QFormLayout(seeBox);
    m_seeThrough = new QComboBox(seeBox);
    m_seeThrough->setObjectName(QStringLiteral("seeThrough"));
    translated([=] {
        setItemTexts(m_seeThrough,
                     {tr("None (solid)"), tr("The picture's own transparency"),
                      tr("A colour, everywhere"), tr("A colour, where it touches the edge")});
    });
    QLabel* seeThroughLabel = labelFor(m_seeThrough);
    seeForm->addRow(seeThroughLabel, m_seeThrough);
    translated([=] { seeThroughLabel->setText(tr("&What:")); });
    m_cutoff = new QSlider(Qt::Horizontal, seeBox);
    m_cutoff->setObjectName(QStringLiteral("cutoff"));
    m_cutoff->setRange(1, 100);
    m_cutoff->setValue(50);
    translated([=] { m_cutoff->setAccessibleName(tr("Cut-off")); });
    QLabel* cutoffLabel = labelFor(m_cutoff);
    seeForm->addRow(cutoffLabel, m_cutoff);
    translated([=] { cutoffLabel->setText(tr("&Cut-off:")); });
    auto* colourRow = new QHBoxLayout;
    m_pick = new QPushButton(seeBox);
    translated([=] { m_pick->setText(tr("&Pick from the picture")); });
    m_pick->setObjectName(QStringLiteral("pick"));
    m_pick->setCheckable(true);
    m_pick->setAutoDefault(false);
    m_key = new QPushButton(seeBox);
    translated([=] { m_key->setText(tr("C&olour…")); });
    m_key->setObjectName(QStringLiteral("key"));
    m_key->setAutoDefault(false);
    colourRow->addWidget(m_pick);
    colourRow->addWidget(m_key);
    seeForm->addRow(colourRow);
    m_tolerance = new QSlider(Qt::Horizontal, seeBox);
    m_tolerance->setObjectName(QStringLiteral("tolerance"));
    m_tolerance->setRange(0, 128);
    m_tolerance->setValue(m_choices.tolerance);
    translated([=] { m_tolerance->setAccessibleName(tr("Tolerance")); });
    QLabel* toleranceLabel = labelFor(m_tolerance);
    seeForm->addRow(toleranceLabel, m_tolerance);
    translated([=] { toleranceLabel->setText(tr("&Tolerance:")); });
    m_fringe = new QCheckBox(seeBox);
    translated([=] { m_fringe->setText(tr("Remove the coloured &fringe")); });
    m_fringe->setObjectName(QStringLiteral("fringe"));
    seeForm->addRow(m_fringe);

    // Colour.
    auto* colourBox = new QGroupBox(this);
    translated([=] { colourBox->setTitle(tr("Colour")); });
    auto* colourForm = new QFormLayout(colourBox);
    m_scaling = new QComboBox(colourBox);
    m_scaling->setObjectName(QStringLiteral("scaling"));
    translated([=] { setItemTexts(m_scaling, {tr("Smooth"), tr("Sharp (pixel art)")}); });
    QLabel* scalingLabel = labelFor(m_scaling);
    colourForm->addRow(scalingLabel, m_scaling);
    translated([=] { scalingLabel->setText(tr("Scali&ng:")); });
    m_dither = new QCheckBox(colourBox);
    translated([=] { m_dither->setText(tr("&Dither")); });
    m_dither->setObjectName(QStringLiteral("dither"));
    m_dither->setChecked(true);
    colourForm->addRow(m_dither);
    auto* inkRow = new QHBoxLayout;
    m_oneColour = new QCheckBox(colourBox);
    translated([=] { m_oneColour->setText(tr("One-colour &logo")); });
    m_oneColour->setObjectName(QStringLiteral("oneColour"));
    m_ink = new QPushButton(colourBox);
    translated([=] { m_ink->setText(tr("In&k…")); });
    m_ink->setObjectName(QStringLiteral("ink"));
    m_ink->setAutoDefault(false);
    setSwatch(m_ink, m_choices.ink);
    inkRow->addWidget(m_oneColour);
    inkRow->addWidget(m_ink);
    colourForm->addRow(inkRow);

    // The game's view.
    m_background = new QComboBox(this);
    m_background->setObjectName(QStringLiteral("background"));
    translated([=] {
        setItemTexts(m_background, {tr("Checker"), tr("Light wall"), tr("Dark wall")});
    });
    auto* backgroundLabel = new QLabel(this);
    translated([=] { backgroundLabel->setText(tr("&Background:")); });
    backgroundLabel->setBuddy(m_background);
    m_facts = new QLabel(this);
    m_facts->setObjectName(QStringLiteral("facts"));
    m_facts->setTextFormat(Qt::PlainText);
    m_warnings = new QLabel(this);
    m_warnings->setObjectName(QStringLiteral("warnings"));
    m_warnings->setTextFormat(Qt::PlainText);
    m_warnings->setWordWrap(true);

    auto* box = new QDialogButtonBox(this);
    m_save = box->addButton(QString(), QDialogButtonBox::AcceptRole);
    translated([=] { m_save->setText(tr("&Save")); });
    m_save->setObjectName(QStringLiteral("save"));
    m_save->setDefault(true);
    m_save->setEnabled(false);
    QPushButton* cancel = box->addButton(QDialogButtonBox::Cancel);
    cancel->setObjectName(QStringLiteral("cancel"));
    cancel->setAutoDefault(false);

    auto* controls = new QVBoxLayout;
    for (QWidget* group : {static_cast<QWidget*>(framingBox), static_cast<QWidget*>(sizeBox),
                           static_cast<QWidget*>(seeBox), static_cast<QWidget*>(colourBox)})
        controls->addWidget(group);
    controls->addStretch();
    auto* view = new QVBoxLayout;
    view->addWidget(m_framing, 1);
    auto* backgroundRow = new QHBoxLayout;
    backgroundRow->addWidget(backgroundLabel);
    backgroundRow->addWidget(m_background);
    backgroundRow->addStretch();
    view->addWidget(m_sprayView, 1);
    view->addLayout(backgroundRow);
    view->addWidget(m_facts);
    view->addWidget(m_warnings);
    auto* columns = new QHBoxLayout;
    columns->addLayout(view, 1);
    columns->addLayout(controls);
    auto* whole = new QVBoxLayout(this);
    whole->addLayout(columns);
    whole->addWidget(box);
    m_framing->setFocus();
    changed();

    connect(box, &QDialogButtonBox::accepted, this, [this] { save(); });
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_zoom, &QSlider::valueChanged, this,
            [this](int value) { setZoom(zoomOfSlider(value)); });
    connect(fitButton, &QPushButton::clicked, this, [this] { fit(); });
    connect(fillButton, &QPushButton::clicked, this, [this] { fill(); });
    connect(rotate, &QPushButton::clicked, this, [this] {
        m_choices.quarterTurns = (m_choices.quarterTurns + 1) % 4;
        fit();
    });
    connect(mirror, &QPushButton::clicked, this, [this] {
        m_choices.mirrored = !m_choices.mirrored;
        changed();
    });
    connect(m_around, &QComboBox::activated, this, [this](int index) {
        if (index == 1) {
            const QColor colour =
                QColorDialog::getColor(QColor(m_choices.fill.value_or(qRgb(255, 255, 255))), this,
                                       tr("Colour around the picture"));
            if (colour.isValid())
                m_choices.fill = colour.rgb();
            else if (!m_choices.fill)
                m_around->setCurrentIndex(0);
        } else {
            m_choices.fill.reset();
        }
        changed();
    });
    connect(m_size, &QComboBox::activated, this, [this] { sizeChanged(); });
    for (QSpinBox* spin : {m_width, m_height})
        connect(spin, &QSpinBox::editingFinished, this, [this] { sizeChanged(); });
    connect(m_enlarge, &QCheckBox::toggled, this, [this] { sizeChanged(); });
    connect(m_seeThrough, &QComboBox::activated, this, [this](int index) {
        m_choices.seeThrough = static_cast<spray::SeeThrough>(index);
        // A colour kind with no colour chosen yet starts from the picture's top-left corner,
        // most often its background.
        const bool keyed = m_choices.seeThrough == spray::SeeThrough::Colour ||
                           m_choices.seeThrough == spray::SeeThrough::ColourFromEdge;
        if (keyed && !m_keyChosen && m_source) {
            useKey(m_source->full().pixel(0, 0));
            return;
        }
        changed();
    });
    connect(m_cutoff, &QSlider::valueChanged, this, [this](int percent) {
        m_choices.alphaCutoff = std::clamp(percent * 255 / 100, 1, 255);
        changed();
    });
    connect(m_pick, &QPushButton::toggled, m_framing, &FramingView::setPicking);
    connect(m_framing, &FramingView::picked, this, [this](QRgb colour) {
        m_pick->setChecked(false);
        useKey(colour);
    });
    connect(m_key, &QPushButton::clicked, this, [this] {
        const QColor colour =
            QColorDialog::getColor(QColor(m_choices.key), this, tr("See-through colour"));
        if (colour.isValid())
            useKey(colour.rgb());
    });
    connect(m_tolerance, &QSlider::valueChanged, this, [this](int value) {
        m_choices.tolerance = value;
        changed();
    });
    connect(m_fringe, &QCheckBox::toggled, this, [this](bool on) {
        m_choices.removeFringe = on;
        changed();
    });
    connect(m_scaling, &QComboBox::activated, this, [this](int index) {
        m_choices.sharp = index == 1;
        changed();
    });
    connect(m_dither, &QCheckBox::toggled, this, [this](bool on) {
        m_choices.dither = on;
        changed();
    });
    connect(m_oneColour, &QCheckBox::toggled, this, [this](bool on) {
        m_choices.oneColour = on;
        changed();
    });
    connect(m_ink, &QPushButton::clicked, this, [this] {
        const QColor colour =
            QColorDialog::getColor(QColor(m_choices.ink), this, tr("Logo colour"));
        if (!colour.isValid())
            return;
        m_choices.ink = colour.rgb();
        setSwatch(m_ink, m_choices.ink);
        m_oneColour->setChecked(true);
        changed();
    });
    connect(m_background, &QComboBox::activated, this, [this](int index) {
        m_sprayView->setBackground(static_cast<SprayView::Background>(index));
    });
    connect(m_framing, &FramingView::moved, this, [this](QPointF delta) {
        m_choices.centre += delta;
        changed();
    });
    connect(m_framing, &FramingView::zoomed, this,
            [this](int steps) { setZoom(m_choices.zoom * std::pow(1.1, steps)); });
}

void MakerDialog::useKey(QRgb colour) {
    // A colour picked or chosen is see-through from the edge, unless it already counts
    // everywhere.
    m_choices.key = qRgb(qRed(colour), qGreen(colour), qBlue(colour));
    m_keyChosen = true;
    setSwatch(m_key, m_choices.key);
    if (m_choices.seeThrough != spray::SeeThrough::Colour)
        m_choices.seeThrough = spray::SeeThrough::ColourFromEdge;
    m_seeThrough->setCurrentIndex(static_cast<int>(m_choices.seeThrough));
    changed();
}

void MakerDialog::sourceLoaded(std::shared_ptr<const spray::MakerSource> source,
                               const QString& error) {
    if (!source) {
        if (error != kCancelledText)
            m_prompts.show(Message{tr("Cannot make a spray of %1\r%2").arg(m_picturePath, error),
                                   tr("Make Spray"), Message::Icon::Critical,
                                   Message::Buttons::Ok});
        reject();
        return;
    }
    m_source = std::move(source);
    m_framing->setSource(m_source);
    // The default is the picture's own transparency where it has any.
    m_choices.seeThrough =
        m_source->hasAlpha() ? spray::SeeThrough::OwnAlpha : spray::SeeThrough::None;
    m_seeThrough->setCurrentIndex(static_cast<int>(m_choices.seeThrough));
    fit();
}

QSize MakerDialog::spraySize() const {
    if (!m_source)
        return QSize();
    return spray::makerSpraySize(m_choices,
                                 spray::turnedSize(m_source->size(), m_choices.quarterTurns));
}

void MakerDialog::chooseSize(spray::SizeChoice size) {
    m_size->setCurrentIndex(static_cast<int>(size));
    sizeChanged();
}

void MakerDialog::sizeChanged() {
    m_choices.size = static_cast<spray::SizeChoice>(m_size->currentIndex());
    const bool free = m_choices.size == spray::SizeChoice::Free;
    m_width->setEnabled(free);
    m_height->setEnabled(free);
    m_choices.freeSize = QSize(m_width->value(), m_height->value());
    m_choices.enlarge = m_enlarge->isChecked();
    fit();
}

double MakerDialog::zoomOfSlider(int value) const {
    if (!m_source)
        return 1.0;
    const QSize turned = spray::turnedSize(m_source->size(), m_choices.quarterTurns);
    const double smallest = spray::fitZoom(turned, spraySize(), true) / 4.0;
    // A very thin picture may need more than its own size to show at all.
    const double largest = std::max(m_choices.enlarge ? std::max(8.0, smallest * 4.0) : 1.0,
                                    spray::fitZoom(turned, spraySize(), m_choices.enlarge));
    if (largest <= smallest)
        return largest;
    return smallest * std::pow(largest / smallest, static_cast<double>(value) / kZoomSteps);
}

int MakerDialog::sliderOfZoom(double zoom) const {
    const double smallest = zoomOfSlider(0);
    const double largest = zoomOfSlider(kZoomSteps);
    if (largest <= smallest || zoom <= smallest)
        return 0;
    return static_cast<int>(
        std::lround(kZoomSteps * std::log(zoom / smallest) / std::log(largest / smallest)));
}

void MakerDialog::setZoom(double zoom) {
    m_choices.zoom = std::clamp(zoom, zoomOfSlider(0), zoomOfSlider(kZoomSteps));
    const QSignalBlocker blocker(m_zoom);
    m_zoom->setValue(sliderOfZoom(m_choices.zoom));
    changed();
}

void MakerDialog::fit() {
    if (!m_source)
        return;
    const QSize turned = spray::turnedSize(m_source->size(), m_choices.quarterTurns);
    m_choices.centre = QPointF(m_source->size().width() / 2.0, m_source->size().height() / 2.0);
    setZoom(spray::fitZoom(turned, spraySize(), m_choices.enlarge));
}

void MakerDialog::fill() {
    if (!m_source)
        return;
    const QSize turned = spray::turnedSize(m_source->size(), m_choices.quarterTurns);
    setZoom(spray::fillZoom(turned, spraySize(), m_choices.enlarge));
}

void MakerDialog::changed() {
    // Only the controls of the chosen kind of see-through and colour take input.
    const bool keyed = m_choices.seeThrough == spray::SeeThrough::Colour ||
                       m_choices.seeThrough == spray::SeeThrough::ColourFromEdge;
    m_cutoff->setEnabled(m_choices.seeThrough == spray::SeeThrough::OwnAlpha);
    m_tolerance->setEnabled(keyed);
    m_pick->setEnabled(keyed);
    m_key->setEnabled(keyed);
    if (!keyed)
        m_pick->setChecked(false);
    m_fringe->setEnabled(m_choices.seeThrough != spray::SeeThrough::None);
    m_dither->setEnabled(!m_choices.oneColour);
    if (!m_source)
        return;
    const QSize spray = spraySize();
    // The size boxes show the size in use; they take input only for a size chosen freely.
    if (m_choices.size != spray::SizeChoice::Free) {
        const QSignalBlocker width(m_width);
        const QSignalBlocker height(m_height);
        m_width->setValue(spray.width());
        m_height->setValue(spray.height());
    }
    m_framing->setChoices(m_choices, spray);
    const quint64 generation = ++m_latest;
    // A newer change replaces an older one that has not started.
    m_pool.clear();
    const auto source = m_source;
    const spray::MakerChoices choices = m_choices;
    m_pool.start([this, source, choices, generation] {
        auto made = wad::makeSpray(*source, choices,
                                   [this, generation] { return m_latest.load() != generation; });
        if (!made)
            return;
        auto shown = std::make_shared<const wad::MadeSpray>(std::move(made.value()));
        QMetaObject::invokeMethod(
            this, [this, shown, generation] { showMade(shown, generation); }, Qt::QueuedConnection);
    });
}

void MakerDialog::showMade(std::shared_ptr<const wad::MadeSpray> made, quint64 generation) {
    if (generation != m_latest.load())
        return;
    m_made = std::move(made);
    m_sprayView->setSpray(sprayPictureOfWad(m_made->wad));
    showFacts();
    QStringList lines = m_made->warnings;
    if (!m_made->error.isEmpty())
        lines.prepend(m_made->error);
    m_warnings->setText(lines.join(QLatin1Char('\n')));
    m_warnings->setStyleSheet(m_made->error.isEmpty() ? QString()
                                                      : QStringLiteral("color: #b00020;"));
    m_save->setEnabled(m_made->error.isEmpty());
    emit sprayShown();
}

// The made spray's size, colours and bytes, in the language in force.
void MakerDialog::showFacts() {
    if (!m_made)
        return;
    const spray::IndexedPicture& picture = m_made->spray.picture;
    const QString colours = m_made->spray.oneColour
                                ? tr("one-colour logo")
                                : tr("%n colours", nullptr, int(m_made->colours));
    m_facts->setText(
        tr("%1 × %2 pixels, %3, WAD of %n bytes", nullptr, int(m_made->wad.size()))
            .arg(QString::number(picture.width), QString::number(picture.height), colours));
}

void MakerDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        for (const auto& text : m_texts)
            text();
        showFacts();
    }
    QDialog::changeEvent(event);
}

void MakerDialog::waitForSpray() {
    // A result can start more work (the picture read starts the first spray): until none runs.
    for (int round = 0; round < 20; ++round) {
        m_pool.waitForDone();
        QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
        if (m_pool.activeThreadCount() == 0)
            break;
    }
}

void MakerDialog::save() {
    waitForSpray();
    if (!m_made || !m_made->error.isEmpty())
        return;
    QString reason;
    const QString name = saveMadeSpray(*m_made, m_folder, m_picturePath, &reason);
    if (name.isEmpty()) {
        // Nothing partial is left; the window stays for another try.
        m_prompts.show(Message{tr("Could not save the spray in %1\r%2").arg(m_folder, reason),
                               tr("Make Spray"), Message::Icon::Critical, Message::Buttons::Ok});
        return;
    }
    if (m_saved)
        m_saved(name);
    accept();
}

}  // namespace velmira
