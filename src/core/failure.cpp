#include "failure.h"

namespace velmira {

VelmiraError::VelmiraError(Failure failure)
    : m_failure(std::move(failure)), m_what(m_failure.description.toUtf8()) {}

void raise(qint32 number, const QString& description) {
    throw VelmiraError(Failure{number, kProjectSource, description});
}

void raiseFileNotFound() {
    raise(ErrorNumber::FileNotFound, QStringLiteral("File not found"));
}
void raisePathNotFound() {
    raise(ErrorNumber::PathNotFound, QStringLiteral("Path not found"));
}
Failure permissionDenied() {
    return Failure{ErrorNumber::PermissionDenied, kProjectSource,
                   QStringLiteral("Permission denied")};
}
void raisePermissionDenied() {
    throw VelmiraError(permissionDenied());
}
void raiseIndexOutOfRange() {
    raise(ErrorNumber::IndexOutOfRange, QStringLiteral("Subscript out of range"));
}

}  // namespace velmira
