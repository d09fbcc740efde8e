#include <algorithm>

#include "logs/text/text_pattern.h"
#include "pages/html_page.h"
#include "pages/html_text.h"
#include "pages/local_forms.h"
#include "stats-host/report/report_sections.h"

namespace stats_host {
namespace {

// How many records of one repeated number are named.
constexpr std::size_t kMostRecordsNamed = 10;

std::string Range(const NumberRange& range) {
  return range.first == range.last ? std::to_string(range.first)
                                   : std::to_string(range.first) + "–" + std::to_string(range.last);
}

std::string Repeated(const RepeatedNumber& repeated, const ReportLocale& locale) {
  std::string records;
  for (std::size_t i = 0; i < repeated.records.size() && i < kMostRecordsNamed; ++i) {
    if (i > 0) records += ", ";
    records += std::to_string(repeated.records[i]);
  }
  if (repeated.records.size() > kMostRecordsNamed) records += ", …";
  return logs::Substituted(locale.texts.records, {std::to_string(repeated.number), records});
}

std::string Heading(std::string_view text, std::string_view id, long long count,
                    const ReportLocale& locale) {
  return "<h3>" + locale.Text(text) + ": <span id=\"" + std::string(id) + "\">" +
         locale.Number(count) + "</span></h3>\n";
}

std::string SentNumbers(const NumberFindings& numbers, const ReportLocale& locale) {
  const ReportTexts& texts = locale.texts;
  std::string gaps;
  for (const NumberRange& range : numbers.sentGaps) {
    if (!gaps.empty()) gaps += ", ";
    gaps += Range(range);
  }
  if (numbers.sentGaps.size() < numbers.sentGapCount) gaps += ", …";
  std::string repeats;
  for (const RepeatedNumber& repeated : numbers.repeatedSent) {
    if (!repeats.empty()) repeats += "; ";
    repeats += Repeated(repeated, locale);
  }
  if (numbers.repeatedSent.size() < numbers.repeatedSentCount) repeats += "; …";
  const auto list = [&](const std::string& text) {
    return text.empty() ? "" : "<p class=\"calls\">" + locale.Text(text) + "</p>\n";
  };
  return Heading(texts.sentGaps, "sent-missing", static_cast<long long>(numbers.missingSent),
                 locale) +
         list(gaps) +
         Heading(texts.sentRepeats, "sent-repeated",
                 static_cast<long long>(numbers.repeatedSentCount), locale) +
         list(repeats) + pages::Note(texts.sentNote);
}

std::string ReceivedNumbers(const NumberFindings& numbers, const ReportLocale& locale) {
  const ReportTexts& texts = locale.texts;
  std::string html = Heading(texts.receivedBad, "received-bad",
                             static_cast<long long>(numbers.badReceivedCount), locale);
  if (!numbers.badReceived.empty()) {
    std::string table = "<table id=\"received-table\">\n<thead><tr>";
    for (const std::string_view column :
         {texts.record, texts.call, texts.time, texts.band, texts.mode, texts.received}) {
      table += "<th>" + locale.Text(column) + "</th>";
    }
    table += "</tr></thead>\n<tbody>\n";
    for (const BadReceivedNumber& bad : numbers.badReceived) {
      table += "<tr>" + locale.PositionCell(bad.record) + "<td class=\"call\">" +
               pages::HtmlText(bad.call) + "</td><td class=\"time\">" + locale.Date(bad.date) +
               " " + locale.Time(bad.secondOfDay) + "</td><td>" + locale.Band(bad.band) +
               "</td><td>" + pages::HtmlText(bad.mode) + "</td><td class=\"call\">" +
               pages::HtmlText(bad.received) + "</td></tr>\n";
    }
    html += pages::Scrolling(table + "</tbody>\n</table>\n") +
            locale.ShownNote(numbers.badReceived.size(), numbers.badReceivedCount);
  }
  return html + pages::Note(texts.receivedNote);
}

}  // namespace

std::string NumbersSection(const NumberFindings& numbers, const ReportLocale& locale) {
  return pages::HtmlSection("numbers", locale.Text(locale.texts.numbersHeading),
                            SentNumbers(numbers, locale) + ReceivedNumbers(numbers, locale));
}

}  // namespace stats_host
