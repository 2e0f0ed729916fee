#pragma once
// What an operation that can fail gives back: its value, or why it failed. Nothing the model does
// throws past its own doors for a failure the user can cause (a file, a recipe, a page); it returns one
// of these, and the caller must look at it ([[nodiscard]]).

#include <string>
#include <utility>
#include <variant>

namespace ornavo {

// Why something failed, as the user reads it (Chinese), with what a caller may want to say in its own
// words: the line of a file or recipe it concerns and the system's error number.
struct Failure {
    std::string reason; // Chinese, a phrase without a full stop
    int line = 0;       // from 1; 0 when it concerns no line
    int error = 0;      // the system's error number (errno), 0 when the system reported none
};

template <typename T, typename E = Failure> class [[nodiscard]] Result {
  public:
    Result(T value) : held_(std::in_place_index<0>, std::move(value)) {}
    Result(E failure) : held_(std::in_place_index<1>, std::move(failure)) {}

    bool ok() const { return held_.index() == 0; }
    explicit operator bool() const { return ok(); }

    T& value() & { return std::get<0>(held_); }
    const T& value() const& { return std::get<0>(held_); }
    T&& value() && { return std::get<0>(std::move(held_)); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }
    T& operator*() & { return value(); }
    const T& operator*() const& { return value(); }

    const E& failure() const { return std::get<1>(held_); }

  private:
    std::variant<T, E> held_;
};

// Done, or why not.
template <typename E> class [[nodiscard]] Result<void, E> {
  public:
    Result() = default;
    Result(E failure) : failed_(true), failure_(std::move(failure)) {}

    bool ok() const { return !failed_; }
    explicit operator bool() const { return ok(); }
    const E& failure() const { return failure_; }

  private:
    bool failed_ = false;
    E failure_{};
};

using Status = Result<void>;

} // namespace ornavo
