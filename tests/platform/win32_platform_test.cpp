// The Win32 platform: starting a program through the system's command interpreter.

#include <gtest/gtest.h>

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

TEST(Win32Platform, StartsAProgramWithoutWaitingForIt) {
  const auto platform = stats::MakeSystemPlatform();
  const TempDir folder;

  ASSERT_TRUE(platform->StartProgram("cmd.exe /c echo started>" + folder.Path("marker.txt", '\\')));
  // The started program creates the file before it writes the line. A new
  // wine process can take seconds to start on a loaded machine.
  std::optional<std::string> marker;
  for (int attempt = 0; attempt < 3000 && marker.value_or("").find('\n') == std::string::npos;
       ++attempt) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
    if (std::filesystem::exists(folder.Path("marker.txt"))) {
      marker = ReadFileBytes(folder.Path("marker.txt"));
    }
  }
  EXPECT_EQ(marker, "started\r\n");
}

}  // namespace
