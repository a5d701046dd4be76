#include "offeredlanguages.h"

#include <QLocale>

namespace velmira {

const QVector<Language>& offeredLanguages() {
    static const QVector<Language> languages = {
        {QStringLiteral("ru"), QStringLiteral("Русский")},
        {QStringLiteral("zh_CN"), QStringLiteral("简体中文")},
        {QStringLiteral("es"), QStringLiteral("Español")},
        {QStringLiteral("pt_BR"), QStringLiteral("Português (Brasil)")},
        {QStringLiteral("de"), QStringLiteral("Deutsch")},
        {QStringLiteral("fr"), QStringLiteral("Français")},
        {QStringLiteral("pl"), QStringLiteral("Polski")},
        {QStringLiteral("en"), QStringLiteral("English")},
    };
    return languages;
}

bool isOffered(const QString& code) {
    for (const Language& language : offeredLanguages())
        if (language.code == code)
            return true;
    return false;
}

namespace {
// The offered language one user-interface language asks for (empty: none). Chinese in the
// simplified script (mainland China, Singapore) gets Simplified Chinese, Chinese in the
// traditional one none; any Portuguese gets Brazil's, nearer to a player than English.
QString offeredFor(const QString& tag) {
    const QLocale locale(tag);
    switch (locale.language()) {
        case QLocale::Russian:
            return QStringLiteral("ru");
        case QLocale::Chinese:
            return locale.script() == QLocale::TraditionalHanScript ? QString()
                                                                    : QStringLiteral("zh_CN");
        case QLocale::Spanish:
            return QStringLiteral("es");
        case QLocale::Portuguese:
            return QStringLiteral("pt_BR");
        case QLocale::German:
            return QStringLiteral("de");
        case QLocale::French:
            return QStringLiteral("fr");
        case QLocale::Polish:
            return QStringLiteral("pl");
        case QLocale::English:
            return QStringLiteral("en");
        default:
            return QString();
    }
}
}  // namespace

QString systemLanguage(const QStringList& uiLanguages) {
    for (const QString& tag : uiLanguages)
        if (const QString code = offeredFor(tag); !code.isEmpty())
            return code;
    return QStringLiteral("en");
}

QString programTranslation(const QString& code) {
    return QStringLiteral(":/velmira/i18n/velmira_") + code;
}

}  // namespace velmira
