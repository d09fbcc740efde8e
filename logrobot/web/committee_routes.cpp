// The committee's routes of the robot's site (robot_site.h).

#include "files/call_file_name.h"
#include "logrobot/check/counting_logs.h"
#include "logrobot/contest/utc_minute.h"
#include "logrobot/secrets/secrets.h"
#include "logrobot/view/committee_pages.h"
#include "logrobot/view/participant_pages.h"
#include "logrobot/web/file_contents.h"
#include "logrobot/web/robot_site.h"
#include "logrobot/web/zip_archive.h"
#include "logs/text/text_pattern.h"

namespace logrobot {
namespace {

constexpr std::string_view kSessionCookie = "session";

// The value of the request's session cookie; empty when it has none.
std::string SessionCookie(const httplib::Request& request) {
  const std::string cookies = request.get_header_value("Cookie");
  const std::string wanted = std::string(kSessionCookie) + "=";
  std::size_t at = 0;
  while (at < cookies.size()) {
    const std::size_t end = std::min(cookies.find(';', at), cookies.size());
    std::string_view cookie = std::string_view(cookies).substr(at, end - at);
    while (cookie.starts_with(' ')) cookie.remove_prefix(1);
    if (cookie.starts_with(wanted)) return std::string(cookie.substr(wanted.size()));
    at = end + 1;
  }
  return {};
}

// A field of logs.csv, quoted; one that a spreadsheet would take for a
// formula ("=...", as an e-mail address may begin) starts with an apostrophe.
std::string CsvField(std::string_view text) {
  std::string field =
      !text.empty() && std::string_view("=+-@").find(text[0]) != std::string_view::npos ? "\"'"
                                                                                        : "\"";
  for (const char c : text) field += c == '"' ? std::string("\"\"") : std::string(1, c);
  return field + "\"";
}

std::int64_t NumberOf(const std::string& digits) { return std::stoll(digits); }

}  // namespace

std::optional<Session> RobotSite::SessionOf(const Request& request) {
  const std::string token = SessionCookie(request);
  if (token.empty()) return std::nullopt;
  return sessions_.Find(token, clock_());
}

std::optional<Session> RobotSite::FormSession(const Request& request, Response& response) {
  auto session = SessionOf(request);
  if (session && SameSecret(request.get_param_value("csrf"), session->csrf)) return session;
  const PageContext page = Page(request, "committee/login");
  SendPage(response, 403, LoginPage(page, page.Texts().formExpired));
  return std::nullopt;
}

void RobotSite::Committee(const Request& request, Response& response) {
  const auto session = SessionOf(request);
  const PageContext page = Page(request, "committee");
  if (!session) return Redirect(response, page.Link("committee/login"));
  CommitteeView view;
  view.uploads = store_.Uploads();
  view.latest = LatestReceipts(view.uploads);
  view.checks = store_.Checks();
  view.published = store_.PublishedCheck();
  view.checkRunning = checks_.Running();
  view.csrf = session->csrf;
  SendPage(response, 200, CommitteePage(page, view));
}

void RobotSite::LoginForm(const Request& request, Response& response) {
  const PageContext page = Page(request, "committee/login");
  if (SessionOf(request)) return Redirect(response, page.Link("committee"));
  SendPage(response, 200, LoginPage(page, {}));
}

void RobotSite::Login(const Request& request, Response& response) {
  const PageContext page = Page(request, "committee/login");
  const RobotTexts& texts = page.Texts();
  const std::string address = ClientAddress(request);
  const auto hash = store_.Setting(kCommitteePasswordKey);
  if (!hash) return SendPage(response, 403, LoginPage(page, texts.noPassword));
  bool matches = false;
  {
    // Wrong passwords wait, and one hash is worked out at a time.
    const std::lock_guard lock(passwordCheck_);
    if (const std::int64_t wait = passwordThrottle_.Wait(address, clock_())) {
      return SendPage(
          response, 429,
          LoginPage(page, logs::Substituted(texts.waitBeforeTrying, {std::to_string(wait)})));
    }
    matches = PasswordMatches(*hash, request.get_param_value("password"));
    if (!matches) passwordThrottle_.Failed(address, clock_());
  }
  if (!matches) return SendPage(response, 403, LoginPage(page, texts.wrongPassword));
  passwordThrottle_.Succeeded(address);
  const std::string token = sessions_.Begin(clock_());
  response.set_header("Set-Cookie", std::string(kSessionCookie) + "=" + token +
                                        "; Path=/; HttpOnly; SameSite=Strict; Max-Age=" +
                                        std::to_string(Sessions::kLifetime) +
                                        (settings_.behindHttpsProxy ? "; Secure" : ""));
  Redirect(response, page.Link("committee"));
}

void RobotSite::Logout(const Request& request, Response& response) {
  if (!FormSession(request, response)) return;
  sessions_.End(SessionCookie(request));
  response.set_header("Set-Cookie", std::string(kSessionCookie) +
                                        "=; Path=/; HttpOnly; SameSite=Strict; Max-Age=0");
  Redirect(response, Page(request, "").Link("committee/login"));
}

void RobotSite::RunCheck(const Request& request, Response& response) {
  if (!FormSession(request, response)) return;
  const PageContext page = Page(request, "committee");
  const auto settings =
      ParseCheckSettings(request.get_param_value("window"), request.get_param_value("min_logs"),
                         request.has_param("count_uniques"), request.get_param_value("bands"),
                         request.get_param_value("penalties"), request.has_param("late_count"));
  if (!settings) {
    return SendPage(response, 400,
                    MessagePage(page, page.Texts().checkHeading, page.Texts().badSettings));
  }
  checks_.Begin(*settings);  // while another runs, the page says so
  Redirect(response, page.Link("committee"));
}

void RobotSite::CheckResults(const Request& request, Response& response) {
  const PageContext page = Page(request, "committee");
  if (!SessionOf(request)) return Redirect(response, page.Link("committee/login"));
  const std::string html =
      FileContents(checks_.Outputs(NumberOf(request.matches[2]), page.language) / "results.html");
  if (html.empty()) return NotFound(request, response);
  SendPage(response, 200, html);
}

void RobotSite::Publish(const Request& request, Response& response) {
  if (!FormSession(request, response)) return;
  const PageContext page = Page(request, "committee");
  const auto check = store_.Check(NumberOf(request.matches[2]));
  if (!check || check->state != CheckState::kDone) return NotFound(request, response);
  store_.Publish(check->id, clock_());
  Redirect(response, page.Link("committee"));
}

void RobotSite::LogFile(const Request& request, Response& response) {
  const PageContext page = Page(request, "committee");
  if (!SessionOf(request)) return Redirect(response, page.Link("committee/login"));
  const auto upload = store_.UploadOfReceipt(NumberOf(request.matches[2]));
  if (!upload) return NotFound(request, response);
  response.set_header("Content-Disposition", "attachment; filename=\"" +
                                                 files::FileNameOfCall(upload->call) + "-" +
                                                 std::to_string(upload->receipt) + ".log\"");
  response.set_content(FileContents(store_.LogFileOf(*upload)), "application/octet-stream");
}

void RobotSite::AllLogs(const Request& request, Response& response) {
  if (!SessionOf(request)) return Redirect(response, "/en/committee/login");
  // The logs that count under their calls' names, the others under replaced/,
  // and the list of every upload with the e-mail addresses.
  std::vector<UploadRecord> uploads = store_.Uploads();
  const std::map<std::string, std::int64_t> latest = LatestReceipts(uploads);
  std::string list = "receipt,call,category,email,received_utc,late,counts,file\r\n";
  std::vector<std::pair<std::string, std::filesystem::path>> files;
  for (const UploadRecord& upload : uploads) {
    const bool counts = latest.at(upload.call) == upload.receipt;
    const std::string name = files::FileNameOfCall(upload.call) + ".log";
    const std::string file =
        counts ? name : "replaced/" + std::to_string(upload.receipt) + "-" + name;
    list += std::to_string(upload.receipt) + "," + CsvField(upload.call) + "," +
            CsvField(upload.category) + "," + CsvField(upload.email) + "," +
            FormatUtcMinute(upload.receivedAt) + "," + (upload.late ? "1" : "0") + "," +
            (counts ? "1" : "0") + "," + CsvField(file) + "\r\n";
    files.emplace_back(file, store_.LogFileOf(upload));
  }
  auto archive = std::make_shared<ZipArchive>();
  const std::int64_t now = clock_();
  response.set_header("Content-Disposition", "attachment; filename=\"logs.zip\"");
  response.set_chunked_content_provider(
      "application/zip", [archive, files = std::move(files), list = std::move(list), now,
                          next = std::size_t{0}](std::size_t, httplib::DataSink& sink) mutable {
        std::string bytes;
        try {
          if (next < files.size()) {
            bytes = archive->Add(files[next].first, FileContents(files[next].second), now);
          } else if (next == files.size()) {
            bytes = archive->Add("logs.csv", list, now);
            bytes += archive->Finish();
          }
        } catch (const std::exception&) {
          return false;  // the archive breaks off; the committee sees a failed download
        }
        if (next++ > files.size()) {
          sink.done();
          return true;
        }
        return sink.write(bytes.data(), bytes.size());
      });
}

}  // namespace logrobot
