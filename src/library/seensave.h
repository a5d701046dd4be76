#pragma once

#include <QByteArray>
#include <QString>

namespace velmira {

// Copies a spray seen in games, unchanged, into a library folder as "<mod> seen <n>.wad" with
// the first n whose name is free; never replacing anything. The name given, or empty with the
// reason.
QString saveSeenSpray(const QByteArray& spray, const QString& mod, const QString& folder,
                      QString* reason);

// Writes a spray file's picture, as the game draws it (see-through where the game leaves it
// clear), as a PNG at the path, in full or not at all. False with the reason.
bool saveSprayPicture(const QByteArray& spray, const QString& path, QString* reason);

}  // namespace velmira
