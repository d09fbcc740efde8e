#include <algorithm>

#include "pages/html_page.h"
#include "pages/html_text.h"
#include "stats-host/report/report_sections.h"

namespace stats_host {

std::string RepeatsSection(const std::vector<TourRepeat>& repeats, const ReportLocale& locale) {
  const ReportTexts& texts = locale.texts;
  const std::string heading = locale.Text(texts.repeatsHeading) + ": <span id=\"repeat-count\">" +
                              locale.Number(static_cast<long long>(repeats.size())) + "</span>";
  if (repeats.empty()) {
    return pages::HtmlSection(
        "repeats", heading,
        pages::Note(texts.repeatsNote) + "<p>" + locale.Text(texts.none) + "</p>\n");
  }
  std::string table =
      "<table id=\"repeat-table\">\n<thead><tr><th rowspan=\"2\">" + locale.Text(texts.call) +
      "</th><th rowspan=\"2\">" + locale.Text(texts.band) + "</th><th rowspan=\"2\">" +
      locale.Text(texts.mode) + "</th><th colspan=\"2\">" + locale.Text(texts.firstQsoOfPair) +
      "</th><th colspan=\"2\">" + locale.Text(texts.repeatQso) + "</th></tr>\n<tr>";
  for (int i = 0; i < 2; ++i) {
    table += "<th>" + locale.Text(texts.record) + "</th><th>" + locale.Text(texts.time) + "</th>";
  }
  table += "</tr></thead>\n<tbody>\n";
  const auto qsoCells = [&](std::size_t record, const logs::QsoDate& date, int secondOfDay,
                            const std::string& mark) {
    return locale.PositionCell(record) + "<td class=\"time\">" + locale.Date(date) + " " +
           locale.Time(secondOfDay) + mark + "</td>";
  };
  const std::size_t shown = std::min(repeats.size(), kMostListedRows);
  for (std::size_t i = 0; i < shown; ++i) {
    const TourRepeat& repeat = repeats[i];
    const bool otherDate =
        stats::DaysSinceOleEpoch(repeat.date) != stats::DaysSinceOleEpoch(repeat.earlierDate);
    const std::string mark = otherDate ? " <abbr class=\"other-date\" title=\"" +
                                             locale.Text(texts.otherDate) + "\">&#8800;</abbr>"
                                       : "";
    table += "<tr><td class=\"call\">" + pages::HtmlText(repeat.call) + "</td><td>" +
             locale.Band(repeat.band) + "</td><td>" + pages::HtmlText(repeat.mode) + "</td>" +
             qsoCells(repeat.earlierRecord, repeat.earlierDate, repeat.earlierSecondOfDay, "") +
             qsoCells(repeat.record, repeat.date, repeat.secondOfDay, mark) + "</tr>\n";
  }
  table += "</tbody>\n</table>\n";
  return pages::HtmlSection("repeats", heading,
                            pages::Note(texts.repeatsNote) + pages::Scrolling(table) +
                                locale.ShownNote(shown, repeats.size()));
}

}  // namespace stats_host
