#include "folders.h"

#include "core/errorreport.h"
#include "game/running.h"
#include "platform/files.h"
#include "platform/prompts.h"

#include <QCoreApplication>

namespace velmira {

bool gameExecutablePresent(const QString& hlDir) {
    // Half-Life, and the games of the same engine that keep their mods the same way.
    for (const QString& launcher : gameLaunchers())
        if (fileExists(hlDir + separator() + launcher))
            return true;
    return false;
}

bool isXashFolder(const QString& hlDir) {
    return fileExists(hlDir + separator() + QStringLiteral("xash3d.exe")) ||
           fileExists(hlDir + separator() + QStringLiteral("xash3d"));
}

FolderVerdict CheckDirectories(const QString& hlDir, const QString& sprayDir, Prompts& prompts,
                               ErrorReporter& errors) {
    FolderVerdict verdict;
    errors.run("Module1.CheckDirectories()", AfterReport::EndProgram, [&](Procedure& p) {
        p.step(1);
        verdict = FolderVerdict{};
        p.step(3);
        if (folderExists(hlDir + separator())) {
            p.step(4);
            if (gameExecutablePresent(hlDir)) {
                p.step(5);
                verdict.hlOK = true;
            } else {
                p.step(6);
                const Answer answer = prompts.show(
                    Message{QCoreApplication::translate(
                                "velmira::Folders",
                                "WARNING: Cannot find Half-Life in that folder!\r"
                                "You might just have some different version I don't know about.\r"
                                "Do you want to force VELMR to use the path you entered?"),
                            QString(), Message::Icon::None, Message::Buttons::YesNo});
                verdict.hlOK = answer == Answer::Yes;
            }
        } else {
            p.step(7);
            prompts.show(
                Message{QCoreApplication::translate("velmira::Folders",
                                                    "WARNING: Half-Life folder does not exist!"),
                        QString(), Message::Icon::Critical, Message::Buttons::Ok});
        }
        p.step(8);
        if (folderExists(sprayDir + separator())) {
            p.step(9);
            verdict.sprayOK = true;
        } else {
            p.step(10);
            prompts.show(Message{QCoreApplication::translate(
                                     "velmira::Folders", "WARNING: Spray folder does not exist!"),
                                 QString(), Message::Icon::Critical, Message::Buttons::Ok});
        }
    });
    return verdict;
}

}  // namespace velmira
