#pragma once

// Keys numbered from 0 in the order first seen, each kept once, so that a
// table holds small numbers instead of the keys: calls, bands and exchanges as
// texts, or keys made of such numbers. The keys lie in one array by number and
// are found again through an open-addressing table of numbers.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace stats {

template <typename Key>
class Interned {
 public:
  // Texts are looked up without a copy.
  using Lookup = std::conditional_t<std::is_same_v<Key, std::string>, std::string_view, Key>;
  static constexpr std::uint32_t kNone = UINT32_MAX;

  // The key's number; a key not seen before gets the next one. Throws
  // std::bad_alloc or std::length_error, leaving the table as it was.
  std::uint32_t IdOf(Lookup key) {
    if (2 * (keys_.size() + 1) > slots_.size()) Grow();
    std::uint32_t& slot = slots_[SlotOf(key)];
    if (slot == 0) {
      if (keys_.size() >= kNone - 1) throw std::length_error("too many keys to number");
      keys_.emplace_back(key);
      slot = static_cast<std::uint32_t>(keys_.size());
    }
    return slot - 1;
  }

  // The key's number, or kNone for a key never seen.
  std::uint32_t Find(Lookup key) const { return slots_.empty() ? kNone : slots_[SlotOf(key)] - 1; }

  // The key of a number, for texts the text.
  const Key& Text(std::uint32_t id) const { return keys_[id]; }
  std::size_t Size() const noexcept { return keys_.size(); }

  void Clear() noexcept {
    keys_.clear();
    slots_.clear();
  }

 private:
  static std::size_t Hash(Lookup key) noexcept {
    if constexpr (std::is_same_v<Lookup, std::string_view>) {
      return std::hash<std::string_view>{}(key);
    } else {
      // Spreads the bits of a number over the whole word (SplitMix64's
      // finaliser), since the table uses the low bits.
      auto mixed = static_cast<std::uint64_t>(key);
      mixed = (mixed ^ (mixed >> 30)) * 0xBF58476D1CE4E5B9u;
      mixed = (mixed ^ (mixed >> 27)) * 0x94D049BB133111EBu;
      return static_cast<std::size_t>(mixed ^ (mixed >> 31));
    }
  }

  // The slot that holds the key's number + 1, or the free slot where it goes.
  std::size_t SlotOf(Lookup key) const noexcept {
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t slot = Hash(key) & mask;; slot = (slot + 1) & mask) {
      const std::uint32_t entry = slots_[slot];
      if (entry == 0 || Lookup(keys_[entry - 1]) == key) return slot;
    }
  }

  // Twice the slots (at least 16), every key placed again.
  void Grow() {
    std::vector<std::uint32_t> slots(slots_.empty() ? 16 : 2 * slots_.size(), 0);
    const std::size_t mask = slots.size() - 1;
    for (std::uint32_t id = 0; id < keys_.size(); ++id) {
      std::size_t slot = Hash(keys_[id]) & mask;
      while (slots[slot] != 0) slot = (slot + 1) & mask;
      slots[slot] = id + 1;
    }
    slots_ = std::move(slots);
  }

  std::vector<Key> keys_;
  std::vector<std::uint32_t> slots_;  // by hash: a key's number + 1, or 0 for none
};

}  // namespace stats
