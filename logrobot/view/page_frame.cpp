#include "logrobot/view/page_frame.h"

#include "logrobot/contest/utc_minute.h"
#include "logs/time/qso_date.h"
#include "pages/html_page.h"
#include "pages/html_text.h"
#include "pages/local_forms.h"

namespace logrobot {
namespace {

logs::ReportLanguage Other(logs::ReportLanguage language) {
  return language == logs::ReportLanguage::kRussian ? logs::ReportLanguage::kEnglish
                                                    : logs::ReportLanguage::kRussian;
}

std::string NavLink(const std::string& href, std::string_view label) {
  return "<a href=\"" + Html(href) + "\">" + Html(label) + "</a>";
}

}  // namespace

std::string PageContext::Link(std::string_view to) const {
  return "/" + std::string(Texts().code) + "/" + std::string(to);
}

std::string Html(std::string_view utf8) { return pages::EscapeHtml(utf8); }

std::string RobotPage(const PageContext& page, std::string_view titleUtf8,
                      const std::string& bodyHtml) {
  const RobotTexts& texts = page.Texts();
  const PageContext other{Other(page.language), page.contest, page.path, page.resultsPublished};
  std::string nav = "<nav>" + NavLink(page.Link(""), texts.sendLog) + " &#183; " +
                    NavLink(page.Link("received"), texts.logsReceived);
  if (page.resultsPublished) nav += " &#183; " + NavLink(page.Link("results"), texts.results);
  nav += " &#183; " + NavLink(other.Link(page.path), texts.otherLanguage) + "</nav>\n";
  const std::string title = Html(titleUtf8) + " &#8212; " + Html(page.contest.Name(page.language));
  return pages::HtmlDocument(texts.code, title,
                             nav + "<h1>" + Html(titleUtf8) + "</h1>\n<p><b>" +
                                 Html(page.contest.Name(page.language)) + "</b></p>\n" + bodyHtml +
                                 pages::Footer(texts.footer));
}

std::string Notice(std::string_view utf8) {
  return "<p class=\"notice\" role=\"alert\"><b>" + Html(utf8) + "</b></p>\n";
}

std::string Field(std::string_view labelUtf8, const std::string& inputHtml) {
  return "<p><label>" + Html(labelUtf8) + "<br>\n" + inputHtml + "</label></p>\n";
}

std::string Input(std::string_view type, std::string_view name, std::string_view value,
                  std::string_view extra) {
  return "<input type=\"" + std::string(type) + "\" name=\"" + std::string(name) + "\" value=\"" +
         Html(value) + "\"" + (extra.empty() ? "" : " " + std::string(extra)) + ">";
}

std::string CsrfField(std::string_view token) { return Input("hidden", "csrf", token); }

std::string ButtonForm(const std::string& action, std::string_view csrf, std::string_view label) {
  return "<form method=\"post\" action=\"" + Html(action) + "\">" + CsrfField(csrf) +
         "<button type=\"submit\">" + Html(label) + "</button></form>";
}

std::string LocalMinute(std::int64_t unixSeconds, logs::ReportLanguage language) {
  const std::string minute = FormatUtcMinute(unixSeconds);  // "YYYY-MM-DD HH:MM"
  const auto date = logs::ParseIsoDate(minute.substr(0, 10));
  if (!date) return minute;
  return pages::LocalDate(date->year, date->month, date->day, language) + minute.substr(10);
}

}  // namespace logrobot
