#pragma once

#include "core/prompts.h"

#include <QString>

namespace velmira {

// Hands folders and files to the desktop: the file manager, a file's associated application,
// and the help viewer. None of these calls waits for what they start.
class Desktop {
  public:
    virtual ~Desktop() = default;
    // Opens a folder or a file with the desktop; returns the system error code it left (0 = none).
    virtual int open(const QString& path) = 0;
};

class QtDesktop : public Desktop {
  public:
    int open(const QString& path) override;
};

// Opens the program's help at its contents page.
class HelpViewer {
  public:
    virtual ~HelpViewer() = default;
    virtual void showContents() = 0;
};

// The help is an HTML document beside the program, shown by the desktop's viewer. A missing
// help file is told by this layer itself, in its own box.
class HtmlHelpViewer : public HelpViewer {
  public:
    HtmlHelpViewer(QString helpFile, Desktop& desktop, Prompts& prompts)
        : m_helpFile(std::move(helpFile)), m_desktop(desktop), m_prompts(prompts) {}
    void showContents() override;

  private:
    QString m_helpFile;
    Desktop& m_desktop;
    Prompts& m_prompts;
};

class ImmediateExit : public ProgramExit {
  public:
    [[noreturn]] void endProgram() override;
};

}  // namespace velmira
