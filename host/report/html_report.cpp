#include "host/report/html_report.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "host/report/html_page.h"
#include "host/report/html_text.h"
#include "host/report/report_texts.h"
#include "host/report/svg_chart.h"
#include "host/report/tour_repeats.h"
#include "host/run/plugin_summary.h"
#include "stats/public/plugin_names.h"

namespace host {
namespace {

std::string Int(long long value) { return std::to_string(value); }

std::string Text(std::string_view utf8) { return EscapeHtml(utf8); }

std::string TwoDigits(int value) {
  char text[8];
  std::snprintf(text, sizeof text, "%02d", value);
  return text;
}

std::string Header(const PluginSummary& summary, const HtmlReportInput& input,
                   const ReportTexts& texts) {
  const auto fact = [](std::string_view id, std::string_view label, const std::string& value) {
    return "<dt>" + Text(label) + "</dt><dd id=\"" + std::string(id) + "\">" + value + "</dd>\n";
  };
  return "<header>\n<h1>" + HtmlText(stats::kSummaryTitle) + "&#8212; " + Text(texts.reportTitle) +
         "</h1>\n<dl class=\"facts\">\n" +
         fact("contestant", texts.contestant, HtmlText(summary.contestant)) +
         fact("contest-date", texts.contestDate, HtmlText(summary.contestDate)) +
         fact("claimed-score", texts.claimedScore,
              summary.score ? Int(*summary.score) : std::string("&#8212;")) +
         fact("cabrillo-file", texts.cabrilloFile,
              input.cabrilloFile ? HtmlText(*input.cabrilloFile) : Text(texts.noCabrilloFile)) +
         (input.skipped == 0
              ? std::string()
              : fact("skipped-count", texts.skippedHeading,
                     Int(static_cast<long long>(input.skipped)) + " " + Text(texts.of) + " " +
                         Int(static_cast<long long>(input.records)))) +
         "</dl>\n</header>\n";
}

std::string BandRow(const SummaryRow& row, bool total, std::string_view label) {
  return std::string(total ? "<tr class=\"total\">" : "<tr>") + "<th scope=\"row\">" +
         std::string(label) + "</th>" + NumberCell(row.qsos) + NumberCell(row.points) +
         NumberCell(row.cw) + NumberCell(row.ssb) + NumberCell(row.kvant) + "</tr>\n";
}

std::string BandsSection(const PluginSummary& summary, const ReportTexts& texts) {
  std::string table = "<table id=\"band-table\">\n<thead><tr><th>" + Text(texts.band) +
                      "</th><th>" + Text(texts.qsos) + "</th><th>" + Text(texts.points) +
                      "</th><th>CW</th><th>SSB</th><th>" + Text(texts.kvant) +
                      "</th></tr></thead>\n<tbody>\n";
  for (const SummaryRow& row : summary.bands) table += BandRow(row, false, HtmlText(row.band));
  table += "</tbody>\n";
  if (summary.total) {
    table += "<tfoot>\n" + BandRow(*summary.total, true, Text(texts.total)) + "</tfoot>\n";
  }
  table += "</table>\n";
  return HtmlSection("bands", Text(texts.bandsHeading), table + Note(texts.scoreRule));
}

std::string TourLabel(const TourRow& row) { return TwoDigits(row.hour) + ":00"; }

std::string ToursChart(const TourTable& table, bool severalDays, const ReportTexts& texts) {
  StackedColumns chart;
  chart.id = "tour-chart";
  chart.title = std::string(texts.toursChartTitle);
  chart.legendTitle = std::string(texts.band);
  for (const TourRow& row : table.tours) {
    chart.columns.push_back(TourLabel(row));
    if (severalDays) chart.dates.push_back(FormatIsoDate(row.date));
  }
  for (std::size_t b = 0; b < table.bands.size(); ++b) {
    ChartSeries series{DisplayUtf8(table.bands[b]), {}};
    for (const TourRow& row : table.tours) series.values.push_back(row.bands[b].qsos);
    chart.series.push_back(std::move(series));
  }
  return "<figure>\n<figcaption>" + Text(texts.toursChartTitle) + "</figcaption>\n" +
         StackedColumnSvg(chart, ChartPalette::kBands) + "</figure>\n";
}

// QSOs, and "+N" for the Kvant first counted in the tour.
std::string TourCellHtml(const TourCell& cell) {
  return "<td class=\"n\">" + Int(cell.qsos) +
         (cell.kvant > 0 ? " <span class=\"kv\">+" + Int(cell.kvant) + "</span>" : "") + "</td>";
}

std::string MatrixRow(const std::string& head, const std::vector<TourCell>& cells,
                      const TourCell& total, bool isTotal) {
  std::string row = std::string(isTotal ? "<tr class=\"total\">" : "<tr>") + "<th scope=\"row\">" +
                    head + "</th>";
  for (const TourCell& cell : cells) row += TourCellHtml(cell);
  return row + TourCellHtml(total) + "</tr>\n";
}

std::string ToursSection(const TourTable& table, const ReportTexts& texts) {
  const bool severalDays = !table.tours.empty() && DaysSinceOleEpoch(table.tours.front().date) !=
                                                       DaysSinceOleEpoch(table.tours.back().date);
  std::string matrix =
      "<table id=\"tour-table\" class=\"matrix\">\n<thead><tr><th>" + Text(texts.tour) + "</th>";
  for (const std::string& band : table.bands) matrix += "<th>" + HtmlText(band) + "</th>";
  matrix += "<th>" + Text(texts.total) + "</th></tr></thead>\n<tbody>\n";
  const std::string width = Int(static_cast<long long>(table.bands.size()) + 2);
  long previousDay = -1;
  for (const TourRow& row : table.tours) {
    const long day = DaysSinceOleEpoch(row.date);
    if (severalDays && day != previousDay) {
      matrix += "<tr class=\"day\"><th colspan=\"" + width + "\">" + FormatIsoDate(row.date) +
                "</th></tr>\n";
    }
    previousDay = day;
    matrix += MatrixRow(TourLabel(row), row.bands, row.total, false);
  }
  matrix += "</tbody>\n<tfoot>\n" +
            MatrixRow(Text(texts.total), table.bandTotals, table.total, true) +
            "</tfoot>\n</table>\n";
  return HtmlSection("tours", Text(texts.toursHeading),
                     ToursChart(table, severalDays, texts) + matrix + Note(texts.toursNote));
}

std::string ModesSection(const PluginSummary& summary, const ReportTexts& texts) {
  ShareBars chart;
  chart.id = "mode-chart";
  chart.title = std::string(texts.modesChartTitle);
  chart.series = {{"CW", {}}, {"SSB", {}}, {std::string(texts.digital), {}}};
  std::vector<std::pair<std::string, SummaryRow>> rows;
  for (const SummaryRow& row : summary.bands) rows.emplace_back(DisplayUtf8(row.band), row);
  if (summary.total) rows.emplace_back(std::string(texts.total), *summary.total);
  for (const auto& [label, row] : rows) {
    chart.rows.push_back(label);
    chart.series[0].values.push_back(row.cw);
    chart.series[1].values.push_back(row.ssb);
    chart.series[2].values.push_back(std::max(row.qsos - row.cw - row.ssb, 0LL));
  }
  chart.lastRowIsTotal = summary.total.has_value();
  return HtmlSection("modes", Text(texts.modesHeading),
                     "<figure>\n<figcaption>" + Text(texts.modesChartTitle) + "</figcaption>\n" +
                         ShareBarSvg(chart, ChartPalette::kModes) + "</figure>\n");
}

std::string_view Reason(const RefusedQso& qso, const ReportTexts& texts) {
  if (!qso.problemLine) return texts.reasonNoLine;
  const std::string_view line = *qso.problemLine;
  const auto endsWith = [&](std::string_view ending) {
    return line.size() >= ending.size() && line.substr(line.size() - ending.size()) == ending;
  };
  if (endsWith(stats::kNoContestModeEnding)) return texts.reasonMode;
  if (endsWith(stats::kNoRxNumberEnding)) {
    // The plug-in says this when either number is missing; the log tells which.
    if (!qso.noSentNumber) return texts.reasonNumber;
    return qso.noReceivedNumber ? texts.reasonNumbers : texts.reasonSentNumber;
  }
  return texts.reasonOther;
}

std::string RefusedSection(const std::vector<RefusedQso>& refused, const ReportTexts& texts) {
  const std::string heading = Text(texts.refusedHeading) + ": <span id=\"refused-count\">" +
                              Int(static_cast<long long>(refused.size())) + "</span>";
  if (refused.empty()) return HtmlSection("refused", heading, "<p>" + Text(texts.none) + "</p>\n");
  std::string table = "<table id=\"refused-table\">\n<thead><tr><th>" + Text(texts.record) +
                      "</th><th>" + Text(texts.reason) + "</th><th>" + Text(texts.problemLine) +
                      "</th></tr></thead>\n<tbody>\n";
  for (const RefusedQso& qso : refused) {
    table += "<tr>" + NumberCell(static_cast<long long>(qso.record)) + "<td>" +
             Text(Reason(qso, texts)) + "</td><td><code class=\"line\">" +
             HtmlText(qso.problemLine.value_or(qso.call)) + "</code></td></tr>\n";
  }
  table += "</tbody>\n</table>\n";
  return HtmlSection("refused", heading, Note(texts.refusedNote) + table);
}

std::string SkippedSection(const HtmlReportInput& input, const ReportTexts& texts) {
  std::string table = "<table id=\"skipped-table\">\n<thead><tr><th>" + Text(texts.record) +
                      "</th><th>" + Text(texts.byte) + "</th><th>" + Text(texts.said) +
                      "</th></tr></thead>\n<tbody>\n";
  for (const SkippedRecord& skipped : input.skippedRecords) {
    table += "<tr>" + NumberCell(static_cast<long long>(skipped.record)) +
             NumberCell(static_cast<long long>(skipped.offset)) + "<td>";
    for (std::size_t i = 0; i < skipped.warnings.size(); ++i) {
      table += (i > 0 ? "<br>" : "") + HtmlText(skipped.warnings[i]);
    }
    table += "</td></tr>\n";
  }
  table += "</tbody>\n</table>\n";
  return HtmlSection("skipped",
                     Text(texts.skippedHeading) + ": " + Int(static_cast<long long>(input.skipped)),
                     Note(texts.skippedNote) + table);
}

std::string RepeatsSection(const std::vector<TourRepeat>& repeats, const ReportTexts& texts) {
  const std::string heading = Text(texts.repeatsHeading) + ": <span id=\"repeat-count\">" +
                              Int(static_cast<long long>(repeats.size())) + "</span>";
  if (repeats.empty()) {
    return HtmlSection("repeats", heading,
                       Note(texts.repeatsNote) + "<p>" + Text(texts.none) + "</p>\n");
  }
  std::string table = "<table id=\"repeat-table\">\n<thead><tr><th rowspan=\"2\">" +
                      Text(texts.call) + "</th><th rowspan=\"2\">" + Text(texts.band) +
                      "</th><th rowspan=\"2\">" + Text(texts.mode) + "</th><th colspan=\"2\">" +
                      Text(texts.firstQso) + "</th><th colspan=\"2\">" + Text(texts.repeatQso) +
                      "</th></tr>\n<tr>";
  for (int i = 0; i < 2; ++i) {
    table += "<th>" + Text(texts.record) + "</th><th>" + Text(texts.time) + "</th>";
  }
  table += "</tr></thead>\n<tbody>\n";
  const auto qsoCells = [](std::size_t record, const QsoDate& date, int secondOfDay) {
    return NumberCell(static_cast<long long>(record)) + "<td class=\"time\">" +
           FormatIsoDate(date) + " " + FormatTimeOfDay(secondOfDay) + "</td>";
  };
  for (const TourRepeat& repeat : repeats) {
    table += "<tr><td>" + HtmlText(repeat.call) + "</td><td>" + HtmlText(repeat.band) +
             "</td><td>" + HtmlText(repeat.mode) + "</td>" +
             qsoCells(repeat.earlierRecord, repeat.earlierDate, repeat.earlierSecondOfDay) +
             qsoCells(repeat.record, repeat.date, repeat.secondOfDay) + "</tr>\n";
  }
  table += "</tbody>\n</table>\n";
  return HtmlSection("repeats", heading, Note(texts.repeatsNote) + table);
}

}  // namespace

HtmlReportInput ReportInputOfRun(const RunResult& result, const TourMatrix& tours,
                                 const std::vector<TourRepeat>& repeats) {
  HtmlReportInput input;
  input.summaryText = result.summaryText;
  if (result.cabrilloAsked && result.cabrilloLog.written) {
    input.cabrilloFile = result.cabrilloLog.name;
  }
  input.tours = tours;
  input.refused = result.refused;
  input.repeats = repeats;
  input.records = result.records;
  input.skipped = result.skipped;
  input.skippedRecords = result.skippedRecords;
  return input;
}

std::string HtmlReport(const HtmlReportInput& input, ReportLanguage language) {
  const ReportTexts& texts = TextsOf(language);
  const PluginSummary summary = ParsePluginSummary(input.summaryText);
  std::vector<std::string> bandOrder;
  for (const SummaryRow& row : summary.bands) bandOrder.push_back(row.band);

  const std::string title = HtmlText(stats::kSummaryTitle) + HtmlText(summary.contestDate) +
                            " &#8212; " + HtmlText(summary.contestant);
  return HtmlDocument(texts.htmlLanguage, title,
                      Header(summary, input, texts) + BandsSection(summary, texts) +
                          ToursSection(input.tours.Table(bandOrder), texts) +
                          ModesSection(summary, texts) + RefusedSection(input.refused, texts) +
                          (input.skipped == 0 ? std::string() : SkippedSection(input, texts)) +
                          RepeatsSection(input.repeats, texts) + Footer(texts.footer));
}

}  // namespace host
