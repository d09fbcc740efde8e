#include "crosscheck/check/clock_estimate.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <numeric>
#include <optional>
#include <queue>
#include <tuple>

namespace crosscheck {
namespace {

constexpr std::int64_t kSearchSpan = 26 * 3600;  // a clock a day off is still found
constexpr std::size_t kNearestCandidates = 8;    // per QSO in the first estimate
constexpr std::int32_t kDensestSpan = 120;       // seconds: two logged minutes
constexpr std::int32_t kTrim = 90;               // the mean takes what lies this near
constexpr std::size_t kMinMatches = 3;
constexpr int kRefinements = 6;
constexpr std::size_t kMinPart = 8;      // anchors on each side of a change of the clock
constexpr std::int64_t kMinChange = 40;  // seconds
constexpr double kScatter = 150;         // seconds: a step must be this over the root of 1/n + 1/m
constexpr std::size_t kMostParts = 8;

// Integer division that rounds to the nearest (halves away from zero).
std::int64_t RoundedQuotient(std::int64_t sum, std::int64_t count) {
  return sum >= 0 ? (2 * sum + count) / (2 * count) : -((-2 * sum + count) / (2 * count));
}

struct Centre {
  std::int64_t offset = 0;
  std::uint32_t matches = 0;
};

// The median of the densest kDensestSpan of the values, then the mean of the
// values within kTrim of it (the minute truncation of both logs averages out),
// with how many values that mean rests on. Nothing when fewer than
// kMinMatches values agree.
std::optional<Centre> RobustCentre(std::vector<std::int32_t>& values) {
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
  return Centre{RoundedQuotient(sum, high - low), static_cast<std::uint32_t>(high - low)};
}

// The median of a growing sequence, kept in two heaps.
class RunningMedian {
 public:
  void Add(std::int32_t value) {
    if (low_.empty() || value <= low_.top()) {
      low_.push(value);
    } else {
      high_.push(value);
    }
    if (low_.size() > high_.size() + 1) high_.push(low_.top()), low_.pop();
    if (high_.size() > low_.size()) low_.push(high_.top()), high_.pop();
  }
  std::int32_t Median() const { return low_.top(); }

 private:
  std::priority_queue<std::int32_t> low_;
  std::priority_queue<std::int32_t, std::vector<std::int32_t>, std::greater<>> high_;
};

// What one of the log's QSOs says about its clock: when it was logged, the
// clock was `value` seconds ahead.
struct Said {
  QsoId qso = 0;
  std::int32_t value = 0;
};

// A step in what a log's QSOs said, in file order: before `at` the clock was
// about `before` seconds ahead, from `at` on about `after`.
struct Step {
  std::size_t at = 0;
  std::int64_t before = 0;
  std::int64_t after = 0;
};

// Where a sequence of what was said (in file order) steps: binary
// segmentation by the medians on either side, each part at least kMinPart
// long when found.
void FindSteps(const std::vector<Said>& said, std::size_t begin, std::size_t end,
               std::vector<Step>& steps) {
  if (end - begin < 2 * kMinPart || steps.size() + 1 >= kMostParts) return;
  std::vector<std::int32_t> before(end - begin + 1);
  std::vector<std::int32_t> after(end - begin + 1);
  RunningMedian running;
  for (std::size_t i = begin; i < end; ++i) {
    running.Add(said[i].value);
    before[i + 1 - begin] = running.Median();
  }
  RunningMedian backwards;
  for (std::size_t i = end; i-- > begin;) {
    backwards.Add(said[i].value);
    after[i - begin] = backwards.Median();
  }
  std::size_t best = 0;
  double bestScore = 0;
  for (std::size_t at = begin + kMinPart; at + kMinPart <= end; ++at) {
    const std::int64_t step = std::llabs(std::int64_t{before[at - begin]} - after[at - begin]);
    // Two logs to the minute scatter what a QSO says by up to a minute
    // either way: the fewer on either side, the larger a step must be.
    const double noise = kScatter * std::sqrt(1.0 / static_cast<double>(at - begin) +
                                              1.0 / static_cast<double>(end - at));
    if (step < kMinChange || static_cast<double>(step) < noise) continue;
    const double score =
        static_cast<double>(step) * std::sqrt(static_cast<double>((at - begin) * (end - at)));
    if (score > bestScore) best = at, bestScore = score;
  }
  if (best == 0) return;
  // The medians show the step but not quite where it is (a part shorter than
  // kMinPart shifts no median): it is where the fewest values lie on the
  // wrong side, nearer the other part's median.
  const std::int32_t left = before[best - begin];
  const std::int32_t right = after[best - begin];
  const auto nearerRight = [&](std::size_t i) {
    return std::llabs(std::int64_t{said[i].value} - right) <
           std::llabs(std::int64_t{said[i].value} - left);
  };
  const std::size_t first = begin + kMinMatches;
  std::size_t wrong = 0;  // with the step at `first`
  for (std::size_t i = begin; i < end; ++i) wrong += (i < first) == nearerRight(i);
  std::size_t fewest = wrong;
  best = first;
  for (std::size_t at = first + 1; at + kMinMatches <= end; ++at) {
    wrong += nearerRight(at - 1) ? 1 : std::size_t(-1);
    if (wrong < fewest) fewest = wrong, best = at;
  }
  FindSteps(said, begin, best, steps);
  steps.push_back(Step{best, left, right});
  FindSteps(said, best, end, steps);
}

// One log's side of a link group: its own links and the other log's.
struct Side {
  std::uint32_t ownBegin, ownEnd, otherBegin, otherEnd;
  LogId other;
};

// An anchor as one of its logs sees it, the two links copied: a sweep reads
// every anchor of every log, and the links array is large.
struct OwnAnchor {
  QsoLink own;
  QsoLink other;
  LogId otherLog = 0;
};

// A part of a log, in file order, with one offset.
struct Part {
  QsoId from = 0;  // its first QSO; the first part's from the log's start
  std::int64_t offset = 0;
  std::uint32_t matches = 0;
};

// Gauss-Seidel sweeps: each log's offset is estimated from its neighbours'
// latest offsets, so that a log worked only by one station with a wrong clock
// settles as well as a log in the thick of the contest.
class Estimator {
 public:
  Estimator(const Contest& contest, const QsoLinks& links, const std::vector<Anchor>& anchors,
            std::int64_t window)
      : contest_(contest),
        links_(links),
        window_(window),
        parts_(contest.logs.size(), std::vector<Part>(1)),
        considered_(contest.logs.size(), 0),
        sides_(contest.logs.size()),
        anchorsOf_(contest.logs.size()),
        anchored_(links.links.size(), false) {
    for (std::uint32_t g = 0; g < links.groups.size(); ++g) {
      const LinkGroup& group = links.groups[g];
      sides_[group.low].push_back(
          Side{group.begin, group.middle, group.middle, group.end, group.high});
      sides_[group.high].push_back(
          Side{group.middle, group.end, group.begin, group.middle, group.low});
    }
    // The anchors come group by group: the group of each is found by walking along.
    std::uint32_t g = 0;
    for (const Anchor& anchor : anchors) {
      while (links.groups[g].end <= anchor.low) ++g;
      const LinkGroup& group = links.groups[g];
      const QsoLink& low = links.links[anchor.low];
      const QsoLink& high = links.links[anchor.high];
      anchorsOf_[group.low].push_back(OwnAnchor{low, high, group.high});
      anchorsOf_[group.high].push_back(OwnAnchor{high, low, group.low});
      anchored_[anchor.low] = anchored_[anchor.high] = true;
    }
  }

  std::vector<ClockEstimate> Run() {
    Refine(Kind::kAnchored);
    Refine(Kind::kUnambiguous);
    if (SplitChangedClocks()) Refine(Kind::kUnambiguous);
    std::vector<ClockEstimate> estimates(parts_.size());
    for (LogId log = 0; log < parts_.size(); ++log) {
      ClockEstimate& estimate = estimates[log];
      estimate.offset = parts_[log].front().offset;
      estimate.considered = considered_[log];
      for (std::size_t p = 0; p < parts_[log].size(); ++p) {
        const Part& part = parts_[log][p];
        estimate.matches += part.matches;
        if (p > 0) estimate.changes.push_back(ClockChange{part.from, part.offset, part.matches});
      }
    }
    return estimates;
  }

 private:
  enum class Kind { kAnchored, kUnambiguous };

  std::size_t PartOf(LogId log, QsoId qso) const {
    const std::vector<Part>& parts = parts_[log];
    if (parts.size() == 1) return 0;
    const auto after = std::upper_bound(parts.begin(), parts.end(), qso,
                                        [](QsoId id, const Part& part) { return id < part.from; });
    return static_cast<std::size_t>(after - parts.begin()) - 1;
  }

  std::int64_t OffsetOf(LogId log, QsoId qso) const { return parts_[log][PartOf(log, qso)].offset; }

  std::int64_t Corrected(LogId log, const QsoLink& link) const {
    return link.time - OffsetOf(log, link.qso);
  }
  std::int64_t Corrected(LogId log, std::uint32_t link) const {
    return Corrected(log, links_.links[link]);
  }

  std::int32_t ValueOf(const QsoLink& own, const QsoLink& other, LogId otherLog) const {
    return static_cast<std::int32_t>(own.time - Corrected(otherLog, other));
  }
  std::int32_t ValueOf(std::uint32_t own, std::uint32_t other, LogId otherLog) const {
    return ValueOf(links_.links[own], links_.links[other], otherLog);
  }

  void AddAnchored(LogId log, std::vector<Said>& said) const {
    for (const OwnAnchor& anchor : anchorsOf_[log]) {
      said.push_back(Said{anchor.own.qso, ValueOf(anchor.own, anchor.other, anchor.otherLog)});
    }
  }

  // What each of the log's QSOs says through the nearest QSOs of the other log.
  void AddNearest(const Side& r, std::vector<Said>& said) const {
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
        said.push_back(Said{links[i].qso, ValueOf(i, j, r.other)});
      }
    }
  }

  // The one link of the log in [begin, end) whose corrected time is within
  // the window of `corrected`, or kNone when there is none or more than one.
  std::uint32_t OnlyOneNear(LogId log, std::uint32_t begin, std::uint32_t end,
                            std::int64_t corrected) const {
    const auto& links = links_.links;
    std::uint32_t found = kNone;
    for (std::size_t p = 0; p < parts_[log].size(); ++p) {
      const std::int64_t time = corrected + parts_[log][p].offset;  // on the part's clock
      for (std::uint32_t j = FirstAtOrAfter(links, begin, end, time - window_);
           j < end && links[j].time <= time + window_; ++j) {
        if (PartOf(log, links[j].qso) != p) continue;
        if (found != kNone) return kNone;
        found = j;
      }
    }
    return found;
  }

  // The same through the unambiguous matches of QSOs without an anchor:
  // after both corrections, one QSO of the other log within the window, and
  // this one the only one within the window of it.
  void AddUnambiguous(const Side& r, LogId log, std::vector<Said>& said) const {
    for (std::uint32_t i = r.ownBegin; i < r.ownEnd; ++i) {
      if (anchored_[i]) continue;
      const std::uint32_t j = OnlyOneNear(r.other, r.otherBegin, r.otherEnd, Corrected(log, i));
      if (j == kNone || OnlyOneNear(log, r.ownBegin, r.ownEnd, Corrected(r.other, j)) != i)
        continue;
      said.push_back(Said{links_.links[i].qso, ValueOf(i, j, r.other)});
    }
  }

  void Collect(LogId log, Kind kind, std::vector<Said>& said) const {
    said.clear();
    AddAnchored(log, said);
    if (kind == Kind::kAnchored && said.size() < kMinMatches) {
      for (const Side& side : sides_[log]) AddNearest(side, said);
    } else if (kind == Kind::kUnambiguous) {
      for (const Side& side : sides_[log]) AddUnambiguous(side, log, said);
    }
  }

  // Each part of the log takes the centre of what its QSOs said.
  void Settle(LogId log, const std::vector<Said>& said, std::vector<std::int32_t>& values) {
    considered_[log] = static_cast<std::uint32_t>(said.size());
    std::vector<Part>& parts = parts_[log];
    for (std::size_t p = 0; p < parts.size(); ++p) {
      values.clear();
      for (const Said& one : said) {
        if (parts.size() == 1 || PartOf(log, one.qso) == p) values.push_back(one.value);
      }
      if (const auto centre = RobustCentre(values)) {
        parts[p].offset = centre->offset;
        parts[p].matches = centre->matches;
      }
    }
  }

  // Sweeps until no offset moves by more than a second.
  void Refine(Kind kind) {
    std::vector<Said> said;
    std::vector<std::int32_t> values;
    for (int round = 0; round < kRefinements; ++round) {
      const std::vector<std::vector<Part>> before = parts_;
      for (LogId log = 0; log < parts_.size(); ++log) {
        Collect(log, kind, said);
        Settle(log, said, values);
      }
      CentreOnMedian();
      bool moved = false;
      for (LogId log = 0; log < parts_.size() && !moved; ++log) {
        for (std::size_t p = 0; p < parts_[log].size(); ++p) {
          moved = moved || std::llabs(parts_[log][p].offset - before[log][p].offset) > 1;
        }
      }
      if (!moved) return;
    }
  }

  // Of the logs that share QSOs with others, those whose clock can not be
  // estimated count as right; each log by its part with the most matches.
  void CentreOnMedian() {
    std::vector<std::int64_t> offsets;
    for (LogId log = 0; log < parts_.size(); ++log) {
      if (sides_[log].empty()) continue;
      offsets.push_back(
          std::max_element(parts_[log].begin(), parts_[log].end(),
                           [](const Part& a, const Part& b) { return a.matches < b.matches; })
              ->offset);
    }
    if (offsets.empty()) return;
    std::nth_element(offsets.begin(), offsets.begin() + offsets.size() / 2, offsets.end());
    const std::int64_t median = offsets[offsets.size() / 2];
    for (std::vector<Part>& parts : parts_) {
      for (Part& part : parts) {
        if (part.matches > 0) part.offset -= median;
      }
    }
  }

  // Splits each log whose anchors say its clock changed.
  bool SplitChangedClocks() {
    bool split = false;
    std::vector<Said> said;
    std::vector<Step> steps;
    std::vector<std::int32_t> values;
    for (LogId log = 0; log < parts_.size(); ++log) {
      if (anchorsOf_[log].size() < 2 * kMinPart) continue;
      said.clear();
      AddAnchored(log, said);
      std::sort(said.begin(), said.end(), [](const Said& a, const Said& b) {
        return std::tie(a.qso, a.value) < std::tie(b.qso, b.value);
      });
      steps.clear();
      FindSteps(said, 0, said.size(), steps);
      if (steps.empty()) continue;
      split = true;
      std::vector<Part> parts(1, parts_[log].front());
      for (const Step& step : steps) {
        parts.push_back(Part{ChangedAt(log, said[step.at - 1].qso, said[step.at].qso, step),
                             parts.back().offset, 0});
      }
      parts_[log] = std::move(parts);
      Settle(log, said, values);
    }
    return split;
  }

  // The first QSO with the offset after a change of the clock that came
  // between two anchors: the QSOs between them that meet a QSO of the other
  // log within the window with the one offset and not with the other say
  // where; else where the log's own times show it, a clock set ahead by a
  // gap forward and one set back by a step backwards.
  QsoId ChangedAt(LogId log, QsoId before, QsoId after, const Step& step) const {
    std::vector<int> says(after - before - 1, 0);  // -1: the offset before; 1: after
    for (const Side& r : sides_[log]) {
      for (std::uint32_t i = r.ownBegin; i < r.ownEnd; ++i) {
        const QsoId id = links_.links[i].qso;
        if (id <= before || id >= after) continue;
        const bool meetsBefore = Meets(r, links_.links[i].time - step.before);
        const bool meetsAfter = Meets(r, links_.links[i].time - step.after);
        if (meetsBefore != meetsAfter) says[id - before - 1] = meetsAfter ? 1 : -1;
      }
    }
    const std::int64_t sign = step.after > step.before ? 1 : -1;
    QsoId at = after;
    std::tuple<std::ptrdiff_t, std::int64_t> best{PTRDIFF_MIN, INT64_MIN};
    // How many say "after" less "before" of those from the change on.
    std::ptrdiff_t agreeing = std::accumulate(says.begin(), says.end(), std::ptrdiff_t{0});
    for (QsoId id = before + 1; id <= after; ++id) {
      const std::int64_t shown =
          sign * (MomentOf(contest_.qsos[id]) - MomentOf(contest_.qsos[id - 1]));
      if (const std::tuple candidate{agreeing, shown}; candidate > best) at = id, best = candidate;
      if (id < after) agreeing -= says[id - before - 1];
    }
    return at;
  }

  // Whether a QSO of the other log lies within the window of a corrected time.
  bool Meets(const Side& r, std::int64_t corrected) const {
    return OnlyOneNear(r.other, r.otherBegin, r.otherEnd, corrected) != kNone;
  }

  const Contest& contest_;
  const QsoLinks& links_;
  const std::int64_t window_;
  std::vector<std::vector<Part>> parts_;
  std::vector<std::uint32_t> considered_;
  std::vector<std::vector<Side>> sides_;
  std::vector<std::vector<OwnAnchor>> anchorsOf_;
  std::vector<bool> anchored_;  // by link
};

}  // namespace

std::vector<ClockEstimate> EstimateClocks(const Contest& contest, const QsoLinks& links,
                                          const std::vector<Anchor>& anchors,
                                          std::int64_t windowSeconds) {
  return Estimator(contest, links, anchors, windowSeconds).Run();
}

}  // namespace crosscheck
