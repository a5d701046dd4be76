#pragma once

#include "platform/openfolder.h"

#include <QByteArray>
#include <QString>

#include <chrono>
#include <functional>
#include <optional>
#include <vector>

namespace velmira {

// The config files the game executes for a mod, in the order it executes them: config.cfg
// (from the game's <mod>.rc), userconfig.cfg (from config.cfg's last line) and autoexec.cfg
// (from the .rc after config.cfg). A setting in a later file wins over an earlier one.
inline const QString kConfigFileName = QStringLiteral("config.cfg");
inline const QString kUserConfigFileName = QStringLiteral("userconfig.cfg");
inline const QString kAutoexecFileName = QStringLiteral("autoexec.cfg");

// The largest config file read: the game's own are a few KB.
constexpr qint64 kMaxConfigRead = 256 * 1024;

// What a changed config file's old bytes are kept as, beside it.
inline const QString kConfigCopySuffix = QStringLiteral(".velmira-backup");

// One console command of a config file that gives a value: `name value`, as the engine's
// command buffer splits and tokenizes it.
struct ConfigCommand {
    int line = 0;               // 1-based line of the file the command starts on
    QByteArray name;            // as written
    QByteArray value;           // the first argument, without quotes
    qsizetype valueAt = 0;      // where the argument lies in the file, quotes included
    qsizetype valueLength = 0;  // its length there, quotes included
    bool quoted = false;
};

// The commands of a config file that give a value, in order. Commands end at a line end (\n) or
// at a ';' outside quotes; a "//" where a word would start ends the command (a ';' after it
// still starts the next one, as in the engine). Any bytes are taken, up to the first NUL: the
// engine reads the file as a C string and stops there.
std::vector<ConfigCommand> parseConfig(const QByteArray& bytes);

// Whether the engine reads a setting's value as on: it takes the number at its start, so "1",
// "2" and "0.5" are on, and "0", "" and words are off.
bool settingIsOn(const QByteArray& value);

// One config file of a mod as read.
struct ConfigFile {
    QString name;
    bool present = false;
    QByteArray bytes;
    QString problem;    // why it was not read (a link, not a plain file, too large); empty if read
    bool link = false;  // read through a link of the player's own
    OpenFolder::FileState state;  // what the file was as read
};

// The mod's config files in the order the game executes them, each read only when at most
// kMaxConfigRead bytes long, through a link only when the link is the player's own.
std::vector<ConfigFile> readModConfig(const OpenFolder& mod);

// Where the game takes a variable's value from.
struct ConfigSetting {
    QString file;  // empty: no file sets it, the engine's default holds
    ConfigCommand command;
    QByteArray value;
};

// The value a variable will have: its last setting in the files, else `defaultValue`. Names are
// compared without regard to case, as the engine does.
ConfigSetting settingOf(const std::vector<ConfigFile>& files, const QByteArray& variable,
                        const QByteArray& defaultValue);

// What turning a setting on did.
struct ConfigChange {
    bool changed = false;
    QString text;  // one plain sentence: what was changed, or why nothing was
};

// How long a file must stay as read before it is replaced, and how often it is read again when
// another program keeps writing it.
struct ConfigEditTiming {
    std::chrono::milliseconds settle{300};
    int tries = 5;
};

// Sets `variable` to 1 where the game takes it from, changing only the characters of that one
// value (every other byte, quote, line end and encoding stay), with the file as it was kept
// beside it as <file>.velmira-backup (no more open than the file). Refused while `gameRunning`
// says the game runs (it writes config.cfg as it quits), while a config file cannot be read,
// when the file is a link, and when another program keeps writing the file: the file is
// replaced only once it has stayed as read for `timing.settle`, and only if it is still so. A
// variable no file sets to off is left alone. Takes up to tries × settle: not for the window's
// thread.
ConfigChange turnSettingOn(const QString& gameFolder, const QString& mod,
                           const QByteArray& variable, const std::function<bool()>& gameRunning,
                           const ConfigEditTiming& timing = {});

}  // namespace velmira
