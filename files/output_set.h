#pragma once

// Outputs that belong together and are replaced as one set: afterwards their
// places hold either every new output or, when any of them could not be
// written or moved in, every earlier one, never a mix.
//
// Each new file is written as a Replacement (replacement.h); a new folder of
// files is written into a fresh folder of its own beside the earlier one. Only
// when all of them are whole does Commit move them in, one by one: the earlier
// output (when there is one) first moves aside under a name of its own, then
// the new one takes its place. When a move fails, every move made is undone,
// last first; once all are in, the earlier outputs are removed.

#include <filesystem>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "files/file_system.h"
#include "files/replacement.h"

namespace files {

// The output that stopped the set, and why.
struct SetFailure {
  std::filesystem::path target;
  WriteFailure failure;
  // Outputs whose moves could not be undone after the failure (a second
  // fault): each with the name its earlier version is kept under, or empty
  // when there was none and the new one stayed in its place.
  std::vector<std::pair<std::filesystem::path, std::filesystem::path>> notUndone;
};

class OutputSet {
 public:
  explicit OutputSet(FileSystem& files) : files_(files) {}
  // Removes every new file and folder that was not moved in.
  ~OutputSet();
  OutputSet(const OutputSet&) = delete;
  OutputSet& operator=(const OutputSet&) = delete;

  // A new file for the place of `target`, to be written into.
  Replacement& File(const std::filesystem::path& target);

  // A new folder for the place of the folder `target`, and its files.
  class Folder {
   public:
    // Writes the file `name` into the new folder; after a failure, files are
    // skipped and the set tells it.
    void Write(const std::filesystem::path& name, std::string_view bytes);

   private:
    friend class OutputSet;
    FileSystem* files_ = nullptr;
    std::filesystem::path target_;
    std::filesystem::path fresh_;  // empty: none made, or no longer ours
    std::optional<SetFailure> failure_;
  };
  Folder& NewFolder(const std::filesystem::path& target);

  // Moves every new output in, or none. Nothing when all are in.
  std::optional<SetFailure> Commit();

  // After Commit: earlier outputs that could not be removed, under the names
  // they were moved aside to.
  const std::vector<std::filesystem::path>& Leftovers() const { return leftovers_; }

 private:
  struct Entry {
    std::filesystem::path target;
    std::filesystem::path fresh;
    bool folder = false;
  };
  // Moves the entry in; `aside` is where the earlier output went.
  std::optional<SetFailure> MoveIn(const Entry& entry, std::optional<std::filesystem::path>& aside);

  FileSystem& files_;
  std::vector<std::unique_ptr<Replacement>> newFiles_;
  std::vector<std::unique_ptr<Folder>> newFolders_;
  std::vector<std::filesystem::path> leftovers_;
};

}  // namespace files
