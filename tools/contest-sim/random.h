#pragma once

// The simulator's one source of chance: the same seed gives the same contest
// on every platform (std::mt19937_64 is fully specified; the standard
// distributions are not, so none is used).

#include <cstdint>
#include <random>

namespace contest_sim {

class Random {
 public:
  explicit Random(std::uint64_t seed) : engine_(seed) {}
  std::uint64_t Below(std::uint64_t count) { return engine_() % count; }
  std::int64_t Between(std::int64_t low, std::int64_t high) {
    return low + static_cast<std::int64_t>(Below(static_cast<std::uint64_t>(high - low + 1)));
  }
  double Uniform() { return static_cast<double>(engine_() >> 11) * 0x1.0p-53; }
  bool Chance(double probability) { return Uniform() < probability; }

 private:
  std::mt19937_64 engine_;
};

}  // namespace contest_sim
