#pragma once

// A folder made with every folder above it that is missing, also for a
// "\\?\" path, whose root std::filesystem::create_directories does not find.

#include <filesystem>
#include <system_error>

#include "files/file_system.h"

namespace files {

// Nothing when the folder is there afterwards.
std::error_code CreateFolders(FileSystem& files, const std::filesystem::path& folder);

}  // namespace files
