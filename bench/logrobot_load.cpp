// The log robot under the load of a deadline: the Release build of
// "logrobot serve" in a process of its own, on a fresh folder, and clients
// that upload 1 MiB logs (about 13 000 QSO lines each, under a call of their
// own) over HTTP on the loopback:
//   - bursts: `concurrent` uploads started at once, `rounds` times, each
//     answer timed from the request's start to its whole answer (p50, p99,
//     the slowest);
//   - a steady stream: `concurrent` clients uploading one after another for
//     `seconds`: uploads per second.
// Then the robot is stopped and its store opened: every receipt given must be
// there with its whole log. Run by scripts/bench-logrobot.

#include <httplib.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <algorithm>
#include <atomic>
#include <barrier>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <mutex>
#include <thread>

#include "logrobot/secrets/secrets.h"
#include "logrobot/store/log_files.h"
#include "logrobot/store/sqlite_store.h"
#include "tests/support/temp_dir.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

constexpr const char* kContest = R"({
  "name": "Load Test",
  "period": {"from": "2024-02-18 15:00", "to": "2024-02-18 19:00"},
  "deadline": "2099-01-01 00:00",
  "categories": ["SOAB-CW-LP"]
})";

// A Cabrillo log of about `bytes` for the call.
std::string LogOf(const std::string& call, std::size_t bytes) {
  std::string log = "START-OF-LOG: 3.0\nCALLSIGN: " + call + "\nCATEGORY: SOAB-CW-LP\n";
  char line[128];
  for (int i = 0; log.size() < bytes; ++i) {
    const int minute = i % 240;
    std::snprintf(line, sizeof line,
                  "QSO: %5d CW 2024-02-18 %02d%02d %-13s 599 %04d   UA%dA%03d       599 %s%03d\n",
                  i % 3 == 0 ? 3550 : 7020, 15 + minute / 60, minute % 60, call.c_str(), i % 10000,
                  i % 10, i % 1000, i % 7 == 0 ? "W" : "", i % 1000);
    log += line;
  }
  return log + "END-OF-LOG:\n";
}

class Robot {
 public:
  Robot(const std::string& program, const std::filesystem::path& data) {
    int fds[2];
    if (pipe(fds) != 0) throw std::runtime_error("pipe");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], 1);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    std::vector<std::string> arguments = {program,
                                          "serve",
                                          "--data",
                                          data.string(),
                                          "--listen",
                                          "127.0.0.1:0",
                                          "--uploads-per-minute",
                                          "1000000",
                                          "--threads",
                                          "64"};
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);
    if (posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
      throw std::runtime_error(program + " can not be started");
    }
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    std::string line;
    for (char c = 0; read(fds[0], &c, 1) == 1 && c != '\n';) line += c;
    close(fds[0]);
    port_ = std::stoi(line.substr(line.rfind(':') + 1));
  }
  ~Robot() {
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
  }
  int Port() const { return port_; }

 private:
  pid_t pid_ = 0;
  int port_ = 0;
};

struct Upload {
  std::string call;
  std::string token;
  double seconds = 0;
  bool received = false;
  std::string failure;  // why not, when not
};

Upload Send(int port, const std::string& call, const std::string& log) {
  httplib::Client client("127.0.0.1", port);
  client.set_read_timeout(120, 0);
  client.set_write_timeout(120, 0);
  const httplib::MultipartFormDataItems items = {{"log", log, "log.cbr", ""},
                                                 {"email", "op@example.org", "", ""}};
  const auto start = Clock::now();
  const auto answer = client.Post("/en/upload", items);
  Upload upload{call, {}, std::chrono::duration<double>(Clock::now() - start).count(), false, {}};
  if (answer && answer->status == 200) {
    const std::size_t link = answer->body.find("/en/p/");
    upload.received = link != std::string::npos;
    if (upload.received) upload.token = answer->body.substr(link + 6, 43);
  }
  if (!upload.received) {
    upload.failure = answer ? "status " + std::to_string(answer->status) + " after " +
                                  std::to_string(upload.seconds) + " s"
                            : httplib::to_string(answer.error());
  }
  return upload;
}

double Percentile(std::vector<double> values, double share) {
  std::sort(values.begin(), values.end());
  const auto index = static_cast<std::size_t>(share * static_cast<double>(values.size() - 1) + 0.5);
  return values[index];
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app("Uploads to the log robot under load", "logrobot-load");
  std::string program;
  int concurrent = 50, rounds = 4, seconds = 20;
  std::size_t logBytes = 1 << 20;
  app.add_option("--logrobot", program, "the logrobot program")->required();
  app.add_option("--concurrent", concurrent, "uploads at once")->capture_default_str();
  app.add_option("--rounds", rounds, "bursts")->capture_default_str();
  app.add_option("--seconds", seconds, "length of the steady stream")->capture_default_str();
  app.add_option("--log-bytes", logBytes, "size of each log")->capture_default_str();
  CLI11_PARSE(app, argc, argv);
  logrobot::InitializeSecrets();

  const stats::testing::TempDir data;
  std::ofstream(data.Path() / "contest.json") << kContest;
  std::vector<Upload> uploads;
  std::mutex mutex;
  std::atomic<int> next = 0;
  const auto call = [&] { return "R" + std::to_string(next++) + "LT"; };
  {
    const Robot robot(program, data.Path());
    std::vector<double> burstTimes;
    for (int round = 0; round < rounds; ++round) {
      std::barrier start(concurrent);
      std::vector<std::thread> clients;
      for (int i = 0; i < concurrent; ++i) {
        clients.emplace_back([&] {
          const std::string own = call();
          const std::string log = LogOf(own, logBytes);  // made before the clock starts
          start.arrive_and_wait();
          const Upload upload = Send(robot.Port(), own, log);
          const std::lock_guard lock(mutex);
          uploads.push_back(upload);
          burstTimes.push_back(upload.seconds);
        });
      }
      for (std::thread& client : clients) client.join();
    }
    std::printf(
        "bursts: %d x %d concurrent uploads of %.2f MiB: p50 %.2f s, p99 %.2f s, "
        "slowest %.2f s\n",
        rounds, concurrent, static_cast<double>(logBytes) / (1 << 20), Percentile(burstTimes, 0.5),
        Percentile(burstTimes, 0.99), *std::max_element(burstTimes.begin(), burstTimes.end()));

    std::vector<double> steadyTimes;
    const auto end = Clock::now() + std::chrono::seconds(seconds);
    const auto started = Clock::now();
    std::vector<std::thread> clients;
    for (int i = 0; i < concurrent; ++i) {
      clients.emplace_back([&] {
        while (Clock::now() < end) {
          const std::string own = call();
          const Upload upload = Send(robot.Port(), own, LogOf(own, logBytes));
          const std::lock_guard lock(mutex);
          uploads.push_back(upload);
          steadyTimes.push_back(upload.seconds);
        }
      });
    }
    for (std::thread& client : clients) client.join();
    const double wall = std::chrono::duration<double>(Clock::now() - started).count();
    std::printf(
        "steady: %d clients for %.1f s: %zu uploads, %.1f uploads/s, p50 %.2f s, "
        "p99 %.2f s\n",
        concurrent, wall, steadyTimes.size(), static_cast<double>(steadyTimes.size()) / wall,
        Percentile(steadyTimes, 0.5), Percentile(steadyTimes, 0.99));
  }

  const logrobot::SqliteStore store(data.Path());
  std::size_t given = 0, lost = 0;
  for (const Upload& upload : uploads) {
    if (!upload.received) {
      std::printf("%s: no receipt (%s)\n", upload.call.c_str(), upload.failure.c_str());
      continue;
    }
    ++given;
    const auto found = store.UploadOfToken(logrobot::TokenHash(upload.token));
    std::ifstream file(found ? store.LogFileOf(*found) : "/nonexistent", std::ios::binary);
    const std::string log{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    if (!found || found->call != upload.call || logrobot::DigestOf(log) != found->digest) ++lost;
  }
  std::printf("receipts: %zu of %zu uploads, %zu lost after the robot stopped\n", given,
              uploads.size(), lost);
  return lost == 0 && given == uploads.size() ? 0 : 1;
}
