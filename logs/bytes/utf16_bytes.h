#pragma once

// Logs saved as UTF-16 (some Windows editors and loggers do), read as the
// UTF-8 they hold.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "logs/bytes/byte_source.h"

namespace logs {

enum class Utf16Order { kLittleEndian, kBigEndian };

// UTF-16 by the byte-order mark that the file begins with, or by a first
// character written as a 16-bit unit (one byte of the two is 0); nothing for a
// file that begins otherwise.
std::optional<Utf16Order> Utf16OrderOf(std::string_view start);

// The UTF-8 of a UTF-16 source, without its byte-order mark. Throws ReadError
// where the source ends inside a character or holds half of a surrogate pair.
class Utf16AsUtf8 final : public ByteSource {
 public:
  Utf16AsUtf8(ByteSource& raw, Utf16Order order) : raw_(raw), order_(order) {}
  std::size_t Read(char* buffer, std::size_t size) override;

 private:
  // Converts the next block of the source; false at its end.
  bool Convert();
  [[noreturn]] void Broken() const;

  ByteSource& raw_;
  Utf16Order order_;
  std::string units_;  // bytes read and not yet converted
  std::string utf8_;   // converted and not yet handed out
  std::size_t handedOut_ = 0;
  std::uint64_t unitsDone_ = 0;  // 16-bit units converted so far
  char32_t highSurrogate_ = 0;
  bool atEnd_ = false;
};

}  // namespace logs
