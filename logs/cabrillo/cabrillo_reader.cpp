#include "logs/cabrillo/cabrillo_reader.h"

#include <array>
#include <charconv>
#include <map>

#include "logs/cabrillo/qso_line.h"
#include "logs/file/repair_list.h"
#include "logs/text/ascii.h"
#include "logs/text/log_encoding.h"

namespace logs {
namespace {

// The CATEGORY-* tags of Cabrillo 3.0, in the order they make up a category.
constexpr std::array<std::string_view, 6> kCategoryTags = {
    "CATEGORY-OPERATOR", "CATEGORY-ASSISTED", "CATEGORY-BAND",
    "CATEGORY-MODE",     "CATEGORY-POWER",    "CATEGORY-TRANSMITTER"};

std::string Where(std::uint32_t line) { return "line " + std::to_string(line); }

class CabrilloReading {
 public:
  CabrilloReading(std::string_view bytes, LogFile& log)
      : log_(log), encoding_(DetectEncoding(bytes)) {
    log_.encoding = encoding_;
  }

  void Line(std::string_view line, std::uint32_t number) {
    if (line.size() > kMaxCabrilloLine) {
      repairs_.Add(Where(number), "a line longer than " + std::to_string(kMaxCabrilloLine) +
                                      " characters, not read");
      return;
    }
    const std::string_view text = Trimmed(line);
    if (text.empty()) return;
    const std::size_t colon = text.find(':');
    const std::string tag = UpperCopy(text.substr(0, colon));
    const std::string_view value =
        colon == std::string_view::npos ? std::string_view{} : Trimmed(text.substr(colon + 1));
    if (colon == std::string_view::npos || tag.find(' ') != std::string::npos) {
      repairs_.Add(Where(number), "a line that is not a Cabrillo tag, passed over");
    } else if (tag == "QSO" || tag == "X-QSO") {
      if (ended_) repairs_.Add(Where(number), "QSO lines after END-OF-LOG, read");
      Qso(text, number, tag == "X-QSO");
    } else if (!ended_) {
      Header(tag, value, number);
    }
  }

  void Repair(std::uint32_t number, std::string what) { repairs_.Add(Where(number), std::move(what)); }

  void Finish() {
    if (!started_) repairs_.Add("the file", "no START-OF-LOG line");
    if (!ended_) repairs_.Add("the file", "no END-OF-LOG line");
    if (log_.format.empty()) log_.format = "Cabrillo";
    if (log_.ownCall.empty() && !ownCalls_.empty()) {
      log_.ownCall = MostCommonOwnCall();
      repairs_.Add("the header", "no CALLSIGN: the call of the QSO lines taken");
    } else if (ownCalls_.size() > 1 || (ownCalls_.size() == 1 && !ownCalls_.count(log_.ownCall))) {
      repairs_.Add("the QSO lines", "another own call than CALLSIGN in QSO lines");
    }
    if (log_.category.empty()) log_.category = JoinedCategory();
    const std::vector<std::string> lines = repairs_.Lines();
    log_.repairs.insert(log_.repairs.end(), lines.begin(), lines.end());
  }

 private:
  void Header(const std::string& tag, std::string_view value, std::uint32_t number) {
    if (tag == "START-OF-LOG") {
      started_ = true;
      log_.format = "Cabrillo " + std::string(value);
    } else if (tag == "END-OF-LOG") {
      ended_ = true;
    } else if (tag == "CALLSIGN") {
      log_.ownCall = UpperCopy(value);
    } else if (tag == "CATEGORY") {
      log_.category = ToUtf8(value, encoding_);
    } else if (tag == "NAME") {
      log_.name = ToUtf8(value, encoding_);
    } else if (tag == "CLAIMED-SCORE") {
      ClaimedScore(value, number);
    } else {
      for (std::size_t i = 0; i < kCategoryTags.size(); ++i) {
        if (tag == kCategoryTags[i]) categoryParts_[i] = ToUtf8(value, encoding_);
      }
    }
  }

  void ClaimedScore(std::string_view value, std::uint32_t number) {
    std::string digits;
    for (const char c : value) {
      if (c != ',' && c != ' ' && c != '.') digits += c;
    }
    std::int64_t score = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), score);
    if (error == std::errc() && end == digits.data() + digits.size() && !digits.empty()) {
      if (digits != value) repairs_.Add(Where(number), "CLAIMED-SCORE with separators");
      log_.claimed = score;
    } else if (!value.empty()) {
      repairs_.Add(Where(number), "CLAIMED-SCORE that is not a number, not taken");
    }
  }

  void Qso(std::string_view text, std::uint32_t number, bool excluded) {
    QsoLineReading reading = ReadQsoLine(text, number);
    for (std::string& repair : reading.repairs) repairs_.Add(Where(number), std::move(repair));
    if (reading.refusal) {
      repairs_.Add(Where(number), *reading.refusal + ", not read");
      return;
    }
    if (!reading.qso.ownCall.empty()) ++ownCalls_[UpperCopy(reading.qso.ownCall)];
    log_.qsos.push_back(
        LoggedQsoOf(reading.qso, number, reading.toTheMinute, reading.cabrilloMode));
    log_.qsos.back().excluded = excluded;
  }

  std::string MostCommonOwnCall() const {
    auto best = ownCalls_.begin();
    for (auto it = ownCalls_.begin(); it != ownCalls_.end(); ++it) {
      if (it->second > best->second) best = it;
    }
    return best->first;
  }

  std::string JoinedCategory() const {
    std::string category;
    for (const std::string& part : categoryParts_) {
      if (part.empty()) continue;
      if (!category.empty()) category += ' ';
      category += part;
    }
    return category;
  }

  LogFile& log_;
  const TextEncoding encoding_;
  RepairList repairs_;
  bool started_ = false;
  bool ended_ = false;
  std::map<std::string, std::size_t> ownCalls_;
  std::array<std::string, kCategoryTags.size()> categoryParts_;
};

}  // namespace

void ReadCabrillo(std::string_view bytes, LogFile& log) {
  CabrilloReading reading(bytes, log);
  std::uint32_t number = 0;
  std::size_t begin = 0;
  while (begin < bytes.size()) {
    // A line ends in CR LF, LF or a lone CR, and a file may mix them.
    std::size_t end = bytes.find_first_of("\r\n", begin);
    if (end == std::string_view::npos) end = bytes.size();
    reading.Line(bytes.substr(begin, end - begin), ++number);
    begin = end + 1;
    if (end < bytes.size() && bytes[end] == '\r') {
      if (begin < bytes.size() && bytes[begin] == '\n') {
        ++begin;
      } else if (begin < bytes.size()) {
        reading.Repair(number, "lines ended by a lone CR, read as line ends");
      }
    }
  }
  reading.Finish();
}

}  // namespace logs
