#include "logrobot/reading/log_facts.h"

#include <algorithm>
#include <map>
#include <set>
#include <tuple>

#include "logrobot/contest/utc_minute.h"
#include "stats/rules/band_order.h"
#include "stats/rules/exchange.h"
#include "stats/rules/kvant.h"
#include "stats/rules/score.h"
#include "stats/rules/tours.h"

namespace logrobot {
namespace {

class ProblemTally {
 public:
  void Add(ProblemKind kind, std::uint32_t line) {
    Problem& problem = problems_[kind];
    if (problem.lines++ == 0) {
      problem.kind = kind;
      problem.firstLine = line;
    }
  }

  std::vector<Problem> Problems() const {
    std::vector<Problem> list;
    for (const auto& [kind, problem] : problems_) list.push_back(problem);
    return list;
  }

 private:
  std::map<ProblemKind, Problem> problems_;
};

}  // namespace

LogFacts FactsOfLog(const logs::LogFile& log, const Period& period) {
  LogFacts facts;
  facts.format = log.format;
  facts.encoding = std::string(logs::NameOf(log.encoding));
  facts.fileCall = log.ownCall;
  facts.fileCategory = log.category;
  facts.operatorName = log.name;
  facts.repairs = log.repairs;

  std::map<std::string, BandLine> bands;
  std::map<std::string, stats::KvantTally<std::string>> kvant;
  std::set<std::tuple<std::string_view, std::string_view, std::string_view, int>> worked;
  ProblemTally problems;
  for (const logs::LoggedQso& qso : log.qsos) {
    BandLine& band = bands[qso.band];
    band.band = qso.band;
    ++band.lines;
    const std::int64_t moment = qso.time - kOleEpochToUnixSeconds;
    if (moment < period.from || moment >= period.to) {
      problems.Add(ProblemKind::kOutsidePeriod, qso.line);
    }
    if (qso.band.empty()) {
      problems.Add(ProblemKind::kNoBand, qso.line);
    } else if (qso.contestMode == nullptr) {
      problems.Add(ProblemKind::kModeNotCounted, qso.line);
    } else if (!stats::HasBothExchanges(qso.sent, qso.received)) {
      problems.Add(ProblemKind::kNoExchange, qso.line);
    } else {
      ++band.counted;
      kvant[qso.band].Add(qso.call, qso.contestMode->name, qso.received);
      const auto key = std::make_tuple(std::string_view(qso.call), std::string_view(qso.band),
                                       qso.contestMode->cabrilloCode, stats::TourOfMoment(moment));
      if (!worked.insert(key).second) problems.Add(ProblemKind::kRepeatInTour, qso.line);
    }
  }

  std::vector<std::string> order;
  for (const auto& [name, band] : bands) {
    if (!name.empty()) order.push_back(name);
  }
  stats::OrderBands(order);
  if (bands.count("")) order.push_back("");
  for (const std::string& name : order) {
    BandLine band = bands[name];
    band.kvant = kvant[name].Count();
    facts.total.lines += band.lines;
    facts.total.counted += band.counted;
    facts.total.kvant += band.kvant;
    facts.bands.push_back(std::move(band));
  }
  facts.score = stats::ClampedScore(facts.total.counted * stats::kPointsPerQso, facts.total.kvant);
  facts.problems = problems.Problems();
  return facts;
}

}  // namespace logrobot
