// The store in its folder: what is received is found again after a restart
// and in a backup, nothing received is overwritten, a failed write records
// nothing, and the checks and what is published are kept.

#include <gtest/gtest.h>

#include "logrobot/reception/receive_upload.h"
#include "logrobot/secrets/secrets.h"
#include "logrobot/store/log_files.h"
#include "logrobot/store/sqlite_store.h"
#include "tests/faults/file_size_limit.h"
#include "tests/logrobot/robot_fixtures.h"
#include "tests/support/temp_dir.h"

namespace logrobot {
namespace {

using stats::testing::ReadFileBytes;
using stats::testing::TempDir;

Receipt Received(Store& store, const std::string& call, const std::string& log,
                 std::int64_t now = kContestStart) {
  UploadForm form = Form(log);
  form.call = call;
  form.soapbox = "73 <b>all</b>";
  auto received = ReceiveUpload(form, "192.0.2.1", SampleContest(), store, now);
  if (!std::holds_alternative<Receipt>(received)) throw std::runtime_error("refused");
  return std::get<Receipt>(received);
}

class StoreTest : public testing::Test {
 protected:
  void SetUp() override { InitializeSecrets(); }
  TempDir dir_;
};

TEST_F(StoreTest, EveryReceiptIsFoundAgainAfterARestartWithItsLog) {
  const std::string first = CabrilloLog("R3KV", "SOAB-CW-LP", {});
  const std::string second = CabrilloLog("R3KV", "SOAB-CW-HP", {});
  std::vector<Receipt> receipts;
  {
    SqliteStore store(dir_.Path());
    receipts.push_back(Received(store, "", first));
    receipts.push_back(Received(store, "UA3A", first));  // the same bytes, another call
    receipts.push_back(Received(store, "", second));     // R3KV again
  }
  SqliteStore store(dir_.Path());
  store.Recover();
  for (const Receipt& receipt : receipts) {
    const auto found = store.UploadOfToken(TokenHash(receipt.token));
    ASSERT_TRUE(found);
    EXPECT_EQ(found->receipt, receipt.upload.receipt);
    EXPECT_EQ(found->call, receipt.upload.call);
    EXPECT_EQ(found->soapbox, "73 <b>all</b>");
    EXPECT_EQ(found->facts.score, receipt.upload.facts.score);
    EXPECT_EQ(found->facts.repairs, receipt.upload.facts.repairs);
    EXPECT_EQ(DigestOf(ReadFileBytes(store.LogFileOf(*found))), found->digest);
  }
  EXPECT_EQ(receipts[0].upload.receipt, 1);
  EXPECT_EQ(receipts[1].upload.digest, receipts[0].upload.digest);
  EXPECT_FALSE(receipts[1].upload.replaces);
  EXPECT_EQ(receipts[2].upload.replaces, 1);
  EXPECT_EQ(store.LatestReceiptOf("R3KV"), 3);
  EXPECT_EQ(store.Uploads().size(), 3u);
  EXPECT_FALSE(store.UploadOfToken(TokenHash(RandomToken())));
  EXPECT_FALSE(store.UploadOfToken(receipts[0].token)) << "found by the token's hash only";
}

TEST_F(StoreTest, AKeptLogIsNeverWrittenOver) {
  SqliteStore store(dir_.Path());
  const std::string log = CabrilloLog("R3KV", "SOAB-CW-LP", {});
  const Receipt receipt = Received(store, "", log);
  const auto path = store.LogFileOf(receipt.upload);
  const auto inode = std::filesystem::hard_link_count(path);
  Received(store, "", log);
  EXPECT_EQ(std::filesystem::hard_link_count(path), inode);
  EXPECT_EQ(ReadFileBytes(path), log);
  std::size_t files = 0;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(dir_.Path() / "logs")) {
    files += entry.is_regular_file();
  }
  EXPECT_EQ(files, 1u);
}

TEST_F(StoreTest, ALogThatCanNotBeWrittenLeavesNoRecord) {
  SqliteStore store(dir_.Path());
  Received(store, "", CabrilloLog("R3KV", "SOAB-CW-LP", {}));
  {
    const stats::testing::FileSizeLimit fullDisk(100);  // the log does not fit
    EXPECT_THROW(Received(store, "", CabrilloLog("UA3A", "SOAB-CW-LP", {})), StoreError);
  }
  EXPECT_EQ(store.Uploads().size(), 1u);
  EXPECT_EQ(store.LatestReceiptOf("UA3A"), 0);
}

TEST_F(StoreTest, ChecksAndWhatIsPublishedAreKept) {
  {
    SqliteStore store(dir_.Path());
    Received(store, "", CabrilloLog("R3KV", "SOAB-CW-LP", {}));
    Received(store, "", CabrilloLog("UA3A", "SOAB-CW-LP", {}));
    const std::int64_t done = store.BeginCheck(100, "{}", {1, 2});
    store.EndCheck(done, CheckState::kDone, "Logs: 2 checked", 110);
    store.Publish(done, 120);
    store.BeginCheck(200, "{}", {2});  // still running when the robot stops
  }
  SqliteStore store(dir_.Path());
  store.Recover();
  const std::vector<CheckRecord> checks = store.Checks();
  ASSERT_EQ(checks.size(), 2u);
  EXPECT_EQ(checks[0].state, CheckState::kFailed);
  EXPECT_EQ(checks[1].state, CheckState::kDone);
  EXPECT_EQ(checks[1].finishedAt, 110);
  EXPECT_EQ(store.PublishedCheck(), 1);
  EXPECT_EQ(store.Check(1)->receipts, (std::vector<std::int64_t>{1, 2}));
  EXPECT_EQ(store.Check(2)->receipts, (std::vector<std::int64_t>{2}));
}

TEST_F(StoreTest, ABackupWhileTheStoreIsOpenHoldsEveryRecordAndLog) {
  SqliteStore store(dir_.Path() / "robot");
  std::vector<Receipt> receipts;
  for (const char* call : {"R3KV", "UA3A", "R3KV"}) {
    receipts.push_back(Received(store, call, CabrilloLog(call, "SOAB-CW-LP", {})));
  }
  store.SetSetting(kCommitteePasswordKey, "hash");
  BackupStore(dir_.Path() / "robot", dir_.Path() / "copy");
  Received(store, "UB5C", CabrilloLog("UB5C", "SOAB-CW-LP", {}));  // after the backup

  SqliteStore copy(dir_.Path() / "copy");
  copy.Recover();
  ASSERT_EQ(copy.Uploads().size(), 3u);
  for (const Receipt& receipt : receipts) {
    const auto found = copy.UploadOfToken(TokenHash(receipt.token));
    ASSERT_TRUE(found);
    EXPECT_EQ(DigestOf(ReadFileBytes(copy.LogFileOf(*found))), found->digest);
  }
  EXPECT_EQ(copy.Setting(kCommitteePasswordKey), "hash");
}

}  // namespace
}  // namespace logrobot
