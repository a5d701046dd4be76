#include "configrun.h"

#include <algorithm>

namespace velmira {

ConfigEngine engineOf(ConfigOrder order) {
    return order == ConfigOrder::Xash ? ConfigEngine::Xash : ConfigEngine::GoldSrc;
}

ConfigFiles::ConfigFiles(QStringList searchPath, Reader reader, Lister lister)
    : m_searchPath(std::move(searchPath)),
      m_reader(std::move(reader)),
      m_lister(std::move(lister)) {}

const ConfigFileRead* ConfigFiles::find(const QString& name) {
    const QString key = name.toLower();
    if (auto known = m_found.find(key); known != m_found.end())
        return known->second.get();
    std::unique_ptr<ConfigFileRead> found;
    for (const QString& folder : m_searchPath) {
        ConfigFileRead file = m_reader ? m_reader(folder, name) : ConfigFileRead{};
        if (file.present) {
            file.folder = folder;
            file.name = name;
            found = std::make_unique<ConfigFileRead>(std::move(file));
            break;
        }
    }
    return (m_found[key] = std::move(found)).get();
}

QStringList ConfigFiles::list(const QString& sub) {
    QStringList names;
    if (!m_lister)
        return names;
    for (const QString& folder : m_searchPath)
        for (const QString& name : m_lister(folder, sub))
            if (!names.contains(name, Qt::CaseInsensitive))
                names << name;
    std::sort(names.begin(), names.end());
    return names;
}

void ConfigFiles::overrideFile(const QString& name, const QByteArray& bytes) {
    auto file = std::make_unique<ConfigFileRead>();
    file->folder = m_searchPath.value(0);
    file->name = name;
    file->present = true;
    file->bytes = bytes;
    file->overridden = true;
    m_found[name.toLower()] = std::move(file);
}

void ConfigFiles::assumeFile(const QString& name, const QByteArray& bytes) {
    overrideFile(name, bytes);
    ConfigFileRead& file = *m_found[name.toLower()];
    file.folder.clear();
    file.overridden = false;
    file.assumed = true;
}

namespace {

// Runs files as the engine's exec does: each command in turn, and a file an exec line names
// at that line's place, before the lines after it (the engine puts the file's text in front of
// what is left of the command buffer).
class Runner {
  public:
    Runner(ConfigFiles& files, ConfigRun& run) : m_files(files), m_run(run) {}

    void execName(const QString& name, int depth) {
        if (const ConfigFileRead* file = m_files.find(name))
            execFile(file, depth);
    }

    void execFile(const ConfigFileRead* file, int depth) {
        if (m_run.ran.size() >= kMaxExecs) {
            m_run.loopStopped = true;
            return;
        }
        m_run.ran.push_back(file);
        if (!file->problem.isEmpty()) {
            if (std::find(m_run.unread.begin(), m_run.unread.end(), file) == m_run.unread.end())
                m_run.unread.push_back(file);
            return;
        }
        const ConfigEngine engine = engineOf(m_run.order);
        auto& split = file->split[engine == ConfigEngine::Xash ? 1 : 0];
        if (!split)
            split = std::make_shared<const std::vector<ConfigCommand>>(
                parseConfig(file->bytes, engine));
        for (const ConfigCommand& command : *split) {
            if (sameName(command.name(), QByteArrayLiteral("exec"))) {
                const QString name = execName(command);
                if (name.isEmpty())
                    continue;
                if (depth >= kMaxExecDepth) {
                    m_run.loopStopped = true;
                    continue;
                }
                execName(name, depth + 1);
            } else if (command.setsValue()) {
                m_run.sets.push_back(SettingSet{file, command});
            }
        }
    }

    // The file an exec line runs, as the engine takes its argument; empty when it refuses it.
    QString execName(const ConfigCommand& command) const {
        QString name = QString::fromLatin1(command.value());
        if (engineOf(m_run.order) == ConfigEngine::Xash) {
            // Xash3D adds .cfg to a name without an extension, and takes any other.
            if (command.words.size() < 2 || name.isEmpty())
                return QString();
            if (!name.section(QLatin1Char('/'), -1).contains(QLatin1Char('.')))
                name += QStringLiteral(".cfg");
            return name;
        }
        // GoldSrc takes exactly one name, never one that could leave the game's folders, and
        // only a .cfg or .rc file.
        if (command.words.size() != 2)
            return QString();
        for (const char* refused : {"\\", ":", "~", ".."})
            if (name.contains(QLatin1String(refused)))
                return QString();
        const QString extension = name.section(QLatin1Char('.'), -1);
        if (name.startsWith(QLatin1Char('/')) || !name.contains(QLatin1Char('.')) ||
            (extension.compare(QLatin1String("cfg"), Qt::CaseInsensitive) != 0 &&
             extension.compare(QLatin1String("rc"), Qt::CaseInsensitive) != 0))
            return QString();
        return name;
    }

    bool hasRun(const QString& name) const {
        return std::any_of(m_run.ran.begin(), m_run.ran.end(), [&](const ConfigFileRead* file) {
            return file->name.compare(name, Qt::CaseInsensitive) == 0;
        });
    }

  private:
    ConfigFiles& m_files;
    ConfigRun& m_run;
};

}  // namespace

ConfigRun runConfig(ConfigFiles& files, ConfigOrder order) {
    ConfigRun run;
    run.order = order;
    Runner runner(files, run);
    const QString config = QStringLiteral("config.cfg");
    if (!files.find(kStartFileName))
        files.assumeFile(kStartFileName, kStartFileDefault);
    runner.execName(kStartFileName, 0);
    switch (order) {
        case ConfigOrder::GoldSrcWindows:
            runner.execName(config, 0);
            break;
        case ConfigOrder::GoldSrcLinux:
            break;
        case ConfigOrder::Xash:
            if (!runner.hasRun(config))
                runner.execName(config, 0);
            for (const QString& name : files.list(QStringLiteral("userconfig.d")))
                runner.execName(QStringLiteral("userconfig.d/") + name, 0);
            break;
    }
    return run;
}

FinalSetting finalSetting(const ConfigRun& run, const QByteArray& variable,
                          const QByteArray& defaultValue) {
    FinalSetting final;
    final.value = defaultValue;
    for (const SettingSet& set : run.sets)
        if (sameName(set.command.name(), variable)) {
            final.set = &set;
            final.value = set.command.value();
        }
    return final;
}

QByteArray configAfterQuit(const ConfigRun& run,
                           const std::vector<std::pair<QByteArray, QByteArray>>& archived) {
    QByteArray text = QByteArrayLiteral(
        "// This file is overwritten whenever you change your "
        "user settings in the game.\nunbindall\n");
    for (const auto& [name, defaultValue] : archived)
        text += name + " \"" + finalSetting(run, name, defaultValue).value + "\"\n";
    text += "exec userconfig.cfg\n";
    return text;
}

}  // namespace velmira
