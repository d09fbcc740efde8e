// The POSIX platform: program start without zombies, messages on standard error.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>

#include "stats/platform/platform.h"
#include "tests/support/temp_dir.h"

namespace {

using stats::testing::ReadFileBytes;
using stats::testing::TempDir;
using stats::testing::WriteFileBytes;

// Writes a shell script that stores its second argument in the file named by its first.
std::string WriteMarkerScript(const TempDir& folder, bool executable = true) {
  const std::string path = folder.Path("marker.sh");
  WriteFileBytes(path, "#!/bin/sh\nprintf '%s' \"$2\" > \"$1.part\" && mv \"$1.part\" \"$1\"\n");
  chmod(path.c_str(), executable ? 0755 : 0644);
  return path;
}

// The marker appears once the started program has run; a bounded wait, no timing.
std::optional<std::string> WaitForFile(const std::string& path) {
  for (int attempt = 0; attempt < 1000; ++attempt) {
    if (std::filesystem::exists(path)) return ReadFileBytes(path);
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return std::nullopt;
}

bool HasChildProcesses() { return waitpid(-1, nullptr, WNOHANG) != -1 || errno != ECHILD; }

TEST(PosixPlatform, StartsAProgramWithBackslashPathsAndItsArguments) {
  const auto platform = stats::MakeSystemPlatform();
  const TempDir folder;
  WriteMarkerScript(folder);

  ASSERT_TRUE(platform->StartProgram("  " + folder.Path("marker.sh", '\\') + "  " +
                                     folder.Path("marker.txt", '\\') + " started "));
  EXPECT_EQ(WaitForFile(folder.Path("marker.txt")), "started");
}

TEST(PosixPlatform, LeavesNoChildProcessBehind) {
  const auto platform = stats::MakeSystemPlatform();
  const TempDir folder;
  WriteMarkerScript(folder);

  ASSERT_TRUE(platform->StartProgram(folder.Path("marker.sh") + " " + folder.Path("a") + " x"));
  EXPECT_FALSE(HasChildProcesses());
  EXPECT_FALSE(platform->StartProgram(folder.Path("missing.sh")));
  EXPECT_FALSE(HasChildProcesses());
  ASSERT_TRUE(WaitForFile(folder.Path("a")));
}

TEST(PosixPlatform, ReportsAProgramThatCanNotBeStarted) {
  const auto platform = stats::MakeSystemPlatform();
  const TempDir folder;
  WriteMarkerScript(folder, false);

  EXPECT_FALSE(platform->StartProgram(folder.Path("marker.sh") + " " + folder.Path("a") + " x"));
  EXPECT_FALSE(platform->StartProgram(folder.Path("")));
  EXPECT_FALSE(platform->StartProgram(""));
  EXPECT_FALSE(platform->StartProgram("   "));
}

TEST(PosixPlatform, ShowMessageWritesTheTextAndANewlineToStandardError) {
  const auto platform = stats::MakeSystemPlatform();
  ::testing::internal::CaptureStderr();
  platform->ShowMessage("Kesdra Velk\r\n\xC8\xE2\xE0\xED");
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "Kesdra Velk\r\n\xC8\xE2\xE0\xED\n");
}

}  // namespace
