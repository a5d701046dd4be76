#include "makerdialog.h"

#include "core/prompts.h"
#include "core/windows.h"
#include "library/maker.h"
#include "library/preview.h"
#include "ui/keys.h"
#include "ui/makercontrols.h"
#include "ui/palettecolours.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFileInfo>
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

    // After the view's controls: Tab goes down the view, then down the choices.
    m_panel = new MakerControls(this);
    m_zoom = m_panel->zoom;
    m_around = m_panel->around;
    m_size = m_panel->size;
    m_width = m_panel->width;
    m_height = m_panel->height;
    m_enlarge = m_panel->enlarge;
    m_seeThrough = m_panel->seeThrough;
    m_cutoff = m_panel->cutoff;
    m_pick = m_panel->pick;
    m_key = m_panel->key;
    m_tolerance = m_panel->tolerance;
    m_fringe = m_panel->fringe;
    m_scaling = m_panel->scaling;
    m_dither = m_panel->dither;
    m_oneColour = m_panel->oneColour;
    m_ink = m_panel->ink;
    m_tolerance->setValue(m_choices.tolerance);
    setSwatch(m_ink, m_choices.ink);

    auto* box = new QDialogButtonBox(this);
    m_save = box->addButton(QString(), QDialogButtonBox::AcceptRole);
    translated([=] { m_save->setText(tr("&Save")); });
    m_save->setObjectName(QStringLiteral("save"));
    m_save->setDefault(true);
    m_save->setEnabled(false);
    QPushButton* cancel = box->addButton(QDialogButtonBox::Cancel);
    cancel->setObjectName(QStringLiteral("cancel"));
    // Without the access key some desktops give it ("&Cancel"): C is the cut-off's. Escape
    // cancels.
    translated([=] { cancel->setText(tr("Cancel")); });
    // Save stays the default while the focus is on a field; a focused button takes Enter.
    enterPressesFocusedButton(this);

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
    columns->addWidget(m_panel);
    auto* whole = new QVBoxLayout(this);
    whole->addLayout(columns);
    whole->addWidget(box);
    m_framing->setFocus();
    changed();

    connect(box, &QDialogButtonBox::accepted, this, [this] { save(); });
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_zoom, &QSlider::valueChanged, this,
            [this](int value) { setZoom(zoomOfSlider(value)); });
    connect(m_panel->fit, &QPushButton::clicked, this, [this] { fit(); });
    connect(m_panel->fill, &QPushButton::clicked, this, [this] { fill(); });
    connect(m_panel->rotate, &QPushButton::clicked, this, [this] {
        m_choices.quarterTurns = (m_choices.quarterTurns + 1) % 4;
        fit();
    });
    connect(m_panel->mirror, &QPushButton::clicked, this, [this] {
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
    showWarningColour();
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

void MakerDialog::showWarningColour() {
    // An error in the problem colour of the theme in force; warnings in its plain text colour.
    const bool error = m_made && !m_made->error.isEmpty();
    m_warnings->setPalette(error ? problemPalette(palette()) : palette());
}

void MakerDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        for (const auto& text : m_texts)
            text();
        showFacts();
        // The made spray's warnings are worded as it was made: it is made again in this language.
        if (m_made && (!m_made->warnings.isEmpty() || !m_made->error.isEmpty()))
            changed();
    }
    if (event->type() == QEvent::PaletteChange)
        showWarningColour();
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
