#include "stats-host/dropped_log.h"

#include <string>
#include <system_error>

namespace stats_host {
namespace {

constexpr int kMostFolders = 1000;

}  // namespace

std::filesystem::path NewFolderBeside(const std::filesystem::path& log) {
  const std::filesystem::path absolute = std::filesystem::absolute(log);
  const std::filesystem::path stem = absolute.stem();
  std::filesystem::path folder = absolute.parent_path() / stem;
  for (int number = 2; number <= kMostFolders; ++number) {
    // A name that can not be looked at is taken as free: the run then says
    // why the folder can not be used.
    std::error_code error;
    if (!std::filesystem::exists(std::filesystem::symlink_status(folder, error))) return folder;
    folder = absolute.parent_path() / stem;
    folder += " (" + std::to_string(number) + ")";
  }
  return folder;
}

Options DroppedLogOptions(const std::filesystem::path& log) {
  Options options;
  options.run.adifFile = log;
  options.run.workingFolder = NewFolderBeside(log);
  std::filesystem::path page = options.run.workingFolder / log.stem();
  page += ".html";
  options.run.htmlFile = page;
  return options;
}

}  // namespace stats_host
