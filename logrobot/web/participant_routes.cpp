// The participants' routes of the robot's site (robot_site.h).

#include "files/call_file_name.h"
#include "logrobot/reception/receive_upload.h"
#include "logrobot/secrets/secrets.h"
#include "logrobot/view/participant_pages.h"
#include "logrobot/web/file_contents.h"
#include "logrobot/web/robot_site.h"

namespace logrobot {
namespace {

constexpr std::size_t kMaxFormParts = 8;
constexpr std::size_t kMaxFieldBytes = 64 << 10;

// A checked report as the page shows it: without the byte-order mark, lines
// ended by LF.
std::string ReportText(std::string text) {
  if (text.starts_with("\xEF\xBB\xBF")) text.erase(0, 3);
  std::erase(text, '\r');
  return text;
}

}  // namespace

std::string RobotSite::PrivateUrl(const Request& request, const PageContext& page) const {
  // The host the participant used; only the path when the header is not a
  // plain host name.
  const std::string host = request.get_header_value("Host");
  const bool plain = !host.empty() && host.size() <= 255 &&
                     host.find_first_not_of(
                         "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"
                         "0123456789.-:[]") == std::string::npos;
  if (!plain) return page.Link(page.path);
  return (settings_.behindHttpsProxy ? "https://" : "http://") + host + page.Link(page.path);
}

void RobotSite::UploadForm(const Request& request, Response& response) {
  SendPage(response, 200, UploadPage(Page(request, ""), {}, std::nullopt));
}

void RobotSite::Upload(const Request& request, Response& response,
                       const httplib::ContentReader& reader) {
  const PageContext page = Page(request, "");
  const RobotTexts& texts = page.Texts();
  if (!uploadLimit_.Allow(ClientAddress(request), clock_())) {
    return SendPage(response, 429, MessagePage(page, texts.sendLog, texts.tooManyUploads));
  }
  if (!request.is_multipart_form_data()) {
    return SendPage(response, 400, MessagePage(page, texts.sendLog, texts.badRequest));
  }
  // The parts as they arrive, each within its size, the whole within its time.
  const auto deadline = std::chrono::steady_clock::now() + settings_.uploadTime;
  httplib::MultipartFormDataItems parts;
  bool tooLarge = false;
  const bool read = reader(
      [&](const httplib::MultipartFormData& part) {
        parts.push_back(part);
        return parts.size() <= kMaxFormParts;
      },
      [&](const char* data, std::size_t length) {
        std::string& content = parts.back().content;
        content.append(data, length);
        tooLarge = content.size() > (parts.back().name == "log" ? kMaxLogBytes : kMaxFieldBytes);
        return !tooLarge && std::chrono::steady_clock::now() < deadline;
      });
  if (tooLarge)
    return SendPage(response, 413, MessagePage(page, texts.sendLog, texts.tooLargeRequest));
  if (!read) {
    // Past the request's largest size the HTTP library has said 413 already.
    const bool tooLargeRequest = response.status == 413;
    return SendPage(response, tooLargeRequest ? 413 : 400,
                    MessagePage(page, texts.sendLog,
                                tooLargeRequest ? texts.tooLargeRequest : texts.badRequest));
  }

  logrobot::UploadForm form;
  for (httplib::MultipartFormData& part : parts) {
    // Only the field names matter; a part's file name is never used.
    if (part.name == "log") form.log = std::move(part.content);
    if (part.name == "call") form.call = std::move(part.content);
    if (part.name == "category") form.category = std::move(part.content);
    if (part.name == "email") form.email = std::move(part.content);
    if (part.name == "soapbox") form.soapbox = std::move(part.content);
  }
  auto received = ReceiveUpload(form, ClientAddress(request), contest_, store_, clock_());
  if (const Refusal* refusal = std::get_if<Refusal>(&received)) {
    form.log.clear();
    const int status = refusal->reason == RefusalReason::kLogTooLarge ? 413 : 422;
    return SendPage(response, status, UploadPage(page, form, *refusal));
  }
  const Receipt& receipt = std::get<Receipt>(received);
  const PageContext answer = Page(request, "p/" + receipt.token);
  SendPage(response, 200,
           AnswerPage(answer, receipt.upload, PrivateUrl(request, answer), ReportShown{}));
}

void RobotSite::PrivatePage(const Request& request, Response& response) {
  const std::string token = request.matches[2];
  const PageContext page = Page(request, "p/" + token);
  const auto upload = store_.UploadOfToken(TokenHash(token));
  if (!upload) return NotFound(request, response);
  ReportShown report;
  const auto published = store_.PublishedCheck();
  const auto check = published ? store_.Check(*published) : std::nullopt;
  const std::int64_t latest = store_.LatestReceiptOf(upload->call);
  if (check &&
      std::binary_search(check->receipts.begin(), check->receipts.end(), upload->receipt)) {
    report.text = ReportText(FileContents(checks_.Outputs(*published, page.language) / "ubn" /
                                          (files::FileNameOfCall(upload->call) + ".txt")));
    report.state =
        report.text.empty() ? ReportShown::State::kNotChecked : ReportShown::State::kShown;
  } else if (latest != upload->receipt) {
    report.state = ReportShown::State::kReplaced;
    report.replacedByReceipt = latest;
  } else if (published) {
    report.state = ReportShown::State::kNotChecked;
  }
  SendPage(response, 200, AnswerPage(page, *upload, PrivateUrl(request, page), report));
}

void RobotSite::Received(const Request& request, Response& response) {
  SendPage(
      response, 200,
      ReceivedPage(Page(request, "received"), CountingUploads(store_.Uploads(), LateLogs::kCount)));
}

void RobotSite::Results(const Request& request, Response& response) {
  const PageContext page = Page(request, "results");
  const auto published = store_.PublishedCheck();
  std::string html;
  if (published) html = FileContents(checks_.Outputs(*published, page.language) / "results.html");
  if (html.empty()) {
    return SendPage(response, 404, MessagePage(page, page.Texts().results, page.Texts().noResults));
  }
  SendPage(response, 200, std::move(html));
}

void RobotSite::NotFound(const Request& request, Response& response) {
  const PageContext page = Page(request, "");
  SendPage(response, 404, MessagePage(page, page.Texts().notFound, page.Texts().notFound));
}

void RobotSite::ErrorPage(const Request& request, Response& response) {
  if (!response.body.empty()) return;  // a page of ours already says what went wrong
  if (response.status == 404) return NotFound(request, response);
  const PageContext page = Page(request, "");
  const RobotTexts& texts = page.Texts();
  const std::string_view message =
      response.status == 413 ? texts.tooLargeRequest : texts.badRequest;
  SendPage(response, response.status, MessagePage(page, message, message));
}

}  // namespace logrobot
