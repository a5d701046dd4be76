#include "gameconfig.h"

#include "platform/openfolder.h"

#include <QCoreApplication>
#include <QThread>

#include <algorithm>
#include <map>
#include <set>

namespace velmira {

namespace {

// How the start of an order is named to the player.
QString startName(ConfigOrder order) {
    switch (order) {
        case ConfigOrder::GoldSrcWindows:
            return QCoreApplication::translate("GameConfig", "a start of the Windows game");
        case ConfigOrder::GoldSrcLinux:
            return QCoreApplication::translate("GameConfig", "a start of the Linux game");
        case ConfigOrder::Xash:
            return QCoreApplication::translate("GameConfig", "a start of Xash3D");
    }
    return QString();
}

// Where a setting was set, for the player: "cstrike/config.cfg line 12".
QString placeOf(const SettingSet& set) {
    return QCoreApplication::translate("GameConfig", "%1 line %2")
        .arg(set.file->shownName())
        .arg(set.command.line);
}

// The file with the listed values changed: only the number at each value's start (after any
// blanks inside its quotes) is replaced, or, when it has none, the value's text up to its
// trailing blanks; quotes, line ends and every other byte stay. A value that is a word of its
// own next to another (`name:0`) gets blanks around the new value so it stays a word.
QByteArray withValues(QByteArray bytes, std::vector<ConfigCommand> commands,
                      const QByteArray& fixed) {
    std::sort(commands.begin(), commands.end(),
              [](const ConfigCommand& a, const ConfigCommand& b) { return a.valueAt > b.valueAt; });
    for (const ConfigCommand& command : commands) {
        const QByteArray value = command.value();
        qsizetype from = 0;
        while (from < value.size() && static_cast<unsigned char>(value[from]) <= ' ')
            ++from;
        qsizetype to = from;
        while (to < value.size() && QByteArrayLiteral("+-.0123456789").contains(value[to]))
            ++to;
        if (to == from) {
            to = value.size();
            while (to > from && static_cast<unsigned char>(value[to - 1]) <= ' ')
                --to;
        }
        QByteArray put = fixed;
        const qsizetype at = command.valueAt + (command.quoted ? 1 : 0) + from;
        // Only a value that is a word of its own (':' and the like) can touch another word.
        if (!command.quoted && value.size() == 1 &&
            QByteArrayLiteral("{}()',:").contains(value[0])) {
            const auto blank = [&](qsizetype i) {
                return i < 0 || i >= bytes.size() || static_cast<unsigned char>(bytes[i]) <= ' ';
            };
            if (!blank(at - 1))
                put.prepend(' ');
            if (!blank(at + (to - from)))
                put.append(' ');
        }
        bytes.replace(at, to - from, put);
    }
    return bytes;
}

// The start and its final value that goes against the player, or none.
struct WrongEnd {
    ConfigOrder order;
    QByteArray value;
    QString where;
};

std::optional<WrongEnd> wrongEnd(ConfigFiles& files, const WantedSetting& wanted,
                                 const std::vector<ConfigOrder>& orders) {
    for (ConfigOrder order : orders) {
        const ConfigRun run = runConfig(files, order);
        const FinalSetting final = finalSetting(run, wanted.variable, wanted.defaultValue);
        if (!settingIsGood(wanted, final.value, engineOf(order)))
            return WrongEnd{
                order, final.value,
                final.set ? placeOf(*final.set)
                          : QCoreApplication::translate("GameConfig", "the engine's default")};
    }
    return std::nullopt;
}

}  // namespace

bool settingIsGood(const WantedSetting& wanted, const QByteArray& value, ConfigEngine engine) {
    const double number = settingNumber(value, engine);
    return wanted.count ? number >= 1 : number != 0;
}

std::vector<ConfigOrder> ordersOf(bool xash) {
    if (xash)
        return {ConfigOrder::Xash};
    return {ConfigOrder::GoldSrcWindows, ConfigOrder::GoldSrcLinux};
}

bool settingHolds(const ModConfigFolders& folders, const WantedSetting& wanted,
                  const std::vector<ConfigOrder>& orders, QString* why) {
    const auto tell = [&](const WrongEnd& wrong, bool afterQuit) {
        if (why)
            *why = (afterQuit
                        ? QCoreApplication::translate(
                              "GameConfig",
                              "After the game quits and starts again, %1 ends with "
                              "%2 \"%3\" (%4).")
                        : QCoreApplication::translate("GameConfig", "%1 ends with %2 \"%3\" (%4)."))
                       .arg(startName(wrong.order), QString::fromLatin1(wanted.variable),
                            QString::fromLatin1(wrong.value), wrong.where);
        return false;
    };
    ConfigFiles files = folders.files();
    if (const auto wrong = wrongEnd(files, wanted, orders))
        return tell(*wrong, false);
    // The game writes config.cfg as it quits, with the value the setting ended with; the next
    // start may be of either client.
    for (ConfigOrder order : orders) {
        const ConfigRun run = runConfig(files, order);  // the files already read, not read again
        ConfigFiles after = folders.files();
        after.overrideFile(QStringLiteral("config.cfg"),
                           configAfterQuit(run, {{wanted.variable, wanted.defaultValue}}));
        if (const auto wrong = wrongEnd(after, wanted, orders))
            return tell(*wrong, true);
    }
    return true;
}

ConfigChange turnSettingOn(const QString& gameFolder, const QString& mod,
                           const WantedSetting& wanted, const std::vector<ConfigOrder>& orders,
                           const std::function<bool()>& gameRunning,
                           const ConfigEditTiming& timing) {
    ConfigChange change;
    const QString name = QString::fromLatin1(wanted.variable);
    if (gameRunning && gameRunning()) {
        change.text = QCoreApplication::translate(
            "GameConfig",
            "Quit the game first: it writes config.cfg as it quits, which "
            "would undo the change.");
        return change;
    }
    QString reason;
    const OpenFolder game = OpenFolder::open(gameFolder, &reason);
    if (!game.isOpen()) {
        change.text =
            QCoreApplication::translate("GameConfig", "The mod folder %1 cannot be opened: %2")
                .arg(mod, reason);
        return change;
    }
    const ModConfigFolders folders(game, mod);
    if (!folders.isOpen()) {
        change.text =
            QCoreApplication::translate("GameConfig", "The mod folder %1 cannot be opened: %2")
                .arg(mod, folders.problem());
        return change;
    }
    const auto settle = [&] { QThread::msleep(static_cast<unsigned long>(timing.settle.count())); };
    QString busy;
    for (int attempt = 0; attempt < std::max(timing.tries, 1); ++attempt) {
        // Read again now: a file may have changed since it was checked.
        ConfigFiles files = folders.files();
        std::vector<ConfigRun> runs;
        for (ConfigOrder order : orders)
            runs.push_back(runConfig(files, order));
        const ConfigFileRead* unread = nullptr;
        const ConfigFileRead* written = nullptr;
        std::set<const ConfigFileRead*> ran;
        for (const ConfigRun& run : runs) {
            for (const ConfigFileRead* file : run.unread)
                (file->state.busy ? written : unread) = file;
            ran.insert(run.ran.begin(), run.ran.end());
        }
        if (unread) {
            change.text =
                QCoreApplication::translate("GameConfig",
                                            "%1 cannot be read (%2), so whether it turns %3 off is "
                                            "not known; nothing was changed.")
                    .arg(unread->shownName(), unread->problem, name);
            return change;
        }
        if (written) {
            busy = written->shownName();
            settle();
            continue;
        }
        // Judged only once every file has stayed as read for a while: a file another program
        // is writing in place (the game, an editor, a sync tool) may be cut short as read, and
        // replacing it would lose what that program writes after.
        settle();
        const auto moved = std::find_if(ran.begin(), ran.end(), [&](const ConfigFileRead* file) {
            const OpenFolder* folder = folders.folder(file->folder);
            return file->present && !file->link && !file->assumed && folder &&
                   folder->stateOf(file->name) != file->state;
        });
        if (moved != ran.end()) {
            busy = (*moved)->shownName();
            continue;
        }
        // Every command against the player, at any start, file by file.
        std::map<const ConfigFileRead*, std::vector<ConfigCommand>> edits;
        std::set<std::pair<const ConfigFileRead*, qsizetype>> seen;
        for (const ConfigRun& run : runs)
            for (const SettingSet& set : run.sets)
                if (sameName(set.command.name(), wanted.variable) &&
                    !settingIsGood(wanted, set.command.value(), engineOf(run.order)) &&
                    seen.insert({set.file, set.command.valueAt}).second)
                    edits[set.file].push_back(set.command);
        if (edits.empty()) {
            change.alreadyOn = true;
            change.holds = true;
            change.text =
                QCoreApplication::translate("GameConfig", "%1 is already on in %2.").arg(name, mod);
            return change;
        }
        for (const auto& [file, commands] : edits) {
            if (file->link) {
                change.text = QCoreApplication::translate(
                                  "GameConfig", "%1 is a link: change %2 in the file it leads to.")
                                  .arg(file->shownName(), name);
                return change;
            }
        }
        bool again = false;
        for (const auto& [file, commands] : edits) {
            const OpenFolder& folder = *folders.folder(file->folder);
            busy = file->shownName();
            const QString copy = file->name + kConfigCopySuffix;
            const QString failed =
                QCoreApplication::translate("GameConfig", "%1 could not be changed: %2");
            if (!folder.keepCopy(file->name, copy, file->bytes, &reason)) {
                change.text = failed.arg(folder.pathOf(file->name), reason);
                return change;
            }
            const OpenFolder::Replaced replaced = folder.replaceIfUnchanged(
                file->name, file->state, withValues(file->bytes, commands, wanted.fixedValue),
                &reason);
            if (replaced == OpenFolder::Replaced::Changed) {
                again = true;
                break;
            }
            if (replaced == OpenFolder::Replaced::Failed) {
                change.text = failed.arg(folder.pathOf(file->name), reason);
                return change;
            }
            change.changed = true;
            for (const ConfigCommand& command : commands) {
                change.places << QCoreApplication::translate("GameConfig", "%1 line %2")
                                     .arg(file->shownName())
                                     .arg(command.line);
                change.text += QCoreApplication::translate(
                                   "GameConfig",
                                   "%1 line %2 now sets %3 to %4 (it was \"%5\"); the file "
                                   "as it was is kept as %6.")
                                   .arg(folder.pathOf(file->name))
                                   .arg(command.line)
                                   .arg(name, QString::fromLatin1(wanted.fixedValue),
                                        QString::fromLatin1(command.value()), copy) +
                               QLatin1Char(' ');
            }
        }
        if (again)
            continue;
        // What the next start and the game's own quit will do with it.
        QString why;
        change.holds = settingHolds(folders, wanted, orders, &why);
        if (!change.holds)
            change.text += QCoreApplication::translate("GameConfig",
                                                       "But the game would still turn it off: %1")
                               .arg(why);
        change.text = change.text.trimmed();
        return change;
    }
    change.text =
        QCoreApplication::translate(
            "GameConfig", "Another program is writing %1; try again when it has finished.")
            .arg(busy);
    return change;
}

ConfigChange turnSettingOn(const QString& gameFolder, const QString& mod,
                           const QByteArray& variable, const std::function<bool()>& gameRunning,
                           const ConfigEditTiming& timing) {
    return turnSettingOn(gameFolder, mod, WantedSetting{variable, "1", "1"}, ordersOf(false),
                         gameRunning, timing);
}

}  // namespace velmira
