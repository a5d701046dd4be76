#pragma once

#include "core/result.h"

#include <QByteArray>
#include <QString>

namespace velmira::picture {

// Reads a whole regular file (after following links) of at most maxBytes. The file is opened
// without waiting and judged by what was opened: devices, FIFOs, sockets and folders are
// refused, so a read never blocks or runs without end, even when the name is swapped for one of
// them at any moment; a file that grows past maxBytes while it is read is refused too.
Result<QByteArray> readRegularFile(const QString& path, qint64 maxBytes);

// The first bytes of a regular file, at most maxBytes of them however long it is; opened and
// judged as readRegularFile does.
Result<QByteArray> readRegularFileStart(const QString& path, qint64 maxBytes);

// Whether a path names a regular file once links are followed.
bool isRegularFile(const QString& path);

}  // namespace velmira::picture
