#include "crosscheck/output/replaced_folder.h"

#include <system_error>

namespace crosscheck {
namespace {

namespace fs = std::filesystem;

fs::path WithSuffix(fs::path path, const char* suffix) {
  path += suffix;
  return path;
}

}  // namespace

ReplacedFolder::ReplacedFolder(fs::path folder)
    : folder_(std::move(folder)),
      fresh_(WithSuffix(folder_, ".tmp")),
      aside_(WithSuffix(folder_, ".old")) {
  std::error_code error;
  // A run that stopped between the two moves of Commit left the earlier set aside.
  if (!fs::exists(folder_, error) && !error && fs::exists(aside_, error)) {
    fs::rename(aside_, folder_, error);
  }
  if (!error) fs::remove_all(fresh_, error);
  if (!error) fs::create_directory(fresh_, error);
  if (error) failure_ = "can not be made: " + error.message();
}

ReplacedFolder::~ReplacedFolder() {
  if (committed_) return;
  std::error_code ignored;
  fs::remove_all(fresh_, ignored);
}

std::optional<std::string> ReplacedFolder::Commit() {
  if (failure_) return failure_;
  std::error_code error;
  fs::remove_all(aside_, error);
  const bool earlier = !error && fs::exists(folder_, error);
  if (earlier) fs::rename(folder_, aside_, error);
  if (error) return "the earlier folder could not be moved aside: " + error.message();
  fs::rename(fresh_, folder_, error);
  if (error) {
    std::error_code ignored;
    if (earlier) fs::rename(aside_, folder_, ignored);
    return "could not replace the earlier folder: " + error.message();
  }
  committed_ = true;
  fs::remove_all(aside_, error);  // a leftover is removed by the next run
  return std::nullopt;
}

}  // namespace crosscheck
