#pragma once

// The robot's site served in the test's own process on a free port of the
// loopback, over a fresh data folder with the sample contest, with a clock the
// test sets, and a client for it.

#include <httplib.h>

#include <atomic>
#include <fstream>
#include <memory>
#include <thread>

#include "logrobot/check/check_runner.h"
#include "logrobot/secrets/secrets.h"
#include "logrobot/store/sqlite_store.h"
#include "logrobot/web/robot_site.h"
#include "tests/logrobot/robot_fixtures.h"
#include "tests/support/temp_dir.h"

namespace logrobot {

inline constexpr const char* kCommitteePassword = "correct horse battery";

class RunningSite {
 public:
  explicit RunningSite(SiteSettings settings = {}) {
    InitializeSecrets();
    std::ofstream(dir_.Path() / "contest.json") << kSampleContestJson;
    store_ = std::make_unique<SqliteStore>(dir_.Path());
    store_->SetSetting(kCommitteePasswordKey, *HashPassword(kCommitteePassword));
    checks_ = std::make_unique<CheckRunner>(*store_, SampleContest(), dir_.Path() / "checks",
                                            KV_CROSSCHECK, [this] { return now.load(); });
    site_ = std::make_unique<RobotSite>(SampleContest(), *store_, *checks_, settings,
                                        [this] { return now.load(); });
    site_->Install(server_);
    port_ = server_.bind_to_any_port("127.0.0.1");
    thread_ = std::thread([this] { server_.listen_after_bind(); });
    while (!server_.is_running()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  ~RunningSite() {
    server_.stop();
    thread_.join();
  }

  httplib::Client Client() const {
    httplib::Client client("127.0.0.1", port_);
    client.set_read_timeout(60, 0);
    return client;
  }

  httplib::Result Upload(const std::string& log, const std::string& call = {},
                         const std::string& soapbox = {}, const std::string& fileName = "log.cbr",
                         const std::string& email = "op@example.org") const {
    const httplib::MultipartFormDataItems items = {
        {"log", log, fileName, "application/octet-stream"},
        {"call", call, "", ""},
        {"category", "", "", ""},
        {"email", email, "", ""},
        {"soapbox", soapbox, "", ""}};
    return Client().Post("/en/upload", items);
  }

  // A logged-in committee's session cookie and CSRF token.
  std::pair<std::string, std::string> LogIn() const {
    const auto login = Client().Post("/en/committee/login", "password=correct+horse+battery",
                                     "application/x-www-form-urlencoded");
    const std::string cookie = login->get_header_value("Set-Cookie");
    const std::string session = cookie.substr(0, cookie.find(';'));
    const auto page = Client().Get("/en/committee", {{"Cookie", session}});
    const std::string marker = "name=\"csrf\" value=\"";
    const std::size_t at = page->body.find(marker) + marker.size();
    return {session, page->body.substr(at, page->body.find('"', at) - at)};
  }

  const std::filesystem::path& Folder() const { return dir_.Path(); }
  Store& TheStore() { return *store_; }
  CheckRunner& Checks() { return *checks_; }

  std::atomic<std::int64_t> now = kContestStart + 4 * 3600;

 private:
  stats::testing::TempDir dir_;
  std::unique_ptr<SqliteStore> store_;
  std::unique_ptr<CheckRunner> checks_;
  std::unique_ptr<RobotSite> site_;
  httplib::Server server_;
  int port_ = 0;
  std::thread thread_;
};

}  // namespace logrobot
