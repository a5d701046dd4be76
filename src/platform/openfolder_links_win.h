#pragma once

// Following a link only when it is the player's own, one part of a path at a time: the Windows
// half of OpenFolder's rule for links.

#include "platform/openfolder_win.h"

#include <QString>

#include <windows.h>

namespace velmira {

inline bool isLinkTag(DWORD tag) {
    return tag == IO_REPARSE_TAG_SYMLINK || tag == IO_REPARSE_TAG_MOUNT_POINT;
}

// Whether what was opened as itself at `path` is a link: a reparse point, or a name listed as
// one although the system opened what it leads to (Wine does that for a link to a folder).
bool isLink(const FILE_ATTRIBUTE_TAG_INFO& tag, const QString& path);

// Where a walk ended: what it opened and the path that leads there, every link on the way
// replaced by where it leads; or why nothing was (the system's code, or 0 with a reason of
// Velmira's own).
struct Walked {
    Held handle;
    QString path;
    DWORD code = 0;
    QString reason;
    explicit operator bool() const { return bool(handle); }
};

// Follows the link at `linkPath`, held open as itself as `link`, in the folder `folderPath` held
// open as `folder`: only when it is the player's own, its target opened part by part as the
// player's (openPlayers), and its data read again afterwards so that a link changed meanwhile is
// refused. What it leads to is opened as `step` says.
Walked followLink(const QString& folderPath, HANDLE folder, const QString& linkPath, Held link,
                  const FILE_ATTRIBUTE_TAG_INFO& tag, const Step& step, int* links);

}  // namespace velmira
