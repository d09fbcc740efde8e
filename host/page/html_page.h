#pragma once

// The frame of our HTML pages, so that every page has the same look: the
// document with its head and style sheet (screen, and A4 print with the
// colours kept), and the parts that the pages are built of. The parts take
// HTML where they say so and UTF-8 text otherwise, which they escape.

#include <string>
#include <string_view>

namespace host {

// The whole page: `language` as the html element's lang, `titleHtml` and the
// body's HTML.
std::string HtmlDocument(std::string_view language, const std::string& titleHtml,
                         const std::string& bodyHtml);

// A section of the page with its heading.
std::string HtmlSection(std::string_view id, const std::string& headingHtml,
                        const std::string& bodyHtml);

// A note in small print.
std::string Note(std::string_view utf8);

// A table cell with a number, right-aligned.
std::string NumberCell(long long value);

// The page's closing line.
std::string Footer(std::string_view utf8);

}  // namespace host
