#include "settings.h"

#include "core/failure.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <memory>

namespace velmira {
namespace {
#ifdef Q_OS_WIN
const QString kWindowsStore =
    QStringLiteral("HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\Velmira");
#endif

// The settings file (none where the store is the registry).
QString storeFile(const QString& iniFile, const QString& registryKey) {
    if (!iniFile.isEmpty() || !registryKey.isEmpty())
        return iniFile;
#ifdef Q_OS_WIN
    return QString();
#else
    // QSettings' own file for organisation and application "Velmira", named here so that it can
    // be looked at before QSettings reads it.
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Velmira/Velmira.conf");
#endif
}

std::unique_ptr<QSettings> open(const QString& iniFile, const QString& registryKey) {
    if (!registryKey.isEmpty())
        return std::make_unique<QSettings>(registryKey, QSettings::NativeFormat);
#ifdef Q_OS_WIN
    if (iniFile.isEmpty())
        return std::make_unique<QSettings>(kWindowsStore, QSettings::NativeFormat);
#endif
    return std::make_unique<QSettings>(storeFile(iniFile, registryKey), QSettings::IniFormat);
}

// Whether a settings file may be read: none yet, or a regular file of a settings file's size. A
// FIFO would stop the start, a huge file every read.
bool readable(const QString& file) {
    const QFileInfo info(file);
    return file.isEmpty() || (!info.exists() && !info.isSymLink()) ||
           (info.isFile() && info.size() <= kMaxSettingsFileSize);
}
}  // namespace

QString userStoreLocation() {
#ifdef Q_OS_WIN
    return kWindowsStore;
#else
    return storeFile(QString(), QString());
#endif
}

QSettings* QtSettingsStore::settings() const {
    // Opened once, so that the file is read once, not for every value.
    if (!m_settings && !m_unusable) {
        if (readable(storeFile(m_iniFile, m_registryKey)))
            m_settings = open(m_iniFile, m_registryKey);
        else
            m_unusable = true;
    }
    return m_settings.get();
}

QtSettingsStore::QtSettingsStore() = default;
QtSettingsStore::QtSettingsStore(QString iniFile) : m_iniFile(std::move(iniFile)) {}
QtSettingsStore::QtSettingsStore(QtSettingsStore&&) noexcept = default;
QtSettingsStore::~QtSettingsStore() = default;

QtSettingsStore QtSettingsStore::registryKey(QString key) {
    QtSettingsStore store;
    store.m_registryKey = std::move(key);
    return store;
}

QString QtSettingsStore::read(const QString& section, const QString& key,
                              const QString& defaultValue) const {
    QSettings* settings = this->settings();
    const QVariant value =
        settings ? settings->value(section + QLatin1Char('/') + key) : QVariant();
    if (!value.isValid())
        return defaultValue;
    // A hand-edited value with an unquoted comma reads back as a list; join it as written.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

void QtSettingsStore::write(const QString& section, const QString& key, const QString& value) {
    QSettings* settings = this->settings();
    if (!settings) {
        // A settings file that is not one is left as it is, and said so once.
        if (m_told)
            return;
        m_told = true;
        raise(
            ErrorNumber::PathFileAccessError,
            QCoreApplication::translate(
                "velmira::Settings", "Could not save the settings to %1: it is not a settings file")
                .arg(QDir::toNativeSeparators(storeFile(m_iniFile, m_registryKey))));
    }
    const QString path = section + QLatin1Char('/') + key;
    // Another copy of the program, or the player, may have changed the file since it was read:
    // it is read again (if it is still one that may be read) and what it holds now is compared.
    if (readable(storeFile(m_iniFile, m_registryKey)))
        settings->sync();
    // A value the store already holds needs no write.
    const QVariant held = settings->value(path);
    if (held.isValid() && held.typeId() == QMetaType::QString && held.toString() == value)
        return;
    settings->setValue(path, value);
    settings->sync();
    // A file that did not parse is rewritten whole by the sync: only an access error means
    // the value did not reach the disk.
    if (settings->status() == QSettings::AccessError)
        raise(ErrorNumber::PathFileAccessError,
              QCoreApplication::translate("velmira::Settings", "Could not save the settings to %1")
                  .arg(settings->fileName()));
}

void QtSettingsStore::remove(const QString& section, const QString& key) {
    QSettings* settings = this->settings();
    const QString path = section + QLatin1Char('/') + key;
    if (!settings || !settings->contains(path))
        return;
    settings->remove(path);
    settings->sync();
    if (settings->status() == QSettings::AccessError)
        raise(ErrorNumber::PathFileAccessError,
              QCoreApplication::translate("velmira::Settings", "Could not save the settings to %1")
                  .arg(settings->fileName()));
}

}  // namespace velmira
