#include "checkdialog.h"

#include "core/prompts.h"
#include "core/windows.h"
#include "game/gameconfig.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace velmira {

namespace {

constexpr int kModColumn = 0;
constexpr int kFirstCheckColumn = 1;

const SprayFix kFixes[] = {SprayFix::TurnUploadsOn, SprayFix::TurnDownloadsOn,
                           SprayFix::EveryServerSize, SprayFix::Protect, SprayFix::ClearCache};

QString fixName(SprayFix fix) {
    switch (fix) {
        case SprayFix::TurnUploadsOn:
            return QStringLiteral("cmdCheckUploads");
        case SprayFix::TurnDownloadsOn:
            return QStringLiteral("cmdCheckDownloads");
        case SprayFix::EveryServerSize:
            return QStringLiteral("cmdCheckEveryServer");
        case SprayFix::Protect:
            return QStringLiteral("cmdCheckProtect");
        case SprayFix::ClearCache:
            return QStringLiteral("cmdCheckClearCache");
        case SprayFix::None:
            break;
    }
    return QString();
}

}  // namespace

CheckSpraysDialog::CheckSpraysDialog(SprayCheckActions actions, Prompts& prompts,
                                     LoadedWindows& windows, QWidget* parent)
    : QDialog(parent), m_actions(std::move(actions)), m_prompts(prompts), m_windows(windows) {
    setObjectName(QStringLiteral("frmCheck"));
    setWindowTitle(tr("Check Sprays"));
    m_pool.setMaxThreadCount(1);

    m_table = new QTableWidget(0, kFirstCheckColumn + kSprayCheckCount, this);
    m_table->setObjectName(QStringLiteral("tableChecks"));
    m_table->setAccessibleName(tr("Spray checks, a row for each mod"));
    QStringList titles{tr("Mod")};
    for (int check = 0; check < kSprayCheckCount; ++check)
        titles << sprayCheckTitle(static_cast<SprayCheck>(check));
    m_table->setHorizontalHeaderLabels(titles);
    m_table->verticalHeader()->setVisible(false);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setWordWrap(true);
    m_table->setContextMenuPolicy(Qt::CustomContextMenu);
    m_table->horizontalHeader()->setDefaultSectionSize(122);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setColumnWidth(kModColumn, 104);
    // A column is at least as wide as its title: some languages' titles are longer.
    for (int column = 0; column < m_table->columnCount(); ++column)
        m_table->setColumnWidth(column,
                                std::max(m_table->columnWidth(column),
                                         m_table->horizontalHeader()->sectionSizeHint(column)));
    m_table->setMinimumSize(600, 200);

    m_status = new QLabel(tr("Checking\u2026"), this);
    m_status->setObjectName(QStringLiteral("lblCheckStatus"));
    m_status->setTextFormat(Qt::PlainText);
    m_status->setWordWrap(true);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* fixes = new QHBoxLayout;
    auto* fixLabel = new QLabel(tr("Fix the chosen mod:"), this);
    fixes->addWidget(fixLabel);
    for (SprayFix fix : kFixes) {
        auto* button = new QPushButton(sprayFixCaption(fix), this);
        button->setObjectName(fixName(fix));
        button->setAutoDefault(false);
        button->setEnabled(false);
        connect(button, &QPushButton::clicked, this, [this, fix] { applyFix(fix); });
        fixes->addWidget(button);
        m_fixButtons[fix] = button;
    }
    fixes->addStretch(1);
    m_fixButtons[SprayFix::TurnUploadsOn]->setToolTip(
        tr("Set cl_allowupload to 1 on the one line that turns it off, keeping a copy of the "
           "file as it was"));
    m_fixButtons[SprayFix::TurnDownloadsOn]->setToolTip(
        tr("Set cl_allowdownload to 1 on the one line that turns it off, keeping a copy of the "
           "file as it was"));
    m_fixButtons[SprayFix::EveryServerSize]->setToolTip(
        tr("Open the spray maker on the mod's spray picture with the every-server size chosen"));
    m_fixButtons[SprayFix::Protect]->setToolTip(
        tr("Leave the sprays Velmira installed read-only, as \"Protect Sprays from the Game\" "
           "does"));
    m_fixButtons[SprayFix::ClearCache]->setToolTip(
        tr("Move the mod's cache of sprays seen on servers aside"));

    auto* box = new QDialogButtonBox(this);
    m_again = box->addButton(tr("Check &Again"), QDialogButtonBox::ResetRole);
    m_again->setObjectName(QStringLiteral("cmdCheckAgain"));
    m_again->setAutoDefault(false);
    QPushButton* close = box->addButton(QDialogButtonBox::Close);
    close->setAutoDefault(false);

    auto* whole = new QVBoxLayout(this);
    whole->addWidget(m_table, 1);
    whole->addLayout(fixes);
    whole->addWidget(m_status);
    whole->addWidget(box);

    connect(m_again, &QPushButton::clicked, this, [this] { checkAgain(); });
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    connect(m_table, &QTableWidget::currentCellChanged, this, [this] { updateFixes(); });
    // Enter or a double click on a cell applies that cell's fix.
    connect(m_table, &QTableWidget::cellActivated, this, [this](int row, int column) {
        if (const SprayFix fix = fixOfCell(row, column); fix != SprayFix::None)
            applyFix(fix);
    });
    connect(m_table, &QTableWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        const int row = m_table->rowAt(at.y());
        if (row < 0)
            return;
        m_table->selectRow(row);
        QMenu menu(this);
        for (SprayFix fix : kFixes)
            if (m_fixButtons[fix]->isEnabled())
                connect(menu.addAction(sprayFixCaption(fix)), &QAction::triggered, this,
                        [this, fix] { applyFix(fix); });
        if (!menu.isEmpty())
            menu.exec(m_table->viewport()->mapToGlobal(at));
    });

    // Every column in view on a screen 1024 pixels wide.
    resize(1010, 600);
    m_windows.loaded(this);
    m_table->setFocus();
    checkAgain();
}

CheckSpraysDialog::~CheckSpraysDialog() {
    ++m_generation;  // a check under way is dropped; nothing waits for the rest
    m_pool.clear();
    m_pool.waitForDone();
    m_windows.unloaded(this);
}

void CheckSpraysDialog::checkAgain() {
    const quint64 generation = ++m_generation;
    m_inputs = m_actions.inputs ? m_actions.inputs() : std::vector<SprayCheckInput>();
    m_checking = true;
    if (m_told.isEmpty())
        m_status->setText(tr("Checking\u2026"));
    m_pool.start([this, inputs = m_inputs, generation] {
        std::vector<ModSprayCheck> checks;
        checks.reserve(inputs.size());
        for (const SprayCheckInput& input : inputs) {
            if (m_generation.load() != generation)
                return;
            checks.push_back(checkModSprays(input));
        }
        QMetaObject::invokeMethod(
            this,
            [this, checks = std::move(checks), generation] { showChecks(checks, generation); },
            Qt::QueuedConnection);
    });
}

void CheckSpraysDialog::waitForChecks() {
    for (int round = 0; round < 100 && m_checking; ++round) {
        m_pool.waitForDone();
        QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
    }
}

void CheckSpraysDialog::showChecks(const std::vector<ModSprayCheck>& checks, quint64 generation) {
    if (generation != m_generation.load())
        return;
    m_checking = false;
    // The chosen mod stays chosen when its row is checked again.
    const int current = m_table->currentRow();
    const QString chosen = current >= 0 && current < rowCount() ? checkOf(current).mod : QString();
    m_checks = checks;
    m_table->setRowCount(rowCount());
    int problems = 0;
    int chosenRow = rowCount() > 0 ? 0 : -1;
    for (int row = 0; row < rowCount(); ++row) {
        const ModSprayCheck& check = checkOf(row);
        if (check.mod == chosen)
            chosenRow = row;
        auto* modItem = new QTableWidgetItem(check.mod);
        m_table->setItem(row, kModColumn, modItem);
        for (int column = 0; column < kSprayCheckCount; ++column) {
            const SprayCheckCell& cell = check.cells[static_cast<size_t>(column)];
            auto* item = new QTableWidgetItem(cell.text);
            item->setToolTip(cell.detail);
            if (cell.state == SprayCheckCell::State::Problem) {
                ++problems;
                item->setForeground(QColor(160, 0, 0));
                QFont font = item->font();
                font.setBold(true);
                item->setFont(font);
            }
            if (cell.state != SprayCheckCell::State::Problem)
                item->setTextAlignment(Qt::AlignCenter);
            m_table->setItem(row, kFirstCheckColumn + column, item);
        }
    }
    m_table->resizeRowsToContents();
    if (chosenRow >= 0)
        m_table->setCurrentCell(chosenRow, std::max(m_table->currentColumn(), 0));
    updateFixes();
    QString summary =
        rowCount() == 0
            ? tr("No mods to check: set the Half-Life folder in File Locations.")
            : QCoreApplication::translate(
                  "CheckSpraysDialog", "Mods checked: %1. Problems found: %n.", nullptr, problems)
                  .arg(rowCount());
    // What the last fix did stays in view above the new count.
    m_status->setText(m_told.isEmpty() ? summary : m_told + QLatin1Char('\n') + summary);
    m_told.clear();
    emit checksShown();
}

SprayFix CheckSpraysDialog::fixOfCell(int row, int column) const {
    if (row < 0 || row >= rowCount() || column < kFirstCheckColumn)
        return SprayFix::None;
    return checkOf(row).cells[static_cast<size_t>(column - kFirstCheckColumn)].fix;
}

void CheckSpraysDialog::updateFixes() {
    const int row = m_table->currentRow();
    for (auto& [fix, button] : m_fixButtons) {
        bool offered = false;
        if (row >= 0 && row < rowCount())
            for (const SprayCheckCell& cell : checkOf(row).cells)
                offered = offered || cell.fix == fix;
        button->setEnabled(offered);
    }
}

void CheckSpraysDialog::tell(const QString& text) {
    // Shown at once, and kept above the count when the checks that follow are shown.
    m_told = text;
    m_status->setText(text);
}

void CheckSpraysDialog::applyFix(SprayFix fix) {
    const int row = m_table->currentRow();
    if (row < 0 || row >= rowCount() || fix == SprayFix::None || m_fixing)
        return;
    const QString mod = checkOf(row).mod;
    QString gameFolder;
    for (const SprayCheckInput& input : m_inputs)
        if (input.mod == mod)
            gameFolder = input.gameFolder;
    const bool running = m_actions.gameRunning && m_actions.gameRunning();
    switch (fix) {
        case SprayFix::TurnUploadsOn:
        case SprayFix::TurnDownloadsOn: {
            const QByteArray variable = fix == SprayFix::TurnUploadsOn
                                            ? QByteArrayLiteral("cl_allowupload")
                                            : QByteArrayLiteral("cl_allowdownload");
            // The file must stay unchanged for a moment before it is replaced: off the
            // window's thread, then checked again. No second fix meanwhile.
            m_checking = true;
            m_fixing = true;
            for (const auto& entry : m_fixButtons)
                entry.second->setEnabled(false);
            m_pool.start([this, gameFolder, mod, variable, running] {
                const QString text =
                    turnSettingOn(gameFolder, mod, variable, [running] { return running; }).text;
                QMetaObject::invokeMethod(
                    this,
                    [this, text] {
                        m_fixing = false;
                        tell(text);
                        checkAgain();
                    },
                    Qt::QueuedConnection);
            });
            return;
        }
        case SprayFix::EveryServerSize: {
            const auto told = [dialog = QPointer<CheckSpraysDialog>(this)](const QString& text) {
                if (dialog)
                    dialog->tell(text.isEmpty()
                                     ? tr("The spray maker is open with the every-server size "
                                          "chosen: save the spray, then use \"Create Sprays\".")
                                     : text);
            };
            if (m_actions.makeEveryServerSize)
                m_actions.makeEveryServerSize(mod, told);
            else
                told(QString());
            break;
        }
        case SprayFix::Protect:
            if (running) {
                tell(tr("Quit the game first: its Options screen may be writing the spray."));
                break;
            }
            if (m_actions.protect)
                m_actions.protect();
            tell(tr("The sprays Velmira installed are now read-only."));
            break;
        case SprayFix::ClearCache:
            if (running) {
                tell(tr("Quit the game first: it keeps the cache open and writes it back."));
                break;
            }
            tell(m_actions.clearCache ? m_actions.clearCache(mod) : QString());
            break;
        case SprayFix::None:
            break;
    }
    checkAgain();
}

}  // namespace velmira
