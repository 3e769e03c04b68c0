#pragma once

#include <QString>
#include <utility>
#include <variant>

namespace orvalink {

// The reason an operation failed, worded for the user. Some stores also report an error
// number and the operation that raised it, which callers may show or log.
struct Failure
{
    Failure() = default;
    Failure(QString text, qint32 number = 0, QString origin = QString())
        : message(std::move(text))
        , code(number)
        , source(std::move(origin))
    {}

    QString message;
    qint32 code = 0;
    QString source;
};

// The outcome of an operation that can fail: a value, or a Failure with its message.
// Shaped like std::expected, which our compilers offer only from C++23 on.
template <typename T> class [[nodiscard]] Result
{
public:
    Result(T value)
        : m_state(std::in_place_index<0>, std::move(value))
    {}
    Result(Failure failure)
        : m_state(std::in_place_index<1>, std::move(failure))
    {}

    bool ok() const { return m_state.index() == 0; }
    explicit operator bool() const { return ok(); }

    T& value() & { return std::get<0>(m_state); }
    const T& value() const& { return std::get<0>(m_state); }
    T&& value() && { return std::get<0>(std::move(m_state)); }

    template <typename U> T valueOr(U&& fallback) const&
    {
        return ok() ? value() : T(std::forward<U>(fallback));
    }

    const QString& error() const { return std::get<1>(m_state).message; }
    const Failure& failure() const { return std::get<1>(m_state); }

private:
    std::variant<T, Failure> m_state;
};

template <> class [[nodiscard]] Result<void>
{
public:
    Result() = default;
    Result(Failure failure)
        : m_failed(true)
        , m_failure(std::move(failure))
    {}

    bool ok() const { return !m_failed; }
    explicit operator bool() const { return ok(); }
    const QString& error() const { return m_failure.message; }
    const Failure& failure() const { return m_failure; }

private:
    bool m_failed = false;
    Failure m_failure;
};

} // namespace orvalink
