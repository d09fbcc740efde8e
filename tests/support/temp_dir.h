#pragma once

// Scratch folders for tests, fuzzers and the long run, and whole-file byte
// access. A TempDir is a fresh, empty folder under the system's temporary
// folder, removed with all it holds when the object goes; a
// ScopedWorkingDirectory is one that is also the current directory meanwhile.

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

namespace stats::testing {

class TempDir {
 public:
  TempDir() {
    std::random_device seed;
    std::mt19937_64 random(
        seed() ^
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
    do {
      path_ = std::filesystem::temp_directory_path() / ("kv-test-" + std::to_string(random()));
    } while (!std::filesystem::create_directory(path_));
  }
  ~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& Path() const noexcept { return path_; }

  // `file` in the folder, with `separator` between all folders of the path.
  std::string Path(const std::string& file, char separator = '/') const {
    std::string text = (path_ / file).string();
    std::replace(text.begin(), text.end(), '\\', separator);
    std::replace(text.begin(), text.end(), '/', separator);
    return text;
  }

  // Removes everything in the folder, whatever it is (files, folders, links).
  void Clear() const {
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(path_, ignored)) {
      std::filesystem::remove_all(entry.path(), ignored);
    }
  }

 private:
  std::filesystem::path path_;
};

class ScopedWorkingDirectory : public TempDir {
 public:
  ScopedWorkingDirectory() : previous_(std::filesystem::current_path()) {
    std::filesystem::current_path(Path());
  }
  ~ScopedWorkingDirectory() {
    std::error_code ignored;
    std::filesystem::current_path(previous_, ignored);
  }

 private:
  std::filesystem::path previous_;
};

// The file's bytes; empty when it can not be read.
inline std::string ReadFileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteFileBytes(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace stats::testing
