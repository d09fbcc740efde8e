#include "crosscheck/categories_file.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <utility>

#include "logs/text/ascii.h"
#include "stats/rules/entry_category.h"

namespace crosscheck {
namespace {

std::string_view Unquoted(std::string_view field) {
  field = logs::Trimmed(field);
  if (field.size() >= 2 && field.front() == '"' && field.back() == '"') {
    field = logs::Trimmed(field.substr(1, field.size() - 2));
  }
  return field;
}

std::string Categories() {
  std::string list;
  for (const std::string_view category : stats::kEntryCategories) {
    list += (list.empty() ? "" : ", ") + std::string(category);
  }
  return list;
}

}  // namespace

CategoriesFile ParseCategories(std::string_view text) {
  CategoriesFile file;
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  bool first = true;
  std::size_t number = 0;
  while (!text.empty()) {
    const std::size_t end = std::min(text.find_first_of("\r\n"), text.size());
    const std::string_view line = logs::Trimmed(text.substr(0, end));
    text.remove_prefix(end);
    if (text.starts_with("\r\n")) text.remove_prefix(1);
    if (!text.empty()) text.remove_prefix(1);
    ++number;
    if (line.empty() || line.starts_with('#')) continue;
    const auto problem = [&](const std::string& what) {
      file.problem = "line " + std::to_string(number) + ": " + what;
      return file;
    };
    const std::size_t comma = line.find_first_of(",;");
    if (comma == std::string_view::npos) return problem("not CALL,CATEGORY");
    const std::string call = logs::UpperCopy(Unquoted(line.substr(0, comma)));
    const std::string_view written = Unquoted(line.substr(comma + 1));
    const bool header = std::exchange(first, false) && call == "CALL";
    if (header) continue;
    const auto category = stats::EntryCategoryOf(written);
    if (call.empty()) return problem("no call");
    if (!category) {
      return problem("\"" + std::string(written) + "\" is none of the categories " + Categories());
    }
    const auto [at, added] = file.byCall.emplace(call, *category);
    if (!added && at->second != *category)
      return problem(call + " a second time, in another category");
  }
  return file;
}

CategoriesFile ReadCategoriesFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  const std::string bytes(std::istreambuf_iterator<char>(in), {});
  if (!in.is_open() || in.bad()) {
    CategoriesFile file;
    file.problem = "can not be read";
    return file;
  }
  return ParseCategories(bytes);
}

}  // namespace crosscheck
