#include "checkdialog.h"

#include "core/prompts.h"
#include "core/version.h"
#include "core/windows.h"
#include "game/sprayreport.h"
#include "ui/checkdetails.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QSysInfo>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace velmira {

namespace {

constexpr int kModColumn = 0;
constexpr int kFirstCheckColumn = 1;

const SprayFix kFixes[] = {SprayFix::TurnUploadsOn, SprayFix::TurnDownloadsOn,
                           SprayFix::TurnDecalsOn, SprayFix::EveryServerSize, SprayFix::Protect};

QString fixName(SprayFix fix) {
    switch (fix) {
        case SprayFix::TurnUploadsOn:
            return QStringLiteral("cmdCheckUploads");
        case SprayFix::TurnDownloadsOn:
            return QStringLiteral("cmdCheckDownloads");
        case SprayFix::TurnDecalsOn:
            return QStringLiteral("cmdCheckDecals");
        case SprayFix::EveryServerSize:
            return QStringLiteral("cmdCheckEveryServer");
        case SprayFix::Protect:
            return QStringLiteral("cmdCheckProtect");
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
    m_pool.setMaxThreadCount(1);

    m_table = new QTableWidget(0, kFirstCheckColumn + kSprayCheckCount, this);
    m_table->setObjectName(QStringLiteral("tableChecks"));
    m_table->verticalHeader()->setVisible(false);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setWordWrap(false);
    // Arrows move between mods and checks; Tab goes on to the fixes and the buttons.
    m_table->setTabKeyNavigation(false);
    m_table->setContextMenuPolicy(Qt::CustomContextMenu);
    m_table->setMinimumSize(600, 160);

    m_details = new CheckDetails(this);

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("lblCheckStatus"));
    m_status->setTextFormat(Qt::PlainText);
    m_status->setWordWrap(true);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_server = new QLabel(this);
    m_server->setObjectName(QStringLiteral("lblCheckServer"));
    m_server->setTextFormat(Qt::PlainText);
    m_server->setWordWrap(true);

    for (SprayFix fix : kFixes) {
        auto* button = new QPushButton(this);
        button->setObjectName(fixName(fix));
        button->setAutoDefault(false);
        button->setEnabled(false);
        button->hide();
        connect(button, &QPushButton::clicked, this, [this, fix] { applyFix(fix); });
        m_fixButtons[fix] = button;
    }
    m_details->setFixButtons(m_fixButtons);

    auto* box = new QDialogButtonBox(this);
    m_copy = box->addButton(QString(), QDialogButtonBox::ActionRole);
    m_copy->setObjectName(QStringLiteral("cmdCheckCopyReport"));
    m_copy->setAutoDefault(false);
    m_again = box->addButton(QString(), QDialogButtonBox::ResetRole);
    m_again->setObjectName(QStringLiteral("cmdCheckAgain"));
    m_again->setAutoDefault(false);
    m_close = box->addButton(QDialogButtonBox::Close);
    m_close->setAutoDefault(false);
    auto* copyKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), this);

    auto* whole = new QVBoxLayout(this);
    whole->addWidget(m_table, 1);
    whole->addWidget(m_details);
    whole->addWidget(m_status);
    whole->addWidget(m_server);
    whole->addWidget(box);

    connect(m_again, &QPushButton::clicked, this, [this] { checkAgain(); });
    connect(m_close, &QPushButton::clicked, this, &QDialog::close);
    const auto copyReport = [this] {
        if (m_actions.copy)
            m_actions.copy(report());
        tell(tr("The report is on the clipboard."));
    };
    connect(m_copy, &QPushButton::clicked, this, copyReport);
    connect(copyKey, &QShortcut::activated, this, copyReport);
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

    retranslate();
    resize(1010, 640);
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

void CheckSpraysDialog::retranslate() {
    setWindowTitle(tr("Check Sprays"));
    m_table->setAccessibleName(tr("Spray checks, a row for each mod"));
    QStringList titles{tr("Mod")};
    for (int check = 0; check < kSprayCheckCount; ++check)
        titles << sprayCheckTitle(static_cast<SprayCheck>(check));
    m_table->setHorizontalHeaderLabels(titles);
    for (SprayFix fix : kFixes)
        m_fixButtons[fix]->setText(sprayFixCaption(fix));
    m_fixButtons[SprayFix::TurnUploadsOn]->setToolTip(
        tr("Set cl_allowupload to 1 on every line that turns it off in the files the game runs, "
           "keeping a copy of each file as it was"));
    m_fixButtons[SprayFix::TurnDownloadsOn]->setToolTip(
        tr("Set cl_allowdownload and cl_download_ingame to 1 on every line that turns them off "
           "in the files the game runs, keeping a copy of each file as it was"));
    m_fixButtons[SprayFix::TurnDecalsOn]->setToolTip(
        tr("Set mp_decals and r_decals back to the game's own numbers on every line that sets "
           "them to 0, keeping a copy of each file as it was"));
    m_fixButtons[SprayFix::EveryServerSize]->setToolTip(
        tr("Open the spray maker on the mod's spray picture with the every-server size chosen"));
    m_fixButtons[SprayFix::Protect]->setToolTip(
        tr("Leave the sprays Velmira installed read-only, as \"Protect Sprays from the Game\" "
           "does"));
    m_copy->setText(tr("Copy &Report"));
    m_copy->setToolTip(
        tr("Put the checks on the clipboard as plain text, to paste into a forum "
           "or a bug report (Ctrl+Shift+C)"));
    m_again->setText(tr("Check &Again"));
    m_server->setText(serverSideNote());
}

void CheckSpraysDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        // Every state and sentence is in the language the checks ran in.
        checkAgain();
    }
    QDialog::changeEvent(event);
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
        m_table->setItem(row, kModColumn, new QTableWidgetItem(check.mod));
        for (int column = 0; column < kSprayCheckCount; ++column) {
            const SprayCheckCell& cell = check.cells[static_cast<size_t>(column)];
            auto* item = new QTableWidgetItem(cell.text);
            item->setToolTip(cell.sentence);
            // What the tooltip says, for those who hear the grid rather than point at it.
            item->setData(Qt::AccessibleDescriptionRole, cell.sentence);
            if (cell.state == SprayCheckCell::State::Problem) {
                ++problems;
                // Marked by its symbol and weight, never by a colour a dark theme could hide.
                QFont font = item->font();
                font.setBold(true);
                item->setFont(font);
            }
            m_table->setItem(row, kFirstCheckColumn + column, item);
        }
    }
    m_table->resizeColumnsToContents();
    // A column is at least as wide as its title: some languages' titles are longer.
    for (int column = 0; column < m_table->columnCount(); ++column)
        m_table->setColumnWidth(column,
                                std::max(m_table->columnWidth(column),
                                         m_table->horizontalHeader()->sectionSizeHint(column)));
    // Every row holds one line: the first row's height serves them all, measured once rather than
    // for each of thousands of mods.
    if (rowCount() > 0) {
        m_table->resizeRowToContents(0);
        m_table->verticalHeader()->setDefaultSectionSize(m_table->rowHeight(0));
    }
    if (chosenRow >= 0)
        m_table->setCurrentCell(chosenRow, std::max(m_table->currentColumn(), 0));
    updateFixes();
    const QString summary =
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
    const bool chosen = row >= 0 && row < rowCount();
    for (auto& [fix, button] : m_fixButtons) {
        bool offered = false;
        if (chosen)
            for (const SprayCheckCell& cell : checkOf(row).cells)
                offered = offered || cell.fix == fix;
        button->setEnabled(offered && !m_fixing);
    }
    m_details->show(chosen ? &checkOf(row) : nullptr);
}

void CheckSpraysDialog::tell(const QString& text) {
    // Shown at once, and kept above the count when the checks that follow are shown.
    m_told = text;
    m_status->setText(text);
}

QString CheckSpraysDialog::report() const {
    SprayReportHeader header;
    header.version = QStringLiteral(VELMIRA_DISPLAY_VERSION);
    header.system = QSysInfo::prettyProductName();
    if (!m_inputs.empty()) {
        header.xash = m_inputs.front().xash;
        header.orders = m_inputs.front().orders.empty()
                            ? gameOrders(m_inputs.front().gameFolder, header.xash)
                            : m_inputs.front().orders;
    }
    return sprayReport(header, m_checks);
}

void CheckSpraysDialog::applyFix(SprayFix fix) {
    const int row = m_table->currentRow();
    if (row < 0 || row >= rowCount() || fix == SprayFix::None || m_fixing)
        return;
    const QString mod = checkOf(row).mod;
    QString gameFolder;
    bool xash = false;
    for (const SprayCheckInput& input : m_inputs)
        if (input.mod == mod) {
            gameFolder = input.gameFolder;
            xash = input.xash;
        }
    const bool running = m_actions.gameRunning && m_actions.gameRunning();
    switch (fix) {
        case SprayFix::TurnUploadsOn:
        case SprayFix::TurnDownloadsOn:
        case SprayFix::TurnDecalsOn: {
            // A file must stay unchanged for a moment before it is replaced: off the window's
            // thread, then checked again. No second fix meanwhile.
            m_checking = true;
            m_fixing = true;
            for (const auto& entry : m_fixButtons)
                entry.second->setEnabled(false);
            m_pool.start([this, fix, gameFolder, mod, xash, running] {
                const QString text =
                    applySettingFix(fix, gameFolder, mod, xash, [running] { return running; }).text;
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
        case SprayFix::None:
            break;
    }
    checkAgain();
}

}  // namespace velmira
