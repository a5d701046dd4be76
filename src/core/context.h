#pragma once

#include <functional>

#include <QString>
#include <QStringList>

namespace velmira {

class SettingsStore;
class Prompts;
class Desktop;
class HelpViewer;
class ProcessRunner;
class ErrorReporter;
class LanguageSwitch;

// The services the program's procedures use, handed down from start-up (real ones) or from a
// test (scripted ones).
struct Services {
    SettingsStore& settings;
    Prompts& prompts;
    Desktop& desktop;
    HelpViewer& help;
    ProcessRunner& runner;
    ErrorReporter& errors;
    QString programFolder;         // the folder that holds the program and its compiler
    int compileTimeoutMs = 30000;  // how long one compile may run before it is killed
    // The Steam folders searched for the game when no Half-Life folder is stored (none: no
    // search).
    QStringList steamRoots = {};
    // Whether a game is running from a Half-Life folder (none: never asked, as if not).
    std::function<bool(const QString&)> gameRunning = {};
    // The player's language, chosen from the main window's "Language" menu (none: the menu
    // only shows the languages).
    LanguageSwitch* language = nullptr;
};

}  // namespace velmira
