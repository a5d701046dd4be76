#include "gameconfig.h"

#include "platform/openfolder.h"

#include <QCoreApplication>
#include <QThread>

#include <algorithm>

namespace velmira {

namespace {

bool isSpace(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

// The first two words of one command (bytes [from, to) of the file), as the engine's tokenizer
// reads them: blanks between, a quoted word up to its closing quote, "//" before a word ends
// the command.
std::optional<ConfigCommand> commandIn(const QByteArray& bytes, qsizetype from, qsizetype to,
                                       int line) {
    ConfigCommand command;
    command.line = line;
    qsizetype at = from;
    for (int word = 0; word < 2; ++word) {
        while (at < to && isSpace(bytes[at]))
            ++at;
        if (at >= to || (bytes[at] == '/' && at + 1 < to && bytes[at + 1] == '/'))
            return std::nullopt;
        const qsizetype start = at;
        QByteArray text;
        bool quoted = false;
        if (bytes[at] == '"') {
            quoted = true;
            const qsizetype close = bytes.indexOf('"', at + 1);
            const qsizetype end = (close < 0 || close >= to) ? to : close;
            text = bytes.mid(at + 1, end - at - 1);
            at = end < to ? end + 1 : to;
        } else {
            while (at < to && !isSpace(bytes[at]))
                ++at;
            text = bytes.mid(start, at - start);
        }
        if (word == 0) {
            command.name = text;
        } else {
            command.value = text;
            command.valueAt = start;
            command.valueLength = at - start;
            command.quoted = quoted;
        }
    }
    return command;
}

QString translate(const char* text) {
    return QCoreApplication::translate("GameConfig", text);
}

}  // namespace

std::vector<ConfigCommand> parseConfig(const QByteArray& bytes) {
    std::vector<ConfigCommand> commands;
    const qsizetype nul = bytes.indexOf('\0');
    const qsizetype size = nul < 0 ? bytes.size() : nul;
    int line = 1;
    // A UTF-8 mark at the start is passed over, as the engine's exec does.
    qsizetype start = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    while (start < size) {
        // The command runs to a line end, or to a ';' that no quote opened before it (a \r is a
        // blank like any other).
        int quotes = 0;
        qsizetype end = start;
        for (; end < size; ++end) {
            const char c = bytes[end];
            if (c == '"')
                ++quotes;
            if ((quotes % 2 == 0 && c == ';') || c == '\n')
                break;
        }
        if (auto command = commandIn(bytes, start, end, line))
            commands.push_back(std::move(*command));
        if (end < size && bytes[end] == '\n')
            ++line;
        start = end + 1;
    }
    return commands;
}

bool settingIsOn(const QByteArray& value) {
    // The number at the start of the value: its sign, digits and decimal point; on when any of
    // its digits is not 0 (an exponent cannot make a non-zero number zero, nor zero non-zero).
    qsizetype at = 0;
    while (at < value.size() && isSpace(value[at]))
        ++at;
    if (at < value.size() && (value[at] == '+' || value[at] == '-'))
        ++at;
    bool point = false;
    for (; at < value.size(); ++at) {
        const char c = value[at];
        if (c == '.' && !point) {
            point = true;
            continue;
        }
        if (c < '0' || c > '9')
            break;
        if (c != '0')
            return true;
    }
    return false;
}

std::vector<ConfigFile> readModConfig(const OpenFolder& mod) {
    std::vector<ConfigFile> files;
    for (const QString& name : {kConfigFileName, kUserConfigFileName, kAutoexecFileName}) {
        ConfigFile file;
        file.name = name;
        QString why;
        switch (mod.kindOf(name)) {
            case OpenFolder::Kind::Missing:
                break;
            case OpenFolder::Kind::Link:
                file.present = true;
                file.link = true;
                if (!mod.linkIsPlayers(name, &why))
                    file.problem = why;
                else if (auto bytes = mod.readFile(name, kMaxConfigRead, &file.state,
                                                   OpenFolder::Links::PlayersFollowed))
                    file.bytes = std::move(*bytes);
                else
                    file.problem = translate("it cannot be read or is larger than 256 KB");
                break;
            case OpenFolder::Kind::Folder:
            case OpenFolder::Kind::Other:
                file.present = true;
                file.problem = translate("it is not a plain file");
                break;
            case OpenFolder::Kind::File:
                file.present = true;
                if (auto bytes = mod.readFile(name, kMaxConfigRead, &file.state))
                    file.bytes = std::move(*bytes);
                else
                    file.problem = translate("it cannot be read or is larger than 256 KB");
                break;
        }
        files.push_back(std::move(file));
    }
    return files;
}

ConfigSetting settingOf(const std::vector<ConfigFile>& files, const QByteArray& variable,
                        const QByteArray& defaultValue) {
    ConfigSetting setting;
    setting.value = defaultValue;
    const QString wanted = QString::fromLatin1(variable);
    for (const ConfigFile& file : files) {
        if (!file.problem.isEmpty())
            continue;
        for (const ConfigCommand& command : parseConfig(file.bytes)) {
            if (QString::fromLatin1(command.name).compare(wanted, Qt::CaseInsensitive) != 0)
                continue;
            setting.file = file.name;
            setting.command = command;
            setting.value = command.value;
        }
    }
    return setting;
}

namespace {

// The file with one value changed to 1: only the number at the value's start (after any blanks
// inside its quotes) is replaced, or, when it has none, the value's text up to its trailing
// blanks; quotes, line ends and every other byte stay.
QByteArray withValueOn(const QByteArray& bytes, const ConfigCommand& command) {
    const QByteArray& value = command.value;
    qsizetype from = 0;
    while (from < value.size() && isSpace(value[from]))
        ++from;
    qsizetype to = from;
    while (to < value.size() && QByteArrayLiteral("+-.0123456789").contains(value[to]))
        ++to;
    if (to == from) {
        to = value.size();
        while (to > from && isSpace(value[to - 1]))
            --to;
    }
    QByteArray changed = bytes;
    changed.replace(command.valueAt + (command.quoted ? 1 : 0) + from, to - from,
                    QByteArrayLiteral("1"));
    return changed;
}

}  // namespace

ConfigChange turnSettingOn(const QString& gameFolder, const QString& mod,
                           const QByteArray& variable, const std::function<bool()>& gameRunning,
                           const ConfigEditTiming& timing) {
    ConfigChange change;
    const QString name = QString::fromLatin1(variable);
    if (gameRunning && gameRunning()) {
        change.text = translate(
            "Quit the game first: it writes config.cfg as it quits, which "
            "would undo the change.");
        return change;
    }
    QString reason;
    const OpenFolder game = OpenFolder::open(gameFolder, &reason);
    const OpenFolder folder = game.isOpen() ? game.child(mod, false, &reason) : OpenFolder();
    if (!folder.isOpen()) {
        change.text = translate("The mod folder %1 cannot be opened: %2").arg(mod, reason);
        return change;
    }
    const auto settle = [&] { QThread::msleep(static_cast<unsigned long>(timing.settle.count())); };
    QString busy;
    for (int attempt = 0; attempt < std::max(timing.tries, 1); ++attempt) {
        // Read again now: the file may have changed since it was checked.
        const std::vector<ConfigFile> files = readModConfig(folder);
        const auto unread = std::find_if(files.begin(), files.end(), [](const ConfigFile& file) {
            return !file.problem.isEmpty() && !file.state.busy;
        });
        if (unread != files.end()) {
            change.text = translate(
                              "%1 in %2 cannot be read (%3), so whether it turns %4 off is "
                              "not known; nothing was changed.")
                              .arg(unread->name, folder.path(), unread->problem, name);
            return change;
        }
        const auto written = std::find_if(files.begin(), files.end(),
                                          [](const ConfigFile& file) { return file.state.busy; });
        if (written != files.end()) {
            busy = written->name;
            settle();
            continue;
        }
        // Judged only once every file has stayed as read for a while: a file another program
        // is writing in place (the game, an editor, a sync tool) may be cut short as read, and
        // replacing it would lose what that program writes after.
        settle();
        const auto moved = std::find_if(files.begin(), files.end(), [&](const ConfigFile& file) {
            return file.present && !file.link && folder.stateOf(file.name) != file.state;
        });
        if (moved != files.end()) {
            busy = moved->name;
            continue;
        }
        const ConfigSetting setting = settingOf(files, variable, QByteArrayLiteral("1"));
        if (setting.file.isEmpty() || settingIsOn(setting.value)) {
            change.text = translate("%1 is already on in %2.").arg(name, mod);
            return change;
        }
        const ConfigFile& file =
            *std::find_if(files.begin(), files.end(),
                          [&](const ConfigFile& f) { return f.name == setting.file; });
        if (file.link) {
            change.text = translate("%1 in %2 is a link: change %3 in the file it leads to.")
                              .arg(setting.file, folder.path(), name);
            return change;
        }
        busy = setting.file;
        const QString copy = setting.file + kConfigCopySuffix;
        if (!folder.keepCopy(setting.file, copy, file.bytes, &reason)) {
            change.text = translate("%1 in %2 could not be changed: %3")
                              .arg(setting.file, folder.path(), reason);
            return change;
        }
        const OpenFolder::Replaced replaced = folder.replaceIfUnchanged(
            setting.file, file.state, withValueOn(file.bytes, setting.command), &reason);
        if (replaced == OpenFolder::Replaced::Changed)
            continue;
        if (replaced == OpenFolder::Replaced::Failed) {
            change.text = translate("%1 in %2 could not be changed: %3")
                              .arg(setting.file, folder.path(), reason);
            return change;
        }
        change.changed = true;
        change.text = translate(
                          "%1 line %2 now sets %3 to 1 (it was \"%4\"); the file as it was is "
                          "kept as %5.")
                          .arg(folder.pathOf(setting.file))
                          .arg(setting.command.line)
                          .arg(name, QString::fromLatin1(setting.value), copy);
        return change;
    }
    change.text =
        translate("Another program is writing %1; try again when it has finished.").arg(busy);
    return change;
}

}  // namespace velmira
