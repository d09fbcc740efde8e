#pragma once

// A participant's file read as a log of either format, recognised by its
// bytes: Cabrillo (START-OF-LOG, or QSO lines) or ADIF (tags). A file that can
// not be read, is not a text file, is in neither format or holds no QSO gets a
// failure that says so; nothing here throws for a bad file.

#include <filesystem>
#include <string_view>

#include "logs/file/log_file.h"

namespace logs {

// Logs larger than this are not read.
inline constexpr std::uintmax_t kMaxLogBytes = std::uintmax_t{256} << 20;

LogFile ReadLogFile(const std::filesystem::path& path);

// The same for bytes already read.
LogFile ReadLogBytes(const std::filesystem::path& path, std::string_view bytes);

}  // namespace logs
