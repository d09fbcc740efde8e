#include <algorithm>
#include <cstdio>
#include <set>
#include <string_view>
#include <utility>

#include "logs/text/text_pattern.h"
#include "pages/html_page.h"
#include "pages/html_text.h"
#include "pages/local_forms.h"
#include "stats-host/report/report_sections.h"
#include "stats/rules/score.h"
#include "stats/rules/tours.h"

namespace stats_host {
namespace {

// The Kvant that one band lacks: for each marked station, each column in which
// it did not count, either not worked there or logged there without its W.
struct MissingOnBand {
  std::vector<const std::string*> noCw;     // calls not worked in CW
  std::vector<const std::string*> noOther;  // calls not worked in the other modes
  std::vector<const KvantSlip*> withoutW;
  int cwKvant = 0;
  int otherKvant = 0;
  long long NotWorked() const { return static_cast<long long>(noCw.size() + noOther.size()); }
};

MissingOnBand MissingOf(const KvantGrid& grid, std::size_t band,
                        const std::vector<KvantSlip>& slips) {
  MissingOnBand missing;
  const std::string& name = grid.bands[band];
  std::set<std::pair<std::string_view, stats::KvantColumn>> slipped;
  for (const KvantSlip& slip : slips) {
    if (slip.band != name) continue;
    missing.withoutW.push_back(&slip);
    slipped.emplace(slip.call, slip.column);
  }
  for (const KvantGridRow& row : grid.rows) {
    const bool cw = row.firstTours[2 * band] != kNotWorked;
    const bool other = row.firstTours[2 * band + 1] != kNotWorked;
    missing.cwKvant += cw ? 1 : 0;
    missing.otherKvant += other ? 1 : 0;
    if (!cw && !slipped.contains({row.call, stats::KvantColumn::kCw})) {
      missing.noCw.push_back(&row.call);
    }
    if (!other && !slipped.contains({row.call, stats::KvantColumn::kOtherModes})) {
      missing.noOther.push_back(&row.call);
    }
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

std::string ColumnName(stats::KvantColumn column, const ReportLocale& locale) {
  return column == stats::KvantColumn::kCw ? std::string("CW")
                                           : locale.Text(locale.texts.otherModesShort);
}

std::string SlipList(const std::vector<const KvantSlip*>& slips, const ReportLocale& locale) {
  std::string html;
  for (const KvantSlip* slip : slips) {
    if (!html.empty()) html += ", ";
    html += pages::HtmlText(slip->call) + " (" + ColumnName(slip->column, locale) + ")";
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
                         const std::vector<KvantSlip>& slips, const ReportLocale& locale) {
  const ReportTexts& texts = locale.texts;
  std::string table =
      "<table id=\"kvant-table\">\n<thead><tr><th rowspan=\"2\">" + locale.Text(texts.band) +
      "</th><th colspan=\"3\">" + locale.Text(texts.kvant) + "</th><th colspan=\"3\">" +
      locale.Text(texts.missing) + "</th></tr>\n<tr><th>CW</th><th>" +
      locale.Text(texts.otherModes) + "</th><th>" + locale.Text(texts.total) + "</th><th>" +
      locale.Text(texts.notWorkedInMode) + "</th><th>" + locale.Text(texts.withoutW) + "</th><th>" +
      locale.Text(texts.total) + "</th></tr></thead>\n<tbody>\n";
  std::vector<long long> totals(6, 0);
  for (std::size_t b = 0; b < grid.bands.size(); ++b) {
    const MissingOnBand missing = MissingOf(grid, b, slips);
    const auto withoutW = static_cast<long long>(missing.withoutW.size());
    const std::vector<long long> values = {
        missing.cwKvant,     missing.otherKvant, missing.cwKvant + missing.otherKvant,
        missing.NotWorked(), withoutW,           missing.NotWorked() + withoutW};
    for (std::size_t i = 0; i < values.size(); ++i) totals[i] += values[i];
    table += pages::NumberRow(locale.Band(grid.bands[b]), values, false, locale.language);
  }
  table += "</tbody>\n<tfoot>\n" +
           pages::NumberRow(locale.Text(texts.total), totals, true, locale.language) +
           "</tfoot>\n</table>\n";
  return pages::HtmlSection("kvant", locale.Text(texts.kvantHeading),
                            pages::Scrolling(table) + OneMoreKvant(summary, locale) +
                                pages::Note(texts.kvantNote) +
                                (slips.empty() ? pages::Note(texts.noSlips) : std::string()));
}

std::string SlipsSection(const PluginSummary& summary, const std::vector<KvantSlip>& slips,
                         const ReportLocale& locale) {
  const ReportTexts& texts = locale.texts;
  const std::string heading = locale.Text(texts.slipsHeading) + ": <span id=\"slip-count\">" +
                              locale.Number(static_cast<long long>(slips.size())) + "</span>";
  std::string table = "<table id=\"slip-table\">\n<thead><tr><th>" + locale.Text(texts.call) +
                      "</th><th>" + locale.Text(texts.band) + "</th><th>" +
                      locale.Text(texts.mode) + "</th><th>" + locale.Text(texts.record) +
                      "</th><th>" + locale.Text(texts.loggedAs) + "</th></tr></thead>\n<tbody>\n";
  const std::size_t shown = std::min(slips.size(), kMostListedRows);
  for (std::size_t i = 0; i < shown; ++i) {
    const KvantSlip& slip = slips[i];
    table += "<tr><td class=\"call\">" + pages::HtmlText(slip.call) + "</td><td>" +
             locale.Band(slip.band) + "</td><td>" + ColumnName(slip.column, locale) + "</td>" +
             locale.PositionCell(slip.record) + "<td class=\"received\">" +
             pages::HtmlText(slip.received) + "</td></tr>\n";
  }
  table += "</tbody>\n</table>\n";
  std::string cost;
  if (summary.total) {
    const long long points = summary.total->points;
    const long long kvant = summary.total->kvant;
    const auto lost = static_cast<long long>(slips.size());
    cost = pages::Note(logs::Substituted(texts.slipsCost,
                                         {locale.Number(lost), locale.Number(kvant + lost),
                                          locale.Number(stats::ClampedScore(points, kvant + lost)),
                                          locale.Number(stats::ClampedScore(points, kvant))}));
  }
  return pages::HtmlSection("kvant-slips", heading,
                            pages::Note(texts.slipsNote) + pages::Scrolling(table) +
                                locale.ShownNote(shown, slips.size()) + cost);
}

std::string KvantGridSection(const PluginSummary& summary, const KvantGrid& grid,
                             const std::vector<KvantSlip>& slips, const ReportLocale& locale) {
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
                        "</th><th>" + locale.Text(texts.noCwOnBand) + "</th><th>" +
                        locale.Text(texts.noOtherOnBand) + "</th><th>" +
                        locale.Text(texts.withoutW) + "</th></tr></thead>\n<tbody>\n";
  for (std::size_t b = 0; b < grid.bands.size(); ++b) {
    const MissingOnBand band = MissingOf(grid, b, slips);
    missing += "<tr><th scope=\"row\">" + locale.Band(grid.bands[b]) + "</th>" +
               CallList(band.noCw, locale) + CallList(band.noOther, locale) +
               SlipList(band.withoutW, locale) + "</tr>\n";
  }
  missing += "</tbody>\n</table>\n";

  return pages::HtmlSection(
      "all-kvant", locale.Text(texts.gridHeading),
      pages::Note(texts.gridNote) + (withDay ? pages::Note(texts.gridNoteDays) : "") +
          pages::Scrolling(table) + "<h3>" + locale.Text(texts.missedHeading) + "</h3>\n" +
          pages::Note(texts.missedNote) + pages::Scrolling(missing) +
          OneMoreKvant(summary, locale));
}

}  // namespace stats_host
