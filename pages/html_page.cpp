#include "pages/html_page.h"

#include "pages/html_text.h"
#include "pages/local_forms.h"

namespace pages {
namespace {

// Screen, from a 420-pixel phone up, and A4 print, where the colours are kept
// for the charts, no table text is below 8 pt and the appendix starts a new
// page. The page is light; a browser that forces dark mode recolours it, the
// charts' texts included, since each has its fill.
constexpr std::string_view kStyle = R"(@page { size: A4; margin: 12mm; }
html { color: #111; background: #fff; color-scheme: light; }
body { font-family: "DejaVu Sans", "Segoe UI", Arial, sans-serif; font-size: 14px;
  line-height: 1.35; max-width: 760px; margin: 16px auto; padding: 0 12px;
  -webkit-print-color-adjust: exact; print-color-adjust: exact; }
h1 { font-size: 22px; margin: 0 0 10px; }
h2 { font-size: 17px; margin: 22px 0 8px; padding-bottom: 2px; border-bottom: 1px solid #888;
  break-after: avoid; }
h3 { font-size: 14px; margin: 12px 0 4px; break-after: avoid; }
dl.facts { display: grid; grid-template-columns: max-content minmax(0, 1fr) max-content minmax(0, 1fr);
  gap: 2px 14px; margin: 4px 0; }
dl.facts dt { color: #444; }
dl.facts dd { margin: 0; font-weight: bold; overflow-wrap: anywhere; }
dl.facts dd small { font-weight: normal; color: #444; }
table { border-collapse: collapse; margin: 6px 0; font-variant-numeric: tabular-nums; }
th, td { border: 1px solid #aaa; padding: 2px 6px; }
th { background: #e8e8e8; font-weight: bold; }
td.n { text-align: right; white-space: nowrap; }
td.time { white-space: nowrap; }
.call { overflow-wrap: anywhere; min-width: 8ch; }
tr.total td, tr.total th { font-weight: bold; background: #f2f2f2; border-top: 2px solid #555; }
tr { break-inside: avoid; }
thead { display: table-header-group; }
tfoot { display: table-row-group; }
div.wide { overflow-x: auto; }
div.side { display: flex; flex-wrap: wrap; gap: 4px 24px; align-items: flex-start; }
div.side > figure { flex: 1 1 250px; }
div.charts { display: grid; grid-template-columns: repeat(auto-fit, minmax(200px, 1fr)); gap: 4px 12px; }
div.charts svg { max-width: 320px; }
table.matrix { font-size: 11px; }
table.matrix td, table.matrix th { padding: 1px 3px; }
table.matrix td, table.matrix tbody th { white-space: nowrap; }
table.matrix tr.day th { text-align: left; background: #f6f6f6; }
tr.day { break-after: avoid; }
.phone-only { display: none; }
span.kv { color: #555; font-size: 10px; }
svg.spark { display: block; fill: #555; }
table.grid { font-size: 11px; }
table.grid td { text-align: center; padding: 1px 3px; min-width: 2.2em; }
code.line { font-family: "DejaVu Sans Mono", Consolas, monospace; font-size: 11px;
  white-space: pre-wrap; overflow-wrap: anywhere; }
td.line small { display: block; font-size: 11px; color: #444; }
figure { margin: 8px 0; break-inside: avoid; }
figcaption { font-weight: bold; margin-bottom: 4px; }
figure svg { display: block; width: 100%; height: auto; }
p.note { color: #333; font-size: 12px; margin: 4px 0; }
.calls { overflow-wrap: anywhere; }
p.calls { margin: 2px 0 6px; }
footer { margin-top: 28px; color: #555; font-size: 12px; border-top: 1px solid #aaa; padding-top: 4px; }
@media (max-width: 520px) {
  body { font-size: 13px; padding: 0 8px; }
  .phone-only { display: block; }
  .wide-only, .bb, .detail { display: none; }
  th, td { padding: 2px 4px; }
  dl.facts { grid-template-columns: max-content minmax(0, 1fr); }
  figure { overflow-x: auto; }
  figure svg[width="720"] { min-width: 540px; }
}
@media print {
  body { max-width: none; margin: 0; padding: 0; font-size: 11px; }
  h1 { font-size: 18px; }
  h2 { font-size: 14px; margin: 12px 0 5px; }
  table, table.matrix, table.grid, code.line, td.line small, span.kv { font-size: 8pt; }
  table.matrix td, table.matrix th { padding: 1px 2px; }
  p.note { font-size: 10px; }
  div.wide { overflow: visible; }
  #appendix { break-before: page; }
}
)";

std::string FactItems(const std::vector<Fact>& facts) {
  std::string items;
  for (const Fact& fact : facts) {
    items += "<dt>" + EscapeHtml(fact.label) + "</dt><dd id=\"" + fact.id + "\">" + fact.valueHtml +
             "</dd>\n";
  }
  return items;
}

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

std::string PageHeader(const std::string& titleHtml, const std::vector<Fact>& facts) {
  return "<header>\n<h1>" + titleHtml + "</h1>\n" + FactList(facts) + "</header>\n";
}

std::string FactList(const std::vector<Fact>& facts) {
  return "<dl class=\"facts\">\n" + FactItems(facts) + "</dl>\n";
}

std::string HtmlSection(std::string_view id, const std::string& headingHtml,
                        const std::string& bodyHtml) {
  return "<section id=\"" + std::string(id) + "\">\n<h2>" + headingHtml + "</h2>\n" + bodyHtml +
         "</section>\n";
}

std::string Appendix(const std::string& headingHtml, const std::string& bodyHtml) {
  return "<div id=\"appendix\">\n<h1>" + headingHtml + "</h1>\n" + bodyHtml + "</div>\n";
}

std::string WideOrPhone(const std::string& wide, const std::string& phone) {
  return "<div class=\"wide-only\">\n" + wide + "</div>\n<div class=\"phone-only\">\n" + phone +
         "</div>\n";
}

std::string Scrolling(const std::string& html) {
  return "<div class=\"wide\">\n" + html + "</div>\n";
}

std::string Figure(std::string_view captionUtf8, const std::string& svg) {
  return "<figure>\n<figcaption>" + EscapeHtml(captionUtf8) + "</figcaption>\n" + svg +
         "</figure>\n";
}

std::string HeadRow(std::initializer_list<std::string_view> labelsUtf8) {
  std::string row = "<thead><tr>";
  for (const std::string_view label : labelsUtf8) row += "<th>" + EscapeHtml(label) + "</th>";
  return row + "</tr></thead>\n";
}

std::string Note(std::string_view utf8) {
  return "<p class=\"note\">" + EscapeHtml(utf8) + "</p>\n";
}

std::string NumberCell(long long value, logs::ReportLanguage language) {
  return "<td class=\"n\">" + GroupedNumber(value, language) + "</td>";
}

std::string NumberRow(const std::string& headingHtml, const std::vector<long long>& values,
                      bool total, logs::ReportLanguage language) {
  std::string row = std::string(total ? "<tr class=\"total\">" : "<tr>") + "<th scope=\"row\">" +
                    headingHtml + "</th>";
  for (const long long value : values) row += NumberCell(value, language);
  return row + "</tr>\n";
}

std::string Footer(std::string_view utf8) { return "<footer>" + EscapeHtml(utf8) + "</footer>\n"; }

}  // namespace pages
