#include "crosscheck/check/dupes.h"

#include <algorithm>
#include <tuple>

#include "stats/rules/tours.h"

namespace crosscheck {
namespace {

int Preference(Verdict verdict) {
  if (verdict == Verdict::kOk) return 0;
  return verdict == Verdict::kBustedExchange ? 1 : 2;
}

// When the QSO was made, by the correct clock. One that two logs hold (it
// was paired) has one moment: the mean of both logs' corrected times, so
// that both put it in the same tour.
std::int64_t CorrectedMoment(const Contest& contest, const std::vector<ClockEstimate>& clocks,
                             const std::vector<Judgement>& judgements, QsoId id) {
  const auto corrected = [&](QsoId qso) {
    return MomentOf(contest.qsos[qso]) - clocks[contest.qsos[qso].log].offset;
  };
  const Judgement& judgement = judgements[id];
  const bool paired = judgement.evidence != kNone && judgement.verdict != Verdict::kDupe;
  return paired ? (corrected(id) + corrected(judgement.evidence)) / 2 : corrected(id);
}

}  // namespace

void MarkDupes(const Contest& contest, const std::vector<ClockEstimate>& clocks,
               std::vector<Judgement>& judgements) {
  struct Entry {
    CallId call;
    std::uint32_t band;
    std::uint8_t mode;
    int tour;
    int preference;
    std::int64_t corrected;
    QsoId qso;

    auto Repeat() const { return std::tie(call, band, mode, tour); }
    auto Key() const { return std::tie(call, band, mode, tour, preference, corrected, qso); }
  };
  std::vector<Entry> entries;
  for (LogId log = 0; log < contest.logs.size(); ++log) {
    if (!contest.logs[log].Checked()) continue;
    entries.clear();
    for (QsoId id = contest.logs[log].firstQso; id < contest.logs[log].endQso; ++id) {
      if (judgements[id].verdict == Verdict::kOutOfContest) continue;
      const Qso& qso = contest.qsos[id];
      const std::int64_t corrected = CorrectedMoment(contest, clocks, judgements, id);
      entries.push_back(Entry{qso.call, qso.band, qso.contestMode, stats::TourOfMoment(corrected),
                              Preference(judgements[id].verdict), corrected, id});
    }
    std::sort(entries.begin(), entries.end(),
              [](const Entry& a, const Entry& b) { return a.Key() < b.Key(); });
    for (std::size_t kept = 0; kept < entries.size();) {
      std::size_t next = kept + 1;
      for (; next < entries.size() && entries[next].Repeat() == entries[kept].Repeat(); ++next) {
        judgements[entries[next].qso] = Judgement{entries[kept].qso, kNone, Verdict::kDupe, false};
      }
      kept = next;
    }
  }
}

}  // namespace crosscheck
