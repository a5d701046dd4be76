#pragma once

#include "core/prompts.h"

#include <QString>

#include <functional>

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

// The help page for a language in a folder: Velmr04_<language>.html where the folder has it,
// else the English page Velmr04.html, which is returned even when it is missing too. English
// and any language that is not offered get the English page.
QString helpFileFor(const QString& folder, const QString& language);

// The help is an HTML document beside the program, shown by the desktop's viewer in the
// language in force when it is asked for. A missing help file is told by this layer itself, in
// its own box.
class HtmlHelpViewer : public HelpViewer {
  public:
    // folder: where the help pages lie; language: the language in force, asked at each opening.
    HtmlHelpViewer(QString folder, std::function<QString()> language, Desktop& desktop,
                   Prompts& prompts)
        : m_folder(std::move(folder)),
          m_language(std::move(language)),
          m_desktop(desktop),
          m_prompts(prompts) {}
    void showContents() override;

  private:
    QString m_folder;
    std::function<QString()> m_language;
    Desktop& m_desktop;
    Prompts& m_prompts;
};

class ImmediateExit : public ProgramExit {
  public:
    [[noreturn]] void endProgram() override;
};

}  // namespace velmira
