#include <algorithm>
#include <cstdio>

#include "logs/text/text_pattern.h"
#include "pages/html_page.h"
#include "pages/html_text.h"
#include "pages/local_forms.h"
#include "stats-host/report/report_sections.h"
#include "stats/rules/tours.h"

namespace stats_host {
namespace {

// The marked stations of one band by what they lack there.
struct MissingOnBand {
  std::vector<const std::string*> cwOnly;     // lack the Kvant of the other modes
  std::vector<const std::string*> otherOnly;  // lack the CW Kvant
  std::vector<const std::string*> notWorked;  // lack both
  int cwKvant = 0;
  int otherKvant = 0;
};

MissingOnBand MissingOf(const KvantGrid& grid, std::size_t band) {
  MissingOnBand missing;
  for (const KvantGridRow& row : grid.rows) {
    const bool cw = row.firstTours[2 * band] != kNotWorked;
    const bool other = row.firstTours[2 * band + 1] != kNotWorked;
    missing.cwKvant += cw ? 1 : 0;
    missing.otherKvant += other ? 1 : 0;
    if (cw && !other) missing.cwOnly.push_back(&row.call);
    if (!cw && other) missing.otherOnly.push_back(&row.call);
    if (!cw && !other) missing.notWorked.push_back(&row.call);
  }
  return missing;
}

std::string CallList(const std::vector<const std::string*>& calls, const ReportLocale& locale) {
  std::string html;
  for (const std::string* call : calls) {
    if (!html.empty()) html += ", ";
    html += pages::HtmlText(*call);
  }
  return "<td class=\"calls\">" + (html.empty() ? locale.Text("—") : html) + "</td>";
}

std::string OneMoreKvant(const PluginSummary& summary, const ReportLocale& locale) {
  if (!summary.total) return "";
  const long long points = summary.total->points;
  const long long kvant = summary.total->kvant;
  return pages::Note(logs::Substituted(
      locale.texts.oneMoreKvant,
      {locale.Number(points + kvant + 1), locale.Number(points), locale.Number(kvant)}));
}

// A tour as a grid cell: its hour, and the day of the log where the log spans
// more than a day.
std::string GridCell(long tour, long firstDay, bool withDay) {
  if (tour == kNotWorked) return "<td></td>";
  char text[32];
  const int hour = static_cast<int>(tour % stats::kToursPerDay);
  if (withDay) {
    std::snprintf(text, sizeof text, "%ld/%02d", tour / stats::kToursPerDay - firstDay + 1, hour);
  } else {
    std::snprintf(text, sizeof text, "%02d", hour);
  }
  return std::string("<td>") + text + "</td>";
}

}  // namespace

std::string KvantSection(const PluginSummary& summary, const KvantGrid& grid,
                         const ReportLocale& locale) {
  const ReportTexts& texts = locale.texts;
  std::string table = "<table id=\"kvant-table\">\n<thead><tr><th rowspan=\"2\">" +
                      locale.Text(texts.band) + "</th><th colspan=\"3\">" +
                      locale.Text(texts.kvant) + "</th><th colspan=\"2\">" +
                      locale.Text(texts.missing) + "</th></tr>\n<tr><th>CW</th><th>" +
                      locale.Text(texts.otherModes) + "</th><th>" + locale.Text(texts.total) +
                      "</th><th>" + locale.Text(texts.oneModeOnly) + "</th><th>" +
                      locale.Text(texts.notOnBand) + "</th></tr></thead>\n<tbody>\n";
  std::vector<long long> totals(5, 0);
  for (std::size_t b = 0; b < grid.bands.size(); ++b) {
    const MissingOnBand missing = MissingOf(grid, b);
    const std::vector<long long> values = {
        missing.cwKvant, missing.otherKvant, missing.cwKvant + missing.otherKvant,
        static_cast<long long>(missing.cwOnly.size() + missing.otherOnly.size()),
        static_cast<long long>(missing.notWorked.size())};
    for (std::size_t i = 0; i < values.size(); ++i) totals[i] += values[i];
    table += pages::NumberRow(locale.Band(grid.bands[b]), values, false, locale.language);
  }
  table += "</tbody>\n<tfoot>\n" +
           pages::NumberRow(locale.Text(texts.total), totals, true, locale.language) +
           "</tfoot>\n</table>\n";
  return pages::HtmlSection(
      "kvant", locale.Text(texts.kvantHeading),
      pages::Scrolling(table) + OneMoreKvant(summary, locale) + pages::Note(texts.kvantNote));
}

std::string KvantGridSection(const PluginSummary& summary, const KvantGrid& grid,
                             const ReportLocale& locale) {
  const ReportTexts& texts = locale.texts;
  long firstTour = 0;
  long lastTour = 0;
  bool any = false;
  for (const KvantGridRow& row : grid.rows) {
    for (const long tour : row.firstTours) {
      if (tour == kNotWorked) continue;
      firstTour = any ? std::min(firstTour, tour) : tour;
      lastTour = any ? std::max(lastTour, tour) : tour;
      any = true;
    }
  }
  const bool withDay = lastTour - firstTour >= stats::kToursPerDay;
  const long firstDay = firstTour / stats::kToursPerDay;

  std::string table = "<table id=\"kvant-grid\" class=\"grid\">\n<thead><tr><th rowspan=\"2\">" +
                      locale.Text(texts.call) + "</th>";
  std::string columns;
  for (const std::string& band : grid.bands) {
    table += "<th colspan=\"2\" data-band=\"" + pages::HtmlText(band) + "\">" + locale.Band(band) +
             "</th>";
    columns += "<th>CW</th><th>" + locale.Text(texts.otherModesShort) + "</th>";
  }
  table += "</tr>\n<tr>" + columns + "</tr></thead>\n<tbody>\n";
  for (const KvantGridRow& row : grid.rows) {
    table += "<tr><th class=\"call\">" + pages::HtmlText(row.call) + "</th>";
    for (const long tour : row.firstTours) table += GridCell(tour, firstDay, withDay);
    table += "</tr>\n";
  }
  table += "</tbody>\n</table>\n";

  std::string missing = "<table id=\"missing-kvant\">\n<thead><tr><th>" + locale.Text(texts.band) +
                        "</th><th>" + locale.Text(texts.cwOnly) + "</th><th>" +
                        locale.Text(texts.otherModesOnly) + "</th><th>" +
                        locale.Text(texts.notWorkedOnBand) + "</th></tr></thead>\n<tbody>\n";
  for (std::size_t b = 0; b < grid.bands.size(); ++b) {
    const MissingOnBand band = MissingOf(grid, b);
    missing += "<tr><th scope=\"row\">" + locale.Band(grid.bands[b]) + "</th>" +
               CallList(band.cwOnly, locale) + CallList(band.otherOnly, locale) +
               CallList(band.notWorked, locale) + "</tr>\n";
  }
  missing += "</tbody>\n</table>\n";

  return pages::HtmlSection(
      "all-kvant", locale.Text(texts.gridHeading),
      pages::Note(texts.gridNote) + (withDay ? pages::Note(texts.gridNoteDays) : "") +
          pages::Scrolling(table) + "<h3>" + locale.Text(texts.missedHeading) + "</h3>\n" +
          pages::Scrolling(missing) + OneMoreKvant(summary, locale));
}

}  // namespace stats_host
