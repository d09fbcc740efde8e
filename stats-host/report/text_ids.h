#pragma once

// Small numbers for texts: the same text always gets the same number, a new
// text the next one. The texts are kept once each, end to end, in one block,
// so that a number costs a few bytes beside its text.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace stats_host {

class TextIds {
 public:
  // The number of the text, from 0 in the order first seen.
  std::uint32_t IdOf(std::string_view text);

  std::size_t Count() const { return ends_.size(); }

  // The text of a number IdOf gave.
  std::string_view Text(std::uint32_t id) const;

 private:
  void Grow();

  std::string bytes_;                 // every text, end to end
  std::vector<std::size_t> ends_;     // where each text ends in bytes_
  std::vector<std::uint32_t> slots_;  // open addressing by hash: id + 1, or 0 for none
};

}  // namespace stats_host
