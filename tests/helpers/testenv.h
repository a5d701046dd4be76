#pragma once

#include "core/context.h"
#include "core/errorreport.h"
#include "core/state.h"
#include "core/windows.h"
#include "platform/desktop.h"
#include "platform/process.h"
#include "platform/prompts.h"
#include "platform/settings.h"

#include <QDir>
#include <QFile>
#include <QRgb>
#include <QStringList>
#include <QTemporaryDir>

#include <atomic>
#include <deque>
#include <functional>
#include <ostream>
#include <thread>
#include <vector>

// Readable QStrings in test failure messages.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace velmira::test {

// Message boxes answered from a script, every box recorded.
class ScriptedPrompts : public Prompts {
  public:
    Answer show(const Message& message) override {
        shown.push_back(message);
        if (message.buttons != Message::Buttons::Ok) {
            if (answers.empty())
                return message.buttons == Message::Buttons::YesNo ? Answer::Yes : Answer::Ok;
            const Answer answer = answers.front();
            answers.pop_front();
            return answer;
        }
        return Answer::Ok;
    }
    void beep() override { ++beeps; }

    QStringList texts() const {
        QStringList out;
        for (const Message& m : shown)
            out << m.text;
        return out;
    }

    std::vector<Message> shown;
    std::deque<Answer> answers;
    int beeps = 0;
};

class RecordingDesktop : public Desktop {
  public:
    int open(const QString& path) override {
        opened << path;
        return 0;
    }
    QStringList opened;
};

class RecordingHelp : public HelpViewer {
  public:
    void showContents() override { ++shown; }
    int shown = 0;
};

// Ending the program is observable: the exit is counted, and the reporter then abandons every
// running procedure.
class RecordingExit : public ProgramExit {
  public:
    void endProgram() override { ++ended; }
    int ended = 0;
};

// A real temporary folder with helpers to lay out files.
class Scratch {
  public:
    Scratch() { dir.setAutoRemove(true); }
    QString path(const QString& relative = QString()) const {
        return relative.isEmpty() ? QDir::toNativeSeparators(dir.path())
                                  : QDir::toNativeSeparators(dir.filePath(relative));
    }
    QString mkdir(const QString& relative) const {
        QDir(dir.path()).mkpath(relative);
        return path(relative);
    }
    QString write(const QString& relative, const QByteArray& bytes) const {
        const QString file = dir.filePath(relative);
        QDir().mkpath(QFileInfo(file).absolutePath());
        QFile f(file);
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return path(relative);
    }

  private:
    QTemporaryDir dir;
};

// Everything a window or a procedure needs, with scripted services and a settings file of its own.
struct TestEnv {
    Scratch scratch;
    QtSettingsStore settings{scratch.path(QStringLiteral("config/Velmira.conf"))};
    ScriptedPrompts prompts;
    RecordingDesktop desktop;
    RecordingHelp help;
    QtProcessRunner runner;
    RecordingExit exit;
    ErrorReporter errors{prompts, exit};
    Services services{
        settings, prompts, desktop, help, runner, errors, scratch.mkdir(QStringLiteral("program")),
        5000};
    AppState state;
    LoadedWindows windows;
};

#ifndef Q_OS_WIN
// Another local user of a shared folder, as fast as a loop can be: while it lives, a thread
// swaps every plain file in `folder` for a link to `target`, and puts links to `target` at
// each of the names `planted` gives (the names the program will want next).
class LinkSwapper {
  public:
    LinkSwapper(const QString& folder, const QString& target, QStringList planted = {});
    ~LinkSwapper();
    LinkSwapper(const LinkSwapper&) = delete;
    LinkSwapper& operator=(const LinkSwapper&) = delete;
    int swaps() const { return m_swaps; }

  private:
    std::atomic<bool> m_stop{false};
    std::atomic<int> m_swaps{0};
    std::thread m_thread;
};
#endif

// The folder of the test programs (the real qlumpy and the fake compilers lie there).
QString binaryFolder();

// A bitmap file of any bit depth (1, 4, 8, 24 or 32; 32 with alpha uses a V4 header), whose
// pixel (x, y) has the colour pattern(x, y).
QByteArray bitmapOfDepth(int bits, int width, int height,
                         const std::function<QRgb(int, int)>& pattern);

// A valid 8-bit bitmap file of the given size, pixels i = (x + y) % colours.
QByteArray bitmap8(int width, int height, int colours = 16);

// A spray WAD the game takes: one 8-bit picture of the given size, pixels (x + y + seed) % 200.
QByteArray sprayWad(int width, int height, int seed = 0);

// One entry of a cache of sprays seen on servers; the offset and length the directory gives
// are the data's own unless set (an entry with an offset set adds no data to the cache).
struct HpkEntry {
    QByteArray data;
    quint32 type = 3;  // a player's spray
    QByteArray name = "tempdecal.wad";
    qint64 offset = -1;
    qint64 length = -1;
};

// A cache (custom.hpk) as the game writes it: the header, the entries' data one after another,
// then the directory.
QByteArray hpkOf(const std::vector<HpkEntry>& entries);

}  // namespace velmira::test
