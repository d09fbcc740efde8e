#include "stats/rules/band_order.h"

#include <cstring>
#include <utility>

namespace stats {
namespace {

constexpr std::size_t kPaddedWidth = 20;

std::string Padded(const std::string& band) {
  return band.size() >= kPaddedWidth ? band : std::string(kPaddedWidth - band.size(), '0') + band;
}

// The C library's comparison: the bytes up to the first zero, as unsigned.
bool PaddedLess(const std::string& left, const std::string& right) {
  return std::strcmp(left.c_str(), right.c_str()) < 0;
}

}  // namespace

void OrderBands(std::vector<std::string>& bands) {
  std::vector<std::string> keys;
  keys.reserve(bands.size());
  for (const std::string& band : bands) keys.push_back(Padded(band));
  for (std::size_t i = 0; i + 1 < bands.size(); ++i) {
    for (std::size_t j = i + 1; j < bands.size(); ++j) {
      if (PaddedLess(keys[i], keys[j])) {
        std::swap(keys[i], keys[j]);
        std::swap(bands[i], bands[j]);
      }
    }
  }
}

}  // namespace stats
