#pragma once

// Texts numbered in the order first seen, each kept once: the contest's calls,
// exchanges, bands and modes, so that a QSO holds small numbers.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace crosscheck {

class TextTable {
 public:
  std::uint32_t IdOf(std::string_view text) {
    const auto found = ids_.find(text);
    if (found != ids_.end()) return found->second;
    const auto id = static_cast<std::uint32_t>(texts_.size());
    texts_.emplace_back(text);
    ids_.emplace(texts_.back(), id);
    return id;
  }
  // The id, or kNone when the text was never seen.
  std::uint32_t Find(std::string_view text) const {
    const auto found = ids_.find(text);
    return found == ids_.end() ? kNone : found->second;
  }
  const std::string& Text(std::uint32_t id) const { return texts_[id]; }
  std::size_t Size() const { return texts_.size(); }

  static constexpr std::uint32_t kNone = UINT32_MAX;

 private:
  struct Hash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const noexcept {
      return std::hash<std::string_view>{}(text);
    }
  };
  std::vector<std::string> texts_;
  std::unordered_map<std::string, std::uint32_t, Hash, std::equal_to<>> ids_;
};

}  // namespace crosscheck
