#include "logrobot/view/committee_pages.h"

#include "logrobot/check/check_settings.h"
#include "logs/text/text_pattern.h"
#include "pages/html_page.h"
#include "pages/local_forms.h"

namespace logrobot {
namespace {

using logs::Substituted;

constexpr std::string_view kStateNames[] = {"running", "done", "failed"};  // by CheckState

std::string Cell(const std::string& html, std::string_view cssClass = {}) {
  return (cssClass.empty() ? "<td>" : "<td class=\"" + std::string(cssClass) + "\">") + html +
         "</td>";
}

std::string Checkbox(std::string_view name, std::string_view labelUtf8, bool checked) {
  return "<p><label><input type=\"checkbox\" name=\"" + std::string(name) + "\" value=\"1\"" +
         (checked ? " checked" : "") + "> " + Html(labelUtf8) + "</label></p>\n";
}

std::string CheckForm(const PageContext& page, const CommitteeView& view) {
  const RobotTexts& texts = page.Texts();
  if (view.checkRunning) return Notice(texts.checkRunning);
  const CheckSettings defaults;
  return "<form id=\"check\" method=\"post\" action=\"" + Html(page.Link("committee/check")) +
         "\">\n" + CsrfField(view.csrf) +
         Field(texts.window, Input("number", "window", std::to_string(defaults.windowMinutes),
                                   "min=\"0\" max=\"1440\"")) +
         Field(texts.minLogs,
               Input("number", "min_logs", std::to_string(defaults.minLogs), "min=\"1\"")) +
         Checkbox("count_uniques", texts.countUniques, defaults.countUniques) +
         Field(texts.bands, Input("text", "bands", defaults.bands)) +
         Field(texts.penalties, Input("text", "penalties", defaults.penalties)) +
         Checkbox("late_count", texts.lateCount, defaults.late == LateLogs::kCount) +
         "<p><button type=\"submit\">" + Html(texts.runCheck) + "</button></p>\n</form>\n";
}

std::string SettingsText(const PageContext& page, const CheckRecord& check) {
  const auto settings = SettingsOfJson(check.options);
  if (!settings) return check.options;
  std::string line;
  for (const std::string& option : CrosscheckOptions(*settings)) line += option + " ";
  return line + "(" +
         std::string(settings->late == LateLogs::kCount ? page.Texts().lateLogsCount
                                                        : page.Texts().lateLogsLeftOut) +
         ")";
}

std::string ChecksTable(const PageContext& page, const CommitteeView& view) {
  const RobotTexts& texts = page.Texts();
  if (view.checks.empty()) return "<p>" + Html(texts.none) + "</p>\n";
  std::string rows = pages::HeadRow({texts.checkNumber, texts.started, texts.finished,
                                     texts.settings, texts.state, texts.results}) +
                     "<tbody>\n";
  for (const CheckRecord& check : view.checks) {
    const std::string number = std::to_string(check.id);
    std::string state = Html(texts.states[static_cast<std::size_t>(check.state)]);
    if (!check.message.empty()) {
      state +=
          "<details><summary>crosscheck</summary><pre>" + Html(check.message) + "</pre></details>";
    }
    std::string actions;
    if (check.state == CheckState::kDone) {
      actions = "<a href=\"" + Html(page.Link("committee/checks/" + number + "/results")) + "\">" +
                Html(texts.results) + "</a> ";
      actions += view.published == check.id
                     ? "<b>" + Html(texts.published) + "</b>"
                     : ButtonForm(page.Link("committee/checks/" + number + "/publish"), view.csrf,
                                  texts.publish);
    }
    rows +=
        "<tr id=\"check-" + number + "\">" + Cell(number, "n") +
        Cell(Html(LocalMinute(check.startedAt, page.language)), "time") +
        Cell(check.finishedAt ? Html(LocalMinute(*check.finishedAt, page.language)) : "", "time") +
        Cell(Html(SettingsText(page, check))) + "<td class=\"state\" data-state=\"" +
        std::string(kStateNames[static_cast<std::size_t>(check.state)]) + "\">" + state + "</td>" +
        Cell(actions) + "</tr>\n";
  }
  return pages::Scrolling("<table id=\"checks\">\n" + rows + "</tbody>\n</table>\n");
}

std::string UploadsTable(const PageContext& page, const CommitteeView& view) {
  const RobotTexts& texts = page.Texts();
  std::string rows =
      pages::HeadRow({texts.receipt, texts.call, texts.category, texts.qsoLines, texts.claimedScore,
                      texts.receivedAt, texts.status, texts.email, texts.log}) +
      "<tbody>\n";
  for (const UploadRecord& upload : view.uploads) {
    const auto latest = view.latest.find(upload.call);
    std::string status =
        latest != view.latest.end() && latest->second == upload.receipt
            ? Html(texts.counts)
            : Html(Substituted(
                  texts.replacedByReceipt,
                  {latest != view.latest.end() ? std::to_string(latest->second) : std::string()}));
    if (upload.late) status += ", " + Html(texts.late);
    const std::string receipt = std::to_string(upload.receipt);
    rows += "<tr>" + Cell(receipt, "n") + Cell(Html(upload.call), "call") +
            Cell(Html(upload.category)) + pages::NumberCell(upload.qsoLines, page.language) +
            pages::NumberCell(upload.claimed, page.language) +
            Cell(Html(LocalMinute(upload.receivedAt, page.language)), "time") + Cell(status) +
            Cell(Html(upload.email), "call") +
            Cell("<a href=\"" + Html(page.Link("committee/logs/" + receipt)) + "\">" +
                 Html(texts.log) + "</a>") +
            "</tr>\n";
  }
  return pages::Scrolling("<table id=\"uploads\">\n" + rows + "</tbody>\n</table>\n");
}

}  // namespace

std::string LoginPage(const PageContext& page, std::string_view noticeUtf8) {
  const RobotTexts& texts = page.Texts();
  std::string body = noticeUtf8.empty() ? std::string() : Notice(noticeUtf8);
  body += "<form id=\"login\" method=\"post\" action=\"" + Html(page.Link("committee/login")) +
          "\">\n" +
          Field(texts.password,
                "<input type=\"password\" name=\"password\" required "
                "autocomplete=\"current-password\">") +
          "<p><button type=\"submit\">" + Html(texts.logIn) + "</button></p>\n</form>\n";
  return RobotPage(page, texts.committee, body);
}

std::string CommitteePage(const PageContext& page, const CommitteeView& view) {
  const RobotTexts& texts = page.Texts();
  std::string body = ButtonForm(page.Link("committee/logout"), view.csrf, texts.logOut);
  if (!view.notice.empty()) body += Notice(view.notice);
  body += pages::HtmlSection("check-section", Html(texts.checkHeading), CheckForm(page, view));
  body += pages::HtmlSection("checks-section", Html(texts.checksHeading), ChecksTable(page, view));
  body += pages::HtmlSection("logs-section", Html(texts.allLogsHeading),
                             "<p><a href=\"/committee/logs.zip\">" + Html(texts.zip) +
                                 "</a></p>\n" + UploadsTable(page, view));
  return RobotPage(page, texts.committee, body);
}

}  // namespace logrobot
