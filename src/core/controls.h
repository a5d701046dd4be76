#pragma once

#include <QImage>
#include <QString>

namespace velmira {

// The main window's controls as the program's procedures see them. The window implements
// them with its widgets; the procedures never reach the window any other way.

// A list kept in case-insensitive alphabetical order, with a free tag text.
class ModRows {
  public:
    virtual ~ModRows() = default;
    virtual void clear() = 0;
    virtual void addSorted(const QString& text) = 0;
    virtual int count() const = 0;
    virtual QString text(int row) const = 0;
    virtual void setText(int row, const QString& text) = 0;
    virtual bool isSelected(int row) const = 0;
    virtual QString tag() const = 0;
    virtual void setTag(const QString& tag) = 0;
    // What the row's mod holds now: its spray as the game draws it (may be null), a sentence,
    // and whether it was replaced since Velmira installed it. Shown beside the row's text,
    // never in it.
    virtual void setHeld(int row, const QImage& picture, const QString& note, bool replaced) {
        (void)row;
        (void)picture;
        (void)note;
        (void)replaced;
    }
};

// The category list: pinned rows first, then sorted rows. Selecting a row from code runs the
// category handler at once, as the user's choice does.
class CategoryRows {
  public:
    virtual ~CategoryRows() = default;
    virtual void clear() = 0;
    virtual void addPinned(const QString& text) = 0;
    virtual void addSorted(const QString& text) = 0;
    virtual int count() const = 0;
    virtual int selected() const = 0;
    virtual void select(int row) = 0;
    virtual QString text() const = 0;
};

// The spray file list: the spray files of one folder.
class SprayFiles {
  public:
    virtual ~SprayFiles() = default;
    // Points the list at a folder and lists it, with no file chosen and no handler run.
    // A folder that does not exist is a "Path not found" failure.
    virtual void setFolder(const QString& folder) = 0;
    virtual QString folder() const = 0;
    virtual void reread() = 0;
    virtual int selected() const = 0;
    virtual QString fileName() const = 0;
    // Chooses the listed file of that name, as the user's choice does (its handler runs).
    virtual void choose(const QString& name) = 0;
};

// The preview area: empty, or the last picture loaded into it.
class PreviewArea {
  public:
    virtual ~PreviewArea() = default;
    virtual void clear() = 0;
    // Shows the picture of a spray file; false when it cannot be shown.
    virtual bool load(const QString& path) = 0;
};

class TextLabel {
  public:
    virtual ~TextLabel() = default;
    virtual void setCaption(const QString& text) = 0;
};

class ProgressView {
  public:
    virtual ~ProgressView() = default;
    virtual void setRange(int minimum, int maximum) = 0;
    virtual int maximum() const = 0;
    virtual int value() const = 0;
    virtual void setValue(int value) = 0;
    virtual void repaintNow() = 0;
};

// Everything of the main window that the procedures touch.
struct MainControls {
    ModRows& mods;
    CategoryRows& categories;
    SprayFiles& files;
    PreviewArea& preview;
    TextLabel& folderLabel;
    ProgressView& progress;
};

}  // namespace velmira
