#pragma once

// The robot on the web: its routes on an HTTP server, with the limits and
// headers of a site that faces the internet.
//
// Participants (no login): the upload form (/en/, /ru/), the upload and its
// answer (POST /LANG/upload), the private page (/LANG/p/TOKEN), the logs
// received (/LANG/received) and the published results (/LANG/results).
// The committee (a session cookie: HttpOnly, SameSite=Strict, Secure behind
// HTTPS; every POST carries the session's CSRF token): /LANG/committee with
// its login, the check, the checks' results, publishing, each log and
// /committee/logs.zip.
//
// Every page is sent with a Content-Security-Policy that allows nothing but
// the frame's own style sheet (no script, no frames around it, forms only to
// the robot), X-Content-Type-Options: nosniff, Referrer-Policy: no-referrer
// (private links never leave in a Referer) and Cache-Control: no-store.

#include <httplib.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>

#include "logrobot/check/check_runner.h"
#include "logrobot/contest/contest_file.h"
#include "logrobot/store/store.h"
#include "logrobot/view/page_frame.h"
#include "logrobot/web/address_limits.h"
#include "logrobot/web/sessions.h"

namespace logrobot {

struct SiteSettings {
  int uploadsPerMinute = 10;  // from one address
  // Behind a reverse proxy that ends HTTPS: the client's address is the last
  // of X-Forwarded-For, and cookies are Secure.
  bool behindHttpsProxy = false;
  std::chrono::seconds uploadTime{120};  // the most an upload's body may take to arrive
};

// The largest request body: a log of the largest size and the form around it.
inline constexpr std::size_t kMaxRequestBytes = std::size_t{6} << 20;

class RobotSite {
 public:
  RobotSite(const ContestFile& contest, Store& store, CheckRunner& checks, SiteSettings settings,
            std::function<std::int64_t()> clock);

  // Routes, limits, timeouts and headers on the server.
  void Install(httplib::Server& server);

 private:
  using Request = httplib::Request;
  using Response = httplib::Response;

  PageContext Page(const Request& request, std::string path) const;
  std::string ClientAddress(const Request& request) const;
  void SendPage(Response& response, int status, std::string html) const;
  void Redirect(Response& response, const std::string& to) const;
  // The whole address of the participant's page `page`, to keep.
  std::string PrivateUrl(const Request& request, const PageContext& page) const;

  // participant_routes.cpp
  void UploadForm(const Request& request, Response& response);
  void Upload(const Request& request, Response& response, const httplib::ContentReader& reader);
  void PrivatePage(const Request& request, Response& response);
  void Received(const Request& request, Response& response);
  void Results(const Request& request, Response& response);
  void NotFound(const Request& request, Response& response);
  // The HTTP library's refusals (404, 400, 413) as pages of ours.
  void ErrorPage(const Request& request, Response& response);

  // committee_routes.cpp
  std::optional<Session> SessionOf(const Request& request);
  // The session of a form that changes something, with its CSRF token; sends
  // the refusal and gives nothing when it has none.
  std::optional<Session> FormSession(const Request& request, Response& response);
  void Committee(const Request& request, Response& response);
  void LoginForm(const Request& request, Response& response);
  void Login(const Request& request, Response& response);
  void Logout(const Request& request, Response& response);
  void RunCheck(const Request& request, Response& response);
  void CheckResults(const Request& request, Response& response);
  void Publish(const Request& request, Response& response);
  void LogFile(const Request& request, Response& response);
  void AllLogs(const Request& request, Response& response);

  const ContestFile& contest_;
  Store& store_;
  CheckRunner& checks_;
  SiteSettings settings_;
  std::function<std::int64_t()> clock_;
  UploadLimit uploadLimit_;
  PasswordThrottle passwordThrottle_;
  std::mutex passwordCheck_;  // one costly password hash at a time
  Sessions sessions_;
};

}  // namespace logrobot
