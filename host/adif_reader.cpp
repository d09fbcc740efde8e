#include "host/adif_reader.h"

#include <algorithm>
#include <optional>

#include "host/ascii.h"

namespace host {
namespace {

constexpr std::string_view kEndOfHeader = "EOH";
constexpr std::string_view kEndOfRecord = "EOR";

std::string Describe(std::size_t record, std::size_t offset, const std::string& reason) {
  return "record " + std::to_string(record) + ", byte " + std::to_string(offset) + ": " + reason;
}

// Where the records begin: after the header's <EOH> when the file has a header.
std::size_t BodyStart(std::string_view bytes) {
  if (bytes.empty() || bytes.front() == '<') return 0;
  const std::string marker = "<EOH>";
  const auto found = std::search(bytes.begin(), bytes.end(), marker.begin(), marker.end(),
                                 [](char a, char b) { return ToUpper(a) == b; });
  // Without <EOH> the text before the first tag is ignored like any text between fields.
  return found == bytes.end() ? 0 : static_cast<std::size_t>(found - bytes.begin()) + marker.size();
}

// The length of a data specifier: decimal digits only. Nothing when it is not a
// number; a number too large to be a length in this file is capped just above it.
std::optional<std::size_t> ParseLength(std::string_view text, std::size_t fileSize) {
  if (text.empty()) return std::nullopt;
  std::size_t value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = std::min(value * 10 + static_cast<std::size_t>(c - '0'), fileSize + 1);
  }
  return value;
}

class Parser {
 public:
  explicit Parser(std::string_view bytes) : bytes_(bytes), pos_(BodyStart(bytes)) {}

  AdifLog Run() {
    while (true) {
      const std::size_t open = bytes_.find('<', pos_);
      if (open == std::string_view::npos) break;
      ReadTag(open);
    }
    if (!current_.fields.empty()) {
      current_.terminated = false;
      Finish();
    }
    return std::move(log_);
  }

 private:
  void ReadTag(std::size_t open) {
    const std::size_t close = bytes_.find_first_of("<>", open + 1);
    if (close == std::string_view::npos || bytes_[close] == '<') {
      Fail(open, "the tag never closes (no \">\" before the next \"<\" or the end of the file)");
    }
    const std::string_view inside = bytes_.substr(open + 1, close - open - 1);
    const std::size_t colon = inside.find(':');
    const std::string name = UpperCopy(inside.substr(0, colon));
    pos_ = close + 1;

    if (name.empty()) Fail(open, "a tag without a name: <" + std::string(inside) + ">");
    if (name == kEndOfRecord) return Finish();
    if (name == kEndOfHeader) return EndHeader(open);
    if (colon == std::string_view::npos) {
      Fail(open, "the tag <" + std::string(inside) + "> has no length (<NAME:LENGTH>)");
    }
    const std::string_view lengthAndType = inside.substr(colon + 1);
    const std::string_view lengthText = lengthAndType.substr(0, lengthAndType.find(':'));
    const auto length = ParseLength(lengthText, bytes_.size());
    if (!length) {
      Fail(open, "the length in <" + std::string(inside) + "> is not a decimal number");
    }
    if (*length > bytes_.size() - pos_) {
      Fail(open, "the value of <" + std::string(inside) + "> runs past the end of the file");
    }
    if (current_.fields.empty()) current_.offset = open;
    current_.fields.push_back(AdifField{name, std::string(bytes_.substr(pos_, *length))});
    pos_ += *length;
  }

  void Finish() {
    if (current_.fields.empty()) return;
    current_.number = log_.records.size() + 1;
    log_.records.push_back(std::move(current_));
    current_ = AdifRecord{};
  }

  // Some programs write header fields without header text, so the file begins
  // with "<": whatever came before an <EOH> in the first record was header.
  void EndHeader(std::size_t open) {
    if (!log_.records.empty()) Fail(open, "<EOH> after the first record");
    current_ = AdifRecord{};
  }

  [[noreturn]] void Fail(std::size_t offset, const std::string& reason) const {
    throw AdifSyntaxError(log_.records.size() + 1, offset, reason);
  }

  std::string_view bytes_;
  std::size_t pos_;
  AdifRecord current_;
  AdifLog log_;
};

}  // namespace

const std::string* AdifRecord::Find(std::string_view name) const {
  const auto found = std::find_if(fields.begin(), fields.end(),
                                  [&](const AdifField& field) { return field.name == name; });
  return found == fields.end() ? nullptr : &found->value;
}

AdifSyntaxError::AdifSyntaxError(std::size_t record, std::size_t offset, const std::string& reason)
    : std::runtime_error(Describe(record, offset, reason)), record_(record), offset_(offset) {}

AdifLog ParseAdif(std::string_view bytes) { return Parser(bytes).Run(); }

}  // namespace host
