#include "crosscheck/output/results_html.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "crosscheck/output/formats.h"
#include "crosscheck/output/texts.h"
#include "logs/text/text_pattern.h"
#include "pages/column_chart.h"
#include "pages/html_page.h"
#include "pages/html_text.h"
#include "pages/local_forms.h"
#include "stats/public/plugin_names.h"

namespace crosscheck {
namespace {

// The clock chart's columns: offsets under each bound (seconds), then the rest.
constexpr std::array<std::int64_t, 4> kOffsetBounds = {60, 5 * 60, 15 * 60, 90 * 60};
constexpr std::int64_t kListedOffset = 60;

using logs::Substituted;
using pages::HeadRow;
using pages::Note;

std::string Text(std::string_view utf8) { return pages::EscapeHtml(utf8); }
std::string TextCell(std::string_view utf8) { return "<td>" + Text(utf8) + "</td>"; }
std::string Table(const std::string& attributes, const std::string& rows) {
  return pages::Scrolling("<table " + attributes + ">\n" + rows + "</table>\n");
}

// The page's words and the forms of its numbers.
struct Page {
  const CheckTexts& texts;
  logs::ReportLanguage language;

  std::string Number(std::uint64_t value) const {
    return pages::GroupedNumber(static_cast<long long>(value), language);
  }
  std::string NumberCell(long long value) const { return pages::NumberCell(value, language); }
  // A figure with a decimal point ("-12.5 %") as the language writes it:
  // Russian with a decimal comma and a true minus sign.
  std::string Decimal(std::string text) const {
    if (language != logs::ReportLanguage::kRussian) return text;
    std::replace(text.begin(), text.end(), '.', ',');
    return text.starts_with('-') ? "\u2212" + text.substr(1) : text;
  }
  std::string Section(std::string_view id, std::string_view heading,
                      const std::string& body) const {
    return pages::HtmlSection(id, Text(heading), body);
  }
};

// The penalty points per QSO of each verdict that has them.
std::string PenaltiesText(const CheckOptions& options, const CheckTexts& texts) {
  std::string list;
  for (std::size_t v = 0; v < kVerdictCount; ++v) {
    if (options.penalties[v] == 0) continue;
    list += (list.empty() ? "" : ", ") + std::string(texts.verdictNames[v]) + ": " +
            std::to_string(options.penalties[v]);
  }
  return list.empty() ? std::string(texts.noPenalties) : Substituted(texts.penalties, {list});
}

std::string Header(const std::string& titleHtml, const ContestTotals& totals,
                   const CheckOptions& options, const Page& page) {
  const CheckTexts& texts = page.texts;
  const std::string period = options.from || options.to
                                 ? (options.from ? FormatQsoTime(*options.from) : "") +
                                       " &#8211; " + (options.to ? FormatQsoTime(*options.to) : "")
                                 : Text(texts.wholeLog);
  return pages::PageHeader(
             titleHtml,
             {{"logs-checked", std::string(texts.logsChecked), page.Number(totals.checked)},
              {"files-not-read", std::string(texts.filesNotRead), page.Number(totals.notRead)},
              {"qso-lines", std::string(texts.qsoLines), page.Number(totals.lines)},
              {"window", std::string(texts.window),
               "&#177;" + FormatDuration(options.windowSeconds)},
              {"period", std::string(texts.period), period}}) +
         Note(Substituted(texts.noLogRule, {std::to_string(options.minLogs)}) + ". " +
              std::string(options.countUniques ? texts.uniquesCounted : texts.uniquesNotCounted) +
              ". " + PenaltiesText(options, texts) + ".");
}

std::string FiguresSection(const ContestTotals& totals, const Page& page) {
  const CheckTexts& texts = page.texts;
  std::string rows = HeadRow({texts.verdict, "", texts.lines, texts.share}) + "<tbody>\n";
  for (std::size_t v = 0; v < kVerdictCount; ++v) {
    rows += "<tr id=\"verdict-" + std::string(kVerdictNames[v]) + "\">" +
            TextCell(texts.verdictNames[v]) + "<td><code>" + std::string(kVerdictNames[v]) +
            "</code></td>" + page.NumberCell(static_cast<long long>(totals.verdicts[v])) +
            "<td class=\"n\">" + page.Decimal(Percent(totals.verdicts[v], totals.lines)) +
            "</td></tr>\n";
  }
  rows += "</tbody>\n<tfoot><tr class=\"total\"><th scope=\"row\" colspan=\"2\"></th>" +
          page.NumberCell(static_cast<long long>(totals.lines)) + "<td class=\"n\">" +
          page.Decimal("100.0 %") + "</td></tr></tfoot>\n";
  return page.Section("figures", texts.figuresHeading,
                      Note(texts.figuresNote) + Table("id=\"verdict-table\"", rows));
}

// The clock chart drawn for a screen or paper, and narrower for a phone, where
// the wide one would shrink its text.
std::string ClockCharts(pages::StackedColumns chart) {
  const std::string wide = pages::StackedColumnSvg(chart);
  chart.width = pages::kPhoneChartWidth;
  chart.id += "-phone";
  return pages::WideOrPhone(wide, pages::StackedColumnSvg(chart));
}

std::string ClocksSection(const Contest& contest, const CheckResult& result,
                          const std::vector<LogId>& order, const Page& page) {
  const CheckTexts& texts = page.texts;
  pages::StackedColumns chart;
  chart.id = "clock-chart";
  chart.title = std::string(texts.clocksChartTitle);
  chart.series = {{std::string(texts.logs), pages::kPlainFill,
                   std::vector<long long>(kOffsetBounds.size() + 2, 0)}};
  chart.language = page.language;
  for (const std::int64_t bound : kOffsetBounds) {
    chart.columns.push_back(Substituted(texts.offsetUnder, {FormatDuration(bound)}));
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
    const bool doubtful = result.logs[log].clockDoubt != ClockDoubt::kNone;
    if ((clock.matches > 0 && magnitude >= kListedOffset) || doubtful) listed.push_back(log);
  }
  std::stable_sort(listed.begin(), listed.end(), [&](LogId a, LogId b) {
    return std::llabs(result.logs[a].clock.offset) > std::llabs(result.logs[b].clock.offset);
  });
  std::string table = "<h3>" + Text(texts.clocksListed) + ": <span id=\"clocks-listed\">" +
                      page.Number(listed.size()) + "</span></h3>\n";
  if (listed.empty()) {
    table += "<p>" + Text(texts.none) + "</p>\n";
  } else {
    std::string rows =
        HeadRow({texts.call, texts.clockOffset, texts.matches, texts.clockDoubt}) + "<tbody>\n";
    for (const LogId log : listed) {
      const LogResult& checked = result.logs[log];
      const std::string_view doubt = checked.clockDoubt == ClockDoubt::kWeak ? texts.doubtWeak
                                     : checked.clockDoubt == ClockDoubt::kUnconfirmed
                                         ? texts.doubtUnconfirmed
                                         : std::string_view{};
      rows += "<tr>" + TextCell(contest.calls.Text(contest.logs[log].ownCall)) +
              "<td class=\"n\">" + FormatOffset(checked.clock.offset) +
              (checked.clock.changes.empty() ? "" : " \u2026") + "</td>" +
              page.NumberCell(checked.clock.matches) + TextCell(doubt) + "</tr>\n";
    }
    table += Table("id=\"clock-table\"", rows + "</tbody>\n");
  }
  return page.Section(
      "clocks", texts.clocksHeading,
      Note(texts.clocksNote) + pages::Figure(texts.clocksChartTitle, ClockCharts(chart)) + table);
}

std::string ResultsSection(const Contest& contest, const CheckResult& result,
                           const std::vector<CategoryStandings>& standings, const Page& page) {
  const CheckTexts& texts = page.texts;
  std::string body = Note(texts.resultsNote);
  for (const CategoryStandings& category : standings) {
    std::string rows =
        HeadRow({texts.place, texts.call, texts.claimed, texts.checked, texts.reduction,
                 texts.qsoLines, texts.points, texts.penalty, texts.kvant}) +
        "<tbody>\n";
    for (const Standing& standing : category.logs) {
      const ContestLog& log = contest.logs[standing.log];
      const LogResult& checked = result.logs[standing.log];
      const auto reduction = ReductionTenths(log.claimed, checked.checked);
      rows += "<tr>" + page.NumberCell(static_cast<long long>(standing.place)) +
              TextCell(contest.calls.Text(log.ownCall)) +
              (log.claimed ? page.NumberCell(*log.claimed) : "<td class=\"n\">&#8212;</td>") +
              page.NumberCell(checked.checked) + "<td class=\"n\">" +
              (reduction ? page.Decimal(TenthsText(*reduction)) : "&#8212;") + "</td>" +
              page.NumberCell(log.endQso - log.firstQso) + page.NumberCell(checked.counted) +
              page.NumberCell(checked.penalty) + page.NumberCell(checked.kvant) + "</tr>\n";
    }
    body += "<h3>" +
            (category.category.empty() ? Text(texts.noCategory) : Text(category.category)) +
            "</h3>\n" + Table("class=\"results\"", rows + "</tbody>\n");
  }
  return page.Section("results", texts.resultsHeading, body);
}

std::string UnreadSection(const Contest& contest, const std::vector<LogId>& order,
                          const Page& page) {
  const CheckTexts& texts = page.texts;
  std::string rows;
  std::size_t count = 0;
  for (const LogId id : order) {
    const ContestLog& log = contest.logs[id];
    if (log.Checked()) continue;
    ++count;
    const std::string reason =
        log.failure ? *log.failure
                    : Substituted(texts.supersededBy, {contest.logs[*log.supersededBy].file});
    rows += "<tr><td><code class=\"line\">" + Text(log.file) + "</code></td>" + TextCell(reason) +
            "</tr>\n";
  }
  const std::string heading = std::string(texts.filesNotChecked) + ": " + page.Number(count);
  if (count == 0) return page.Section("unread", heading, "<p>" + Text(texts.none) + "</p>\n");
  return page.Section("unread", heading,
                      Table("id=\"unread-table\"", HeadRow({texts.file, texts.reason}) +
                                                       "<tbody>\n" + rows + "</tbody>\n"));
}

}  // namespace

std::string ResultsHtml(const Contest& contest, const CheckResult& result,
                        const CheckOptions& options,
                        const std::vector<CategoryStandings>& standings,
                        const std::vector<LogId>& order, logs::ReportLanguage language) {
  const Page page{CheckTextsOf(language), language};
  const ContestTotals totals = TotalsOf(contest, result);
  const std::string title = Text(stats::kSummaryTitle) + "&#8212; " + Text(page.texts.pageTitle);
  return pages::HtmlDocument(page.texts.htmlLanguage, title,
                             Header(title, totals, options, page) + FiguresSection(totals, page) +
                                 ResultsSection(contest, result, standings, page) +
                                 ClocksSection(contest, result, order, page) +
                                 UnreadSection(contest, order, page) +
                                 pages::Footer(page.texts.footer));
}

}  // namespace crosscheck
