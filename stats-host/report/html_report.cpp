#include "stats-host/report/html_report.h"

#include <cstdio>

#include "logs/text/text_pattern.h"
#include "pages/html_page.h"
#include "pages/html_text.h"
#include "stats-host/report/report_locale.h"
#include "stats-host/report/report_sections.h"
#include "stats-host/run/plugin_summary.h"
#include "stats/public/plugin_names.h"

namespace stats_host {
namespace {

using pages::HtmlText;

// The plug-in writes the contest date as 18.02.2024; each language writes it
// its own way. Any other text stays as it is.
std::string ContestDate(const std::string& text, const ReportLocale& locale) {
  logs::QsoDate date;
  if (text.size() == 10 &&
      std::sscanf(text.c_str(), "%2d.%2d.%4d", &date.day, &date.month, &date.year) == 3) {
    if (const auto checked = logs::ParseIsoDate(logs::FormatIsoDate(date)))
      return locale.Date(*checked);
  }
  return HtmlText(text);
}

std::string Header(const PluginSummary& summary, const HtmlReportInput& input,
                   const ReportLocale& locale) {
  const ReportTexts& texts = locale.texts;
  std::vector<pages::Fact> facts = {
      {"contestant", std::string(texts.contestant), HtmlText(summary.contestant)},
      {"contest-date", std::string(texts.contestDate), ContestDate(summary.contestDate, locale)},
      {"claimed-score", std::string(texts.claimedScore),
       summary.score ? locale.Number(*summary.score) : std::string("&#8212;")},
      {"cabrillo-file", std::string(texts.cabrilloFile),
       input.cabrilloFile ? HtmlText(*input.cabrilloFile) : locale.Text(texts.noCabrilloFile)},
  };
  if (input.skipped > 0) {
    facts.push_back({"skipped-count", std::string(texts.skippedHeading),
                     locale.Number(static_cast<long long>(input.skipped)) + " " +
                         locale.Text(texts.of) + " " +
                         locale.Number(static_cast<long long>(input.records))});
  }
  return pages::PageHeader(
      HtmlText(stats::kSummaryTitle) + "&#8212; " + locale.Text(texts.reportTitle), facts);
}

// Why the plug-in's score is 0 although it counted QSOs: no Kvant.
std::string ZeroScore(const std::vector<KvantSlip>& slips, const ReportLocale& locale) {
  std::string why = "<p id=\"zero-score\">" + locale.Text(locale.texts.zeroScore);
  if (!slips.empty()) {
    why +=
        " " + locale.Text(logs::Substituted(locale.texts.zeroScoreSlips,
                                            {locale.Number(static_cast<long long>(slips.size()))}));
  }
  return why + "</p>\n";
}

// The bands with QSOs, in the table's order.
std::vector<std::string> WorkedBands(const TourTable& tours) {
  std::vector<std::string> bands;
  for (std::size_t b = 0; b < tours.bands.size(); ++b) {
    if (tours.bandTotals[b].qsos > 0) bands.push_back(tours.bands[b]);
  }
  return bands;
}

}  // namespace

HtmlReportInput ReportInputOfRun(const RunResult& result, PageObservers& observers,
                                 const std::vector<TourRepeat>& repeats) {
  HtmlReportInput input;
  input.summaryText = result.summaryText;
  if (result.cabrilloAsked && result.cabrilloLog.written) {
    input.cabrilloFile = result.cabrilloLog.name;
  }
  input.tours = observers.tours;
  input.slips = observers.slips;
  input.timeline = observers.timeline.Summary();
  input.numbers = observers.numbers.Findings();
  input.refused = result.refused;
  input.repeats = repeats;
  input.records = result.records;
  input.skipped = result.skipped;
  input.skippedRecords = result.skippedRecords;
  return input;
}

std::string HtmlReport(const HtmlReportInput& input, logs::ReportLanguage language) {
  const ReportLocale locale(language);
  const ReportTexts& texts = locale.texts;
  const PluginSummary summary = ParsePluginSummary(input.summaryText);
  std::vector<std::string> bandOrder;
  for (const SummaryRow& row : summary.bands) bandOrder.push_back(row.band);
  const TourTable tours = input.tours.Table(bandOrder);
  const KvantGrid grid = input.tours.Grid(WorkedBands(tours));
  const std::vector<KvantSlip> slips = input.slips.Slips(tours.bands);

  std::string body = Header(summary, input, locale);
  const bool anyCounted = summary.total && summary.total->qsos > 0;
  if (anyCounted) {
    if (summary.score == 0) body += ZeroScore(slips, locale);
    body += BandsSection(summary, locale) +
            (slips.empty() ? std::string() : SlipsSection(summary, slips, locale)) +
            ToursSection(tours, input.timeline, locale) +
            KvantSection(summary, grid, slips, locale) +
            ProgressSection(tours, input.timeline, locale);
  } else {
    body += "<p id=\"nothing-counted\">" + locale.Text(texts.nothingCounted) + "</p>\n";
  }
  std::string appendix;
  if (anyCounted) {
    appendix = TourMixSection(tours, input.timeline, locale) + RatesSection(input.timeline, locale);
  }
  appendix += RefusedSection(input.refused, locale);
  if (input.skipped > 0) appendix += SkippedSection(input.skipped, input.skippedRecords, locale);
  appendix += RepeatsSection(input.repeats, locale) + NumbersSection(input.numbers, locale);
  if (!grid.rows.empty()) appendix += KvantGridSection(summary, grid, slips, locale);
  body +=
      pages::Appendix(locale.Text(texts.appendixHeading), appendix) + pages::Footer(texts.footer);

  const std::string title = HtmlText(stats::kSummaryTitle) +
                            ContestDate(summary.contestDate, locale) + " &#8212; " +
                            HtmlText(summary.contestant);
  return pages::HtmlDocument(texts.htmlLanguage, title, body);
}

}  // namespace stats_host
