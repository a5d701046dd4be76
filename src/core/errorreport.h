#pragma once

#include "core/failure.h"

#include <QCoreApplication>
#include <QString>

#include <functional>
#include <new>

namespace velmira {

class Prompts;
class ProgramExit;

// Thrown when an error report has closed the main window or ended the program: every
// procedure still running stops at once, and the outermost one returns quietly.
struct ProcedureAbandoned {};

// What a procedure does once its error report has been confirmed.
enum class AfterReport { EndProgram, CloseMainWindow, CloseDialog, Return };

// The running procedure as its error report names it: its fixed name and the number of the
// numbered statement last begun (0 before the first).
class Procedure {
  public:
    explicit Procedure(const char* name) : m_name(QString::fromLatin1(name)) {}
    void step(qint16 number) { m_step = number; }
    qint16 currentStep() const { return m_step; }
    const QString& name() const { return m_name; }

  private:
    QString m_name;
    qint16 m_step = 0;
};

// The fixed text of the error report.
QString reportText(const Failure& failure, qint32 systemError, const QString& procedure,
                   qint16 step);

// Runs procedures under the one error report: a failure shows the report and then carries out
// the procedure's after-report action.
class ErrorReporter {
  public:
    ErrorReporter(Prompts& prompts, ProgramExit& exit) : m_prompts(prompts), m_exit(exit) {}

    void setMainWindowCloser(std::function<void()> closer) {
        m_closeMainWindow = std::move(closer);
    }

    // The system error code of the most recent direct call of a system service.
    void recordSystemError(qint32 code) { m_systemError = code; }
    qint32 systemError() const { return m_systemError; }

    // Runs body(Procedure&). On a failure: the report, then the action. closeDialog is used
    // for AfterReport::CloseDialog.
    template <class Body>
    void run(const char* name, AfterReport action, Body&& body,
             const std::function<void()>& closeDialog = {}) {
        Depth depth(m_depth);
        Procedure procedure(name);
        try {
            try {
                body(procedure);
            } catch (const VelmiraError& error) {
                fail(error.failure(), procedure, action, closeDialog);
            } catch (const std::bad_alloc&) {
                fail(Failure{ErrorNumber::OutOfMemory, kProjectSource,
                             QCoreApplication::translate("velmira::Failure", "Out of memory")},
                     procedure, action, closeDialog);
            }
        } catch (const ProcedureAbandoned&) {
            if (depth.outermost())
                return;
            throw;
        }
    }

    // Runs a modal loop (a dialog's exec): handlers started inside it are outermost again.
    template <class Loop>
    auto modal(Loop&& loop) {
        const int saved = m_depth;
        m_depth = 0;
        struct Restore {
            int& depth;
            int saved;
            ~Restore() { depth = saved; }
        } restore{m_depth, saved};
        return loop();
    }

    // Shows the report box for a failure, without any after-report action.
    void show(const Failure& failure, const Procedure& procedure);

  private:
    class Depth {
      public:
        explicit Depth(int& depth) : m_depth(depth) { ++m_depth; }
        ~Depth() { --m_depth; }
        bool outermost() const { return m_depth == 1; }

      private:
        int& m_depth;
    };

    void fail(const Failure& failure, const Procedure& procedure, AfterReport action,
              const std::function<void()>& closeDialog);

    Prompts& m_prompts;
    ProgramExit& m_exit;
    std::function<void()> m_closeMainWindow;
    qint32 m_systemError = 0;
    int m_depth = 0;
};

}  // namespace velmira
