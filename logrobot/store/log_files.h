#pragma once

// The logs as files, each named by the SHA-256 digest of its bytes
// (logs/ab/abcdef...), so that no name from a client ever becomes a path and
// the same log sent twice is one file. A file is written whole beside its
// place (logs/partial/), synced to the disk, then linked into its place and
// its folder synced: once Keep returns, the file is on the disk, and a crash
// at any moment before leaves no file under a digest that is not whole. A
// file is never written over: a log already kept stays as it is.

#include <filesystem>
#include <string>
#include <string_view>

namespace logrobot {

// The SHA-256 digest of the bytes, in lower-case hexadecimal.
std::string DigestOf(std::string_view bytes);

// Where the log of this digest is kept in the folder of logs.
std::filesystem::path LogFilePath(const std::filesystem::path& folder, std::string_view digest);

class LogFiles {
 public:
  // Makes the folder where missing.
  explicit LogFiles(std::filesystem::path folder);

  // Removes what a crash left half-written; only while nothing is being kept.
  void RemovePartial() const;

  // Keeps the bytes under their digest, which it returns. Throws StoreError.
  std::string Keep(std::string_view bytes) const;

  std::filesystem::path PathOf(std::string_view digest) const {
    return LogFilePath(folder_, digest);
  }

  const std::filesystem::path& Folder() const { return folder_; }

 private:
  std::filesystem::path folder_;
  std::filesystem::path partial_;
};

}  // namespace logrobot
