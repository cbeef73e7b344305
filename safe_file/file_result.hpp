#pragma once
// The one way a reader or writer of a file (or of the data in it) tells how
// it went: a value, or a message saying why there is none. Callers test it,
// use the value, or show the message; nothing is thrown.

#include <optional>
#include <string>
#include <type_traits>
#include <utility>

namespace qavo {

// The message of a failed read or write, never empty. A writer's names the
// file and the reason, "/home/ann/x.txt could not be written: No space left
// on device", without a final full stop; each reader says what its message is.
struct Failure {
    std::string message;
};

template <typename T>
class Result;

// What a Result<T> takes as its value: anything that converts to a T, other
// than a Failure or a Result.
template <typename Value, typename T>
concept ValueOf =
    std::is_convertible_v<Value&&, T> && !std::is_same_v<std::remove_cvref_t<Value>, Failure> &&
    !std::is_same_v<std::remove_cvref_t<Value>, Result<T>>;

template <typename T>
class [[nodiscard]] Result {
  public:
    // Implicit, so that a reader returns its value (or what makes one,
    // std::nullopt for an optional) or its Failure as it is.
    template <ValueOf<T> Value = T>
    Result(Value&& value) : value_(std::in_place, std::forward<Value>(value)) {}
    Result(Failure failure) : error_(std::move(failure.message)) {}

    explicit operator bool() const { return value_.has_value(); }

    // The value; only after a success.
    const T& operator*() const& { return *value_; }
    T& operator*() & { return *value_; }
    T&& operator*() && { return *std::move(value_); }
    const T* operator->() const { return &*value_; }
    T* operator->() { return &*value_; }

    template <typename Fallback>
    T value_or(Fallback&& fallback) const& {
        return value_.value_or(std::forward<Fallback>(fallback));
    }
    template <typename Fallback>
    T value_or(Fallback&& fallback) && {
        return std::move(value_).value_or(std::forward<Fallback>(fallback));
    }

    // Empty after a success.
    const std::string& error() const { return error_; }

  private:
    std::optional<T> value_;
    std::string error_;
};

// The outcome of an operation without a value, such as a save.
template <>
class [[nodiscard]] Result<void> {
  public:
    Result() = default;
    Result(Failure failure) : error_(std::move(failure.message)) {}

    explicit operator bool() const { return error_.empty(); }
    const std::string& error() const { return error_; }

  private:
    std::string error_;
};

using FileResult = Result<void>;

}  // namespace qavo
