#include "stats-host/report/report_locale.h"

#include <cstdio>

#include "logs/text/text_pattern.h"
#include "pages/html_page.h"
#include "pages/html_text.h"
#include "pages/local_forms.h"

namespace stats_host {

std::string ReportLocale::Text(std::string_view utf8) const { return pages::EscapeHtml(utf8); }

std::string ReportLocale::Number(long long value) const {
  return pages::GroupedNumber(value, language);
}

std::string ReportLocale::Date(const logs::QsoDate& date) const {
  return pages::LocalDate(date.year, date.month, date.day, language);
}

std::string ReportLocale::Time(int secondOfDay) const { return logs::FormatTimeOfDay(secondOfDay); }

std::string ReportLocale::Moment(long long second) const {
  return Date(stats::DateOfOleDay(static_cast<long>(second / stats::kSecondsPerDay))) + " " +
         Time(static_cast<int>(second % stats::kSecondsPerDay));
}

std::string ReportLocale::Band(std::string_view hostBand) const {
  return pages::EscapeHtml(pages::BandLabel(hostBand, language));
}

std::string ReportLocale::Tour(int hour) const {
  char text[8];
  std::snprintf(text, sizeof text, "%02d:00", hour);
  return text;
}

std::string ReportLocale::PositionCell(std::uint64_t position) const {
  return "<td class=\"n\">" + std::to_string(position) + "</td>";
}

std::string ReportLocale::ShownNote(std::size_t shown, std::size_t all) const {
  if (shown >= all) return "";
  return pages::Note(logs::Substituted(texts.firstRowsOnly, {Number(static_cast<long long>(shown)),
                                                             Number(static_cast<long long>(all))}));
}

}  // namespace stats_host
