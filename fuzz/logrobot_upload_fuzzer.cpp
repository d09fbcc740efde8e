// The log robot's upload path on arbitrary bytes, from the raw HTTP request
// to the stored record: each input is one request, parsed by the HTTP
// library, routed and answered by the robot's site over a store in a scratch
// folder. Whatever arrives, the answer is a whole HTTP answer with the
// security headers and no markup from the request; the store grows by at most
// one record, and only with a 200 answer; a new record's log is the file kept
// under its digest, and its texts are clean.

#include <httplib.h>
#include <unistd.h>

#include <cstdint>
#include <fstream>
#include <memory>
#include <string_view>

#include "fuzz/require.h"
#include "logrobot/check/check_runner.h"
#include "logrobot/reading/entered_text.h"
#include "logrobot/secrets/secrets.h"
#include "logrobot/store/log_files.h"
#include "logrobot/store/sqlite_store.h"
#include "logrobot/web/robot_site.h"
#include "logs/text/text_encoding.h"
#include "tests/support/temp_dir.h"

namespace {

using fuzz::Require;

constexpr const char* kContest = R"({
  "name": "Fuzz Test",
  "period": {"from": "2024-02-18 15:00", "to": "2024-02-18 19:00"},
  "deadline": "2024-02-25 00:00",
  "categories": ["SOAB-CW-LP", "MOAB-MIX"]
})";

// One request in, the answer out, as a connection would carry them.
class MemoryStream final : public httplib::Stream {
 public:
  explicit MemoryStream(std::string_view request) : request_(request) {}
  bool is_readable() const override { return true; }
  bool is_writable() const override { return true; }
  ssize_t read(char* data, std::size_t size) override {
    const std::size_t count = std::min(size, request_.size());
    std::copy_n(request_.data(), count, data);
    request_.remove_prefix(count);
    return static_cast<ssize_t>(count);
  }
  ssize_t write(const char* data, std::size_t size) override {
    answer_.append(data, size);
    return static_cast<ssize_t>(size);
  }
  void get_remote_ip_and_port(std::string& ip, int& port) const override {
    ip = "192.0.2.1";
    port = 40000;
  }
  void get_local_ip_and_port(std::string& ip, int& port) const override {
    ip = "127.0.0.1";
    port = 8080;
  }
  socket_t socket() const override { return INVALID_SOCKET; }
  const std::string& Answer() const { return answer_; }

 private:
  std::string_view request_;
  std::string answer_;
};

class FuzzServer final : public httplib::Server {
 public:
  void Serve(httplib::Stream& stream) {
    bool closed = false;
    process_request(stream, true, closed, [](httplib::Request&) {});
  }
};

// The robot over a scratch folder, made once for the run.
struct Robot {
  Robot() {
    logrobot::InitializeSecrets();
    site.Install(server);
  }
  stats::testing::TempDir folder;
  logrobot::ContestFile contest =
      std::get<logrobot::ContestFile>(logrobot::ParseContestFile(kContest));
  logrobot::SqliteStore store{folder.Path()};
  logrobot::CheckRunner checks{store, contest, folder.Path() / "checks", "/nonexistent",
                               [] { return std::int64_t{1708268400}; }};
  logrobot::RobotSite site{contest, store, checks,
                           logrobot::SiteSettings{1 << 30, false, std::chrono::seconds(60)},
                           [] { return std::int64_t{1708268400}; }};
  FuzzServer server;
};

bool Contains(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static Robot robot;
  static std::int64_t records = 0;
  MemoryStream stream(std::string_view(reinterpret_cast<const char*>(data), size));
  robot.server.Serve(stream);
  const std::string& answer = stream.Answer();
  if (answer.empty()) return 0;  // not even a request line: the connection just closes
  Require(answer.starts_with("HTTP/1.1 "), "a whole HTTP answer");
  Require(Contains(answer, "Content-Security-Policy: default-src 'none'"), "the policy header");
  Require(Contains(answer, "X-Content-Type-Options: nosniff"), "nosniff");
  Require(!Contains(answer, "<script") && !Contains(answer, "<SCRIPT"),
          "no markup from the request");
  const auto added = robot.store.UploadOfReceipt(records + 1);
  if (!added) return 0;
  ++records;
  Require(!robot.store.UploadOfReceipt(records + 1), "at most one record per request");
  Require(answer.starts_with("HTTP/1.1 200 "), "a record only with its receipt");
  const logrobot::UploadRecord& upload = *added;
  Require(logrobot::CleanCall(upload.call) == upload.call, "a clean call");
  Require(logs::IsUtf8(upload.soapbox) && logs::IsUtf8(upload.email), "clean texts");
  std::ifstream file(robot.store.LogFileOf(upload), std::ios::binary);
  const std::string log{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  Require(logrobot::DigestOf(log) == upload.digest, "the log kept under its digest");
  return 0;
}
