#include "logrobot/check/check_runner.h"

#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>

#include "files/file_problem.h"
#include "files/replacement.h"
#include "logrobot/check/child_process.h"
#include "logrobot/reading/read_upload.h"

namespace logrobot {
namespace {

namespace fs = std::filesystem;

constexpr logs::ReportLanguage kLanguages[] = {logs::ReportLanguage::kEnglish,
                                               logs::ReportLanguage::kRussian};

std::string_view CodeOf(logs::ReportLanguage language) {
  return language == logs::ReportLanguage::kRussian ? "ru" : "en";
}

// What crosscheck printed: its summary, or why it failed.
std::string OutputOf(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  constexpr std::size_t kKept = 4000;
  if (text.size() > kKept) text = "…" + text.substr(text.size() - kKept);
  return text;
}

// The logs under the names the check reads them by, and the calls and
// categories entered for them.
void StageLogs(const Store& store, const std::vector<UploadRecord>& uploads,
               const fs::path& folder) {
  fs::create_directories(folder / "logs");
  std::string entries;
  for (const UploadRecord& upload : uploads) {
    const std::string name = CheckFileName(upload.call);
    const fs::path staged = folder / "logs" / name;
    std::error_code error;
    fs::create_hard_link(store.LogFileOf(upload), staged, error);
    if (error) fs::copy_file(store.LogFileOf(upload), staged);
    entries +=
        nlohmann::json{{"file", name}, {"call", upload.call}, {"category", upload.category}}.dump(
            -1, ' ', false, nlohmann::json::error_handler_t::replace) +
        "\n";
  }
  const std::unique_ptr<files::FileSystem> system = files::MakeSystemFileSystem();
  if (const auto failure = files::ReplaceWholeFile(*system, folder / "entries.jsonl", entries)) {
    throw std::runtime_error("entries.jsonl: " +
                             files::ProblemText(failure->error, files::kEnglishFileProblems));
  }
}

}  // namespace

CheckRunner::CheckRunner(Store& store, const ContestFile& contest, fs::path checksFolder,
                         fs::path crosscheck, std::function<std::int64_t()> clock)
    : store_(store),
      contest_(contest),
      folder_(std::move(checksFolder)),
      crosscheck_(fs::absolute(crosscheck)),
      clock_(std::move(clock)) {}

CheckRunner::~CheckRunner() {
  const std::lock_guard lock(mutex_);
  if (worker_.joinable()) worker_.join();
}

std::optional<std::int64_t> CheckRunner::Begin(const CheckSettings& settings) {
  const std::lock_guard lock(mutex_);
  if (running_) return std::nullopt;
  if (worker_.joinable()) worker_.join();
  std::vector<UploadRecord> uploads = CountingUploads(store_.Uploads(), settings.late);
  std::vector<std::int64_t> receipts;
  for (const UploadRecord& upload : uploads) receipts.push_back(upload.receipt);
  const std::int64_t check = store_.BeginCheck(clock_(), SettingsJson(settings), receipts);
  running_ = true;
  worker_ = std::thread([this, check, settings, uploads = std::move(uploads)] {
    Run(check, settings, uploads);
    running_ = false;
  });
  return check;
}

fs::path CheckRunner::Outputs(std::int64_t check, logs::ReportLanguage language) const {
  return folder_ / std::to_string(check) / std::string(CodeOf(language));
}

void CheckRunner::Run(std::int64_t check, const CheckSettings& settings,
                      const std::vector<UploadRecord>& uploads) {
  const fs::path folder = folder_ / std::to_string(check);
  std::string message;
  CheckState state = CheckState::kDone;
  try {
    fs::remove_all(folder);
    StageLogs(store_, uploads, folder);
    for (const logs::ReportLanguage language : kLanguages) {
      std::vector<std::string> arguments = {crosscheck_.string()};
      for (std::string& option : CrosscheckOptions(settings))
        arguments.push_back(std::move(option));
      // Run in the check's folder, so that the reports name a log by its
      // folder and file only ("logs/R3KV.log"), not by the server's paths.
      const std::string code(CodeOf(language));
      arguments.insert(arguments.end(),
                       {"--from=" + contest_.from, "--to=" + contest_.to, "--entries=entries.jsonl",
                        "--lang=" + code, "--out=" + code, "logs"});
      const fs::path output = folder / ("crosscheck-" + code + ".txt");
      const int status = RunProgram(arguments, folder, output);
      message = OutputOf(output);
      if (status != 0) {
        state = CheckState::kFailed;
        break;
      }
    }
  } catch (const std::exception& error) {
    state = CheckState::kFailed;
    message = error.what();
  }
  try {
    store_.EndCheck(check, state, message, clock_());
  } catch (const std::exception&) {
    // The check stays marked as running until the robot starts again.
  }
}

}  // namespace logrobot
