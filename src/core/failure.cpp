#include "failure.h"

#include <QCoreApplication>

namespace velmira {

VelmiraError::VelmiraError(Failure failure)
    : m_failure(std::move(failure)), m_what(m_failure.description.toUtf8()) {}

void raise(qint32 number, const QString& description) {
    throw VelmiraError(Failure{number, kProjectSource, description});
}

void raiseFileNotFound() {
    raise(ErrorNumber::FileNotFound,
          QCoreApplication::translate("velmira::Failure", "File not found"));
}
void raisePathNotFound() {
    raise(ErrorNumber::PathNotFound,
          QCoreApplication::translate("velmira::Failure", "Path not found"));
}
Failure permissionDenied() {
    return Failure{ErrorNumber::PermissionDenied, kProjectSource,
                   QCoreApplication::translate("velmira::Failure", "Permission denied")};
}
void raisePermissionDenied() {
    throw VelmiraError(permissionDenied());
}
void raiseIndexOutOfRange() {
    raise(ErrorNumber::IndexOutOfRange,
          QCoreApplication::translate("velmira::Failure", "Subscript out of range"));
}

}  // namespace velmira
