#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <utility>

namespace common {

// What kind of failure an error is, for the callers that answer kinds
// differently; most only show the text.
enum class ErrorKind : std::uint8_t {
    Failed,     // the operation did not succeed; the text says why
    NotRegular, // a folder, a pipe, a device or a link to nothing stands at the path
    TooLarge,   // the file is larger than its reader accepts
    Busy,       // another program holds what was needed; trying later may succeed
};

// Why an operation failed. The text is Polish and meant to be shown to the
// user as it stands; systemError is the system's error number where there is
// one, otherwise 0.
struct Error final
{
    ErrorKind kind = ErrorKind::Failed;
    int systemError = 0;
    QString text;
};

// A failure on its way into a Result of any value type:
//     return common::fail(tr("..."));
struct [[nodiscard]] Failure final
{
    Error error;
};

[[nodiscard]] inline Failure fail(QString text, ErrorKind kind = ErrorKind::Failed,
                                  int systemError = 0)
{
    return Failure{Error{kind, systemError, std::move(text)}};
}

[[nodiscard]] inline Failure fail(Error error)
{
    return Failure{std::move(error)};
}

// A value, or the error that explains why there is none. Where a value may
// legitimately be absent ("not found"), the value type is itself a
// std::optional, so that absence and failure never look alike.
template <typename T> class [[nodiscard]] Result final
{
public:
    Result(T value) : m_value(std::move(value)) {} // NOLINT(google-explicit-constructor)
    Result(Failure failure)
        : m_error(std::move(failure.error)) {} // NOLINT(google-explicit-constructor)
    static Result failure(const QString& text) { return Result(fail(text)); }

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
    // The error's text; empty on success.
    [[nodiscard]] const QString& error() const { return m_error.text; }
    [[nodiscard]] const Error& errorDetails() const { return m_error; }
    // The same failure, for a result of another value type.
    [[nodiscard]] Failure forward() const { return Failure{m_error}; }

private:
    std::optional<T> m_value;
    Error m_error;
};

// The result of an operation that only succeeds or fails.
template <> class [[nodiscard]] Result<void> final
{
public:
    Result() = default; // success
    Result(Failure failure)
        : m_failed(true), m_error(std::move(failure.error))
    {} // NOLINT(google-explicit-constructor)
    static Result success() { return {}; }
    static Result failure(const QString& text) { return Result(fail(text)); }

    [[nodiscard]] bool ok() const { return !m_failed; }
    explicit operator bool() const { return ok(); }
    [[nodiscard]] const QString& error() const { return m_error.text; }
    [[nodiscard]] const Error& errorDetails() const { return m_error; }
    [[nodiscard]] Failure forward() const { return Failure{m_error}; }

private:
    bool m_failed = false;
    Error m_error;
};

} // namespace common
