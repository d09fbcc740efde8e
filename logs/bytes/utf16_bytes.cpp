#include "logs/bytes/utf16_bytes.h"

#include <algorithm>
#include <cstring>

#include "logs/text/text_encoding.h"

namespace logs {
namespace {

constexpr std::size_t kBlockBytes = std::size_t{64} << 10;

}  // namespace

std::optional<Utf16Order> Utf16OrderOf(std::string_view start) {
  if (start.size() < 2) return std::nullopt;
  if (start.starts_with("\xFF\xFE") || (start[0] != '\0' && start[1] == '\0')) {
    return Utf16Order::kLittleEndian;
  }
  if (start.starts_with("\xFE\xFF") || (start[0] == '\0' && start[1] != '\0')) {
    return Utf16Order::kBigEndian;
  }
  return std::nullopt;
}

std::size_t Utf16AsUtf8::Read(char* buffer, std::size_t size) {
  while (handedOut_ == utf8_.size()) {
    utf8_.clear();
    handedOut_ = 0;
    if (!Convert()) return 0;
  }
  const std::size_t count = std::min(size, utf8_.size() - handedOut_);
  std::memcpy(buffer, utf8_.data() + handedOut_, count);
  handedOut_ += count;
  return count;
}

bool Utf16AsUtf8::Convert() {
  if (atEnd_) return false;
  const std::size_t kept = units_.size();
  units_.resize(kept + kBlockBytes);
  const std::size_t count = raw_.Read(units_.data() + kept, kBlockBytes);
  units_.resize(kept + count);
  if (count == 0) {
    atEnd_ = true;
    if (!units_.empty() || highSurrogate_ != 0) Broken();
    return false;
  }
  const std::size_t whole = units_.size() & ~std::size_t{1};
  for (std::size_t i = 0; i < whole; i += 2) {
    const auto first = static_cast<unsigned char>(units_[i]);
    const auto second = static_cast<unsigned char>(units_[i + 1]);
    const char32_t unit =
        order_ == Utf16Order::kLittleEndian ? first | (second << 8) : (first << 8) | second;
    if (highSurrogate_ != 0) {
      if (unit < 0xDC00 || unit > 0xDFFF) Broken();
      AppendUtf8(utf8_, 0x10000 + ((highSurrogate_ - 0xD800) << 10) + (unit - 0xDC00));
      highSurrogate_ = 0;
    } else if (unit >= 0xD800 && unit <= 0xDBFF) {
      highSurrogate_ = unit;
    } else if (unit >= 0xDC00 && unit <= 0xDFFF) {
      Broken();
    } else if (unit != 0xFEFF || unitsDone_ != 0) {
      AppendUtf8(utf8_, unit);
    }
    ++unitsDone_;
  }
  units_.erase(0, whole);
  return true;
}

void Utf16AsUtf8::Broken() const {
  throw ReadError("it is UTF-16 with a broken character at byte " + std::to_string(2 * unitsDone_) +
                  "; save it again as UTF-8 or Windows-1251");
}

}  // namespace logs
