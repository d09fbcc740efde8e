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
constexpr int kRefinements = 6;

// Integer division that rounds to the nearest (halves away from zero).
std::int64_t RoundedQuotient(std::int64_t sum, std::int64_t count) {
  return sum >= 0 ? (2 * sum + count) / (2 * count) : -((-2 * sum + count) / (2 * count));
}

// The median of the densest kDensestSpan of the values, then the mean of the
// values within kTrim of it (the minute truncation of both logs averages out),
// with how many values that mean rests on. Nothing when fewer than
// kMinMatches values agree.
std::optional<ClockEstimate> RobustCentre(std::vector<std::int32_t>& values) {
  std::sort(values.begin(), values.end());
  std::size_t bestBegin = 0;
  std::size_t bestEnd = 0;
  for (std::size_t begin = 0, end = 0; begin < values.size(); ++begin) {
    while (end < values.size() && values[end] - values[begin] <= kDensestSpan) ++end;
    if (end - begin > bestEnd - bestBegin) bestBegin = begin, bestEnd = end;
  }
  if (bestEnd - bestBegin < kMinMatches) return std::nullopt;
  const std::int64_t median = values[(bestBegin + bestEnd - 1) / 2];
  const auto low = std::lower_bound(values.begin(), values.end(), median - kTrim);
  const auto high = std::upper_bound(values.begin(), values.end(), median + kTrim);
  std::int64_t sum = 0;
  for (auto it = low; it != high; ++it) sum += *it;
  return ClockEstimate{RoundedQuotient(sum, high - low), static_cast<std::uint32_t>(high - low)};
}

// One log's side of a link group.
struct Side {
  std::uint32_t group = 0;
  bool low = true;
};

// Gauss-Seidel sweeps: each log's offset is estimated from its neighbours'
// latest offsets, so that a log worked only by one station with a wrong clock
// settles as well as a log in the thick of the contest.
class Estimator {
 public:
  Estimator(const QsoLinks& links, std::size_t logCount, std::int64_t window)
      : links_(links), window_(window), estimates_(logCount), sides_(logCount) {
    for (std::uint32_t g = 0; g < links.groups.size(); ++g) {
      sides_[links.groups[g].low].push_back(Side{g, true});
      sides_[links.groups[g].high].push_back(Side{g, false});
    }
  }

  std::vector<ClockEstimate> Run() {
    Sweep(false);
    for (int round = 0; round < kRefinements; ++round) {
      if (!Sweep(true)) break;
    }
    return estimates_;
  }

 private:
  struct Ranges {
    std::uint32_t ownBegin, ownEnd, otherBegin, otherEnd;
    LogId other;
  };

  Ranges RangesOf(const Side& side) const {
    const LinkGroup& group = links_.groups[side.group];
    return side.low ? Ranges{group.begin, group.middle, group.middle, group.end, group.high}
                    : Ranges{group.middle, group.end, group.begin, group.middle, group.low};
  }

  std::int64_t Offset(LogId log) const { return estimates_[log].offset; }

  // What each of the log's QSOs says about its clock, through the nearest
  // QSOs of the other log: the difference of the two times, corrected by the
  // other log's offset.
  void AddNearest(const Ranges& r, std::vector<std::int32_t>& values) const {
    const auto& links = links_.links;
    for (std::uint32_t i = r.ownBegin; i < r.ownEnd; ++i) {
      const std::int64_t time = links[i].time;
      std::uint32_t right = FirstAtOrAfter(links, r.otherBegin, r.otherEnd, time);
      std::uint32_t left = right;
      for (std::size_t taken = 0; taken < kNearestCandidates; ++taken) {
        const bool leftOk = left > r.otherBegin && time - links[left - 1].time <= kSearchSpan;
        const bool rightOk = right < r.otherEnd && links[right].time - time <= kSearchSpan;
        if (!leftOk && !rightOk) break;
        const bool takeLeft =
            leftOk && (!rightOk || time - links[left - 1].time <= links[right].time - time);
        const std::uint32_t j = takeLeft ? --left : right++;
        values.push_back(static_cast<std::int32_t>(time - links[j].time + Offset(r.other)));
      }
    }
  }

  // The same through unambiguous matches only: after both corrections, one
  // QSO of the other log within the window, and this one the only one within
  // the window of it.
  void AddUnambiguous(const Ranges& r, LogId log, std::vector<std::int32_t>& values) const {
    const auto& links = links_.links;
    const std::int64_t shift = Offset(r.other) - Offset(log);  // the other clock's lead
    for (std::uint32_t i = r.ownBegin; i < r.ownEnd; ++i) {
      const std::int64_t time = links[i].time + shift;  // on the other log's clock
      const std::uint32_t j = FirstAtOrAfter(links, r.otherBegin, r.otherEnd, time - window_);
      if (j == r.otherEnd || links[j].time > time + window_) continue;
      if (j + 1 < r.otherEnd && links[j + 1].time <= time + window_) continue;
      const std::int64_t back = links[j].time - shift;  // on this log's clock
      const std::uint32_t k = FirstAtOrAfter(links, r.ownBegin, r.ownEnd, back - window_);
      if (k + 1 < r.ownEnd && links[k + 1].time <= back + window_) continue;
      values.push_back(static_cast<std::int32_t>(links[i].time - links[j].time + Offset(r.other)));
    }
  }

  // One sweep over the logs, then the offsets centred on their median.
  // Returns whether any offset moved by more than a second.
  bool Sweep(bool unambiguous) {
    const std::vector<ClockEstimate> before = estimates_;
    std::vector<std::int32_t> values;
    for (LogId log = 0; log < estimates_.size(); ++log) {
      values.clear();
      for (const Side& side : sides_[log]) {
        if (unambiguous) {
          AddUnambiguous(RangesOf(side), log, values);
        } else {
          AddNearest(RangesOf(side), values);
        }
      }
      if (const auto centre = RobustCentre(values)) estimates_[log] = *centre;
    }
    // Of the logs that share QSOs with others, those whose clock can not be
    // estimated count as right.
    std::vector<std::int64_t> offsets;
    for (LogId log = 0; log < estimates_.size(); ++log) {
      if (!sides_[log].empty()) offsets.push_back(estimates_[log].offset);
    }
    if (!offsets.empty()) {
      std::nth_element(offsets.begin(), offsets.begin() + offsets.size() / 2, offsets.end());
      const std::int64_t median = offsets[offsets.size() / 2];
      for (ClockEstimate& estimate : estimates_) {
        if (estimate.matches > 0) estimate.offset -= median;
      }
    }
    for (LogId log = 0; log < estimates_.size(); ++log) {
      if (std::abs(estimates_[log].offset - before[log].offset) > 1) return true;
    }
    return false;
  }

  const QsoLinks& links_;
  const std::int64_t window_;
  std::vector<ClockEstimate> estimates_;
  std::vector<std::vector<Side>> sides_;
};

}  // namespace

std::vector<ClockEstimate> EstimateClocks(const QsoLinks& links, std::size_t logCount,
                                          std::int64_t windowSeconds) {
  return Estimator(links, logCount, windowSeconds).Run();
}

}  // namespace crosscheck
