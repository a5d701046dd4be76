#include "folders.h"

#include "core/errorreport.h"
#include "platform/files.h"
#include "platform/prompts.h"

namespace velmira {

bool gameExecutablePresent(const QString& hlDir) {
    if (fileExists(hlDir + separator() + QStringLiteral("hl.exe")))
        return true;
#ifdef Q_OS_LINUX
    return fileExists(hlDir + separator() + QStringLiteral("hl_linux"));
#else
    return false;
#endif
}

FolderVerdict CheckDirectories(const QString& hlDir, const QString& sprayDir, Prompts& prompts,
                               ErrorReporter& errors) {
    FolderVerdict verdict;
    const QChar cr(13);
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
                const Answer answer = prompts.show(Message{
                    QStringLiteral("WARNING: Cannot find Half-Life in that folder!") + cr +
                        QStringLiteral(
                            "You might just have some different version I don't know about.") +
                        cr +
                        QStringLiteral("Do you want to force VELMR to use the path you entered?"),
                    QString(), Message::Icon::None, Message::Buttons::YesNo});
                verdict.hlOK = answer == Answer::Yes;
            }
        } else {
            p.step(7);
            prompts.show(Message{QStringLiteral("WARNING: Half-Life folder does not exist!"),
                                 QString(), Message::Icon::Critical, Message::Buttons::Ok});
        }
        p.step(8);
        if (folderExists(sprayDir + separator())) {
            p.step(9);
            verdict.sprayOK = true;
        } else {
            p.step(10);
            prompts.show(Message{QStringLiteral("WARNING: Spray folder does not exist!"), QString(),
                                 Message::Icon::Critical, Message::Buttons::Ok});
        }
    });
    return verdict;
}

}  // namespace velmira
