// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <type_traits>
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

// The outcome of an operation that can fail: a value, or the failure E (a Failure unless the
// operation has more to say, such as the message box a window must show).
// Shaped like std::expected, which our compilers offer only from C++23 on.
template <typename T, typename E = Failure> class [[nodiscard]] Result
{
public:
    Result(T value)
        : m_state(std::in_place_index<0>, std::move(value))
    {}
    Result(E failure)
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

    const E& failure() const { return std::get<1>(m_state); }
    const QString& error() const requires std::is_same_v<E, Failure> { return failure().message; }

private:
    std::variant<T, E> m_state;
};

template <typename E> class [[nodiscard]] Result<void, E>
{
public:
    Result() = default;
    Result(E failure)
        : m_failed(true)
        , m_failure(std::move(failure))
    {}

    bool ok() const { return !m_failed; }
    explicit operator bool() const { return ok(); }

    const E& failure() const { return m_failure; }
    const QString& error() const requires std::is_same_v<E, Failure> { return m_failure.message; }

private:
    bool m_failed = false;
    E m_failure;
};

} // namespace orvalink
