#include "desktop.h"

#include "platform/files.h"
#include "platform/language.h"
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

QString helpFileFor(const QString& folder, const QString& language) {
    const QString english = joinPath(folder, QStringLiteral("Velmr04.html"));
    // Only an offered code makes a file name: nothing else can lead out of the folder.
    if (language.isEmpty() || language == QLatin1String("en") || !isOffered(language))
        return english;
    const QString translated = joinPath(folder, QStringLiteral("Velmr04_%1.html").arg(language));
    return QFileInfo(translated).isFile() ? translated : english;
}

void HtmlHelpViewer::showContents() {
    const QString helpFile = helpFileFor(m_folder, m_language ? m_language() : QString());
    if (!QFileInfo(helpFile).isFile()) {
        m_prompts.show(
            Message{QCoreApplication::translate("velmira::Help", "Cannot find the help file:\r%1")
                        .arg(helpFile),
                    QCoreApplication::translate("velmira::Help", "Velmira Help"),
                    Message::Icon::Critical, Message::Buttons::Ok});
        return;
    }
    m_desktop.open(helpFile);
}

void ImmediateExit::endProgram() {
    std::_Exit(1);
}

}  // namespace velmira
