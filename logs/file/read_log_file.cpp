#include "logs/file/read_log_file.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <string_view>
#include <system_error>

#include "files/utf8_path.h"
#include "logs/adif/adif_log.h"
#include "logs/bytes/byte_source.h"
#include "logs/bytes/utf16_bytes.h"
#include "logs/cabrillo/cabrillo_reader.h"
#include "logs/text/ascii.h"

namespace logs {
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
    if (IsControlByte(c) && c != '\t' && c != '\r' && c != '\n' && c != '\x1A') ++control;
  }
  return control * 20 > start.size();
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && UpperCopy(text.substr(0, prefix.size())) == prefix;
}

Format FormatOf(std::string_view bytes) {
  const std::string_view text = Trimmed(bytes);
  if (StartsWithNoCase(text, "START-OF-LOG")) return Format::kCabrillo;
  const std::string upper = UpperCopy(bytes.substr(0, 1 << 16));
  if (text.starts_with('<') || upper.find("<EOH>") != std::string::npos ||
      upper.find("<EOR>") != std::string::npos) {
    return Format::kAdif;
  }
  if (upper.starts_with("QSO:") || upper.find("\nQSO:") != std::string::npos) {
    return Format::kCabrillo;
  }
  return Format::kUnknown;
}

// A log saved as UTF-16, as the UTF-8 it holds, read as stats-host reads it;
// why not where a character breaks off.
std::optional<std::string> Utf8OfUtf16(std::string_view bytes, Utf16Order order,
                                       std::string& utf8) {
  MemoryBytes raw(bytes);
  Utf16AsUtf8 converted(raw, order);
  std::array<char, 1 << 16> block;
  try {
    for (std::size_t count; (count = converted.Read(block.data(), block.size())) > 0;) {
      utf8.append(block.data(), count);
    }
  } catch (const ReadError& error) {
    return std::string("can not be read: ") + error.what();
  }
  return std::nullopt;
}

// Every text of the log in UTF-8, as the outputs want them.
void InUtf8(LogFile& log) {
  const auto convert = [&](std::string& text) {
    if (std::any_of(text.begin(), text.end(), [](char c) { return c & 0x80; })) {
      text = ToUtf8(text, log.encoding);
    }
  };
  for (std::string& repair : log.repairs) convert(repair);
  convert(log.ownCall);
  for (LoggedQso& qso : log.qsos) {
    convert(qso.call);
    convert(qso.sent);
    convert(qso.received);
  }
}

}  // namespace

LogFile ReadLogFile(const std::filesystem::path& path) {
  std::string bytes;
  if (auto failure = ReadBytes(path, bytes)) {
    LogFile log;
    log.path = path;
    log.failure = std::move(failure);
    return log;
  }
  return ReadLogBytes(path, bytes);
}

LogFile ReadLogBytes(const std::filesystem::path& path, std::string_view bytes) {
  LogFile log;
  log.path = path;
  std::string_view text = bytes;
  std::string fromUtf16;
  if (const auto order = Utf16OrderOf(bytes)) {
    log.repairs.push_back("the file: UTF-16, read as the UTF-8 it holds");
    if ((log.failure = Utf8OfUtf16(bytes, *order, fromUtf16))) return log;
    text = fromUtf16;
  }
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  if (Trimmed(text).empty()) {
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
  InUtf8(log);
  if (!log.failure && log.qsos.empty()) {
    const bool refused =
        std::any_of(log.repairs.begin(), log.repairs.end(),
                    [](const std::string& repair) { return repair.ends_with(", not read"); });
    log.failure = refused ? "no QSO line could be read (see the repairs)" : "no QSO lines";
  }
  if (!log.failure && log.ownCall.empty()) {
    log.ownCall = UpperCopy(files::Utf8OfPath(path.stem()));
    log.repairs.push_back("the file: no own call in the log, the file's name taken");
  }
  return log;
}

}  // namespace logs
