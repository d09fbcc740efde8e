#include <algorithm>

#include "pages/html_page.h"
#include "pages/html_text.h"
#include "stats-host/report/report_sections.h"
#include "stats-host/report/skip_reasons.h"

namespace stats_host {

std::string SkippedSection(std::size_t skipped, const std::vector<SkippedRecord>& listed,
                           const ReportLocale& locale) {
  const ReportTexts& texts = locale.texts;
  std::string table = "<table id=\"skipped-table\">\n<thead><tr><th>" + locale.Text(texts.record) +
                      "</th><th>" + locale.Text(texts.byte) + "</th><th>" +
                      locale.Text(texts.said) + "</th></tr></thead>\n<tbody>\n";
  const std::size_t shown = std::min(listed.size(), kMostListedRows);
  for (std::size_t i = 0; i < shown; ++i) {
    const SkippedRecord& record = listed[i];
    table +=
        "<tr>" + locale.PositionCell(record.record) + locale.PositionCell(record.offset) + "<td>";
    for (std::size_t w = 0; w < record.warnings.size(); ++w) {
      table += (w > 0 ? "<br>" : "") +
               pages::HtmlText(LocalSkipReason(record.warnings[w], locale.language));
    }
    table += "</td></tr>\n";
  }
  table += "</tbody>\n</table>\n";
  return pages::HtmlSection(
      "skipped",
      locale.Text(texts.skippedHeading) + ": " + locale.Number(static_cast<long long>(skipped)),
      pages::Note(texts.skippedNote) + pages::Scrolling(table) + locale.ShownNote(shown, skipped));
}

}  // namespace stats_host
