// "Check Sprays...": the main window's part, which hands the check window what it asks for.

#include "core/context.h"
#include "core/prompts.h"
#include "core/state.h"
#include "game/folders.h"
#include "install/held.h"
#include "library/maker.h"
#include "library/sprays.h"
#include "platform/files.h"
#include "platform/settings.h"
#include "ui/checkdialog.h"
#include "ui/mainwindow.h"
#include "ui/makerdialog.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>

namespace velmira {

namespace {

// Every listed mod, with what Velmira recorded installing there.
std::vector<SprayCheckInput> checkInputs(const AppState& state, const SettingsStore& settings) {
    std::vector<SprayCheckInput> inputs;
    const bool xash = isXashFolder(state.HalfLifeDir);
    const std::vector<ConfigOrder> orders = gameOrders(state.HalfLifeDir, xash);
    for (int row = 0; row < state.Mods.size(); ++row) {
        const QString mod = state.Mods.at(row).ModFolder;
        if (mod.isEmpty())
            continue;
        inputs.push_back(SprayCheckInput{
            state.HalfLifeDir, mod, settings.read(kInstalledSection, mod, QString()),
            settings.read(kLogosSection, mod, QString()), xash, orders});
    }
    return inputs;
}

}  // namespace

void MainWindow::mnuFileCheck_Click() {
    if (m_check) {
        m_check->raise();
        m_check->activateWindow();
        return;
    }
    SprayCheckActions actions;
    actions.inputs = [this] { return checkInputs(m_state, m_services.settings); };
    actions.gameRunning = [this] {
        return m_services.gameRunning && m_services.gameRunning(m_state.HalfLifeDir);
    };
    actions.copy = [](const QString& text) { QGuiApplication::clipboard()->setText(text); };
    actions.protect = [this] {
        if (!m_mnuFileProtect->isChecked())
            m_mnuFileProtect->setChecked(true);
        mnuFileProtect_Click();
    };
    actions.makeEveryServerSize = [this](const QString& mod,
                                         const std::function<void(const QString&)>& told) {
        // The picture the mod's spray was made from, where the mod has one assigned; else the
        // picture chosen in the spray list.
        QString picture;
        for (int row = 0; row < m_state.Mods.size(); ++row) {
            const ModEntry& entry = m_state.Mods.at(row);
            if (entry.ModFolder == mod && !entry.SprayFile.isEmpty() &&
                sprayKindOf(entry.SprayFile) != QLatin1String("WAD"))
                picture = joinPath(entry.SprayFolder, entry.SprayFile);
        }
        if (picture.isEmpty()) {
            QString why;
            picture = chosenPicture(m_state, m_controls->files.fileName(), &why);
            if (picture.isEmpty()) {
                told(tr("Choose the spray's picture in the spray list (or assign it to %1), "
                        "then choose this fix again.")
                         .arg(mod));
                return;
            }
        }
        openMaker(picture, [told, picture](QDialog* opened) {
            auto* maker = qobject_cast<MakerDialog*>(opened);
            if (!maker) {
                told(tr("The spray maker could not be opened on %1.").arg(picture));
                return;
            }
            maker->chooseSize(spray::SizeChoice::EveryServer);
            told(QString());
        });
    };
    m_check = new CheckSpraysDialog(std::move(actions), m_services.prompts, m_windows, this);
    m_check->setAttribute(Qt::WA_DeleteOnClose);
    m_check->setWindowFlag(Qt::Window);
    m_check->show();
}

}  // namespace velmira
