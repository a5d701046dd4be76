#pragma once

#include <QString>

namespace velmira {

// The per-user settings store: text values by section and key under the application title.
class SettingsStore {
  public:
    virtual ~SettingsStore() = default;
    virtual QString read(const QString& section, const QString& key,
                         const QString& defaultValue) const = 0;
    // Returns once the value is safely on disk.
    virtual void write(const QString& section, const QString& key, const QString& value) = 0;
};

// The store kept by QSettings: organisation and application "Velmira", or an explicit
// INI file (used by the demo and the tests).
class QtSettingsStore : public SettingsStore {
  public:
    QtSettingsStore();
    explicit QtSettingsStore(QString iniFile);
    QString read(const QString& section, const QString& key,
                 const QString& defaultValue) const override;
    void write(const QString& section, const QString& key, const QString& value) override;

  private:
    QString m_iniFile;
};

}  // namespace velmira
