#include "desktop.h"

#include "platform/prompts.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

#include <cstdlib>

namespace velmira {

int QtDesktop::open(const QString& path) {
    // The request goes to the desktop and returns at once; an empty path opens nothing.
    const bool ok = !path.isEmpty() && QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    return ok ? 0 : 2;
}

void HtmlHelpViewer::showContents() {
    if (!QFileInfo(m_helpFile).isFile()) {
        m_prompts.show(
            Message{QCoreApplication::translate("velmira::Help", "Cannot find the help file:\r%1")
                        .arg(m_helpFile),
                    QCoreApplication::translate("velmira::Help", "Velmira Help"),
                    Message::Icon::Critical, Message::Buttons::Ok});
        return;
    }
    m_desktop.open(m_helpFile);
}

void ImmediateExit::endProgram() {
    std::_Exit(1);
}

}  // namespace velmira
