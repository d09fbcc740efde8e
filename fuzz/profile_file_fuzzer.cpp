// The profile (INI) file reader and writer of the portable build: random
// values written under random keys and sections of a file that starts with
// random bytes, then read back.
//
// - A value without blanks or a quote at its ends and without CR or LF reads
//   back exactly, also after later writes of other keys.
// - A write with CR, LF or NUL in its section, key or value is refused and
//   leaves the file's bytes as they were.
// - Any other write changes the file by exactly one line (a key line replaced
//   or inserted) or adds a section header and its key line at the end; every
//   other line stays byte for byte, and every line then ends in CR LF.
//
// Keys never begin with "[": such a line would read as a section header, as it
// does for the system's own functions; the plug-in writes only fixed key names.

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "fuzz/fuzz_input.h"
#include "fuzz/require.h"
#include "stats/platform/profile_file.h"
#include "tests/support/temp_dir.h"

namespace {

constexpr char kPath[] = "Plugins/ZORVA.ini";

using fuzz::Require;

std::optional<std::string> FileBytes() {
  if (!std::filesystem::exists(kPath)) return std::nullopt;
  return stats::testing::ReadFileBytes(kPath);
}

// Lines as a text file has them: split at LF, one CR at the end of each line
// dropped (also at the end of the file); the empty piece after a final LF is
// no line.
std::vector<std::string> Lines(std::string_view bytes) {
  std::vector<std::string> lines;
  while (!bytes.empty()) {
    const std::size_t end = bytes.find('\n');
    std::string_view line = bytes.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.emplace_back(line);
    if (end == std::string_view::npos) break;
    bytes.remove_prefix(end + 1);
  }
  return lines;
}

// One line replaced or inserted, or two appended.
bool ChangedByOneWrite(const std::vector<std::string>& before,
                       const std::vector<std::string>& after) {
  std::size_t prefix = 0;
  while (prefix < before.size() && prefix < after.size() && before[prefix] == after[prefix]) {
    ++prefix;
  }
  std::size_t suffix = 0;
  while (suffix < before.size() - prefix && suffix < after.size() - prefix &&
         before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix]) {
    ++suffix;
  }
  const std::size_t removed = before.size() - prefix - suffix;
  const std::size_t added = after.size() - prefix - suffix;
  if (removed == added) return removed <= 1;
  if (removed == 0 && added == 1) return true;
  return removed == 0 && added == 2 && prefix == before.size();
}

bool AllLinesEndInCrLf(std::string_view bytes) {
  if (bytes.empty()) return true;
  if (bytes.size() < 2 || bytes.substr(bytes.size() - 2) != "\r\n") return false;
  for (std::size_t at = bytes.find('\n'); at != std::string_view::npos;
       at = bytes.find('\n', at + 1)) {
    if (at == 0 || bytes[at - 1] != '\r') return false;
  }
  return true;
}

constexpr std::string_view kBlanks = " \t\v\f\r\n";

std::string Normal(std::string_view name) {
  const std::size_t first = name.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  std::string normal(name.substr(first, name.find_last_not_of(kBlanks) - first + 1));
  for (char& c : normal) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return normal;
}

bool BreaksLines(std::string_view text) {
  return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

// A value that the file gives back as it was written.
bool RoundTrips(std::string_view value) {
  if (BreaksLines(value)) return false;
  if (value.empty()) return true;
  const auto plain = [](char c) { return kBlanks.find(c) == std::string_view::npos; };
  return plain(value.front()) && plain(value.back()) && value.front() != '"' &&
         value.front() != '\'';
}

// Names from a small alphabet, mixed case, sometimes with blanks around.
std::string PlainName(fuzz::FuzzInput& input) {
  static constexpr std::string_view kAlphabet = "AbCzS09 _.-";
  std::string name;
  const std::size_t length = input.Byte() % 6;
  for (std::size_t i = 0; i < length; ++i) name += kAlphabet[input.Byte() % kAlphabet.size()];
  return name;
}

std::string WildName(fuzz::FuzzInput& input) {
  std::string name = input.ShortText();
  if (Normal(name).rfind('[', 0) == 0) name.insert(name.begin(), 'k');
  return name;
}

using Entries = std::map<std::pair<std::string, std::string>, std::string>;

void CheckEntries(const Entries& entries) {
  for (const auto& [where, value] : entries) {
    Require(stats::ReadProfileFile(kPath, where.first, where.second, "\x01", 20000) == value,
            "a written value reads back");
  }
}

void RunCase(stats::Platform& platform, fuzz::FuzzInput& input) {
  if (input.Bool()) stats::testing::WriteFileBytes(kPath, input.Bytes(input.Byte() * 8u));
  Entries entries;  // by the names as written; reads go by those names
  std::map<std::pair<std::string, std::string>, std::pair<std::string, std::string>> byNormal;

  while (!input.Empty()) {
    const bool plain = input.Bool();
    const std::string section = plain ? PlainName(input) : WildName(input);
    const std::string key = plain ? PlainName(input) : WildName(input);
    const std::string value = input.ShortText();
    const std::optional<std::string> before = FileBytes();

    const bool written = stats::WriteProfileFile(platform, kPath, section, key, value);
    const std::optional<std::string> after = FileBytes();
    if (BreaksLines(section) || BreaksLines(key) || BreaksLines(value)) {
      Require(!written, "a text with a line break is refused");
      Require(after == before, "a refused write leaves the file as it was");
      continue;
    }
    Require(written && after.has_value(), "a write into a writable folder succeeds");
    Require(AllLinesEndInCrLf(*after), "every line ends in CR LF");
    Require(ChangedByOneWrite(Lines(before.value_or("")), Lines(*after)),
            "a write changes one key line and keeps every other line");

    // Only plain sections are sure to be found again under their own name: a
    // wild one may hold "]" and read as a shorter name.
    const auto normal = std::make_pair(Normal(section), Normal(key));
    if (const auto known = byNormal.find(normal); known != byNormal.end()) {
      entries.erase(known->second);
      byNormal.erase(known);
    }
    if (plain && RoundTrips(value)) {
      entries[{section, key}] = value;
      byNormal[normal] = {section, key};
    }
    CheckEntries(entries);

    const std::size_t bufferSize = input.Byte();
    const std::string cut = stats::ReadProfileFile(kPath, section, key, "", bufferSize);
    Require(cut.size() + 1 <= std::max<std::size_t>(bufferSize, 1),
            "a read fits its buffer with the zero");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // libFuzzer gives no context: the folder lives as long as the process.
  static const stats::testing::ScopedWorkingDirectory folder;
  static const std::unique_ptr<stats::Platform> platform = stats::MakeSystemPlatform();
  folder.Clear();
  std::filesystem::create_directory("Plugins");
  fuzz::FuzzInput input(data, size);
  RunCase(*platform, input);
  return 0;
}
