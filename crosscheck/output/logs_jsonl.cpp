#include "crosscheck/output/logs_jsonl.h"

#include <nlohmann/json.hpp>

#include "crosscheck/output/formats.h"

namespace crosscheck {
namespace {

nlohmann::ordered_json DoubtName(ClockDoubt doubt) {
  switch (doubt) {
    case ClockDoubt::kWeak:
      return "weak";
    case ClockDoubt::kUnconfirmed:
      return "unconfirmed";
    case ClockDoubt::kNone:
      break;
  }
  return nullptr;
}

}  // namespace

std::string LogsJsonl(const Contest& contest, const CheckResult& result,
                      const std::vector<LogId>& order) {
  std::string text;
  for (const LogId id : order) {
    const ContestLog& log = contest.logs[id];
    const LogResult& checked = result.logs[id];
    nlohmann::ordered_json object;
    object["log"] = log.ownCall == kNone ? nlohmann::ordered_json()
                                         : nlohmann::ordered_json(contest.calls.Text(log.ownCall));
    object["file"] = log.file;
    if (log.failure) {
      object["status"] = "not read";
      object["reason"] = *log.failure;
    } else if (log.supersededBy) {
      object["status"] = "superseded";
      object["reason"] =
          "a later log of the same call counts: " + contest.logs[*log.supersededBy].file;
    } else {
      object["status"] = "checked";
    }
    object["format"] = log.format;
    object["encoding"] = NameOf(log.encoding);
    object["category"] = log.category;
    object["category_written"] = log.writtenCategory;
    if (log.Checked()) {
      object["clock_offset_s"] = checked.clock.offset;
      object["clock_matches"] = checked.clock.matches;
      if (!checked.clock.changes.empty()) {
        nlohmann::ordered_json changes = nlohmann::ordered_json::array();
        for (const ClockChange& change : checked.clock.changes) {
          changes.push_back({{"from_line", contest.qsos[change.from].line},
                             {"from", FormatQsoTime(contest.qsos[change.from].time)},
                             {"offset_s", change.offset},
                             {"matches", change.matches}});
        }
        object["clock_changes"] = std::move(changes);
      }
      object["clock_doubt"] = DoubtName(checked.clockDoubt);
      object["claimed"] = log.claimed ? nlohmann::ordered_json(*log.claimed) : nullptr;
      object["checked"] = checked.checked;
      const auto reduction = ReductionTenths(log.claimed, checked.checked);
      object["reduction_percent"] =
          reduction ? nlohmann::ordered_json(static_cast<double>(*reduction) / 10) : nullptr;
      object["qso_lines"] = log.endQso - log.firstQso;
      object["points"] = checked.counted;
      object["penalty"] = checked.penalty;
      object["kvant"] = checked.kvant;
      for (std::size_t v = 0; v < kVerdictCount; ++v) {
        object["verdicts"][std::string(kVerdictNames[v])] = checked.verdicts[v];
      }
    }
    object["repairs"] = log.repairs;
    text += object.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
    text += '\n';
  }
  return text;
}

}  // namespace crosscheck
