// Move-only ownership of a system handle: one template, a closer per kind of handle.
#pragma once

#include <utility>

namespace tavrel {

template <class T>
constexpr T NullValue() noexcept {
  return T{};
}

// Owns a value of type T that Close releases. No implicit conversion: get() to use it, put() to
// receive one from an out parameter, reset() to release it early (the Windows kinds in
// os/handles_win.h keep the thread's last error across it). Invalid() gives the value that
// owns nothing (a null handle unless told otherwise, since some kinds use -1).
template <class T, auto Close, auto Invalid = &NullValue<T>>
class Unique {
 public:
  Unique() = default;
  explicit Unique(T value) noexcept : value_(value) {}
  Unique(Unique&& other) noexcept : value_(std::exchange(other.value_, Invalid())) {}
  Unique& operator=(Unique&& other) noexcept {
    if (this != &other) reset(std::exchange(other.value_, Invalid()));
    return *this;
  }
  Unique(const Unique&) = delete;
  Unique& operator=(const Unique&) = delete;
  ~Unique() { reset(); }

  T get() const noexcept { return value_; }
  explicit operator bool() const noexcept { return value_ != Invalid(); }
  T* put() noexcept {
    reset();
    return &value_;
  }
  T release() noexcept { return std::exchange(value_, Invalid()); }
  void reset(T value = Invalid()) noexcept {
    if (value_ != Invalid()) Close(value_);
    value_ = value;
  }

 private:
  T value_ = Invalid();
};

}  // namespace tavrel
