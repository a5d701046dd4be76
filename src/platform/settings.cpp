#include "settings.h"

#include "core/failure.h"

#include <QSettings>

#include <memory>

namespace velmira {
namespace {
const QString kTitle = QStringLiteral("Velmira");

std::unique_ptr<QSettings> open(const QString& iniFile) {
    if (iniFile.isEmpty())
        return std::make_unique<QSettings>(QSettings::UserScope, kTitle, kTitle);
    return std::make_unique<QSettings>(iniFile, QSettings::IniFormat);
}
}  // namespace

QtSettingsStore::QtSettingsStore() = default;
QtSettingsStore::QtSettingsStore(QString iniFile) : m_iniFile(std::move(iniFile)) {}

QString QtSettingsStore::read(const QString& section, const QString& key,
                              const QString& defaultValue) const {
    auto settings = open(m_iniFile);
    const QVariant value = settings->value(section + QLatin1Char('/') + key);
    if (!value.isValid())
        return defaultValue;
    // A hand-edited value with an unquoted comma reads back as a list; join it as written.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

void QtSettingsStore::write(const QString& section, const QString& key, const QString& value) {
    auto settings = open(m_iniFile);
    settings->setValue(section + QLatin1Char('/') + key, value);
    settings->sync();
    // A file that did not parse is rewritten whole by the sync: only an access error means
    // the value did not reach the disk.
    if (settings->status() == QSettings::AccessError)
        raise(ErrorNumber::PathFileAccessError,
              QStringLiteral("Could not save the settings to %1").arg(settings->fileName()));
}

}  // namespace velmira
