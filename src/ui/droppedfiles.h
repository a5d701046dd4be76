#pragma once

#include <QStringList>

class QMimeData;

namespace velmira {

// The local files a drag from a file manager carries, as native paths; none for anything else.
QStringList droppedFiles(const QMimeData* data);

}  // namespace velmira
