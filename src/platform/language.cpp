#include "language.h"

#include "core/state.h"
#include "platform/settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QLibraryInfo>

namespace velmira {

QString storedLanguage(const SettingsStore& settings) {
    const QString stored = settings.read(Setting::Preferences, Setting::Language, QString());
    return isOffered(stored) ? stored : QString();
}

QString languageInForce(const QString& stored, const QStringList& uiLanguages) {
    return isOffered(stored) ? stored : systemLanguage(uiLanguages);
}

LanguageSwitch::LanguageSwitch(SettingsStore& settings, QStringList uiLanguages,
                               QStringList qtFolders)
    : m_settings(settings),
      m_uiLanguages(std::move(uiLanguages)),
      m_qtFolders(std::move(qtFolders)),
      m_chosen(storedLanguage(settings)) {}

LanguageSwitch::~LanguageSwitch() {
    QCoreApplication::removeTranslator(&m_program);
    QCoreApplication::removeTranslator(&m_qt);
}

QStringList LanguageSwitch::defaultQtFolders(const QString& programFolder) {
    return {QDir(programFolder).filePath(QStringLiteral("translations")),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath)};
}

void LanguageSwitch::start() {
    apply(languageInForce(m_chosen, m_uiLanguages));
}

void LanguageSwitch::choose(const QString& code) {
    // Kept first: a choice that cannot be saved changes nothing.
    if (isOffered(code))
        m_settings.write(Setting::Preferences, Setting::Language, code);
    else
        m_settings.remove(Setting::Preferences, Setting::Language);
    m_chosen = isOffered(code) ? code : QString();
    apply(languageInForce(m_chosen, m_uiLanguages));
}

void LanguageSwitch::install(const QString& code) {
    if (m_programLoaded)
        QCoreApplication::removeTranslator(&m_program);
    if (m_qtLoaded)
        QCoreApplication::removeTranslator(&m_qt);
    m_programLoaded = m_qtLoaded = false;
    m_current = code;
    // English is the source texts: nothing to load.
    if (code == QLatin1String("en"))
        return;
    m_programLoaded = m_program.load(programTranslation(code));
    if (m_programLoaded)
        QCoreApplication::installTranslator(&m_program);
    for (const QString& folder : m_qtFolders) {
        if (m_qt.load(QStringLiteral("qtbase_") + code, folder)) {
            m_qtLoaded = true;
            QCoreApplication::installTranslator(&m_qt);
            break;
        }
    }
}

void LanguageSwitch::apply(const QString& code) {
    install(code);
    // The windows get the change as posted events: delivered now, so that every window speaks
    // the new language when the choice returns.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}

}  // namespace velmira
