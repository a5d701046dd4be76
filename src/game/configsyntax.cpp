#include "configsyntax.h"

#include <charconv>
#include <cmath>
#include <optional>

namespace velmira {

namespace {

// How one engine reads a config file's text.
struct Rules {
    // Bytes of 0x80 and above are blanks where a word would start (the tokenizer reads them
    // through a signed char) but go on a word once it has started.
    bool highBytesSkipped;
    bool colonIsWord;          // ':' is a word of its own, as '{', '}', '\'' and ','
    bool parenthesesAreWords;  // so are '(' and ')'
    bool crEndsCommand;        // a carriage return ends a command as a line end does
    bool commentEndsLine;      // a "//" after a blank hides the rest of the line, ';' included
    bool escapedQuotes;        // a \" inside quotes is a quote, not the quote's end
    qsizetype longestCommand;  // a longer command is cut there (GoldSrc) ...
    bool longCommandDropped;   // ... or dropped whole (Xash3D)
    qsizetype longestWord;     // a word this long ends the command's words (0: no limit)
};

constexpr Rules kGoldSrc{true, true, true, false, false, false, 1023, false, 516};
constexpr Rules kXash{false, false, false, true, true, true, 2046, true, 0};

const Rules& rulesOf(ConfigEngine engine) {
    return engine == ConfigEngine::Xash ? kXash : kGoldSrc;
}

bool isBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

bool isSkipped(char c, const Rules& rules) {
    return isBlank(c) || (rules.highBytesSkipped && static_cast<unsigned char>(c) >= 0x80);
}

bool isWordOfItsOwn(char c, const Rules& rules) {
    switch (c) {
        case '{':
        case '}':
        case '\'':
        case ',':
            return true;
        case '(':
        case ')':
            return rules.parenthesesAreWords;
        case ':':
            return rules.colonIsWord;
        default:
            return false;
    }
}

bool isLineEnd(char c, const Rules& rules) {
    return c == '\n' || (rules.crEndsCommand && c == '\r');
}

// Where the command that starts at `from` ends (the ';' or line end, or `size`), as the command
// buffer finds it.
qsizetype commandEnd(const QByteArray& bytes, qsizetype from, qsizetype size, const Rules& rules) {
    bool quoted = false;
    bool comment = false;
    for (qsizetype at = from; at < size; ++at) {
        const char c = bytes[at];
        if (isLineEnd(c, rules))
            return at;
        if (comment)
            continue;
        if (c == '"') {
            quoted = !quoted;
            continue;
        }
        if (quoted) {
            if (rules.escapedQuotes && c == '\\' && at + 1 < size &&
                (bytes[at + 1] == '"' || bytes[at + 1] == '\\'))
                ++at;
            continue;
        }
        if (rules.commentEndsLine && c == '/' && at + 1 < size && bytes[at + 1] == '/' &&
            (at == from || isBlank(bytes[at - 1]))) {
            comment = true;
            continue;
        }
        if (c == ';')
            return at;
    }
    return size;
}

// The words of the command in bytes [from, to), as the tokenizer reads them.
void addWords(const QByteArray& bytes, qsizetype from, qsizetype to, const Rules& rules,
              ConfigCommand& command) {
    qsizetype at = from;
    while (true) {
        while (at < to && isSkipped(bytes[at], rules))
            ++at;
        if (at >= to)
            return;
        // A comment runs to the command's end.
        if (bytes[at] == '/' && at + 1 < to && bytes[at + 1] == '/')
            return;
        const qsizetype start = at;
        QByteArray word;
        bool quoted = false;
        if (bytes[at] == '"') {
            quoted = true;
            ++at;
            while (at < to && bytes[at] != '"') {
                if (rules.escapedQuotes && bytes[at] == '\\' && at + 1 < to && bytes[at + 1] == '"')
                    ++at;
                word += bytes[at++];
            }
            if (at < to)
                ++at;  // the closing quote
        } else if (isWordOfItsOwn(bytes[at], rules)) {
            word = bytes.mid(at++, 1);
        } else {
            while (at < to && !isBlank(bytes[at]) && !isWordOfItsOwn(bytes[at], rules))
                ++at;
            word = bytes.mid(start, at - start);
        }
        if (rules.longestWord > 0 && word.size() >= rules.longestWord)
            return;
        if (command.words.size() == 1) {
            command.valueAt = start;
            command.valueLength = at - start;
            command.quoted = quoted;
        }
        command.words.push_back(std::move(word));
    }
}

}  // namespace

std::vector<ConfigCommand> parseConfig(const QByteArray& bytes, ConfigEngine engine) {
    const Rules& rules = rulesOf(engine);
    std::vector<ConfigCommand> commands;
    const qsizetype nul = bytes.indexOf('\0');
    const qsizetype size = nul < 0 ? bytes.size() : nul;
    int line = 1;
    qsizetype start = 0;
    while (start < size) {
        const qsizetype end = commandEnd(bytes, start, size, rules);
        ConfigCommand command;
        command.line = line;
        if (end - start <= rules.longestCommand)
            addWords(bytes, start, end, rules, command);
        else if (!rules.longCommandDropped)
            addWords(bytes, start, start + rules.longestCommand, rules, command);
        if (!command.words.isEmpty())
            commands.push_back(std::move(command));
        // Lines are counted by line feeds whatever ends a command.
        for (qsizetype at = start; at <= end && at < size; ++at)
            if (bytes[at] == '\n')
                ++line;
        start = end + 1;
    }
    return commands;
}

namespace {

// Xash3D's own Q_atof: spaces, a '-' (a '+' is not a sign), then 0x and hexadecimal digits read
// as an int, a quote and the character after it, or decimal digits with a point; no exponent,
// no inf or nan.
double xashNumber(const QByteArray& value) {
    const char* at = value.constData();
    const char* end = at + value.size();
    while (at < end && *at == ' ')
        ++at;
    int sign = 1;
    if (at < end && *at == '-') {
        sign = -1;
        ++at;
    }
    if (end - at >= 2 && at[0] == '0' && (at[1] == 'x' || at[1] == 'X')) {
        quint32 number = 0;  // shifted as the engine's int is, its high bits lost
        for (at += 2; at < end; ++at) {
            const char c = *at;
            const int digit = c >= '0' && c <= '9'   ? c - '0'
                              : c >= 'a' && c <= 'f' ? c - 'a' + 10
                              : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                     : -1;
            if (digit < 0)
                break;
            number = (number << 4) + static_cast<quint32>(digit);
        }
        return static_cast<double>(static_cast<qint32>(number)) * sign;
    }
    if (at < end && *at == '\'')
        return end - at >= 2 ? static_cast<double>(static_cast<signed char>(at[1])) * sign : 0;
    double number = 0;
    int digits = 0;
    int point = -1;
    for (; at < end; ++at) {
        if (*at == '.') {
            point = digits;
            continue;
        }
        if (*at < '0' || *at > '9')
            break;
        number = number * 10 + (*at - '0');
        ++digits;
    }
    for (; point >= 0 && digits > point; --digits)
        number /= 10;
    return static_cast<double>(static_cast<float>(number * sign));
}

// C's atof, without the C library's locale: blanks, a sign, then "inf"/"nan", 0x and
// hexadecimal digits, or decimal digits with a point and an exponent.
double cNumber(const QByteArray& value) {
    const char* at = value.constData();
    const char* end = at + value.size();
    while (at < end && (*at == ' ' || (*at >= '\t' && *at <= '\r')))
        ++at;
    bool negative = false;
    if (at < end && (*at == '+' || *at == '-'))
        negative = *at++ == '-';
    const auto startsWith = [&](const char* word) {
        const char* p = at;
        for (; *word; ++word, ++p)
            if (p >= end || (*p | 0x20) != *word)
                return false;
        return true;
    };
    double number = 0;
    if (startsWith("inf")) {
        number = HUGE_VAL;
    } else if (startsWith("nan")) {
        number = std::nan("");
    } else {
        std::chars_format format = std::chars_format::general;
        if (end - at > 2 && at[0] == '0' && (at[1] | 0x20) == 'x') {
            const char next = at[2];
            const bool hexDigit =
                (next >= '0' && next <= '9') || ((next | 0x20) >= 'a' && (next | 0x20) <= 'f');
            if (hexDigit || (next == '.' && end - at > 3)) {
                at += 2;
                format = std::chars_format::hex;
            }
        }
        // from_chars takes no sign of its own here (it is taken above) and stops where the
        // number stops, as atof does; a number too large or too small is what atof gives.
        const auto [stop, error] = std::from_chars(at, end, number, format);
        (void)stop;
        if (error == std::errc::result_out_of_range) {
            // Too large becomes infinite, too small becomes 0, as strtod reports them.
            number = 0;
            for (const char* p = at; p < end && ((*p >= '0' && *p <= '9') || *p == '.'); ++p)
                if (*p >= '1' && *p <= '9') {
                    // A mantissa that is not zero: the exponent decides which way it went.
                    const QByteArray rest(at, static_cast<qsizetype>(end - at));
                    const qsizetype e = rest.indexOf(format == std::chars_format::hex ? 'p' : 'e');
                    const bool small = e >= 0 && e + 1 < rest.size() && rest[e + 1] == '-';
                    number = small ? 0 : HUGE_VAL;
                    break;
                }
        } else if (error != std::errc()) {
            number = 0;
        }
    }
    return negative ? -number : number;
}

}  // namespace

double settingNumber(const QByteArray& value, ConfigEngine engine) {
    return engine == ConfigEngine::Xash ? xashNumber(value) : cNumber(value);
}

bool settingIsOn(const QByteArray& value, ConfigEngine engine) {
    return settingNumber(value, engine) != 0;
}

bool sameName(const QByteArray& a, const QByteArray& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

}  // namespace velmira
