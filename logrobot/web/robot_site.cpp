#include "logrobot/web/robot_site.h"

#include <sodium.h>

#include <array>

#include "logrobot/store/store_error.h"
#include "logrobot/view/participant_pages.h"
#include "pages/html_page.h"

namespace logrobot {
namespace {

// The hash of the shared frame's style sheet, taken from a page of the frame
// so that it follows any change of the style: the one style the pages may use.
std::string StyleHash() {
  const std::string page = pages::HtmlDocument("en", "", "");
  const std::size_t begin = page.find("<style>") + 7;
  const std::string_view style =
      std::string_view(page).substr(begin, page.find("</style>") - begin);
  std::array<unsigned char, crypto_hash_sha256_BYTES> hash;
  crypto_hash_sha256(hash.data(), reinterpret_cast<const unsigned char*>(style.data()),
                     style.size());
  std::array<char,
             sodium_base64_ENCODED_LEN(crypto_hash_sha256_BYTES, sodium_base64_VARIANT_ORIGINAL)>
      text;
  sodium_bin2base64(text.data(), text.size(), hash.data(), hash.size(),
                    sodium_base64_VARIANT_ORIGINAL);
  return text.data();
}

logs::ReportLanguage LanguageOfPath(const std::string& path) {
  return path.starts_with("/ru/") || path == "/ru" ? logs::ReportLanguage::kRussian
                                                   : logs::ReportLanguage::kEnglish;
}

}  // namespace

RobotSite::RobotSite(const ContestFile& contest, Store& store, CheckRunner& checks,
                     SiteSettings settings, std::function<std::int64_t()> clock)
    : contest_(contest),
      store_(store),
      checks_(checks),
      settings_(settings),
      clock_(std::move(clock)),
      uploadLimit_(settings.uploadsPerMinute) {}

PageContext RobotSite::Page(const Request& request, std::string path) const {
  bool published = false;
  try {
    published = store_.PublishedCheck().has_value();
  } catch (const StoreError&) {
  }
  return PageContext{LanguageOfPath(request.path), contest_, std::move(path), published};
}

std::string RobotSite::ClientAddress(const Request& request) const {
  if (settings_.behindHttpsProxy && request.has_header("X-Forwarded-For")) {
    const std::string forwarded = request.get_header_value("X-Forwarded-For");
    const std::size_t comma = forwarded.rfind(',');
    const std::string last = forwarded.substr(comma == std::string::npos ? 0 : comma + 1);
    const std::size_t first = last.find_first_not_of(' ');
    if (first != std::string::npos) return last.substr(first, 64);
  }
  return request.remote_addr;
}

void RobotSite::SendPage(Response& response, int status, std::string html) const {
  response.status = status;
  response.set_content(std::move(html), "text/html; charset=utf-8");
}

void RobotSite::Redirect(Response& response, const std::string& to) const {
  response.status = 303;
  response.set_header("Location", to);
}

void RobotSite::Install(httplib::Server& server) {
  server.set_default_headers({
      {"Content-Security-Policy",
       "default-src 'none'; style-src 'sha256-" + StyleHash() +
           "'; img-src data:; form-action 'self'; frame-ancestors 'none'; base-uri 'none'"},
      {"X-Content-Type-Options", "nosniff"},
      {"X-Frame-Options", "DENY"},
      {"Referrer-Policy", "no-referrer"},
      {"Cache-Control", "no-store"},
  });
  server.set_payload_max_length(kMaxRequestBytes);
  server.set_read_timeout(20, 0);
  server.set_write_timeout(20, 0);
  server.set_keep_alive_timeout(5);
  server.set_keep_alive_max_count(20);

  const auto bind = [this](auto method) {
    return [this, method](const Request& request, Response& response) {
      (this->*method)(request, response);
    };
  };
  server.Get("/", [](const Request& request, Response& response) {
    const bool russian = request.get_header_value("Accept-Language").starts_with("ru");
    response.status = 303;
    response.set_header("Location", russian ? "/ru/" : "/en/");
  });
  server.Get("/(en|ru)/?", bind(&RobotSite::UploadForm));
  server.Post("/(en|ru)/upload",
              [this](const Request& request, Response& response,
                     const httplib::ContentReader& reader) { Upload(request, response, reader); });
  server.Get("/(en|ru)/p/([A-Za-z0-9_-]{43})", bind(&RobotSite::PrivatePage));
  server.Get("/(en|ru)/received", bind(&RobotSite::Received));
  server.Get("/(en|ru)/results", bind(&RobotSite::Results));
  server.Get("/(en|ru)/committee", bind(&RobotSite::Committee));
  server.Get("/(en|ru)/committee/login", bind(&RobotSite::LoginForm));
  server.Post("/(en|ru)/committee/login", bind(&RobotSite::Login));
  server.Post("/(en|ru)/committee/logout", bind(&RobotSite::Logout));
  server.Post("/(en|ru)/committee/check", bind(&RobotSite::RunCheck));
  server.Get("/(en|ru)/committee/checks/([0-9]{1,15})/results", bind(&RobotSite::CheckResults));
  server.Post("/(en|ru)/committee/checks/([0-9]{1,15})/publish", bind(&RobotSite::Publish));
  server.Get("/(en|ru)/committee/logs/([0-9]{1,15})", bind(&RobotSite::LogFile));
  server.Get("/committee/logs.zip", bind(&RobotSite::AllLogs));
  server.set_error_handler(bind(&RobotSite::ErrorPage));
  server.set_exception_handler([this](const Request& request, Response& response,
                                      std::exception_ptr) {
    const PageContext page = Page(request, "");
    SendPage(response, 500, MessagePage(page, page.Texts().serverError, page.Texts().serverError));
  });
}

}  // namespace logrobot
