#pragma once

// A platform for tests: a settable clock (to the millisecond), recorded program
// starts and messages, an in-memory settings store, and a scripted
// station-details dialog. Files are the system platform's, in the folder the
// test works in; a replacement of a whole file can be made to fail.

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "stats/platform/platform.h"

namespace stats::testing {

class FakePlatform : public Platform {
 public:
  UtcTime now{2013, 2, 5, 10, 30, 0, 0};
  bool startSucceeds = true;
  std::vector<std::string> startedPrograms;
  std::vector<std::string> messages;
  // (path, section, key) -> value, keys compared as given.
  std::map<std::tuple<std::string, std::string, std::string>, std::string> profile;
  std::vector<std::tuple<std::string, std::string, std::string, std::string>> profileWrites;
  int clockReads = 0;
  // Called for the dialog; returns whether the operator pressed OK.
  std::function<bool(StationDetailsForm&)> dialog = [](StationDetailsForm&) { return false; };
  std::vector<StationDetailsForm> dialogPresets;
  bool replaceFails = false;  // ReplaceWholeFile fails, leaving every file as it was

  UtcTime CurrentUtcTime() override {
    ++clockReads;
    return now;
  }
  bool StartProgram(const std::string& commandLine) override {
    startedPrograms.push_back(commandLine);
    return startSucceeds;
  }
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  std::string ReadProfileValue(const std::string& section, const std::string& key,
                               const std::string& defaultValue, const std::string& path,
                               std::size_t bufferSize) override {
    const auto found = profile.find({path, section, key});
    std::string value = found == profile.end() ? defaultValue : found->second;
    if (bufferSize == 0) return {};
    if (value.size() > bufferSize - 1) value.resize(bufferSize - 1);
    return value;
  }
  bool WriteProfileValue(const std::string& section, const std::string& key,
                         const std::string& value, const std::string& path) override {
    profile[{path, section, key}] = value;
    profileWrites.emplace_back(path, section, key, value);
    return true;
  }
  bool EditStationDetails(StationDetailsForm& form) override {
    dialogPresets.push_back(form);
    return dialog(form);
  }
  std::unique_ptr<AppendingFile> OpenForAppend(const std::string& path) override {
    return files_->OpenForAppend(path);
  }
  bool WriteWholeFile(const std::string& path, std::string_view contents) override {
    return files_->WriteWholeFile(path, contents);
  }
  std::optional<std::string> ReadWholeFile(const std::string& path) override {
    return files_->ReadWholeFile(path);
  }
  bool EnsureFileExists(const std::string& path) override { return files_->EnsureFileExists(path); }
  bool ReplaceWholeFile(const std::string& path, std::string_view contents) override {
    return !replaceFails && files_->ReplaceWholeFile(path, contents);
  }

 private:
  std::unique_ptr<Platform> files_ = MakeSystemPlatform();
};

}  // namespace stats::testing
