#include "seendialog.h"

#include "core/prompts.h"
#include "core/windows.h"
#include "library/preview.h"
#include "library/seensave.h"
#include "platform/files.h"
#include "ui/keys.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QProgressDialog>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace velmira {

namespace {
// What a batch cancelled part way says.
QString stoppedLine(int saved, int count) {
    return QCoreApplication::translate("velmira::SeenDialog",
                                       "Stopped: %n of the %1 were saved, the rest were not.",
                                       nullptr, saved)
        .arg(count);
}
}  // namespace

// The window ---------------------------------------------------------------------------------

SeenDialog::SeenDialog(QString gameFolder, QStringList mods, std::function<QString()> folder,
                       std::function<void(const QString&)> saved, Prompts& prompts,
                       LoadedWindows& windows, QWidget* parent)
    : QDialog(parent),
      m_gameFolder(std::move(gameFolder)),
      m_mods(std::move(mods)),
      m_folder(std::move(folder)),
      m_saved(std::move(saved)),
      m_prompts(prompts),
      m_windows(windows) {
    setObjectName(QStringLiteral("frmSeen"));
    m_pool.setMaxThreadCount(1);
    readCache = [game = m_gameFolder](const QString& mod, const CancelCheck& cancel) {
        return readSeenCache(game, mod, cancel);
    };

    m_modChooser = new QComboBox(this);
    m_modChooser->setObjectName(QStringLiteral("cboSeenMods"));
    m_modChooser->addItem(QString());
    m_modChooser->addItems(m_mods);
    m_modLabel = new QLabel(this);
    m_modLabel->setBuddy(m_modChooser);

    m_model = new SeenSprayModel(this);
    m_grid = new QListView(this);
    m_grid->setObjectName(QStringLiteral("gridSeen"));
    m_grid->setViewMode(QListView::IconMode);
    m_grid->setMovement(QListView::Static);
    m_grid->setResizeMode(QListView::Adjust);
    m_grid->setUniformItemSizes(true);
    m_grid->setIconSize(QSize(SeenSprayModel::kIconSide, SeenSprayModel::kIconSide));
    m_grid->setGridSize(QSize(SeenSprayModel::kIconSide + 24, SeenSprayModel::kIconSide + 32));
    m_grid->setSpacing(4);
    m_grid->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_grid->setModel(m_model);
    m_grid->setMinimumSize(5 * (SeenSprayModel::kIconSide + 24) + 24,
                           3 * (SeenSprayModel::kIconSide + 32) + 8);

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("lblSeenStatus"));
    m_status->setTextFormat(Qt::PlainText);
    m_status->setWordWrap(true);

    auto* box = new QDialogButtonBox(this);
    m_save = box->addButton(QString(), QDialogButtonBox::ActionRole);
    m_save->setObjectName(QStringLiteral("cmdSeenSave"));
    m_save->setDefault(true);
    m_savePicture = box->addButton(QString(), QDialogButtonBox::ActionRole);
    m_savePicture->setObjectName(QStringLiteral("cmdSeenPicture"));
    m_refresh = box->addButton(QString(), QDialogButtonBox::ResetRole);
    m_refresh->setObjectName(QStringLiteral("cmdSeenRefresh"));
    QPushButton* close = box->addButton(QDialogButtonBox::Close);
    // Tab goes along the buttons as they read, Refresh on the left first.
    setTabOrder(m_grid, m_refresh);
    setTabOrder(m_refresh, m_save);
    setTabOrder(m_save, m_savePicture);
    setTabOrder(m_savePicture, close);

    // Save stays the default while the focus is in the grid or the list; a focused button takes
    // Enter.
    enterPressesFocusedButton(this);

    auto* top = new QHBoxLayout;
    top->addWidget(m_modLabel);
    top->addWidget(m_modChooser, 1);
    auto* whole = new QVBoxLayout(this);
    whole->addLayout(top);
    whole->addWidget(m_grid, 1);
    whole->addWidget(m_status);
    whole->addWidget(box);

    connect(m_modChooser, &QComboBox::currentIndexChanged, this, [this] { modChosen(); });
    connect(m_grid, &QListView::doubleClicked, this, [this] { saveToLibrary(); });
    connect(m_save, &QPushButton::clicked, this, [this] { saveToLibrary(); });
    connect(m_savePicture, &QPushButton::clicked, this, [this] { saveAsPicture(); });
    connect(m_refresh, &QPushButton::clicked, this, [this] { refresh(); });
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    connect(m_grid->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { updateButtons(); });

    askPictureTarget = [this](const QString& suggested, bool aFolder) {
        return aFolder
                   ? QFileDialog::getExistingDirectory(this, tr("Save the Pictures in"), suggested)
                   : QFileDialog::getSaveFileName(this, tr("Save as Picture"), suggested,
                                                  tr("PNG pictures (*.png)"));
    };
    retranslateUi();
    m_windows.loaded(this);
    m_grid->setFocus();
    refresh();
}

SeenDialog::~SeenDialog() {
    // The reading stops at its next check, the saving before its next spray (those saved stay);
    // nothing waits for the rest.
    ++m_generation;
    m_stopSaving = true;
    m_pool.waitForDone();
    m_savePool.waitForDone();
    m_windows.unloaded(this);
}

void SeenDialog::refresh() {
    const quint64 generation = ++m_generation;
    m_seen.clear();
    m_problems.clear();
    m_model->setSprays(&m_seen,
                       m_modChooser->currentIndex() > 0 ? m_modChooser->currentText() : QString());
    m_pending = static_cast<int>(m_mods.size());
    m_read = false;
    showStatus();
    updateButtons();
    if (m_mods.isEmpty()) {
        cacheRead(SeenCache{}, generation);
        return;
    }
    // One cache after another, each shown as soon as it is read; a newer reading (Refresh) or
    // the window closing stops this one between caches and within a cache.
    m_pool.start([this, mods = m_mods, read = readCache, generation] {
        const CancelCheck cancel = [this, generation] { return m_generation.load() != generation; };
        for (const QString& mod : mods) {
            if (cancel())
                return;
            SeenCache cache = read(mod, cancel);
            if (cancel())
                return;
            QMetaObject::invokeMethod(
                this,
                [this, cache = std::move(cache), generation] { cacheRead(cache, generation); },
                Qt::QueuedConnection);
        }
    });
}

void SeenDialog::cacheRead(const SeenCache& cache, quint64 generation) {
    if (generation != m_generation.load())
        return;
    --m_pending;
    if (!cache.problem.isEmpty())
        m_problems << cache.mod + QStringLiteral(": ") + cache.problem;
    if (m_seen.add(cache) > 0) {
        m_model->spraysAdded();
        // The first spray is chosen as soon as there is one, the keyboard in the grid.
        if (!m_grid->currentIndex().isValid() && m_model->rowCount() > 0)
            m_grid->setCurrentIndex(m_model->index(0));
    }
    m_read = true;
    showStatus();
    updateButtons();
    emit cacheShown();
}

void SeenDialog::showStatus() {
    if (!m_read) {
        m_status->setText(tr("Reading the caches…"));
        return;
    }
    QString status = m_pending > 0 ? tr("Reading the caches…") + QLatin1Char(' ') : QString();
    if (m_gameFolder.isEmpty())
        status += tr("No game folder yet: set the Half-Life folder in File Locations.");
    else
        status += m_seen.all().empty() ? tr("No sprays seen in games yet: the game keeps those it "
                                            "sees on servers in each mod's custom.hpk.")
                                       : tr("%n sprays seen.", nullptr, int(m_seen.all().size()));
    if (!m_problems.isEmpty())
        status += QLatin1Char('\n') +
                  tr("These caches could not be read (the game may be writing one: press "
                     "Refresh):") +
                  QLatin1Char('\n') + m_problems.join(QLatin1Char('\n'));
    m_status->setText(status);
}

void SeenDialog::retranslateUi() {
    setWindowTitle(tr("Sprays Seen in Games"));
    m_modLabel->setText(tr("&Mod:"));
    m_modChooser->setItemText(0, tr("All mods"));
    m_grid->setAccessibleName(tr("Sprays seen in games"));
    m_save->setText(tr("&Save to Library"));
    m_save->setToolTip(
        tr("Copy the chosen sprays, unchanged, into the category chosen in the main window"));
    m_save->setAccessibleDescription(m_save->toolTip());
    m_savePicture->setText(tr("Save as &Picture…"));
    m_refresh->setText(tr("&Refresh"));
    showStatus();
    if (m_progress) {
        m_progress->setWindowTitle(windowTitle());
        m_progress->setLabelText(m_progressLabel());
        m_progress->setCancelButtonText(tr("Cancel"));
    }
}

void SeenDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QDialog::changeEvent(event);
}

void SeenDialog::modChosen() {
    m_model->setSprays(&m_seen,
                       m_modChooser->currentIndex() > 0 ? m_modChooser->currentText() : QString());
    if (m_model->rowCount() > 0)
        m_grid->setCurrentIndex(m_model->index(0));
    updateButtons();
}

void SeenDialog::updateButtons() {
    const bool any = !saving() && !chosenSprays().isEmpty();
    m_save->setEnabled(any);
    m_savePicture->setEnabled(any);
}

namespace {
// Turns the event loop until `done`, for at most a minute.
void turnUntil(const std::function<bool()>& done) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < 60000)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 10);
}
}  // namespace

void SeenDialog::waitForLoading() {
    turnUntil([this] { return m_pending <= 0; });
    m_model->waitForPictures();
}

void SeenDialog::waitForSaving() {
    turnUntil([this] { return !saving(); });
}

int SeenDialog::shownCount() const {
    return m_model->rowCount();
}

QList<const SeenSpray*> SeenDialog::chosenSprays() const {
    QList<const SeenSpray*> sprays;
    if (!m_grid->selectionModel())
        return sprays;
    QModelIndexList rows = m_grid->selectionModel()->selectedIndexes();
    std::sort(rows.begin(), rows.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    for (const QModelIndex& row : rows)
        if (const SeenSpray* spray = m_model->sprayAt(row.row()))
            sprays << spray;
    if (sprays.isEmpty())
        if (const SeenSpray* current = m_model->sprayAt(m_grid->currentIndex().row()))
            sprays << current;
    return sprays;
}

const SeenSpray* SeenDialog::chosen() const {
    return chosenSprays().value(0);
}

std::vector<SeenSpray> SeenDialog::chosenCopies() const {
    std::vector<SeenSpray> sprays;
    for (const SeenSpray* spray : chosenSprays())
        sprays.push_back(*spray);
    return sprays;
}

void SeenDialog::startSaving(int count, std::function<QString()> label, SaveWork work,
                             std::function<void(const SeenSaveOutcome&)> done) {
    m_stopSaving = false;
    m_progressLabel = std::move(label);
    m_progress = new QProgressDialog(m_progressLabel(), tr("Cancel"), 0, count, this);
    m_progress->setObjectName(QStringLiteral("dlgSeenSaving"));
    m_progress->setWindowTitle(windowTitle());
    // Not modal: a modal one would turn the event loop inside each step it is shown, and the
    // window stays usable meanwhile (one batch at a time; closing it stops the batch).
    m_progress->setAutoClose(false);
    m_progress->setAutoReset(false);
    m_progress->setMinimumDuration(400);
    connect(m_progress, &QProgressDialog::canceled, this, [this] { m_stopSaving = true; });
    updateButtons();
    const auto progress = [this](int saved) {
        QMetaObject::invokeMethod(
            this,
            [this, saved] {
                if (m_progress)
                    m_progress->setValue(saved);
            },
            Qt::QueuedConnection);
    };
    m_savePool.start([this, work = std::move(work), done = std::move(done), progress] {
        const SeenSaveOutcome outcome = work([this] { return m_stopSaving.load(); }, progress);
        QMetaObject::invokeMethod(
            this, [this, outcome, done] { savingFinished(outcome, done); }, Qt::QueuedConnection);
    });
}

void SeenDialog::savingFinished(const SeenSaveOutcome& outcome,
                                const std::function<void(const SeenSaveOutcome&)>& done) {
    delete m_progress;
    m_progress = nullptr;
    updateButtons();
    done(outcome);
    emit savingDone();
}

void SeenDialog::saveToLibrary() {
    if (saving())
        return;
    std::vector<SeenSpray> sprays = chosenCopies();
    const QString folder = m_folder ? m_folder() : QString();
    if (sprays.empty())
        return;
    if (!folderExists(folder)) {
        m_prompts.show(Message{tr("Set your spray folder first: kept sprays are copied into it."),
                               windowTitle(), Message::Icon::Critical, Message::Buttons::Ok});
        return;
    }
    const int count = static_cast<int>(sprays.size());
    startSaving(
        count,
        [count, folder] { return tr("Saving %n sprays in %1…", nullptr, count).arg(folder); },
        [sprays = std::move(sprays), folder](const CancelCheck& cancel,
                                             const std::function<void(int)>& progress) {
            return saveSeenSprays(sprays, folder, SeenSaveAs::Spray, cancel, progress);
        },
        [this, folder, count](const SeenSaveOutcome& outcome) {
            if (!outcome.last.isEmpty() && m_saved)
                m_saved(outcome.last);
            QStringList lines = firstLinesOf(outcome.failed);
            if (outcome.stopped)
                lines << stoppedLine(outcome.saved, count);
            if (!outcome.failed.isEmpty())
                m_prompts.show(Message{
                    tr("Could not save the spray in %1\r%2").arg(folder, lines.join(QChar(13))),
                    windowTitle(), Message::Icon::Critical, Message::Buttons::Ok});
            else if (outcome.stopped)
                m_prompts.show(Message{lines.join(QChar(13)) + QChar(13) + folder, windowTitle(),
                                       Message::Icon::Information, Message::Buttons::Ok});
        });
}

void SeenDialog::saveAsPicture() {
    if (saving())
        return;
    std::vector<SeenSpray> sprays = chosenCopies();
    if (sprays.empty() || !askPictureTarget)
        return;
    const QString suggestion = QDir::homePath();
    const int count = static_cast<int>(sprays.size());
    const auto tell = [this, count](const SeenSaveOutcome& outcome) {
        QStringList lines = firstLinesOf(outcome.failed);
        if (outcome.stopped)
            lines << stoppedLine(outcome.saved, count);
        if (!outcome.failed.isEmpty())
            m_prompts.show(
                Message{tr("Could not save these pictures:\r%1").arg(lines.join(QChar(13))),
                        windowTitle(), Message::Icon::Critical, Message::Buttons::Ok});
        else if (outcome.stopped)
            m_prompts.show(Message{lines.join(QChar(13)), windowTitle(), Message::Icon::Information,
                                   Message::Buttons::Ok});
    };
    if (count == 1) {
        const QString path = askPictureTarget(
            joinPath(suggestion, sprays[0].mods.value(0) + QStringLiteral(" seen.png")), false);
        if (path.isEmpty())
            return;
        startSaving(
            1, [] { return tr("Saving the picture…"); },
            [spray = sprays[0], path](const CancelCheck&, const std::function<void(int)>&) {
                SeenSaveOutcome outcome;
                QString reason;
                if (saveSeenPicture(spray, path, &reason)) {
                    outcome.last = path;
                } else {
                    outcome.failed << path + QStringLiteral(": ") + reason;
                }
                return outcome;
            },
            tell);
        return;
    }
    const QString folder = askPictureTarget(suggestion, true);
    if (folder.isEmpty())
        return;
    // Several pictures take free names in the folder: nothing there is replaced.
    startSaving(
        count,
        [count, folder] { return tr("Saving %n pictures in %1…", nullptr, count).arg(folder); },
        [sprays = std::move(sprays), folder](const CancelCheck& cancel,
                                             const std::function<void(int)>& progress) {
            return saveSeenSprays(sprays, folder, SeenSaveAs::Picture, cancel, progress);
        },
        tell);
}

}  // namespace velmira
