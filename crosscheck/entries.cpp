#include "crosscheck/entries.h"

#include <fstream>
#include <nlohmann/json.hpp>

#include "files/utf8_path.h"
#include "logs/text/ascii.h"

namespace crosscheck {
namespace {

std::string TextOf(const nlohmann::json& object, const char* key) {
  const auto value = object.find(key);
  if (value == object.end() || value->is_null()) return {};
  return value->get<std::string>();
}

}  // namespace

std::variant<Entries, std::string> ReadEntries(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::string("can not be opened");
  Entries entries;
  std::string line;
  for (int number = 1; std::getline(file, line); ++number) {
    if (logs::Trimmed(line).empty()) continue;
    try {
      const nlohmann::json object = nlohmann::json::parse(line);
      std::string name = TextOf(object, "file");
      if (name.empty()) return "line " + std::to_string(number) + ": no \"file\"";
      entries[std::move(name)] = Entry{TextOf(object, "call"), TextOf(object, "category")};
    } catch (const nlohmann::json::exception& error) {
      return "line " + std::to_string(number) + ": " + error.what();
    }
  }
  return entries;
}

void ApplyEntry(const Entries& entries, logs::LogFile& log) {
  if (log.failure) return;
  const auto entry = entries.find(files::Utf8OfPath(log.path.filename()));
  if (entry == entries.end()) return;
  if (!entry->second.call.empty()) log.ownCall = logs::UpperCopy(entry->second.call);
  if (!entry->second.category.empty()) log.category = entry->second.category;
}

}  // namespace crosscheck
