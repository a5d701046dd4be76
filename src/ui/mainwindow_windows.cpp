// The windows the main window opens: the spray maker, the sprays seen in games, File Locations
// and About.

#include "mainwindow.h"

#include "core/context.h"
#include "core/errorreport.h"
#include "core/state.h"
#include "core/windows.h"
#include "install/held.h"
#include "library/maker.h"
#include "platform/files.h"
#include "platform/prompts.h"
#include "ui/aboutdialog.h"
#include "ui/locationsdialog.h"
#include "ui/makerdialog.h"
#include "ui/seendialog.h"
#include "ui/spraylist.h"

#include <QDir>
#include <QThreadPool>

namespace velmira {

void MainWindow::mnuFileMake_Click() {
    QString why;
    const QString picture = chosenPicture(m_state, m_fileBMPs->fileName(), &why);
    if (picture.isEmpty()) {
        m_services.prompts.show(
            Message{why, tr("Make Spray"), Message::Icon::Information, Message::Buttons::Ok});
        return;
    }
    openMaker(picture);
}

void MainWindow::openMaker(const QString& picture, std::function<void(QDialog*)> opened) {
    const QString folder =
        m_state.CurrentSprayDir.isEmpty() ? m_state.SprayRootDir : m_state.CurrentSprayDir;
    if (!folderExists(folder)) {
        m_services.prompts.show(
            Message{tr("Set your spray folder first: the spray maker saves into it."),
                    tr("Make Spray"), Message::Icon::Critical, Message::Buttons::Ok});
        if (opened)
            opened(nullptr);
        return;
    }
    // The picture is read and checked off the window's thread (a large file on a slow disk
    // takes long); the window goes on meanwhile.
    const quint64 generation = ++m_makerCheckGeneration;
    m_makerCheck->start([this, picture, folder, generation, opened = std::move(opened)] {
        const QString problem = makerPictureProblem(picture);
        QMetaObject::invokeMethod(
            this,
            [this, picture, folder, generation, problem, opened] {
                if (generation == m_makerCheckGeneration)
                    openCheckedMaker(picture, folder, problem, opened);
            },
            Qt::QueuedConnection);
    });
}

void MainWindow::openCheckedMaker(const QString& picture, const QString& folder,
                                  const QString& problem,
                                  const std::function<void(QDialog*)>& opened) {
    // A picture that cannot be read gets the reader's reason, and no maker.
    if (!problem.isEmpty()) {
        m_services.prompts.show(
            Message{tr("Cannot make a spray of %1").arg(picture) + QChar(13) + problem,
                    tr("Make Spray"), Message::Icon::Critical, Message::Buttons::Ok});
        if (opened)
            opened(nullptr);
        return;
    }
    if (m_maker)
        m_maker->close();
    m_maker = new MakerDialog(
        picture, folder, m_services.prompts, m_windows,
        [this, folder](const QString& name) {
            // The new spray is listed and chosen, where the list still shows its folder.
            if (QDir::cleanPath(m_fileBMPs->folder()) == QDir::cleanPath(folder)) {
                m_controls->files.reread();
                m_controls->files.choose(name);
            }
        },
        this);
    m_maker->setAttribute(Qt::WA_DeleteOnClose);
    m_maker->setWindowFlag(Qt::Window);
    m_maker->show();
    if (opened)
        opened(m_maker);
}

void MainWindow::waitForMakerCheck() {
    m_makerCheck->waitForDone();
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

void MainWindow::mnuFileSeen_Click() {
    if (m_seen) {
        m_seen->raise();
        m_seen->activateWindow();
        return;
    }
    QStringList mods;
    for (int row = 0; row < m_state.Mods.size(); ++row)
        mods << m_state.Mods.at(row).ModFolder;
    m_seen = new SeenDialog(
        m_state.HalfLifeDir, mods,
        [this] {
            return m_state.CurrentSprayDir.isEmpty() ? m_state.SprayRootDir
                                                     : m_state.CurrentSprayDir;
        },
        [this](const QString& name) {
            // The kept spray is listed and chosen, where the list shows the folder it went to.
            const QString folder =
                m_state.CurrentSprayDir.isEmpty() ? m_state.SprayRootDir : m_state.CurrentSprayDir;
            if (QDir::cleanPath(m_fileBMPs->folder()) == QDir::cleanPath(folder)) {
                m_controls->files.reread();
                m_controls->files.choose(name);
            }
        },
        m_services.prompts, m_windows, this);
    m_seen->setAttribute(Qt::WA_DeleteOnClose);
    m_seen->setWindowFlag(Qt::Window);
    m_seen->show();
}

void MainWindow::mnuFileLoc_Click() {
    m_services.errors.run(
        "frmMain.mnuFileLoc_Click()", AfterReport::CloseMainWindow, [&](Procedure& p) {
            p.step(1);
            LocationsDialog dialog(m_state, *m_controls, m_services, m_windows, this);
            m_services.errors.modal([&] { return dialog.exec(); });
            showHeldSprays(m_state, m_controls->mods, m_services.settings);
        });
}

void MainWindow::mnuHelpAbout_Click() {
    m_services.errors.run("frmMain.mnuHelpAbout_Click()", AfterReport::CloseMainWindow,
                          [&](Procedure& p) {
                              p.step(1);
                              AboutDialog dialog(m_services.errors, m_windows, this);
                              m_services.errors.modal([&] { return dialog.exec(); });
                          });
}

}  // namespace velmira
