#pragma once

#include "wad/result.h"

#include <QByteArray>
#include <QString>

namespace velmira::wad {

// Reads a whole regular file (after following links) of at most maxBytes. Devices, FIFOs,
// sockets and folders are refused before they are opened, so a read never blocks or runs
// without end; a file that grows past maxBytes while it is read is refused too.
Result<QByteArray> readRegularFile(const QString& path, qint64 maxBytes);

// Whether a path names a regular file once links are followed.
bool isRegularFile(const QString& path);

}  // namespace velmira::wad
