#include "errorreport.h"

#include "core/prompts.h"

#include <QCoreApplication>

namespace velmira {

QString reportText(const Failure& failure, qint32 systemError, const QString& procedure,
                   qint16 step) {
    // One text with its line breaks (CR), so that a language can set each line as it reads.
    return QCoreApplication::translate(
               "velmira::ErrorReport",
               "If this happens repeatedly, please let me know exactly what it says below.\r"
               "Error # %1\rSource: %2\rDll: %3\rSub: %4-%5")
        .arg(QString::number(failure.number), failure.source, QString::number(systemError),
             procedure, QString::number(step));
}

void ErrorReporter::show(const Failure& failure, const Procedure& procedure) {
    m_prompts.show(
        Message{reportText(failure, m_systemError, procedure.name(), procedure.currentStep()),
                failure.description, Message::Icon::None, Message::Buttons::Ok});
}

void ErrorReporter::fail(const Failure& failure, const Procedure& procedure, AfterReport action,
                         const std::function<void()>& closeDialog) {
    show(failure, procedure);
    switch (action) {
        case AfterReport::EndProgram:
            m_exit.endProgram();
            throw ProcedureAbandoned{};
        case AfterReport::CloseMainWindow:
            if (m_closeMainWindow)
                m_closeMainWindow();
            throw ProcedureAbandoned{};
        case AfterReport::CloseDialog:
            if (closeDialog)
                closeDialog();
            return;
        case AfterReport::Return:
            return;
    }
}

}  // namespace velmira
