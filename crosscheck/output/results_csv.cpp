#include "crosscheck/output/results_csv.h"

#include "crosscheck/output/formats.h"

namespace crosscheck {
namespace {

std::string Field(std::string_view text) {
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

}  // namespace

std::string ResultsCsv(const Contest& contest, const CheckResult& result,
                       const std::vector<CategoryStandings>& standings) {
  std::string csv =
      "category,place,call,claimed,checked,reduction_percent,qso_lines,points,penalty,kvant,"
      "clock_offset_s,file\r\n";
  for (const CategoryStandings& category : standings) {
    for (const Standing& standing : category.logs) {
      const ContestLog& log = contest.logs[standing.log];
      const LogResult& checked = result.logs[standing.log];
      const auto reduction = ReductionTenths(log.claimed, checked.checked);
      for (const std::string& field :
           {Field(category.category), std::to_string(standing.place),
            Field(contest.calls.Text(log.ownCall)),
            log.claimed ? std::to_string(*log.claimed) : std::string(),
            std::to_string(checked.checked), reduction ? TenthsText(*reduction) : std::string(),
            std::to_string(log.endQso - log.firstQso), std::to_string(checked.counted),
            std::to_string(checked.penalty), std::to_string(checked.kvant),
            std::to_string(checked.clock.offset)}) {
        csv += field + ",";
      }
      csv += Field(log.file) + "\r\n";
    }
  }
  return csv;
}

}  // namespace crosscheck
