#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

namespace velmira {

// One language of the "Language" menu: its code (the .ts files' suffix; empty for "As the
// System") and its name as its own speakers write it.
struct Language {
    QString code;
    QString name;
};

// The languages the program speaks, in the menu's order, English last.
const QVector<Language>& offeredLanguages();
bool isOffered(const QString& code);

// The offered language that a system's list of user-interface languages (as
// QLocale::uiLanguages() gives it, most wanted first) asks for first; English where none is.
QString systemLanguage(const QStringList& uiLanguages);

// Where the program's own texts in an offered language other than English lie: embedded in the
// program and in its compiler alike.
QString programTranslation(const QString& code);

}  // namespace velmira
