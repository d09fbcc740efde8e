#include "host/report/report_locale.h"

#include <cstdio>

#include "host/page/html_page.h"
#include "host/page/html_text.h"
#include "host/page/local_forms.h"
#include "host/text/text_pattern.h"

namespace host {

std::string ReportLocale::Text(std::string_view utf8) const { return EscapeHtml(utf8); }

std::string ReportLocale::Number(long long value) const { return GroupedNumber(value, language); }

std::string ReportLocale::Date(const QsoDate& date) const {
  return LocalDate(date.year, date.month, date.day, language);
}

std::string ReportLocale::Time(int secondOfDay) const { return FormatTimeOfDay(secondOfDay); }

std::string ReportLocale::Moment(long long second) const {
  return Date(DateOfOleDay(static_cast<long>(second / kSecondsPerDay))) + " " +
         Time(static_cast<int>(second % kSecondsPerDay));
}

std::string ReportLocale::Band(std::string_view hostBand) const {
  return EscapeHtml(BandLabel(hostBand, language));
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
  return Note(Substituted(texts.firstRowsOnly, {Number(static_cast<long long>(shown)),
                                                Number(static_cast<long long>(all))}));
}

}  // namespace host
