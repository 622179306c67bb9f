#pragma once

#include <cassert>
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
  T& value() {
    assert(ok());
    return *std::get_if<0>(&state_);
  }
  const T& operator*() const { return value(); }
  const T* operator->() const { return &value(); }
  T& operator*() { return value(); }
  T* operator->() { return &value(); }

 private:
  std::variant<T, E> state_;
};

enum class NumberError { NotANumber, Overflow, DivideByZero };

template <typename T>
using NumberResult = Result<T, NumberError>;

}  // namespace worthmere
