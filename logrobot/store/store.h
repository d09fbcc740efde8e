#pragma once

// The robot's store: the uploads with their logs, the settings, the checks
// and what is published. The one implementation keeps everything in the data
// folder (SQLite and files, sqlite_store.h); another, over a database server,
// could serve several front ends from this interface. Every call is safe from
// any thread; failures throw StoreError and change nothing.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "logrobot/store/records.h"

namespace logrobot {

// The setting that holds the hash of the committee's password.
inline constexpr std::string_view kCommitteePasswordKey = "committee_password";

class Store {
 public:
  virtual ~Store() = default;

  // Keeps the log and its record as one: when it returns, both are on the
  // disk and the record (with its receipt, digest and the receipt it
  // replaces) is returned; when it throws, no record was made. The private
  // link's token is kept only as its hash.
  virtual UploadRecord Receive(UploadRecord upload, std::string_view log,
                               std::string_view tokenHash) = 0;

  // Every upload in the order received, without their facts.
  virtual std::vector<UploadRecord> Uploads() const = 0;
  virtual std::optional<UploadRecord> UploadOfToken(std::string_view tokenHash) const = 0;
  virtual std::optional<UploadRecord> UploadOfReceipt(std::int64_t receipt) const = 0;
  // The receipt of the call's last upload (the one that counts); 0 for none.
  virtual std::int64_t LatestReceiptOf(std::string_view call) const = 0;
  virtual std::filesystem::path LogFileOf(const UploadRecord& upload) const = 0;

  virtual std::optional<std::string> Setting(std::string_view key) const = 0;
  virtual void SetSetting(std::string_view key, std::string_view value) = 0;

  // A check begun over these uploads; its number.
  virtual std::int64_t BeginCheck(std::int64_t startedAt, std::string_view options,
                                  const std::vector<std::int64_t>& receipts) = 0;
  virtual void EndCheck(std::int64_t check, CheckState state, std::string_view message,
                        std::int64_t finishedAt) = 0;
  virtual std::vector<CheckRecord> Checks() const = 0;  // newest first, without receipts
  virtual std::optional<CheckRecord> Check(std::int64_t check) const = 0;

  virtual void Publish(std::int64_t check, std::int64_t publishedAt) = 0;
  virtual std::optional<std::int64_t> PublishedCheck() const = 0;
};

}  // namespace logrobot
