#include "errorreport.h"

#include "core/prompts.h"

namespace velmira {

QString reportText(const Failure& failure, qint32 systemError, const QString& procedure,
                   qint16 step) {
    const QChar cr(13);
    return QStringLiteral(
               "If this happens repeatedly, please let me know exactly what it says below.") +
           cr + QStringLiteral("Error # ") + QString::number(failure.number) + cr +
           QStringLiteral("Source: ") + failure.source + cr + QStringLiteral("Dll: ") +
           QString::number(systemError) + cr + QStringLiteral("Sub: ") + procedure +
           QLatin1Char('-') + QString::number(step);
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
