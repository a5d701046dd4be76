#include "seendialog.h"

#include "core/prompts.h"
#include "core/windows.h"
#include "library/preview.h"
#include "library/seensave.h"
#include "platform/files.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmira {

namespace {
// How many pictures' worth of memory the grid keeps drawn (each at most 96 x 96 pixels).
constexpr int kKeptIcons = 600;
}  // namespace

// The grid -----------------------------------------------------------------------------------

SeenSprayModel::SeenSprayModel(QObject* parent) : QAbstractListModel(parent) {
    m_icons.setMaxCost(kKeptIcons);
}

bool SeenSprayModel::shows(const SeenSpray& spray) const {
    return m_mod.isEmpty() || spray.mods.contains(m_mod);
}

void SeenSprayModel::setSprays(const SeenSprays* sprays, const QString& mod) {
    beginResetModel();
    m_sprays = sprays;
    m_mod = mod;
    m_rows.clear();
    m_looked = 0;
    endResetModel();
    spraysAdded();
}

void SeenSprayModel::spraysAdded() {
    if (!m_sprays)
        return;
    const std::vector<SeenSpray>& all = m_sprays->all();
    std::vector<std::size_t> added;
    for (; m_looked < all.size(); ++m_looked)
        if (shows(all[m_looked]))
            added.push_back(m_looked);
    // A spray seen in one more mod may now belong to the chosen one: the filter is applied
    // again to those already looked at when the list is set anew (a mod chosen).
    if (added.empty())
        return;
    const int first = static_cast<int>(m_rows.size());
    beginInsertRows(QModelIndex(), first, first + static_cast<int>(added.size()) - 1);
    m_rows.insert(m_rows.end(), added.begin(), added.end());
    endInsertRows();
}

const SeenSpray* SeenSprayModel::sprayAt(int row) const {
    if (!m_sprays || row < 0 || row >= static_cast<int>(m_rows.size()))
        return nullptr;
    return &m_sprays->all()[m_rows[static_cast<std::size_t>(row)]];
}

int SeenSprayModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

QPixmap SeenSprayModel::iconOf(const SeenSpray& spray) const {
    if (const QPixmap* kept = m_icons.object(spray.hash))
        return *kept;
    // As the game draws it, over a checker that shows what is see-through; a spray larger than
    // the box is made smaller, its pixels kept sharp.
    const QImage picture = sprayPictureOfWad(spray.cache->view(spray.where));
    QImage icon(kIconSide, kIconSide, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    if (!picture.isNull()) {
        const QSize shown = picture.size().boundedTo(QSize(kIconSide, kIconSide)) == picture.size()
                                ? picture.size()
                                : picture.size().scaled(kIconSide, kIconSide, Qt::KeepAspectRatio);
        const QRect at(QPoint((kIconSide - shown.width()) / 2, (kIconSide - shown.height()) / 2),
                       shown);
        QPainter painter(&icon);
        for (int y = at.top(); y <= at.bottom(); y += 8)
            for (int x = at.left(); x <= at.right(); x += 8)
                painter.fillRect(QRect(x, y, 8, 8).intersected(at),
                                 ((x - at.left() + y - at.top()) / 8) % 2 ? QColor(204, 204, 204)
                                                                          : QColor(255, 255, 255));
        painter.drawImage(at, picture);
    }
    auto* kept = new QPixmap(QPixmap::fromImage(icon));
    m_icons.insert(spray.hash, kept);
    return *kept;
}

QVariant SeenSprayModel::data(const QModelIndex& index, int role) const {
    const SeenSpray* spray = sprayAt(index.row());
    if (!spray)
        return QVariant();
    switch (role) {
        case Qt::DisplayRole:
            return QStringLiteral("%1 \u00d7 %2")
                .arg(spray->size.width())
                .arg(spray->size.height());
        case Qt::DecorationRole:
            return iconOf(*spray);
        case Qt::ToolTipRole:
            return seenSprayTip(*spray).replace(QChar(13), QLatin1Char('\n'));
        case Qt::AccessibleDescriptionRole:
            return seenSprayTip(*spray).replace(QChar(13), QStringLiteral(". "));
        default:
            return QVariant();
    }
}

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
    setWindowTitle(QStringLiteral("Sprays Seen in Games"));
    m_pool.setMaxThreadCount(1);

    m_modChooser = new QComboBox(this);
    m_modChooser->setObjectName(QStringLiteral("cboSeenMods"));
    m_modChooser->addItem(QStringLiteral("All mods"));
    m_modChooser->addItems(m_mods);
    auto* modLabel = new QLabel(QStringLiteral("&Mod:"), this);
    modLabel->setBuddy(m_modChooser);

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
    m_grid->setAccessibleName(QStringLiteral("Sprays seen in games"));
    m_grid->setMinimumSize(5 * (SeenSprayModel::kIconSide + 24) + 24,
                           3 * (SeenSprayModel::kIconSide + 32) + 8);

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("lblSeenStatus"));
    m_status->setTextFormat(Qt::PlainText);
    m_status->setWordWrap(true);

    auto* box = new QDialogButtonBox(this);
    m_save = box->addButton(QStringLiteral("&Save to Library"), QDialogButtonBox::ActionRole);
    m_save->setObjectName(QStringLiteral("cmdSeenSave"));
    m_save->setDefault(true);
    m_save->setToolTip(
        QStringLiteral("Copy the chosen sprays, unchanged, into the category chosen in the "
                       "main window"));
    m_savePicture =
        box->addButton(QStringLiteral("Save as &Picture\u2026"), QDialogButtonBox::ActionRole);
    m_savePicture->setObjectName(QStringLiteral("cmdSeenPicture"));
    m_savePicture->setAutoDefault(false);
    auto* again = box->addButton(QStringLiteral("&Refresh"), QDialogButtonBox::ResetRole);
    again->setObjectName(QStringLiteral("cmdSeenRefresh"));
    again->setAutoDefault(false);
    QPushButton* close = box->addButton(QDialogButtonBox::Close);
    close->setAutoDefault(false);

    auto* top = new QHBoxLayout;
    top->addWidget(modLabel);
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
    connect(again, &QPushButton::clicked, this, [this] { refresh(); });
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    connect(m_grid->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { updateButtons(); });

    askPictureTarget = [this](const QString& suggested, bool aFolder) {
        return aFolder ? QFileDialog::getExistingDirectory(
                             this, QStringLiteral("Save the Pictures in"), suggested)
                       : QFileDialog::getSaveFileName(this, QStringLiteral("Save as Picture"),
                                                      suggested,
                                                      QStringLiteral("PNG pictures (*.png)"));
    };
    m_windows.loaded(this);
    m_grid->setFocus();
    refresh();
}

SeenDialog::~SeenDialog() {
    ++m_generation;  // the reading stops at its next check; nothing waits for the rest
    m_pool.clear();
    m_pool.waitForDone();
    m_windows.unloaded(this);
}

void SeenDialog::refresh() {
    const quint64 generation = ++m_generation;
    m_pool.clear();
    m_seen.clear();
    m_problems.clear();
    m_model->setSprays(&m_seen,
                       m_modChooser->currentIndex() > 0 ? m_modChooser->currentText() : QString());
    m_pending = static_cast<int>(m_mods.size());
    m_status->setText(QStringLiteral("Reading the caches\u2026"));
    updateButtons();
    // One cache at a time, each shown as soon as it is read.
    for (const QString& mod : m_mods) {
        const QString game = m_gameFolder;
        m_pool.start([this, game, mod, generation] {
            const wad::CancelCheck cancel = [this, generation] {
                return m_generation.load() != generation;
            };
            if (cancel())
                return;
            SeenCache cache = readSeenCache(game, mod, cancel);
            QMetaObject::invokeMethod(
                this, [this, cache, generation] { cacheRead(cache, generation); },
                Qt::QueuedConnection);
        });
    }
    if (m_mods.isEmpty())
        cacheRead(SeenCache{}, generation);
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
    QString status = m_pending > 0 ? QStringLiteral("Reading the caches\u2026 ") : QString();
    status += m_seen.all().empty()
                  ? QStringLiteral(
                        "No sprays seen in games yet: the game keeps those it sees "
                        "on servers in each mod's custom.hpk.")
                  : QStringLiteral("%1 sprays seen.").arg(m_seen.all().size());
    if (!m_problems.isEmpty())
        status += QLatin1Char('\n') +
                  QStringLiteral(
                      "These caches could not be read (the game may be writing "
                      "one: press Refresh):\n") +
                  m_problems.join(QLatin1Char('\n'));
    m_status->setText(status);
    updateButtons();
    emit cacheShown();
}

void SeenDialog::modChosen() {
    m_model->setSprays(&m_seen,
                       m_modChooser->currentIndex() > 0 ? m_modChooser->currentText() : QString());
    if (m_model->rowCount() > 0)
        m_grid->setCurrentIndex(m_model->index(0));
    updateButtons();
}

void SeenDialog::updateButtons() {
    const bool any = !chosenSprays().isEmpty();
    m_save->setEnabled(any);
    m_savePicture->setEnabled(any);
}

void SeenDialog::waitForLoading() {
    for (int round = 0; round < 100 && m_pending > 0; ++round) {
        m_pool.waitForDone();
        QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
    }
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

void SeenDialog::saveToLibrary() {
    const QList<const SeenSpray*> sprays = chosenSprays();
    const QString folder = m_folder ? m_folder() : QString();
    if (sprays.isEmpty())
        return;
    if (!folderExists(folder)) {
        m_prompts.show(Message{QStringLiteral("Set your spray folder first: kept sprays are "
                                              "copied into it."),
                               windowTitle(), Message::Icon::Critical, Message::Buttons::Ok});
        return;
    }
    QString last;
    QStringList failed;
    SeenSaver saver(folder);
    for (const SeenSpray* spray : sprays) {
        QString reason;
        const QString name = saver.saveSpray(spray->data(), spray->mods.value(0), &reason);
        if (name.isEmpty())
            failed << reason;
        else
            last = name;
    }
    if (!last.isEmpty() && m_saved)
        m_saved(last);
    if (!failed.isEmpty())
        m_prompts.show(Message{QStringLiteral("Could not save the spray in ") + folder + QChar(13) +
                                   firstLinesOf(failed).join(QChar(13)),
                               windowTitle(), Message::Icon::Critical, Message::Buttons::Ok});
}

void SeenDialog::saveAsPicture() {
    const QList<const SeenSpray*> sprays = chosenSprays();
    if (sprays.isEmpty() || !askPictureTarget)
        return;
    const QString suggestion = QDir::homePath();
    QStringList failed;
    if (sprays.size() == 1) {
        const QString path = askPictureTarget(
            joinPath(suggestion, sprays[0]->mods.value(0) + QStringLiteral(" seen.png")), false);
        if (path.isEmpty())
            return;
        QString reason;
        if (!saveSprayPicture(sprays[0]->data(), path, &reason))
            failed << path + QStringLiteral(": ") + reason;
    } else {
        const QString folder = askPictureTarget(suggestion, true);
        if (folder.isEmpty())
            return;
        // Several pictures take free names in the folder: nothing there is replaced.
        SeenSaver saver(folder);
        for (const SeenSpray* spray : sprays) {
            QString reason;
            if (saver.savePicture(spray->data(), spray->mods.value(0), &reason).isEmpty())
                failed << joinPath(folder, spray->mods.value(0)) + QStringLiteral(": ") + reason;
        }
    }
    if (!failed.isEmpty())
        m_prompts.show(Message{QStringLiteral("Could not save these pictures:") + QChar(13) +
                                   firstLinesOf(failed).join(QChar(13)),
                               windowTitle(), Message::Icon::Critical, Message::Buttons::Ok});
}

}  // namespace velmira
