#pragma once

#include "platform/offeredlanguages.h"

#include <QString>
#include <QStringList>
#include <QTranslator>

namespace velmira {

class SettingsStore;

// The language the player chose and stored; empty for "As the System", which is also what a
// stored language that is not offered reads as.
QString storedLanguage(const SettingsStore& settings);

// The language in force: the stored choice, else the system's.
QString languageInForce(const QString& stored, const QStringList& uiLanguages);

// The program's translation and Qt's own (standard buttons, file and colour dialogs, the line
// edits' menu) for the language in force, installed into the application. Installing them sends
// every window a LanguageChange event, on which it sets its texts anew.
class LanguageSwitch {
  public:
    // settings: where the choice is kept; uiLanguages: the system's; qtFolders: where Qt's own
    // qtbase_<code>.qm files are looked for, first found first.
    LanguageSwitch(SettingsStore& settings, QStringList uiLanguages, QStringList qtFolders);
    ~LanguageSwitch();
    LanguageSwitch(const LanguageSwitch&) = delete;
    LanguageSwitch& operator=(const LanguageSwitch&) = delete;

    // Installs the language in force at start-up.
    void start();
    // Stores a choice from the menu (empty: as the system) and applies it at once.
    void choose(const QString& code);
    // The choice in force, empty for "As the System": the stored one at first.
    QString chosen() const { return m_chosen; }
    // The language whose texts are installed ("en": the source texts).
    QString current() const { return m_current; }
    // Whether Qt's own texts were found for the language in force.
    bool hasQtTexts() const { return m_qtLoaded; }

    // Where Qt's own translations lie: beside the program in a "translations" folder (the
    // self-contained download, Windows), then Qt's own folder (a system's Qt).
    static QStringList defaultQtFolders(const QString& programFolder);

  private:
    void apply(const QString& code);
    void install(const QString& code);

    SettingsStore& m_settings;
    QStringList m_uiLanguages;
    QStringList m_qtFolders;
    QTranslator m_program;
    QTranslator m_qt;
    bool m_programLoaded = false;
    bool m_qtLoaded = false;
    QString m_chosen;
    QString m_current = QStringLiteral("en");
};

}  // namespace velmira
