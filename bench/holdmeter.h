#pragma once

// What a window's work costs while a benchmark runs: the process's peak resident memory and the
// window's longest hold (the longest time its event loop did not turn).

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTimer>

#include <algorithm>
#include <ctime>
#include <functional>

namespace velmira::bench {

inline double peakMegabytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return 0;
}

inline void resetPeak() {
    QFile refs(QStringLiteral("/proc/self/clear_refs"));
    if (refs.open(QIODevice::WriteOnly))
        refs.write("5");
}

// The longest time between two turns of the event loop while it runs: as the clock on the wall
// goes (which a loaded machine lengthens), and as the window's thread's own processor time goes
// (what the window's work itself costs).
class HoldMeter {
  public:
    HoldMeter() {
        m_timer.setInterval(0);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            const double cpu = threadMilliseconds();
            m_longest = std::max(m_longest, m_clock.restart());
            m_longestCpu = std::max(m_longestCpu, cpu - m_lastCpu);
            m_lastCpu = cpu;
        });
        m_clock.start();
        m_lastCpu = threadMilliseconds();
        m_timer.start();
    }
    qint64 longest() const { return m_longest; }
    double longestCpu() const { return m_longestCpu; }

  private:
    static double threadMilliseconds() {
#ifdef Q_OS_LINUX
        timespec now{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
        return static_cast<double>(now.tv_sec) * 1000.0 + static_cast<double>(now.tv_nsec) / 1e6;
#else
        return 0;  // the thread's own time is read on Linux only
#endif
    }
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_longest = 0;
    double m_lastCpu = 0;
    double m_longestCpu = 0;
};

// Turns the event loop until `done` (checked at each turn) or the time is up.
inline bool runUntil(const std::function<bool()>& done, int seconds = 120) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > seconds * 1000)
            return false;
        QEventLoop loop;
        QTimer::singleShot(1, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return true;
}

}  // namespace velmira::bench
