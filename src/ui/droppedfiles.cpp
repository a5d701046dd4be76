#include "droppedfiles.h"

#include <QDir>
#include <QMimeData>
#include <QUrl>

namespace velmira {

QStringList droppedFiles(const QMimeData* data) {
    QStringList paths;
    if (data && data->hasUrls())
        for (const QUrl& url : data->urls())
            if (url.isLocalFile())
                paths << QDir::toNativeSeparators(url.toLocalFile());
    return paths;
}

}  // namespace velmira
