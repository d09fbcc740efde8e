#include "files/output_set.h"

#include <utility>

#include "files/unique_name.h"

namespace files {
namespace {

namespace fs = std::filesystem;

SetFailure Failed(const fs::path& target, WriteFailure::Step step, std::error_code error) {
  return SetFailure{target, WriteFailure{step, error}, {}};
}

}  // namespace

OutputSet::~OutputSet() {
  for (const auto& folder : newFolders_) {
    if (!folder->fresh_.empty()) files_.Remove(folder->fresh_);
  }
}

Replacement& OutputSet::File(const fs::path& target) {
  return *newFiles_.emplace_back(std::make_unique<Replacement>(files_, target));
}

OutputSet::Folder& OutputSet::NewFolder(const fs::path& target) {
  Folder& folder = *newFolders_.emplace_back(std::make_unique<Folder>());
  folder.files_ = &files_;
  folder.target_ = target;
  const std::error_code error = MakeBeside(
      target, kTemporaryEnding, [&](const fs::path& name) { return files_.CreateFolder(name); },
      folder.fresh_);
  if (error) folder.failure_ = Failed(target, WriteFailure::Step::kCreate, error);
  return folder;
}

void OutputSet::Folder::Write(const fs::path& name, std::string_view bytes) {
  if (failure_) return;
  std::unique_ptr<WritingFile> file;
  if (const std::error_code error = files_->CreateNewFile(fresh_ / name, file)) {
    failure_ = Failed(target_ / name, WriteFailure::Step::kCreate, error);
    return;
  }
  std::error_code error = file->Write(bytes);
  if (!error) error = file->Close();
  if (error) failure_ = Failed(target_ / name, WriteFailure::Step::kWrite, error);
}

std::optional<SetFailure> OutputSet::MoveIn(const Entry& entry, std::optional<fs::path>& aside) {
  using Step = WriteFailure::Step;
  std::error_code error;
  const fs::file_status earlier = fs::symlink_status(entry.target, error);
  if (earlier.type() == fs::file_type::not_found) {
    error = files_.Move(entry.fresh, entry.target, false);
    if (error) return Failed(entry.target, Step::kReplace, error);
    return std::nullopt;
  }
  if (error) return Failed(entry.target, Step::kReplace, error);
  // A folder never makes way for a file, nor a file for a folder: what is
  // moved aside is removed in the end.
  if (entry.folder != (earlier.type() == fs::file_type::directory)) {
    const auto kind = entry.folder ? std::errc::not_a_directory : std::errc::is_a_directory;
    return Failed(entry.target, Step::kReplace, std::make_error_code(kind));
  }
  fs::path away;
  error = MakeBeside(
      entry.target, ".old",
      [&](const fs::path& name) { return files_.Move(entry.target, name, false); }, away);
  if (error) return Failed(entry.target, Step::kReplace, error);
  error = files_.Move(entry.fresh, entry.target, false);
  if (!error) {
    aside = away;
    return std::nullopt;
  }
  SetFailure failure = Failed(entry.target, Step::kReplace, error);
  if (files_.Move(away, entry.target, false)) failure.notUndone.emplace_back(entry.target, away);
  return failure;
}

std::optional<SetFailure> OutputSet::Commit() {
  for (const auto& file : newFiles_) {
    if (auto failure = file->Finish()) return Failed(file->Target(), failure->step, failure->error);
  }
  for (const auto& folder : newFolders_) {
    if (folder->failure_) return folder->failure_;
  }
  // Whole, every one: from here on the set answers for the new outputs.
  std::vector<Entry> entries;
  for (const auto& file : newFiles_) entries.push_back({file->Target(), file->Release(), false});
  for (const auto& folder : newFolders_) {
    entries.push_back({folder->target_, std::exchange(folder->fresh_, {}), true});
  }

  std::vector<std::optional<fs::path>> asides;
  for (std::size_t next = 0; next < entries.size(); ++next) {
    std::optional<fs::path> aside;
    std::optional<SetFailure> failure = MoveIn(entries[next], aside);
    if (!failure) {
      asides.push_back(std::move(aside));
      continue;
    }
    // Undone, last first: the new output back to its own name, the earlier
    // one back in its place.
    std::vector<bool> fresh(entries.size(), true);
    for (std::size_t done = next; done-- > 0;) {
      const Entry& entry = entries[done];
      fresh[done] = !files_.Move(entry.target, entry.fresh, false);
      if (asides[done] ? !fresh[done] || files_.Move(*asides[done], entry.target, false)
                       : !fresh[done]) {
        failure->notUndone.emplace_back(entry.target, asides[done].value_or(fs::path()));
      }
    }
    for (std::size_t i = 0; i < entries.size(); ++i) {
      if (fresh[i]) files_.Remove(entries[i].fresh);
    }
    return failure;
  }
  for (const auto& aside : asides) {
    if (aside && files_.Remove(*aside)) leftovers_.push_back(*aside);
  }
  return std::nullopt;
}

}  // namespace files
