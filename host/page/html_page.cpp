#include "host/page/html_page.h"

#include "host/page/html_text.h"

namespace host {
namespace {

// Screen and A4 print; colours are kept in print, where the charts need them.
constexpr std::string_view kStyle = R"(@page { size: A4; margin: 12mm; }
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

}  // namespace

std::string HtmlDocument(std::string_view language, const std::string& titleHtml,
                         const std::string& bodyHtml) {
  return "<!DOCTYPE html>\n<html lang=\"" + std::string(language) +
         "\">\n<head>\n<meta charset=\"utf-8\">\n"
         "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
         "<link rel=\"icon\" href=\"data:,\">\n<title>" +
         titleHtml + "</title>\n<style>\n" + std::string(kStyle) + "</style>\n</head>\n<body>\n" +
         bodyHtml + "</body>\n</html>\n";
}

std::string HtmlSection(std::string_view id, const std::string& headingHtml,
                        const std::string& bodyHtml) {
  return "<section id=\"" + std::string(id) + "\">\n<h2>" + headingHtml + "</h2>\n" + bodyHtml +
         "</section>\n";
}

std::string Note(std::string_view utf8) {
  return "<p class=\"note\">" + EscapeHtml(utf8) + "</p>\n";
}

std::string NumberCell(long long value) {
  return "<td class=\"n\">" + std::to_string(value) + "</td>";
}

std::string Footer(std::string_view utf8) { return "<footer>" + EscapeHtml(utf8) + "</footer>\n"; }

}  // namespace host
