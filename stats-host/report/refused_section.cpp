#include <map>

#include "pages/html_page.h"
#include "pages/html_text.h"
#include "stats-host/report/report_sections.h"
#include "stats/public/plugin_names.h"

namespace stats_host {
namespace {

std::string_view Reason(const RefusedQso& qso, const ReportTexts& texts) {
  if (!qso.problemLine) return texts.reasonNoLine;
  const std::string_view line = *qso.problemLine;
  if (line.ends_with(stats::kNoContestModeEnding)) return texts.reasonMode;
  if (line.ends_with(stats::kNoRxNumberEnding)) {
    // The plug-in says this when either number is missing; the log tells which.
    if (!qso.noSentNumber) return texts.reasonNumber;
    return qso.noReceivedNumber ? texts.reasonNumbers : texts.reasonSentNumber;
  }
  return texts.reasonOther;
}

std::string ReasonCounts(const std::vector<RefusedQso>& refused, const ReportLocale& locale) {
  const ReportTexts& texts = locale.texts;
  std::map<std::string_view, long long> counts;
  for (const RefusedQso& qso : refused) ++counts[Reason(qso, texts)];
  std::string table = "<table id=\"refused-reasons\">\n<thead><tr><th>" +
                      locale.Text(texts.reason) + "</th><th>" + locale.Text(texts.qsos) +
                      "</th></tr></thead>\n<tbody>\n";
  for (const std::string_view reason :
       {texts.reasonMode, texts.reasonNumber, texts.reasonSentNumber, texts.reasonNumbers,
        texts.reasonOther, texts.reasonNoLine}) {
    const auto found = counts.find(reason);
    if (found == counts.end()) continue;
    table += "<tr><td>" + locale.Text(reason) + "</td>" +
             pages::NumberCell(found->second, locale.language) + "</tr>\n";
  }
  return table + "</tbody>\n</table>\n";
}

}  // namespace

std::string RefusedSection(const std::vector<RefusedQso>& refused, const ReportLocale& locale) {
  const ReportTexts& texts = locale.texts;
  const std::string heading = locale.Text(texts.refusedHeading) + ": <span id=\"refused-count\">" +
                              locale.Number(static_cast<long long>(refused.size())) + "</span>";
  if (refused.empty()) {
    return pages::HtmlSection("refused", heading, "<p>" + locale.Text(texts.none) + "</p>\n");
  }
  // Time, band and mode stand in the err.txt line too: a phone leaves them out
  // (class "detail") to give the line its room.
  std::string table = "<table id=\"refused-table\">\n<thead><tr><th>" + locale.Text(texts.record) +
                      "</th><th>" + locale.Text(texts.call) + "</th>";
  for (const std::string_view column : {texts.time, texts.band, texts.mode}) {
    table += "<th class=\"detail\">" + locale.Text(column) + "</th>";
  }
  table += "<th>" + locale.Text(texts.problemLine) + "</th></tr></thead>\n<tbody>\n";
  const std::size_t shown = std::min(refused.size(), kMostListedRows);
  for (std::size_t i = 0; i < shown; ++i) {
    const RefusedQso& qso = refused[i];
    table += "<tr>" + locale.PositionCell(qso.record) + "<td class=\"call\">" +
             pages::HtmlText(qso.call) + "</td><td class=\"detail\">" + locale.Date(qso.date) +
             " " + locale.Time(qso.secondOfDay) + "</td><td class=\"detail\">" +
             locale.Band(qso.band) + "</td><td class=\"detail\">" + pages::HtmlText(qso.mode) +
             "</td><td class=\"line\"><code class=\"line\">" +
             pages::HtmlText(qso.problemLine.value_or("")) + "</code><small>" +
             locale.Text(Reason(qso, texts)) + "</small></td></tr>\n";
  }
  table += "</tbody>\n</table>\n";
  return pages::HtmlSection("refused", heading,
                            ReasonCounts(refused, locale) + pages::Note(texts.refusedNote) +
                                pages::Scrolling(table) + locale.ShownNote(shown, refused.size()));
}

}  // namespace stats_host
