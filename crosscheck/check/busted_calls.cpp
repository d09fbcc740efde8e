#include "crosscheck/check/busted_calls.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <tuple>
#include <unordered_map>

#include "crosscheck/check/call_edit.h"

namespace crosscheck {
namespace {

constexpr std::int64_t kMostApart = 26 * 3600;  // a slip in one side's time: the day typed wrong

std::uint64_t BandMode(const Qso& qso) { return std::uint64_t{qso.band} << 8 | qso.contestMode; }

bool Voice(const Qso& qso) {
  return qso.contestMode != kNotCounted &&
         stats::kContestModes[qso.contestMode].cabrilloCode == std::string_view("PH");
}

// A QSO that nothing confirmed, in its log's list, with what the search
// compares at hand.
struct Unconfirmed {
  std::uint64_t bandMode = 0;
  std::int64_t corrected = 0;
  QsoId qso = 0;
  CallId call = 0;
  ExchangeCheck::Forms forms;

  auto Key() const { return std::tie(bandMode, corrected, qso); }
};

// Each checked log's unconfirmed QSOs, by band and mode, then time.
class UnconfirmedByLog {
 public:
  UnconfirmedByLog(const Contest& contest, const std::vector<std::int64_t>& corrected,
                   const std::vector<bool>& matchable, const ExchangeCheck& exchanges,
                   const std::vector<QsoId>& partner)
      : first_(contest.logs.size() + 1, 0) {
    for (LogId log = 0; log < contest.logs.size(); ++log) {
      first_[log] = static_cast<std::uint32_t>(list_.size());
      for (QsoId id = contest.logs[log].firstQso; id < contest.logs[log].endQso; ++id) {
        if (matchable[id] && partner[id] == kNone) {
          list_.push_back(Unconfirmed{BandMode(contest.qsos[id]), corrected[id], id,
                                      contest.qsos[id].call, exchanges.FormsOf(id)});
        }
      }
      std::sort(list_.begin() + first_[log], list_.end(),
                [](const Unconfirmed& a, const Unconfirmed& b) { return a.Key() < b.Key(); });
    }
    first_.back() = static_cast<std::uint32_t>(list_.size());
  }

  // The log's unconfirmed QSOs on the band and mode from `from` on, in time order.
  const Unconfirmed* From(LogId log, std::uint64_t bandMode, std::int64_t from) const {
    const auto found =
        std::lower_bound(list_.begin() + first_[log], list_.begin() + first_[log + 1],
                         std::tie(bandMode, from), [](const Unconfirmed& a, const auto& key) {
                           return std::tie(a.bandMode, a.corrected) < key;
                         });
    return list_.data() + (found - list_.begin());
  }
  const Unconfirmed* End(LogId log) const { return list_.data() + first_[log + 1]; }
  const std::vector<Unconfirmed>& All() const { return list_; }

 private:
  std::vector<Unconfirmed> list_;
  std::vector<std::uint32_t> first_;  // by log, and the end
};

// A checked log whose call is close to a logged call, and how close in CW
// and in voice (CallEditOf).
struct CloseLog {
  LogId log = 0;
  CallEdit cw = CallEdit::kNone;
  CallEdit voice = CallEdit::kNone;
};

// The checked logs whose calls are close to a logged call, found through the
// keys both share (CloseCallKeys) and kept per call.
class CloseLogs {
 public:
  CloseLogs(const Contest& contest, const std::vector<LogId>& logOfCall) : contest_(contest) {
    std::vector<std::string> keys;
    for (CallId call = 0; call < logOfCall.size(); ++call) {
      if (logOfCall[call] == kNone) continue;
      CloseCallKeys(contest.calls.Text(call), keys);
      for (std::string& key : keys) byKey_[std::move(key)].push_back(logOfCall[call]);
    }
  }

  const std::vector<CloseLog>& Of(CallId call) {
    const auto [found, added] = cache_.try_emplace(call);
    if (!added) return found->second;
    const std::string& logged = contest_.calls.Text(call);
    CloseCallKeys(logged, keys_);
    logs_.clear();
    for (const std::string& key : keys_) {
      const auto logs = byKey_.find(key);
      if (logs != byKey_.end()) logs_.insert(logs_.end(), logs->second.begin(), logs->second.end());
    }
    std::sort(logs_.begin(), logs_.end());
    logs_.erase(std::unique(logs_.begin(), logs_.end()), logs_.end());
    for (const LogId log : logs_) {
      const std::string& real = contest_.calls.Text(contest_.logs[log].ownCall);
      const CloseLog close{log, CallEditOf(logged, real, false), CallEditOf(logged, real, true)};
      if (close.cw != CallEdit::kNone || close.voice != CallEdit::kNone) {
        found->second.push_back(close);
      }
    }
    return found->second;
  }

 private:
  const Contest& contest_;
  std::unordered_map<std::string, std::vector<LogId>> byKey_;
  std::unordered_map<CallId, std::vector<CloseLog>> cache_;
  std::vector<std::string> keys_;
  std::vector<LogId> logs_;
};

struct Candidate {
  int disagreements = 0;  // numbers not copied as sent: 0, 1 or 2
  bool bothBusted = false;
  bool timesApart = false;  // further apart than the window: a slip in one side's time
  int edit = 0;             // 0: a letter that sounds alike
  std::int64_t apart = 0;
  QsoId qso = 0;    // the busted call
  QsoId other = 0;  // the QSO of the station really worked

  auto Key() const {
    return std::tie(disagreements, bothBusted, timesApart, edit, apart, qso, other);
  }
};

}  // namespace

void FindBustedCalls(const Contest& contest, const CallIndex& calls,
                     const std::vector<std::int64_t>& corrected, const std::vector<bool>& matchable,
                     const ExchangeCheck& exchanges, std::int64_t windowSeconds,
                     std::vector<QsoId>& partner, std::vector<Judgement>& judgements) {
  const UnconfirmedByLog unconfirmed(contest, corrected, matchable, exchanges, partner);
  CloseLogs closeLogs(contest, calls.logOfCall);
  std::vector<Candidate> candidates;
  for (const Unconfirmed& entry : unconfirmed.All()) {
    const Qso& qso = contest.qsos[entry.qso];
    const CallId own = contest.logs[qso.log].ownCall;
    if (qso.call == own) continue;
    const bool voice = Voice(qso);
    // Without the numbers, only the old evidence: a call no one else has.
    const bool loneCall = calls.logOfCall[qso.call] == kNone && calls.logsWith[qso.call] <= 1;
    for (const CloseLog& close : closeLogs.Of(qso.call)) {
      const LogId log = close.log;
      if (log == qso.log) continue;
      const CallEdit edit = voice ? close.voice : close.cw;
      if (edit == CallEdit::kNone) continue;
      for (const Unconfirmed* it =
               unconfirmed.From(log, entry.bandMode, entry.corrected - kMostApart);
           it != unconfirmed.End(log) && it->bandMode == entry.bandMode &&
           it->corrected <= entry.corrected + kMostApart;
           ++it) {
        const bool bothBusted = it->call != own;
        const bool received = ExchangeCheck::CopiedRight(entry.forms, it->forms);
        const bool sent = ExchangeCheck::CopiedRight(it->forms, entry.forms);
        const std::int64_t apart = std::llabs(it->corrected - entry.corrected);
        const bool timesApart = apart > windowSeconds;
        // What shows the two are one QSO: within the window, a number that
        // agrees (or, for a call no one else has, nothing more); further
        // apart, or both calls miscopied, both numbers.
        const bool shown =
            timesApart || bothBusted ? received && sent : received || sent || loneCall;
        if (!shown || (timesApart && bothBusted)) continue;
        if (bothBusted && CallEditOf(contest.calls.Text(it->call), contest.calls.Text(own),
                                     voice) == CallEdit::kNone) {
          continue;
        }
        candidates.push_back(Candidate{(received ? 0 : 1) + (sent ? 0 : 1), bothBusted, timesApart,
                                       edit == CallEdit::kSoundAlike ? 0 : 1, apart, entry.qso,
                                       it->qso});
      }
    }
  }
  std::sort(candidates.begin(), candidates.end(),
            [](const Candidate& a, const Candidate& b) { return a.Key() < b.Key(); });
  for (const Candidate& candidate : candidates) {
    if (partner[candidate.qso] != kNone || partner[candidate.other] != kNone) continue;
    partner[candidate.qso] = candidate.other;
    partner[candidate.other] = candidate.qso;
    const auto busted = [&](QsoId id, QsoId evidence) {
      judgements[id].verdict = Verdict::kBustedCall;
      judgements[id].evidence = evidence;
      judgements[id].correctCall = contest.logs[contest.qsos[evidence].log].ownCall;
    };
    busted(candidate.qso, candidate.other);
    if (candidate.bothBusted) busted(candidate.other, candidate.qso);
    if (candidate.timesApart) {
      judgements[candidate.qso].note = judgements[candidate.other].note = Note::kTimesApart;
    }
  }
}

}  // namespace crosscheck
