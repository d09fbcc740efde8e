#pragma once

// A host-owned output buffer of a fixed capacity with a guard zone behind it,
// for checking that the plug-in neither writes past the capacity nor touches a
// buffer it must leave alone. The buffer lives on the heap, so AddressSanitizer
// also sees a write beyond the guard.

#include <cstddef>
#include <cstring>
#include <memory>
#include <string_view>

namespace fuzz {

class GuardedBuffer {
 public:
  static constexpr std::size_t kGuardSize = 64;
  static constexpr char kFill = '\xA5';
  static constexpr char kGuard = '\x5A';

  explicit GuardedBuffer(std::size_t capacity)
      : capacity_(capacity), bytes_(new char[capacity + kGuardSize]) {
    std::memset(bytes_.get(), kFill, capacity_);
    std::memset(bytes_.get() + capacity_, kGuard, kGuardSize);
  }

  char* Data() noexcept { return bytes_.get(); }

  bool GuardIntact() const noexcept {
    for (std::size_t i = 0; i < kGuardSize; ++i) {
      if (bytes_[capacity_ + i] != kGuard) return false;
    }
    return true;
  }

  bool Untouched() const noexcept {
    for (std::size_t i = 0; i < capacity_; ++i) {
      if (bytes_[i] != kFill) return false;
    }
    return GuardIntact();
  }

  // The zero-terminated text at the start, or nothing when no zero lies
  // within the capacity.
  bool HasTerminatedText() const noexcept {
    return std::memchr(bytes_.get(), '\0', capacity_) != nullptr;
  }
  std::string_view Text() const noexcept {
    return HasTerminatedText() ? std::string_view(bytes_.get()) : std::string_view();
  }

 private:
  std::size_t capacity_;
  std::unique_ptr<char[]> bytes_;
};

}  // namespace fuzz
