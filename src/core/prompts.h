#pragma once

#include <QString>

namespace velmira {

// What a message box looks like; texts use CR (character 13) between lines.
struct Message {
    enum class Icon { None, Critical, Information };
    enum class Buttons { Ok, YesNo, OkCancel };
    QString text;
    QString title;
    Icon icon = Icon::None;
    Buttons buttons = Buttons::Ok;
};

enum class Answer { Ok, Yes, No, Cancel };

// Message boxes and the default beep. The program shows real boxes; tests script the answers.
class Prompts {
  public:
    virtual ~Prompts() = default;
    // Blocks until the user answers. For Yes/No boxes Yes is the default button; for OK/Cancel
    // boxes, OK.
    virtual Answer show(const Message& message) = 0;
    virtual void beep() = 0;
};

// Ends the program at once: no window's unload handler runs.
class ProgramExit {
  public:
    virtual ~ProgramExit() = default;
    virtual void endProgram() = 0;
};

}  // namespace velmira
