#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace velmira {

// One mod of the mod list and the spray assigned to it.
struct ModEntry {
    QString ModFolder;
    QString SprayFile;
    QString SprayCategory;
    QString SprayFolder;
    QString SprayKind;
};

// The mod table: entry k belongs to row k of the mod list. It holds one entry per listed mod.
class ModTable {
  public:
    // The entry of a row; a row the table does not hold is failure 9.
    ModEntry& at(int row);
    const ModEntry& at(int row) const;
    int size() const { return static_cast<int>(m_entries.size()); }
    // Starts a new listing: every earlier assignment is dropped.
    void reset(int rows);

  private:
    std::vector<ModEntry> m_entries;
};

// The state shared by the whole program while it runs.
struct AppState {
    QString HalfLifeDir;
    QString SprayRootDir;
    QString CurrentSprayDir;
    bool ShowPreviewFlag = false;
    // Whether "Create Sprays" leaves each tempdecal.wad it installs read-only, so that the
    // game's Options screen cannot replace it.
    bool ProtectSprays = false;
    QString SelectedSprayKind;
    ModTable Mods;
    // Folders whose unlistable spray files the user has been told of in this run.
    QStringList ToldUnlistable;
};

// Settings sections, keys and values.
namespace Setting {
inline const QString FileLocations = QStringLiteral("File Locations");
inline const QString Preferences = QStringLiteral("Preferences");
inline const QString HLDir = QStringLiteral("HLDir");
inline const QString BMPDir = QStringLiteral("BMPDir");
inline const QString ShowPreview = QStringLiteral("ShowPreview");
inline const QString ProtectSprays = QStringLiteral("ProtectSprays");
// The player's language: a code of the "Language" menu; absent for "As the System".
inline const QString Language = QStringLiteral("Language");
inline const QString True = QStringLiteral("True");
inline const QString False = QStringLiteral("False");
}  // namespace Setting

// The list's tag while it holds no mod folder (the hint rows, or nothing).
inline const QString kEmptyTag = QStringLiteral("Empty");

}  // namespace velmira
