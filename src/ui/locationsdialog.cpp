#include "locationsdialog.h"

#include "core/context.h"
#include "core/errorreport.h"
#include "core/state.h"
#include "core/windows.h"
#include "game/steam.h"
#include "library/locations.h"
#include "ui/geometry.h"
#include "ui/keys.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <limits>

namespace velmira {

LocationsDialog::LocationsDialog(AppState& state, MainControls& controls, const Services& services,
                                 LoadedWindows& windows, QWidget* parent)
    : QDialog(parent),
      m_state(state),
      m_controls(controls),
      m_services(services),
      m_windows(windows) {
    setObjectName(QStringLiteral("frmLoc"));
    setWindowTitle(tr("File Locations"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(fromTwips(5505), fromTwips(2430));

    auto* lblHLDir = new QLabel(tr("Half-Life Folder:"), this);
    lblHLDir->setObjectName(QStringLiteral("lblHLDir"));
    placeTwips(lblHLDir, 240, 240, 1110, 195);
    lblHLDir->adjustSize();
    m_txtHLDir = new QLineEdit(this);
    m_txtHLDir->setObjectName(QStringLiteral("txtHLDir"));
    placeTwips(m_txtHLDir, 345, 600, 4815, 285);
    lblHLDir->setBuddy(m_txtHLDir);

    auto* lblBMPLoc = new QLabel(tr("Spray Folder:"), this);
    lblBMPLoc->setObjectName(QStringLiteral("lblBMPLoc"));
    placeTwips(lblBMPLoc, 240, 1080, 930, 195);
    lblBMPLoc->adjustSize();
    m_txtBMPDir = new QLineEdit(this);
    m_txtBMPDir->setObjectName(QStringLiteral("txtBMPDir"));
    placeTwips(m_txtBMPDir, 345, 1440, 4815, 285);
    // The label names the field for a screen reader.
    lblBMPLoc->setBuddy(m_txtBMPDir);

    // More than one game found in Steam's libraries (Half-Life, Sven Co-op): offered beside
    // the folder field; choosing one fills the field, and nothing is stored before OK.
    const QStringList found = findSteamGames(m_services.steamRoots);
    if (found.size() > 1) {
        m_cboFound = new QComboBox(this);
        m_cboFound->setObjectName(QStringLiteral("cboFoundGames"));
        m_cboFound->addItem(tr("Found in Steam…"));
        for (const QString& game : found)
            m_cboFound->addItem(game);
        m_cboFound->setToolTip(tr("Games found in your Steam libraries"));
        m_cboFound->setAccessibleDescription(m_cboFound->toolTip());
        m_cboFound->setAccessibleName(tr("Games found in Steam"));
        placeTwips(m_cboFound, 1560, 180, 3600, 315);
        connect(m_cboFound, &QComboBox::activated, this, [this](int index) {
            if (index > 0)
                m_txtHLDir->setText(m_cboFound->itemText(index));
        });
    }

    m_cmdOK = new QPushButton(tr("OK"), this);
    m_cmdOK->setObjectName(QStringLiteral("cmdOK"));
    placeTwips(m_cmdOK, 1065, 1920, 1095, 375);
    m_cmdCancel = new QPushButton(tr("Cancel"), this);
    m_cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    placeTwips(m_cmdCancel, 3345, 1920, 1095, 375);
    widenToCaption(m_cmdOK);
    widenToCaption(m_cmdCancel);
    // The found games' list starts after a longer label.
    if (m_cboFound && lblHLDir->geometry().right() + 8 > m_cboFound->x()) {
        const QRect list = m_cboFound->geometry();
        m_cboFound->setGeometry(
            QRect(QPoint(lblHLDir->geometry().right() + 8, list.y()), list.bottomRight()));
    }

    // Folders are typed or pasted, of any length.
    for (QLineEdit* box : {m_txtHLDir, m_txtBMPDir})
        box->setMaxLength(std::numeric_limits<int>::max());

    // No default button: Enter in a text box does not press OK.
    for (QPushButton* button : {m_cmdOK, m_cmdCancel}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    setTabOrder(m_cmdOK, m_cmdCancel);
    setTabOrder(m_cmdCancel, m_txtHLDir);
    setTabOrder(m_txtHLDir, m_cboFound ? static_cast<QWidget*>(m_cboFound) : m_txtBMPDir);
    if (m_cboFound)
        setTabOrder(m_cboFound, m_txtBMPDir);

    connect(m_cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(m_cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
    // Still no default: Enter presses the focused button only.
    enterPressesFocusedButton(this);

    m_windows.loaded(this);
    Form_Load();
    m_cmdOK->setFocus();
    // Centred on the screen, not on the main window.
    centreOnScreen(this);
}

LocationsDialog::~LocationsDialog() {
    m_windows.unloaded(this);
}

void LocationsDialog::unloadDialog() {
    done(QDialog::Rejected);
}

void LocationsDialog::Form_Load() {
    m_services.errors.run(
        "frmLoc.Form_Load()", AfterReport::CloseDialog,
        [&](Procedure& p) {
            p.step(1);
            m_txtHLDir->setText(m_state.HalfLifeDir);
            p.step(2);
            m_txtBMPDir->setText(m_state.SprayRootDir);
        },
        [this] { unloadDialog(); });
}

void LocationsDialog::cmdOK_Click() {
    m_services.errors.run(
        "frmLoc.cmdOK_Click()", AfterReport::CloseDialog,
        [&](Procedure& p) {
            if (acceptLocations(m_txtHLDir->text(), m_txtBMPDir->text(), m_state, m_controls,
                                m_services, p))
                done(QDialog::Accepted);
        },
        [this] { unloadDialog(); });
}

void LocationsDialog::cmdCancel_Click() {
    m_services.errors.run(
        "frmLoc.cmdCancel_Click()", AfterReport::CloseDialog,
        [&](Procedure& p) {
            p.step(1);
            unloadDialog();
        },
        [this] { unloadDialog(); });
}

}  // namespace velmira
