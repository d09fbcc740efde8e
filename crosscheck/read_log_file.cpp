#include "crosscheck/read_log_file.h"

#include <algorithm>
#include <fstream>
#include <string_view>
#include <system_error>

#include "crosscheck/adif/adif_log.h"
#include "crosscheck/cabrillo/cabrillo_reader.h"
#include "host/ascii.h"

namespace crosscheck {
namespace {

enum class Format { kCabrillo, kAdif, kUnknown };

std::optional<std::string> ReadBytes(const std::filesystem::path& path, std::string& bytes) {
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (error) return "can not be read: " + error.message();
  if (size > kMaxLogBytes) return "larger than " + std::to_string(kMaxLogBytes >> 20) + " MiB";
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::string("can not be opened");
  bytes.resize(static_cast<std::size_t>(size));
  file.read(bytes.data(), static_cast<std::streamsize>(size));
  if (static_cast<std::uintmax_t>(file.gcount()) != size) return std::string("can not be read");
  return std::nullopt;
}

// Text files hold no NUL and few other control bytes.
bool LooksBinary(std::string_view bytes) {
  const std::string_view start = bytes.substr(0, 1 << 16);
  std::size_t control = 0;
  for (const char c : start) {
    if (c == '\0') return true;
    if (host::IsControlByte(c) && c != '\t' && c != '\r' && c != '\n' && c != '\x1A') ++control;
  }
  return control * 20 > start.size();
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && host::UpperCopy(text.substr(0, prefix.size())) == prefix;
}

Format FormatOf(std::string_view bytes) {
  const std::string_view text = host::Trimmed(bytes);
  if (StartsWithNoCase(text, "START-OF-LOG")) return Format::kCabrillo;
  const std::string upper = host::UpperCopy(bytes.substr(0, 1 << 16));
  if (text.starts_with('<') || upper.find("<EOH>") != std::string::npos ||
      upper.find("<EOR>") != std::string::npos) {
    return Format::kAdif;
  }
  if (upper.starts_with("QSO:") || upper.find("\nQSO:") != std::string::npos) {
    return Format::kCabrillo;
  }
  return Format::kUnknown;
}

}  // namespace

LogFile ReadLogFile(const std::filesystem::path& path) {
  LogFile log;
  log.path = path;
  std::string bytes;
  log.failure = ReadBytes(path, bytes);
  if (log.failure) return log;
  std::string_view text = bytes;
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  if (host::Trimmed(text).empty()) {
    log.failure = "an empty file";
  } else if (LooksBinary(text)) {
    log.failure = "not a text file";
  } else {
    switch (FormatOf(text)) {
      case Format::kCabrillo:
        ReadCabrillo(text, log);
        break;
      case Format::kAdif:
        ReadAdif(text, log);
        break;
      case Format::kUnknown:
        log.failure = "neither a Cabrillo nor an ADIF log";
        break;
    }
  }
  for (std::string& repair : log.repairs) repair = ToUtf8(repair, log.encoding);
  if (!log.failure && log.qsos.empty()) {
    log.failure = log.repairs.empty() ? "a header without QSO lines"
                                      : "no QSO line could be read (see the repairs)";
  }
  if (!log.failure && log.ownCall.empty()) {
    log.ownCall = host::UpperCopy(path.stem().string());
    log.repairs.push_back("the file: no own call in the log, the file's name taken");
  }
  return log;
}

}  // namespace crosscheck
