#pragma once

// A contest, ours or the plain yardstick, loaded with one synthetic log on
// first use and kept for every benchmark of that size. Benchmarks that change
// the log put it back as they found it, or discard it so that the next one
// loads it afresh: a store whose records were removed and added back in bulk
// lies scattered in memory, unlike a log the host has just handed over.

#include <algorithm>
#include <cstddef>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "bench/synthetic_log.h"
#include "stats/contest.h"
#include "tests/support/fake_platform.h"
#include "tests/support/literal_contest.h"

namespace stats::bench {

// The test platform without its record of settings writes, which would grow
// with every result the benchmarks ask for.
class BenchPlatform : public testing::FakePlatform {
 public:
  bool WriteProfileValue(const std::string& section, const std::string& key,
                         const std::string& value, const std::string& path) override {
    profile[{path, section, key}] = value;
    return true;
  }
};

struct Ours {
  using Type = Contest;
  static constexpr const char* kName = "ours";
  static std::unique_ptr<Type> Make(Platform& platform) { return std::make_unique<Type>(platform); }
  static std::size_t Count(const Type& contest) { return contest.Store().Count(); }
};

struct Baseline {
  using Type = testing::LiteralContest;
  static constexpr const char* kName = "baseline";
  static std::unique_ptr<Type> Make(Platform& platform) {
    return std::make_unique<Type>(platform, "literal-err.txt");
  }
  static std::size_t Count(const Type& contest) { return contest.Count(); }
};

template <typename Subject>
class LoadedContest {
 public:
  explicit LoadedContest(std::shared_ptr<const SyntheticLog> log) : log_(std::move(log)) {}

  const SyntheticLog& Log() const noexcept { return *log_; }

  typename Subject::Type& Contest() {
    if (!contest_) {
      platform_.now.hour = log_->currentHour;
      contest_ = Subject::Make(platform_);
      contest_->Reset(0, "UA1AAA", testing::ValidDate(testing::OleDate(2013, 2, 5)));
      for (const testing::TestQso& qso : log_->qsos) contest_->AddQso(qso.Arguments());
    }
    return *contest_;
  }

  // Drops the loaded contest; the next Contest() loads the log again.
  void Discard() noexcept { contest_.reset(); }

  // `count` different removable QSOs in random order (fewer if there are not
  // as many).
  std::vector<std::size_t> PickRemovable(std::size_t count) {
    std::vector<std::size_t> picks = log_->removable;
    std::shuffle(picks.begin(), picks.end(), random_);
    picks.resize(std::min(count, picks.size()));
    return picks;
  }

 private:
  std::shared_ptr<const SyntheticLog> log_;
  BenchPlatform platform_;
  std::unique_ptr<typename Subject::Type> contest_;
  std::mt19937 random_{20130205};
};

}  // namespace stats::bench
