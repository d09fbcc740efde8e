#include "crosscheck/output/standings.h"

#include <algorithm>
#include <map>
#include <tuple>

#include "stats/rules/entry_category.h"

namespace crosscheck {
namespace {

const std::string& CallText(const Contest& contest, LogId log) {
  static const std::string kNoCall;
  const CallId call = contest.logs[log].ownCall;
  return call == kNone ? kNoCall : contest.calls.Text(call);
}

}  // namespace

ContestTotals TotalsOf(const Contest& contest, const CheckResult& result) {
  ContestTotals totals;
  for (LogId log = 0; log < contest.logs.size(); ++log) {
    if (contest.logs[log].failure) ++totals.notRead;
    if (contest.logs[log].supersededBy) ++totals.superseded;
    if (!contest.logs[log].Checked()) continue;
    ++totals.checked;
    for (std::size_t v = 0; v < kVerdictCount; ++v) {
      totals.verdicts[v] += result.logs[log].verdicts[v];
      totals.lines += result.logs[log].verdicts[v];
    }
  }
  return totals;
}

std::vector<LogId> OutputOrder(const Contest& contest) {
  std::vector<LogId> order(contest.logs.size());
  for (LogId log = 0; log < order.size(); ++log) order[log] = log;
  std::sort(order.begin(), order.end(), [&](LogId a, LogId b) {
    return std::tie(CallText(contest, a), contest.logs[a].file) <
           std::tie(CallText(contest, b), contest.logs[b].file);
  });
  return order;
}

std::vector<CategoryStandings> Standings(const Contest& contest, const CheckResult& result) {
  // The categories in the order the station dialog offers them; no category last.
  std::map<std::size_t, std::vector<LogId>> byCategory;
  for (const LogId log : OutputOrder(contest)) {
    if (!contest.logs[log].Checked()) continue;
    const std::string& category = contest.logs[log].category;
    const auto known =
        std::find(stats::kEntryCategories.begin(), stats::kEntryCategories.end(), category);
    byCategory[static_cast<std::size_t>(known - stats::kEntryCategories.begin())].push_back(log);
  }
  std::vector<CategoryStandings> standings;
  for (auto& [index, logs] : byCategory) {
    const std::string category = index < stats::kEntryCategories.size()
                                     ? std::string(stats::kEntryCategories[index])
                                     : std::string();
    std::stable_sort(logs.begin(), logs.end(), [&](LogId a, LogId b) {
      return result.logs[a].checked > result.logs[b].checked;
    });
    CategoryStandings entry{category, {}};
    for (std::size_t i = 0; i < logs.size(); ++i) {
      const bool tie = i > 0 && result.logs[logs[i]].checked == result.logs[logs[i - 1]].checked;
      entry.logs.push_back(Standing{logs[i], tie ? entry.logs.back().place : i + 1});
    }
    standings.push_back(std::move(entry));
  }
  return standings;
}

}  // namespace crosscheck
