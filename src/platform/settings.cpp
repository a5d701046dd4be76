#include "settings.h"

#include "core/failure.h"

#include <QSettings>

#include <memory>

namespace velmira {
namespace {
#ifdef Q_OS_WIN
const QString kWindowsStore =
    QStringLiteral("HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\Velmira");
#endif

std::unique_ptr<QSettings> open(const QString& iniFile, const QString& registryKey) {
    if (!iniFile.isEmpty())
        return std::make_unique<QSettings>(iniFile, QSettings::IniFormat);
    if (!registryKey.isEmpty())
        return std::make_unique<QSettings>(registryKey, QSettings::NativeFormat);
#ifdef Q_OS_WIN
    return std::make_unique<QSettings>(kWindowsStore, QSettings::NativeFormat);
#else
    const QString title = QStringLiteral("Velmira");
    return std::make_unique<QSettings>(QSettings::UserScope, title, title);
#endif
}
}  // namespace

QString userStoreLocation() {
    return open(QString(), QString())->fileName();
}

QtSettingsStore::QtSettingsStore() = default;
QtSettingsStore::QtSettingsStore(QString iniFile) : m_iniFile(std::move(iniFile)) {}

QtSettingsStore QtSettingsStore::registryKey(QString key) {
    QtSettingsStore store;
    store.m_registryKey = std::move(key);
    return store;
}

QString QtSettingsStore::read(const QString& section, const QString& key,
                              const QString& defaultValue) const {
    auto settings = open(m_iniFile, m_registryKey);
    const QVariant value = settings->value(section + QLatin1Char('/') + key);
    if (!value.isValid())
        return defaultValue;
    // A hand-edited value with an unquoted comma reads back as a list; join it as written.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

void QtSettingsStore::write(const QString& section, const QString& key, const QString& value) {
    auto settings = open(m_iniFile, m_registryKey);
    settings->setValue(section + QLatin1Char('/') + key, value);
    settings->sync();
    // A file that did not parse is rewritten whole by the sync: only an access error means
    // the value did not reach the disk.
    if (settings->status() == QSettings::AccessError)
        raise(ErrorNumber::PathFileAccessError,
              QStringLiteral("Could not save the settings to %1").arg(settings->fileName()));
}

}  // namespace velmira
