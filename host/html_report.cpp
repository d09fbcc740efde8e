#include "host/html_report.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "host/html_text.h"
#include "host/plugin_summary.h"
#include "host/report_texts.h"
#include "host/svg_chart.h"
#include "host/tour_repeats.h"
#include "stats/problem_log.h"

namespace host {
namespace {

// Screen and A4 print; colours are kept in print, where the charts need them.
constexpr std::string_view kStyle = R"(@page { size: A4; margin: 12mm; }
html { color: #111; background: #fff; }
body { font-family: "DejaVu Sans", "Segoe UI", Arial, sans-serif; font-size: 14px;
  line-height: 1.35; max-width: 760px; margin: 16px auto; padding: 0 12px;
  -webkit-print-color-adjust: exact; print-color-adjust: exact; }
h1 { font-size: 22px; margin: 0 0 10px; }
h2 { font-size: 17px; margin: 24px 0 8px; padding-bottom: 2px; border-bottom: 1px solid #888;
  break-after: avoid; }
dl.facts { display: grid; grid-template-columns: max-content auto; gap: 2px 16px; margin: 0; }
dl.facts dt { color: #444; }
dl.facts dd { margin: 0; font-weight: bold; }
table { border-collapse: collapse; margin: 6px 0; font-variant-numeric: tabular-nums; }
th, td { border: 1px solid #aaa; padding: 2px 7px; }
th { background: #e8e8e8; font-weight: bold; }
td.n { text-align: right; }
td.time { white-space: nowrap; }
tr.total td, tr.total th { font-weight: bold; background: #f2f2f2; border-top: 2px solid #555; }
tr { break-inside: avoid; }
thead { display: table-header-group; }
table.matrix { font-size: 12px; }
table.matrix td, table.matrix th { padding: 2px 4px; white-space: nowrap; }
table.matrix tr.day th { text-align: left; background: #f6f6f6; }
span.kv { color: #555; font-size: 11px; }
code.line { font-family: "DejaVu Sans Mono", Consolas, monospace; font-size: 11px;
  white-space: pre-wrap; overflow-wrap: anywhere; }
figure { margin: 10px 0; break-inside: avoid; }
figcaption { font-weight: bold; margin-bottom: 6px; }
figure svg { display: block; width: 100%; height: auto; }
p.note { color: #333; font-size: 12px; margin: 4px 0; }
footer { margin-top: 28px; color: #555; font-size: 12px; border-top: 1px solid #aaa; padding-top: 4px; }
@media print {
  body { max-width: none; margin: 0; padding: 0; font-size: 12px; }
  h2 { margin-top: 16px; }
  table.matrix { font-size: 11px; }
}
)";

std::string Int(long long value) { return std::to_string(value); }

std::string Text(std::string_view utf8) { return EscapeHtml(utf8); }

std::string NumberCell(long long value) { return "<td class=\"n\">" + Int(value) + "</td>"; }

std::string TwoDigits(int value) {
  char text[8];
  std::snprintf(text, sizeof text, "%02d", value);
  return text;
}

std::string Section(std::string_view id, const std::string& heading, const std::string& body) {
  return "<section id=\"" + std::string(id) + "\">\n<h2>" + heading + "</h2>\n" + body +
         "</section>\n";
}

std::string Note(std::string_view utf8) { return "<p class=\"note\">" + Text(utf8) + "</p>\n"; }

std::string Header(const PluginSummary& summary, const HtmlReportInput& input,
                   const ReportTexts& texts) {
  const auto fact = [](std::string_view id, std::string_view label, const std::string& value) {
    return "<dt>" + Text(label) + "</dt><dd id=\"" + std::string(id) + "\">" + value + "</dd>\n";
  };
  return "<header>\n<h1>Kesdra Velk Test &#8212; " + Text(texts.reportTitle) +
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
  return Section("bands", Text(texts.bandsHeading), table + Note(texts.scoreRule));
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
  return Section("tours", Text(texts.toursHeading),
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
  return Section("modes", Text(texts.modesHeading),
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
  if (refused.empty()) return Section("refused", heading, "<p>" + Text(texts.none) + "</p>\n");
  std::string table = "<table id=\"refused-table\">\n<thead><tr><th>" + Text(texts.record) +
                      "</th><th>" + Text(texts.reason) + "</th><th>" + Text(texts.problemLine) +
                      "</th></tr></thead>\n<tbody>\n";
  for (const RefusedQso& qso : refused) {
    table += "<tr>" + NumberCell(static_cast<long long>(qso.record)) + "<td>" +
             Text(Reason(qso, texts)) + "</td><td><code class=\"line\">" +
             HtmlText(qso.problemLine.value_or(qso.call)) + "</code></td></tr>\n";
  }
  table += "</tbody>\n</table>\n";
  return Section("refused", heading, Note(texts.refusedNote) + table);
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
  return Section("skipped",
                 Text(texts.skippedHeading) + ": " + Int(static_cast<long long>(input.skipped)),
                 Note(texts.skippedNote) + table);
}

std::string RepeatsSection(const std::vector<TourRepeat>& repeats, const ReportTexts& texts) {
  const std::string heading = Text(texts.repeatsHeading) + ": <span id=\"repeat-count\">" +
                              Int(static_cast<long long>(repeats.size())) + "</span>";
  if (repeats.empty()) {
    return Section("repeats", heading,
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
  return Section("repeats", heading, Note(texts.repeatsNote) + table);
}

}  // namespace

HtmlReportInput ReportInputOfRun(const RunResult& result) {
  HtmlReportInput input;
  input.summaryText = result.summaryText;
  if (result.cabrilloAsked && result.cabrilloLog.written) {
    input.cabrilloFile = result.cabrilloLog.name;
  }
  if (result.tours) input.tours = *result.tours;
  input.refused = result.refused;
  input.repeats = result.repeats;
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

  const std::string title = "Kesdra Velk Test " + HtmlText(summary.contestDate) + " &#8212; " +
                            HtmlText(summary.contestant);
  return "<!DOCTYPE html>\n<html lang=\"" + std::string(texts.htmlLanguage) +
         "\">\n<head>\n<meta charset=\"utf-8\">\n"
         "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
         "<link rel=\"icon\" href=\"data:,\">\n<title>" +
         title + "</title>\n<style>\n" + std::string(kStyle) + "</style>\n</head>\n<body>\n" +
         Header(summary, input, texts) + BandsSection(summary, texts) +
         ToursSection(input.tours.Table(bandOrder), texts) + ModesSection(summary, texts) +
         RefusedSection(input.refused, texts) +
         (input.skipped == 0 ? std::string() : SkippedSection(input, texts)) +
         RepeatsSection(input.repeats, texts) + "<footer>" + Text(texts.footer) +
         "</footer>\n</body>\n</html>\n";
}

}  // namespace host
