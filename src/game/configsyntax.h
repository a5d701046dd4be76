#pragma once

#include <QByteArray>
#include <QList>

#include <vector>

namespace velmira {

// The engines read a config file's text in their own ways: where a command ends, what a blank
// is, what a comment hides, how a quote is escaped. Each rule here is one engine's own (see
// docs/games.md for the lines of the engines' sources it comes from).
enum class ConfigEngine {
    GoldSrc,  // Half-Life's own engine, on Windows and on Linux
    Xash,     // Xash3D FWGS
};

// One console command as the engine splits and tokenizes it.
struct ConfigCommand {
    int line = 0;             // 1-based line of the file the command starts on
    QList<QByteArray> words;  // its words, quotes taken off
    // Where the second word (a setting's value) lies in the file, quotes included, and whether
    // it was quoted; -1 when the command has no second word.
    qsizetype valueAt = -1;
    qsizetype valueLength = 0;
    bool quoted = false;

    QByteArray name() const { return words.isEmpty() ? QByteArray() : words.front(); }
    // A setting's value is its second word; a name alone prints the value and sets nothing.
    bool setsValue() const { return words.size() >= 2; }
    QByteArray value() const { return words.size() >= 2 ? words[1] : QByteArray(); }
};

// The commands of a config file, in order, as `engine` executes them: the text up to the first
// NUL byte, split into commands and each command into words.
std::vector<ConfigCommand> parseConfig(const QByteArray& bytes,
                                       ConfigEngine engine = ConfigEngine::GoldSrc);

// The number the engine reads a setting's value as, from the value's start, 0 when there is
// none. GoldSrc: C's atof (blanks, a sign, decimal or 0x hexadecimal digits, an exponent, inf and
// nan). Xash3D: its own Q_atof (spaces, a '-', 0x digits as an int, 'c' as a character's code,
// decimal digits and a point; "+1", "1e3"'s exponent, inf and nan are not numbers to it).
double settingNumber(const QByteArray& value, ConfigEngine engine = ConfigEngine::GoldSrc);

// Whether the engine takes a switch as on: any number but 0 (nan included, as `if (!value)` is
// false for it).
bool settingIsOn(const QByteArray& value, ConfigEngine engine = ConfigEngine::GoldSrc);

// Whether two names are the same setting or command: the engines compare them without regard to
// the case of ASCII letters.
bool sameName(const QByteArray& a, const QByteArray& b);

}  // namespace velmira
