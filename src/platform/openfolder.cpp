#include "openfolder.h"

#include "platform/files.h"

#include <QRandomGenerator>

namespace velmira {

bool OpenFolder::replace(const QString& name, const QByteArray& bytes, QString* reason) const {
    // Written in full under a fresh hidden name beside it, then renamed over it in one step.
    for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
        const QString staged = QStringLiteral(".%1.%2").arg(name).arg(
            QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
        const Written written = writeNew(staged, bytes, reason);
        if (written == Written::Taken)
            continue;
        if (written == Written::Failed)
            return false;
        *reason = renameInside(staged, name);
        if (reason->isEmpty())
            return true;
        removeInside(staged);
        return false;
    }
    *reason = QStringLiteral("File already exists");
    return false;
}

}  // namespace velmira
