// Result of a core operation that can fail: a value or an error the caller turns into its own words.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <variant>

namespace trellon {

enum class ErrorKind {
    cannotOpen,  // the file could not be opened or created
    cannotWrite, // a write, flush or rename failed
    truncated,   // the input ends before what it announces
    refused,     // the input is malformed or claims impossible sizes
    incomplete,  // a transfer frame that never completed
    empty,       // nothing to write
    encoding,    // text that has no GBK form
};

struct Error {
    ErrorKind kind;
    std::string detail;                  // one human line, UTF-8
    std::optional<std::uint64_t> offset; // file or frame offset where it applies

    std::string describe() const;
};

template <typename T> class [[nodiscard]] Result {
public:
    Result(T value) : state_(std::move(value)) {}
    Result(Error error) : state_(std::move(error)) {}

    bool ok() const { return std::holds_alternative<T>(state_); }
    explicit operator bool() const { return ok(); }

    T& value() & { return std::get<T>(state_); }
    const T& value() const& { return std::get<T>(state_); }
    T&& value() && { return std::get<T>(std::move(state_)); }
    const Error& error() const { return std::get<Error>(state_); }

private:
    std::variant<T, Error> state_;
};

struct Done {};

using Status = Result<Done>;

inline Status success()
{
    return Done{};
}

} // namespace trellon
