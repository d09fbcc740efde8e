#include "host/report.h"

#include <cstdio>

#include "host/ascii.h"

namespace host {
namespace {

std::string TimeOfDay(int secondOfDay) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d", secondOfDay / 3600, secondOfDay / 60 % 60,
                secondOfDay % 60);
  return text;
}

std::string DateAndTime(const HostQso& qso) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", qso.date.year, qso.date.month, qso.date.day);
  return std::string(text) + " " + TimeOfDay(qso.secondOfDay);
}

std::string RecordLabel(std::size_t record) {
  char text[32];
  std::snprintf(text, sizeof text, "  record %4zu  ", record);
  return text;
}

}  // namespace

std::vector<std::string> ProblemLines(std::string_view problemLog) {
  std::vector<std::string> lines;
  std::size_t start = problemLog.find('\n');  // past the banner
  while (start != std::string_view::npos && start + 1 < problemLog.size()) {
    const std::size_t end = problemLog.find('\n', start + 1);
    std::string_view line = problemLog.substr(start + 1, end - start - 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.emplace_back(line);
    start = end;
  }
  return lines;
}

std::vector<RefusedQso> RefusedQsos(const std::vector<HostQso>& qsos,
                                    const std::vector<bool>& accepted,
                                    const std::vector<std::string>& problemLines) {
  std::vector<RefusedQso> refused;
  for (std::size_t i = 0; i < qsos.size(); ++i) {
    if (accepted[i]) continue;
    const std::size_t line = refused.size();
    refused.push_back(
        RefusedQso{qsos[i].record, qsos[i].call,
                   line < problemLines.size() ? std::optional(problemLines[line]) : std::nullopt});
  }
  return refused;
}

std::string FormatRefused(const std::vector<HostQso>& qsos, const std::vector<bool>& accepted,
                          const std::vector<std::string>& problemLines) {
  const std::vector<RefusedQso> refused = RefusedQsos(qsos, accepted, problemLines);
  std::string text;
  for (const RefusedQso& qso : refused) {
    text += RecordLabel(qso.record) + qso.problemLine.value_or(qso.call + " (no line in err.txt)") +
            "\n";
  }
  return "Refused by the plug-in: " +
         (refused.empty() ? "none" : std::to_string(refused.size()) + " QSOs") + " (err.txt)\n" +
         text;
}

std::string FormatRepeats(const std::vector<HostQso>& qsos,
                          const std::vector<TourRepeat>& repeats) {
  std::string text = "Repeats within one tour (the tour check would have warned): " +
                     (repeats.empty() ? std::string("none") : std::to_string(repeats.size())) +
                     "\n";
  for (const TourRepeat& repeat : repeats) {
    const HostQso& qso = qsos[repeat.index];
    const HostQso& earlier = qsos[repeat.earlier];
    text += RecordLabel(qso.record) + DateAndTime(qso) + "  " + qso.call + "  " + qso.band + "  " +
            qso.mode + "  as record " + std::to_string(earlier.record) + " at " +
            TimeOfDay(earlier.secondOfDay) + "\n";
  }
  return text;
}

std::string CabrilloFileName(std::string_view ownCall) {
  std::string name(ownCall);
  for (char& c : name) {
    if (c == '/' || c == '\\') c = '_';
  }
  name = std::string(Trimmed(name));
  return (name.empty() ? std::string("ZORVA") : name) + ".cbr";
}

}  // namespace host
