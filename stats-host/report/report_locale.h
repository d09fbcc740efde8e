#pragma once

// The words and the forms of one language for the parts of the contest
// report. Every result is HTML: texts are escaped here.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "logs/text/report_language.h"
#include "logs/time/qso_date.h"
#include "stats-host/report/report_texts.h"

namespace stats_host {

// How many rows a long table of the appendix shows; a note says how many more
// there are.
inline constexpr std::size_t kMostListedRows = 500;

struct ReportLocale {
  explicit ReportLocale(logs::ReportLanguage chosen) : language(chosen), texts(TextsOf(chosen)) {}

  std::string Text(std::string_view utf8) const;
  std::string Number(long long value) const;
  std::string Date(const logs::QsoDate& date) const;
  // "15:34:19"
  std::string Time(int secondOfDay) const;
  // The date and time of a moment in seconds since the OLE epoch.
  std::string Moment(long long second) const;
  // A band as the host names it, with its unit.
  std::string Band(std::string_view hostBand) const;
  // "15:00", the tour of that clock hour.
  std::string Tour(int hour) const;
  // "15:05", to the minute.
  std::string Minute(int secondOfDay) const;
  // A table cell with a record's number or a byte's offset in the log, in
  // plain digits: a place to look up, not an amount to read.
  std::string PositionCell(std::uint64_t position) const;
  // The note under a list that shows the first `shown` of `all` entries, or
  // nothing where it shows them all.
  std::string ShownNote(std::size_t shown, std::size_t all) const;

  logs::ReportLanguage language;
  const ReportTexts& texts;
};

}  // namespace stats_host
