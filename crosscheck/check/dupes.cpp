#include "crosscheck/check/dupes.h"

#include <algorithm>
#include <tuple>

#include "crosscheck/check/time_slips.h"
#include "stats/rules/tours.h"

namespace crosscheck {
namespace {

int Preference(Verdict verdict) {
  if (verdict == Verdict::kOk) return 0;
  return verdict == Verdict::kBustedExchange ? 1 : 2;
}

// When the QSO was made, by the correct clock: the log's own time, corrected
// by its clock's offset; but of a slip in one side's time, the time of the
// side in order in its log.
std::int64_t CorrectedMoment(const Contest& contest, const std::vector<std::int64_t>& corrected,
                             const std::vector<Judgement>& judgements, QsoId id) {
  constexpr std::int64_t kSlack = 180;
  const Judgement& judgement = judgements[id];
  if (judgement.note != Note::kTimesApart || judgement.evidence == kNone) return corrected[id];
  const QsoId other = judgement.evidence;
  return InOrderInItsLog(contest, corrected, id, kSlack) ||
                 !InOrderInItsLog(contest, corrected, other, kSlack)
             ? corrected[id]
             : corrected[other];
}

}  // namespace

void MarkDupes(const Contest& contest, const std::vector<std::int64_t>& corrected,
               std::vector<Judgement>& judgements) {
  struct Entry {
    CallId call;
    std::uint32_t band;
    std::uint8_t mode;
    int tour;
    int preference;
    std::int64_t moment;
    QsoId qso;

    auto Repeat() const { return std::tie(call, band, mode, tour); }
    auto Key() const { return std::tie(call, band, mode, tour, preference, moment, qso); }
  };
  std::vector<Entry> entries;
  for (LogId log = 0; log < contest.logs.size(); ++log) {
    if (!contest.logs[log].Checked()) continue;
    entries.clear();
    for (QsoId id = contest.logs[log].firstQso; id < contest.logs[log].endQso; ++id) {
      if (judgements[id].verdict == Verdict::kOutOfContest) continue;
      const Qso& qso = contest.qsos[id];
      const std::int64_t moment = CorrectedMoment(contest, corrected, judgements, id);
      entries.push_back(Entry{qso.call, qso.band, qso.contestMode, stats::TourOfMoment(moment),
                              Preference(judgements[id].verdict), moment, id});
    }
    std::sort(entries.begin(), entries.end(),
              [](const Entry& a, const Entry& b) { return a.Key() < b.Key(); });
    for (std::size_t kept = 0; kept < entries.size();) {
      std::size_t next = kept + 1;
      for (; next < entries.size() && entries[next].Repeat() == entries[kept].Repeat(); ++next) {
        judgements[entries[next].qso] = Judgement{entries[kept].qso, kNone, Verdict::kDupe};
      }
      kept = next;
    }
  }
}

}  // namespace crosscheck
