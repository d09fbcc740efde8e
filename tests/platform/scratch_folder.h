#pragma once

// Files for the platform tests: a fresh folder under the current directory per
// test, removed afterwards, and whole-file byte access.

#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <random>
#include <string>

namespace platform_test {

class ScratchFolder {
 public:
  ScratchFolder() {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string stem = std::string("scratch_") + test->test_suite_name() + "_" + test->name();
    for (auto& c : stem) {
      if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    }
    std::random_device random;
    do {
      name_ = stem + "_" + std::to_string(random() % 1000000);
    } while (!std::filesystem::create_directory(name_));
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(name_, ignored);
  }

  // `file` inside the folder, relative to the current directory.
  std::string Path(const std::string& file, char separator = '/') const {
    return name_ + separator + file;
  }

 private:
  std::string name_;
};

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using UniqueFile = std::unique_ptr<std::FILE, FileCloser>;

// The file's bytes; nothing when it can not be opened.
inline std::optional<std::string> ReadBytes(const std::string& path) {
  const UniqueFile file(std::fopen(path.c_str(), "rb"));
  if (!file) return std::nullopt;
  std::string bytes;
  for (int c = std::fgetc(file.get()); c != EOF; c = std::fgetc(file.get())) {
    bytes += static_cast<char>(c);
  }
  return bytes;
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
  const UniqueFile file(std::fopen(path.c_str(), "wb"));
  ASSERT_NE(file, nullptr) << path;
  ASSERT_EQ(std::fwrite(bytes.data(), 1, bytes.size(), file.get()), bytes.size()) << path;
}

}  // namespace platform_test
