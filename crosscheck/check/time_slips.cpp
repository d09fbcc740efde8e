#include "crosscheck/check/time_slips.h"

#include <algorithm>
#include <cstdlib>
#include <tuple>

namespace crosscheck {
namespace {

constexpr std::int64_t kMostApart = 26 * 3600;
enum { kBoth, kFirst, kSecond };  // the numbers that must agree

// A QSO as its pair would see it: `first` is the number the lower log sent,
// `second` the one it received, from whichever side.
struct Entry {
  LogId low = 0;
  LogId high = 0;
  std::uint64_t bandMode = 0;
  std::uint32_t first = 0;
  std::uint32_t second = 0;
  bool highSide = false;
  QsoId qso = 0;

  auto Numbers() const { return std::tie(low, high, bandMode, first, second); }
  auto Key() const { return std::tie(low, high, bandMode, first, second, highSide, qso); }
};

// Whether the log sends a new number on every line, as far as the
// neighbours of this one show (one of them may have slipped).
bool NumbersItsQsos(const Contest& contest, const ExchangeCheck& exchanges, QsoId id) {
  const ContestLog& log = contest.logs[contest.qsos[id].log];
  const std::uint32_t sent = exchanges.FormOf(contest.qsos[id].sent);
  const bool before = id > log.firstQso;
  const bool after = id + 1 < log.endQso;
  const bool sameAsBefore = before && exchanges.FormOf(contest.qsos[id - 1].sent) == sent;
  const bool sameAsAfter = after && exchanges.FormOf(contest.qsos[id + 1].sent) == sent;
  return !((sameAsBefore || !before) && (sameAsAfter || !after) && (before || after));
}

}  // namespace

void PairTimeSlips(const Contest& contest, const std::vector<LogId>& logOfCall,
                   const std::vector<std::int64_t>& corrected, const std::vector<bool>& matchable,
                   const ExchangeCheck& exchanges, std::vector<QsoId>& partner,
                   std::vector<Judgement>& judgements) {
  std::vector<Entry> all;
  for (QsoId id = 0; id < contest.qsos.size(); ++id) {
    const Qso& qso = contest.qsos[id];
    if (!matchable[id] || partner[id] != kNone) continue;
    const LogId other = logOfCall[qso.call];
    if (other == kNone || other == qso.log || contest.logs[other].ownCall == kNone) continue;
    const std::uint32_t sent = exchanges.FormOf(qso.sent);
    const std::uint32_t received = exchanges.FormOf(qso.received);
    const bool high = qso.log > other;
    all.push_back(Entry{std::min(qso.log, other), std::max(qso.log, other),
                        std::uint64_t{qso.band} << 8 | qso.contestMode, high ? received : sent,
                        high ? sent : received, high, id});
  }
  // Both numbers first; then, where one side miscopied a number too, either.
  std::vector<Entry> entries;
  for (const int agreeing : {kBoth, kFirst, kSecond}) {
    entries.clear();
    for (Entry entry : all) {
      if (partner[entry.qso] != kNone) continue;
      if (agreeing == kFirst) entry.second = 0;
      if (agreeing == kSecond) entry.first = 0;
      entries.push_back(entry);
    }
    std::sort(entries.begin(), entries.end(),
              [](const Entry& a, const Entry& b) { return a.Key() < b.Key(); });
    for (std::size_t begin = 0, end = 0; begin < entries.size(); begin = end) {
      while (end < entries.size() && entries[end].Numbers() == entries[begin].Numbers()) ++end;
      // Exactly one QSO of each log, each naming the other's station.
      if (end - begin != 2 || entries[begin].highSide == entries[begin + 1].highSide) continue;
      const QsoId one = entries[begin].qso;
      const QsoId other = entries[begin + 1].qso;
      if (contest.qsos[other].call != contest.logs[contest.qsos[one].log].ownCall) continue;
      if (std::llabs(corrected[one] - corrected[other]) > kMostApart) continue;
      if (!NumbersItsQsos(contest, exchanges, one) || !NumbersItsQsos(contest, exchanges, other)) {
        continue;
      }
      partner[one] = other;
      partner[other] = one;
      judgements[one].note = judgements[other].note = Note::kTimesApart;
    }
  }
}

bool InOrderInItsLog(const Contest& contest, const std::vector<std::int64_t>& corrected, QsoId id,
                     std::int64_t slack) {
  const ContestLog& log = contest.logs[contest.qsos[id].log];
  const bool afterThePrevious = id == log.firstQso || corrected[id - 1] <= corrected[id] + slack;
  const bool beforeTheNext = id + 1 == log.endQso || corrected[id] <= corrected[id + 1] + slack;
  return afterThePrevious && beforeTheNext;
}

}  // namespace crosscheck
