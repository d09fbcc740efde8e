#pragma once

// The frame of our HTML pages, so that every page has the same look: the
// document with its head and style sheet (screen from a 420-pixel phone up,
// and A4 print with the colours kept), and the parts that the pages are built
// of. The parts take HTML where they say so and UTF-8 text otherwise, which
// they escape.

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "logs/text/report_language.h"

namespace pages {

// The whole page: `language` as the html element's lang, `titleHtml` and the
// body's HTML.
std::string HtmlDocument(std::string_view language, const std::string& titleHtml,
                         const std::string& bodyHtml);

// The page's header: its title and a list of facts, two to a line where the
// screen is wide enough.
struct Fact {
  std::string id;  // of the value
  std::string label;
  std::string valueHtml;
};
std::string PageHeader(const std::string& titleHtml, const std::vector<Fact>& facts);

// A list of facts in the same form, inside the page.
std::string FactList(const std::vector<Fact>& facts);

// A section of the page with its heading.
std::string HtmlSection(std::string_view id, const std::string& headingHtml,
                        const std::string& bodyHtml);

// What follows the summary: it starts a new page in print.
std::string Appendix(const std::string& headingHtml, const std::string& bodyHtml);

// The same content in two forms: `wide` for a screen or paper, `phone` for a
// screen no wider than a phone, where the wide one would shrink its text. A
// chart for a phone is kPhoneChartWidth wide: on a 420-pixel phone its text
// keeps nearly its full size.
std::string WideOrPhone(const std::string& wide, const std::string& phone);
inline constexpr int kPhoneChartWidth = 390;

// A table, or anything else wider than a phone, that scrolls sideways on its
// own rather than the page.
std::string Scrolling(const std::string& html);

// A picture with its caption.
std::string Figure(std::string_view captionUtf8, const std::string& svg);

// A table's head: one row of column headings.
std::string HeadRow(std::initializer_list<std::string_view> labelsUtf8);

// A note in small print.
std::string Note(std::string_view utf8);

// A table cell with a number in the language's form, right-aligned.
std::string NumberCell(long long value, logs::ReportLanguage language);

// A table row of numbers after its heading cell; a total row stands out.
std::string NumberRow(const std::string& headingHtml, const std::vector<long long>& values,
                      bool total, logs::ReportLanguage language);

// The page's closing line.
std::string Footer(std::string_view utf8);

}  // namespace pages
