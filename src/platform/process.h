#pragma once

#include <QString>
#include <QStringList>

namespace velmira {

struct RunResult {
    bool started = false;
    bool timedOut = false;  // the program was killed after the wait ran out
    int exitCode = -1;
    int systemError = 0;  // the operating-system error code the run left (0 = none)
};

// Runs a program hidden, with its arguments passed separately (never through a shell), and
// waits for it to end, at most timeoutMs.
class ProcessRunner {
  public:
    virtual ~ProcessRunner() = default;
    virtual RunResult run(const QString& program, const QStringList& arguments, int timeoutMs) = 0;
};

class QtProcessRunner : public ProcessRunner {
  public:
    RunResult run(const QString& program, const QStringList& arguments, int timeoutMs) override;
};

}  // namespace velmira
