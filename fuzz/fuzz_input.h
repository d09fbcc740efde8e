#pragma once

// Reads the values of one fuzz case from its bytes, front to back. When the
// bytes run out every read gives zero or an empty text, so any input is a
// complete case.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace fuzz {

class FuzzInput {
 public:
  FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  bool Empty() const noexcept { return position_ >= size_; }

  std::uint8_t Byte() noexcept { return Empty() ? 0 : data_[position_++]; }

  bool Bool() noexcept { return (Byte() & 1) != 0; }

  std::uint32_t U32() noexcept {
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i) value = value << 8 | Byte();
    return value;
  }

  double RawDouble() noexcept {
    std::uint64_t bits = static_cast<std::uint64_t>(U32()) << 32 | U32();
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
  }

  // Up to `limit` bytes as they stand in the input.
  std::string Bytes(std::size_t limit) {
    const std::size_t count = std::min(limit, size_ - std::min(position_, size_));
    std::string text(reinterpret_cast<const char*>(data_) + position_, count);
    position_ += count;
    return text;
  }

  // A byte-counted piece of the input: one length byte, then that many bytes.
  std::string ShortText() { return Bytes(Byte()); }

  // One of `choices`, picked by the next byte.
  template <typename T>
  const T& Pick(const std::vector<T>& choices) noexcept {
    return choices[Byte() % choices.size()];
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t position_ = 0;
};

}  // namespace fuzz
