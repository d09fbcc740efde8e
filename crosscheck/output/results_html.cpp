#include "crosscheck/output/results_html.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "crosscheck/output/formats.h"
#include "crosscheck/output/texts.h"
#include "host/report/html_page.h"
#include "host/report/html_text.h"
#include "host/report/svg_chart.h"
#include "stats/public/plugin_names.h"

namespace crosscheck {
namespace {

// The clock chart's columns: offsets under each bound (seconds), then the rest.
constexpr std::array<std::int64_t, 4> kOffsetBounds = {60, 5 * 60, 15 * 60, 90 * 60};
constexpr std::int64_t kListedOffset = 60;

std::string Text(std::string_view utf8) { return host::EscapeHtml(utf8); }
std::string Int(long long value) { return std::to_string(value); }
std::string TextCell(std::string_view utf8) { return "<td>" + Text(utf8) + "</td>"; }

std::string HeadRow(std::initializer_list<std::string_view> labels) {
  std::string row = "<thead><tr>";
  for (const std::string_view label : labels) row += "<th>" + Text(label) + "</th>";
  return row + "</tr></thead>\n";
}

std::string Section(std::string_view id, std::string_view heading, const std::string& body) {
  return host::HtmlSection(id, Text(heading), body);
}

std::string Header(const ContestTotals& totals, const CheckOptions& options,
                   const CheckTexts& texts) {
  const std::string period = options.from || options.to
                                 ? (options.from ? FormatQsoTime(*options.from) : "") +
                                       " &#8211; " + (options.to ? FormatQsoTime(*options.to) : "")
                                 : Text(texts.wholeLog);
  return "<header>\n<h1>" + Text(stats::kSummaryTitle) + "&#8212; " + Text(texts.pageTitle) +
         "</h1>\n<dl class=\"facts\">\n" +
         host::Fact("logs-checked", texts.logsChecked,
                    Int(static_cast<long long>(totals.checked))) +
         host::Fact("files-not-read", texts.filesNotRead,
                    Int(static_cast<long long>(totals.notRead))) +
         host::Fact("qso-lines", texts.qsoLines, Int(static_cast<long long>(totals.lines))) +
         host::Fact("window", texts.window, "&#177;" + FormatDuration(options.windowSeconds)) +
         host::Fact("period", texts.period, period) + "</dl>\n" +
         host::Note(
             Fill(texts.noLogRule, {Int(options.minLogs)}) + ". " +
             std::string(options.countUniques ? texts.uniquesCounted : texts.uniquesNotCounted) +
             ".") +
         "</header>\n";
}

std::string FiguresSection(const ContestTotals& totals, const CheckTexts& texts) {
  std::string table = "<table id=\"verdict-table\">\n" +
                      HeadRow({texts.verdict, "", texts.lines, texts.share}) + "<tbody>\n";
  for (std::size_t v = 0; v < kVerdictCount; ++v) {
    table += "<tr id=\"verdict-" + std::string(kVerdictNames[v]) + "\">" +
             TextCell(texts.verdictNames[v]) + "<td><code>" + std::string(kVerdictNames[v]) +
             "</code></td>" + host::NumberCell(static_cast<long long>(totals.verdicts[v])) +
             "<td class=\"n\">" + Percent(totals.verdicts[v], totals.lines) + "</td></tr>\n";
  }
  table += "</tbody>\n<tfoot><tr class=\"total\"><th scope=\"row\" colspan=\"2\"></th>" +
           host::NumberCell(static_cast<long long>(totals.lines)) +
           "<td class=\"n\">100.0 %</td></tr></tfoot>\n</table>\n";
  return Section("figures", texts.figuresHeading, host::Note(texts.figuresNote) + table);
}

std::string ClocksSection(const Contest& contest, const CheckResult& result,
                          const std::vector<LogId>& order, const CheckTexts& texts) {
  host::StackedColumns chart;
  chart.id = "clock-chart";
  chart.title = std::string(texts.clocksChartTitle);
  chart.legendTitle = "";
  chart.series = {{std::string(texts.logs), std::vector<long long>(kOffsetBounds.size() + 2, 0)}};
  for (const std::int64_t bound : kOffsetBounds) {
    chart.columns.push_back(Fill(texts.offsetUnder, {FormatDuration(bound)}));
  }
  chart.columns.push_back("\u2265 " + FormatDuration(kOffsetBounds.back()));
  chart.columns.push_back(std::string(texts.offsetUnknown));

  std::vector<LogId> listed;
  for (const LogId log : order) {
    if (!contest.logs[log].Checked()) continue;
    const ClockEstimate& clock = result.logs[log].clock;
    const std::int64_t magnitude = std::llabs(clock.offset);
    std::size_t column = kOffsetBounds.size() + 1;
    if (clock.matches > 0) {
      column = static_cast<std::size_t>(
          std::upper_bound(kOffsetBounds.begin(), kOffsetBounds.end(), magnitude) -
          kOffsetBounds.begin());
    }
    ++chart.series[0].values[column];
    if (clock.matches > 0 && magnitude >= kListedOffset) listed.push_back(log);
  }
  std::stable_sort(listed.begin(), listed.end(), [&](LogId a, LogId b) {
    return std::llabs(result.logs[a].clock.offset) > std::llabs(result.logs[b].clock.offset);
  });
  std::string table = "<h3>" + Text(texts.clocksListed) + ": <span id=\"clocks-listed\">" +
                      Int(static_cast<long long>(listed.size())) + "</span></h3>\n";
  if (listed.empty()) {
    table += "<p>" + Text(texts.none) + "</p>\n";
  } else {
    table += "<table id=\"clock-table\">\n" +
             HeadRow({texts.call, texts.clockOffset, texts.matches}) + "<tbody>\n";
    for (const LogId log : listed) {
      table += "<tr>" + TextCell(contest.calls.Text(contest.logs[log].ownCall)) +
               "<td class=\"n\">" + FormatOffset(result.logs[log].clock.offset) + "</td>" +
               host::NumberCell(result.logs[log].clock.matches) + "</tr>\n";
    }
    table += "</tbody>\n</table>\n";
  }
  return Section("clocks", texts.clocksHeading,
                 host::Note(texts.clocksNote) + "<figure>\n<figcaption>" +
                     Text(texts.clocksChartTitle) + "</figcaption>\n" +
                     host::StackedColumnSvg(chart, host::ChartPalette::kBands) + "</figure>\n" +
                     table);
}

std::string ResultsSection(const Contest& contest, const CheckResult& result,
                           const std::vector<CategoryStandings>& standings,
                           const CheckTexts& texts) {
  std::string body = host::Note(texts.resultsNote);
  for (const CategoryStandings& category : standings) {
    body += "<h3>" +
            (category.category.empty() ? Text(texts.noCategory) : Text(category.category)) +
            "</h3>\n<table class=\"results\">\n" +
            HeadRow({texts.place, texts.call, texts.claimed, texts.checked, texts.reduction,
                     texts.qsos, texts.kvant}) +
            "<tbody>\n";
    for (const Standing& standing : category.logs) {
      const ContestLog& log = contest.logs[standing.log];
      const LogResult& checked = result.logs[standing.log];
      const auto reduction = ReductionTenths(log.claimed, checked.checked);
      body += "<tr>" + host::NumberCell(static_cast<long long>(standing.place)) +
              TextCell(contest.calls.Text(log.ownCall)) +
              (log.claimed ? host::NumberCell(*log.claimed) : "<td class=\"n\">&#8212;</td>") +
              host::NumberCell(checked.checked) + "<td class=\"n\">" +
              (reduction ? TenthsText(*reduction) : "&#8212;") + "</td>" +
              host::NumberCell(checked.counted) + host::NumberCell(checked.kvant) + "</tr>\n";
    }
    body += "</tbody>\n</table>\n";
  }
  return Section("results", texts.resultsHeading, body);
}

std::string UnreadSection(const Contest& contest, const std::vector<LogId>& order,
                          const CheckTexts& texts) {
  std::string rows;
  std::size_t count = 0;
  for (const LogId id : order) {
    const ContestLog& log = contest.logs[id];
    if (log.Checked()) continue;
    ++count;
    const std::string reason =
        log.failure ? *log.failure
                    : Fill(texts.supersededBy, {contest.logs[*log.supersededBy].file});
    rows += "<tr><td><code class=\"line\">" + Text(log.file) + "</code></td>" + TextCell(reason) +
            "</tr>\n";
  }
  const std::string heading =
      std::string(texts.filesNotChecked) + ": " + Int(static_cast<long long>(count));
  if (count == 0) return Section("unread", heading, "<p>" + Text(texts.none) + "</p>\n");
  return Section("unread", heading,
                 "<table id=\"unread-table\">\n" + HeadRow({texts.file, texts.reason}) +
                     "<tbody>\n" + rows + "</tbody>\n</table>\n");
}

}  // namespace

std::string ResultsHtml(const Contest& contest, const CheckResult& result,
                        const CheckOptions& options,
                        const std::vector<CategoryStandings>& standings,
                        const std::vector<LogId>& order, host::ReportLanguage language) {
  const CheckTexts& texts = CheckTextsOf(language);
  const ContestTotals totals = TotalsOf(contest, result);
  return host::HtmlDocument(texts.htmlLanguage,
                            Text(stats::kSummaryTitle) + "&#8212; " + Text(texts.pageTitle),
                            Header(totals, options, texts) + FiguresSection(totals, texts) +
                                ResultsSection(contest, result, standings, texts) +
                                ClocksSection(contest, result, order, texts) +
                                UnreadSection(contest, order, texts) + host::Footer(texts.footer));
}

}  // namespace crosscheck
