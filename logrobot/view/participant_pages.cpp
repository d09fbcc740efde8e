#include "logrobot/view/participant_pages.h"

#include "logs/file/repairs_heading.h"
#include "logs/text/text_pattern.h"
#include "pages/html_page.h"
#include "pages/local_forms.h"

namespace logrobot {
namespace {

using logs::Substituted;

std::string Number(std::int64_t value, logs::ReportLanguage language) {
  return pages::GroupedNumber(value, language);
}

std::string CategoryChoice(const PageContext& page, std::string_view chosen) {
  std::string select = "<select name=\"category\">\n<option value=\"\">(" +
                       Html(page.Texts().asInTheLog) + ")</option>\n";
  for (const std::string& category : page.contest.categories) {
    select += "<option value=\"" + Html(category) + "\"" + (category == chosen ? " selected" : "") +
              ">" + Html(category) + "</option>\n";
  }
  return select + "</select>";
}

std::string List(const std::vector<std::string>& itemsHtml, std::string_view none) {
  if (itemsHtml.empty()) return "<p>" + Html(none) + "</p>\n";
  std::string list = "<ul>\n";
  for (const std::string& item : itemsHtml) list += "<li>" + item + "</li>\n";
  return list + "</ul>\n";
}

std::string BandTable(const PageContext& page, const LogFacts& facts) {
  const RobotTexts& texts = page.Texts();
  std::string rows = pages::HeadRow({texts.band, texts.qsoLines, texts.counted, texts.kvant});
  rows += "<tbody>\n";
  for (const BandLine& band : facts.bands) {
    const std::string label =
        band.band.empty() ? Html(texts.noBand) : Html(pages::BandLabel(band.band, page.language));
    rows += pages::NumberRow(label, {band.lines, band.counted, band.kvant}, false, page.language);
  }
  rows += "</tbody>\n<tfoot>\n" +
          pages::NumberRow(Html(texts.total),
                           {facts.total.lines, facts.total.counted, facts.total.kvant}, true,
                           page.language) +
          "</tfoot>\n";
  return pages::Scrolling("<table id=\"band-table\">\n" + rows + "</table>\n");
}

std::string Problems(const PageContext& page, const UploadRecord& upload) {
  const RobotTexts& texts = page.Texts();
  std::vector<std::string> items;
  if (!upload.facts.fileCall.empty() && upload.facts.fileCall != upload.call) {
    items.push_back(Html(Substituted(texts.callDiffers, {upload.facts.fileCall})));
  }
  if (!upload.facts.fileCategory.empty() && upload.facts.fileCategory != upload.category) {
    items.push_back(Html(Substituted(texts.categoryDiffers, {upload.facts.fileCategory})));
  }
  if (upload.late) items.push_back(Html(texts.lateNote));
  for (const Problem& problem : upload.facts.problems) {
    items.push_back(Html(
        Substituted(texts.problems[static_cast<std::size_t>(problem.kind)],
                    {Number(problem.lines, page.language), std::to_string(problem.firstLine)})));
  }
  return List(items, texts.none);
}

std::string Report(const PageContext& page, const UploadRecord& upload, const ReportShown& report) {
  const RobotTexts& texts = page.Texts();
  switch (report.state) {
    case ReportShown::State::kPending:
      return "<p>" + Html(texts.reportPending) + "</p>\n";
    case ReportShown::State::kNotChecked:
      return "<p>" + Html(texts.reportNotInCheck) + "</p>\n";
    case ReportShown::State::kReplaced:
      return "<p>" +
             Html(Substituted(texts.replacedBy,
                              {upload.call, std::to_string(report.replacedByReceipt)})) +
             "</p>\n";
    case ReportShown::State::kShown:
      return pages::Scrolling("<pre id=\"report\">" + Html(report.text) + "</pre>\n");
  }
  return {};
}

}  // namespace

std::string RefusalText(const RefusalReason reason, std::string_view detail,
                        const RobotTexts& texts) {
  return Substituted(texts.refusals[static_cast<std::size_t>(reason)], {detail});
}

std::string UploadPage(const PageContext& page, const UploadForm& typed,
                       const std::optional<Refusal>& refusal) {
  const RobotTexts& texts = page.Texts();
  const ContestFile& contest = page.contest;
  std::string body = pages::FactList(
      {{"period", std::string(texts.period),
        Html(LocalMinute(contest.fromSeconds, page.language) + " – " +
             LocalMinute(contest.toSeconds, page.language))},
       {"deadline", std::string(texts.deadline),
        Html(LocalMinute(contest.deadline, page.language)) + " <small>" +
            Html(contest.late == LatePolicy::kMark ? texts.lateMarked : texts.lateRefused) +
            "</small>"}});
  if (refusal) {
    body += Notice(
        Substituted(texts.notReceived, {RefusalText(refusal->reason, refusal->detail, texts)}));
  }
  body += "<form id=\"upload\" method=\"post\" action=\"" + Html(page.Link("upload")) +
          "\" enctype=\"multipart/form-data\" accept-charset=\"utf-8\">\n" +
          Field(texts.logFile, "<input type=\"file\" name=\"log\" required>") +
          Field(texts.call, Input("text", "call", typed.call,
                                  "maxlength=\"16\" autocapitalize=\"characters\"")) +
          Field(texts.category, CategoryChoice(page, typed.category)) +
          Field(texts.email, Input("email", "email", typed.email, "required maxlength=\"254\"")) +
          Field(texts.soapbox, "<textarea name=\"soapbox\" rows=\"4\" cols=\"60\">" +
                                   Html(typed.soapbox) + "</textarea>") +
          pages::Note(texts.formHint) + "<p><button type=\"submit\">" + Html(texts.send) +
          "</button></p>\n</form>\n";
  return RobotPage(page, texts.sendLog, body);
}

std::string AnswerPage(const PageContext& page, const UploadRecord& upload,
                       const std::string& privateUrl, const ReportShown& report) {
  const RobotTexts& texts = page.Texts();
  const LogFacts& facts = upload.facts;
  std::string body = pages::FactList({
      {"receipt", std::string(texts.receipt), std::to_string(upload.receipt)},
      {"call", std::string(texts.call), Html(upload.call)},
      {"category", std::string(texts.category), Html(upload.category)},
      {"received-at", std::string(texts.receivedAt),
       Html(LocalMinute(upload.receivedAt, page.language)) +
           (upload.late ? " <small>(" + Html(texts.late) + ")</small>" : "")},
      {"qso-lines", std::string(texts.qsoLines), Number(facts.total.lines, page.language)},
      {"claimed-score", std::string(texts.claimedScore), Number(facts.score, page.language)},
      {"format", std::string(texts.format), Html(facts.format + ", " + facts.encoding)},
      {"email", std::string(texts.email), Html(upload.email)},
  });
  body += "<p class=\"calls\">" + Html(texts.privateLink) + ": <a id=\"private-link\" href=\"" +
          Html(privateUrl) + "\">" + Html(privateUrl) + "</a></p>\n" +
          pages::Note(texts.privateLinkNote);
  if (upload.replaces) {
    body += "<p id=\"replaces\">" +
            Html(Substituted(texts.replaces, {upload.call, std::to_string(*upload.replaces)})) +
            "</p>\n";
  }
  body += pages::HtmlSection("report", Html(texts.reportHeading), Report(page, upload, report));
  body += pages::HtmlSection("bands", Html(texts.bandsHeading),
                             BandTable(page, facts) + pages::Note(texts.scoreNote));
  body += pages::HtmlSection("problems", Html(texts.problemsHeading), Problems(page, upload));
  std::vector<std::string> repairs;
  for (const std::string& repair : facts.repairs) repairs.push_back(Html(repair));
  body += pages::HtmlSection("repairs", Html(logs::RepairsHeading(page.language)),
                             List(repairs, texts.none));
  if (!upload.soapbox.empty()) {
    body += pages::HtmlSection(
        "soapbox", Html(texts.soapbox),
        "<p class=\"calls\" id=\"soapbox-text\">" + Html(upload.soapbox) + "</p>\n");
  }
  return RobotPage(page, texts.received, body);
}

std::string ReceivedPage(const PageContext& page, const std::vector<UploadRecord>& counting) {
  const RobotTexts& texts = page.Texts();
  std::string rows =
      pages::HeadRow({texts.call, texts.category, texts.qsoLines, texts.receivedAt}) + "<tbody>\n";
  for (const UploadRecord& upload : counting) {
    rows += "<tr><td class=\"call\">" + Html(upload.call) + "</td><td>" + Html(upload.category) +
            "</td>" + pages::NumberCell(upload.qsoLines, page.language) + "<td class=\"time\">" +
            Html(LocalMinute(upload.receivedAt, page.language)) +
            (upload.late ? " (" + Html(texts.late) + ")" : "") + "</td></tr>\n";
  }
  rows += "</tbody>\n";
  const std::string count = Substituted(
      texts.logCount, {Number(static_cast<std::int64_t>(counting.size()), page.language)});
  return RobotPage(page, texts.logsReceived,
                   "<p id=\"log-count\">" + Html(count) + "</p>\n" +
                       pages::Scrolling("<table id=\"received\">\n" + rows + "</table>\n"));
}

std::string MessagePage(const PageContext& page, std::string_view titleUtf8,
                        std::string_view messageUtf8) {
  return RobotPage(page, titleUtf8, "<p id=\"message\">" + Html(messageUtf8) + "</p>\n");
}

}  // namespace logrobot
