#pragma once

#include <cassert>
#include <concepts>
#include <utility>
#include <variant>

namespace worthmere {

// A value, or the reason there is none. Conversions and arithmetic return one of these instead of
// throwing, so a failure cannot escape an event handler unnoticed.
template <typename T, typename E>
class [[nodiscard]] Result {
 public:
  Result(T value) : state_(std::in_place_index<0>, std::move(value)) {}
  Result(E error) : state_(std::in_place_index<1>, error) {}
  // A result whose error converts to this one's: a number error where any failure is one.
  template <std::convertible_to<E> Other>
  Result(const Result<T, Other>& other)
      : state_(other ? State(std::in_place_index<0>, *other)
                     : State(std::in_place_index<1>, other.error())) {}

  bool ok() const { return state_.index() == 0; }
  explicit operator bool() const { return ok(); }

  const T& value() const {
    assert(ok());
    return *std::get_if<0>(&state_);
  }
  E error() const {
    assert(!ok());
    return *std::get_if<1>(&state_);
  }
  // The next step on the value, which returns a result of its own, or this error passed on.
  template <typename Step>
  auto and_then(Step&& step) const {
    using Next = decltype(step(std::declval<const T&>()));
    return ok() ? std::forward<Step>(step)(value()) : Next(error());
  }

  const T& operator*() const { return value(); }
  const T* operator->() const { return &value(); }

 private:
  using State = std::variant<T, E>;
  State state_;
};

enum class NumberError { NotANumber, Overflow, DivideByZero };

template <typename T>
using NumberResult = Result<T, NumberError>;

}  // namespace worthmere
