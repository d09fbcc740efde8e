#include "crosscheck/check/clock_estimate.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

namespace crosscheck {
namespace {

constexpr std::int64_t kSearchSpan = 26 * 3600;  // a clock a day off is still found
constexpr std::size_t kNearestCandidates = 8;    // per QSO in the first estimate
constexpr std::int32_t kDensestSpan = 120;       // seconds: two logged minutes
constexpr std::int32_t kTrim = 90;               // the mean takes what lies this near
constexpr std::size_t kMinMatches = 3;
constexpr int kRefinements = 4;

// Integer division that rounds to the nearest (halves away from zero).
std::int64_t RoundedQuotient(std::int64_t sum, std::int64_t count) {
  return sum >= 0 ? (2 * sum + count) / (2 * count) : -((-2 * sum + count) / (2 * count));
}

// The median of the densest kDensestSpan of the values, then the mean of the
// values within kTrim of it (the minute truncation of both logs averages out).
std::optional<std::int64_t> RobustCentre(std::vector<std::int32_t>& values) {
  if (values.size() < kMinMatches) return std::nullopt;
  std::sort(values.begin(), values.end());
  std::size_t bestBegin = 0;
  std::size_t bestEnd = 0;
  for (std::size_t begin = 0, end = 0; begin < values.size(); ++begin) {
    while (end < values.size() && values[end] - values[begin] <= kDensestSpan) ++end;
    if (end - begin > bestEnd - bestBegin) bestBegin = begin, bestEnd = end;
  }
  const std::int64_t median = values[(bestBegin + bestEnd - 1) / 2];
  const auto low = std::lower_bound(values.begin(), values.end(), median - kTrim);
  const auto high = std::upper_bound(values.begin(), values.end(), median + kTrim);
  std::int64_t sum = 0;
  for (auto it = low; it != high; ++it) sum += *it;
  return RoundedQuotient(sum, high - low);
}

class Estimator {
 public:
  Estimator(const QsoLinks& links, std::size_t logCount, std::int64_t window)
      : links_(links), window_(window), estimates_(logCount), values_(logCount) {}

  std::vector<ClockEstimate> Run() {
    for (const LinkGroup& group : links_.groups) AddNearest(group);
    Settle();
    for (int round = 0; round < kRefinements; ++round) {
      for (const LinkGroup& group : links_.groups) AddUnambiguous(group);
      if (!Settle()) break;
    }
    return estimates_;
  }

 private:
  // Both logs learn from one pair: the low log's time minus the high log's.
  void Add(const LinkGroup& group, std::int64_t difference) {
    values_[group.low].push_back(static_cast<std::int32_t>(difference + Offset(group.high)));
    values_[group.high].push_back(static_cast<std::int32_t>(-difference + Offset(group.low)));
  }

  std::int64_t Offset(LogId log) const { return estimates_[log].offset; }

  void AddNearest(const LinkGroup& group) {
    const auto& links = links_.links;
    for (std::uint32_t i = group.begin; i < group.middle; ++i) {
      const std::int64_t time = links[i].time;
      // The high side is in time order: walk out from where this time would be.
      std::uint32_t right = FirstAtOrAfter(links, group.middle, group.end, time);
      std::uint32_t left = right;
      for (std::size_t taken = 0; taken < kNearestCandidates; ++taken) {
        const bool leftOk = left > group.middle && time - links[left - 1].time <= kSearchSpan;
        const bool rightOk = right < group.end && links[right].time - time <= kSearchSpan;
        if (!leftOk && !rightOk) break;
        const bool takeLeft =
            leftOk && (!rightOk || time - links[left - 1].time <= links[right].time - time);
        const std::uint32_t j = takeLeft ? --left : right++;
        Add(group, time - links[j].time);
      }
    }
  }

  void AddUnambiguous(const LinkGroup& group) {
    const auto& links = links_.links;
    // How far the high log's clock is ahead of the low log's.
    const std::int64_t shift = Offset(group.high) - Offset(group.low);
    for (std::uint32_t i = group.begin; i < group.middle; ++i) {
      const std::int64_t time = links[i].time + shift;  // on the high log's clock
      const std::uint32_t j = FirstAtOrAfter(links, group.middle, group.end, time - window_);
      if (j == group.end || links[j].time > time + window_) continue;
      if (j + 1 < group.end && links[j + 1].time <= time + window_) continue;
      const std::int64_t back = links[j].time - shift;  // on the low log's clock
      const std::uint32_t k = FirstAtOrAfter(links, group.begin, group.middle, back - window_);
      if (k + 1 < group.middle && links[k + 1].time <= back + window_) continue;
      Add(group, links[i].time - links[j].time);
    }
  }

  // New offsets from the values gathered, centred on their median; the values
  // are used up. Returns whether any offset moved by more than a second.
  bool Settle() {
    std::vector<std::int64_t> known;
    std::vector<ClockEstimate> next = estimates_;
    for (LogId log = 0; log < values_.size(); ++log) {
      const std::size_t count = values_[log].size();
      if (const auto centre = RobustCentre(values_[log])) {
        next[log] = ClockEstimate{*centre, static_cast<std::uint32_t>(count)};
        known.push_back(*centre);
      }
      values_[log].clear();
    }
    if (!known.empty()) {
      std::nth_element(known.begin(), known.begin() + known.size() / 2, known.end());
      const std::int64_t median = known[known.size() / 2];
      for (ClockEstimate& estimate : next) {
        if (estimate.matches > 0) estimate.offset -= median;
      }
    }
    bool moved = false;
    for (LogId log = 0; log < next.size(); ++log) {
      moved = moved || std::abs(next[log].offset - estimates_[log].offset) > 1;
    }
    estimates_ = std::move(next);
    return moved;
  }

  const QsoLinks& links_;
  const std::int64_t window_;
  std::vector<ClockEstimate> estimates_;
  std::vector<std::vector<std::int32_t>> values_;
};

}  // namespace

std::vector<ClockEstimate> EstimateClocks(const QsoLinks& links, std::size_t logCount,
                                          std::int64_t windowSeconds) {
  return Estimator(links, logCount, windowSeconds).Run();
}

}  // namespace crosscheck
