#pragma once

// A folder of outputs that is replaced as a whole. The new set is written into
// a fresh folder beside it ("<folder>.tmp") and swapped in only when every file
// of it was written: the old folder is moved aside ("<folder>.old"), the new
// one moved in, the old one removed. A failed run so leaves the earlier
// complete set, never a mix of both, and no file of an earlier run outlives a
// run that succeeds (a report of a call no longer in the contest).

#include <filesystem>
#include <optional>
#include <string>

namespace crosscheck {

class ReplacedFolder {
 public:
  // Makes the fresh folder, empty (a leftover of an earlier run is removed),
  // after putting back an earlier set that a stopped run left aside.
  explicit ReplacedFolder(std::filesystem::path folder);
  ~ReplacedFolder();  // removes the fresh folder when Commit did not swap it in
  ReplacedFolder(const ReplacedFolder&) = delete;
  ReplacedFolder& operator=(const ReplacedFolder&) = delete;

  // Where the new set is written.
  const std::filesystem::path& Fresh() const { return fresh_; }
  // Why the fresh folder could not be made; nothing when it was.
  const std::optional<std::string>& Failure() const { return failure_; }

  // Swaps the fresh folder in. Nothing when that worked, else why not; the
  // earlier folder then stays where it was.
  std::optional<std::string> Commit();

 private:
  std::filesystem::path folder_;
  std::filesystem::path fresh_;
  std::filesystem::path aside_;
  std::optional<std::string> failure_;
  bool committed_ = false;
};

}  // namespace crosscheck
