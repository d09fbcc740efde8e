#pragma once

// Owns one system handle and closes it with `Close` when it goes out of scope.
// A null handle owns nothing.

#include <utility>

namespace zarnik::win32 {

template <typename Handle, auto Close>
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle) : handle_(handle) {}
  ~UniqueHandle() { Reset(); }

  UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.Detach()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) Reset(other.Detach());
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;

  Handle Get() const { return handle_; }
  explicit operator bool() const { return handle_ != Handle{}; }

  void Reset(Handle handle = Handle{}) {
    const Handle old = std::exchange(handle_, handle);
    if (old != Handle{}) Close(old);
  }

  // Gives the handle up without closing it.
  Handle Detach() { return std::exchange(handle_, Handle{}); }

 private:
  Handle handle_{};
};

}  // namespace zarnik::win32
