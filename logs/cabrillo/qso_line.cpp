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

std::optional<std::uint64_t> Number(std::string_view text) {
  std::uint64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// A decimal number with at most one "." or "," as its point, in hertz when
// its unit has `unitDigits` zeros (kHz: 3, MHz: 6), digits past the hertz
// dropped; nothing for other texts and for more than 10^12 Hz.
std::optional<std::uint64_t> HertzOf(std::string_view text, std::size_t unitDigits) {
  const std::size_t point = text.find_first_of(".,");
  const std::string_view whole = text.substr(0, point);
  std::string fraction(point == std::string_view::npos ? "" : text.substr(point + 1));
  if (whole.empty() || whole.size() > 12 || fraction.find_first_of(".,") != std::string::npos) {
    return std::nullopt;
  }
  fraction.resize(unitDigits, '0');
  const auto hertz = Number(std::string(whole) + fraction);
  if (!hertz || *hertz > 1'000'000'000'000) return std::nullopt;
  return hertz;
}

// The band of the frequency column: kHz as Cabrillo has it, also with a
// decimal point or comma, or a band designator; with a repair, a band's name,
// a frequency in Hz, or one in MHz that only so lies in an amateur band.
void ReadBand(std::string_view text, QsoLineReading& reading) {
  const std::string upper = UpperCopy(text);
  for (const auto& [designator, band] : kDesignators) {
    if (upper == designator) {
      reading.qso.band = band;
      return;
    }
  }
  const auto inBand = [&](std::optional<std::uint64_t> hertz, std::string_view repair) {
    std::optional<std::string> band = hertz ? BandForFrequency(*hertz) : std::nullopt;
    if (!band) return false;
    reading.qso.band = std::move(*band);
    if (!repair.empty()) reading.repairs.emplace_back(repair);
    return true;
  };
  const bool decimal = text.find_first_of(".,") != std::string_view::npos;
  // Cabrillo names the bands from 1 GHz up by designators: seven digits are Hz.
  const bool hertz = !decimal && text.size() >= 7;
  if (hertz && inBand(HertzOf(text, 0), "the frequency in Hz, not kHz")) return;
  const bool comma = text.find(',') != std::string_view::npos;
  if (inBand(HertzOf(text, 3), comma ? "a decimal comma in the frequency, read as a point" : "")) {
    return;
  }
  const std::string named = HostBandName(text);
  if (EdgesOfBand(named)) {
    reading.qso.band = named;
    reading.repairs.push_back("a band name instead of the frequency, taken as the band");
    return;
  }
  if (decimal && inBand(HertzOf(text, 6), "the frequency in MHz, not kHz")) return;
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
  // Cabrillo 3.0 may end the line with the transmitter's number; neither it
  // nor what some programs write after it is part of the exchange.
  if (words.count >= kColumns) {
    if (words.count > kColumns + 1) {
      reading.repairs.push_back("fields after the transmitter number, passed over");
    }
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
  reading.refusal =
      "a QSO line of " + std::to_string(words.count) + " fields (10, or 8 without the reports)";
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
