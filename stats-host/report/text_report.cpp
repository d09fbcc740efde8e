#include "stats-host/report/text_report.h"

#include <cstdio>

#include "logs/text/text_pattern.h"
#include "stats-host/report/summary_table.h"
#include "stats-host/run/plugin_summary.h"

namespace stats_host {
namespace {

using logs::Substituted;

std::string RecordLabel(std::size_t record, const ConsoleTexts& texts) {
  char number[32];
  std::snprintf(number, sizeof number, "%4zu", record);
  return Substituted(texts.record, {number});
}

std::string NotWritten(const WrittenFile& file, const ConsoleTexts& texts) {
  return Substituted(texts.notWritten, {file.name, file.failure});
}

std::string Date(const logs::QsoDate& date, const ConsoleTexts& texts) {
  if (!texts.dayFirstDates) return logs::FormatIsoDate(date);
  char text[16];
  std::snprintf(text, sizeof text, "%02d.%02d.%04d", date.day, date.month, date.year);
  return text;
}

std::string FormatRefused(const RunResult& result, const ConsoleTexts& texts) {
  const std::size_t count = result.refused.size();
  std::string text =
      Substituted(texts.refused,
                  {count == 0   ? std::string(texts.refusedNone)
                   : count == 1 ? std::string(texts.refusedOne)
                                : Substituted(texts.refusedCount, {std::to_string(count)}),
                   result.problemLog.written ? result.problemLog.name
                                             : "err.txt " + NotWritten(result.problemLog, texts)}) +
      "\n";
  for (const RefusedQso& refused : result.refused) {
    text += RecordLabel(refused.record, texts) + refused.problemLine.value_or(refused.call) + "\n";
  }
  return text;
}

std::string FormatRepeats(const std::vector<TourRepeat>& repeats, const ConsoleTexts& texts) {
  std::string text =
      Substituted(texts.repeats, {repeats.empty() ? std::string(texts.repeatsNone)
                                                  : std::to_string(repeats.size())}) +
      "\n";
  for (const TourRepeat& repeat : repeats) {
    text +=
        RecordLabel(repeat.record, texts) +
        Substituted(texts.repeat,
                    {Date(repeat.date, texts), logs::FormatTimeOfDay(repeat.secondOfDay),
                     repeat.call, repeat.band, repeat.mode, std::to_string(repeat.earlierRecord),
                     logs::FormatTimeOfDay(repeat.earlierSecondOfDay)}) +
        (repeat.refused ? std::string(texts.repeatRefused) : std::string()) + "\n";
  }
  return text;
}

// Each skipped record with what was said about it.
std::string FormatSkipped(const RunResult& result, const ConsoleTexts& texts) {
  std::string text =
      "\n" +
      Substituted(texts.skipped, {std::to_string(result.skipped), std::to_string(result.records)}) +
      "\n";
  for (const SkippedRecord& skipped : result.skippedRecords) {
    text += RecordLabel(skipped.record, texts) +
            Substituted(texts.skippedByte, {std::to_string(skipped.offset)}) + "  ";
    for (std::size_t i = 0; i < skipped.warnings.size(); ++i) {
      text += (i > 0 ? "; " : "") + skipped.warnings[i];
    }
    text += "\n";
  }
  if (result.skipped > result.skippedRecords.size()) {
    text += Substituted(texts.skippedMore,
                        {std::to_string(result.skipped - result.skippedRecords.size())}) +
            "\n";
  }
  return text;
}

}  // namespace

std::string FormatReport(const RunResult& result, const std::vector<TourRepeat>* repeats,
                         const ConsoleTexts& texts) {
  std::string text;
  if (result.skipped > 0) {
    text = Substituted(texts.notInResult,
                       {std::to_string(result.skipped), std::to_string(result.records)}) +
           "\n\n";
  }
  text += FormatSummaryTable(result.summaryText, texts.summary) + "\n";
  const PluginSummary summary = ParsePluginSummary(result.summaryText);
  if (summary.score == 0) {
    text += std::string(summary.total && summary.total->qsos > 0 ? texts.zeroScore
                                                                 : texts.nothingCounted) +
            "\n\n";
  }
  text += FormatRefused(result, texts);
  if (repeats != nullptr) text.append("\n").append(FormatRepeats(*repeats, texts));
  if (result.cabrilloAsked) {
    text += "\n" +
            Substituted(texts.cabrilloLog,
                        {result.cabrilloLog.written ? result.cabrilloLog.name
                                                    : NotWritten(result.cabrilloLog, texts)}) +
            "\n";
  }
  if (!result.settingsFile.written) {
    text += "\n" + Substituted(texts.settingsFile, {NotWritten(result.settingsFile, texts)}) + "\n";
  }
  if (result.htmlAsked && !result.htmlPage.written) {
    text += "\n" + Substituted(texts.htmlReport, {NotWritten(result.htmlPage, texts)}) + "\n";
  }
  if (result.skipped > 0) text += FormatSkipped(result, texts);
  return text;
}

}  // namespace stats_host
