#include "logs/text/text_pattern.h"
#include "pages/column_chart.h"
#include "pages/html_page.h"
#include "pages/html_text.h"
#include "pages/local_forms.h"
#include "pages/spark_bars.h"
#include "stats-host/report/report_sections.h"

namespace stats_host {
namespace {

bool SeveralDays(const TourTable& table) {
  return !table.tours.empty() && stats::DaysSinceOleEpoch(table.tours.front().date) !=
                                     stats::DaysSinceOleEpoch(table.tours.back().date);
}

std::string ToursChart(const TourTable& table, const ReportLocale& locale) {
  pages::StackedColumns chart;
  chart.id = "tour-chart";
  chart.title = std::string(locale.texts.toursChartTitle);
  chart.legendTitle = std::string(locale.texts.band);
  chart.language = locale.language;
  const bool severalDays = SeveralDays(table);
  for (const TourRow& row : table.tours) {
    chart.columns.push_back(locale.Tour(row.hour));
    if (severalDays) chart.dates.push_back(locale.Date(row.date));
  }
  for (std::size_t b = 0; b < table.bands.size(); ++b) {
    pages::ChartSeries series{
        pages::BandLabel(table.bands[b], locale.language), pages::BandFill(table.bands[b]), {}};
    for (const TourRow& row : table.tours) series.values.push_back(row.bands[b].qsos);
    chart.series.push_back(std::move(series));
  }
  return pages::Figure(locale.texts.toursChartTitle, pages::StackedColumnSvg(chart));
}

// QSOs, and "+N" for the Kvant first counted in the tour; a tour's cell
// without QSOs stays empty.
std::string TourCellHtml(const TourCell& cell, const ReportLocale& locale, bool total = false) {
  if (cell.qsos == 0 && !total) return "<td></td>";
  return "<td class=\"n\">" + locale.Number(cell.qsos) +
         (cell.kvant > 0 ? " <span class=\"kv\">+" + locale.Number(cell.kvant) + "</span>" : "") +
         "</td>";
}

std::string ActivityCells(const TourActivity* activity, int busiestSlot,
                          const ReportLocale& locale) {
  if (activity == nullptr) return "<td></td><td></td>";
  const std::vector<int> slots(activity->tenMinutes.begin(), activity->tenMinutes.end());
  std::string counts;
  for (const int count : slots) {
    if (!counts.empty()) counts += " · ";
    counts += locale.Number(count);
  }
  return "<td>" +
         pages::SparkBarSvg(slots, busiestSlot,
                            logs::Substituted(locale.texts.tenMinutesTitle, {counts})) +
         "</td><td class=\"n\">" + locale.Number(activity->bandChanges) + " / " +
         locale.Number(activity->modeChanges) + "</td>";
}

std::string SinceStartCells(const TourCell& sinceStart, long long score,
                            const ReportLocale& locale) {
  return pages::NumberCell(sinceStart.qsos, locale.language) +
         pages::NumberCell(sinceStart.kvant, locale.language) +
         pages::NumberCell(score, locale.language);
}

std::string TourTableHtml(const TourTable& table, const Timeline& timeline,
                          const ReportLocale& locale) {
  const ReportTexts& texts = locale.texts;
  const std::string bandColumns = std::to_string(table.bands.size() + 1);
  std::string html = "<table id=\"tour-table\" class=\"matrix\">\n<thead><tr><th rowspan=\"2\">" +
                     locale.Text(texts.tour) + "</th><th colspan=\"" + bandColumns + "\">" +
                     locale.Text(texts.byBand) + "</th><th rowspan=\"2\">" +
                     locale.Text(texts.perTenMinutes) + "</th><th rowspan=\"2\">" +
                     locale.Text(texts.changes) + "</th><th colspan=\"3\">" +
                     locale.Text(texts.sinceStart) + "</th></tr>\n<tr>";
  for (const std::string& band : table.bands) html += "<th>" + locale.Band(band) + "</th>";
  html += "<th>" + locale.Text(texts.total) + "</th><th>" + locale.Text(texts.qsos) + "</th><th>" +
          locale.Text(texts.kvant) + "</th><th>" + locale.Text(texts.score) +
          "</th></tr></thead>\n<tbody>\n";
  const bool severalDays = SeveralDays(table);
  const std::string width = std::to_string(table.bands.size() + 7);
  long previousDay = -1;
  TourActivity all;
  for (const TourRow& row : table.tours) {
    const long day = stats::DaysSinceOleEpoch(row.date);
    if (severalDays && day != previousDay) {
      html += "<tr class=\"day\"><th colspan=\"" + width + "\">" + locale.Date(row.date) +
              "</th></tr>\n";
    }
    previousDay = day;
    const auto activity = timeline.tours.find(row.number);
    const TourActivity* found = activity == timeline.tours.end() ? nullptr : &activity->second;
    if (found != nullptr) {
      all.bandChanges += found->bandChanges;
      all.modeChanges += found->modeChanges;
    }
    html += "<tr><th scope=\"row\">" + locale.Tour(row.hour) + "</th>";
    for (const TourCell& cell : row.bands) html += TourCellHtml(cell, locale);
    html += TourCellHtml(row.total, locale) + ActivityCells(found, timeline.busiestSlot, locale) +
            SinceStartCells(row.sinceStart, row.score, locale) + "</tr>\n";
  }
  html += "</tbody>\n<tfoot>\n<tr class=\"total\"><th scope=\"row\">" + locale.Text(texts.total) +
          "</th>";
  for (const TourCell& cell : table.bandTotals) html += TourCellHtml(cell, locale, true);
  html += TourCellHtml(table.total, locale, true) + "<td></td><td class=\"n\">" +
          locale.Number(all.bandChanges) + " / " + locale.Number(all.modeChanges) + "</td>";
  if (table.tours.empty()) {
    html += "<td></td><td></td><td></td>";
  } else {
    html += SinceStartCells(table.tours.back().sinceStart, table.tours.back().score, locale);
  }
  return html + "</tr>\n</tfoot>\n</table>\n";
}

}  // namespace

std::string ToursSection(const TourTable& tours, const Timeline& timeline,
                         const ReportLocale& locale) {
  return pages::HtmlSection("tours", locale.Text(locale.texts.toursHeading),
                            ToursChart(tours, locale) +
                                pages::Scrolling(TourTableHtml(tours, timeline, locale)) +
                                pages::Note(locale.texts.toursNote));
}

}  // namespace stats_host
