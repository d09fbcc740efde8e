#include "stats/platform/profile_file.h"

#include <cerrno>
#include <cstdio>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "stats/platform/stdio_files.h"

namespace stats {
namespace {

constexpr std::string_view kBlanks = " \t\r\n\v\f";

std::string_view Trim(std::string_view text) {
  const auto first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  }
  return true;
}

// The name inside "[...]" when the line is a section header.
std::optional<std::string_view> SectionName(std::string_view line) {
  const std::string_view text = Trim(line);
  if (text.empty() || text.front() != '[') return std::nullopt;
  const auto close = text.find(']');
  if (close == std::string_view::npos) return std::nullopt;
  return Trim(text.substr(1, close - 1));
}

struct KeyLine {
  std::string_view name;
  std::string_view value;
};

// Name and value of a "name=value" line; comments and headers are no key lines.
std::optional<KeyLine> ParseKeyLine(std::string_view line) {
  const std::string_view text = Trim(line);
  if (text.empty() || text.front() == ';' || SectionName(text)) return std::nullopt;
  const auto equals = text.find('=');
  if (equals == std::string_view::npos) return std::nullopt;
  return KeyLine{Trim(text.substr(0, equals)), Trim(text.substr(equals + 1))};
}

std::string_view WithoutQuotes(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

std::vector<std::string> SplitLines(std::string_view content) {
  std::vector<std::string> lines;
  while (!content.empty()) {
    const auto end = content.find('\n');
    std::string_view line = content.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.emplace_back(line);
    if (end == std::string_view::npos) break;
    content.remove_prefix(end + 1);
  }
  return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string content;
  for (const auto& line : lines) {
    content += line;
    content += "\r\n";
  }
  return content;
}

// Lines [header + 1, end) are the body of the section whose header is at `header`.
struct SectionRange {
  std::size_t header = 0;
  std::size_t end = 0;
};

std::optional<SectionRange> FindSection(const std::vector<std::string>& lines,
                                        std::string_view section) {
  const std::string_view wanted = Trim(section);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const auto name = SectionName(lines[i]);
    if (!name || !EqualIgnoringCase(*name, wanted)) continue;
    std::size_t end = i + 1;
    while (end < lines.size() && !SectionName(lines[end])) ++end;
    return SectionRange{i, end};
  }
  return std::nullopt;
}

std::optional<std::size_t> FindKey(const std::vector<std::string>& lines, SectionRange range,
                                   std::string_view key) {
  const std::string_view wanted = Trim(key);
  for (std::size_t i = range.header + 1; i < range.end; ++i) {
    const auto keyLine = ParseKeyLine(lines[i]);
    if (keyLine && EqualIgnoringCase(keyLine->name, wanted)) return i;
  }
  return std::nullopt;
}

// Where a new key of the section goes: after its last key line, or after the
// header when it has none, so that blank lines and comments before the next
// section stay where they are.
std::size_t NewKeyPosition(const std::vector<std::string>& lines, SectionRange range) {
  std::size_t position = range.header + 1;
  for (std::size_t i = range.header + 1; i < range.end; ++i) {
    if (ParseKeyLine(lines[i])) position = i + 1;
  }
  return position;
}

void SetValue(std::vector<std::string>& lines, const std::string& section, const std::string& key,
              const std::string& value) {
  const auto range = FindSection(lines, section);
  if (!range) {
    lines.push_back("[" + section + "]");
    lines.push_back(key + "=" + value);
    return;
  }
  if (const auto at = FindKey(lines, *range, key)) {
    const std::string name(ParseKeyLine(lines[*at])->name);  // keeps the file's spelling
    lines[*at] = name + "=" + value;
    return;
  }
  lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(NewKeyPosition(lines, *range)),
               key + "=" + value);
}

enum class LoadStatus { kLoaded, kMissing, kFailed };

struct LoadedFile {
  LoadStatus status = LoadStatus::kFailed;
  std::string content;
};

LoadedFile Load(const std::string& path) {
  errno = 0;
  const UniqueFile file(std::fopen(path.c_str(), "rb"));
  if (!file) return {errno == ENOENT ? LoadStatus::kMissing : LoadStatus::kFailed, {}};
  LoadedFile loaded{LoadStatus::kLoaded, {}};
  char chunk[4096];
  std::size_t got = 0;
  while ((got = std::fread(chunk, 1, sizeof chunk, file.get())) > 0)
    loaded.content.append(chunk, got);
  if (std::ferror(file.get())) return {};
  return loaded;
}

bool BreaksLines(std::string_view text) {
  return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

}  // namespace

std::string ReadProfileFile(const std::string& path, const std::string& section,
                            const std::string& key, const std::string& defaultValue,
                            std::size_t bufferSize) {
  if (bufferSize == 0) return {};
  std::string result = defaultValue;
  while (!result.empty() && result.back() == ' ') result.pop_back();
  const LoadedFile file = Load(path);
  if (file.status == LoadStatus::kLoaded) {
    const auto lines = SplitLines(file.content);
    if (const auto range = FindSection(lines, section)) {
      if (const auto at = FindKey(lines, *range, key)) {
        result = WithoutQuotes(ParseKeyLine(lines[*at])->value);
      }
    }
  }
  if (result.size() > bufferSize - 1) result.resize(bufferSize - 1);
  return result;
}

bool WriteProfileFile(Platform& platform, const std::string& path, const std::string& section,
                      const std::string& key, const std::string& value) {
  if (BreaksLines(section) || BreaksLines(key) || BreaksLines(value)) return false;
  const LoadedFile file = Load(path);
  if (file.status == LoadStatus::kFailed) return false;
  auto lines = SplitLines(file.content);
  SetValue(lines, section, key, value);
  return platform.ReplaceWholeFile(path, JoinLines(lines));
}

}  // namespace stats
