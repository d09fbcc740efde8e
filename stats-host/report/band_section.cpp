#include <algorithm>

#include "pages/bar_chart.h"
#include "pages/html_page.h"
#include "pages/local_forms.h"
#include "stats-host/report/report_sections.h"

namespace stats_host {
namespace {

long long Digital(const SummaryRow& row) { return std::max(row.qsos - row.cw - row.ssb, 0LL); }

std::string BandRow(const SummaryRow& row, const std::string& labelHtml, bool total,
                    const ReportLocale& locale) {
  return pages::NumberRow(labelHtml,
                          {row.qsos, row.points, row.cw, row.ssb, Digital(row), row.kvant}, total,
                          locale.language);
}

std::string ModeChart(const PluginSummary& summary, const ReportLocale& locale) {
  pages::GroupedBars chart;
  chart.id = "mode-chart";
  chart.title = std::string(locale.texts.modesChartTitle);
  chart.language = locale.language;
  chart.series = {{"CW", pages::kModeFills[0], {}},
                  {"SSB", pages::kModeFills[1], {}},
                  {std::string(locale.texts.digital), pages::kModeFills[2], {}}};
  for (const SummaryRow& row : summary.bands) {
    chart.rows.push_back(pages::BandLabel(row.band, locale.language));
    chart.series[0].values.push_back(row.cw);
    chart.series[1].values.push_back(row.ssb);
    chart.series[2].values.push_back(Digital(row));
  }
  return pages::Figure(locale.texts.modesChartTitle, pages::GroupedBarSvg(chart));
}

}  // namespace

std::string BandsSection(const PluginSummary& summary, const ReportLocale& locale) {
  const ReportTexts& texts = locale.texts;
  std::string table = "<table id=\"band-table\">\n<thead><tr>";
  for (const std::string_view heading :
       {texts.band, texts.qsos, texts.points, std::string_view("CW"), std::string_view("SSB"),
        texts.digital, texts.kvant}) {
    table += "<th>" + locale.Text(heading) + "</th>";
  }
  table += "</tr></thead>\n<tbody>\n";
  for (const SummaryRow& row : summary.bands) {
    table += BandRow(row, locale.Band(row.band), false, locale);
  }
  table += "</tbody>\n";
  if (summary.total) {
    table += "<tfoot>\n" + BandRow(*summary.total, locale.Text(texts.total), true, locale) +
             "</tfoot>\n";
  }
  table += "</table>\n";
  return pages::HtmlSection("bands", locale.Text(texts.bandsHeading),
                            "<div class=\"side\">\n" + pages::Scrolling(table) +
                                ModeChart(summary, locale) + "</div>\n" +
                                pages::Note(texts.scoreRule));
}

}  // namespace stats_host
