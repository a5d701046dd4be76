#pragma once

#include <QString>

#include <optional>
#include <utility>

namespace velmira {

// A value, or the reason there is none.
template <class T>
class Result {
  public:
    Result(T value) : m_value(std::move(value)) {}  // NOLINT: implicit by design
    static Result failure(QString error) {
        Result r;
        r.m_error = std::move(error);
        return r;
    }
    explicit operator bool() const { return m_value.has_value(); }
    const T& value() const { return *m_value; }
    T& value() { return *m_value; }
    const T* operator->() const { return &*m_value; }
    const QString& error() const { return m_error; }

  private:
    Result() = default;
    std::optional<T> m_value;
    QString m_error;
};

}  // namespace velmira
