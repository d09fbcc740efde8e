#pragma once

// The store in the data folder, for one machine: the records in SQLite
// (robot.sqlite3, write-ahead log, every commit synced) and the logs as files
// named by their digest (logs/). A receipt is given only after the log's file
// and then its record are on the disk; a crash between the two leaves a file
// that no record names, never a record without its file.
//
// Backing up: stop the robot and copy the folder, or copy it while it runs
// with BackupStore.

#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>

#include "logrobot/store/log_files.h"
#include "logrobot/store/sqlite_handles.h"
#include "logrobot/store/store.h"

namespace logrobot {

inline constexpr std::string_view kDatabaseFileName = "robot.sqlite3";
inline constexpr std::string_view kLogsFolderName = "logs";

class SqliteStore final : public Store {
 public:
  // Opens the store in the folder, making what is missing.
  explicit SqliteStore(const std::filesystem::path& folder);

  // What the robot does as it starts, before it takes uploads: it removes
  // the files half-written when it stopped and marks the check that was
  // running then as failed.
  void Recover();

  // Called after a log's file is kept and before its record is committed:
  // the crash test ends the process there.
  void SetBeforeCommit(std::function<void()> hook) { beforeCommit_ = std::move(hook); }

  UploadRecord Receive(UploadRecord upload, std::string_view log,
                       std::string_view tokenHash) override;
  std::vector<UploadRecord> Uploads() const override;
  std::optional<UploadRecord> UploadOfToken(std::string_view tokenHash) const override;
  std::optional<UploadRecord> UploadOfReceipt(std::int64_t receipt) const override;
  std::int64_t LatestReceiptOf(std::string_view call) const override;
  std::filesystem::path LogFileOf(const UploadRecord& upload) const override;

  std::optional<std::string> Setting(std::string_view key) const override;
  void SetSetting(std::string_view key, std::string_view value) override;

  std::int64_t BeginCheck(std::int64_t startedAt, std::string_view options,
                          const std::vector<std::int64_t>& receipts) override;
  void EndCheck(std::int64_t check, CheckState state, std::string_view message,
                std::int64_t finishedAt) override;
  std::vector<CheckRecord> Checks() const override;
  std::optional<CheckRecord> Check(std::int64_t check) const override;

  void Publish(std::int64_t check, std::int64_t publishedAt) override;
  std::optional<std::int64_t> PublishedCheck() const override;

 private:
  std::int64_t Latest(std::string_view call) const;  // with the lock held
  std::optional<UploadRecord> OneUpload(std::string_view where,
                                        const std::function<void(Statement&)>& bind) const;

  std::filesystem::path folder_;
  LogFiles files_;
  mutable std::mutex mutex_;  // one connection, one caller at a time
  mutable Database database_;
  std::function<void()> beforeCommit_;
};

// Copies the store in `folder` into `copy` (a new folder) while a robot may
// be using it: the records as one snapshot (SQLite's online backup), then
// every log file they name, which were all on the disk before their records.
void BackupStore(const std::filesystem::path& folder, const std::filesystem::path& copy);

}  // namespace logrobot
