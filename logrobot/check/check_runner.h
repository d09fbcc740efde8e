#pragma once

// The committee's check: crosscheck run as a program of its own over the logs
// that count, in the background, one check at a time. Each check has a folder
// (checks/<number>/) with the logs under their calls' names (links to the
// kept files), the calls and categories entered (entries.jsonl), and
// crosscheck's outputs in each language (en/, ru/: results.html, ubn/...),
// from which the results are published.

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

#include "logrobot/check/check_settings.h"
#include "logrobot/contest/contest_file.h"
#include "logrobot/store/store.h"
#include "logs/text/report_language.h"

namespace logrobot {

// The checks' folder in the robot's folder.
inline constexpr std::string_view kChecksFolderName = "checks";

class CheckRunner {
 public:
  CheckRunner(Store& store, const ContestFile& contest, std::filesystem::path checksFolder,
              std::filesystem::path crosscheck, std::function<std::int64_t()> clock);
  ~CheckRunner();  // waits for the check that runs
  CheckRunner(const CheckRunner&) = delete;
  CheckRunner& operator=(const CheckRunner&) = delete;

  // Begins a check of the logs that count now; its number, or nothing while
  // another one runs.
  std::optional<std::int64_t> Begin(const CheckSettings& settings);

  bool Running() const { return running_; }

  // The folder of crosscheck's outputs of a check in the language.
  std::filesystem::path Outputs(std::int64_t check, logs::ReportLanguage language) const;

 private:
  void Run(std::int64_t check, const CheckSettings& settings,
           const std::vector<UploadRecord>& uploads);

  Store& store_;
  const ContestFile& contest_;
  std::filesystem::path folder_;
  std::filesystem::path crosscheck_;
  std::function<std::int64_t()> clock_;
  std::mutex mutex_;
  std::thread worker_;
  std::atomic<bool> running_ = false;
};

}  // namespace logrobot
