#include "stats-host/report/text_ids.h"

#include <functional>
#include <stdexcept>

namespace stats_host {
namespace {

std::size_t Hash(std::string_view text) { return std::hash<std::string_view>{}(text); }

}  // namespace

std::string_view TextIds::Text(std::uint32_t id) const {
  const std::size_t begin = id == 0 ? 0 : ends_[id - 1];
  return std::string_view(bytes_).substr(begin, ends_[id] - begin);
}

std::uint32_t TextIds::IdOf(std::string_view text) {
  if (2 * (ends_.size() + 1) > slots_.size()) Grow();
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t slot = Hash(text) & mask;; slot = (slot + 1) & mask) {
    const std::uint32_t entry = slots_[slot];
    if (entry == 0) {
      if (ends_.size() >= UINT32_MAX) throw std::length_error("more than 2^32 - 1 texts");
      bytes_.append(text);
      ends_.push_back(bytes_.size());
      slots_[slot] = static_cast<std::uint32_t>(ends_.size());
      return slots_[slot] - 1;
    }
    if (Text(entry - 1) == text) return entry - 1;
  }
}

// Twice the slots (at least 16), every text placed again.
void TextIds::Grow() {
  std::vector<std::uint32_t> slots(slots_.empty() ? 16 : 2 * slots_.size(), 0);
  const std::size_t mask = slots.size() - 1;
  for (std::uint32_t id = 0; id < ends_.size(); ++id) {
    std::size_t slot = Hash(Text(id)) & mask;
    while (slots[slot] != 0) slot = (slot + 1) & mask;
    slots[slot] = id + 1;
  }
  slots_ = std::move(slots);
}

}  // namespace stats_host
