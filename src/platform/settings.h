#pragma once

#include <QString>

#include <memory>

class QSettings;

namespace velmira {

// The per-user settings store: text values by section and key under the application title.
class SettingsStore {
  public:
    virtual ~SettingsStore() = default;
    virtual QString read(const QString& section, const QString& key,
                         const QString& defaultValue) const = 0;
    // Returns once the value is safely on disk.
    virtual void write(const QString& section, const QString& key, const QString& value) = 0;
    // Takes a value away; returns once that is on disk.
    virtual void remove(const QString& section, const QString& key) = 0;
};

// Where the user's own store lies: on Windows the registry key where a Windows program keeps
// its per-user text settings by application name ("HKEY_CURRENT_USER\Software\VB and VBA
// Program Settings\Velmira", one sub-key a section), so that the folders a player stored with
// an earlier Windows release carry over; elsewhere QSettings' file for organisation and
// application "Velmira".
QString userStoreLocation();

// The largest settings file that is read: the program's own is a few hundred bytes.
constexpr qint64 kMaxSettingsFileSize = 1024 * 1024;

// The store kept by QSettings: the user's own store, an explicit INI file (used by the demo
// and the tests), or on Windows an explicit registry key.
class QtSettingsStore : public SettingsStore {
  public:
    QtSettingsStore();
    explicit QtSettingsStore(QString iniFile);
    QtSettingsStore(QtSettingsStore&&) noexcept;
    ~QtSettingsStore() override;
    // A registry key, as a "HKEY_CURRENT_USER\..." path (Windows only).
    static QtSettingsStore registryKey(QString key);
    QString read(const QString& section, const QString& key,
                 const QString& defaultValue) const override;
    void write(const QString& section, const QString& key, const QString& value) override;
    void remove(const QString& section, const QString& key) override;

  private:
    // The open store; none when the settings file is not one that may be read.
    QSettings* settings() const;

    QString m_iniFile;
    QString m_registryKey;
    mutable std::unique_ptr<QSettings> m_settings;
    mutable bool m_unusable = false;
    bool m_told = false;
};

}  // namespace velmira
