#pragma once

#include <QString>

#include <exception>

namespace velmira {

// One numbering of failures for the whole program.
namespace ErrorNumber {
constexpr qint32 OutOfMemory = 7;
constexpr qint32 IndexOutOfRange = 9;
constexpr qint32 InternalError = 51;
constexpr qint32 FileNotFound = 53;
constexpr qint32 DeviceIoError = 57;
constexpr qint32 FileAlreadyExists = 58;
constexpr qint32 PermissionDenied = 70;
constexpr qint32 PathFileAccessError = 75;
constexpr qint32 PathNotFound = 76;
}  // namespace ErrorNumber

// The source of every failure raised by the program's own code.
inline const QString kProjectSource = QStringLiteral("VelmiraProject");

// The error record that every failure carries to the report.
struct Failure {
    qint32 number = 0;
    QString source;
    QString description;
};

// A failure raised by the program's code; the procedure that catches it shows the report.
class VelmiraError : public std::exception {
  public:
    explicit VelmiraError(Failure failure);
    const Failure& failure() const { return m_failure; }
    qint32 number() const { return m_failure.number; }
    const char* what() const noexcept override { return m_what.constData(); }

  private:
    Failure m_failure;
    QByteArray m_what;
};

[[noreturn]] void raise(qint32 number, const QString& description);

// The usual failures of file work, with their standard descriptions.
Failure permissionDenied();
[[noreturn]] void raiseFileNotFound();
[[noreturn]] void raisePathNotFound();
[[noreturn]] void raisePermissionDenied();
[[noreturn]] void raiseIndexOutOfRange();

}  // namespace velmira
