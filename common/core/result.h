#pragma once

#include <QString>
#include <optional>
#include <utility>

namespace common {

// The error text of an operation that failed, or nothing when it succeeded.
// The text is Polish and meant to be shown to the user as it stands.
using Error = std::optional<QString>;

// A value or the error text that explains why there is none. Where a value
// may legitimately be absent ("not found"), the value type is itself a
// std::optional, so that absence and failure never look alike.
template <typename T> class [[nodiscard]] Result final
{
public:
    Result(T value) : m_value(std::move(value)) {} // NOLINT(google-explicit-constructor)
    static Result failure(const QString& error)
    {
        Result r;
        r.m_error = error;
        return r;
    }

    [[nodiscard]] bool ok() const { return m_value.has_value(); }
    explicit operator bool() const { return ok(); }
    // On a temporary result these hand the value out by value, so that
    // `for (auto& x : *store.listEntries(...))` does not dangle.
    [[nodiscard]] const T& value() const& { return *m_value; }
    [[nodiscard]] T& value() & { return *m_value; }
    [[nodiscard]] T value() && { return std::move(*m_value); }
    const T& operator*() const& { return *m_value; }
    T operator*() && { return std::move(*m_value); }
    const T* operator->() const { return &*m_value; }
    [[nodiscard]] const QString& error() const { return m_error; }

private:
    Result() = default;
    std::optional<T> m_value;
    QString m_error;
};

} // namespace common
