#include "host/report/text_report.h"

#include <cstdio>

#include "host/report/summary_table.h"

namespace host {
namespace {

std::string RecordLabel(std::size_t record) {
  char text[32];
  std::snprintf(text, sizeof text, "  record %4zu  ", record);
  return text;
}

std::string NotWritten(const WrittenFile& file) {
  return "not written (" + file.name + ": " + file.failure + ")";
}

std::string FormatRefused(const RunResult& result) {
  const std::size_t count = result.refused.size();
  std::string text = "Refused by the plug-in: " +
                     (count == 0 ? std::string("none") : std::to_string(count) + " QSOs") + " (" +
                     (result.problemLog.written ? result.problemLog.name
                                                : "err.txt " + NotWritten(result.problemLog)) +
                     ")\n";
  for (const RefusedQso& refused : result.refused) {
    text += RecordLabel(refused.record) + refused.problemLine.value_or(refused.call) + "\n";
  }
  return text;
}

std::string FormatRepeats(const std::vector<TourRepeat>& repeats) {
  std::string text = "Repeats within one tour (the tour check would have warned): " +
                     (repeats.empty() ? std::string("none") : std::to_string(repeats.size())) +
                     "\n";
  for (const TourRepeat& repeat : repeats) {
    text += RecordLabel(repeat.record) + FormatIsoDate(repeat.date) + " " +
            FormatTimeOfDay(repeat.secondOfDay) + "  " + repeat.call + "  " + repeat.band + "  " +
            repeat.mode + "  as record " + std::to_string(repeat.earlierRecord) + " at " +
            FormatTimeOfDay(repeat.earlierSecondOfDay) + "\n";
  }
  return text;
}

std::string SkippedCount(const RunResult& result) {
  return std::to_string(result.skipped) + " of " + std::to_string(result.records) +
         " records did not reach the plug-in";
}

// Each skipped record with what was said about it.
std::string FormatSkipped(const RunResult& result) {
  std::string text = "\nSkipped: " + SkippedCount(result) + ":\n";
  for (const SkippedRecord& skipped : result.skippedRecords) {
    text += RecordLabel(skipped.record) + "byte " + std::to_string(skipped.offset) + "  ";
    for (std::size_t i = 0; i < skipped.warnings.size(); ++i) {
      text += (i > 0 ? "; " : "") + skipped.warnings[i];
    }
    text += "\n";
  }
  if (result.skipped > result.skippedRecords.size()) {
    text += "  and " + std::to_string(result.skipped - result.skippedRecords.size()) + " more\n";
  }
  return text;
}

}  // namespace

std::string FormatReport(const RunResult& result, const std::vector<TourRepeat>* repeats) {
  std::string text;
  if (result.skipped > 0)
    text = "Not in this result: " + SkippedCount(result) + " (see the end)\n\n";
  text += FormatSummaryTable(result.summaryText) + "\n" + FormatRefused(result);
  if (repeats != nullptr) text.append("\n").append(FormatRepeats(*repeats));
  if (result.cabrilloAsked) {
    text +=
        "\nCabrillo log: " +
        (result.cabrilloLog.written ? result.cabrilloLog.name : NotWritten(result.cabrilloLog)) +
        "\n";
  }
  if (!result.settingsFile.written) {
    text += "\nSettings file: " + NotWritten(result.settingsFile) + "\n";
  }
  if (result.htmlAsked && !result.htmlPage.written) {
    text += "\nHTML report: " + NotWritten(result.htmlPage) + "\n";
  }
  if (result.skipped > 0) text += FormatSkipped(result);
  return text;
}

}  // namespace host
