// The robot killed while it takes uploads, then started again: every receipt
// it gave is found with its log, and nothing is half-recorded. The process
// really dies: at the one moment between a log's file and its record (through
// the robot's hook for this test), and by SIGKILL at random moments while
// uploads stream in.

#include <gtest/gtest.h>
#include <httplib.h>

#include <atomic>
#include <fstream>
#include <mutex>
#include <random>
#include <thread>

#include "logrobot/secrets/secrets.h"
#include "logrobot/store/log_files.h"
#include "logrobot/store/sqlite_store.h"
#include "tests/logrobot/robot_fixtures.h"
#include "tests/logrobot/robot_process.h"
#include "tests/support/temp_dir.h"

namespace logrobot {
namespace {

using stats::testing::ReadFileBytes;

struct Given {
  std::string call;
  std::int64_t receipt = 0;
  std::string token;
};

// The receipt number and the private link's token from an answer page.
std::optional<Given> ReceiptOf(const httplib::Result& answer, const std::string& call) {
  if (!answer || answer->status != 200) return std::nullopt;
  const std::string& page = answer->body;
  const std::string receiptMarker = "<dd id=\"receipt\">";
  const std::size_t receipt = page.find(receiptMarker) + receiptMarker.size();
  const std::size_t link = page.find("/en/p/") + 6;
  return Given{call, std::stoll(page.substr(receipt)), page.substr(link, 43)};
}

httplib::Result Upload(int port, const std::string& call) {
  httplib::Client client("127.0.0.1", port);
  const httplib::MultipartFormDataItems items = {
      {"log", CabrilloLog(call, "SOAB-CW-LP", {}), "log.cbr", ""},
      {"email", "op@example.org", "", ""}};
  return client.Post("/en/upload", items);
}

// Opened after the robot died: every receipt given is there with its call and
// log, and every record's log is whole.
void ExpectEveryReceiptWhole(const std::filesystem::path& data, const std::vector<Given>& given) {
  SqliteStore store(data);
  for (const Given& receipt : given) {
    const auto found = store.UploadOfToken(TokenHash(receipt.token));
    ASSERT_TRUE(found) << receipt.call;
    EXPECT_EQ(found->receipt, receipt.receipt);
    EXPECT_EQ(found->call, receipt.call);
  }
  const std::vector<UploadRecord> uploads = store.Uploads();
  for (std::size_t i = 0; i < uploads.size(); ++i) {
    EXPECT_EQ(uploads[i].receipt, static_cast<std::int64_t>(i + 1)) << "no gaps, no halves";
    EXPECT_EQ(DigestOf(ReadFileBytes(store.LogFileOf(uploads[i]))), uploads[i].digest);
    EXPECT_EQ(ReadFileBytes(store.LogFileOf(uploads[i])),
              CabrilloLog(uploads[i].call, "SOAB-CW-LP", {}));
  }
}

using CrashTest = RobotDataTest;

TEST_F(CrashTest, KilledBetweenTheFileAndTheCommitItGivesNoReceiptAndRecordsNothing) {
  {
    RobotProcess robot(dir_.Path(), {"LOGROBOT_EXIT_BEFORE_COMMIT=1"});
    const auto answer = Upload(robot.Port(), "R3KV");
    EXPECT_FALSE(answer && answer->status == 200) << "no receipt";
    EXPECT_EQ(robot.Wait(), 86) << "it ended at the hook";
  }
  {
    SqliteStore store(dir_.Path());
    EXPECT_TRUE(store.Uploads().empty());
  }
  RobotProcess robot(dir_.Path());
  const auto again = ReceiptOf(Upload(robot.Port(), "R3KV"), "R3KV");
  ASSERT_TRUE(again);
  EXPECT_EQ(again->receipt, 1);
  robot.Kill(SIGKILL);
  ExpectEveryReceiptWhole(dir_.Path(), {*again});
}

TEST_F(CrashTest, KilledAtRandomWhileUploadsStreamInEveryReceiptGivenIsFound) {
  std::mt19937 random(1);
  std::vector<Given> given;
  std::mutex givenMutex;
  std::atomic<int> next = 0;
  for (int round = 0; round < 4; ++round) {
    SCOPED_TRACE("round " + std::to_string(round));
    RobotProcess robot(dir_.Path());
    std::atomic<bool> stop = false;
    std::vector<std::thread> clients;
    for (int c = 0; c < 4; ++c) {
      clients.emplace_back([&] {
        while (!stop) {
          const std::string call = "R" + std::to_string(next++) + "A";
          if (const auto receipt = ReceiptOf(Upload(robot.Port(), call), call)) {
            const std::lock_guard lock(givenMutex);
            given.push_back(*receipt);
          }
        }
      });
    }
    std::this_thread::sleep_for(
        std::chrono::milliseconds(std::uniform_int_distribution<int>(200, 600)(random)));
    EXPECT_EQ(robot.Kill(SIGKILL), -SIGKILL);
    stop = true;
    for (std::thread& client : clients) client.join();
    ExpectEveryReceiptWhole(dir_.Path(), given);
  }
  EXPECT_GT(given.size(), 10u);

  // Started again, it shows every participant's page.
  RobotProcess robot(dir_.Path());
  httplib::Client client("127.0.0.1", robot.Port());
  for (const Given& receipt : given) {
    const auto page = client.Get("/en/p/" + receipt.token);
    ASSERT_TRUE(page);
    EXPECT_EQ(page->status, 200);
  }
}

}  // namespace
}  // namespace logrobot
