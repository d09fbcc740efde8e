#include "logs/cabrillo/qso_line.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "logs/radio/band.h"
#include "logs/text/ascii.h"
#include "logs/time/qso_date.h"

namespace logs {
namespace {

enum Column { kFreq, kMode, kDate, kTime, kOwnCall, kRstSent, kSent, kCall, kRstRcvd, kReceived };
constexpr std::size_t kColumns = 10;
using Columns = std::array<std::string_view, kColumns>;

// Where each column begins and how wide it is in the fixed layout.
constexpr std::array<std::pair<std::size_t, std::size_t>, kColumns> kFixedColumns = {
    {{5, 5}, {11, 2}, {14, 10}, {25, 4}, {30, 13}, {44, 3}, {48, 6}, {55, 13}, {69, 3}, {73, 6}}};

// Cabrillo's band designators for the bands above 30 MHz, by the host's names.
constexpr std::array<std::pair<std::string_view, std::string_view>, 9> kDesignators = {
    {{"50", "6"},
     {"70", "4"},
     {"144", "2"},
     {"222", "1.25"},
     {"432", "70cm"},
     {"902", "33cm"},
     {"1.2G", "23cm"},
     {"2.3G", "13cm"},
     {"3.4G", "9cm"}}};

// The first words of the text, and how many words it has in all.
struct Words {
  std::array<std::string_view, kColumns + 1> first;
  std::size_t count = 0;
};

Words WordsOf(std::string_view text) {
  Words words;
  std::size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    const std::size_t begin = i;
    while (i < text.size() && text[i] != ' ' && text[i] != '\t') ++i;
    if (i == begin) break;
    if (words.count < words.first.size()) words.first[words.count] = text.substr(begin, i - begin);
    ++words.count;
  }
  return words;
}

// The fixed layout when the line has blanks exactly between its columns.
std::optional<Columns> FixedColumns(std::string_view line) {
  if (line.size() < kFixedColumns.back().first + 1) return std::nullopt;
  Columns columns;
  for (std::size_t c = 0; c < kColumns; ++c) {
    const auto [begin, width] = kFixedColumns[c];
    if (line[begin - 1] != ' ') return std::nullopt;
    columns[c] = Trimmed(line.substr(begin, width));
  }
  return columns;
}

std::optional<std::uint32_t> Number(std::string_view text) {
  std::uint32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

void ReadBand(std::string_view text, QsoLineReading& reading) {
  const std::string upper = UpperCopy(text);
  for (const auto& [designator, band] : kDesignators) {
    if (upper == designator) {
      reading.qso.band = band;
      return;
    }
  }
  if (const auto kilohertz = Number(text); kilohertz && *kilohertz <= UINT32_MAX / 1000) {
    if (auto band = BandForFrequency(*kilohertz * 1000)) {
      reading.qso.band = std::move(*band);
      return;
    }
  }
  const std::string named = HostBandName(text);
  if (EdgesOfBand(named)) {
    reading.qso.band = named;
    reading.repairs.push_back("a band name instead of the frequency, taken as the band");
    return;
  }
  const std::size_t point = text.find('.');
  if (point != std::string_view::npos) {
    // Megahertz with a decimal point: "3.550" or "7.012".
    const auto whole = Number(text.substr(0, point));
    std::string fraction(text.substr(point + 1));
    fraction.resize(3, '0');
    const auto thousandths = Number(fraction);
    const std::uint64_t hertz =
        whole && thousandths ? (std::uint64_t{*whole} * 1000 + *thousandths) * 1000 : UINT64_MAX;
    if (hertz <= UINT32_MAX) {
      if (auto band = BandForFrequency(static_cast<std::uint32_t>(hertz))) {
        reading.qso.band = std::move(*band);
        reading.repairs.push_back("the frequency in MHz, not kHz");
        return;
      }
    }
  }
  reading.repairs.push_back("a frequency in no amateur band (the QSO is out of the contest)");
}

void ReadMode(std::string_view text, QsoLineReading& reading) {
  std::string mode = UpperCopy(text);
  if (mode == "SSB" || mode == "USB" || mode == "LSB") {
    reading.repairs.push_back("the mode SSB written for PH");
    mode = "PH";
  }
  reading.qso.contestMode = stats::FindContestModeByCabrilloCode(mode);
  reading.qso.mode = std::move(mode);
}

std::optional<QsoDate> ReadDate(std::string_view text, QsoLineReading& reading) {
  if (auto date = ParseIsoDate(text)) return date;
  if (auto date = ParseAdifDate(text)) {
    reading.repairs.push_back("dates written YYYYMMDD");
    return date;
  }
  if (text.size() == 10 && text[2] == '.' && text[5] == '.') {
    const std::string iso = std::string(text.substr(6, 4)) + "-" + std::string(text.substr(3, 2)) +
                            "-" + std::string(text.substr(0, 2));
    if (auto date = ParseIsoDate(iso)) {
      reading.repairs.push_back("dates written DD.MM.YYYY");
      return date;
    }
  }
  return std::nullopt;
}

std::optional<int> ReadTime(std::string_view text, QsoLineReading& reading) {
  if (text.size() == 4) return ParseAdifTime(text);
  if (text.size() == 5 && text[2] == ':') {
    reading.repairs.push_back("times written HH:MM");
    return ParseAdifTime(std::string(text.substr(0, 2)) + std::string(text.substr(3, 2)));
  }
  if (text.size() == 6) {
    reading.repairs.push_back("times with seconds");
    reading.qso.toTheMinute = false;
    return ParseAdifTime(text);
  }
  return std::nullopt;
}

std::string CallOf(std::string_view text, QsoLineReading& reading) {
  std::string call = UpperCopy(text);
  if (call != text) reading.repairs.push_back("calls in small letters, taken in capitals");
  return call;
}

// The columns of the line from its words, or from the fixed layout when a
// column is empty; nothing when neither fits.
std::optional<Columns> ColumnsOf(std::string_view line, std::string_view afterTag,
                                 QsoLineReading& reading) {
  const Words words = WordsOf(afterTag);
  Columns columns;
  if (words.count == kColumns || words.count == kColumns + 1) {
    std::copy_n(words.first.begin(), kColumns, columns.begin());
    return columns;
  }
  if (auto fixed = FixedColumns(line)) {
    reading.repairs.push_back("QSO lines with an empty column, read by the fixed columns");
    return fixed;
  }
  if (words.count == kColumns - 2) {
    reading.repairs.push_back("QSO lines without the reports");
    const Column kept[] = {kFreq, kMode, kDate, kTime, kOwnCall, kSent, kCall, kReceived};
    for (std::size_t i = 0; i < words.count; ++i) columns[kept[i]] = words.first[i];
    return columns;
  }
  reading.refusal = "a QSO line of " + std::to_string(words.count) + " fields (10 or 11 expected)";
  return std::nullopt;
}

}  // namespace

QsoLineReading ReadQsoLine(std::string_view line, std::uint32_t number) {
  QsoLineReading reading;
  reading.qso.line = number;
  const std::size_t tagEnd = line.find(':');
  const auto columns = ColumnsOf(line, line.substr(tagEnd + 1), reading);
  if (!columns) return reading;
  const Columns& c = *columns;
  const auto date = ReadDate(c[kDate], reading);
  const auto second = ReadTime(c[kTime], reading);
  if (!date || !second) {
    reading.refusal =
        !date ? "a QSO line whose date is not a date" : "a QSO line whose time is not a time";
    return reading;
  }
  if (c[kCall].empty()) {
    reading.refusal = "a QSO line without the worked call";
    return reading;
  }
  reading.qso.time = SecondsSinceOleEpoch(*date, *second);
  ReadBand(c[kFreq], reading);
  ReadMode(c[kMode], reading);
  reading.ownCall = CallOf(c[kOwnCall], reading);
  reading.qso.call = CallOf(c[kCall], reading);
  reading.qso.sent = UpperCopy(c[kSent]);
  reading.qso.received = UpperCopy(c[kReceived]);
  return reading;
}

}  // namespace logs
