#pragma once

// Following a link only when it is the player's own, one part of a path at a time: the POSIX
// half of OpenFolder's rule for links.

#include <QByteArray>
#include <QString>

namespace velmira {

// Opens `path` from the open folder `from` (from the root when it is absolute) one part at a
// time, never letting the system follow a link: a link on the way is followed here, only when
// it is the player's own, its target opened the same way, and the link looked at again
// afterwards so that one swapped meanwhile is refused. The last part is opened as a folder
// with `folder`, otherwise as whatever it is (`lastFlags` added). A descriptor, or -1 with the
// reason; `links` counts the links followed.
int openPlayers(int from, const QByteArray& path, bool folder, int lastFlags, int* links,
                QString* reason);

}  // namespace velmira
