#pragma once

// The organisers' file of entry categories (--categories): one line per
// call, "CALL,CATEGORY" (a ";" also parts them, as spreadsheets save them),
// the category in any form the logs may write it ("SOAB-MIXED-LP"). Blank
// lines, lines starting with "#" and a first line "call,category" are passed
// over.

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace crosscheck {

struct CategoriesFile {
  std::map<std::string, std::string> byCall;  // calls in capitals; stats::kEntryCategories
  std::optional<std::string> problem;         // why the file can not be used
};

CategoriesFile ParseCategories(std::string_view text);
CategoriesFile ReadCategoriesFile(const std::filesystem::path& path);

}  // namespace crosscheck
