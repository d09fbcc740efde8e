#pragma once

// The frame of our HTML pages (stats-host's report, the cross-check's
// results): one self-contained page with one style sheet, for the screen and
// for A4 print.

#include <string>
#include <string_view>

#include "host/html_text.h"

namespace host {

// Screen and A4 print; colours are kept in print, where the charts need them.
inline constexpr std::string_view kReportStyle = R"(@page { size: A4; margin: 12mm; }
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

// The page up to its body's first element: `language` as the html element's
// lang, `title` already HTML text.
inline std::string HtmlPageStart(std::string_view language, std::string_view title) {
  return "<!DOCTYPE html>\n<html lang=\"" + std::string(language) +
         "\">\n<head>\n<meta charset=\"utf-8\">\n"
         "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
         "<link rel=\"icon\" href=\"data:,\">\n<title>" +
         std::string(title) + "</title>\n<style>\n" + std::string(kReportStyle) +
         "</style>\n</head>\n<body>\n";
}

// A section with its heading (HTML text) and body.
inline std::string Section(std::string_view id, const std::string& heading,
                           const std::string& body) {
  return "<section id=\"" + std::string(id) + "\">\n<h2>" + heading + "</h2>\n" + body +
         "</section>\n";
}

// A small paragraph of UTF-8 text under a heading or a table.
inline std::string Note(std::string_view utf8) {
  return "<p class=\"note\">" + EscapeHtml(utf8) + "</p>\n";
}

// One fact of the header's list: its label (UTF-8) and value (HTML text).
inline std::string Fact(std::string_view id, std::string_view label, const std::string& value) {
  return "<dt>" + EscapeHtml(label) + "</dt><dd id=\"" + std::string(id) + "\">" + value +
         "</dd>\n";
}

inline std::string NumberCell(long long value) {
  return "<td class=\"n\">" + std::to_string(value) + "</td>";
}

// The footer (HTML text) and the end of the page.
inline std::string HtmlPageEnd(std::string_view footer) {
  return "<footer>" + std::string(footer) + "</footer>\n</body>\n</html>\n";
}

}  // namespace host
